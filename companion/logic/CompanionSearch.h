#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Finding the companion program SKP.exe: the folder stored in PathSKP.txt first, then the usual install
// locations. The file system is reached only through FileProbe, so the search can be tested without one.
namespace companion {

inline constexpr char kProgramFileName[] = "SKP.exe";

struct CompanionPlatform
{
    QChar separator;
    QStringList defaultLocations; // full paths of SKP.exe, in the order they are tried

    // The folder of the first default location, as the download window names it.
    QString defaultFolder() const;
};

CompanionPlatform windowsCompanionPlatform();
// The two locations below the home folder are left out when the home folder is unknown.
CompanionPlatform unixCompanionPlatform(const QString &homeFolder);
CompanionPlatform hostCompanionPlatform(const QString &homeFolder);

struct FileProbe
{
    // The bare name of the file as the file system spells it, or an empty text when there is no such file.
    // Callers compare it with the name they expect, so on a file system that ignores letter case a file
    // named "skp.exe" does not pass for "SKP.exe".
    std::function<QString(const QString &path)> listFile;
    // True when a file exists at the path, by the file system's own rules for letter case.
    std::function<bool(const QString &path)> exists;
    std::function<std::optional<QByteArray>(const QString &path)> readFile;
};

FileProbe realFileProbe();

// The path of the program to start, or std::nullopt when the download window should open instead. The path
// file is looked for in pathFileFolder; a relative folder written in it by hand is taken from there too.
std::optional<QString> FindCompanion(const QString &pathFileFolder, const CompanionPlatform &platform,
                                     const FileProbe &probe);

// What the folder window's path box shows for a folder chosen in the folder list: the folder with one
// separator at its end (a drive root already has one).
QString FolderPathText(const QString &folder, const CompanionPlatform &platform);

// The check behind "Store": the typed folder, trimmed, must hold SKP.exe under exactly that name. Returns the
// line to store, as an absolute folder; a relative or blank entry is taken relative to the application
// folder.
std::optional<QString> CheckInstallationFolder(const QString &typed, const QString &applicationFolder,
                                               const CompanionPlatform &platform, const FileProbe &probe);

} // namespace companion
