#include "mail/logic/CardScramble.h"

#include <QRandomGenerator>
#include <QTest>

class CardScrambleTest final : public QObject
{
    Q_OBJECT

private slots:
    void fixedVectors_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("scrambled");
        // Worked by hand from the offsets 47193058 / 83620417 and the table K#R%Q*M=X@.
        QTest::newRow("leading zeros vanish in the sum") << "0000000100000000"
                                                         << "Q=#@%K*@VX%MRKQ#=";
        QTest::newRow("all zeros") << "0000000000000000"
                                   << "Q=#@%K*XVX%MRKQ#=";
        QTest::newRow("longest result") << "9999999999999999"
                                        << "#Q=#@%K*=V#X%MRKQ#M";
        QTest::newRow("nine-digit first sum only") << "5500000000000004"
                                                   << "#KR#@%K*XVX%MRKQR#";
        QTest::newRow("typical VISA test number") << "4111111111111111"
                                                  << "XX%KQ#M@V@Q=%#*RX";
    }

    void fixedVectors()
    {
        QFETCH(QString, card);
        QFETCH(QString, scrambled);
        QCOMPARE(mail::ScrambleCardNumber(card).value_or(QStringLiteral("(refused)")), scrambled);
        QCOMPARE(mail::UnscrambleCardNumber(scrambled).value_or(QStringLiteral("(refused)")), card);
    }

    void roundTripsRandomNumbers()
    {
        QRandomGenerator random(20101211);
        for (int i = 0; i < 2000; ++i) {
            QString card;
            for (int d = 0; d < 16; ++d)
                card += QChar(u'0' + random.bounded(10));
            const std::optional<QString> scrambled = mail::ScrambleCardNumber(card);
            QVERIFY2(scrambled.has_value(), qPrintable(card));
            QVERIFY2(scrambled->size() >= 17 && scrambled->size() <= 19, qPrintable(*scrambled));
            QVERIFY2(std::none_of(scrambled->begin(), scrambled->end(), [](QChar c) { return c.isDigit(); }),
                     qPrintable(*scrambled));
            QCOMPARE(mail::UnscrambleCardNumber(*scrambled).value_or(QString()), card);
        }
    }

    void symbolTableIsReversible()
    {
        for (std::size_t i = 0; i < mail::kDigitSymbols.size(); ++i) {
            const QChar symbol(mail::kDigitSymbols[i]);
            QVERIFY(!symbol.isDigit());
            QVERIFY(symbol != u'V');
            for (std::size_t j = i + 1; j < mail::kDigitSymbols.size(); ++j)
                QVERIFY(mail::kDigitSymbols[i] != mail::kDigitSymbols[j]);
        }
    }

    void refusesNonCardInput_data()
    {
        QTest::addColumn<QString>("card");
        QTest::newRow("15 digits") << "411111111111111";
        QTest::newRow("17 digits") << "41111111111111112";
        QTest::newRow("pasted letter") << "41111111a1111111";
        QTest::newRow("blank inside") << "4111 11111111111";
        QTest::newRow("arabic-indic digits") << QStringLiteral("٤١١١١١١١١١١١١١١١");
    }

    void refusesNonCardInput()
    {
        QFETCH(QString, card);
        QVERIFY(!mail::ScrambleCardNumber(card).has_value());
    }

    void unscrambleRefusesForeignText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("no V") << "Q=#@%K*@X%MRKQ#=";
        QTest::newRow("two V") << "Q=#@%K*@VX%MRVKQ#=";
        QTest::newRow("digit instead of symbol") << "Q=#@%K*1VX%MRKQ#=";
        QTest::newRow("half too short") << "Q=#@%K*VX%MRKQ#=";
        QTest::newRow("sum below the offset") << "KKKKKKKKVX%MRKQ#=";
        QTest::newRow("sum beyond 8-digit half") << "@@@@@@@@@VX%MRKQ#=";
        QTest::newRow("empty") << "";
    }

    void unscrambleRefusesForeignText()
    {
        QFETCH(QString, text);
        QVERIFY(!mail::UnscrambleCardNumber(text).has_value());
    }
};

QTEST_GUILESS_MAIN(CardScrambleTest)
#include "CardScrambleTest.moc"
