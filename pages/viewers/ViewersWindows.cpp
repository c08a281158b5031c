#include "app/shell/WindowManager.h"
#include "pages/viewers/frmDisclaimer.h"
#include "pages/viewers/frmHistory.h"
#include "pages/viewers/frmSources.h"

void registerViewersWindows(WindowManager &manager)
{
    manager.registerFactory(QStringLiteral("frmDisclaimer"),
                            [] { return std::make_unique<frmDisclaimer>(); });
    manager.registerFactory(QStringLiteral("frmHistory"), [] { return std::make_unique<frmHistory>(); });
    manager.registerFactory(QStringLiteral("frmSources"), [] { return std::make_unique<frmSources>(); });
}
