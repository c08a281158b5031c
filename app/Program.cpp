#include "app/Program.h"

#include "app/menu/frmMenu.h"
#include "app/platform/UserFiles.h"
#include "app/shell/MessageBox.h"
#include "app/shell/WindowManager.h"

#include <QString>

// Each feature folder provides one registration function; app/Program.cmake lists them all.
#include "app/ProgramFeatures.h"

void registerProgramWindows(WindowManager &manager)
{
    manager.registerFactory(QStringLiteral("frmMenu"), [] { return std::make_unique<frmMenu>(); });
    registerFeatureWindows(manager);
}

void startProgram(WindowManager &manager)
{
    // The user would otherwise learn only from the indications page that their database is missing.
    if (const std::optional<QString> failure = userfiles::provideIndicationsDatabase())
        messagebox::show(nullptr, *failure);
    manager.OpenPage(QStringLiteral("frmMenu"));
}
