#include "content/BachTexts.h"

namespace content {

namespace {

Parsed<QStringList> parsePanel(const QString &file, const QByteArray &json)
{
    ObjectReader root(file, json);
    QStringList lines = root.texts("lines");
    return finished(root, std::move(lines));
}

} // namespace

Parsed<QList<BachRemedy>> parseBachRemedies(const QByteArray &json)
{
    ObjectReader root(BachRemediesFile, json);
    QList<BachRemedy> remedies;
    for (ObjectReader &r : root.objects("remedies"))
        remedies << BachRemedy{r.text("label"), r.text("name"), r.text("stateOfMind"),
                               r.text("autosuggestion")};
    return finished(root, std::move(remedies));
}

Parsed<QStringList> parseBachHistory(const QByteArray &json)
{
    return parsePanel(BachHistoryFile, json);
}

Parsed<QStringList> parseBachReferences(const QByteArray &json)
{
    return parsePanel(BachReferencesFile, json);
}

Parsed<RescueTexts> parseRescue(const QByteArray &json)
{
    ObjectReader root(RescueFile, json);
    RescueTexts texts{root.text("Label40"), root.text("Label41")};
    return finished(root, std::move(texts));
}

const QList<BachRemedy> &bachRemedies()
{
    static const QList<BachRemedy> value = readCompiledIn(BachRemediesFile, &parseBachRemedies);
    return value;
}

const QStringList &bachHistory()
{
    static const QStringList value = readCompiledIn(BachHistoryFile, &parseBachHistory);
    return value;
}

const QStringList &bachReferences()
{
    static const QStringList value = readCompiledIn(BachReferencesFile, &parseBachReferences);
    return value;
}

const RescueTexts &rescueTexts()
{
    static const RescueTexts value = readCompiledIn(RescueFile, &parseRescue);
    return value;
}

} // namespace content
