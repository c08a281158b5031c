#include "app/platform/PlatformServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

std::unique_ptr<PlatformServices> &current()
{
    static std::unique_ptr<PlatformServices> services = std::make_unique<DesktopPlatformServices>();
    return services;
}

QUrl urlFor(const QString &target)
{
    const QUrl url(target);
    if (url.isValid() && url.scheme().size() > 1)
        return url; // http:, https:, mailto:, file:
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

} // namespace

PlatformServices &platform()
{
    return *current();
}

std::unique_ptr<PlatformServices> setPlatform(std::unique_ptr<PlatformServices> services)
{
    Q_ASSERT(services);
    std::swap(current(), services);
    return services;
}

void DesktopPlatformServices::ShellOpen(QWidget *, const QString &, const QString &target)
{
    // The desktop's opener chooses the program for the verb "Open" and for the default verb alike.
    QDesktopServices::openUrl(urlFor(target));
}

std::optional<qint64> DesktopPlatformServices::StartProgram(const QString &program,
                                                            const QStringList &arguments, WindowStyle)
{
    // Desktops on this platform decide the first window state themselves; the request is best effort.
    qint64 pid = 0;
    if (!QProcess::startDetached(program, arguments, QString(), &pid))
        return std::nullopt;
    return pid;
}

void DesktopPlatformServices::ActivateTask(qint64)
{
    // A newly started program receives the focus from the window manager; nothing more can be asked portably.
}

QString DesktopPlatformServices::ProgramFilePath() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

QString DesktopPlatformServices::ListFile(const QString &path) const
{
    const QFileInfo info(path);
    const QDir dir = info.dir();
    if (!dir.exists())
        return {};
    const QString wanted = info.fileName();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name == wanted)
            return name;
    }
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

bool DesktopPlatformServices::FileAttributes(const QString &path) const
{
    return QFileInfo::exists(path);
}

bool DesktopPlatformServices::SetCurrentFolder(const QString &folder)
{
    return QDir::setCurrent(folder);
}

QString DesktopPlatformServices::CurrentFolder() const
{
    return QDir::currentPath();
}

QString DesktopPlatformServices::ApplicationFolder() const
{
    return QCoreApplication::applicationDirPath();
}
