#include "app/shell/AppWindow.h"
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

// A content file names the window that shows each of its pages. A name the catalogue does not know leaves its
// page without a window, and the catalogue's own test names the form that has no factory.
void registerContentPage(WindowManager &manager, const QString &name,
                         const std::function<std::unique_ptr<AppWindow>(FormId)> &make)
{
    const std::optional<FormId> form = formNamed(name);
    if (!form) {
        qCritical("content names a window the program does not have: \"%s\"", qPrintable(name));
        return;
    }
    manager.registerFactory(*form, [form = *form, make] { return make(form); });
}

void registerOilPages(WindowManager &manager)
{
    const content::OilBook &book = content::oilBook();
    for (const content::OilPage &page : book.pages) {
        registerContentPage(manager, page.form, [&page, &book](FormId form) {
            return std::make_unique<EssentialOilsPage>(form, page, book.rowBackgrounds);
        });
    }
}

void registerBaseOilPages(WindowManager &manager)
{
    const content::BaseOilBook &book = content::baseOilBook();
    for (const content::BaseOilBook::Page &page : book.pages)
        registerContentPage(manager, page.form, [&book, &page](FormId form) {
            return std::make_unique<BaseOilsPage>(form, book, page);
        });
}

void registerTextPages(WindowManager &manager)
{
    for (const content::TextPageContent &page : content::safetyPages())
        registerContentPage(manager, page.form,
                            [&page](FormId form) { return std::make_unique<TextPage>(form, page); });

    const content::TextPageContent &information = content::informationPage();
    // The page's own buttons stand where the catalogue places them; the text flows around them.
    const QColor lightYellow(255, 255, 192);
    QMap<QString, TextPage::ButtonPlace> places;
    if (const WindowSpec *spec = findWindowSpec(Forms::frmInformation))
        for (const WindowButton &button : spec->buttons)
            if (button.action != ButtonAction::ClosePage)
                places.insert(button.name, {button.twips, lightYellow});
    registerContentPage(manager, information.form, [&information, places](FormId form) {
        return std::make_unique<TextPage>(form, information, places);
    });
}

} // namespace

void registerReferenceWindows(WindowManager &manager)
{
    // The content files are read when one of their windows is first asked for, not on the way to the menu.
    manager.registerWhenNeeded([](WindowManager &later) {
        registerOilPages(later);
        registerBaseOilPages(later);
        registerTextPages(later);
    });
    manager.registerFactory(Forms::frmAntioxidants, [] { return std::make_unique<frmAntioxidants>(); });
    manager.registerFactory(Forms::frmReflexology, [] { return std::make_unique<frmReflexology>(); });
    manager.registerFactory(Forms::frmAbout, [] { return std::make_unique<frmAbout>(); });
}
