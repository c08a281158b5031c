#include "app/settings/RemovalPanel.h"

#include <QStandardPaths>

std::optional<RemovalPanel> removalPanel()
{
#ifdef Q_OS_WIN
    return RemovalPanel{QStringLiteral("rundll32.exe"),
                        {QStringLiteral("shell32.dll,Control_RunDLL"), QStringLiteral("appwiz.cpl,,1")},
                        PlatformServices::WindowStyle::MinimizedWithFocus};
#else
    // The software managers of the common desktops, the one that opens on its list of installed programs
    // first. They are started in the normal state: a minimised manager would hide the list the user asked
    // for.
    struct Candidate
    {
        const char *program;
        QStringList arguments;
    };
    const Candidate candidates[] = {{"gnome-software", {QStringLiteral("--mode=installed")}},
                                    {"plasma-discover", {}},
                                    {"snap-store", {}},
                                    {"pamac-manager", {}},
                                    {"mintinstall", {}}};
    for (const Candidate &candidate : candidates) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(candidate.program));
        if (!path.isEmpty())
            return RemovalPanel{path, candidate.arguments, PlatformServices::WindowStyle::Normal};
    }
    return std::nullopt;
#endif
}
