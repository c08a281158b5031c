#include "catalogue/Catalogue.h"

#include "ShellFixture.h"
#include "app/shell/AppWindow.h"
#include "app/shell/ClickableLabel.h"
#include "catalogue/frmProgramsBooks.h"
#include "shared/MakerConfig.h"

#include <QApplication>
#include <QFrame>
#include <QJsonDocument>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void scrollStepsMoveTheContentBy100Twips_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("top");
        QTest::newRow("start") << 0 << 0;
        QTest::newRow("one step") << 1 << -7;
        QTest::newRow("three steps") << 3 << -20;
        QTest::newRow("fifteen steps") << 15 << -100;
    }
    void scrollStepsMoveTheContentBy100Twips()
    {
        QFETCH(int, step);
        QFETCH(int, top);
        QCOMPARE(frmProgramsBooks::contentTopForStep(step), top);

        ShellFixture shell;
        AppWindow *page = windows().OpenPage(Forms::frmProgramsBooks);
        auto *bar = page->findChild<QScrollBar *>(QStringLiteral("VScroll1"));
        QVERIFY(bar);
        QVERIFY2(bar->maximum() > 0, "the catalogue is longer than its view");
        bar->setValue(step);
        QCOMPARE(page->findChild<QFrame *>(QStringLiteral("fraContent"))->y(), top);
    }

    void theWheelOverTheContentScrollsIt()
    {
        ShellFixture shell;
        AppWindow *page = windows().OpenPage(Forms::frmProgramsBooks);
        auto *content = page->findChild<QFrame *>(QStringLiteral("fraContent"));
        QWidget *text = page->findChild<QWidget *>(QStringLiteral("lblDescription1"));
        QVERIFY(content && text);
        const auto turn = [&](int delta) {
            const QPointF at(text->width() / 2.0, text->height() / 2.0);
            QWheelEvent wheel(at, text->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            // Passed up from the label under the mouse until a widget takes it, as the application does with
            // a wheel event from the window system.
            for (QWidget *w = text; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
                wheel.ignore();
                QApplication::sendEvent(w, &wheel);
                if (wheel.isAccepted())
                    break;
            }
        };
        turn(-120); // one notch towards the user: down the page
        const int afterOneNotch = content->y();
        QVERIFY2(afterOneNotch <= -40, qPrintable(QString::number(afterOneNotch)));
        turn(120);
        QCOMPARE(content->y(), 0);
    }

    void anArrowClickMovesAboutALine()
    {
        ShellFixture shell;
        AppWindow *page = windows().OpenPage(Forms::frmProgramsBooks);
        auto *bar = page->findChild<QScrollBar *>(QStringLiteral("VScroll1"));
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(page->findChild<QFrame *>(QStringLiteral("fraContent"))->y(), -20);
    }

    void scrollBarReachesTheLastBlock()
    {
        ShellFixture shell;
        AppWindow *page = windows().OpenPage(Forms::frmProgramsBooks);
        auto *bar = page->findChild<QScrollBar *>(QStringLiteral("VScroll1"));
        auto *view = page->findChild<QFrame *>(QStringLiteral("fraView"));
        auto *content = page->findChild<QFrame *>(QStringLiteral("fraContent"));
        bar->setValue(bar->maximum());
        QVERIFY(content->y() + content->height() <= view->height());
        bar->setValue(bar->maximum() - 1);
        QVERIFY(content->y() + content->height() > view->height());
    }

    void linksGoThroughTheShell()
    {
        ShellFixture shell;
        AppWindow *page = windows().OpenPage(Forms::frmProgramsBooks);
        const catalogue::Product &first = catalogue::current().products.first();
        emit page->findChild<ClickableLabel *>(QStringLiteral("lblWeb1"))->clicked();
        emit page->findChild<ClickableLabel *>(QStringLiteral("lblDownload1"))->clicked();
        emit page->findChild<ClickableLabel *>(QStringLiteral("lblMail1"))->clicked();
        QCOMPARE(shell.os->opened, QStringList({"|" + first.pageUrl, "|" + first.downloadUrl,
                                                "|mailto:" + maker::makerConfig().orderMailbox}));
        QVERIFY(first.pageUrl.startsWith(maker::makerConfig().websiteUrl));
    }

    void labelsAndButtonOpenTheirWindows()
    {
        ShellFixture shell;
        AppWindow *page = windows().OpenPage(Forms::frmProgramsBooks);
        emit page->findChild<ClickableLabel *>(QStringLiteral("lblCompare1"))->clicked();
        QVERIFY(windows().find(Forms::frmProgramComparison));
        windows().ClosePage(Forms::frmProgramComparison);
        emit page->findChild<ClickableLabel *>(QStringLiteral("lblCompare2"))->clicked();
        QVERIFY(windows().find(Forms::frmProgramComparison));
        page->findChild<QPushButton *>(QStringLiteral("cmdPriceList"))->click();
        QVERIFY(windows().find(Forms::frmPriceList));
        page->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
        QVERIFY(!windows().find(Forms::frmProgramsBooks));
    }

    void upgradeAndBonusWindows()
    {
        ShellFixture shell;
        AppWindow *upgrade = windows().OpenPage(Forms::frmUpgradeInfo);
        QCOMPARE(upgrade->windowTitle(), QStringLiteral("Upgrade Information"));
        upgrade->findChild<QPushButton *>(QStringLiteral("cmdWeb"))->click();
        QCOMPARE(shell.os->opened, QStringList{"|" + maker::makerConfig().upgradeUrl});
        upgrade->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
        QVERIFY(!windows().find(Forms::frmUpgradeInfo));
        AppWindow *bonus = windows().OpenPage(Forms::frmBonus);
        QVERIFY(!bonus->findChild<QLabel *>(QStringLiteral("lblText"))->text().isEmpty());
    }

    void comparisonFollowsCatalogueOrder()
    {
        const QByteArray product =
            R"("kind": "Program", "picture": "p.svg", "description": "D.", "download": "")";
        const QByteArray json = R"({"heading": "H", "introduction": "I", "upgrade": "U", "bonus": "B",
            "products":[{"name":"B","page":"b/", )" +
                                product + R"(},{"name":"A","page":"", )" + product + R"(}],
            "comparison":{"features":["x","y"],"marks":{"A":[true,false],"B":[false,true]}}})";
        const content::Parsed<catalogue::Catalogue> parsed = content::parseProductCatalogue(json);
        QCOMPARE(parsed.problem, QString());
        const catalogue::Catalogue c =
            catalogue::resolved(parsed.value, QStringLiteral("https://maker.example/shop/"));
        QCOMPARE(c.products[0].pageUrl, QStringLiteral("https://maker.example/shop/b/"));
        QCOMPARE(c.products[1].pageUrl, QString());
        QCOMPARE(c.marks.size(), 2);
        QCOMPARE(c.marks[0].first, QStringLiteral("B"));
        QCOMPARE(c.marks[0].second, QList<bool>({false, true}));
    }
};

QTEST_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
