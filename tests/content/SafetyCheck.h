#pragma once

#include "safety/OilSafety.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The content safety check: every dose a text gives is turned into a concentration and held against the
// per-oil limits, and every oil a text offers to a vulnerable group is held against that oil's cautions.
namespace safetycheck {

// One dose found in a text: the share of essential oil in the finished blend, in percent, and the oils it is
// given for (empty: the oils of the whole text).
struct Dose
{
    double percent = 0;
    QStringList oils;
    QString phrase;
};

// Reads "N drops (of X) in M ml/teaspoon(s)/tablespoon(s) (of carrier)", "N drops in M drops of carrier",
// "N ml ... per M ml" and "N%"/"N percent"; a range counts at its upper end.
std::vector<Dose> readDoses(const QString &text, const safety::SafetyTable &table,
                            const QStringList &oilNames);

// A text the check reads: where it is, the oils it recommends and what it says.
struct Text
{
    QString where;
    QStringList oils; // common names as in the table
    QString body;
    // An oil's own profile recommends the oil for each use it lists, so a use for a group the oil is barred
    // from is a fault even where the profile also names the caution ("Poor milk flow ... avoid in
    // breast-feeding").
    bool profile = false;
    QStringList
        groups; // groups the text is written for: "child", "pregnancy", "breastfeeding", "epilepsy", ...
};

// The faults of one text, each a readable line naming the text, the oil and the rule it breaks.
QStringList faults(const Text &text, const safety::SafetyTable &table, const QStringList &oilNames);

// The groups a text speaks to, from its title and its wording ("for a child", "milk flow", ...).
QStringList groupsOf(const QString &title, const QString &body);

// Whether the body cautions `oil` itself (a sentence naming it with "not", "never", "avoid", "under" ...).
bool cautionsOil(const QString &body, const QString &oil);

} // namespace safetycheck
