#pragma once

#include "safety/OilSafety.h"

#include <QString>
#include <optional>

// "Who is it for?" kept between runs: a small JSON file in the user's configuration folder.
namespace blend {

struct PersonRead
{
    std::optional<safety::Person> person; // nothing: not set
    QString error;                        // a file that exists but cannot be read as a person
};

PersonRead readPerson(const QString &path);
// Writes the person, or removes the file when the setting is cleared. Returns what failed, if anything.
std::optional<QString> writePerson(const QString &path, const std::optional<safety::Person> &person);

// "a child of 4 years, with epilepsy": the person in words, for the window and the printout.
QString describePerson(const safety::Person &person);

} // namespace blend
