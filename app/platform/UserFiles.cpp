#include "app/platform/UserFiles.h"

#include "app/platform/PlatformServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace userfiles {

namespace {

QString ensured(const QString &folder)
{
    QDir().mkpath(folder);
    return folder;
}

QString databaseIn(const QString &folder)
{
    return QDir(folder).filePath(QString::fromLatin1(kIndicationsDatabase));
}

} // namespace

Places choosePlaces(const Situation &situation)
{
    // An installation is shared by every user: even where one may write there (root), it is never changed.
    if (!situation.installedShipped.isEmpty())
        return {situation.installedShipped, situation.standardData, situation.standardConfig};
    if (situation.programFolderWritable)
        return {situation.programFolder, situation.programFolder, situation.programFolder};
    return {situation.programFolder, situation.standardData, situation.standardConfig};
}

QString installedShippedPlace(const QString &programFolder)
{
    // GNUInstallDirs' layout, worked out at configure time, so that an installed tree works from any prefix.
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(AMBRELIS_SHIPPED_FROM_PROGRAM)));
}

Places currentPlaces()
{
    Situation situation;
    situation.programFolder = platform().ApplicationFolder();
    situation.programFolderWritable = QFileInfo(situation.programFolder).isWritable();
    const QString installed = installedShippedPlace(situation.programFolder);
    if (QFileInfo(installed).isDir())
        situation.installedShipped = installed;
    situation.standardData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    situation.standardConfig = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return choosePlaces(situation);
}

QString shippedFolder()
{
    return currentPlaces().shipped;
}

QString dataFolder()
{
    return ensured(currentPlaces().data);
}

QString configFolder()
{
    return ensured(currentPlaces().config);
}

QString indicationsDatabase()
{
    return databaseIn(dataFolder());
}

QString shippedIndicationsDatabase()
{
    return databaseIn(shippedFolder());
}

QString saveDialogFolder()
{
    const PlatformServices &os = platform();
    const QString current = os.CurrentFolder();
    const auto same = [](const QString &a, const QString &b) {
        return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
    };
    if (!same(current, os.ApplicationFolder()) || same(currentPlaces().data, os.ApplicationFolder()))
        return current;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::optional<QString> provideIndicationsDatabase()
{
    const Places places = currentPlaces();
    const QString own = databaseIn(places.data);
    const QString shipped = databaseIn(places.shipped);
    if (QFileInfo(own).absoluteFilePath() == QFileInfo(shipped).absoluteFilePath() || QFileInfo::exists(own))
        return std::nullopt;

    const auto failed = [&](const QString &reason) {
        return QStringLiteral("The indications database could not be copied to %1:\n%2")
            .arg(QDir::toNativeSeparators(own), reason);
    };
    if (!QFileInfo::exists(shipped))
        return failed(QStringLiteral("the copy that comes with the program is missing (%1).")
                          .arg(QDir::toNativeSeparators(shipped)));
    if (!QDir().mkpath(places.data))
        return failed(QStringLiteral("the folder cannot be created."));

    // Copied under another name and renamed at the end, so that a copy cut short never passes for the
    // user's database on the next start.
    const QString partial = own + QStringLiteral(".part");
    QFile::remove(partial);
    QFile source(shipped);
    if (!source.copy(partial)) {
        QFile::remove(partial);
        return failed(source.errorString());
    }
    // The installed original is read-only; the user's copy is theirs to edit.
    QFile copy(partial);
    copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    if (!copy.rename(own)) {
        const QString reason = copy.errorString();
        QFile::remove(partial);
        return failed(reason);
    }
    return std::nullopt;
}

} // namespace userfiles
