// The Bach flower remedies page's content: the 38 remedies, the history and references panels and the
// Rescue Remedy sentences.
#include "ReadContent.h"
#include "content/BachTexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// Sentences end with ".", "!" or "?" followed by a blank or the end of the text.
qsizetype sentenceCount(const QString &text)
{
    static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
    return text.count(end);
}

// The text boxes have no scroll bar, so a line must fit the box's width without wrapping.
constexpr qsizetype kMaxPanelLine = 56;

} // namespace

class BachContentTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void remedyNames_data();
    void remedyNames();
    void remedyTexts();
    void panelTexts_data();
    void panelTexts();
    void references();
    void rescueRemedy();

private:
    QList<content::BachRemedy> m_remedies;
};

void BachContentTest::initTestCase()
{
    m_remedies = read(content::BachRemediesFile, &content::parseBachRemedies);
    QCOMPARE(m_remedies.size(), 38);
}

void BachContentTest::remedyNames_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    const char *const left[][2] = {{"Agrimony", "lblAgrimony"},
                                   {"Aspen", "lblAspen"},
                                   {"Beech", "lblBeech"},
                                   {"Centaury", "lblCentaury"},
                                   {"Cerato", "lblCerato"},
                                   {"Cherry Plum", "lblCherryPlum"},
                                   {"Chestnut Bud", "lblChestnutBud"},
                                   {"Chicory", "lblChicory"},
                                   {"Clematis", "lblClematis"},
                                   {"Crab Apple", "lblCrabApple"},
                                   {"Elm", "lblElm"},
                                   {"Gentian", "lblGentian"},
                                   {"Gorse", "lblGorse"},
                                   {"Heather", "lblHeather"},
                                   {"Holly", "lblHolly"},
                                   {"Honeysuckle", "lblHoneysuckle"},
                                   {"Hornbeam", "lblHornbeam"},
                                   {"Impatiens", "lblImpatiens"},
                                   {"Larch", "lblLarch"}};
    const char *const right[][2] = {{"Mimulus", "lblMimulus"},
                                    {"Mustard", "lblMustard"},
                                    {"Oak", "lblOak"},
                                    {"Olive", "lblOlive"},
                                    {"Pine", "lblPine"},
                                    {"Red Chestnut", "lblRedChestnut"},
                                    {"Rock Rose", "lblRockRose"},
                                    {"Rock Water", "lblRockWater"},
                                    {"Scleranthus", "lblScleranthus"},
                                    {"Star of Bethlehem", "lblStarBethlehem"},
                                    {"Sweet Chestnut", "lblSweetChestnut"},
                                    {"Vervain", "lblVervain"},
                                    {"Vine", "lblVine"},
                                    {"Walnut", "lblWalnut"},
                                    {"Water Violet", "lblWaterViolet"},
                                    {"White Chestnut", "lblWhiteChestnut"},
                                    {"Wild Oat", "lblWildOat"},
                                    {"Wild Rose", "lblWildRose"},
                                    {"Willow", "lblWillow"}};
    // The left column first, then the right one: the page puts the first half on the left.
    int index = 0;
    for (const auto &row : left)
        QTest::newRow(row[0]) << index++ << QString::fromLatin1(row[1]);
    for (const auto &row : right)
        QTest::newRow(row[0]) << index++ << QString::fromLatin1(row[1]);
}

