#pragma once

#include "content/OilLinks.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace indications {

// The names of the records of an indications database whose oil list names an oil, under any of its names,
// in name order (letter case aside). nullopt, with *error naming the file, when the file cannot be read.
std::optional<QStringList> indicationsNaming(const content::OilProfile &oil, const QString &databasePath,
                                             QString *error);

} // namespace indications
