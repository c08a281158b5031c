#include "ShellFixture.h"
#include "app/menu/frmMenu.h"
#include "app/richtext/InvisibleRichTextBox.h"
#include "app/shell/ClickableLabel.h"
#include "app/shell/PictureBox.h"
#include "content/BachTexts.h"
#include "pages/bach/frmBachFlowers.h"

#include <QGroupBox>
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

struct Remedy
{
    QString label, column, name, stateOfMind, autosuggestion;
};

QList<Remedy> remedies()
{
    QList<Remedy> out;
    const QList<content::BachRemedy> &all = content::bachRemedies();
    // In the page's order: the first half stands in the left column, the rest in the right one.
    for (qsizetype i = 0; i < all.size(); ++i)
        out.append({all[i].label, i < all.size() / 2 ? QStringLiteral("Frame1") : QStringLiteral("Frame2"),
                    all[i].name, all[i].stateOfMind, all[i].autosuggestion});
    return out;
}

frmBachFlowers *openBach(const QString &screenMode = QStringLiteral("2"))
{
    auto *menu = qobject_cast<frmMenu *>(windows().OpenPage(Forms::frmMenu));
    menu->rtfScreen()->setText(screenMode);
    return qobject_cast<frmBachFlowers *>(windows().OpenPage(Forms::frmBachFlowers));
}

const QStringList CentreViews = {QStringLiteral("imgHoneysuckle"), QStringLiteral("fraMental"),
                                 QStringLiteral("fraHistory"), QStringLiteral("fraReferences")};

// The one centre view on show; fails the test when not exactly one is visible.
QString visibleView(QWidget *page)
{
    QStringList visible;
    for (const QString &name : CentreViews) {
        if (page->findChild<QWidget *>(name)->isVisible())
            visible << name;
    }
    return visible.size() == 1 ? visible.first() : QStringLiteral("<%1>").arg(visible.join(QLatin1Char(',')));
}

// A user's click: only on something that is on show.
bool clickOnShow(QWidget *page, const QString &name)
{
    auto *widget = page->findChild<QWidget *>(name);
    if (!widget || !widget->isVisible())
        return false;
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    return true;
}

} // namespace

class BachPageTest : public QObject
{
    Q_OBJECT

private slots:
    void remedyLabelsStandInTwoColumns()
    {
        ShellFixture shell;
        frmBachFlowers page;
        const QList<Remedy> all = remedies();
        QCOMPARE(all.size(), 38);
        QHash<QString, int> row;
        for (const Remedy &remedy : all) {
            auto *label = page.findChild<ClickableLabel *>(remedy.label);
            QVERIFY2(label, qPrintable(remedy.label));
            QCOMPARE(label->parentWidget()->objectName(), remedy.column);
            QCOMPARE(label->text(), remedy.name);
            const int top = 390 + 390 * row[remedy.column]++;
            const QRect geometry = label->geometry();
            QCOMPARE(geometry.topLeft(), place(150, top, 0, 0).topLeft());
            QCOMPARE(geometry.height(), place(0, 0, 0, 345).height());
            QVERIFY(geometry.width() >= place(0, 0, 825, 0).width());
            QVERIFY(geometry.width() <= place(0, 0, 2175, 0).width());
            QVERIFY2(label->fontMetrics().horizontalAdvance(remedy.name) <= geometry.width(),
                     qPrintable(remedy.name));
            QVERIFY(label->font().bold() && label->font().underline());
            QCOMPARE(label->font().pointSizeF(), 11.25);
            QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(label->cursor().hotSpot(), QPoint(30, 16));
        }
        QCOMPARE(row.value(QStringLiteral("Frame1")), 19);
        QCOMPARE(row.value(QStringLiteral("Frame2")), 19);
        QCOMPARE(page.findChild<ClickableLabel *>(QStringLiteral("lblStarBethlehem"))->text(),
                 QStringLiteral("Star of Bethlehem"));
    }

    void fixedControlsSitAtTheirDesignPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const QString &container, QRect expected,
                            const char *text = "") {
            QTest::newRow(name) << QString::fromLatin1(name) << container << expected
                                << QString::fromLatin1(text);
        };
        row("Frame1", Forms::frmBachFlowers.name(), place(150, 120, 2445, 7815), "Remedies");
        row("Frame2", Forms::frmBachFlowers.name(), place(9270, 120, 2445, 7815), "Remedies");
        row("Label1", Forms::frmBachFlowers.name(), place(3390, 210, 5085, 435), "Bach Flower Remedies");
        row("Image4", Forms::frmBachFlowers.name(), place(2850, 120, 480, 480));
        row("Image5", Forms::frmBachFlowers.name(), place(8550, 120, 480, 480));
        row("imgHoneysuckle", Forms::frmBachFlowers.name(), place(2910, 780, 6060, 4875));
        row("Label3", Forms::frmBachFlowers.name(), place(6660, 5310, 2235, 345), "Twining Honeysuckle");
        row("fraMental", Forms::frmBachFlowers.name(), place(2910, 570, 6075, 5165));
        row("fraHistory", Forms::frmBachFlowers.name(), place(2910, 720, 6075, 4995), "History");
        row("fraReferences", Forms::frmBachFlowers.name(), place(2910, 720, 6075, 4995), "References");
        row("cmdHistory", Forms::frmBachFlowers.name(), place(2910, 5850, 1125, 355), "History");
        row("Label42", Forms::frmBachFlowers.name(), place(4140, 5850, 3450, 375),
            "Suggested use: 4 drops 4x daily.");
        row("cmdReferences", Forms::frmBachFlowers.name(), place(7710, 5850, 1275, 355), "References");
        row("Frame3", Forms::frmBachFlowers.name(), place(2880, 6330, 6120, 1605), "Rescue Remedy");
        row("Label40", "Frame3", place(150, 360, 5835, 585));
        row("Label41", "Frame3", place(150, 960, 5805, 585));
        row("lblRemedy", "fraMental", place(540, 330, 4965, 375));
        row("Shape1", "fraMental", place(570, 810, 4935, 2985));
        row("Label2", "fraMental", place(1710, 930, 2595, 315), "State of Mind");
        row("lblMental", "fraMental", place(660, 1320, 4725, 1125));
        row("Label43", "fraMental", place(1770, 2490, 2565, 315), "Autosuggestion");
        row("lblAutosuggestion", "fraMental", place(690, 2850, 4665, 795));
        row("Label44", "fraMental", place(450, 3930, 5175, 795),
            "Repeat Autosuggestion every night before falling asleep or until falling asleep and whenever "
            "taking the drops. ");
        row("cmdClose", "fraMental", place(5280, 4740, 675, 315), "Close");
        row("Text1", "fraHistory", place(150, 360, 5805, 4575));
        row("cmdCloseHistory", "fraHistory", place(5340, 4620, 675, 315), "Close");
        row("Text2", "fraReferences", place(150, 360, 5805, 4485));
        row("cmdCloseRef", "fraReferences", place(5340, 4620, 675, 315), "Close");
    }

    void fixedControlsSitAtTheirDesignPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, expected);
        QFETCH(QString, text);
        ShellFixture shell;
        frmBachFlowers page;
        auto *widget = page.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), expected);
        if (text.isEmpty())
            return;
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), text);
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            QCOMPARE(button->text(), text);
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(frame->title(), text);
        else
            QFAIL("a text given for a control that shows none");
    }

    void panelsHoldTheirFixedTexts()
    {
        ShellFixture shell;
        frmBachFlowers page;
        const QString history = content::bachHistory().join(QLatin1Char('\n'));
        const QString references = content::bachReferences().join(QLatin1Char('\n'));
        QVERIFY(!history.isEmpty() && !references.isEmpty());
        auto *text1 = page.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
        auto *text2 = page.findChild<QPlainTextEdit *>(QStringLiteral("Text2"));
        QCOMPARE(text1->toPlainText(), history);
        QCOMPARE(text2->toPlainText(), references);
        QCOMPARE(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(text2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        // The Rescue Remedy frame names the five remedies it combines and when to take it.
        const QString combines = page.findChild<QLabel *>(QStringLiteral("Label40"))->text();
        for (const char *part : {"Cherry Plum", "Clematis", "Impatiens", "Star of Bethlehem", "Rock Rose"})
            QVERIFY2(combines.contains(QLatin1String(part)), part);
        const QString when = page.findChild<QLabel *>(QStringLiteral("Label41"))->text();
        for (const char *part : {"panic", "shock", "control", "anxiety"})
            QVERIFY2(when.contains(QLatin1String(part)), part);
    }

    void opensWithCaptionScreenModeAndPicture_data()
    {
        QTest::addColumn<QString>("screenMode");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("centred") << "0" << false;
        QTest::newRow("maximised") << "2" << true;
        QTest::newRow("not a number") << "x" << true;
    }

    void opensWithCaptionScreenModeAndPicture()
    {
        QFETCH(QString, screenMode);
        QFETCH(bool, maximised);
        ShellFixture shell;
        frmBachFlowers *page = openBach(screenMode);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral("Bach Flower Remedies"));
        QCOMPARE(page->opensMaximised(), maximised);
        QCOMPARE(page->isMaximized(), maximised);
        QCOMPARE(visibleView(page), QStringLiteral("imgHoneysuckle"));
        QVERIFY(page->findChild<PictureBox *>(QStringLiteral("imgHoneysuckle"))->hasPicture());
        QVERIFY(page->findChild<PictureBox *>(QStringLiteral("Image4"))->hasPicture());
        QVERIFY(page->findChild<PictureBox *>(QStringLiteral("Image5"))->hasPicture());

        // Reopening after a panel was shown starts from the picture again.
        QVERIFY(clickOnShow(page, QStringLiteral("lblGorse")));
        windows().ClosePage(Forms::frmBachFlowers);
        page = openBach(screenMode);
        QCOMPARE(visibleView(page), QStringLiteral("imgHoneysuckle"));
    }

    void centreShowsExactlyOneView_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("view");
        QTest::newRow("opening") << QStringList{} << "imgHoneysuckle";
        QTest::newRow("a remedy") << QStringList{"lblAgrimony"} << "fraMental";
        QTest::newRow("another remedy") << QStringList{"lblAgrimony", "lblWillow"} << "fraMental";
        QTest::newRow("remedy closed") << QStringList{"lblAgrimony", "cmdClose"} << "imgHoneysuckle";
        QTest::newRow("history over remedy") << QStringList{"lblAgrimony", "cmdHistory"} << "fraHistory";
        QTest::newRow("history closed")
            << QStringList{"lblAgrimony", "cmdHistory", "cmdCloseHistory"} << "imgHoneysuckle";
        QTest::newRow("history twice") << QStringList{"cmdHistory", "cmdHistory"} << "fraHistory";
        QTest::newRow("references over history")
            << QStringList{"cmdHistory", "cmdReferences"} << "fraReferences";
        QTest::newRow("history over references")
            << QStringList{"cmdReferences", "cmdHistory"} << "fraHistory";
        QTest::newRow("references over remedy") << QStringList{"lblOak", "cmdReferences"} << "fraReferences";
        QTest::newRow("references closed") << QStringList{"cmdReferences", "cmdCloseRef"} << "imgHoneysuckle";
        QTest::newRow("references twice") << QStringList{"cmdReferences", "cmdReferences"} << "fraReferences";
        QTest::newRow("remedy over history") << QStringList{"cmdHistory", "lblVine"} << "fraMental";
        QTest::newRow("remedy over references")
            << QStringList{"cmdReferences", "lblStarBethlehem"} << "fraMental";
    }

    void centreShowsExactlyOneView()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, view);
        ShellFixture shell;
        frmBachFlowers *page = openBach();
        for (const QString &name : clicks) {
            QVERIFY2(clickOnShow(page, name), qPrintable(name + QStringLiteral(" is not on show")));
            QVERIFY(!visibleView(page).startsWith(QLatin1Char('<')));
        }
        QCOMPARE(visibleView(page), view);
        // The columns, the title, the dose line, the buttons and the Rescue Remedy frame stay in every state.
        for (const char *name : {"Frame1", "Frame2", "Label1", "Image4", "Image5", "Label42", "cmdHistory",
                                 "cmdReferences", "Frame3", "Label40", "Label41", "lblWillow", "lblAgrimony"})
            QVERIFY2(page->findChild<QWidget *>(QLatin1String(name))->isVisible(), name);
        QVERIFY(!page->findChild<QWidget *>(QStringLiteral("Label3"))->isHidden());
    }

    void remedyClickShowsItsTexts_data()
    {
        QTest::addColumn<int>("row");
        const QList<Remedy> all = remedies();
        for (int row = 0; row < all.size(); ++row)
            QTest::newRow(qPrintable(all.at(row).label)) << row;
    }

    void remedyClickShowsItsTexts()
    {
        QFETCH(int, row);
        const QList<Remedy> all = remedies();
        const Remedy &remedy = all.at(row);
        const Remedy &before = all.at((row + 19) % all.size());
        ShellFixture shell;
        frmBachFlowers *page = openBach();
        auto *title = page->findChild<QLabel *>(QStringLiteral("lblRemedy"));
        auto *mind = page->findChild<QLabel *>(QStringLiteral("lblMental"));
        auto *suggestion = page->findChild<QLabel *>(QStringLiteral("lblAutosuggestion"));

        QVERIFY(clickOnShow(page, before.label));
        QCOMPARE(title->text(), before.name);
        QVERIFY(clickOnShow(page, remedy.label));
        QCOMPARE(title->text(), remedy.name);
        QCOMPARE(mind->text(), remedy.stateOfMind);
        QCOMPARE(suggestion->text(), remedy.autosuggestion);
        QVERIFY(mind->wordWrap());
        QVERIFY(suggestion->wordWrap());

        // The panel keeps the last remedy's texts while other views are on show.
        QVERIFY(clickOnShow(page, QStringLiteral("cmdHistory")));
        QVERIFY(clickOnShow(page, QStringLiteral("cmdCloseHistory")));
        QCOMPARE(title->text(), remedy.name);
        QCOMPARE(mind->text(), remedy.stateOfMind);
        QCOMPARE(suggestion->text(), remedy.autosuggestion);
    }
};

QTEST_MAIN(BachPageTest)
#include "BachPageTest.moc"
