#include "catalogue/Catalogue.h"

#include "content/ContentSet.h"
#include "shared/MakerConfig.h"

#include <QJsonArray>
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

Catalogue parse(const QJsonObject &root, const QString &website)
{
    Catalogue c;
    c.heading = root.value(QLatin1String("heading")).toString();
    c.introduction = root.value(QLatin1String("introduction")).toString();
    const QJsonArray products = root.value(QLatin1String("products")).toArray();
    for (const QJsonValue &value : products) {
        const QJsonObject p = value.toObject();
        c.products.append(
            {p.value(QLatin1String("name")).toString(), p.value(QLatin1String("kind")).toString(),
             p.value(QLatin1String("picture")).toString(), p.value(QLatin1String("description")).toString(),
             resolve(website, p.value(QLatin1String("page")).toString()),
             resolve(website, p.value(QLatin1String("download")).toString())});
    }
    const QJsonObject comparison = root.value(QLatin1String("comparison")).toObject();
    for (const QJsonValue &feature : comparison.value(QLatin1String("features")).toArray())
        c.features << feature.toString();
    const QJsonObject marks = comparison.value(QLatin1String("marks")).toObject();
    // Programs in catalogue order, not in the JSON object's key order.
    for (const Product &product : std::as_const(c.products)) {
        if (!marks.contains(product.name))
            continue;
        QList<bool> row;
        for (const QJsonValue &mark : marks.value(product.name).toArray())
            row << mark.toBool();
        c.marks.append({product.name, row});
    }
    c.upgrade = root.value(QLatin1String("upgrade")).toString();
    c.bonus = root.value(QLatin1String("bonus")).toString();
    return c;
}

const Catalogue &current()
{
    static const Catalogue c = parse(content::json(QStringLiteral("catalogue/catalogue.json")).object(),
                                     maker::makerConfig().websiteUrl);
    return c;
}

} // namespace catalogue
