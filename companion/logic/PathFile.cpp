#include "companion/logic/PathFile.h"

namespace companion {

std::optional<QString> ParsePathFile(QByteArrayView bytes, QChar separator)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    const QString line = ansi::fromWindows1252(bytes.first(end));
    if (!line.endsWith(separator))
        return std::nullopt;
    return line;
}

QByteArray PathFileBytes(const QString &folder)
{
    return ansi::toWindows1252(folder + QStringLiteral("\r\n"));
}

std::optional<ansi::FileError> WritePathFile(const QString &path, const QString &folder)
{
    return ansi::writeFile(path, PathFileBytes(folder));
}

} // namespace companion
