#include "app/shell/WindowManager.h"
#include "pages/actionspage/frmActions.h"

void registerActionspageWindows(WindowManager &manager)
{
    manager.registerFactory(QStringLiteral("frmActions"), [] { return std::make_unique<frmActions>(); });
}
