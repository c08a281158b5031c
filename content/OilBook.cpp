#include "content/OilBook.h"

namespace content {

Parsed<OilBook> parseOilBook(const QByteArray &json)
{
    ObjectReader root(OilBookFile, json);
    OilBook book;
    book.rowBackgrounds = root.texts("rowBackgrounds");
    for (ObjectReader &page : root.objects("pages")) {
        OilPage p;
        p.form = page.text("form");
        p.heading = page.text("heading");
        p.columnHeadings = page.texts("columnHeadings");
        for (ObjectReader &row : page.objects("rows")) {
            OilRow r;
            r.name = row.text("name");
            r.nameLines = row.optionalTexts("nameLines").value_or(QStringList());
            r.otherNames = row.optionalTexts("otherNames").value_or(QStringList());
            r.botanical = row.text("botanical");
            r.actions = row.text("actions");
            r.indications = row.text("indications");
            p.rows.push_back(std::move(r));
        }
        book.pages.push_back(std::move(p));
    }
    return finished(root, std::move(book));
}

const OilBook &oilBook()
{
    static const OilBook value = readCompiledIn(OilBookFile, &parseOilBook);
    return value;
}

} // namespace content
