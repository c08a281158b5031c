#include "find/logic/ReferenceIndex.h"

#include "content/BachTexts.h"
#include "content/OilBook.h"
#include "content/ReferencePages.h"
#include "find/logic/ActionDocuments.h"
#include "find/logic/IndicationDocuments.h"
#include "find/logic/OilDocuments.h"
#include "find/logic/PageDocuments.h"
#include "find/logic/RemedyDocuments.h"

#include <algorithm>
#include <iterator>

namespace find {

ReferenceDocuments referenceDocuments(const QString &indicationsDatabase)
{
    const IndicationRecords records = readIndicationRecords(indicationsDatabase);
    QList<Document> documents = oilDocuments(content::oilBook());
    documents += indicationDocuments(records.records);
    documents += actionDocuments(actions::loadActionEntries());
    documents += remedyDocuments(content::bachRemedies(), content::bachHistory(), content::bachReferences());
    for (const content::TextPageContent &page : content::safetyPages())
        documents += textPageDocuments(page, QStringLiteral("Safety"));
    documents += textPageDocuments(content::informationPage(), QStringLiteral("Basic Information"));
    documents += baseOilDocuments(content::baseOilBook());
    documents += antioxidantDocuments(content::antioxidantsPage());
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
