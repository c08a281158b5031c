#include "app/shell/WindowCatalog.h"
#include "app/shell/WindowManager.h"
#include "content/ContentSet.h"
#include "pages/reference/BaseOilsPage.h"
#include "pages/reference/EssentialOilsPage.h"
#include "pages/reference/TextPage.h"
#include "pages/reference/frmAbout.h"
#include "pages/reference/frmAntioxidants.h"
#include "pages/reference/frmReflexology.h"

#include <QJsonArray>
#include <QJsonObject>

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
    const QJsonObject book = content::json(QStringLiteral("reference/baseoils.json")).object();
    for (const QJsonValue &page : book.value(QLatin1String("pages")).toArray()) {
        const QJsonObject entry = page.toObject();
        manager.registerFactory(entry.value(QLatin1String("form")).toString(),
                                [book, entry] { return std::make_unique<BaseOilsPage>(book, entry); });
    }
}

void registerTextPages(WindowManager &manager)
{
    const QJsonArray safety = content::json(QStringLiteral("reference/safety.json"))
                                  .object()
                                  .value(QLatin1String("pages"))
                                  .toArray();
    for (const QJsonValue &page : safety) {
        const QJsonObject entry = page.toObject();
        manager.registerFactory(entry.value(QLatin1String("form")).toString(),
                                [entry] { return std::make_unique<TextPage>(entry); });
    }

    const QJsonObject information = content::json(QStringLiteral("reference/information.json")).object();
    // The page's own buttons stand where the catalogue places them; the text flows around them.
    const QColor lightYellow(255, 255, 192);
    QMap<QString, TextPage::ButtonPlace> places;
    if (const WindowSpec *spec = findWindowSpec(QStringLiteral("frmInformation")))
        for (const WindowButton &button : spec->buttons)
            if (button.action != ButtonAction::ClosePage)
                places.insert(button.name, {button.twips, lightYellow});
    manager.registerFactory(QStringLiteral("frmInformation"), [information, places] {
        return std::make_unique<TextPage>(information, places);
    });
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
