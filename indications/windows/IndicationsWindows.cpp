#include "app/shell/WindowManager.h"
#include "indications/windows/frmIndications.h"

void registerIndicationsWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmIndications, [] { return std::make_unique<frmIndications>(); });
}
