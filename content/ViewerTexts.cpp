#include "content/ViewerTexts.h"

namespace content {

Parsed<QList<HistoryEntry>> parseHistory(const QByteArray &json)
{
    ObjectReader root(HistoryFile, json);
    QList<HistoryEntry> entries;
    for (ObjectReader &entry : root.objects("entries"))
        entries << HistoryEntry{entry.text("version"), entry.text("date"), entry.texts("changes")};
    return finished(root, std::move(entries));
}

Parsed<SourcesText> parseSources(const QByteArray &json)
{
    ObjectReader root(SourcesFile, json);
    SourcesText text;
    for (ObjectReader &section : root.objects("sections")) {
        SourceSection s{section.text("heading"), {}};
        for (ObjectReader &e : section.objects("entries"))
            s.entries << SourceEntry{e.text("title"), e.text("authors"),   e.text("year"),
                                     e.text("place"), e.text("publisher"), e.text("isbn")};
        text.sections << s;
    }
    text.contactHeading = root.text("contactHeading");
    return finished(root, std::move(text));
}

const QList<HistoryEntry> &history()
{
    static const QList<HistoryEntry> value = readCompiledIn(HistoryFile, &parseHistory);
    return value;
}

const SourcesText &sources()
{
    static const SourcesText value = readCompiledIn(SourcesFile, &parseSources);
    return value;
}

} // namespace content
