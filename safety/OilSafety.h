#pragma once

#include <QString>
#include <optional>
#include <vector>

// The safety limits of every profiled oil, read from content/safety/oils.json. Every figure carries the
// reference it comes from, so a page or a calculator can show where a limit was taken.
namespace safety {

enum class CautionKind {
    Oral, // not to be swallowed, even on the usual professional advice, without particular care
    Pregnancy,
    BreastFeeding,
    Child, // not for children younger than `age`
    Epilepsy,
    Asthma,
    Anticoagulants, // blood-thinning medicines, bleeding disorders, before surgery
    HighBloodPressure,
    Sensitiser, // may cause skin allergy (some only once the oil has oxidized)
    Phototoxic, // listed as sun-sensitizing without a percentage limit
    Avoid,      // too hazardous for home use at all
    Note,       // a remark without a group
};

struct Limit
{
    double percent = 0; // of the finished blend
    QString source;
};

struct Caution
{
    CautionKind kind = CautionKind::Note;
    int age = 0;   // Child: the youngest age in years at which the oil may be used
    QString where; // Child: where or how it is barred ("on or near the face", "at any dose")
    QString note;
    QString source;
};

struct Person
{
    enum class Group { Adult, Pregnant, BreastFeeding, Child, Elderly };
    Group group = Group::Adult;
    int ageYears = 40;
    bool epilepsy = false;
    bool asthma = false;
    bool highBloodPressure = false;
    bool anticoagulants = false;
};

struct OilSafety
{
    QString name;  // the common name as on the oil pages
    QString entry; // the entry in the reference the figures come from
    std::optional<Limit> dermalMax;
    std::optional<Limit> phototoxicMax; // on skin that will see sun
    std::vector<Caution> cautions;
    QString note;

    // The lower of the two limits, the one a blend for sunlit skin must keep.
    std::optional<double> maxPercent() const;
    const Caution *caution(CautionKind kind) const;
    // The cautions that bar this oil for the person (empty: the oil may be used within its limits).
    std::vector<const Caution *> barringFor(const Person &person) const;
};

struct SafetyTable
{
    double dropsPerMl = 20;
    double teaspoonMl = 5;
    double tablespoonMl = 15;
    QString reference;
    std::vector<OilSafety> oils;

    const OilSafety *find(const QString &name) const;
};

// Reads the table's section of the file; on failure returns nothing and *error names the file and what is
// wrong (an unknown caution kind, a figure without its source, a misspelt key within an oil). The keys of the
// file's other section are left alone: parseSafetyFile() in SafetyFile.h reads both and reports what neither
// takes.
std::optional<SafetyTable> loadSafetyTable(const QString &path, QString *error);

QString cautionKindName(CautionKind kind);

} // namespace safety
