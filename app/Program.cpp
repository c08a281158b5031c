#include "app/Program.h"

#include "app/menu/frmMenu.h"
#include "app/platform/UserFiles.h"
#include "app/shell/DatabankLauncher.h"
#include "app/shell/IndicationsOfOil.h"
#include "app/shell/MessageBox.h"
#include "app/shell/WindowManager.h"
#include "companion/windows/Launcher.h"
#include "indications/logic/OilIndications.h"
#include "indications/windows/frmIndications.h"

#include <QString>

// Each feature folder provides one registration function; app/Program.cmake lists them all.
#include "app/ProgramFeatures.h"

namespace {

// The oil pages list the indications that name an oil from the user's database, as the indications page
// edits it; the pages know nothing of that page, so the program joins the two here.
QList<Place> indicationsNamingOil(const QString &form, const QString &row)
{
    if (auto *open = windows().find<frmIndications>(Forms::frmIndications))
        open->writePending(); // an edit still in its boxes counts as well
    QString error;
    const std::optional<QStringList> names =
        indications::indicationsNaming({form, row}, userfiles::indicationsDatabase(), &error);
    if (!names) {
        messagebox::show(nullptr, error);
        return {};
    }
    QList<Place> places;
    for (const QString &name : *names)
        places.append({Forms::frmIndications.name(), name});
    return places;
}

} // namespace

void registerProgramWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmMenu, [] { return std::make_unique<frmMenu>(); });
    registerFeatureWindows(manager);
    indicationsofoil::setProvider(&indicationsNamingOil);
    // The menu's "Databank" button runs the companion's launcher; neither folder names the other.
    databanklauncher::setLauncher(&companion::cmdSKP_Click);
}

void startProgram(WindowManager &manager)
{
    // The user would otherwise learn only from the indications page that their database is missing.
    if (const std::optional<QString> failure = userfiles::provideIndicationsDatabase())
        messagebox::show(nullptr, *failure);
    manager.OpenPage(Forms::frmMenu);
}
