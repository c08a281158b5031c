#include "safety/OilSafety.h"

#include "safety/SafetySections.h"

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
bool readLimit(content::ObjectReader &oil, const char *key, std::optional<Limit> *out, QString *why)
{
    std::optional<content::ObjectReader> o = oil.optionalObject(key);
    if (!o)
        return true;
    const double percent = o->optionalNumber("percent").value_or(-1);
    const QString source = o->optionalText("source").value_or(QString());
    if (percent <= 0 || percent > 100 || source.isEmpty()) {
        *why = QStringLiteral("%1 needs a percentage and a source").arg(QLatin1String(key));
        return false;
    }
    *out = Limit{percent, source};
    return true;
}

bool readCaution(content::ObjectReader &o, Caution *out, QString *why)
{
    const QString kindName = o.optionalText("kind").value_or(QString());
    const auto kind = kindFromName(kindName);
    if (!kind) {
        *why = QStringLiteral("unknown caution kind \"%1\"").arg(kindName);
        return false;
    }
    out->kind = *kind;
    out->age = int(o.optionalNumber("age").value_or(0));
    out->where = o.optionalText("where").value_or(QString());
    out->note = o.optionalText("note").value_or(QString());
    out->source = o.optionalText("source").value_or(QString());
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

QString readSafetyTable(content::ObjectReader &root, const QString &path, SafetyTable *table)
{
    table->reference = root.optionalText("reference").value_or(QString());
    table->dropsPerMl = root.optionalNumber("dropsPerMl").value_or(table->dropsPerMl);
    table->teaspoonMl = root.optionalNumber("teaspoonMl").value_or(table->teaspoonMl);
    table->tablespoonMl = root.optionalNumber("tablespoonMl").value_or(table->tablespoonMl);
    for (content::ObjectReader &o : root.optionalObjects("oils")) {
        OilSafety oil;
        oil.name = o.optionalText("name").value_or(QString());
        oil.entry = o.optionalText("entry").value_or(QString());
        oil.note = o.optionalText("note").value_or(QString());
        QString why;
        bool ok = !oil.name.isEmpty() && !oil.entry.isEmpty();
        if (!ok)
            why = QStringLiteral("needs a name and a reference entry");
        ok = ok && readLimit(o, "dermalMax", &oil.dermalMax, &why) &&
             readLimit(o, "phototoxicMax", &oil.phototoxicMax, &why);
        for (content::ObjectReader &c : o.optionalObjects("cautions")) {
            Caution caution;
            ok = ok && readCaution(c, &caution, &why);
            oil.cautions.push_back(caution);
        }
        if (!ok)
            return QStringLiteral("%1: oil \"%2\": %3").arg(path, oil.name, why);
        table->oils.push_back(std::move(oil));
    }
    if (table->oils.empty())
        return path + QStringLiteral(": no oils");
    return {};
}

} // namespace safety
