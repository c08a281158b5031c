#include "app/settings/frmResize.h"
#include "app/settings/frmSettings.h"
#include "app/shell/WindowManager.h"

void registerSettingsWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmSettings, [] { return std::make_unique<frmSettings>(); });
    manager.registerFactory(Forms::frmResize, [] { return std::make_unique<frmResize>(); });
}
