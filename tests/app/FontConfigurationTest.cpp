#include "app/platform/FontConfiguration.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

class FontConfigurationTest : public QObject
{
    Q_OBJECT

private slots:
    // The family asked for in place of one the system lacks must be the one Qt shows for it anyway, or
    // asking for it by name would change what the windows look like.
    void theFamilyShownIsTheOneQtShows_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("the design's") << QStringLiteral("Times New Roman") << false << false;
        QTest::newRow("the design's, bold italic") << QStringLiteral("Times New Roman") << true << true;
        QTest::newRow("the rich text box's") << QStringLiteral("MS Sans Serif") << false << false;
        QTest::newRow("a fixed pitch") << QStringLiteral("Courier New") << false << false;
        QTest::newRow("an installed one") << QStringLiteral("Liberation Serif") << false << false;
        QTest::newRow("one nobody has") << QStringLiteral("Nonesuch Grotesque 1848") << false << false;
    }

    void theFamilyShownIsTheOneQtShows()
    {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        const QString shown = familyShownFor(family);
        if (QFontDatabase::hasFamily(family)) {
            QCOMPARE(shown, QString());
            return;
        }
        if (shown.isEmpty())
            QSKIP("Qt does not draw text through fontconfig here");
        QVERIFY(QFontDatabase::hasFamily(shown));
        QFont font(family);
        font.setBold(bold);
        font.setItalic(italic);
        QCOMPARE(QFontInfo(font).family(), shown);
    }
};

QTEST_MAIN(FontConfigurationTest)
#include "FontConfigurationTest.moc"
