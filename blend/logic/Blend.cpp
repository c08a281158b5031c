#include "blend/logic/Blend.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace blend {

namespace {

constexpr double kEpsilon = 1e-9;

// A number as typed: blanks around it, thousands separated by commas ("10,000") and a decimal comma ("7,5")
// are fine; anything else is a message.
std::optional<double> readNumber(QString text, const QString &what, QStringList *problems)
{
    text = text.trimmed();
    static const QRegularExpression thousands(QStringLiteral("^\\d{1,3}(,\\d{3})+$"));
    if (thousands.match(text).hasMatch())
        text.remove(QLatin1Char(','));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.isEmpty()) {
        *problems << QStringLiteral("Enter %1.").arg(what);
        return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) {
        *problems << QStringLiteral("\"%1\" is not a number: enter %2 in figures.").arg(text, what);
        return std::nullopt;
    }
    if (value < 0) {
        *problems << QStringLiteral("%1 cannot be below zero.").arg(what.at(0).toUpper() + what.mid(1));
        return std::nullopt;
    }
    return value;
}

std::optional<int> readDrops(const OilEntry &entry, const QString &name, QStringList *problems)
{
    const auto value = readNumber(entry.drops, QStringLiteral("the drops of %1").arg(name), problems);
    if (!value)
        return std::nullopt;
    if (std::floor(*value) != *value) {
        *problems
            << QStringLiteral("Drops are counted whole: give the drops of %1 without a fraction.").arg(name);
        return std::nullopt;
    }
    if (*value > kMostDropsOfOneOil) {
        *problems << QStringLiteral("%1 drops of %2 is more than a blend holds: at most %3 drops of one oil.")
                         .arg(QLocale::c().toString(*value, 'f', 0), name)
                         .arg(kMostDropsOfOneOil);
        return std::nullopt;
    }
    return int(*value);
}

QString cautionReason(const safety::Caution &c)
{
    using K = safety::CautionKind;
    QString reason;
    switch (c.kind) {
    case K::Avoid:
        reason = QStringLiteral("not for home use");
        break;
    case K::Pregnancy:
        reason = QStringLiteral("to be avoided in pregnancy");
        break;
    case K::BreastFeeding:
        reason = QStringLiteral("to be avoided while breast-feeding");
        break;
    case K::Child:
        reason = QStringLiteral("not for children under %1").arg(c.age);
        if (!c.where.isEmpty())
            reason += QLatin1Char(' ') + c.where;
        break;
    case K::Epilepsy:
        reason = QStringLiteral("to be avoided with epilepsy");
        break;
    case K::Asthma:
        reason = QStringLiteral("to be avoided with asthma");
        break;
    case K::Anticoagulants:
        reason = QStringLiteral("to be avoided with blood-thinning medicines");
        break;
    case K::HighBloodPressure:
        reason = QStringLiteral("to be avoided with high blood pressure");
        break;
    case K::Sensitiser:
        reason = QStringLiteral("may cause a skin allergy");
        break;
    case K::Phototoxic:
        reason = QStringLiteral("sun-sensitizing: keep the skin it was used on out of the sun");
        break;
    case K::Oral:
    case K::Note:
        break;
    }
    if (!c.note.isEmpty())
        reason += QStringLiteral(" (%1)").arg(c.note);
    return reason;
}

