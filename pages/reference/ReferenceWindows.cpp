#include "app/shell/WindowCatalog.h"
#include "app/shell/WindowManager.h"
#include "content/ContentSet.h"
#include "pages/reference/BaseOilsPage.h"
#include "pages/reference/EssentialOilsPage.h"
#include "pages/reference/TextPage.h"
#include "pages/reference/frmAbout.h"
#include "pages/reference/frmAntioxidants.h"
#include "pages/reference/frmReflexology.h"

namespace {

void registerOilPages(WindowManager &manager)
{
    const content::OilBook &book = content::oilBook();
    for (const content::OilPage &page : book.pages) {
        manager.registerFactory(page.form, [&page, &book] {
            return std::make_unique<EssentialOilsPage>(page, book.rowBackgrounds);
        });
    }
}

void registerBaseOilPages(WindowManager &manager)
{
    const content::BaseOilBook &book = content::baseOilBook();
    for (const content::BaseOilBook::Page &page : book.pages)
        manager.registerFactory(page.form,
                                [&book, &page] { return std::make_unique<BaseOilsPage>(book, page); });
}

void registerTextPages(WindowManager &manager)
{
    for (const content::TextPageContent &page : content::safetyPages())
        manager.registerFactory(page.form, [&page] { return std::make_unique<TextPage>(page); });

    const content::TextPageContent &information = content::informationPage();
    // The page's own buttons stand where the catalogue places them; the text flows around them.
    const QColor lightYellow(255, 255, 192);
    QMap<QString, TextPage::ButtonPlace> places;
    if (const WindowSpec *spec = findWindowSpec(QStringLiteral("frmInformation")))
        for (const WindowButton &button : spec->buttons)
            if (button.action != ButtonAction::ClosePage)
                places.insert(button.name, {button.twips, lightYellow});
    manager.registerFactory(
        information.form, [&information, places] { return std::make_unique<TextPage>(information, places); });
}

} // namespace

void registerReferenceWindows(WindowManager &manager)
{
    registerOilPages(manager);
    registerBaseOilPages(manager);
    registerTextPages(manager);
    manager.registerFactory(QStringLiteral("frmAntioxidants"),
                            [] { return std::make_unique<frmAntioxidants>(); });
    manager.registerFactory(QStringLiteral("frmReflexology"),
                            [] { return std::make_unique<frmReflexology>(); });
    manager.registerFactory(QStringLiteral("frmAbout"), [] { return std::make_unique<frmAbout>(); });
}
