#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The files this program writes for other programs (mail drafts, the companion's path file) use the
// Western-European Windows code page, whatever the host's own locale is, so that drafts and path files stay
// byte-for-byte the same on every platform.
namespace ansi {

// Characters that Windows-1252 cannot hold become one '?' each, as the Windows converter's default
// character does; a character outside the Basic Multilingual Plane also becomes a single '?'.
QByteArray toWindows1252(QStringView text);
QString fromWindows1252(QByteArrayView bytes);

// A file that could not be written, with enough context for a message box.
struct FileError
{
    QString path;
    QString reason;

    QString userText() const;
};

enum class FileAccess { Default, OwnerOnly };

// Creates or truncates the file and writes the bytes; std::nullopt means every byte reached the disk.
// OwnerOnly: only the user may read or write the file, whether it is new or was there before.
[[nodiscard]] std::optional<FileError> writeFile(const QString &path, QByteArrayView bytes,
                                                 FileAccess access = FileAccess::Default);

// The whole file, or std::nullopt when it cannot be opened or read.
std::optional<QByteArray> readFile(const QString &path);

} // namespace ansi
