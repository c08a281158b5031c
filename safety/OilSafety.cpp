#include "safety/OilSafety.h"

#include "safety/JsonFile.h"

#include <QJsonArray>
#include <QJsonObject>
#include <array>
#include <utility>

namespace safety {

namespace {

constexpr std::array<std::pair<CautionKind, const char *>, 12> kKindNames{{
    {CautionKind::Oral, "oral"},
    {CautionKind::Pregnancy, "pregnancy"},
    {CautionKind::BreastFeeding, "breastfeeding"},
    {CautionKind::Child, "child"},
    {CautionKind::Epilepsy, "epilepsy"},
    {CautionKind::Asthma, "asthma"},
    {CautionKind::Anticoagulants, "anticoagulants"},
    {CautionKind::HighBloodPressure, "highBloodPressure"},
    {CautionKind::Sensitiser, "sensitiser"},
    {CautionKind::Phototoxic, "phototoxic"},
    {CautionKind::Avoid, "avoid"},
    {CautionKind::Note, "note"},
}};

std::optional<CautionKind> kindFromName(const QString &name)
{
    for (const auto &[kind, text] : kKindNames)
        if (name == QLatin1String(text))
            return kind;
    return std::nullopt;
}

// A limit object {percent, source}; a limit without its source is an error, not a figure.
bool readLimit(const QJsonObject &oil, const char *key, std::optional<Limit> *out, QString *why)
{
    const QJsonValue v = oil.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    const QJsonObject o = v.toObject();
    const double percent = o.value(QLatin1String("percent")).toDouble(-1);
    const QString source = o.value(QLatin1String("source")).toString();
    if (percent <= 0 || percent > 100 || source.isEmpty()) {
        *why = QStringLiteral("%1 needs a percentage and a source").arg(QLatin1String(key));
        return false;
    }
    *out = Limit{percent, source};
    return true;
}

bool readCaution(const QJsonObject &o, Caution *out, QString *why)
{
    const auto kind = kindFromName(o.value(QLatin1String("kind")).toString());
    if (!kind) {
        *why = QStringLiteral("unknown caution kind \"%1\"").arg(o.value(QLatin1String("kind")).toString());
        return false;
    }
    out->kind = *kind;
    out->age = o.value(QLatin1String("age")).toInt();
    out->where = o.value(QLatin1String("where")).toString();
    out->note = o.value(QLatin1String("note")).toString();
    out->source = o.value(QLatin1String("source")).toString();
    if (out->source.isEmpty()) {
        *why = QStringLiteral("caution \"%1\" has no source").arg(cautionKindName(*kind));
        return false;
    }
    if (*kind == CautionKind::Child && out->age <= 0) {
        *why = QStringLiteral("a child caution needs an age");
        return false;
    }
    return true;
}

} // namespace

QString cautionKindName(CautionKind kind)
{
    for (const auto &[k, text] : kKindNames)
        if (k == kind)
            return QLatin1String(text);
    return {};
}

std::optional<double> OilSafety::maxPercent() const
{
    std::optional<double> lowest;
    for (const auto &limit : {dermalMax, phototoxicMax})
        if (limit && (!lowest || limit->percent < *lowest))
            lowest = limit->percent;
    return lowest;
}

const Caution *OilSafety::caution(CautionKind kind) const
{
    for (const Caution &c : cautions)
        if (c.kind == kind)
            return &c;
    return nullptr;
}

std::vector<const Caution *> OilSafety::barringFor(const Person &person) const
{
    using G = Person::Group;
    std::vector<const Caution *> barring;
    for (const Caution &c : cautions) {
        bool bars = false;
        switch (c.kind) {
        case CautionKind::Avoid:
            bars = true;
            break;
        case CautionKind::Pregnancy:
            bars = person.group == G::Pregnant;
            break;
        case CautionKind::BreastFeeding:
            bars = person.group == G::BreastFeeding;
            break;
        case CautionKind::Child:
            bars = person.group == G::Child && person.ageYears < c.age;
            break;
        case CautionKind::Epilepsy:
            bars = person.epilepsy;
            break;
        case CautionKind::Asthma:
            bars = person.asthma;
            break;
        case CautionKind::Anticoagulants:
            bars = person.anticoagulants;
            break;
        case CautionKind::HighBloodPressure:
            bars = person.highBloodPressure;
            break;
        case CautionKind::Oral:
        case CautionKind::Sensitiser:
        case CautionKind::Phototoxic:
        case CautionKind::Note:
            break;
        }
        if (bars)
            barring.push_back(&c);
    }
    return barring;
}

const OilSafety *SafetyTable::find(const QString &name) const
{
    for (const OilSafety &oil : oils)
        if (oil.name.compare(name, Qt::CaseInsensitive) == 0)
            return &oil;
    return nullptr;
}

std::optional<SafetyTable> loadSafetyTable(const QString &path, QString *error)
{
    const std::optional<QJsonObject> read = readJsonObject(path, error);
    return read ? safetyTableFrom(*read, path, error) : std::nullopt;
}

std::optional<SafetyTable> safetyTableFrom(const QJsonObject &root, const QString &path, QString *error)
{
    SafetyTable table;
    table.reference = root.value(QLatin1String("reference")).toString();
    table.dropsPerMl = root.value(QLatin1String("dropsPerMl")).toDouble(table.dropsPerMl);
    table.teaspoonMl = root.value(QLatin1String("teaspoonMl")).toDouble(table.teaspoonMl);
    table.tablespoonMl = root.value(QLatin1String("tablespoonMl")).toDouble(table.tablespoonMl);
    for (const QJsonValue &v : root.value(QLatin1String("oils")).toArray()) {
        const QJsonObject o = v.toObject();
        OilSafety oil;
        oil.name = o.value(QLatin1String("name")).toString();
        oil.entry = o.value(QLatin1String("entry")).toString();
        oil.note = o.value(QLatin1String("note")).toString();
        QString why;
        bool ok = !oil.name.isEmpty() && !oil.entry.isEmpty();
        if (!ok)
            why = QStringLiteral("needs a name and a reference entry");
        ok = ok && readLimit(o, "dermalMax", &oil.dermalMax, &why) &&
             readLimit(o, "phototoxicMax", &oil.phototoxicMax, &why);
        for (const QJsonValue &c : o.value(QLatin1String("cautions")).toArray()) {
            Caution caution;
            ok = ok && readCaution(c.toObject(), &caution, &why);
            oil.cautions.push_back(caution);
        }
        if (!ok) {
            *error = QStringLiteral("%1: oil \"%2\": %3").arg(path, oil.name, why);
            return std::nullopt;
        }
        table.oils.push_back(std::move(oil));
    }
    if (table.oils.empty()) {
        *error = path + QStringLiteral(": no oils");
        return std::nullopt;
    }
    return table;
}

} // namespace safety
