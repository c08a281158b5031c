#include "app/shell/WindowManager.h"
#include "catalogue/Catalogue.h"
#include "catalogue/frmNotice.h"
#include "catalogue/frmProgramComparison.h"
#include "catalogue/frmProgramsBooks.h"
#include "shared/MakerConfig.h"

void registerCatalogueWindows(WindowManager &manager)
{
    manager.registerFactory(QStringLiteral("frmProgramsBooks"),
                            [] { return std::make_unique<frmProgramsBooks>(); });
    manager.registerFactory(QStringLiteral("frmProgramComparison"),
                            [] { return std::make_unique<frmProgramComparison>(); });
    manager.registerFactory(QStringLiteral("frmUpgradeInfo"), [] {
        return std::make_unique<frmNotice>(QStringLiteral("frmUpgradeInfo"), catalogue::current().upgrade,
                                           QStringLiteral("Upgrade Page"), maker::makerConfig().upgradeUrl);
    });
    manager.registerFactory(QStringLiteral("frmBonus"), [] {
        return std::make_unique<frmNotice>(QStringLiteral("frmBonus"), catalogue::current().bonus,
                                           QStringLiteral("Visit Our Web Site"),
                                           maker::makerConfig().websiteUrl);
    });
}
