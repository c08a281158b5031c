#include "find/logic/ReferenceIndex.h"

#include "content/ContentSet.h"
#include "content/OilBook.h"
#include "find/logic/ActionDocuments.h"
#include "find/logic/IndicationDocuments.h"
#include "find/logic/OilDocuments.h"
#include "find/logic/PageDocuments.h"
#include "find/logic/RemedyDocuments.h"

#include <QJsonArray>

namespace find {

namespace {

QJsonObject object(const char *file)
{
    return content::json(QLatin1String(file)).object();
}

} // namespace

ReferenceDocuments referenceDocuments(const QString &indicationsDatabase)
{
    const IndicationRecords records = readIndicationRecords(indicationsDatabase);
    QList<Document> documents = oilDocuments(content::oilBook());
    documents += indicationDocuments(records.records);
    documents += actionDocuments(actions::loadActionEntries());
    documents += remedyDocuments(object("bach/remedies.json"), object("bach/history.json"),
                                 object("bach/references.json"));
    for (const QJsonValue &page : object("reference/safety.json").value(QLatin1String("pages")).toArray())
        documents += textPageDocuments(page.toObject(), QStringLiteral("Safety"));
    documents += textPageDocuments(object("reference/information.json"), QStringLiteral("Basic Information"));
    documents += baseOilDocuments(object("reference/baseoils.json"));
    documents += antioxidantDocuments(object("reference/antioxidants.json"));
    return {std::move(documents), records.error};
}

ReferenceIndex buildReferenceIndex(const QString &indicationsDatabase)
{
    const ReferenceDocuments read = referenceDocuments(indicationsDatabase);
    auto index = std::make_shared<SearchIndex>();
    for (const Document &document : read.documents)
        index->add(document);
    index->prepare();
    return {std::move(index), read.problem};
}

} // namespace find
