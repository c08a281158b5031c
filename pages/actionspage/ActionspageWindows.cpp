#include "app/shell/WindowManager.h"
#include "pages/actionspage/frmActions.h"

void registerActionspageWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmActions, [] { return std::make_unique<frmActions>(); });
}
