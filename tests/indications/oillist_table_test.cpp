// The code table is fixed forever by the stored oil lists; these checks hold it to the form those lists rely
// on.
#include "indications/oillist/OilListCoding.h"

#include <QSet>
#include <QtTest>
#include <map>

namespace {

QString codedLetters()
{
    QString letters;
    for (const OilCode &pair : oilCodeTable())
        letters += pair.letter;
    return letters;
}

bool isPunctuation(QChar c)
{
    return c.unicode() > 0x20 && c.unicode() < 0x7f && !c.isLetterOrNumber();
}

enum class Kind { Digits, DigitsAndPunctuation, SinglePunctuation, DigitsAndUncodedLowerCase, Other };

Kind kindOf(QStringView code)
{
    int digits = 0, punctuation = 0, uncodedLower = 0;
    for (QChar c : code) {
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (isPunctuation(c))
            ++punctuation;
        else if (c.isLower() && !codedLetters().contains(c))
            ++uncodedLower;
        else
            return Kind::Other;
    }
    if (digits == code.size())
        return Kind::Digits;
    if (code.size() == 1 && punctuation == 1)
        return Kind::SinglePunctuation;
    if (digits > 0 && punctuation > 0 && uncodedLower == 0)
        return Kind::DigitsAndPunctuation;
    if (digits > 0 && uncodedLower > 0 && punctuation == 0)
        return Kind::DigitsAndUncodedLowerCase;
    return Kind::Other;
}

} // namespace

class OilListTableTest : public QObject
{
    Q_OBJECT

private slots:
    void lettersInTableOrder()
    {
        QCOMPARE(codedLetters(), QStringLiteral("AaBbCcDdEeFfGgHhKkMmNnPpRrSsTtUuWw"));
    }

    void codesAreDifferent()
    {
        QSet<QString> seen;
        for (const OilCode &pair : oilCodeTable()) {
            QVERIFY2(!seen.contains(pair.code.toString()), qPrintable(pair.code.toString()));
            seen.insert(pair.code.toString());
        }
        // Upper and lower case of one letter must not share a code (covered above, stated for the reader).
        for (qsizetype i = 0; i + 1 < qsizetype(oilCodeTable().size()); i += 2)
            QVERIFY(oilCodeTable()[i].code != oilCodeTable()[i + 1].code);
    }

    void codeLengths()
    {
        std::map<qsizetype, int> lengths;
        for (const OilCode &pair : oilCodeTable())
            ++lengths[pair.code.size()];
        const std::map<qsizetype, int> expected{{1, 2}, {2, 4}, {3, 27}, {4, 1}};
        QCOMPARE(lengths, expected);
    }

    void kindsOfCharacters()
    {
        std::map<Kind, int> kinds;
        for (const OilCode &pair : oilCodeTable())
            ++kinds[kindOf(pair.code)];
        const std::map<Kind, int> expected{{Kind::Digits, 23},
                                           {Kind::DigitsAndPunctuation, 8},
                                           {Kind::SinglePunctuation, 2},
                                           {Kind::DigitsAndUncodedLowerCase, 1}};
        QCOMPARE(kinds, expected);

        QSet<QChar> punctuation;
        for (const OilCode &pair : oilCodeTable())
            for (QChar c : pair.code)
                if (isPunctuation(c))
                    punctuation.insert(c);
        QCOMPARE(punctuation.size(), 7);
    }

    void forbiddenCharactersAbsent()
    {
        const QString forbidden = QStringLiteral(" ,.\r\n") + codedLetters();
        for (const OilCode &pair : oilCodeTable())
            for (QChar c : pair.code)
                QVERIFY2(!forbidden.contains(c), qPrintable(pair.code.toString()));
    }

    void noCodeInsideALaterCode()
    {
        const auto &table = oilCodeTable();
        for (size_t i = 0; i < table.size(); ++i)
            for (size_t j = i + 1; j < table.size(); ++j)
                QVERIFY2(!table[j].code.contains(table[i].code),
                         qPrintable(table[i].code.toString() + " inside " + table[j].code.toString()));
    }

    void oneSingleCharacterInsideThreeEarlierCodes()
    {
        const auto &table = oilCodeTable();
        std::map<size_t, int> containers; // later code -> number of earlier codes holding it
        for (size_t j = 0; j < table.size(); ++j)
            for (size_t i = 0; i < j; ++i)
                if (table[i].code.contains(table[j].code))
                    ++containers[j];
        QCOMPARE(containers.size(), size_t(1));
        QCOMPARE(table[containers.begin()->first].code.size(), 1);
        QCOMPARE(containers.begin()->second, 3);
    }

    // Every coded letter is gone from the stored form, the letters without a code are left alone.
    void encodingCoversExactlyTheCodedLetters()
    {
        const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const QString stored = EncodeOilList(alphabet);
        for (QChar c : alphabet)
            QCOMPARE(stored.contains(c), !codedLetters().contains(c));
        QCOMPARE(DecodeOilList(stored), alphabet);
    }
};

QTEST_APPLESS_MAIN(OilListTableTest)
#include "oillist_table_test.moc"
