#include "blend/logic/SavedBlends.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace blend {

namespace {

constexpr std::array<std::pair<Unit, const char *>, 4> kUnits{{
    {Unit::Ml, "ml"},
    {Unit::Teaspoon, "teaspoon"},
    {Unit::Tablespoon, "tablespoon"},
    {Unit::FlOz, "flOz"},
}};

} // namespace

SavedBlends readSavedBlends(const QString &path)
{
    SavedBlends saved;
    QFile file(path);
    if (!file.exists())
        return saved;
    if (!file.open(QIODevice::ReadOnly)) {
        saved.error = path + QStringLiteral(": cannot be read");
        return saved;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonValue list = doc.object().value(QLatin1String("blends"));
    if (!doc.isObject() || !list.isArray()) {
        saved.error = path + QStringLiteral(": damaged (") +
                      (doc.isObject() ? QStringLiteral("no list of blends") : parseError.errorString()) +
                      QLatin1Char(')');
        return saved;
    }
    for (const QJsonValue &v : list.toArray()) {
        const QJsonObject o = v.toObject();
        NamedBlend b;
        b.name = o.value(QLatin1String("name")).toString();
        if (b.name.isEmpty()) {
            saved.blends.clear();
            saved.error = path + QStringLiteral(": damaged (a blend without a name)");
            return saved;
        }
        for (const QJsonValue &oil : o.value(QLatin1String("oils")).toArray())
            b.recipe.oils.push_back({oil.toObject().value(QLatin1String("name")).toString(),
                                     oil.toObject().value(QLatin1String("drops")).toString()});
        b.recipe.carrier = o.value(QLatin1String("carrier")).toString();
        const QString unit = o.value(QLatin1String("unit")).toString();
        for (const auto &[u, name] : kUnits)
            if (unit == QLatin1String(name))
                b.recipe.unit = u;
        b.recipe.use = o.value(QLatin1String("use")).toString(b.recipe.use);
        saved.blends.push_back(std::move(b));
    }
    return saved;
}

std::optional<QString> writeSavedBlends(const QString &path, const std::vector<NamedBlend> &blends)
{
    QJsonArray list;
    for (const NamedBlend &b : blends) {
        QJsonArray oils;
        for (const OilEntry &e : b.recipe.oils)
            oils.append(QJsonObject{{QStringLiteral("name"), e.name}, {QStringLiteral("drops"), e.drops}});
        QString unit;
        for (const auto &[u, name] : kUnits)
            if (u == b.recipe.unit)
                unit = QLatin1String(name);
        list.append(QJsonObject{{QStringLiteral("name"), b.name},
                                {QStringLiteral("oils"), oils},
                                {QStringLiteral("carrier"), b.recipe.carrier},
                                {QStringLiteral("unit"), unit},
                                {QStringLiteral("use"), b.recipe.use}});
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("blends"), list}}).toJson()) < 0 ||
        !file.commit())
        return path + QStringLiteral(": cannot be written");
    return std::nullopt;
}

void keepBlend(std::vector<NamedBlend> *blends, NamedBlend blend)
{
    for (NamedBlend &b : *blends)
        if (b.name.compare(blend.name, Qt::CaseInsensitive) == 0) {
            b = std::move(blend);
            return;
        }
    blends->push_back(std::move(blend));
}

} // namespace blend
