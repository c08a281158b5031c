#pragma once

#include <QString>
#include <optional>
#include <vector>

// The general dilution rules of content/safety/oils.json: the level for each use of a blend and the group
// rules that lower it for a child, a pregnant or breast-feeding woman and the elderly. Like the per-oil
// figures, every level carries its source.
namespace safety {

struct Person;

struct UseLevel
{
    QString use;                      // the key: face, wholeBody, localArea, bath, inhalation
    QString label;                    // as the calculator shows it
    bool skin = true;                 // the blend stays on the skin: the per-oil dermal maxima apply
    bool sun = false;                 // the skin may then see the sun: the phototoxic maxima apply too
    std::optional<double> maxPercent; // of the whole blend, for an adult; none for uses off the skin
    QString text;
    QString source;
};

struct GroupRule
{
    QString kind;      // child, pregnancy (also breast-feeding), elderly, oral
    double factor = 1; // of the adult level
    std::optional<double> maxPercent;
    int infantAge = 0; // child: below this age the infant maximum holds
    std::optional<double> infantMaxPercent;
    QString text;
    QString source;
};

// The level a blend may reach for one person and use, and the rule that set it.
struct Level
{
    double percent = 0;
    QString text;
    QString source;
};

struct DilutionRules
{
    double flOzMl = 29.57;
    std::vector<UseLevel> uses;
    std::vector<GroupRule> groups;

    const UseLevel *use(const QString &key) const;
    const GroupRule *group(const QString &kind) const;
    // The highest total for the person on this use; nothing for a use off the skin.
    std::optional<Level> levelFor(const UseLevel &use, const Person &person) const;
};

// Reads the general section; on failure *error names the file and the rule without its figure or source, or
// the path of a misspelt key within a rule. The per-oil section's keys are left to parseSafetyFile().
std::optional<DilutionRules> loadDilutionRules(const QString &path, QString *error);

} // namespace safety
