#include "pages/actions/ActionText.h"

#include "content/ContentSet.h"

namespace actions {

QList<ActionEntry> loadActionEntries()
{
    return actionEntriesFromJson(content::json(QStringLiteral("actions/actions.json")));
}

} // namespace actions
