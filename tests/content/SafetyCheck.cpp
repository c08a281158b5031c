#include "SafetyCheck.h"

#include <QRegularExpression>
#include <algorithm>

namespace safetycheck {

namespace {

using safety::CautionKind;

const QString kNumber = QStringLiteral("(\\d+(?:\\.\\d+)?|a|one|two|three|half a)");

double number(const QString &word)
{
    static const QList<std::pair<QString, double>> words{{QStringLiteral("a"), 1},
                                                         {QStringLiteral("one"), 1},
                                                         {QStringLiteral("two"), 2},
                                                         {QStringLiteral("three"), 3},
                                                         {QStringLiteral("half a"), 0.5}};
    for (const auto &[w, v] : words)
        if (word.compare(w, Qt::CaseInsensitive) == 0)
            return v;
    return word.toDouble();
}

// The oils of the table named in a phrase, longest names first so that "Chamomile, Roman" wins over a shorter
// name inside it.
QStringList oilsNamedIn(const QString &phrase, const QStringList &oilNames)
{
    QStringList sorted = oilNames;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    QString rest = phrase;
    QStringList found;
    for (const QString &name : sorted) {
        const QRegularExpression re(QStringLiteral("\\b") + QRegularExpression::escape(name) +
                                        QStringLiteral("\\b"),
                                    QRegularExpression::CaseInsensitiveOption);
        if (rest.contains(re)) {
            found << name;
            rest.replace(re, QStringLiteral("#"));
        }
    }
    return found;
}

// Upper end of "N", "N to M", "N - M", "N or M".
double upper(const QString &range)
{
    static const QRegularExpression split(QStringLiteral("\\s*(?:to|-|or)\\s*"));
    double best = 0;
    for (const QString &part : range.split(split))
        best = std::max(best, number(part.trimmed()));
    return best;
}

double carrierMl(const QString &amount, const QString &unit, const safety::SafetyTable &table)
{
    double n = number(amount);
    if (unit.startsWith(QLatin1String("teaspoon"), Qt::CaseInsensitive))
        return n * table.teaspoonMl;
    if (unit.startsWith(QLatin1String("tablespoon"), Qt::CaseInsensitive))
        return n * table.tablespoonMl;
    if (unit.startsWith(QLatin1String("drop"), Qt::CaseInsensitive))
        return n / table.dropsPerMl;
    return n;
}

// The line of `body` that holds `phrase`: a limit for the whole body concerns only its own line.
QString lineOf(const QString &body, const QString &phrase)
{
    for (const QString &line : body.split(QLatin1Char('\n')))
        if (line.contains(phrase))
            return line;
    return body;
}

const QString kRange =
    QStringLiteral("(\\d+(?:\\.\\d+)?(?:\\s*(?:to|-|or)\\s*\\d+(?:\\.\\d+)?)?|a|one|two|three)");

} // namespace

std::vector<Dose> readDoses(const QString &text, const safety::SafetyTable &table,
                            const QStringList &oilNames)
{
    std::vector<Dose> doses;
    // A carrier amount closes a recipe: everything from the first drop count of the clause up to it is the
    // blend.
    static const QRegularExpression recipe(
        QStringLiteral(
            "(?:^|[.:;(\\n])([^.:;(\\n]*?\\bdrops?\\b[^.:;\\n]*?)\\b(?:in|per|to|into|with)\\s+(?:an?\\s+)?"
            "(\\d+(?:\\.\\d+)?|one|two|three)?\\s*(?:and a half\\s+)?(ml|teaspoons?|tablespoons?|drops)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression count(
        kRange + QStringLiteral("\\s+(?:drops?\\s+)?(?:of\\s+)?([A-Za-z][A-Za-z ,-]*)?"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = recipe.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString clause = m.captured(1);
        QString amount = m.captured(2).isEmpty() ? QStringLiteral("1") : m.captured(2);
        double ml = carrierMl(amount, m.captured(3), table);
        if (m.captured(0).contains(QLatin1String("and a half")))
            ml += 0.5 * carrierMl(QStringLiteral("1"), m.captured(3), table);
        // Per-oil counts ("4 drops of sandalwood, 2 of rose"); otherwise one count for the whole blend.
        double total = 0;
        std::vector<std::pair<QString, double>> perOil;
        for (auto c = count.globalMatch(clause); c.hasNext();) {
            const auto cm = c.next();
            const QString counted = cm.captured(0);
            if (!counted.contains(QLatin1String("drop"), Qt::CaseInsensitive) && perOil.empty() && total == 0)
                continue; // a number before the first drop count is not a dose ("2 tablespoons", "3 times")
            const double n = upper(cm.captured(1));
            total += n;
            const QStringList named = oilsNamedIn(cm.captured(2).section(QLatin1Char(','), 0, 0), oilNames);
            for (const QString &oil : named)
                perOil.emplace_back(oil, n);
        }
        if (ml <= 0 || total <= 0)
            continue;
        const double blendMl = ml + total / table.dropsPerMl;
        if (perOil.empty()) {
            // One count for the blend: it concerns the oils the clause names, or else every oil of the text.
            doses.push_back({100.0 * (total / table.dropsPerMl) / blendMl, oilsNamedIn(clause, oilNames),
                             m.captured(0).trimmed()});
            continue;
        }
        for (const auto &[oil, n] : perOil)
            doses.push_back({100.0 * (n / table.dropsPerMl) / blendMl, {oil}, m.captured(0).trimmed()});
    }
    // "N ml ... essential oil per M ml"
    static const QRegularExpression volume(
        QStringLiteral("(\\d+(?:\\.\\d+)?)\\s*ml(?:\\s*to\\s*(\\d+(?:\\.\\d+)?)\\s*ml)?[^.]*?"
                       "essential oil per (\\d+(?:\\.\\d+)?)\\s*ml"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = volume.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const double oil = m.captured(2).isEmpty() ? m.captured(1).toDouble() : m.captured(2).toDouble();
        doses.push_back({100.0 * oil / (oil + m.captured(3).toDouble()), {}, m.captured(0)});
    }
    static const QRegularExpression percent(
        QStringLiteral(
            "(\\d+(?:\\.\\d+)?)(?:\\s*(?:to|-)\\s*(\\d+(?:\\.\\d+)?))?\\s*(?:%|percent\\b)(?!\\s*pure)"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = percent.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        // "max 5.4%" states a limit, the table's own figure, not a dose to use.
        if (text.mid(std::max<qsizetype>(0, m.capturedStart() - 4), 4).startsWith(QLatin1String("max")))
            continue;
        const double p = m.captured(2).isEmpty() ? m.captured(1).toDouble() : m.captured(2).toDouble();
        // A percentage belongs to the oils its own sentence names, or to the whole text.
        const qsizetype start =
            text.lastIndexOf(QRegularExpression(QStringLiteral("[.\\n]")), m.capturedStart()) + 1;
        const qsizetype end =
            text.indexOf(QRegularExpression(QStringLiteral("\\.(\\s|$)|\\n")), m.capturedEnd());
        doses.push_back(
            {p, oilsNamedIn(text.mid(start, end < 0 ? -1 : end - start), oilNames), m.captured(0)});
    }
    return doses;
}

QStringList groupsOf(const QString &title, const QString &body)
{
    struct Cue
    {
        const char *group;
        const char *pattern;
    };
    static const Cue titleCues[] = {
        {"child", "^(Colic|Diaper rash|Teething|Bed-wetting|Hyperactivity|Croup|Chicken pox|Measles|German "
                  "measles|Mumps|Whooping cough)"},
        {"pregnancy", "^(Morning sickness|Stretch marks)"},
        {"epilepsy", "^(Epilepsy|Seizures)"},
        {"asthma", "^Asthma"},
        {"highBloodPressure", "^(Blood pressure, high|Hypertension)"},
        {"anticoagulants", "^(Blood clots|Thrombosis|Phlebitis|Stroke|Heart attack|Fibrillation)"},
    };
    static const Cue bodyCues[] = {
        {"child", "\\b(for a child|for children|for babies|baby|babies|infants?|toddlers?|from "
                  "(three|six|\\d+) months|teething|colic|suited to children|enough for children)\\b"},
        {"breastfeeding", "\\b(milk flow|breast-?feeding|nursing mothers?)\\b"},
        {"pregnancy", "\\b(during pregnancy|in pregnancy, use|morning sickness)\\b"},
    };
    QStringList groups;
    for (const Cue &cue : titleCues)
        if (title.contains(
                QRegularExpression(QLatin1String(cue.pattern), QRegularExpression::CaseInsensitiveOption)))
            groups << QLatin1String(cue.group);
    for (const Cue &cue : bodyCues)
        if (body.contains(
                QRegularExpression(QLatin1String(cue.pattern), QRegularExpression::CaseInsensitiveOption)))
            groups << QLatin1String(cue.group);
    groups.removeDuplicates();
    return groups;
}

bool cautionsOil(const QString &body, const QString &oil)
{
    static const QRegularExpression sentence(QStringLiteral("[^.\\n(]*(?:\\([^)]*\\))?[^.\\n]*"));
    static const QRegularExpression limiting(
        QStringLiteral("\\b(not|never|avoid|under|only from|over the age|from the age|unsafe|too strong)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    const QString firstWord = oil.section(QRegularExpression(QStringLiteral("[ ,/]")), 0, 0);
    for (auto it = sentence.globalMatch(body); it.hasNext();) {
        const QString s = it.next().captured(0);
        if ((s.contains(oil, Qt::CaseInsensitive) || s.contains(firstWord, Qt::CaseInsensitive)) &&
            s.contains(limiting))
            return true;
    }
    return false;
}

QStringList faults(const Text &text, const safety::SafetyTable &table, const QStringList &oilNames)
{
    QStringList found;
    const std::vector<Dose> doses = readDoses(text.body, table, oilNames);
    // An oil given a dose of its own ("Rose: at most 3 drops in 30 ml") is held to that dose, not the
    // blend's.
    QStringList ownDose;
    for (const Dose &dose : doses)
        ownDose << dose.oils;
    for (const Dose &dose : doses) {
        if (dose.percent > 5.0 + 1e-9)
            found << QStringLiteral("%1: \"%2\" is %3%, over the 5% that no blend may pass")
                         .arg(text.where, dose.phrase, QString::number(dose.percent, 'f', 2));
        static const QRegularExpression wholeBody(QStringLiteral("(whole|full) body"),
                                                  QRegularExpression::CaseInsensitiveOption);
        if (dose.percent > 2.5 + 1e-9 && lineOf(text.body, dose.phrase).contains(wholeBody))
            found << QStringLiteral("%1: \"%2\" is %3% over the whole body (2.5% at most)")
                         .arg(text.where, dose.phrase, QString::number(dose.percent, 'f', 2));
        for (const QString &name : dose.oils.isEmpty() ? text.oils : dose.oils) {
            if (dose.oils.isEmpty() && ownDose.contains(name))
                continue;
            const safety::OilSafety *oil = table.find(name);
            if (!oil || !oil->maxPercent() || dose.percent <= *oil->maxPercent() + 1e-9)
                continue;
            found << QStringLiteral("%1: %2 at %3% in \"%4\" passes its maximum of %5%")
                         .arg(text.where, name, QString::number(dose.percent, 'f', 2), dose.phrase,
                              QString::number(*oil->maxPercent()));
        }
    }
    for (const QString &name : text.oils) {
        const safety::OilSafety *oil = table.find(name);
        if (!oil)
            continue;
        for (const QString &group : text.groups) {
            safety::Person person;
            if (group == QLatin1String("child")) {
                person.group = safety::Person::Group::Child;
                person.ageYears = 3;
            } else if (group == QLatin1String("pregnancy"))
                person.group = safety::Person::Group::Pregnant;
            else if (group == QLatin1String("breastfeeding"))
                person.group = safety::Person::Group::BreastFeeding;
            person.epilepsy = group == QLatin1String("epilepsy");
            person.asthma = group == QLatin1String("asthma");
            person.highBloodPressure = group == QLatin1String("highBloodPressure");
            person.anticoagulants = group == QLatin1String("anticoagulants");
            const auto barring = oil->barringFor(person);
            if (!barring.empty() && (text.profile || !cautionsOil(text.body, name)))
                found << QStringLiteral("%1: %2 is offered for %3 without its caution (%4)")
                             .arg(text.where, name, group, safety::cautionKindName(barring.front()->kind));
        }
        // A mouthwash or gargle is easily swallowed: no oil that poisons by mouth in small amounts (one the
        // table bars for home use or for every child) without its own warning.
        static const QRegularExpression mouth(QStringLiteral("\\b(mouthwash|gargle|mouth rinse)\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
        for (const QString &line : text.body.split(QLatin1Char('\n'))) {
            const safety::Caution *child = oil->caution(CautionKind::Child);
            const bool poisonsByMouth = oil->caution(CautionKind::Oral) &&
                                        (oil->caution(CautionKind::Avoid) || (child && child->age >= 12));
            if (!line.contains(mouth) || !poisonsByMouth || cautionsOil(text.body, name))
                continue;
            // The oils a mouthwash line names, or else every oil of the text.
            const QStringList named = oilsNamedIn(line, oilNames);
            if (named.isEmpty() || named.contains(name))
                found << QStringLiteral("%1: %2 is offered in a mouthwash without its warning")
                             .arg(text.where, name);
        }
        if (oil->caution(CautionKind::Avoid) && !cautionsOil(text.body, name))
            found << QStringLiteral("%1: %2 is too hazardous for home use, yet offered without a warning")
                         .arg(text.where, name);
    }
    return found;
}

} // namespace safetycheck
