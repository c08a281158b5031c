#include "app/shell/WindowManager.h"
#include "print/frmPrint.h"

void registerPrintWindows(WindowManager &manager)
{
    manager.registerFactory(QStringLiteral("frmPrint"), [] { return std::make_unique<frmPrint>(); });
}