void BachContentTest::remedyNames()
{
    QFETCH(int, index);
    QFETCH(QString, label);
    const content::BachRemedy &remedy = m_remedies.at(index);
    QCOMPARE(remedy.name, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(remedy.label, label);
}

void BachContentTest::remedyTexts()
{
    QSet<QString> states;
    QSet<QString> suggestions;
    for (const content::BachRemedy &remedy : std::as_const(m_remedies)) {
        const QString &name = remedy.name;
        const QString &state = remedy.stateOfMind;
        const QString &suggestion = remedy.autosuggestion;
        const QString where = QStringLiteral("%1: \"%2\" / \"%3\"").arg(name, state, suggestion);

        QVERIFY2(state.size() >= 24 && state.size() <= 172, qPrintable(where));
        QVERIFY2(state.endsWith(QLatin1Char('.')), qPrintable(where));
        QVERIFY2(sentenceCount(state) >= 1 && sentenceCount(state) <= 3, qPrintable(where));
        QVERIFY2(suggestion.size() >= 36 && suggestion.size() <= 132, qPrintable(where));
        QVERIFY2(suggestion.endsWith(QLatin1Char('!')), qPrintable(where));
        QVERIFY2(sentenceCount(suggestion) >= 1 && sentenceCount(suggestion) <= 4, qPrintable(where));
        // Labels show one paragraph each.
        QVERIFY2(state == state.simplified() && suggestion == suggestion.simplified(), qPrintable(where));
        QVERIFY2(!states.contains(state) && !suggestions.contains(suggestion), qPrintable(where));
        states.insert(state);
        suggestions.insert(suggestion);
    }
}

void BachContentTest::panelTexts_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("lineCount");
    QTest::newRow("history") << read(content::BachHistoryFile, &content::parseBachHistory) << 803 << 16;
    QTest::newRow("references") << read(content::BachReferencesFile, &content::parseBachReferences) << 571
                                << -1;
}

void BachContentTest::panelTexts()
{
    QFETCH(QStringList, lines);
    QFETCH(int, characters);
    QFETCH(int, lineCount);
    QCOMPARE(lines.join(QStringLiteral("\r\n")).size(), characters);
    if (lineCount >= 0)
        QCOMPARE(lines.size(), lineCount);
    QVERIFY(!lines.isEmpty() && !lines.constFirst().isEmpty() && !lines.constLast().isEmpty());
    for (const QString &line : lines) {
        QVERIFY2(line.size() <= kMaxPanelLine && line == line.trimmed(), qPrintable(line));
        QVERIFY2(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')), qPrintable(line));
    }
}

void BachContentTest::references()
{
    const QString text =
        read(content::BachReferencesFile, &content::parseBachReferences).join(QLatin1Char(' '));
    // Author: title. Publisher, place, year. -- three of them.
    static const QRegularExpression book(
        QStringLiteral("[A-Z][\\w. ]+?: [^:]+?\\. [^,:]+, [^,:]+, (19|20)\\d\\d\\."));
    int books = 0;
    for (auto it = book.globalMatch(text); it.hasNext(); it.next())
        ++books;
    QCOMPARE(books, 3);
    static const QRegularExpression mail(QStringLiteral("[\\w.-]+@([\\w-]+\\.)+(\\w+)"));
    int addresses = 0;
    for (auto it = mail.globalMatch(text); it.hasNext(); ++addresses)
        QCOMPARE(it.next().captured(2), QStringLiteral("example"));
    QCOMPARE(addresses, 3);
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("www\\.[\\w-]+\\.example"))));
}

void BachContentTest::rescueRemedy()
{
    const content::RescueTexts rescue = read(content::RescueFile, &content::parseRescue);
    const QString &combines = rescue.combines;
    const QString &situations = rescue.situations;
    for (const QString &sentence : {combines, situations}) {
        QVERIFY2(sentenceCount(sentence) == 1 && sentence.endsWith(QLatin1Char('.')), qPrintable(sentence));
        // Two lines of the frame's labels at most.
        QVERIFY2(sentence.size() <= 125, qPrintable(sentence));
    }
    QSet<QString> names;
    for (const content::BachRemedy &remedy : std::as_const(m_remedies))
        names.insert(remedy.name);
    for (const char *part : {"Cherry Plum", "Clematis", "Impatiens", "Star of Bethlehem", "Rock Rose"}) {
        QVERIFY2(combines.contains(QLatin1String(part)) && names.contains(QLatin1String(part)), part);
    }
    for (const char *word : {"panic", "shock", "control", "anxiety"})
        QVERIFY2(situations.contains(QLatin1String(word)), word);
}

QTEST_GUILESS_MAIN(BachContentTest)
#include "bach_test.moc"
