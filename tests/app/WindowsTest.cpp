#include "ShellFixture.h"
#include "app/menu/frmMenu.h"
#include "app/richtext/RichTextBox.h"
#include "app/shell/AppWindow.h"
#include "app/shell/MessageBox.h"
#include "shared/Place.h"
#include "app/shell/Twips.h"
#include "app/shell/WindowCatalog.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

QString oilPage(int n)
{
    return n <= 9 ? QStringLiteral("frmEssentialOils%1").arg(n)
                  : QStringLiteral("frmEssentialOils9%1").arg(n - 9);
}

void click(AppWindow *window, const QString &button)
{
    auto *b = window->findChild<QPushButton *>(button);
    QVERIFY2(b, qPrintable(window->formName() + QLatin1Char('.') + button));
    b->click();
}

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

    // Opens the menu with a given screen-mode text, as if read from the file.
    frmMenu *openMenu(const QString &mode)
    {
        auto *menu = qobject_cast<frmMenu *>(windows().OpenPage(QStringLiteral("frmMenu")));
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
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::newRow("actions") << "frmActions"
                                 << "cmdPrintActions";
        QTest::newRow("catalogue") << "frmProgramsBooks"
                                   << "cmdClose";
    }
    void pagesWithoutResizerCentreTheirDesignArea()
    {
        QFETCH(QString, form);
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

    void everyWindowOpensWithItsCaption()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        for (const WindowSpec &spec : windowCatalog()) {
            if (spec.name == QLatin1String("frmMenu"))
                continue;
            AppWindow *w = windows().OpenPage(spec.name);
            QVERIFY(w);
            QVERIFY(w->isVisible());
            const QString caption = spec.captionIsProgramTitleAtLoad ? programtitle::Title
                                    : spec.captionAtLoad.isEmpty()   ? spec.caption
                                                                     : spec.captionAtLoad;
            QCOMPARE(w->windowTitle(), caption);
            windows().ClosePage(spec.name);
            QVERIFY(!windows().find(spec.name));
        }
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
        for (const QString &name : {QStringLiteral("frmEssentialOils3"), QStringLiteral("frmSafety2"),
                                    QStringLiteral("frmIndications"), QStringLiteral("frmBachFlowers")}) {
            AppWindow *page = windows().OpenPage(name);
            QCOMPARE(page->isMaximized(), maximised);
            if (!maximised) {
                QCOMPARE(page->size(), QSize(792, 534));
                const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
                QCOMPARE(page->pos(), screen.center() - QPoint(400, 284));
            }
        }
        // The actions page ignores the screen mode.
        QVERIFY(windows().OpenPage(QStringLiteral("frmActions"))->isMaximized());
    }

    void dialogsKeepTheirDesignSize()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        AppWindow *about = windows().OpenPage(QStringLiteral("frmAbout"));
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
        AppWindow *download = windows().OpenPage(QStringLiteral("frmDownloadSKP"));
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
        AppWindow *first = windows().OpenPage(QStringLiteral("frmEssentialOils5"));
        first->resize(700, 500);
        first->setWindowTitle(QStringLiteral("changed by the user"));
        AppWindow *second = windows().OpenPage(QStringLiteral("frmEssentialOils5"));
        QCOMPARE(second, first);
        QCOMPARE(second->size(), QSize(700, 500));
        QCOMPARE(second->windowTitle(), QStringLiteral("changed by the user"));
        QCOMPARE(windows().openWindows().count(QStringLiteral("frmEssentialOils5")), 1);
    }

    void placesReadBackFromTheirText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("spot");
        QTest::newRow("window only") << "frmSafety"
                                     << "frmSafety"
                                     << "";
        QTest::newRow("oil row") << "frmEssentialOils5#Lavender"
                                 << "frmEssentialOils5"
                                 << "Lavender";
        QTest::newRow("spot holding a hash") << "frmIndications#Sore throat #2"
                                             << "frmIndications"
                                             << "Sore throat #2";
    }

    void placesReadBackFromTheirText()
    {
        QFETCH(QString, text);
        QFETCH(QString, form);
        QFETCH(QString, spot);
        const Place place = Place::fromText(text);
        QCOMPARE(place, (Place{form, spot}));
        QCOMPARE(place.toText(), text);
    }

    // A spot the window does not know is reported, and the window is still open as it was.
    void openingAPlaceAsksTheWindowForItsSpot()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("0"));
        AppWindow *window = windows().OpenPlace({QStringLiteral("frmSafety"), {}});
        QVERIFY(window);
        QCOMPARE(window, windows().find(QStringLiteral("frmSafety")));
        QVERIFY(!windows().OpenPlace({QStringLiteral("frmSafety"), QStringLiteral("no such spot")}));
        QCOMPARE(windows().find(QStringLiteral("frmSafety")), window);
    }

    void closedWindowOpensAfresh()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        AppWindow *first = windows().OpenPage(QStringLiteral("frmSafety"));
        first->setWindowTitle(QStringLiteral("edited"));
        first->close(); // the close box
        QVERIFY(!windows().find(QStringLiteral("frmSafety")));
        AppWindow *again = windows().OpenPage(QStringLiteral("frmSafety"));
        QCOMPARE(again->windowTitle(), QStringLiteral("Safety Rules 1/3"));
    }

    void screenModeChangeAffectsOnlyLaterPages()
    {
        ShellFixture shell;
        frmMenu *menu = openMenu(QStringLiteral("2"));
        AppWindow *open = windows().OpenPage(QStringLiteral("frmEssentialOils1"));
        menu->rtfScreen()->setText(QStringLiteral("0"));
        QVERIFY(open->isMaximized());
        QVERIFY(!windows().OpenPage(QStringLiteral("frmEssentialOils2"))->isMaximized());
    }

    void handOverShowsTheTargetBeforeClosingTheCurrentPage()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        AppWindow *page3 = windows().OpenPage(QStringLiteral("frmEssentialOils3"));
        QStringList events;
        connect(&windows(), &WindowManager::windowOpened, this,
                [&](const QString &n) { events << "open " + n; });
        connect(&windows(), &WindowManager::windowClosed, this,
                [&](const QString &n) { events << "close " + n; });
        click(page3, QStringLiteral("Command1"));
        QCOMPARE(events, QStringList({"open frmEssentialOils4", "close frmEssentialOils3"}));
    }

    void handOverToAnOpenPageLeavesOneWindow()
    {
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        AppWindow *page3 = windows().OpenPage(QStringLiteral("frmEssentialOils3"));
        AppWindow *page4 = windows().OpenPage(QStringLiteral("frmEssentialOils4"));
        click(page3, QStringLiteral("Command1"));
        QCOMPARE(windows().find(QStringLiteral("frmEssentialOils4")), page4);
        QVERIFY(!windows().find(QStringLiteral("frmEssentialOils3")));
    }

    void chains_data()
    {
        QTest::addColumn<QStringList>("chain");
        QStringList oils;
        for (int n = 1; n <= 15; ++n)
            oils << oilPage(n);
        QTest::newRow("essential oils") << oils;
        QTest::newRow("base oils") << QStringList{"frmBaseOils", "frmBaseOils2"};
        QTest::newRow("safety") << QStringList{"frmSafety", "frmSafety2", "frmSafety3"};
    }
    void chains()
    {
        QFETCH(QStringList, chain);
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
            QVERIFY2(next != buttons.end(), qPrintable(page->formName()));
            (*next)->click();
            page = windows().find(chain[i]);
            QVERIFY2(page, qPrintable(chain[i]));
            QStringList open = windows().openWindows();
            open.removeAll(QStringLiteral("frmMenu"));
            QCOMPARE(open, QStringList{chain[i]});
        }
        const auto last = page->findChildren<QPushButton *>();
        QVERIFY(std::none_of(last.begin(), last.end(), [](QPushButton *b) { return b->text() == ">"; }));
        // ... backwards with "<" to the first page ...
        for (int i = chain.size() - 2; i >= 0; --i) {
            auto buttons = page->findChildren<QPushButton *>();
            auto back =
                std::find_if(buttons.begin(), buttons.end(), [](QPushButton *b) { return b->text() == "<"; });
            QVERIFY2(back != buttons.end(), qPrintable(page->formName()));
            (*back)->click();
            page = windows().find(chain[i]);
            QVERIFY(page);
        }
        // ... and "Close" on the last page only.
        for (const QString &name : chain) {
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
                const QString where = spec.name + QLatin1Char('.') + def.name;
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
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("openAfter");
        QTest::newRow("information: safety first") << "frmInformation"
                                                   << "cmdSafety" << QStringList{"frmSafety"};
        QTest::newRow("information: foot chart")
            << "frmInformation"
            << "cmdFootChart" << QStringList{"frmInformation", "frmReflexology"};
        QTest::newRow("information: close") << "frmInformation"
                                            << "cmdClose" << QStringList{};
        QTest::newRow("antioxidants: close") << "frmAntioxidants"
                                             << "cmdClose" << QStringList{};
        QTest::newRow("about: history") << "frmAbout"
                                        << "cmdHistory" << QStringList{"frmAbout", "frmHistory"};
        QTest::newRow("about: upgrade") << "frmAbout"
                                        << "cmdUpgrade" << QStringList{"frmAbout", "frmUpgradeInfo"};
        QTest::newRow("resize: close") << "frmResize"
                                       << "cmdClose" << QStringList{};
    }
    void otherWindowButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QStringList, openAfter);
        ShellFixture shell;
        openMenu(QStringLiteral("2"));
        click(windows().OpenPage(window), button);
        QStringList open = windows().openWindows();
        open.removeAll(QStringLiteral("frmMenu"));
        openAfter.sort();
        open.sort();
        QCOMPARE(open, openAfter);
    }

    void endOfProgramRunsHooksAndRemovesEveryWindow()
    {
        ShellFixture shell;
        frmMenu *menu = openMenu(QStringLiteral("2"));
        windows().OpenPage(QStringLiteral("frmEssentialOils1"));
        windows().OpenPage(QStringLiteral("frmAbout"));
        int hooks = 0;
        windows().addEndOfProgramHook([&] { ++hooks; });
        menu->close();
        QCOMPARE(hooks, 1);
        QVERIFY(windows().programEnded());
        QVERIFY(windows().openWindows().isEmpty());
        // Nothing opens once the program has ended.
        QVERIFY(!windows().OpenPage(QStringLiteral("frmAbout")));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
