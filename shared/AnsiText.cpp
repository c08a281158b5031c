#include "shared/AnsiText.h"

#include "shared/Windows1252.h"

#include <QFile>

namespace ansi {
QByteArray toWindows1252(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            out.append('?');
        } else if (c.isSurrogate()) {
            out.append('?');
        } else {
            out.append(static_cast<char>(cp1252::fromUnicode(c.unicode()).value_or('?')));
        }
    }
    return out;
}

QString fromWindows1252(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        out.append(QChar(cp1252::toUnicode(static_cast<unsigned char>(b))));
    return out;
}

QString FileError::userText() const
{
    return QStringLiteral("The file \"%1\" could not be written: %2").arg(path, reason);
}

std::optional<FileError> writeFile(const QString &path, QByteArrayView bytes, FileAccess access)
{
    QFile file(path);
    constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const bool opened = access == FileAccess::OwnerOnly
                            ? file.open(QIODevice::WriteOnly | QIODevice::Truncate, ownerOnly)
                            : file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!opened)
        return FileError{path, file.errorString()};
    // A file that existed before keeps its permissions when opened; narrow them before anything is written.
    if (access == FileAccess::OwnerOnly && file.permissions() != ownerOnly && !file.setPermissions(ownerOnly))
        return FileError{path, file.errorString()};
    // QFile buffers, so a full disk often shows only at flush; both results matter.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush())
        return FileError{path, file.errorString()};
    file.close();
    if (file.error() != QFileDevice::NoError)
        return FileError{path, file.errorString()};
    return std::nullopt;
}

std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace ansi
