#pragma once

#include "blend/logic/Blend.h"

#include <QString>

// The blend as plain text for the print page: oils, drops, carrier, concentrations, cautions with sources.
namespace blend {

QString blendText(const QString &title, const Recipe &recipe, const Result &result, const QString &useLabel,
                  const QString &person, double dropsPerMl);

} // namespace blend
