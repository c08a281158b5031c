#include "app/shell/WindowManager.h"
#include "catalogue/Catalogue.h"
#include "catalogue/frmNotice.h"
#include "catalogue/frmProgramComparison.h"
#include "catalogue/frmProgramsBooks.h"
#include "shared/MakerConfig.h"

void registerCatalogueWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmProgramsBooks, [] { return std::make_unique<frmProgramsBooks>(); });
    manager.registerFactory(Forms::frmProgramComparison,
                            [] { return std::make_unique<frmProgramComparison>(); });
    manager.registerFactory(Forms::frmUpgradeInfo, [] {
        return std::make_unique<frmNotice>(Forms::frmUpgradeInfo, catalogue::current().upgrade,
                                           QStringLiteral("Upgrade Page"), maker::makerConfig().upgradeUrl);
    });
    manager.registerFactory(Forms::frmBonus, [] {
        return std::make_unique<frmNotice>(Forms::frmBonus, catalogue::current().bonus,
                                           QStringLiteral("Visit Our Web Site"),
                                           maker::makerConfig().websiteUrl);
    });
}
