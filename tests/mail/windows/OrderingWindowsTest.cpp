#include "ShellFixture.h"
#include "app/shell/AppWindow.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace {

void click(AppWindow *window, const QString &button)
{
    auto *b = window->findChild<QPushButton *>(button);
    if (!b)
        qFatal("no button %s", qPrintable(button));
    b->click();
}

QString labelText(AppWindow *window, const QString &name)
{
    auto *label = window->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

} // namespace

class OrderingWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    // An address box longer than its text shows the start of the address, where it can be read and copied.
    void addressBoxesShowTheStartOfTheAddress_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("box");
        QTest::newRow("ordering information") << Forms::frmOrder << "Text3";
        QTest::newRow("price list") << Forms::frmPriceList << "Text1";
    }
    void addressBoxesShowTheStartOfTheAddress()
    {
        QFETCH(FormId, form);
        QFETCH(QString, box);
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(form);
        auto *address = window->findChild<QLineEdit *>(box);
        QVERIFY(address);
        QVERIFY(address->text().startsWith(QLatin1String("https://")));
        QCOMPARE(address->cursorPosition(), 0);
    }

    void webButtonsOpenTheMakersPages_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("address");
        QTest::newRow("secure web order") << Forms::frmOrder << "cmdWebSite"
                                          << "https://secure.varnholt-publishing.example/order/ambrelis.html";
        QTest::newRow("pricing from the ordering page")
            << Forms::frmOrder << "cmdPricing"
            << "https://www.varnholt-publishing.example/pricing/currencies.html";
        QTest::newRow("pricing from the price list")
            << Forms::frmPriceList << "cmdPricing"
            << "https://www.varnholt-publishing.example/pricing/currencies.html";
    }
    void webButtonsOpenTheMakersPages()
    {
        QFETCH(FormId, window);
        QFETCH(QString, button);
        QFETCH(QString, address);
        ShellFixture shell;
        AppWindow *page = windows().OpenPage(window);
        click(page, button);
        // No verb: the desktop's default action for a web address.
        QCOMPARE(shell.os->opened, QStringList{"|" + address});
        QCOMPARE(windows().openWindows(), QList<FormId>{window});
    }

    void addressesShownForCopying()
    {
        ShellFixture shell;
        const QString pricing =
            QStringLiteral("https://www.varnholt-publishing.example/pricing/currencies.html");
        AppWindow *order = windows().OpenPage(Forms::frmOrder);
        QCOMPARE(order->findChild<QLineEdit *>(QStringLiteral("Text3"))->text(), pricing);
        QCOMPARE(
            order->findChild<QPushButton *>(QStringLiteral("cmdWebSite"))->toolTip(),
            QStringLiteral("Opens Website: https://secure.varnholt-publishing.example/order/ambrelis.html"));
        AppWindow *prices = windows().OpenPage(Forms::frmPriceList);
        QCOMPARE(prices->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), pricing);
        QCOMPARE(prices->findChild<QPushButton *>(QStringLiteral("cmdPricing"))->toolTip(),
                 "Opens Website: " + pricing);
    }

    void buttonsOpenTheirWindows_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<FormId>("target");
        QTest::newRow("order") << Forms::frmOrderRegInfo << "cmdOrder" << Forms::frmOrder;
        QTest::newRow("upgrade") << Forms::frmOrderRegInfo << "cmdUpgrade" << Forms::frmUpgradeInfo;
        QTest::newRow("e-mail order form") << Forms::frmOrder << "cmdSecureOrder" << Forms::frmSecureOrder;
        QTest::newRow("mail order form") << Forms::frmOrder << "cmdFax" << Forms::frmFax;
        QTest::newRow("bonus offer") << Forms::frmPriceList << "cmdBonus" << Forms::frmBonus;
    }
    void buttonsOpenTheirWindows()
    {
        QFETCH(FormId, window);
        QFETCH(QString, button);
        QFETCH(FormId, target);
        ShellFixture shell;
        click(windows().OpenPage(window), button);
        QList<FormId> expected{window, target};
        std::sort(expected.begin(), expected.end());
        QCOMPARE(windows().openWindows(), expected); // in the order of their names
        QVERIFY(windows().find(target)->isVisible());
    }

    void closeUnloadsTheOrderingWindow()
    {
        ShellFixture shell;
        click(windows().OpenPage(Forms::frmOrderRegInfo), QStringLiteral("cmdClose"));
        QVERIFY(windows().openWindows().isEmpty());
    }

    void anOpenOrderFormComesForwardUnchanged()
    {
        ShellFixture shell;
        AppWindow *order = windows().OpenPage(Forms::frmOrder);
        click(order, QStringLiteral("cmdSecureOrder"));
        AppWindow *form = windows().find(Forms::frmSecureOrder);
        form->findChild<QLineEdit *>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("Ada"));
        click(order, QStringLiteral("cmdSecureOrder"));
        QCOMPARE(windows().find(Forms::frmSecureOrder), form);
        QCOMPARE(form->findChild<QLineEdit *>(QStringLiteral("txtFirstName"))->text(), QStringLiteral("Ada"));
    }

    void priceTableListsTheMakersPrograms_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("price");
        QTest::newRow("first") << 1 << "Ambrelis - Essential Oils"
                               << "$18.95";
        QTest::newRow("middle") << 4 << "Reflexology Zones"
                                << "$16.95";
        QTest::newRow("last") << 6 << "Stowkeep Databank (SKP)"
                              << "$9.95";
    }
    void priceTableListsTheMakersPrograms()
    {
        QFETCH(int, row);
        QFETCH(QString, program);
        QFETCH(QString, price);
        ShellFixture shell;
        AppWindow *page = windows().OpenPage(Forms::frmPriceList);
        QCOMPARE(labelText(page, QStringLiteral("lblProgram%1").arg(row)), program);
        QCOMPARE(labelText(page, QStringLiteral("lblProgramPrice%1").arg(row)), price);
        QVERIFY(!page->findChild<QLabel *>(QStringLiteral("lblProgram7")));
    }

    void discountPanelShowsTheBundleAndHidesAgain()
    {
        ShellFixture shell;
        AppWindow *page = windows().OpenPage(Forms::frmPriceList);
        auto *panel = page->findChild<QFrame *>(QStringLiteral("fraPriceCollection"));
        auto *table = page->findChild<QFrame *>(QStringLiteral("fraPrices"));
        QVERIFY(!panel->isVisible());
        QVERIFY(table->isVisible());

        click(page, QStringLiteral("cmdPriceCollection"));
        click(page, QStringLiteral("cmdPriceCollection"));
        QVERIFY(panel->isVisible());
        // 18.95 + 24.95 + 21.95 + 16.95 + 14.95 = 97.75; a quarter off, 24.4375, rounds to 24.44.
        QCOMPARE(labelText(page, QStringLiteral("lblOffer1")), QStringLiteral("Ambrelis - Essential Oils"));
        QCOMPARE(labelText(page, QStringLiteral("lblOfferPrice5")), QStringLiteral("$14.95"));
        QVERIFY(!page->findChild<QLabel *>(QStringLiteral("lblOffer6")));
        QCOMPARE(labelText(page, QStringLiteral("lblDiscountSum")), QStringLiteral("$97.75"));
        QCOMPARE(labelText(page, QStringLiteral("lblDiscountPercent")), QStringLiteral("25% off"));
        QCOMPARE(labelText(page, QStringLiteral("lblDiscountTotal")), QStringLiteral("$73.31"));
        QVERIFY(page->findChild<QPushButton *>(QStringLiteral("cmdClosePriceCollection"))->isVisible());

        click(page, QStringLiteral("cmdClosePriceCollection"));
        QVERIFY(!panel->isVisible());
        QVERIFY(table->isVisible());
        QVERIFY(shell.os->opened.isEmpty());
    }
};

QTEST_MAIN(OrderingWindowsTest)
#include "OrderingWindowsTest.moc"
