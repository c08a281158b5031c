#pragma once

#include "shared/AnsiText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// PathSKP.txt: the companion's installation folder, one line ended by CR LF, in Windows-1252.
namespace companion {

inline constexpr char kPathFileName[] = "PathSKP.txt";

// The folder on the file's first line, which must end with the folder separator; std::nullopt for an empty
// file or a first line without the separator at its end. The line ends at CR LF, CR or LF.
std::optional<QString> ParsePathFile(QByteArrayView bytes, QChar separator);

QByteArray PathFileBytes(const QString &folder);

// Creates or truncates the path file with the folder as its only line.
[[nodiscard]] std::optional<ansi::FileError> WritePathFile(const QString &path, const QString &folder);

} // namespace companion
