#include "find/logic/ActionDocuments.h"

#include "find/logic/Places.h"

namespace find {

void addActions(SearchIndex &index, const QList<actions::ActionEntry> &entries)
{
    const QLatin1Char line('\n');
    for (const actions::ActionEntry &entry : entries) {
        index.add({ActionsKind,
                   entry.caption,
                   placeText(ActionsForm, entry.caption),
                   {entry.heading, actions::oilListLine(entry.oils), entry.oilsExtra.join(line),
                    entry.application.join(line), entry.closing.join(line)}});
    }
}

} // namespace find
