#include "app/shell/WindowManager.h"
#include "pages/bach/frmBachFlowers.h"

void registerBachWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmBachFlowers, [] { return std::make_unique<frmBachFlowers>(); });
}
