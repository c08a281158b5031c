#pragma once

#include "blend/logic/Blend.h"

#include <QString>
#include <optional>
#include <vector>

// Blends kept by name in one JSON file in the user's data folder. A file that cannot be read is reported and
// left as it is: the caller must not write over it, since it may hold blends the user wants back.
namespace blend {

struct NamedBlend
{
    QString name;
    Recipe recipe;
};

struct SavedBlends
{
    std::vector<NamedBlend> blends;
    QString error; // the file exists but is damaged: never write over it
};

SavedBlends readSavedBlends(const QString &path);
// Writes every blend; returns what failed, if anything.
std::optional<QString> writeSavedBlends(const QString &path, const std::vector<NamedBlend> &blends);
// Adds the blend, or replaces the one of the same name (names compare without regard to case).
void keepBlend(std::vector<NamedBlend> *blends, NamedBlend blend);

} // namespace blend