// The drops of each oil that keep it within its own maximum, then the total within its level: every count is
// rounded down, so a suggestion never passes a limit by rounding.
std::vector<int> suggest(const std::vector<int> &drops, const std::vector<double> &ownLimits, double level,
                         double dropsPerPercent)
{
    const auto dropsFor = [&](double percent) {
        return int(std::floor(percent * dropsPerPercent + kEpsilon));
    };
    std::vector<int> s(drops.size());
    for (size_t i = 0; i < drops.size(); ++i)
        s[i] = std::min(drops[i], dropsFor(ownLimits[i]));
    const int allowed = dropsFor(level);
    const int sum = std::accumulate(s.begin(), s.end(), 0);
    if (sum <= allowed)
        return s;
    std::vector<double> share(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        share[i] = double(s[i]) * allowed / sum;
        s[i] = int(std::floor(share[i] + kEpsilon));
    }
    // The drops lost to rounding go back to the oils that lost most, while the total allows.
    std::vector<size_t> order(s.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return share[a] - s[a] > share[b] - s[b]; });
    int left = allowed - std::accumulate(s.begin(), s.end(), 0);
    for (size_t i : order) {
        if (left <= 0)
            break;
        if (share[i] - s[i] > kEpsilon) {
            ++s[i];
            --left;
        }
    }
    return s;
}

} // namespace

double Measures::ml(Unit unit) const
{
    switch (unit) {
    case Unit::Ml:
        return 1;
    case Unit::Teaspoon:
        return teaspoonMl;
    case Unit::Tablespoon:
        return tablespoonMl;
    case Unit::FlOz:
        return flOzMl;
    }
    return 1;
}

QString unitName(Unit unit)
{
    switch (unit) {
    case Unit::Ml:
        return QStringLiteral("ml");
    case Unit::Teaspoon:
        return QStringLiteral("teaspoons");
    case Unit::Tablespoon:
        return QStringLiteral("tablespoons");
    case Unit::FlOz:
        return QStringLiteral("fl oz");
    }
    return {};
}

QString percentText(double percent)
{
    QString text = QLocale::c().toString(percent, 'f', 2);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text + QLatin1Char('%');
}

QString avoidText(const std::vector<Mark> &marks)
{
    QStringList lines;
    for (const Mark &m : marks)
        if (m.kind == Mark::Kind::Avoid)
            lines << QStringLiteral("Avoid: %1 (source: %2)").arg(m.reason, m.source);
    return lines.join(QLatin1Char('\n'));
}

Calculator::Calculator(safety::SafetyTable table, safety::DilutionRules rules)
    : m_table(std::move(table)), m_rules(std::move(rules))
{}

Measures Calculator::measures() const
{
    return Measures{m_table.dropsPerMl, m_table.teaspoonMl, m_table.tablespoonMl, m_rules.flOzMl};
}

QStringList Calculator::oilNames() const
{
    QStringList names;
    for (const auto &oil : m_table.oils)
        names << oil.name;
    return names;
}

std::vector<Mark> Calculator::avoidMarks(const safety::OilSafety &oil, const safety::Person &person) const
{
    std::vector<Mark> marks;
    for (const safety::Caution *c : oil.barringFor(person))
        marks.push_back(Mark{Mark::Kind::Avoid, cautionReason(*c), c->source});
    return marks;
}

