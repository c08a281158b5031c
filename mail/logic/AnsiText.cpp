#include "mail/logic/AnsiText.h"

#include <QFile>
#include <array>

namespace ansi {
namespace {

// Bytes 0x80 to 0x9F. The five bytes Windows leaves undefined map to the C1 control of the same number,
// which is what the Windows converter does in both directions.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeOne(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

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
            out.append(encodeOne(c.unicode()));
        }
    }
    return out;
}

QString fromWindows1252(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0)
            out.append(QChar(kHighControls[u - 0x80]));
        else
            out.append(QChar(static_cast<char16_t>(u)));
    }
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
