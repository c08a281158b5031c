#include "indications/oillist/OilListCoding.h"

#include <QRandomGenerator>
#include <QtTest>
#include <vector>

namespace {

// A made-up table given as text "x=aba y=b", for rules that the real table (built to avoid such clashes)
// cannot show.
struct SmallTable
{
    QStringList codes;
    std::vector<OilCode> pairs;

    explicit SmallTable(const QString &spec)
    {
        const QStringList items = spec.split(u' ', Qt::SkipEmptyParts);
        for (const QString &item : items)
            codes << item.mid(2);
        for (qsizetype i = 0; i < items.size(); ++i)
            pairs.push_back(OilCode{items[i].at(0), QStringView(codes[i])});
    }
};

// Every character a display list may hold: the coded letters, some letters without a code, the separators.
QString displayAlphabet()
{
    QString alphabet;
    for (const OilCode &pair : oilCodeTable())
        alphabet += pair.letter;
    return alphabet + QStringLiteral("iqLY ,/()\r\n");
}

} // namespace

class OilListCodingTest : public QObject
{
    Q_OBJECT

private slots:
    void encode_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("stored");
        QTest::newRow("upper case A") << "A"
                                      << "415";
        QTest::newRow("lower case a") << "a"
                                      << "2%0";
        QTest::newRow("single-character codes") << "tN"
                                                << "#@";
        QTest::newRow("one word") << "Rose"
                                  << "650o70061";
        QTest::newRow("two words") << "Tea Tree"
                                   << "351612%0 351856161";
        QTest::newRow("only the last letter coded") << "Lily, oxlip"
                                                    << "Lily, oxli#51";
        QTest::newRow("lines kept") << "Pine,\r\nThyme"
                                    << "9*1i90061,\r\n35195y40061";
    }
    void encode()
    {
        QFETCH(QString, display);
        QFETCH(QString, stored);
        QCOMPARE(EncodeOilList(display), stored);
        QCOMPARE(DecodeOilList(stored), display);
    }

    // Stored texts that no encoder produced still decode by the plain rules.
    void decodeRules_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("display");
        QTest::newRow("earlier code holding a later one is read first") << "#05 #10 #51"
                                                                        << "C g p";
        QTest::newRow("the held code alone") << "# ## #0"
                                             << "t tt t0";
        QTest::newRow("earlier code across a boundary wins") << "3615"
                                                             << "3e5";
        QTest::newRow("scan resumes behind each match") << "303030"
                                                        << "bbb";
        QTest::newRow("four-character code, then a digit") << "71500"
                                                           << "f0";
        QTest::newRow("case of a code letter must match") << "6Q5 6q5"
                                                          << "6Q5 S";
        QTest::newRow("one digit off is no code") << "416 2%1 3=6"
                                                  << "416 2%1 3=6";
        QTest::newRow("other text kept") << "IVY; 123 & 0"
                                         << "IVY; 123 & 0";
    }
    void decodeRules()
    {
        QFETCH(QString, stored);
        QFETCH(QString, display);
        QCOMPARE(DecodeOilList(stored), display);
    }

    void replacementRules_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("decode");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("matches do not overlap") << "x=aba" << true << "ababa"
                                                << "xba";
        QTest::newRow("left to right") << "x=aa" << true << "aaa"
                                       << "xa";
        QTest::newRow("decoded letter not read again") << "a=ab" << true << "abb"
                                                       << "ab";
        QTest::newRow("encoded code not read again") << "a=ab" << false << "aa"
                                                     << "abab";
        QTest::newRow("table order: long code first") << "x=ab y=b" << true << "abb"
                                                      << "xy";
        QTest::newRow("table order: short code first") << "y=b x=ab" << true << "abb"
                                                       << "ayy";
        QTest::newRow("later pair reads earlier output") << "a=b b=c" << false << "ab"
                                                         << "cc";
        QTest::newRow("case sensitive") << "x=ab" << true << "AB aB ab"
                                        << "AB aB x";
    }
    void replacementRules()
    {
        QFETCH(QString, table);
        QFETCH(bool, decode);
        QFETCH(QString, input);
        QFETCH(QString, output);
        const SmallTable small(table);
        QCOMPARE(
            applyOilCodes(input, small.pairs, decode ? OilCodeDirection::Decode : OilCodeDirection::Encode),
            output);
    }

    void unchangedTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters without a code") << "IVY, JOLLY";
        QTest::newRow("lower-case letters without a code") << "lily, oxlizy";
        QTest::newRow("line breaks only") << "\r\n\r\n";
    }
    void unchangedTexts()
    {
        QFETCH(QString, text);
        QCOMPARE(EncodeOilList(text), text);
        QCOMPARE(DecodeOilList(text), text);
    }

    void lineBreaksKeepTheirPlaces()
    {
        const QString display = QStringLiteral("Lavender, Tea Tree\r\nChamomile, Roman\r\n\r\nMyrrh");
        const QString stored = EncodeOilList(display);
        const QStringList storedLines = stored.split(QStringLiteral("\r\n"));
        const QStringList displayLines = display.split(QStringLiteral("\r\n"));
        QCOMPARE(storedLines.size(), displayLines.size());
        for (qsizetype i = 0; i < displayLines.size(); ++i)
            QCOMPARE(storedLines[i], EncodeOilList(displayLines[i]));
        QCOMPARE(DecodeOilList(stored), display);
    }

    void secondEncodeChangesNothing()
    {
        const QString stored = EncodeOilList(displayAlphabet() + QStringLiteral(" Ylang ylang, Wintergreen"));
        QCOMPARE(EncodeOilList(stored), stored);
    }

    void upperAndLowerCaseDiffer()
    {
        for (const QString &word :
             {QStringLiteral("Sage"), QStringLiteral("Thyme"), QStringLiteral("Pine")}) {
            const QString other = word.front().toLower() + word.mid(1);
            QVERIFY(EncodeOilList(word) != EncodeOilList(other));
            QCOMPARE(DecodeOilList(EncodeOilList(other)), other);
        }
    }

    // Codes side by side must never form another code across their boundary: every text of up to three
    // display characters comes back unchanged.
    void everyShortTextRoundTrips()
    {
        const QString alphabet = displayAlphabet();
        QString text(3, QChar());
        for (QChar a : alphabet) {
            QCOMPARE(DecodeOilList(EncodeOilList(QString(a))), QString(a));
            for (QChar b : alphabet) {
                const QString pair = QString(a) + b;
                QCOMPARE(DecodeOilList(EncodeOilList(pair)), pair);
                for (QChar c : alphabet) {
                    text[0] = a;
                    text[1] = b;
                    text[2] = c;
                    if (DecodeOilList(EncodeOilList(text)) != text)
                        QFAIL(qPrintable(QStringLiteral("no round trip for \"%1\"").arg(text)));
                }
            }
        }
    }

    void longRandomTextsRoundTrip()
    {
        const QString alphabet = displayAlphabet();
        QRandomGenerator random(20240611);
        for (int n = 0; n < 3000; ++n) {
            QString text;
            const int length = random.bounded(1, 60);
            for (int i = 0; i < length; ++i)
                text += alphabet.at(random.bounded(int(alphabet.size())));
            if (DecodeOilList(EncodeOilList(text)) != text)
                QFAIL(qPrintable(QStringLiteral("no round trip for \"%1\"").arg(text)));
        }
    }
};

QTEST_APPLESS_MAIN(OilListCodingTest)
#include "oillist_coding_test.moc"