Result Calculator::evaluate(const Recipe &recipe, const safety::Person &person) const
{
    Result r;
    const safety::UseLevel *use = m_rules.use(recipe.use);
    if (!use) {
        r.problems << QStringLiteral("Choose what the blend is for.");
        return r;
    }
    std::vector<const safety::OilSafety *> records;
    std::vector<std::optional<int>> counts;
    for (const OilEntry &entry : recipe.oils) {
        const QString typed = entry.name.trimmed();
        if (typed.isEmpty() && entry.drops.trimmed().isEmpty())
            continue;
        OilResult o;
        const safety::OilSafety *oil = m_table.find(typed);
        o.name = oil ? oil->name : typed;
        o.known = oil != nullptr;
        if (typed.isEmpty())
            r.problems << QStringLiteral("Choose the oil for %1 drops.").arg(entry.drops.trimmed());
        else if (!oil)
            r.problems << QStringLiteral("\"%1\" is not one of the %2 oils of this reference.")
                              .arg(typed)
                              .arg(m_table.oils.size());
        else if (std::any_of(r.oils.begin(), r.oils.end(),
                             [&](const OilResult &x) { return x.name == o.name; }))
            r.problems << QStringLiteral("%1 is listed twice: give all its drops on one line.").arg(o.name);
        const auto drops =
            readDrops(entry, o.name.isEmpty() ? QStringLiteral("the oil") : o.name, &r.problems);
        o.drops = drops.value_or(0);
        if (oil) {
            o.marks = avoidMarks(*oil, person);
            for (const safety::Caution &c : oil->cautions) {
                const bool shows = (c.kind == safety::CautionKind::Phototoxic && use->sun) ||
                                   (c.kind == safety::CautionKind::Sensitiser && use->skin);
                if (shows)
                    o.marks.push_back(Mark{Mark::Kind::Caution, cautionReason(c), c.source});
            }
        }
        records.push_back(oil);
        counts.push_back(drops);
        r.oils.push_back(std::move(o));
    }
    if (r.oils.empty())
        r.problems << QStringLiteral("Choose at least one oil and its drops.");

    const Measures m = measures();
    const auto amount = readNumber(recipe.carrier, QStringLiteral("the amount of carrier oil"), &r.problems);
    if (amount) {
        const double ml = *amount * m.ml(recipe.unit);
        if (ml <= 0)
            r.problems << QStringLiteral(
                "With no carrier oil there is nothing to dilute in: enter an amount above 0.");
        else if (ml > kMostCarrierMl)
            r.problems << QStringLiteral(
                              "%1 ml of carrier oil is more than a blend for one person: at most %2 ml.")
                              .arg(QLocale::c().toString(ml, 'f', 0))
                              .arg(kMostCarrierMl);
        else
            r.carrierMl = ml;
    }
    r.level = m_rules.levelFor(*use, person);
    if (!r.level)
        r.useNote = use->text;
    if (!r.problems.isEmpty())
        return r;

    // Percent of the carrier, the way dilution charts count: 1 ml of essential oil in 100 ml of carrier is
    // 1%.
    const double dropsPerPercent = *r.carrierMl * m.dropsPerMl / 100;
    std::vector<int> drops;
    std::vector<double> ownLimits;
    int total = 0;
    for (size_t i = 0; i < r.oils.size(); ++i) {
        OilResult &o = r.oils[i];
        const safety::OilSafety &oil = *records[i];
        const double percent = o.drops / dropsPerPercent;
        o.percent = percent;
        total += o.drops;
        double own = 100;
        const auto over = [&](const std::optional<safety::Limit> &limit, Mark::Kind kind,
                              const QString &where) {
            if (!limit)
                return;
            own = std::min(own, limit->percent);
            if (percent > limit->percent + kEpsilon)
                o.marks.insert(o.marks.begin(),
                               Mark{kind,
                                    QStringLiteral("%1 is over its maximum of %2 %3")
                                        .arg(percentText(percent), percentText(limit->percent), where),
                                    limit->source});
        };
        if (use->skin) {
            over(oil.dermalMax, Mark::Kind::OverMaximum, QStringLiteral("on the skin"));
            if (use->sun)
                over(oil.phototoxicMax, Mark::Kind::OverPhototoxic,
                     QStringLiteral("on skin that will see the sun"));
        }
        bool barred = false;
        for (const Mark &mark : o.marks) {
            barred = barred || mark.kind == Mark::Kind::Avoid;
            r.needsChange = r.needsChange || mark.kind != Mark::Kind::Caution;
        }
        drops.push_back(o.drops);
        ownLimits.push_back(barred ? 0 : own);
    }
    r.totalPercent = total / dropsPerPercent;
    r.totalOver = r.level && *r.totalPercent > r.level->percent + kEpsilon;
    r.needsChange = r.needsChange || r.totalOver;
    const std::vector<int> s = suggest(drops, ownLimits, r.level ? r.level->percent : 100, dropsPerPercent);
    for (size_t i = 0; i < r.oils.size(); ++i)
        r.oils[i].suggestedDrops = s[i];
    return r;
}

} // namespace blend
