#include "find/logic/OilDocuments.h"

#include "find/logic/Places.h"

namespace find {

QList<Document> oilDocuments(const content::OilBook &book)
{
    QList<Document> documents;
    for (const content::OilPage &page : book.pages) {
        for (const content::OilRow &row : page.rows) {
            documents.append({OilsKind,
                              row.name,
                              placeText(page.form, row.name),
                              {row.botanical, row.actions, row.indications}});
        }
    }
    return documents;
}

} // namespace find
