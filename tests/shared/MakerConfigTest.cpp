#include "shared/MakerConfig.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QUrl>

class MakerConfigTest final : public QObject
{
    Q_OBJECT

private:
    static QByteArray compiledIn()
    {
        QFile file(QStringLiteral(":/config/maker.json"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QByteArray withKey(const QString &key, const QJsonValue &value)
    {
        QJsonObject root = QJsonDocument::fromJson(compiledIn()).object();
        if (value.isUndefined())
            root.remove(key);
        else
            root.insert(key, value);
        return QJsonDocument(root).toJson();
    }

private slots:
    void compiledInFileIsComplete()
    {
        QString error;
        const std::optional<maker::MakerConfig> parsed = maker::parseMakerConfig(compiledIn(), &error);
        QVERIFY2(parsed.has_value(), qPrintable(error));
        const maker::MakerConfig &config = maker::makerConfig();
        QCOMPARE(config.orderMailbox, parsed->orderMailbox);
        QVERIFY(!config.supportMailbox.isEmpty());
    }

    void onlyReservedExampleDomains()
    {
        const maker::MakerConfig &c = maker::makerConfig();
        for (const QString &mailbox : {c.supportMailbox, c.alternativeSupportMailbox, c.orderMailbox}) {
            QVERIFY2(mailbox.count(u'@') == 1, qPrintable(mailbox));
            QVERIFY2(mailbox.endsWith(QStringLiteral(".example")), qPrintable(mailbox));
        }
        for (const QString &address :
             {c.websiteUrl, c.productPageUrl, c.secureWebOrderUrl, c.pricingUrl, c.upgradeUrl,
              c.companionPageUrl, c.companionDownloadUrl, c.companionMirrorDownloadUrl}) {
            const QUrl url(address, QUrl::StrictMode);
            QVERIFY2(url.isValid() && url.scheme() == QStringLiteral("https"), qPrintable(address));
            QVERIFY2(url.host().endsWith(QStringLiteral(".example")), qPrintable(address));
        }
        QVERIFY(c.companionDownloadUrl.endsWith(QStringLiteral("/SKP.exe")));
        QVERIFY(c.companionMirrorDownloadUrl.endsWith(QStringLiteral("/SKP.exe")));
        QCOMPARE(c.postalAddress.country, QStringLiteral("Canada"));
    }

    void discountOfferSums()
    {
        maker::MakerConfig config;
        config.priceList = {
            {QStringLiteral("A"), 1895}, {QStringLiteral("B"), 2495}, {QStringLiteral("C"), 995}};
        config.discountOffer = {{QStringLiteral("A"), QStringLiteral("B")}, 25};
        QCOMPARE(config.discountSumCents(), 4390);
        QCOMPARE(config.discountTotalCents(), 3292); // 4390 less 1097.5 rounded to 1098
        QCOMPARE(maker::formatDollars(config.discountTotalCents()), QStringLiteral("$32.92"));
    }

    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cents");
        QTest::newRow("two decimals") << "18.95" << 1895;
        QTest::newRow("one decimal") << "9.5" << 950;
        QTest::newRow("whole") << "12" << 1200;
        QTest::newRow("three decimals") << "1.005" << -1;
        QTest::newRow("comma") << "18,95" << -1;
        QTest::newRow("negative") << "-1.00" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(int, cents);
        QCOMPARE(maker::parseCents(text).value_or(-1), cents);
    }

    void formatDollars()
    {
        QCOMPARE(maker::formatDollars(995), QStringLiteral("$9.95"));
        QCOMPARE(maker::formatDollars(1805), QStringLiteral("$18.05"));
        QCOMPARE(maker::formatDollars(0), QStringLiteral("$0.00"));
    }

    void brokenFilesNameTheKey_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("mentioned");
        QTest::newRow("not JSON") << QByteArray("{ nope") << "not a JSON object";
        QTest::newRow("order mailbox missing")
            << withKey("orderMailbox", QJsonValue::Undefined) << "orderMailbox";
        QTest::newRow("support mailbox blank") << withKey("supportMailbox", "  ") << "supportMailbox";
        QTest::newRow("postal address not an object") << withKey("postalAddress", "x") << "postalAddress";
        QTest::newRow("price not an amount")
            << withKey("priceList", QJsonArray{QJsonObject{{"program", "A"}, {"price", "cheap"}}})
            << "priceList[0].price";
        QTest::newRow("discount program not on the list")
            << withKey("discountOffer", QJsonObject{{"programs", QJsonArray{"Nobody"}}, {"percentOff", 10}})
            << "Nobody";
        QTest::newRow("discount percent too large")
            << withKey("discountOffer", QJsonObject{{"programs", QJsonArray{"Ambrelis - Essential Oils"}},
                                                    {"percentOff", 120}})
            << "percentOff";
        // A misspelt key is named even where the key it stands for may be left out.
        QTest::newRow("misspelt top-level key") << withKey("phoneFaks", "1") << "\"phoneFaks\" is not a key";
        QTest::newRow("misspelt key of the address")
            << withKey("postalAddress", QJsonObject{{"street", "s"},
                                                    {"town", "t"},
                                                    {"postalCode", "p"},
                                                    {"country", "c"},
                                                    {"contry", "c"}})
            << "\"postalAddress.contry\" is not a key";
        QTest::newRow("misspelt key of a price row")
            << withKey("priceList",
                       QJsonArray{QJsonObject{
                           {"program", "Ambrelis - Essential Oils"}, {"price", "1"}, {"prise", "2"}}})
            << "\"priceList[0].prise\" is not a key";
        QTest::newRow("misspelt key of the offer")
            << withKey("discountOffer", QJsonObject{{"programs", QJsonArray{"Ambrelis - Essential Oils"}},
                                                    {"percentOff", 10},
                                                    {"percentOf", 10}})
            << "\"discountOffer.percentOf\" is not a key";
    }

    void brokenFilesNameTheKey()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, mentioned);
        QString error;
        QVERIFY(!maker::parseMakerConfig(json, &error).has_value());
        QVERIFY2(error.contains(mentioned), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(MakerConfigTest)
#include "MakerConfigTest.moc"
