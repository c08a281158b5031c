#pragma once

#include "content/ContentReader.h"
#include "safety/DilutionRules.h"
#include "safety/OilSafety.h"

#include <optional>

// content/safety/oils.json holds two sections, the per-oil table and the general dilution rules. Read whole,
// a key that neither section takes is a problem naming the file and the key, as in every content file.
namespace safety {

inline const QString SafetyContentFile = QStringLiteral("safety/oils.json"); // below content/

struct SafetySections
{
    SafetyTable table;
    DilutionRules rules;
};

// Both sections from the file's bytes; file names the file in the problem.
content::Parsed<SafetySections> parseSafetySections(const QString &file, const QByteArray &json);
// Both sections from the file at path; on failure returns nothing and *error says what is wrong.
std::optional<SafetySections> loadSafetySections(const QString &path, QString *error);

} // namespace safety
