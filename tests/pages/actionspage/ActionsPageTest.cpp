#include "OilLinkClicks.h"
#include "ShellFixture.h"
#include "app/menu/frmMenu.h"
#include "app/richtext/InvisibleRichTextBox.h"
#include "app/richtext/RichTextBox.h"
#include "app/shell/PictureBox.h"
#include "pages/actions/ActionText.h"
#include "pages/actionspage/frmActions.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Design places are in twips; 15 twips make a pixel and no design value falls on half a pixel.
QRect place(int left, int top, int width, int height)
{
    const auto px = [](int twips) { return qRound(twips / 15.0); };
    return QRect(px(left), px(top), px(width), px(height));
}

// The buttons of the page from top to bottom, with their captions.
const std::pair<const char *, const char *> ActionButtons[] = {
    {"cmdAnalgesic", "Analgesic"},
    {"cmdAntifungal", "Antifungal"},
    {"cmdAntiAging", "Anti-aging"},
    {"cmdAntibacterial", "Antibacterial"},
    {"cmdAntiInflammatory", "Anti-inflammatory"},
    {"cmdAntiseptic", "Antiseptic"},
    {"cmdAntispasmodic", "Antispasmodic"},
    {"cmdAntiviral", "Antiviral"},
    {"cmdAphrodisiacs", "Aphrodisiacs"},
    {"cmdAstringents", "Astringents"},
    {"cmdDecongestants", "Decongestants"},
    {"cmdDeodorants", "Deodorants"},
    {"cmdDisinfectants", "Disinfectants"},
    {"cmdDiuretics", "Diuretics"},
    {"cmdEmmenagogues", "Emmenagogues"},
    {"cmdExpectorants", "Expectorants"},
    {"cmdFebrifuge", "Febrifuge"},
    {"cmdHypnotics", "Hypnotics"},
    {"cmdImmunostimulant", "Immunostimulants"},
    {"cmdSedatives", "Sedatives"},
    {"cmdStimulants", "Stimulants/Energy"},
    {"cmdTonics", "Tonics"},
    {"cmdRelaxants", "Relaxants"},
};

frmActions *openActions(const QString &screenMode = QStringLiteral("2"))
{
    auto *menu = qobject_cast<frmMenu *>(windows().OpenPage(Forms::frmMenu));
    menu->rtfScreen()->setText(screenMode);
    return qobject_cast<frmActions *>(windows().OpenPage(Forms::frmActions));
}

template <typename T> T *control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

void clickAction(frmActions *page, const QString &button)
{
    auto *b = page->findChild<QPushButton *>(button);
    QVERIFY2(b, qPrintable(button));
    b->click();
}

} // namespace

