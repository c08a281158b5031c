#include "find/logic/ReferenceIndex.h"

#include "content/BachTexts.h"
#include "content/OilBook.h"
#include "content/ReferencePages.h"
#include "find/logic/ActionDocuments.h"
#include "find/logic/IndicationDocuments.h"
#include "find/logic/OilDocuments.h"
#include "find/logic/PageDocuments.h"
#include "find/logic/RemedyDocuments.h"

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
    return {std::move(index), read.problem};
}

} // namespace find
