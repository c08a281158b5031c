#include "app/settings/frmResize.h"
#include "app/settings/frmSettings.h"
#include "app/shell/WindowManager.h"

void registerSettingsWindows(WindowManager &manager)
{
    manager.registerFactory(QStringLiteral("frmSettings"), [] { return std::make_unique<frmSettings>(); });
    manager.registerFactory(QStringLiteral("frmResize"), [] { return std::make_unique<frmResize>(); });
}
