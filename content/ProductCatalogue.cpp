#include "content/ProductCatalogue.h"

namespace content {

Parsed<ProductCatalogue> parseProductCatalogue(const QByteArray &json)
{
    ObjectReader root(ProductCatalogueFile, json);
    ProductCatalogue c;
    c.heading = root.text("heading");
    c.introduction = root.text("introduction");
    for (ObjectReader &p : root.objects("products"))
        c.products << Product{p.text("name"),        p.text("kind"), p.text("picture"),
                              p.text("description"), p.text("page"), p.text("download")};
    {
        ObjectReader comparison = root.object("comparison");
        c.features = comparison.texts("features");
        ObjectReader marks = comparison.object("marks");
        for (const Product &product : std::as_const(c.products))
            if (const std::optional<QList<bool>> row = marks.optionalFlags(product.name.toUtf8().constData()))
                c.marks.append({product.name, *row});
    }
    c.upgrade = root.text("upgrade");
    c.bonus = root.text("bonus");
    return finished(root, std::move(c));
}

} // namespace content
