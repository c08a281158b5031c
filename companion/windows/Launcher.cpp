#include "companion/windows/Launcher.h"

#include "app/platform/PlatformServices.h"
#include "app/platform/UserFiles.h"
#include "app/shell/WindowManager.h"
#include "shared/AnsiText.h"

#include <QDir>

namespace companion {
namespace {

LauncherSetup &current()
{
    static LauncherSetup setup;
    return setup;
}

// The probe asks platform() at every call, so a platform installed later (a test's recorder) is the one used.
FileProbe platformProbe()
{
    FileProbe probe;
    probe.listFile = [](const QString &path) { return platform().ListFile(path); };
    probe.exists = [](const QString &path) { return platform().FileAttributes(path); };
    probe.readFile = [](const QString &path) { return ansi::readFile(path); };
    return probe;
}

} // namespace

LauncherSetup setLauncherSetup(LauncherSetup setup)
{
    std::swap(current(), setup);
    return setup;
}

CompanionPlatform launcherPlatform()
{
    if (current().locations)
        return current().locations();
    return hostCompanionPlatform(QDir::homePath());
}

FileProbe launcherProbe()
{
    if (current().probe)
        return current().probe();
    return platformProbe();
}

void cmdSKP_Click()
{
    PlatformServices &os = platform();
    const std::optional<QString> program =
        FindCompanion(userfiles::configFolder(), launcherPlatform(), launcherProbe());
    if (!program) {
        windows().OpenPage(Forms::frmDownloadSKP);
        return;
    }
    // The companion runs on its own: nothing waits for it, and a start that fails is not reported.
    if (const std::optional<qint64> task =
            os.StartProgram(*program, {}, PlatformServices::WindowStyle::MinimizedWithFocus))
        os.ActivateTask(*task);
}

} // namespace companion
