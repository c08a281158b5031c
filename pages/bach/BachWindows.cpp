#include "app/shell/WindowManager.h"
#include "pages/bach/frmBachFlowers.h"

void registerBachWindows(WindowManager &manager)
{
    manager.registerFactory(QStringLiteral("frmBachFlowers"),
                            [] { return std::make_unique<frmBachFlowers>(); });
}
