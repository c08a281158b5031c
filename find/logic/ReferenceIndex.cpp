#include "find/logic/ReferenceIndex.h"

#include "content/ContentSet.h"
#include "content/OilBook.h"
#include "find/logic/ActionDocuments.h"
#include "find/logic/IndicationDocuments.h"
#include "find/logic/OilDocuments.h"
#include "find/logic/PageDocuments.h"
#include "find/logic/RemedyDocuments.h"

#include <QJsonArray>
#include <algorithm>
#include <iterator>

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
    QList<Document> saved;
    std::copy_if(read.documents.cbegin(), read.documents.cend(), std::back_inserter(saved),
                 [](const Document &d) { return d.kind == IndicationsKind; });
    return {std::move(index), read.problem, std::move(saved)};
}

ReferenceDocuments savedDocuments(const QString &indicationsDatabase)
{
    const IndicationRecords records = readIndicationRecords(indicationsDatabase);
    return {indicationDocuments(records.records), records.error};
}

void updateSaved(SearchIndex &index, const QList<Document> &before, const QList<Document> &after)
{
    const auto byTarget = [](const QList<Document> &documents) {
        QHash<QString, QList<Document>> grouped;
        for (const Document &d : documents)
            grouped[d.target].append(d);
        return grouped;
    };
    const QHash<QString, QList<Document>> was = byTarget(before);
    const QHash<QString, QList<Document>> is = byTarget(after);
    for (auto it = is.cbegin(); it != is.cend(); ++it) {
        if (it.value() == was.value(it.key()))
            continue;
        index.replace(it.key(), it.value().front());
        for (qsizetype i = 1; i < it.value().size(); ++i)
            index.add(it.value()[i]);
    }
    for (auto it = was.cbegin(); it != was.cend(); ++it) {
        if (!is.contains(it.key()))
            index.remove(it.key());
    }
}

} // namespace find
