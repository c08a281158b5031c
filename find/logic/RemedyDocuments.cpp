#include "find/logic/RemedyDocuments.h"

#include "find/logic/Places.h"

namespace find {

QList<Document> remedyDocuments(const QList<content::BachRemedy> &remedies, const QStringList &history,
                                const QStringList &references)
{
    QList<Document> documents;
    for (const content::BachRemedy &remedy : remedies)
        documents.append({RemediesKind,
                          remedy.name,
                          placeText(RemediesForm, remedy.name),
                          {remedy.stateOfMind, remedy.autosuggestion}});
    const QChar line = QLatin1Char('\n');
    documents.append({RemediesKind,
                      QStringLiteral("History of the Bach remedies"),
                      placeText(RemediesForm, HistorySpot),
                      {history.join(line)}});
    documents.append({RemediesKind,
                      QStringLiteral("Books on the Bach remedies"),
                      placeText(RemediesForm, ReferencesSpot),
                      {references.join(line)}});
    return documents;
}

} // namespace find
