#include "find/logic/OilDocuments.h"

#include "shared/Place.h"

namespace find {

QList<Document> oilDocuments(const content::OilBook &book)
{
    QList<Document> documents;
    for (const content::OilPage &page : book.pages) {
        for (const content::OilRow &row : page.rows) {
            documents.append({OilsKind,
                              row.name,
                              Place{page.form, row.name}.toText(),
                              {row.botanical, row.actions, row.indications}});
        }
    }
    return documents;
}

} // namespace find
