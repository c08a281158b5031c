#include "app/shell/WindowManager.h"
#include "companion/windows/frmDownloadSKP.h"
#include "companion/windows/frmPath.h"

void registerCompanionWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmDownloadSKP, [] { return std::make_unique<frmDownloadSKP>(); });
    manager.registerFactory(Forms::frmPath, [] { return std::make_unique<frmPath>(); });
}