class ActionsPageTest : public QObject
{
    Q_OBJECT

private slots:
    // The oil list of the action on show leads to the profiles: Ctrl+click or Ctrl+Enter on a name.
    void anOilOfTheListOpensItsProfile_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("oil");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("row");
        QTest::newRow("click") << "cmdAnalgesic"
                               << "Roman chamomile" << false << Forms::frmEssentialOils3
                               << "Chamomile, Roman";
        QTest::newRow("key") << "cmdAnalgesic"
                             << "Black pepper" << true << Forms::frmEssentialOils2 << "Black Pepper";
        QTest::newRow("last action") << "cmdRelaxants"
                                     << "Lavender" << false << Forms::frmEssentialOils8 << "Lavender";
    }
    void anOilOfTheListOpensItsProfile()
    {
        QFETCH(QString, button);
        QFETCH(QString, oil);
        QFETCH(bool, byKey);
        QFETCH(FormId, form);
        QFETCH(QString, row);
        ShellFixture shell;
        frmActions *page = openActions();
        control<QPushButton>(page, qPrintable(button))->click();
        auto *text = control<QPlainTextEdit>(page, "txtActions");
        const QString shown = text->toPlainText();
        if (byKey)
            oillinks::keyOn(text, oil, Qt::Key_Return, Qt::ControlModifier);
        else
            oillinks::clickOn(text, oil, Qt::ControlModifier);
        QCOMPARE(oillinks::markedRow(windows().find(form)), row);
        QCOMPARE(text->toPlainText(), shown);
    }

    void controlsSitAtTheirDesignPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Frame1") << "Frame1" << Forms::frmActions.name() << place(165, 0, 2580, 7890);
        QTest::newRow("fraPeppermint")
            << "fraPeppermint" << Forms::frmActions.name() << place(2955, 60, 8880, 7875);
        QTest::newRow("Image2") << "Image2"
                                << "fraPeppermint" << place(-15, 165, 8820, 7660);
        QTest::newRow("lblPeppermint") << "lblPeppermint"
                                       << "fraPeppermint" << place(105, 7440, 1545, 345);
        QTest::newRow("fraActions") << "fraActions"
                                    << "fraPeppermint" << place(570, 690, 7650, 6540);
        QTest::newRow("txtActions") << "txtActions"
                                    << "fraActions" << place(120, 240, 7470, 5850);
        QTest::newRow("cmdPrintActions") << "cmdPrintActions"
                                         << "fraActions" << place(6900, 6135, 700, 330);
    }

    void controlsSitAtTheirDesignPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, expected);
        ShellFixture shell;
        frmActions page;
        auto *widget = page.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), expected);
    }

    void actionButtonsTouchInOrder()
    {
        ShellFixture shell;
        frmActions page;
        QPushButton *previous = nullptr;
        int row = 0;
        for (const auto &[name, caption] : ActionButtons) {
            auto *button = control<QPushButton>(&page, name);
            QVERIFY2(button, name);
            QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("Frame1"));
            QCOMPARE(button->text(), QString::fromLatin1(caption));
            QCOMPARE(button->geometry(), place(210, 525 + 315 * row, 2155, 315));
            // Shown in Times New Roman, or where it is not installed in the family the system shows for it.
            QCOMPARE(QFontInfo(button->font()).family(),
                     QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
            QCOMPARE(button->font().pointSizeF(), 11.25);
            QVERIFY(!button->font().bold());
            if (previous) {
                QCOMPARE(button->geometry().top(), previous->geometry().bottom() + 1);
                QCOMPARE(previous->nextInFocusChain(), button);
            }
            previous = button;
            ++row;
        }
    }

    void opensInItsInitialStateAlwaysMaximised_data()
    {
        QTest::addColumn<QString>("screenMode");
        QTest::newRow("centred") << "0";
        QTest::newRow("maximised") << "2";
    }

    void opensInItsInitialStateAlwaysMaximised()
    {
        QFETCH(QString, screenMode);
        ShellFixture shell;
        frmActions *page = openActions(screenMode);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral("Ambrelis and Essential Oils"));
        QVERIFY(page->opensMaximised());
        QVERIFY(page->isMaximized());

        QVERIFY(control<QGroupBox>(page, "fraActions")->isHidden());
        QCOMPARE(control<QPlainTextEdit>(page, "txtActions")->toPlainText(), QString());
        QCOMPARE(page->actionsText(), QString());
        QVERIFY(!control<QPushButton>(page, "cmdPrintActions")->isEnabled());
        auto *picture = control<PictureBox>(page, "Image2");
        QVERIFY(picture->isVisible());
        QVERIFY(picture->hasPicture());
        QCOMPARE(picture->toolTip(), QStringLiteral("Background Image: Peppermint"));
        QVERIFY(control<QLabel>(page, "lblPeppermint")->isVisible());
        QCOMPARE(control<QLabel>(page, "lblPeppermint")->text(), QStringLiteral("Peppermint"));

        // Print before any action does nothing.
        control<QPushButton>(page, "cmdPrintActions")->click();
        QVERIFY(!windows().find(Forms::frmPrint));

        // Closing forgets everything shown.
        clickAction(page, QStringLiteral("cmdTonics"));
        windows().ClosePage(Forms::frmActions);
        page = openActions(screenMode);
        QVERIFY(control<QGroupBox>(page, "fraActions")->isHidden());
        QCOMPARE(page->actionsText(), QString());
        QVERIFY(!control<QPushButton>(page, "cmdPrintActions")->isEnabled());
    }

    void everyActionReplacesTheBoxWithItsText_data()
    {
        QTest::addColumn<int>("row");
        const auto entries = actions::loadActionEntries();
        QCOMPARE(entries.size(), int(std::size(ActionButtons)));
        for (int row = 0; row < entries.size(); ++row)
            QTest::newRow(ActionButtons[row].first) << row;
    }

    void everyActionReplacesTheBoxWithItsText()
    {
        QFETCH(int, row);
        const actions::ActionEntry entry = actions::loadActionEntries().at(row);
        QCOMPARE(entry.button, QString::fromLatin1(ActionButtons[row].first));
        const QString expected = actions::buildActionText(entry);
        QVERIFY(expected.startsWith(QStringLiteral("\r\n") + entry.heading + QStringLiteral("\r\n")));

        ShellFixture shell;
        frmActions *page = openActions();
        auto *box = control<QPlainTextEdit>(page, "txtActions");
        // A longer text with the user's typing before it must leave nothing behind.
        const QString other = row == 15 ? QStringLiteral("cmdAnalgesic") : QStringLiteral("cmdExpectorants");
        clickAction(page, other);
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, QStringLiteral(" typed by the user"));

        clickAction(page, entry.button);
        QVERIFY(control<QGroupBox>(page, "fraActions")->isVisible());
        QVERIFY(box->isVisible());
        QVERIFY(control<QPushButton>(page, "cmdPrintActions")->isEnabled());
        QCOMPARE(page->actionsText(), expected);
        QCOMPARE(box->document()->blockCount(), int(expected.count(QStringLiteral("\r\n"))) + 1);

        clickAction(page, entry.button);
        QCOMPARE(page->actionsText(), expected);
    }

    void printHandsTheBoxTextToThePrintPage()
    {
        ShellFixture shell;
        frmActions *page = openActions();
        const auto entries = actions::loadActionEntries();
        auto *box = control<QPlainTextEdit>(page, "txtActions");
        auto *print = control<QPushButton>(page, "cmdPrintActions");

        clickAction(page, QStringLiteral("cmdAntispasmodic"));
        box->moveCursor(QTextCursor::End);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("My note"));
        const QString edited = actions::buildActionText(entries.at(6)) + QStringLiteral("\r\nMy note");
        QCOMPARE(page->actionsText(), edited);

        print->click();
        AppWindow *printPage = windows().find(Forms::frmPrint);
        QVERIFY(printPage);
        QVERIFY(printPage->isVisible());
        QVERIFY(windows().find(Forms::frmActions));
        auto *rtfPrint = printPage->findChild<RichTextBox *>(QStringLiteral("rtfPrint"));
        if (rtfPrint)
            QCOMPARE(rtfPrint->Text(), edited);

        // Again with the print page open: the same window, its text replaced.
        clickAction(page, QStringLiteral("cmdRelaxants"));
        QVERIFY(print->isEnabled());
        print->click();
        QCOMPARE(windows().find(Forms::frmPrint), printPage);
        QCOMPARE(windows().openWindows().count(Forms::frmPrint), 1);
        if (rtfPrint)
            QCOMPARE(rtfPrint->Text(), actions::buildActionText(entries.at(22)));
        else
            qInfo("the print page has no rtfPrint box in this build; only its opening was checked");
    }
};

QTEST_MAIN(ActionsPageTest)
#include "ActionsPageTest.moc"
