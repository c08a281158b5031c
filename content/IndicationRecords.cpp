#include "content/IndicationRecords.h"

namespace content {

Parsed<QStringList> parseAfflictionNames(const QByteArray &json)
{
    ObjectReader root(AfflictionNamesFile, json);
    QStringList names = root.texts("");
    return finished(root, std::move(names));
}

Parsed<QList<IndicationRecord>> parseIndicationRecords(const QString &file, const QByteArray &json)
{
    ObjectReader root(file, json);
    QList<IndicationRecord> records;
    for (ObjectReader &r : root.objects(""))
        records << IndicationRecord{r.text("Indications"), r.text("Oils"), r.text("Method"), r.text("Notes")};
    return finished(root, std::move(records));
}

const QStringList &afflictionNames()
{
    static const QStringList value = readCompiledIn(AfflictionNamesFile, &parseAfflictionNames);
    return value;
}

IndicationRecord firstIndicationRecord()
{
    const QString &file = IndicationRecordFiles.first();
    const Parsed<QList<IndicationRecord>> parsed = parseIndicationRecords(file, content::file(file));
    if (!parsed.problem.isEmpty())
        qCritical("%s", qPrintable(parsed.problem));
    return parsed.value.value(0);
}

} // namespace content
