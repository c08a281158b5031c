#include "pages/actions/ActionText.h"

namespace actions {

QList<ActionEntry> loadActionEntries()
{
    return content::actionEntries();
}

} // namespace actions
