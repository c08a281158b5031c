#pragma once

#include "content/ContentReader.h"
#include "safety/DilutionRules.h"
#include "safety/OilSafety.h"

// The readers of the safety file's two sections. Each asks the file's top-level object only for its own keys,
// so that whoever runs both can report the keys that neither takes. A returned text is the first rule the
// section breaks ("<path>: oil \"Clove\": ..."), empty when it has none; a misspelt key is the reader's
// problem.
namespace safety {

QString readSafetyTable(content::ObjectReader &root, const QString &path, SafetyTable *table);
QString readDilutionRules(content::ObjectReader &root, const QString &path, DilutionRules *rules);

} // namespace safety
