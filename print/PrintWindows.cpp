#include "app/shell/WindowManager.h"
#include "print/frmPrint.h"

void registerPrintWindows(WindowManager &manager)
{
    manager.registerFactory(PrintWindowName, [] { return std::make_unique<frmPrint>(); });
}
