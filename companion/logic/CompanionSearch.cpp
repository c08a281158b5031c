#include "companion/logic/CompanionSearch.h"

#include "companion/logic/PathFile.h"
#include "shared/AnsiText.h"

#include <QDir>
#include <QFileInfo>

namespace companion {
namespace {

bool isWindows(const CompanionPlatform &platform)
{
    return platform.separator == u'\\';
}

bool isAbsolute(const QString &path, const CompanionPlatform &platform)
{
    if (!isWindows(platform))
        return path.startsWith(u'/');
    const bool driveRoot =
        path.size() >= 3 && path[0].isLetter() && path[1] == u':' && (path[2] == u'\\' || path[2] == u'/');
    return driveRoot || path.startsWith(QStringLiteral("\\\\")) || path.startsWith(QStringLiteral("//"));
}

// Qt reports folders with "/" on every platform; the path file and the path box use the native separator.
QString native(QString path, const CompanionPlatform &platform)
{
    if (isWindows(platform))
        path.replace(u'/', u'\\');
    return path;
}

QString inFolder(const QString &folder, const QString &name, const CompanionPlatform &platform)
{
    if (folder.endsWith(platform.separator) || folder.endsWith(u'/'))
        return folder + name;
    return folder + platform.separator + name;
}

} // namespace

QString CompanionPlatform::defaultFolder() const
{
    if (defaultLocations.isEmpty())
        return {};
    const QString &first = defaultLocations.first();
    return first.left(first.lastIndexOf(separator));
}

CompanionPlatform windowsCompanionPlatform()
{
    return {u'\\',
            {QStringLiteral("C:\\Program Files\\Greenhollow\\SKP\\SKP.exe"),
             QStringLiteral("C:\\Program Files\\SKP\\SKP.exe"),
             QStringLiteral("C:\\Greenhollow\\SKP\\SKP.exe"), QStringLiteral("C:\\SKP\\SKP.exe")}};
}

CompanionPlatform unixCompanionPlatform(const QString &homeFolder)
{
    CompanionPlatform platform{
        u'/', {QStringLiteral("/opt/greenhollow/SKP/SKP.exe"), QStringLiteral("/opt/SKP/SKP.exe")}};
    if (!homeFolder.isEmpty()) {
        platform.defaultLocations << inFolder(homeFolder, QStringLiteral("Greenhollow/SKP/SKP.exe"), platform)
                                  << inFolder(homeFolder, QStringLiteral("SKP/SKP.exe"), platform);
    }
    return platform;
}

CompanionPlatform hostCompanionPlatform(const QString &homeFolder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(homeFolder);
    return windowsCompanionPlatform();
#else
    return unixCompanionPlatform(homeFolder);
#endif
}

FileProbe realFileProbe()
{
    FileProbe probe;
    probe.listFile = [](const QString &path) -> QString {
        const QFileInfo info(path);
        if (!info.isFile())
            return {};
        QString name = info.fileName();
        const QStringList entries = info.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
        if (entries.contains(name))
            return name;
        // A file system that ignores letter case found the file under another spelling; report that one.
        for (const QString &entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return entry;
        }
        return {};
    };
    probe.exists = [](const QString &path) { return QFileInfo(path).isFile(); };
    probe.readFile = [](const QString &path) { return ansi::readFile(path); };
    return probe;
}

std::optional<QString> FindCompanion(const QString &pathFileFolder, const CompanionPlatform &platform,
                                     const FileProbe &probe)
{
    const QString pathFileName = QString::fromLatin1(kPathFileName);
    const QString programName = QString::fromLatin1(kProgramFileName);
    const QString pathFile = inFolder(pathFileFolder, pathFileName, platform);
    if (probe.listFile(pathFile) == pathFileName) {
        if (const std::optional<QByteArray> bytes = probe.readFile(pathFile)) {
            if (const std::optional<QString> folder = ParsePathFile(*bytes, platform.separator)) {
                const QString absolute =
                    isAbsolute(*folder, platform) ? *folder : inFolder(pathFileFolder, *folder, platform);
                const QString program = absolute + programName;
                if (probe.exists(program))
                    return program;
            }
        }
    }
    for (const QString &location : platform.defaultLocations) {
        if (probe.listFile(location) == programName)
            return location;
    }
    return std::nullopt;
}

QString FolderPathText(const QString &folder, const CompanionPlatform &platform)
{
    const QString path = native(folder, platform);
    return path.endsWith(platform.separator) ? path : path + platform.separator;
}

std::optional<QString> CheckInstallationFolder(const QString &typed, const QString &applicationFolder,
                                               const CompanionPlatform &platform, const FileProbe &probe)
{
    const QString trimmed = typed.trimmed();
    const QString folder = native(
        isAbsolute(trimmed, platform) ? trimmed : inFolder(applicationFolder, trimmed, platform), platform);
    // The name is appended directly, so a folder typed without its final separator fails here.
    const QString programName = QString::fromLatin1(kProgramFileName);
    if (probe.listFile(folder + programName) != programName)
        return std::nullopt;
    return folder;
}

} // namespace companion
