#include "ShellFixture.h"
#include "app/menu/frmMenu.h"
#include "app/richtext/InvisibleRichTextBox.h"
#include "app/shell/ClickableLabel.h"
#include "app/shell/WindowCatalog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>

namespace {

// What the settings window writes for a digit.
QByteArray screenFile(char digit)
{
    return QByteArray("{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
                      "\\viewkind4\\uc1\\pard\\f0\\fs17 ") +
           digit + "\r\n\\par }\r\n";
}

frmMenu *startMenu()
{
    startProgram(windows());
    return windows().find<frmMenu>(Forms::frmMenu);
}

void press(QWidget *window, const QString &name)
{
    if (auto *button = window->findChild<QPushButton *>(name)) {
        button->click();
        return;
    }
    auto *link = window->findChild<ClickableLabel *>(name);
    QVERIFY2(link, qPrintable(name));
    emit link->clicked();
}

// The lines a word-wrapped label shows, as its text lays out in its contents width.
QStringList wrappedLines(const QLabel *label)
{
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        lines << label->text().mid(line.textStart(), line.textLength()).simplified();
    }
    layout.endLayout();
    lines.removeAll(QString());
    return lines;
}

} // namespace

class MenuTest : public QObject
{
    Q_OBJECT

private slots:
    void screenModeAtStart_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("no file") << "" << QByteArray() << true;
        QTest::newRow("0") << "Screen.txt" << screenFile('0') << false;
        QTest::newRow("2") << "Screen.txt" << screenFile('2') << true;
        QTest::newRow("1") << "Screen.txt" << screenFile('1') << true;
        QTest::newRow("letters") << "Screen.txt" << QByteArray("{\\rtf1\\ansi abc\\par }") << true;
        QTest::newRow("empty file") << "Screen.txt" << QByteArray() << true;
        QTest::newRow("name in capitals") << "SCREEN.TXT" << screenFile('0') << true;
        QTest::newRow("bare digit as plain text") << "Screen.txt" << QByteArray("0\r\n") << false;
    }
    void screenModeAtStart()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, maximised);
        ShellFixture shell;
        if (!fileName.isEmpty())
            shell.writeFile(fileName, content);
        frmMenu *menu = startMenu();
        QVERIFY(menu);
        QCOMPARE(menu->isMaximized(), maximised);
        QCOMPARE(menu->windowTitle(), programtitle::Title);
        if (!maximised)
            QCOMPARE(menu->size(), QSize(792, 534));
        // Pages opened now follow the same mode.
        QCOMPARE(windows().OpenPage(Forms::frmSafety)->isMaximized(), maximised);
        QCOMPARE(QDir(shell.os->CurrentFolder()).canonicalPath(), QDir(shell.folder.path()).canonicalPath());
    }

    void onlyTheMenuOpensAtStart()
    {
        ShellFixture shell;
        startMenu();
        QCOMPARE(windows().openWindows(), QList<FormId>{Forms::frmMenu});
    }

    void panels_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<bool>("oils");
        QTest::addColumn<bool>("baseOils");
        QTest::newRow("start") << QStringList{} << false << false;
        QTest::newRow("oils") << QStringList{"cmdEssentialOils"} << true << false;
        QTest::newRow("oils twice") << QStringList{"cmdEssentialOils", "cmdEssentialOils"} << false << false;
        QTest::newRow("oils then base oils")
            << QStringList{"cmdEssentialOils", "cmdBaseOils"} << false << true;
        QTest::newRow("base oils then oils")
            << QStringList{"cmdBaseOils", "cmdEssentialOils"} << true << false;
        QTest::newRow("base oils twice") << QStringList{"cmdBaseOils", "cmdBaseOils"} << false << false;
        QTest::newRow("oils closed") << QStringList{"cmdEssentialOils", "cmdCloseOils"} << false << false;
        QTest::newRow("base oils closed") << QStringList{"cmdBaseOils", "cmdCloseBaseOils"} << false << false;
        QTest::newRow("link keeps the panel") << QStringList{"cmdEssentialOils", "lblPage3"} << true << false;
    }
    void panels()
    {
        QFETCH(QStringList, presses);
        QFETCH(bool, oils);
        QFETCH(bool, baseOils);
        ShellFixture shell;
        frmMenu *menu = startMenu();
        for (const QString &name : presses)
            press(menu, name);
        QCOMPARE(!menu->findChild<QFrame *>(QStringLiteral("fraOils"))->isHidden(), oils);
        QCOMPARE(!menu->findChild<QFrame *>(QStringLiteral("fraBaseOils"))->isHidden(), baseOils);
    }

    void everyButtonAndLinkOpensItsWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("caption");
        const QString title = programtitle::Title;
        QTest::newRow("Basic Information")
            << "cmdIntroduction" << Forms::frmInformation << "Basic Information";
        QTest::newRow("Safety First") << "cmdSafety" << Forms::frmSafety << "Safety Rules 1/3";
        QTest::newRow("Actions") << "cmdActions" << Forms::frmActions << title;
        QTest::newRow("Indications") << "cmdIndications" << Forms::frmIndications << title;
        QTest::newRow("Bach Flowers") << "cmdBachFlowers" << Forms::frmBachFlowers << "Bach Flower Remedies";
        QTest::newRow("Sources") << "cmdSources" << Forms::frmSources << "Sources";
        QTest::newRow("Read First") << "cmdReadFirst" << Forms::frmDisclaimer
                                    << "Disclaimer /  Licence Agreement";
        QTest::newRow("About") << "cmdAbout" << Forms::frmAbout << "AboutBox";
        QTest::newRow("Settings") << "cmdSettings" << Forms::frmSettings << "Settings";
        QTest::newRow("Support Form") << "cmdSupport" << Forms::frmSupport << "Support Form";
        QTest::newRow("VP Products") << "cmdPrograms" << Forms::frmProgramsBooks
                                     << "Varnholt Publishing: Programs and Books";
        QTest::newRow("ordering") << "cmdOrderRegInfo" << Forms::frmOrderRegInfo
                                  << "Ordering and Registration";
        QTest::newRow("antioxidants")
            << "lblAntioxidants" << Forms::frmAntioxidants << "Essential Oil Antioxidants";
        QTest::newRow("base oils link") << "lblBaseOils" << Forms::frmBaseOils << title;
        QTest::newRow("foot chart") << "lblFootChart" << Forms::frmReflexology
                                    << "Reflexology: Chart for Feet";
        for (int n = 1; n <= 15; ++n) {
            QTest::newRow(qPrintable(QStringLiteral("page link %1").arg(n)))
                << QStringLiteral("lblPage%1").arg(n) << Forms::essentialOilsPages[n - 1]
                << (n == 1 ? title : QStringLiteral("Essential Oils %1/15").arg(n));
        }
    }
    // The oils index names the first and the last oil of each page as the design spells them.
    void oilIndexLinks()
    {
        const QStringList links{"Angelica - Birch",
                                "Black Pepper - Celery seed",
                                "Chamomile - Clary Sage",
                                "Clove - Eucalyptus australiana",
                                "Eucalyptus Citriodora - Fennel",
                                "Fir, Douglas - Geranium",
                                "Ginger - Immortelle",
                                "Jasmine - Lemon",
                                "Lemongrass - Marjoram",
                                "Melaleuca - Neroli",
                                "Niaouli - Patchouli",
                                "Pennyroyal - Ravensara",
                                "Rose - Spearmint",
                                "Spikenard - Tarragon",
                                "Tea Tree - Ylang ylang"};
        ShellFixture shell;
        frmMenu *menu = startMenu();
        for (int n = 1; n <= 15; ++n)
            QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("lblPage%1").arg(n))->text(), links.at(n - 1));
    }

    void everyButtonAndLinkOpensItsWindow()
    {
        QFETCH(QString, control);
        QFETCH(FormId, window);
        QFETCH(QString, caption);
        ShellFixture shell;
        frmMenu *menu = startMenu();
        press(menu, control);
        AppWindow *opened = windows().find(window);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->windowTitle(), caption);
        press(menu, control);
        QCOMPARE(windows().find(window), opened);
    }

    void toolbarKeepsOneToolbarWindowOpen()
    {
        ShellFixture shell;
        frmMenu *menu = startMenu();
        press(menu, QStringLiteral("cmdAbout"));
        press(menu, QStringLiteral("cmdIntroduction")); // a section button closes nothing
        press(menu, QStringLiteral("cmdSettings"));
        QVERIFY(!windows().find(Forms::frmAbout));
        AppWindow *settings = windows().find(Forms::frmSettings);
        QVERIFY(settings);
        settings->setWindowTitle(QStringLiteral("kept"));
        press(menu, QStringLiteral("cmdSettings"));
        QCOMPARE(windows().find(Forms::frmSettings), settings);
        QCOMPARE(settings->windowTitle(), QStringLiteral("kept"));
        QVERIFY(windows().find(Forms::frmInformation));

        // A toolbar window opened another way stays until a toolbar button is pressed.
        windows().OpenPage(Forms::frmAbout);
        press(menu, QStringLiteral("cmdPrograms"));
        const QList<FormId> open = windows().openWindows(); // in the order of their names
        QCOMPARE(open, QList<FormId>({Forms::frmInformation, Forms::frmMenu, Forms::frmProgramsBooks}));
    }

    void tabOrderRunsDownTheSectionsThenAlongTheToolbar()
    {
        ShellFixture shell;
        frmMenu *menu = startMenu();
        const QStringList expected{"cmdIntroduction", "cmdSafety",      "cmdEssentialOils", "cmdBaseOils",
                                   "cmdActions",      "cmdIndications", "cmdBachFlowers",   "cmdSKP",
                                   "cmdSources",      "cmdReadFirst",   "cmdAbout",         "cmdSettings",
                                   "cmdSupport",      "cmdPrograms",    "cmdOrderRegInfo"};
        QWidget *w = menu->findChild<QWidget *>(expected.first());
        for (int i = 1; i < expected.size(); ++i) {
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus))
                w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), expected[i]);
        }
    }

    void designPlacesAndColours()
    {
        ShellFixture shell;
        shell.writeFile(QStringLiteral("Screen.txt"), screenFile('0'));
        frmMenu *menu = startMenu();
        auto geometryOf = [menu](const char *name) { return menu->findChild<QWidget *>(name)->geometry(); };
        QCOMPARE(geometryOf("Frame1"), QRect(10, 0, 211, 473));
        QCOMPARE(geometryOf("cmdIntroduction"), QRect(10, 96, 172, 32));
        QCOMPARE(geometryOf("cmdSources"), QRect(10, 432, 172, 32));
        QCOMPARE(geometryOf("cmdOrderRegInfo"), QRect(600, 480, 183, 28));
        QCOMPARE(geometryOf("fraOils"), QRect(222, 18, 563, 457));
        QCOMPARE(geometryOf("lblPage1").topLeft(), QPoint(26, 52));
        QCOMPARE(geometryOf("lblPage15").topLeft(), QPoint(26, 388));
        QCOMPARE(menu->palette().color(QPalette::Window), QColor(128, 32, 48));
        QCOMPARE(menu->findChild<QPushButton *>("cmdSKP")->font().pointSizeF(), 12.75);
        QCOMPARE(menu->findChild<QPushButton *>("cmdSKP")->text(), QStringLiteral("Databank"));
        QCOMPARE(menu->findChild<QLabel *>("Label3")->text(),
                 QStringLiteral("Alternative Medicine Software by Varnholt Publishing"));
        QCOMPARE(menu->findChild<QLabel *>("lblMeasureOil10")->text(),
                 QStringLiteral("12 - 30 drops essential oil"));
        QCOMPARE(menu->findChild<QLabel *>("lblMeasureBase10")->text(),
                 QStringLiteral("6 teaspoons (30 ml) base oil"));
        QCOMPARE(menu->findChild<QLabel *>("lblDilution3")->text(),
                 QStringLiteral("Partial Body Massage: 1.5% to 3% dilution; under 2 years only on advice."));
        QVERIFY(menu->rtfScreen()->isHidden());
    }

    void maximisedMenuScalesItsControls()
    {
        ShellFixture shell;
        frmMenu *menu = startMenu();
        QVERIFY(menu->isMaximized());
        const double sx = menu->width() / 792.0;
        const QRect frame = menu->findChild<QWidget *>("fraOils")->geometry();
        QCOMPARE(frame.x(), qRound(222 * sx));
    }

    // The title under " Ambrelis " reads "and" over "Essential Oils" however large the menu is.
    void titleKeepsItsTwoLines_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("design size") << QSize(792, 534);
        QTest::newRow("maximised on 1920 x 1080") << QSize(1920, 1017);
        QTest::newRow("maximised on 1366 x 768") << QSize(1366, 705);
    }
    void titleKeepsItsTwoLines()
    {
        QFETCH(QSize, client);
        ShellFixture shell;
        frmMenu *menu = startMenu();
        menu->showNormal();
        menu->resize(client);
        QCoreApplication::processEvents();
        auto *title = menu->findChild<QLabel *>(QStringLiteral("Label4"));
        QCOMPARE(title->text(), QStringLiteral("        and          Essential Oils  "));
        QCOMPARE(wrappedLines(title), (QStringList{"and", "Essential Oils"}));
    }

    // A button of a panel leaves the captions of that panel free.
    void panelButtonsCoverNoCaption()
    {
        ShellFixture shell;
        frmMenu *menu = startMenu();
        for (const char *panel : {"fraOils", "fraBaseOils"}) {
            auto *frame = menu->findChild<QFrame *>(QLatin1String(panel));
            QVERIFY2(frame, panel);
            const auto buttons = frame->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly);
            for (const QLabel *label : frame->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
                for (const QPushButton *button : buttons) {
                    QVERIFY2(
                        !button->geometry().intersects(label->geometry()),
                        qPrintable(button->objectName() + QStringLiteral(" covers ") + label->objectName()));
                }
            }
        }
    }

    void closingTheMenuEndsTheProgram()
    {
        ShellFixture shell;
        frmMenu *menu = startMenu();
        press(menu, QStringLiteral("lblPage2"));
        press(menu, QStringLiteral("cmdAbout"));
        menu->close();
        QVERIFY(windows().programEnded());
        QVERIFY(windows().openWindows().isEmpty());
    }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
