#pragma once

#include "safety/DilutionRules.h"
#include "safety/OilSafety.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The blend calculator's arithmetic and checks: drops and a carrier amount, as the user typed them, become
// each oil's share and the total, held against the per-oil maxima, the level for the use and the person, and
// the oils the person should avoid. Every mark names the rule and its source from the safety table.
namespace blend {

enum class Unit { Ml, Teaspoon, Tablespoon, FlOz };

// A blend as typed: counts and amounts are text, so that a letter or a sign is a message, not a crash.
struct OilEntry
{
    QString name;
    QString drops;
};

struct Recipe
{
    std::vector<OilEntry> oils;
    QString carrier;
    Unit unit = Unit::Ml;
    QString use = QStringLiteral("wholeBody");
};

struct Mark
{
    enum class Kind { OverMaximum, OverPhototoxic, Avoid, Caution };
    Kind kind = Kind::Caution;
    QString reason;
    QString source;
};

struct OilResult
{
    QString name; // as the table spells it; as typed when unknown
    bool known = false;
    int drops = 0;
    std::optional<double> percent; // when the blend could be worked out
    std::vector<Mark> marks;
    int suggestedDrops = 0;
};

struct Result
{
    QStringList problems; // input that cannot be worked out, one message each
    std::vector<OilResult> oils;
    std::optional<double> carrierMl;
    std::optional<double> totalPercent;
    std::optional<safety::Level> level; // the total the use and person allow; none off the skin
    bool totalOver = false;
    QString useNote;          // for a use off the skin: why its level is missing
    bool needsChange = false; // some oil is over, barred, or the total over its level
    bool figures() const { return totalPercent.has_value(); }
};

// The units the carrier can be measured in, with the millilitres of one unit (from the safety table).
struct Measures
{
    double dropsPerMl = 20;
    double teaspoonMl = 5;
    double tablespoonMl = 15;
    double flOzMl = 29.57;

    double ml(Unit unit) const;
};

// Upper bounds past which an amount is a slip of the keyboard, not a blend.
inline constexpr int kMostDropsOfOneOil = 1000;
inline constexpr double kMostCarrierMl = 5000;

class Calculator
{
public:
    Calculator(safety::SafetyTable table, safety::DilutionRules rules);

    const safety::SafetyTable &table() const { return m_table; }
    const safety::DilutionRules &rules() const { return m_rules; }
    Measures measures() const;
    QStringList oilNames() const;

    Result evaluate(const Recipe &recipe, const safety::Person &person) const;

    // The reasons an oil is barred for the person: "Peppermint: not for children under 6 ..." marks.
    std::vector<Mark> avoidMarks(const safety::OilSafety &oil, const safety::Person &person) const;

private:
    safety::SafetyTable m_table;
    safety::DilutionRules m_rules;
};

// Percent with at most two decimals and no trailing zeros: "3%", "0.5%", "2.91%".
QString percentText(double percent);
// One line that says why the person should avoid an oil, for a tooltip or a screen reader.
QString avoidText(const std::vector<Mark> &marks);
QString unitName(Unit unit);

} // namespace blend
