#include "find/logic/ActionDocuments.h"

#include "shared/Place.h"

namespace find {

QList<Document> actionDocuments(const QList<actions::ActionEntry> &entries)
{
    QList<Document> documents;
    const QLatin1Char line('\n');
    for (const actions::ActionEntry &entry : entries) {
        documents.append({ActionsKind,
                          entry.caption,
                          Place{ActionsForm, entry.caption}.toText(),
                          {entry.heading, actions::oilListLine(entry.oils), entry.oilsExtra.join(line),
                           entry.application.join(line), entry.closing.join(line)}});
    }
    return documents;
}

} // namespace find
