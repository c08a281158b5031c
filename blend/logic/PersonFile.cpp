#include "blend/logic/PersonFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>
#include <array>
#include <utility>

namespace blend {

namespace {

using G = safety::Person::Group;

constexpr std::array<std::pair<G, const char *>, 5> kGroups{{
    {G::Adult, "adult"},
    {G::Pregnant, "pregnant"},
    {G::BreastFeeding, "breastfeeding"},
    {G::Child, "child"},
    {G::Elderly, "elderly"},
}};

struct Flag
{
    const char *key;
    bool safety::Person::*member;
    const char *words;
};
constexpr std::array<Flag, 4> kFlags{{
    {"epilepsy", &safety::Person::epilepsy, "epilepsy"},
    {"asthma", &safety::Person::asthma, "asthma"},
    {"highBloodPressure", &safety::Person::highBloodPressure, "high blood pressure"},
    {"anticoagulants", &safety::Person::anticoagulants, "blood-thinning medicines"},
}};

} // namespace

PersonRead readPerson(const QString &path)
{
    PersonRead read;
    QFile file(path);
    if (!file.exists())
        return read;
    if (!file.open(QIODevice::ReadOnly)) {
        read.error = path + QStringLiteral(": cannot be read");
        return read;
    }
    const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
    const QString group = o.value(QLatin1String("group")).toString();
    safety::Person person;
    bool known = false;
    for (const auto &[g, name] : kGroups)
        if (group == QLatin1String(name)) {
            person.group = g;
            known = true;
        }
    const int age = o.value(QLatin1String("age")).toInt(-1);
    if (!known || (person.group == G::Child && (age < 0 || age > 17))) {
        read.error = path + QStringLiteral(": not a person the program knows");
        return read;
    }
    if (person.group == G::Child)
        person.ageYears = age;
    for (const Flag &f : kFlags)
        person.*f.member = o.value(QLatin1String(f.key)).toBool();
    read.person = person;
    return read;
}

std::optional<QString> writePerson(const QString &path, const std::optional<safety::Person> &person)
{
    if (!person) {
        if (QFile::exists(path) && !QFile::remove(path))
            return path + QStringLiteral(": cannot be removed");
        return std::nullopt;
    }
    QJsonObject o;
    for (const auto &[g, name] : kGroups)
        if (g == person->group)
            o.insert(QLatin1String("group"), QLatin1String(name));
    if (person->group == G::Child)
        o.insert(QLatin1String("age"), person->ageYears);
    for (const Flag &f : kFlags)
        if ((*person).*f.member)
            o.insert(QLatin1String(f.key), true);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(o).toJson()) < 0 || !file.commit())
        return path + QStringLiteral(": cannot be written");
    return std::nullopt;
}

QString describePerson(const safety::Person &person)
{
    QString text;
    switch (person.group) {
    case G::Adult:
        text = QStringLiteral("an adult");
        break;
    case G::Pregnant:
        text = QStringLiteral("a pregnant woman");
        break;
    case G::BreastFeeding:
        text = QStringLiteral("a breast-feeding mother");
        break;
    case G::Child:
        text = person.ageYears == 1 ? QStringLiteral("a child of 1 year")
                                    : QStringLiteral("a child of %1 years").arg(person.ageYears);
        break;
    case G::Elderly:
        text = QStringLiteral("an elderly person or sensitive skin");
        break;
    }
    QStringList conditions;
    for (const Flag &f : kFlags)
        if (person.*f.member)
            conditions << QLatin1String(f.words);
    if (!conditions.isEmpty())
        text += QStringLiteral(", with ") + conditions.join(QStringLiteral(", "));
    return text;
}

} // namespace blend
