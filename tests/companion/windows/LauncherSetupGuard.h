#pragma once

#include "companion/windows/Launcher.h"

#include <QMap>
#include <QSet>
#include <QStringList>

// Puts a launcher setup in place for one test and restores the previous one afterwards.
class LauncherSetupGuard
{
public:
    explicit LauncherSetupGuard(companion::LauncherSetup setup)
        : m_previous(companion::setLauncherSetup(std::move(setup)))
    {}
    ~LauncherSetupGuard() { companion::setLauncherSetup(std::move(m_previous)); }
    LauncherSetupGuard(const LauncherSetupGuard &) = delete;
    LauncherSetupGuard &operator=(const LauncherSetupGuard &) = delete;

private:
    companion::LauncherSetup m_previous;
};

// A file system of exact names that notes every path looked at, so a test sees the order of the search.
struct LoggingDisk
{
    QMap<QString, QByteArray> files;
    QStringList looked;

    void note(const QString &path)
    {
        if (looked.isEmpty() || looked.last() != path)
            looked << path;
    }

    companion::FileProbe probe()
    {
        companion::FileProbe p;
        p.listFile = [this](const QString &path) -> QString {
            note(path);
            return files.contains(path) ? path.mid(path.lastIndexOf(u'/') + 1) : QString();
        };
        p.exists = [this](const QString &path) {
            note(path);
            return files.contains(path);
        };
        p.readFile = [this](const QString &path) -> std::optional<QByteArray> {
            note(path);
            if (!files.contains(path))
                return std::nullopt;
            return files.value(path);
        };
        return p;
    }
};
