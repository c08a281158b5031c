#include "find/logic/ActionDocuments.h"

#include "find/logic/Places.h"

namespace find {

QList<Document> actionDocuments(const QList<actions::ActionEntry> &entries)
{
    QList<Document> documents;
    const QLatin1Char line('\n');
    for (const actions::ActionEntry &entry : entries) {
        documents.append({ActionsKind,
                          entry.caption,
                          placeText(ActionsForm, entry.caption),
                          {entry.heading, actions::oilListLine(entry.oils), entry.oilsExtra.join(line),
                           entry.application.join(line), entry.closing.join(line)}});
    }
    return documents;
}

} // namespace find
