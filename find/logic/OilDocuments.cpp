#include "find/logic/OilDocuments.h"

#include "find/logic/Places.h"

namespace find {

void addOils(SearchIndex &index, const content::OilBook &book)
{
    for (const content::OilPage &page : book.pages) {
        for (const content::OilRow &row : page.rows) {
            index.add({OilsKind,
                       row.name,
                       placeText(page.form, row.name),
                       {row.botanical, row.actions, row.indications}});
        }
    }
}

} // namespace find
