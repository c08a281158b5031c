#include "app/shell/WindowManager.h"
#include "pages/viewers/frmDisclaimer.h"
#include "pages/viewers/frmHistory.h"
#include "pages/viewers/frmSources.h"

void registerViewersWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmDisclaimer, [] { return std::make_unique<frmDisclaimer>(); });
    manager.registerFactory(Forms::frmHistory, [] { return std::make_unique<frmHistory>(); });
    manager.registerFactory(Forms::frmSources, [] { return std::make_unique<frmSources>(); });
}
