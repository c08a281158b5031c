#include "find/logic/PageDocuments.h"

#include "app/shell/FormId.h"
#include "shared/Place.h"

namespace find {

namespace {

// The words a block shows, whatever its kind: its text, a rule's indented paragraphs, a list's names.
QStringList blockWords(const content::TextBlock &block)
{
    QStringList words{block.text};
    words += block.indented;
    for (const QStringList &column : block.columns)
        words.append(column.join(QStringLiteral(", ")));
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

QList<Document> textPageDocuments(const content::TextPageContent &page, const QString &untitled)
{
    using Kind = content::TextBlock::Kind;
    QList<Document> documents;
    QString heading;
    QStringList fields;
    const auto flush = [&] {
        if (!fields.isEmpty())
            documents.append({PagesKind, heading.isEmpty() ? untitled : withoutColon(heading),
                              Place{page.form, heading}.toText(), fields});
        fields.clear();
    };
    for (const content::TextBlock &block : page.blocks) {
        if (block.kind == Kind::Button)
            continue; // a caption, not the page's text
        if (block.kind == Kind::Heading) {
            flush();
            heading = block.text;
            continue;
        }
        fields += blockWords(block);
    }
    flush();
    return documents;
}

QList<Document> baseOilDocuments(const content::BaseOilBook &book)
{
    QList<Document> documents;
    for (const content::BaseOilBook::Page &page : book.pages)
        for (const content::BaseOilRow &row : page.rows)
            documents.append({PagesKind,
                              row.name,
                              Place{page.form, row.name}.toText(),
                              {row.application, row.indication}});
    return documents;
}

QList<Document> antioxidantDocuments(const content::AntioxidantsPage &page)
{
    QList<Document> documents;
    const QString form = Forms::frmAntioxidants.name();
    documents.append({PagesKind, page.heading, form, {page.introduction, page.study, page.foodsIntro}});
    for (const auto *table : {&page.oils, &page.foods})
        for (const content::AntioxidantValue &entry : *table)
            documents.append({PagesKind,
                              entry.name,
                              Place{form, entry.name}.toText(),
                              {QStringLiteral("Antioxidant value (ORAC) ") + entry.text}});
    return documents;
}

} // namespace find
