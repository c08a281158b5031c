#include "safety/DilutionRules.h"

#include "safety/OilSafety.h"
#include "safety/SafetySections.h"

namespace safety {

namespace {

bool validPercent(const std::optional<double> &p)
{
    return !p || (*p > 0 && *p <= 100);
}

QString percentText(double percent)
{
    return QString::number(percent, 'g', 4) + QLatin1Char('%');
}

} // namespace

const UseLevel *DilutionRules::use(const QString &key) const
{
    for (const UseLevel &u : uses)
        if (u.use == key)
            return &u;
    return nullptr;
}

const GroupRule *DilutionRules::group(const QString &kind) const
{
    for (const GroupRule &g : groups)
        if (g.kind == kind)
            return &g;
    return nullptr;
}

std::optional<Level> DilutionRules::levelFor(const UseLevel &u, const Person &person) const
{
    if (!u.skin || !u.maxPercent)
        return std::nullopt;
    Level level{*u.maxPercent, u.text, u.source};
    // A group rule lowers the level, never raises it; the rule that lowers it most is the one shown.
    const auto lower = [&level](double percent, const QString &why, const QString &source) {
        if (percent < level.percent - 1e-9)
            level = Level{percent, why, source};
    };
    using G = Person::Group;
    QString kind;
    switch (person.group) {
    case G::Child:
        kind = QStringLiteral("child");
        break;
    case G::Pregnant:
    case G::BreastFeeding:
        kind = QStringLiteral("pregnancy");
        break;
    case G::Elderly:
        kind = QStringLiteral("elderly");
        break;
    case G::Adult:
        break;
    }
    const GroupRule *rule = kind.isEmpty() ? nullptr : group(kind);
    if (!rule)
        return level;
    const double base = level.percent;
    lower(base * rule->factor,
          QStringLiteral("%1 (%2 here)").arg(rule->text, percentText(base * rule->factor)), rule->source);
    if (rule->maxPercent)
        lower(*rule->maxPercent, rule->text, rule->source);
    if (rule->infantMaxPercent && person.ageYears < rule->infantAge)
        lower(*rule->infantMaxPercent, rule->text, rule->source);
    return level;
}

QString readDilutionRules(content::ObjectReader &root, const QString &path, DilutionRules *rules)
{
    rules->flOzMl = root.optionalNumber("flOzMl").value_or(rules->flOzMl);
    const auto fail = [&](const QString &what, const QString &why) {
        return QStringLiteral("%1: %2: %3").arg(path, what, why);
    };
    for (content::ObjectReader &o : root.optionalObjects("uses")) {
        UseLevel u;
        u.use = o.optionalText("use").value_or(QString());
        u.label = o.optionalText("label").value_or(QString());
        u.skin = o.optionalBool("skin").value_or(true);
        u.sun = o.optionalBool("sun").value_or(false);
        u.maxPercent = o.optionalNumber("maxPercent");
        u.text = o.optionalText("text").value_or(QString());
        u.source = o.optionalText("source").value_or(QString());
        const QString what = QStringLiteral("use \"%1\"").arg(u.use);
        if (u.use.isEmpty() || u.label.isEmpty() || u.text.isEmpty() || u.source.isEmpty())
            return fail(what, QStringLiteral("needs a label, a text and a source"));
        if (!validPercent(u.maxPercent) || (u.skin && !u.maxPercent))
            return fail(what, QStringLiteral("a use on the skin needs a percentage between 0 and 100"));
        rules->uses.push_back(std::move(u));
    }
    for (content::ObjectReader &o : root.optionalObjects("general")) {
        GroupRule g;
        g.kind = o.optionalText("kind").value_or(QString());
        g.factor = o.optionalNumber("factor").value_or(1);
        g.maxPercent = o.optionalNumber("maxPercent");
        g.infantAge = int(o.optionalNumber("infantAge").value_or(0));
        g.infantMaxPercent = o.optionalNumber("infantMaxPercent");
        g.text = o.optionalText("text").value_or(QString());
        g.source = o.optionalText("source").value_or(QString());
        const QString what = QStringLiteral("general rule \"%1\"").arg(g.kind);
        if (g.kind.isEmpty() || g.text.isEmpty() || g.source.isEmpty())
            return fail(what, QStringLiteral("needs a kind, a text and a source"));
        if (g.factor <= 0 || g.factor > 1 || !validPercent(g.maxPercent) || !validPercent(g.infantMaxPercent))
            return fail(what, QStringLiteral("may only lower the adult level"));
        rules->groups.push_back(std::move(g));
    }
    if (rules->uses.empty())
        return fail(QStringLiteral("uses"), QStringLiteral("none given"));
    return {};
}

} // namespace safety
