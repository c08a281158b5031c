#include "catalogue/Catalogue.h"

#include "shared/MakerConfig.h"

#include <QUrl>

namespace catalogue {
namespace {

QString resolve(const QString &website, const QString &relative)
{
    if (relative.isEmpty())
        return {};
    return QUrl(website).resolved(QUrl(relative)).toString();
}

} // namespace

Catalogue resolved(Catalogue catalogue, const QString &website)
{
    for (Product &product : catalogue.products) {
        product.pageUrl = resolve(website, product.pageUrl);
        product.downloadUrl = resolve(website, product.downloadUrl);
    }
    return catalogue;
}

const Catalogue &current()
{
    static const Catalogue c =
        resolved(content::readCompiledIn(content::ProductCatalogueFile, &content::parseProductCatalogue),
                 maker::makerConfig().websiteUrl);
    return c;
}

} // namespace catalogue
