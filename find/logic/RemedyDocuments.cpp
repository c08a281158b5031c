#include "find/logic/RemedyDocuments.h"

#include "shared/Place.h"

namespace find {

QList<Document> remedyDocuments(const QList<content::BachRemedy> &remedies, const QStringList &history,
                                const QStringList &references)
{
    QList<Document> documents;
    for (const content::BachRemedy &remedy : remedies)
        documents.append({RemediesKind,
                          remedy.name,
                          Place{RemediesForm, remedy.name}.toText(),
                          {remedy.stateOfMind, remedy.autosuggestion}});
    const QChar line = QLatin1Char('\n');
    documents.append({RemediesKind,
                      QStringLiteral("History of the Bach remedies"),
                      Place{RemediesForm, HistorySpot}.toText(),
                      {history.join(line)}});
    documents.append({RemediesKind,
                      QStringLiteral("Books on the Bach remedies"),
                      Place{RemediesForm, ReferencesSpot}.toText(),
                      {references.join(line)}});
    return documents;
}

} // namespace find
