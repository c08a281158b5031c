#include "app/shell/ScreenMode.h"

#include <QTest>

class ScreenModeTest : public QObject
{
    Q_OBJECT

private slots:
    void isNormal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("normal");
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("zero with paragraph end") << "0\r\n" << true;
        QTest::newRow("zero between blanks and tabs") << " \t0 \n" << true;
        QTest::newRow("two") << "2" << false;
        QTest::newRow("one") << "1" << false;
        QTest::newRow("negative number") << "-3" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("digit then letters") << "0abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("only a line break") << "\r\n" << false;
        QTest::newRow("zero written as decimal") << "0.0" << true;
    }
    void isNormal()
    {
        QFETCH(QString, text);
        QFETCH(bool, normal);
        QCOMPARE(screenmode::isNormal(text), normal);
    }

    void bareDigit_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("digit");
        QTest::newRow("digit") << QByteArray("0") << "0";
        QTest::newRow("digit and line end") << QByteArray("2\r\n") << "2";
        QTest::newRow("two digits") << QByteArray("20") << "";
        QTest::newRow("rich text") << QByteArray("{\\rtf1 0}") << "";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void bareDigit()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, digit);
        QCOMPARE(screenmode::bareDigit(content), digit);
    }
};

QTEST_APPLESS_MAIN(ScreenModeTest)
#include "ScreenModeTest.moc"
