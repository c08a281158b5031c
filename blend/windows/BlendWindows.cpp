#include "app/shell/WindowManager.h"
#include "blend/windows/AvoidMarks.h"
#include "blend/windows/frmBlend.h"

void registerBlendWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmBlend, [] { return std::make_unique<frmBlend>(); });
    blend::installAvoidMarks(manager);
}
