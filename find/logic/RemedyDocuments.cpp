#include "find/logic/RemedyDocuments.h"

#include "find/logic/Places.h"

#include <QJsonArray>

namespace find {

namespace {

QString lines(const QJsonObject &panel)
{
    QStringList out;
    for (const QJsonValue &line : panel.value(QLatin1String("lines")).toArray())
        out.append(line.toString());
    return out.join(QLatin1Char('\n'));
}

} // namespace

QList<Document> remedyDocuments(const QJsonObject &remedies, const QJsonObject &history,
                                const QJsonObject &references)
{
    QList<Document> documents;
    for (const QJsonValue &item : remedies.value(QLatin1String("remedies")).toArray()) {
        const QJsonObject remedy = item.toObject();
        const QString name = remedy.value(QLatin1String("name")).toString();
        documents.append({RemediesKind,
                          name,
                          placeText(RemediesForm, name),
                          {remedy.value(QLatin1String("stateOfMind")).toString(),
                           remedy.value(QLatin1String("autosuggestion")).toString()}});
    }
    documents.append({RemediesKind,
                      QStringLiteral("History of the Bach remedies"),
                      placeText(RemediesForm, HistorySpot),
                      {lines(history)}});
    documents.append({RemediesKind,
                      QStringLiteral("Books on the Bach remedies"),
                      placeText(RemediesForm, ReferencesSpot),
                      {lines(references)}});
    return documents;
}

} // namespace find
