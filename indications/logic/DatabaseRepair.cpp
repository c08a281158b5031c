#include "indications/logic/DatabaseRepair.h"

#include "jet/Compact.h"
#include "jet/PageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace indications {

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString failed(const QString &what, const QString &reason)
{
    return what + QStringLiteral(":\n") + reason;
}

} // namespace

QString nameToKeep(const QString &path, const QString &label)
{
    const QFileInfo info(path);
    const QDir folder = info.dir();
    for (int n = 1;; ++n) {
        const QString suffix = n == 1 ? label : label + QLatin1Char(' ') + QString::number(n);
        const QString name =
            folder.filePath(QStringLiteral("%1 (%2).%3").arg(info.completeBaseName(), suffix, info.suffix()));
        if (!QFileInfo::exists(name))
            return name;
    }
}

std::optional<QString> restoreOriginal(const QString &path, const QString &shipped, const QString &kept)
{
    const QString what =
        QStringLiteral("The original database could not be put back in %1").arg(native(path));
    // The copy is made beside the file first, so that the file is replaced only by a whole copy.
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    QFile source(shipped);
    if (!source.copy(partial)) {
        QFile::remove(partial);
        return failed(what, source.errorString());
    }
    QFile copy(partial);
    copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    QFile damaged(path);
    if (!damaged.rename(kept)) {
        QFile::remove(partial);
        return failed(what, damaged.errorString());
    }
    // A journal left beside the damaged file belongs to it: played back on the original, it would damage it.
    const auto journalOf = [](const QString &file) {
        return QString::fromStdString(jet::PageFile::journalPath(file.toStdString()));
    };
    if (QFileInfo::exists(journalOf(path)))
        QFile::rename(journalOf(path), journalOf(kept));
    if (!copy.rename(path)) {
        const QString reason = copy.errorString();
        QFile::rename(journalOf(kept), journalOf(path));
        QFile::rename(kept, path);
        QFile::remove(partial);
        return failed(what, reason);
    }
    return std::nullopt;
}

std::optional<QString> convertForWriting(const QString &path, const QString &kept)
{
    const QString what = QStringLiteral("The database %1 could not be converted").arg(native(path));
    // The original is copied aside first; the conversion then takes its place in one step.
    QFile original(path);
    if (!original.copy(kept))
        return failed(what, original.errorString());
    const jet::Status converted = jet::compactDatabase(path.toStdString());
    if (!converted.ok()) {
        QFile::remove(kept);
        return failed(what, QString::fromStdString(converted.error().message));
    }
    return std::nullopt;
}

QString damagedText(const QString &error, const QString &keptAs)
{
    QString text = error + QStringLiteral("\n\nThe page can neither show nor save the records of a damaged "
                                          "database.");
    if (!keptAs.isEmpty())
        text +=
            QStringLiteral("\n\nDo you want to put back the original database that came with the program? "
                           "The damaged file is kept as %1.")
                .arg(native(keptAs));
    return text;
}

QString readOnlyText(const QString &path, const QString &reason, const QString &keptAs)
{
    return QStringLiteral(
               "The database %1 can be read but not changed:\n%2\n\nThe page shows its records, but "
               "changes made on it are not saved.\n\nDo you want to convert it into a copy that this "
               "program can change? The file as it is now is kept as %3.")
        .arg(native(path), reason, native(keptAs));
}

} // namespace indications
