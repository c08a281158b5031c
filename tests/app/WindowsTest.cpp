#include "ShellFixture.h"
#include "app/menu/frmMenu.h"
#include "app/richtext/InvisibleRichTextBox.h"
#include "app/shell/AppWindow.h"
#include "app/shell/MessageBox.h"
#include "app/shell/Twips.h"
#include "app/shell/WindowCatalog.h"
#include "shared/Place.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>

namespace {

FormId oilPage(int n)
{
    return Forms::essentialOilsPages[n - 1];
}

void click(AppWindow *window, const QString &button)
{
    auto *b = window->findChild<QPushButton *>(button);
    QVERIFY2(b, qPrintable(window->formName().name() + QLatin1Char('.') + button));
    b->click();
}

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

    // Opens the menu with a given screen-mode text, as if read from the file.
    frmMenu *openMenu(const QString &mode)
    {
        auto *menu = qobject_cast<frmMenu *>(windows().OpenPage(Forms::frmMenu));
        menu->rtfScreen()->setText(mode);
        return menu;
    }

private slots:
    // A box with a two-word text is still wide enough for its title and the title bar's buttons.
    void aShortMessageBoxKeepsItsTitleWhole()
    {
        auto box = messagebox::build(nullptr, QStringLiteral("Numbers only"));
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QFontMetrics title(box->font());
        QVERIFY2(box->width() >= title.horizontalAdvance(QStringLiteral("Ambrelis")) + 8 * title.height(),
                 qPrintable(QString::number(box->width())));
        QCOMPARE(box->windowTitle(), QStringLiteral("Ambrelis"));
        QCOMPARE(box->text(), QStringLiteral("Numbers only"));
    }

