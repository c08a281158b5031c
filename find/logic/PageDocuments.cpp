#include "find/logic/PageDocuments.h"

#include "find/logic/Places.h"

#include <QJsonArray>

namespace find {

namespace {

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

// The words a block shows, whatever its kind: its text, a rule's indented paragraphs, a list's names.
QStringList blockWords(const QJsonObject &block)
{
    QStringList words{text(block, "text")};
    for (const QJsonValue &paragraph : block.value(QLatin1String("indented")).toArray())
        words.append(paragraph.toString());
    for (const QJsonValue &column : block.value(QLatin1String("columns")).toArray()) {
        QStringList names;
        for (const QJsonValue &name : column.toArray())
            names.append(name.toString());
        words.append(names.join(QStringLiteral(", ")));
    }
    words.removeAll(QString());
    return words;
}

QString withoutColon(QString heading)
{
    heading = heading.trimmed();
    if (heading.endsWith(QLatin1Char(':')))
        heading.chop(1);
    return heading;
}

} // namespace

QList<Document> textPageDocuments(const QJsonObject &page, const QString &untitled)
{
    QList<Document> documents;
    const QString form = text(page, "form");
    QString heading;
    QStringList fields;
    const auto flush = [&] {
        if (!fields.isEmpty())
            documents.append({PagesKind, heading.isEmpty() ? untitled : withoutColon(heading),
                              placeText(form, heading), fields});
        fields.clear();
    };
    for (const QJsonValue &item : page.value(QLatin1String("blocks")).toArray()) {
        const QJsonObject block = item.toObject();
        const QString kind = text(block, "kind");
        if (kind == QLatin1String("button"))
            continue; // a caption, not the page's text
        if (kind == QLatin1String("heading")) {
            flush();
            heading = text(block, "text");
            continue;
        }
        fields += blockWords(block);
    }
    flush();
    return documents;
}

QList<Document> baseOilDocuments(const QJsonObject &book)
{
    QList<Document> documents;
    for (const QJsonValue &item : book.value(QLatin1String("pages")).toArray()) {
        const QJsonObject page = item.toObject();
        const QString form = text(page, "form");
        for (const QJsonValue &rowItem : page.value(QLatin1String("rows")).toArray()) {
            const QJsonObject row = rowItem.toObject();
            const QString name = text(row, "name");
            documents.append({PagesKind,
                              name,
                              placeText(form, name),
                              {text(row, "application"), text(row, "indication")}});
        }
    }
    return documents;
}

QList<Document> antioxidantDocuments(const QJsonObject &page)
{
    QList<Document> documents;
    const QString form = QStringLiteral("frmAntioxidants");
    documents.append({PagesKind,
                      text(page, "heading"),
                      form,
                      {text(page, "introduction"), text(page, "study"), text(page, "foodsIntro")}});
    for (const char *table : {"oils", "foods"}) {
        for (const QJsonValue &item : page.value(QLatin1String(table)).toArray()) {
            const QJsonObject entry = item.toObject();
            const QString name = text(entry, "name");
            documents.append({PagesKind,
                              name,
                              placeText(form, name),
                              {QStringLiteral("Antioxidant value (ORAC) ") + text(entry, "text")}});
        }
    }
    return documents;
}

} // namespace find
