#include "app/shell/WindowManager.h"
#include "print/frmPrint.h"

void registerPrintWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmPrint, [] { return std::make_unique<frmPrint>(); });
}
