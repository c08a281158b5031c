#include "content/ActionTexts.h"

namespace content {

Parsed<QList<ActionEntry>> parseActions(const QByteArray &json)
{
    ObjectReader root(ActionsFile, json);
    QList<ActionEntry> entries;
    for (ObjectReader &a : root.objects("actions")) {
        ActionEntry entry;
        entry.button = a.text("button");
        entry.caption = a.text("caption");
        entry.heading = a.text("heading");
        entry.oils = a.texts("oils");
        entry.oilsExtra = a.texts("oilsExtra");
        entry.application = a.texts("application");
        entry.closing = a.texts("closing");
        entries << entry;
    }
    return finished(root, std::move(entries));
}

const QList<ActionEntry> &actionEntries()
{
    static const QList<ActionEntry> value = readCompiledIn(ActionsFile, &parseActions);
    return value;
}

} // namespace content
