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

ReferenceIndex buildReferenceIndex(const QString &indicationsDatabase)
{
    auto index = std::make_shared<SearchIndex>();
    // The order of the kinds breaks ties between groups: what people look up most comes first.
    addOils(*index, content::oilBook());
    const IndicationRecords records = readIndicationRecords(indicationsDatabase);
    addIndications(*index, records.records);
    addActions(*index, actions::loadActionEntries());
    addRemedies(*index, object("bach/remedies.json"), object("bach/history.json"),
                object("bach/references.json"));
    for (const QJsonValue &page : object("reference/safety.json").value(QLatin1String("pages")).toArray())
        addTextPage(*index, page.toObject(), QStringLiteral("Safety"));
    addTextPage(*index, object("reference/information.json"), QStringLiteral("Basic Information"));
    addBaseOils(*index, object("reference/baseoils.json"));
    addAntioxidants(*index, object("reference/antioxidants.json"));
    return {std::move(index), records.error};
}

} // namespace find