    // Pages without a resizer keep their design places inside a design-size area centred in a larger window.
    void pagesWithoutResizerCentreTheirDesignArea_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("control");
        QTest::newRow("actions") << Forms::frmActions << "cmdPrintActions";
        QTest::newRow("catalogue") << Forms::frmProgramsBooks << "cmdClose";
    }
    void pagesWithoutResizerCentreTheirDesignArea()
    {
        QFETCH(FormId, form);
        QFETCH(QString, control);
        ShellFixture shell;
        AppWindow *page = windows().OpenPage(form);
        auto *widget = page->findChild<QWidget *>(control);
        QVERIFY2(widget, qPrintable(control));
        page->showNormal();
        page->resize(twips::PageClient);
        QCoreApplication::processEvents();
        const auto place = [&] { return widget->mapTo(page, QPoint(0, 0)); };
        const QPoint design = place();

        page->resize(1920, 1040);
        QCoreApplication::processEvents();
        QCOMPARE(place(), design + QPoint((1920 - 792) / 2, (1040 - 534) / 2));
        page->resize(twips::PageClient);
        QCoreApplication::processEvents();
        QCOMPARE(place(), design);
    }

    // Each window has a factory and each factory a window: a form the catalogue forgot, or one no feature
    // builds, would open nothing or an empty frame.
    void everyCatalogueEntryHasItsFactory()
    {
        ShellFixture shell;
        QList<FormId> catalogued;
        for (const WindowSpec &spec : windowCatalog())
            catalogued << spec.name;
        std::sort(catalogued.begin(), catalogued.end());
        QVERIFY(std::adjacent_find(catalogued.begin(), catalogued.end()) == catalogued.end());
        const QList<FormId> registered = windows().registeredForms();
        for (const FormId form : catalogued)
            QVERIFY2(registered.contains(form), qPrintable(form.name() + QStringLiteral(": no factory")));
        for (const FormId form : registered)
            QVERIFY2(catalogued.contains(form),
                     qPrintable(form.name() + QStringLiteral(": not in the catalogue")));
        for (const FormId form : Forms::essentialOilsPages)
            QVERIFY2(catalogued.contains(form), qPrintable(form.name()));
    }

    // Windows named by content files are registered when one of them is first asked for, once; the menu and
    // the other windows with factories of their own open without it.
    void contentWindowsAreRegisteredWhenFirstAskedFor()
    {
        ShellFixture shell;
        int runs = 0;
        windows().registerWhenNeeded([&runs](WindowManager &) { ++runs; });
        QVERIFY(windows().OpenPage(Forms::frmMenu));
        QVERIFY(windows().OpenPage(Forms::frmAbout));
        QCOMPARE(runs, 0);
        AppWindow *page = windows().OpenPage(Forms::essentialOilsPages[0]);
        QCOMPARE(runs, 1);
        QVERIFY(page);
        QVERIFY2(page->metaObject() != &AppWindow::staticMetaObject, "an oil page opened as an empty frame");
        QVERIFY(windows().OpenPage(Forms::frmSafety2));
        QVERIFY(windows().registeredForms().contains(Forms::frmInformation));
        QCOMPARE(runs, 1);
    }

    // Names that arrive as text (places, content files) find their form; others find none.
    void formsAreFoundByTheirNames()
    {
        for (const WindowSpec &spec : windowCatalog())
            QVERIFY2(formNamed(spec.name.name()) == spec.name, qPrintable(spec.name.name()));
        QVERIFY(!formNamed(QStringLiteral("frmSuport")));
        QVERIFY(!formNamed(QString()));
        QCOMPARE(Forms::essentialOilsPageNumber(Forms::frmEssentialOils91), 10);
        QCOMPARE(Forms::essentialOilsPageNumber(Forms::frmSafety), 0);
    }

    // A place whose text names no window opens nothing, instead of an empty frame.
    void aPlaceNamingNoWindowOpensNothing()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        QVERIFY(!windows().OpenPlace(Place::fromText(QStringLiteral("frmSuport#Name"))));
        QCOMPARE(windows().openWindows(), QList<FormId>{Forms::frmMenu});
    }

    // The caption and, for dialogs, the client size each window shows once loaded, wherever the fact is kept
    // (the catalogue, the window's .ui file or its own texts).
    void everyWindowOpensWithItsCaptionAndSize_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("dialogSize"); // empty for pages
        const QString title = programtitle::Title;
        const auto page = [](FormId form, const QString &caption) {
            QTest::newRow(qPrintable(form.name())) << form << caption << QSize();
        };
        const auto dialog = [](FormId form, const QString &caption, QSize size) {
            QTest::newRow(qPrintable(form.name())) << form << caption << size;
        };
        page(Forms::frmEssentialOils1, title);
        for (int n = 2; n <= 15; ++n)
            page(Forms::essentialOilsPages[n - 1], QStringLiteral("Essential Oils %1/15").arg(n));
        page(Forms::frmBaseOils, title);
        page(Forms::frmBaseOils2, QStringLiteral("Base Oils  2/2"));
        page(Forms::frmSafety, QStringLiteral("Safety Rules 1/3"));
        page(Forms::frmSafety2, QStringLiteral("Safety Rules 2/3"));
        page(Forms::frmSafety3, QStringLiteral("Safety Rules 3/3"));
        page(Forms::frmInformation, QStringLiteral("Basic Information"));
        page(Forms::frmAntioxidants, QStringLiteral("Essential Oil Antioxidants"));
        page(Forms::frmReflexology, QStringLiteral("Reflexology: Chart for Feet"));
        page(Forms::frmIndications, title);
        page(Forms::frmActions, title);
        page(Forms::frmBachFlowers, QStringLiteral("Bach Flower Remedies"));
        page(Forms::frmProgramsBooks, QStringLiteral("Varnholt Publishing: Programs and Books"));
        dialog(Forms::frmAbout, QStringLiteral("AboutBox"), {407, 328});
        dialog(Forms::frmDisclaimer, QStringLiteral("Disclaimer /  Licence Agreement"), {634, 375});
        dialog(Forms::frmHistory, QStringLiteral("History of Changes"), {405, 326});
        dialog(Forms::frmSources, QStringLiteral("Sources"), {465, 393});
        dialog(Forms::frmSettings, QStringLiteral("Settings"), {447, 238});
        dialog(Forms::frmResize, QStringLiteral("Resize"), {254, 121});
        dialog(Forms::frmPrint, QStringLiteral("Print Preview"), {528, 414});
        dialog(Forms::frmFind, QStringLiteral("Find"), {560, 440});
        dialog(Forms::frmBlend, QStringLiteral("Blend Calculator"), {780, 560});
        dialog(Forms::frmSupport, QStringLiteral("Support Form"), {634, 395});
        dialog(Forms::frmSecureOrder, QStringLiteral("Secure Order Form."), {632, 393});
        dialog(Forms::frmFax, QStringLiteral("Mail Order Form"), {632, 393});
        dialog(Forms::frmReviewInfo, QStringLiteral("Review Information"), {632, 393});
        dialog(Forms::frmReviewFax, QStringLiteral("Review Mail Information"), {632, 393});
        dialog(Forms::frmOrderRegInfo, QStringLiteral("Ordering and Registration"), {447, 305});
        dialog(Forms::frmOrder, QStringLiteral("Ordering Information for Ambrelis Software Program"),
               {632, 393});
        dialog(Forms::frmPriceList,
               QStringLiteral("Alternative Medicine Software Price List by Varnholt Publishing"), {456, 393});
        dialog(Forms::frmDownloadSKP, QStringLiteral("Download Stowkeep"), {632, 393});
        dialog(Forms::frmPath, QStringLiteral("Application Path"), {456, 393});
        dialog(Forms::frmProgramComparison, QStringLiteral("Program Comparison"), {640, 420});
        dialog(Forms::frmUpgradeInfo, QStringLiteral("Upgrade Information"), {450, 300});
        dialog(Forms::frmBonus, QStringLiteral("Bonus Offer"), {450, 300});
    }
    void everyWindowOpensWithItsCaptionAndSize()
    {
        QFETCH(FormId, form);
        QFETCH(QString, caption);
        QFETCH(QSize, dialogSize);
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        AppWindow *w = windows().OpenPage(form);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), caption);
        if (dialogSize.isValid()) {
            // A menu bar comes on top of the design's client area.
            if (const auto *bar = w->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly))
                dialogSize.rheight() += bar->height();
            QCOMPARE(w->size(), dialogSize);
            QCOMPARE(w->minimumSize(), dialogSize);
            QCOMPARE(w->maximumSize(), dialogSize);
        }
        windows().ClosePage(form);
        QVERIFY(!windows().find(form));
    }

    void pagesFollowTheScreenMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("0") << "0" << false;
        QTest::newRow("2") << "2" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("letters") << "xyz" << true;
        QTest::newRow("empty") << "" << true;
    }
    void pagesFollowTheScreenMode()
    {
        QFETCH(QString, mode);
        QFETCH(bool, maximised);
        ShellFixture shell;
        openMenu(mode);
        for (const FormId name :
             {Forms::frmEssentialOils3, Forms::frmSafety2, Forms::frmIndications, Forms::frmBachFlowers}) {
            AppWindow *page = windows().OpenPage(name);
            QCOMPARE(page->isMaximized(), maximised);
            if (!maximised) {
                QCOMPARE(page->size(), QSize(792, 534));
                const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
                QCOMPARE(page->pos(), screen.center() - QPoint(400, 284));
            }
        }
        // The actions page ignores the screen mode.
        QVERIFY(windows().OpenPage(Forms::frmActions)->isMaximized());
    }

    void dialogsKeepTheirDesignSize()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        AppWindow *about = windows().OpenPage(Forms::frmAbout);
        QVERIFY(!about->isMaximized());
        QCOMPARE(about->size(), QSize(407, 328));
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void downloadWindowOpensOnTheMenu_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::newRow("menu where it opened") << "as placed";
        QTest::newRow("menu near the screen's corner") << "in the corner";
        QTest::newRow("menu hidden") << "hidden";
    }
    void downloadWindowOpensOnTheMenu()
    {
        QFETCH(QString, menu);
        ShellFixture shell;
        frmMenu *owner = openMenu(QStringLiteral("0"));
        const QRect area = owner->screen()->availableGeometry();
        if (menu == QLatin1String("in the corner"))
            owner->move(area.right() - 100, area.bottom() - 100);
        if (menu == QLatin1String("hidden"))
            owner->hide();
        AppWindow *download = windows().OpenPage(Forms::frmDownloadSKP);
        // The window is placed before the platform knows its frame, so it may sit off by the frame's width.
        const QRect placed = download->frameGeometry();
        const QSize frame = placed.size() - download->size();
        const int slack = frame.width() + frame.height();
        if (menu == QLatin1String("as placed")) {
            QVERIFY(owner->frameGeometry().center() != area.center());
            QVERIFY((placed.center() - owner->frameGeometry().center()).manhattanLength() <= slack);
        } else if (menu == QLatin1String("in the corner")) {
            // As close to the menu's centre as the screen allows.
            QVERIFY((placed.bottomRight() - area.bottomRight()).manhattanLength() <= slack);
        } else {
            QVERIFY((placed.center() - area.center()).manhattanLength() <= slack);
        }
    }

    void openingAnOpenWindowKeepsIt()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("0"));
        AppWindow *first = windows().OpenPage(Forms::frmEssentialOils5);
        first->resize(700, 500);
        first->setWindowTitle(QStringLiteral("changed by the user"));
        AppWindow *second = windows().OpenPage(Forms::frmEssentialOils5);
        QCOMPARE(second, first);
        QCOMPARE(second->size(), QSize(700, 500));
        QCOMPARE(second->windowTitle(), QStringLiteral("changed by the user"));
        QCOMPARE(windows().openWindows().count(Forms::frmEssentialOils5), 1);
    }

    void placesReadBackFromTheirText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("spot");
        QTest::newRow("window only") << Forms::frmSafety.name() << Forms::frmSafety << "";
        QTest::newRow("oil row") << Forms::frmEssentialOils5.name() + QStringLiteral("#Lavender")
                                 << Forms::frmEssentialOils5 << "Lavender";
        QTest::newRow("spot holding a hash")
            << Forms::frmIndications.name() + QStringLiteral("#Sore throat #2") << Forms::frmIndications
            << "Sore throat #2";
    }

    void placesReadBackFromTheirText()
    {
        QFETCH(QString, text);
        QFETCH(FormId, form);
        QFETCH(QString, spot);
        const Place place = Place::fromText(text);
        QCOMPARE(place, (Place{form.name(), spot}));
        QCOMPARE(place.toText(), text);
    }

    // A spot the window does not know is reported, and the window is still open as it was.
    void openingAPlaceAsksTheWindowForItsSpot()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("0"));
        AppWindow *window = windows().OpenPlace({Forms::frmSafety.name(), {}});
        QVERIFY(window);
        QCOMPARE(window, windows().find(Forms::frmSafety));
        QVERIFY(!windows().OpenPlace({Forms::frmSafety.name(), QStringLiteral("no such spot")}));
        QCOMPARE(windows().find(Forms::frmSafety), window);
    }

    void closedWindowOpensAfresh()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        AppWindow *first = windows().OpenPage(Forms::frmSafety);
        first->setWindowTitle(QStringLiteral("edited"));
        first->close(); // the close box
        QVERIFY(!windows().find(Forms::frmSafety));
        AppWindow *again = windows().OpenPage(Forms::frmSafety);
        QCOMPARE(again->windowTitle(), QStringLiteral("Safety Rules 1/3"));
    }

    void screenModeChangeAffectsOnlyLaterPages()
    {
        ShellFixture shell;
        frmMenu *menu = openMenu(QStringLiteral("2"));
        AppWindow *open = windows().OpenPage(Forms::frmEssentialOils1);
        menu->rtfScreen()->setText(QStringLiteral("0"));
        QVERIFY(open->isMaximized());
        QVERIFY(!windows().OpenPage(Forms::frmEssentialOils2)->isMaximized());
    }

    void handOverShowsTheTargetBeforeClosingTheCurrentPage()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        AppWindow *page3 = windows().OpenPage(Forms::frmEssentialOils3);
        QStringList events;
        connect(&windows(), &WindowManager::windowOpened, this,
                [&](FormId form) { events << "open " + form.name(); });
        connect(&windows(), &WindowManager::windowClosed, this,
                [&](FormId form) { events << "close " + form.name(); });
        click(page3, QStringLiteral("Command1"));
        QCOMPARE(events, QStringList({"open " + Forms::frmEssentialOils4.name(),
                                      "close " + Forms::frmEssentialOils3.name()}));
    }

    void handOverToAnOpenPageLeavesOneWindow()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        AppWindow *page3 = windows().OpenPage(Forms::frmEssentialOils3);
        AppWindow *page4 = windows().OpenPage(Forms::frmEssentialOils4);
        click(page3, QStringLiteral("Command1"));
        QCOMPARE(windows().find(Forms::frmEssentialOils4), page4);
        QVERIFY(!windows().find(Forms::frmEssentialOils3));
    }

    void chains_data()
    {
        QTest::addColumn<QList<FormId>>("chain");
        QList<FormId> oils;
        for (int n = 1; n <= 15; ++n)
            oils << oilPage(n);
        QTest::newRow("essential oils") << oils;
        QTest::newRow("base oils") << QList<FormId>{Forms::frmBaseOils, Forms::frmBaseOils2};
        QTest::newRow("safety") << QList<FormId>{Forms::frmSafety, Forms::frmSafety2, Forms::frmSafety3};
    }
    void chains()
    {
        QFETCH(QList<FormId>, chain);
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        // Forwards with ">" to the last page, which has no ">" ...
        AppWindow *page = windows().OpenPage(chain.first());
        const auto first = page->findChildren<QPushButton *>();
        QVERIFY(std::none_of(first.begin(), first.end(), [](QPushButton *b) { return b->text() == "<"; }));
        for (int i = 1; i < chain.size(); ++i) {
            auto buttons = page->findChildren<QPushButton *>();
            auto next =
                std::find_if(buttons.begin(), buttons.end(), [](QPushButton *b) { return b->text() == ">"; });
            QVERIFY2(next != buttons.end(), qPrintable(page->formName().name()));
            (*next)->click();
            page = windows().find(chain[i]);
            QVERIFY2(page, qPrintable(chain[i].name()));
            QList<FormId> open = windows().openWindows();
            open.removeAll(Forms::frmMenu);
            QCOMPARE(open, QList<FormId>{chain[i]});
        }
        const auto last = page->findChildren<QPushButton *>();
        QVERIFY(std::none_of(last.begin(), last.end(), [](QPushButton *b) { return b->text() == ">"; }));
        // ... backwards with "<" to the first page ...
        for (int i = chain.size() - 2; i >= 0; --i) {
            auto buttons = page->findChildren<QPushButton *>();
            auto back =
                std::find_if(buttons.begin(), buttons.end(), [](QPushButton *b) { return b->text() == "<"; });
            QVERIFY2(back != buttons.end(), qPrintable(page->formName().name()));
            (*back)->click();
            page = windows().find(chain[i]);
            QVERIFY(page);
        }
        // ... and "Close" on the last page only.
        for (const FormId name : chain) {
            AppWindow *w = windows().OpenPage(name);
            const auto buttons = w->findChildren<QPushButton *>();
            const bool hasClose = std::any_of(buttons.begin(), buttons.end(),
                                              [](QPushButton *b) { return b->text() == "Close"; });
            QCOMPARE(hasClose, name == chain.last());
        }
        click(windows().find(chain.last()), QStringLiteral("cmdClose"));
        QVERIFY(!windows().find(chain.last()));
    }

    // Every chain and close button the catalogue lists sits once in its window, with the caption and at the
    // place the catalogue gives: a button the catalogue has to add to a window lands where the page has it.
    void catalogButtonsAreTheWindowsOwn()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("0"));
        for (const WindowSpec &spec : windowCatalog()) {
            if (spec.buttons.empty())
                continue;
            AppWindow *w = windows().OpenPage(spec.name);
            for (const WindowButton &def : spec.buttons) {
                const QString where = spec.name.name() + QLatin1Char('.') + def.name;
                const auto named = w->findChildren<QPushButton *>(def.name);
                QVERIFY2(named.size() == 1, qPrintable(where));
                QCOMPARE(named.first()->text(), def.caption);
                QVERIFY2(named.first()->geometry() ==
                             twips::rect(def.twips.x(), def.twips.y(), def.twips.width(), def.twips.height()),
                         qPrintable(where + QStringLiteral(" at ") +
                                    QString::number(named.first()->x() * 15) + QLatin1Char(',') +
                                    QString::number(named.first()->y() * 15) + QLatin1Char(' ') +
                                    QString::number(named.first()->width() * 15) + QLatin1Char('x') +
                                    QString::number(named.first()->height() * 15)));
            }
            windows().ClosePage(spec.name);
        }
    }

    void otherWindowButtons_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<FormId>>("openAfter");
        QTest::newRow("information: safety first")
            << Forms::frmInformation << "cmdSafety" << QList<FormId>{Forms::frmSafety};
        QTest::newRow("information: foot chart")
            << Forms::frmInformation << "cmdFootChart"
            << QList<FormId>{Forms::frmInformation, Forms::frmReflexology};
        QTest::newRow("information: close") << Forms::frmInformation << "cmdClose" << QList<FormId>{};
        QTest::newRow("antioxidants: close") << Forms::frmAntioxidants << "cmdClose" << QList<FormId>{};
        QTest::newRow("about: history")
            << Forms::frmAbout << "cmdHistory" << QList<FormId>{Forms::frmAbout, Forms::frmHistory};
        QTest::newRow("about: upgrade")
            << Forms::frmAbout << "cmdUpgrade" << QList<FormId>{Forms::frmAbout, Forms::frmUpgradeInfo};
        QTest::newRow("resize: close") << Forms::frmResize << "cmdClose" << QList<FormId>{};
    }
    void otherWindowButtons()
    {
        QFETCH(FormId, window);
        QFETCH(QString, button);
        QFETCH(QList<FormId>, openAfter);
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        click(windows().OpenPage(window), button);
        QList<FormId> open = windows().openWindows();
        open.removeAll(Forms::frmMenu);
        std::sort(openAfter.begin(), openAfter.end());
        std::sort(open.begin(), open.end());
        QCOMPARE(open, openAfter);
    }

    void endOfProgramRunsHooksAndRemovesEveryWindow()
    {
        ShellFixture shell;
        frmMenu *menu = openMenu(QStringLiteral("2"));
        windows().OpenPage(Forms::frmEssentialOils1);
        windows().OpenPage(Forms::frmAbout);
        int hooks = 0;
        windows().addEndOfProgramHook([&] { ++hooks; });
        menu->close();
        QCOMPARE(hooks, 1);
        QVERIFY(windows().programEnded());
        QVERIFY(windows().openWindows().isEmpty());
        // Nothing opens once the program has ended.
        QVERIFY(!windows().OpenPage(Forms::frmAbout));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
