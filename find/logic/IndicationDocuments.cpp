#include "find/logic/IndicationDocuments.h"

#include "indications/logic/IndicationsData.h"
#include "indications/oillist/OilListCoding.h"
#include "shared/Place.h"

namespace find {

IndicationRecords readIndicationRecords(const QString &path)
{
    using indications::Field;
    indications::IndicationsData data;
    if (!data.open(path))
        return {{}, data.error()};
    IndicationRecords read;
    // The count bounds the walk, so a record set that never reaches its end cannot hold the indexer.
    const int count = data.recordCount();
    data.moveFirst();
    for (int n = 0; n < count && data.hasCurrent(); ++n, data.moveNext()) {
        read.records.append({data.field(Field::Indications), DecodeOilList(data.field(Field::Oils)),
                             data.field(Field::Method), data.field(Field::Notes)});
    }
    return read;
}

QList<Document> indicationDocuments(const QList<IndicationRecord> &records)
{
    QList<Document> documents;
    for (const IndicationRecord &record : records) {
        if (record.name.trimmed().isEmpty())
            continue; // a record without a name cannot be shown by name
        documents.append({IndicationsKind,
                          record.name,
                          Place{IndicationsForm, record.name}.toText(),
                          {record.oils, record.method, record.notes}});
    }
    return documents;
}

} // namespace find
