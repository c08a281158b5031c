#include "find/logic/SearchIndex.h"

#include "find/logic/SearchWords.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>

using namespace find;

namespace {

// A small reference: a few oils, indications, actions and page sections, with the spellings that matter.
SearchIndex sampleIndex()
{
    SearchIndex index;
    const QList<Document> documents{
        {"Oils",
         "Lavender",
         "oil:lavender",
         {"Lavandula angustifolia", "Calming, relaxing; headaches, insomnia, burns",
          "Cautions: low blood pressure"}},
        {"Oils", "Lavandin", "oil:lavandin", {"Lavandula x intermedia", "Muscular aches"}},
        {"Oils", "Eucalyptus", "oil:eucalyptus", {"Eucalyptus globulus", "Colds, catarrh, sinusitis"}},
        {"Oils", "Rosemary", "oil:rosemary", {"Rosmarinus officinalis", "Muscular pain, poor memory"}},
        {"Oils", "Néroli", "oil:neroli", {"Citrus aurantium var. amara", "Anxiety, depression"}},
        {"Oils", "Tea tree", "oil:teatree", {"Melaleuca alternifolia", "Acne, herpes, athlete's foot"}},
        {"Oils", "Cypress", "oil:cypress", {"Cupressus sempervirens", "Haemorrhoids, varicose veins"}},
        {"Indications",
         "Insomnia",
         "indication:insomnia",
         {"Lavender, Neroli", "Bath", "A warm bath before bed, six drops in a spoon of milk"}},
        {"Indications", "Herpes", "indication:herpes", {"Tea tree, Melissa", "Neat", "At the first tingle"}},
        {"Indications", "Headache", "indication:headache", {"Lavender, Peppermint", "Compress", ""}},
        {"Indications", "Oedema", "indication:oedema", {"Cypress, Juniper", "Massage", ""}},
        {"Indications", "Inflammation", "indication:inflammation", {"Chamomile", "Compress", ""}},
        {"Actions",
         "Anti-inflammatory",
         "action:antiinflammatory",
         {"Reduces inflammatory swelling of tissue."}},
        {"Actions", "Sedative", "action:sedative", {"Quiets the nerves and brings sleep."}},
        {"Pages",
         "Storing oils",
         "page:storing",
         {"Oils keep for years in the dark. A change of colour or odour shows that an oil has spoiled; then "
          "it is best thrown away, because an oxidised oil may sensitise the skin of those who use it often. "
          "Store them cool, upright and tightly closed, in brown glass, out of the reach of children."}},
    };
    for (const Document &d : documents)
        index.add(d);
    return index;
}

QString marked(const Snippet &snippet, qsizetype i)
{
    return snippet.text.mid(snippet.marks[i].first, snippet.marks[i].second);
}

} // namespace

class SearchIndexTest : public QObject
{
    Q_OBJECT

private slots:
    void sameTerm_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("plural") << "headaches"
                                << "headache" << true;
        QTest::newRow("plural in -ies") << "allergies"
                                        << "allergy" << true;
        QTest::newRow("derived noun and past") << "inflammation"
                                               << "inflamed" << true;
        QTest::newRow("derived adjective") << "inflammatory"
                                           << "inflammations" << true;
        QTest::newRow("verb form") << "relaxing"
                                   << "relaxation" << true;
        QTest::newRow("accents and case") << "Néroli"
                                          << "neroli" << true;
        QTest::newRow("-our") << "colour"
                              << "color" << true;
        QTest::newRow("-ise") << "sensitised"
                              << "sensitized" << true;
        QTest::newRow("oe") << "oedema"
                            << "edema" << true;
        QTest::newRow("ae") << "haemorrhoids"
                            << "hemorrhoids" << true;
        QTest::newRow("oea") << "diarrhoea"
                             << "diarrhea" << true;
        QTest::newRow("-tre") << "centre"
                              << "center" << true;
        QTest::newRow("-us is no plural") << "eucalyptus"
                                          << "eucalyptu" << false;
        QTest::newRow("short words keep -our") << "four"
                                               << "for" << false;
        QTest::newRow("different words") << "lavender"
                                         << "lavandin" << false;
    }
    void sameTerm()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(termOf(foldWord(a)) == termOf(foldWord(b)), same);
    }

    void editDistance_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("toBeginning"); // until a is the beginning of b
        QTest::newRow("equal") << "rose"
                               << "rose" << 0 << 0;
        QTest::newRow("replaced") << "lavendar"
                                  << "lavender" << 1 << 1;
        QTest::newRow("doubled") << "rosemarry"
                                 << "rosemary" << 1 << 1;
        QTest::newRow("swapped neighbours") << "lavedner"
                                            << "lavender" << 1 << 1;
        QTest::newRow("one in a long word") << "eucalyptis"
                                            << "eucalyptos" << 1 << 1;
        QTest::newRow("over the limit") << "lavender"
                                        << "cypress" << 3 << 3;
        QTest::newRow("lengths too far apart") << "tea"
                                               << "eucalyptus" << 3 << 2;
        QTest::newRow("a beginning") << "lave"
                                     << "lavender" << 3 << 0;
        QTest::newRow("a beginning, mistyped") << "lavenda"
                                               << "lavender" << 2 << 1;
        QTest::newRow("a beginning, swapped at its end") << "lavne"
                                                         << "lavender" << 3 << 1;
        QTest::newRow("longer than the word") << "lavenderoil"
                                              << "lavender" << 3 << 3;
    }
    void editDistance()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, distance);
        QFETCH(int, toBeginning);
        QCOMPARE(find::editDistance(a, b, 2), distance);
        QCOMPARE(find::prefixEditDistance(a, b, 2), toBeginning);
    }

    void firstResult_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("name") << "lavender"
                              << "Oils"
                              << "Lavender";
        QTest::newRow("upper case") << "LAVENDER "
                                    << "Oils"
                                    << "Lavender";
        QTest::newRow("typo: a for e") << "lavendar"
                                       << "Oils"
                                       << "Lavender";
        QTest::newRow("typo: i for u") << "eucalyptis"
                                       << "Oils"
                                       << "Eucalyptus";
        QTest::newRow("typo: doubled letter") << "rosemarry"
                                              << "Oils"
                                              << "Rosemary";
        QTest::newRow("without accent") << "neroli"
                                        << "Oils"
                                        << "Néroli";
        QTest::newRow("botanical name") << "lavandula angustifolia"
                                        << "Oils"
                                        << "Lavender";
        QTest::newRow("two words") << "tea tree"
                                   << "Oils"
                                   << "Tea tree";
        QTest::newRow("being typed") << "laven"
                                     << "Oils"
                                     << "Lavender";
        QTest::newRow("being typed, mistyped") << "lavenda"
                                               << "Oils"
                                               << "Lavender";
        QTest::newRow("plural") << "headaches"
                                << "Indications"
                                << "Headache";
        QTest::newRow("derived form") << "inflamed"
                                      << "Indications"
                                      << "Inflammation";
        QTest::newRow("American for British") << "edema"
                                              << "Indications"
                                              << "Oedema";
        QTest::newRow("American in a text") << "hemorrhoids"
                                            << "Oils"
                                            << "Cypress";
        QTest::newRow("-or for -our") << "color"
                                      << "Pages"
                                      << "Storing oils";
        QTest::newRow("-ize for -ise") << "sensitize"
                                       << "Pages"
                                       << "Storing oils";
        QTest::newRow("synonym") << "sleeplessness"
                                 << "Indications"
                                 << "Insomnia";
        QTest::newRow("synonym of two words") << "cold sore"
                                              << "Indications"
                                              << "Herpes";
        QTest::newRow("synonym with an apostrophe") << "can't sleep"
                                                    << "Indications"
                                                    << "Insomnia";
        QTest::newRow("a note's text") << "warm bath"
                                       << "Indications"
                                       << "Insomnia";
        QTest::newRow("an action's text") << "tissues"
                                          << "Actions"
                                          << "Anti-inflammatory";
    }
    void firstResult()
    {
        QFETCH(QString, query);
        QFETCH(QString, kind);
        QFETCH(QString, title);
        const SearchResults results = sampleIndex().search(query);
        QVERIFY2(!results.groups.isEmpty(), qPrintable(query));
        QCOMPARE(results.groups.front().kind, kind);
        QCOMPARE(results.groups.front().results.front().title, title);
        QVERIFY(results.suggestion.isEmpty());
    }

    void groupsByKindBestFirst()
    {
        const SearchResults results = sampleIndex().search(QStringLiteral("lavender"));
        QCOMPARE(results.groups.size(), 2);
        QCOMPARE(results.groups[0].kind, QStringLiteral("Oils"));
        QCOMPARE(results.groups[0].results.size(), 1);
        QCOMPARE(results.groups[0].results[0].target, QStringLiteral("oil:lavender"));
        QCOMPARE(results.groups[1].kind, QStringLiteral("Indications"));
        QStringList titles;
        for (const Result &r : results.groups[1].results)
            titles.append(r.title);
        QCOMPARE(titles, (QStringList{"Headache", "Insomnia"}));
    }

    // A record the user edited is found by its new text only, and a removed one not at all.
    void anEditedRecordIsFoundByItsNewText()
    {
        SearchIndex index = sampleIndex();
        const qsizetype before = index.size();
        index.replace(
            QStringLiteral("indication:herpes"),
            {"Indications", "Herpes", "indication:herpes", {"Tea tree", "Neat", "Dab on with a cotton bud"}});
        QCOMPARE(index.size(), before);
        const SearchResults edited = index.search(QStringLiteral("cotton bud"));
        QVERIFY(!edited.groups.isEmpty());
        QCOMPARE(edited.groups.front().results.front().target, QStringLiteral("indication:herpes"));
        QVERIFY(index.search(QStringLiteral("tingle")).groups.isEmpty());
        QCOMPARE(index.search(QStringLiteral("cold sore")).groups.front().results.front().title,
                 QStringLiteral("Herpes"));

        index.remove(QStringLiteral("indication:herpes"));
        QCOMPARE(index.size(), before - 1);
        const SearchResults removed = index.search(QStringLiteral("herpes"));
        for (const ResultGroup &g : removed.groups) {
            for (const Result &r : g.results)
                QVERIFY2(r.target != QLatin1String("indication:herpes"), qPrintable(r.title));
        }
        // A target not yet known is added.
        index.replace(QStringLiteral("indication:new"),
                      {"Indications", "Chilblains", "indication:new", {"Ginger"}});
        QCOMPARE(index.search(QStringLiteral("chilblain")).groups.front().results.front().target,
                 QStringLiteral("indication:new"));
    }

    void allWordsMustMatch()
    {
        const SearchResults r = sampleIndex().search(QStringLiteral("lavender juniper"));
        QVERIFY2(r.groups.isEmpty(), qPrintable(r.groups.value(0).results.value(0).title));
    }

    // A word being typed can already be longer than its word's term ("inhalat" of "inhalation", term
    // "inhal"): it is still the start of that word, not a typo of something else.
    void aWordCutShortPastItsTermIsStillAPrefix()
    {
        SearchIndex index;
        index.add({"Indications", "Catarrh", "indication:catarrh", {"Steam inhalation, twice a day"}});
        index.add({"Indications", "Chilblains", "indication:chilblains", {"A warm hand bath"}});
        const SearchResults r = index.search(QStringLiteral("inhalat"));
        QCOMPARE(r.groups.size(), 1);
        QCOMPARE(r.groups.front().results.front().target, QStringLiteral("indication:catarrh"));
        QCOMPARE(r.groups.front().results.front().score,
                 index.search(QStringLiteral("inha")).groups.front().results.front().score);
    }

    // "cold" is a word of the reference, so it is not also read as a typo of "hold"; a word the reference
    // lacks still is ("colt").
    void aWordTheReferenceHasIsNotReadAsATypo()
    {
        SearchIndex index;
        index.add({"Indications", "Cold sores", "indication:coldsores", {"Dab on at the first tingle"}});
        index.add({"Indications", "Impetigo", "indication:impetigo", {"A compress holding two drops"}});
        for (const char *query : {"cold", "cold "}) {
            const SearchResults r = index.search(QString::fromLatin1(query));
            QCOMPARE(r.groups.size(), 1);
            QCOMPARE(r.groups.front().results.size(), 1);
            QCOMPARE(r.groups.front().results.front().target, QStringLiteral("indication:coldsores"));
        }
        const SearchResults typo = index.search(QStringLiteral("colt "));
        QVERIFY(!typo.groups.isEmpty());
        QCOMPARE(typo.groups.front().results.front().target, QStringLiteral("indication:coldsores"));
    }

    // The words that two letters being typed begin are looked for in titles only; the third letter brings the
    // text in. The two letters as a word of their own are found anywhere ("cannot say no").
    void aTwoLetterWordBeingTypedFindsTitles_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("found");
        QTest::newRow("title, two letters") << "he"
                                            << "indication:herpes" << true;
        QTest::newRow("text only, two letters") << "he"
                                                << "oil:lavender" << false;
        QTest::newRow("text only, three letters") << "hea"
                                                  << "oil:lavender" << true;
        QTest::newRow("nothing but text, two letters") << "ca"
                                                       << "oil:lavender" << false;
        QTest::newRow("nothing but text, three letters") << "cal"
                                                         << "oil:lavender" << true;
        QTest::newRow("second word, two letters") << "bath wa"
                                                  << "indication:insomnia" << false;
        QTest::newRow("second word, three letters") << "bath war"
                                                    << "indication:insomnia" << true;
        QTest::newRow("two-letter word being typed, as a word") << "an"
                                                                << "page:storing" << true;
        QTest::newRow("finished two-letter word") << "an "
                                                  << "page:storing" << true;
    }

    void aTwoLetterWordBeingTypedFindsTitles()
    {
        QFETCH(QString, query);
        QFETCH(QString, target);
        QFETCH(bool, found);
        static const SearchIndex index = sampleIndex();
        bool there = false;
        for (const ResultGroup &g : index.search(query).groups) {
            for (const Result &r : g.results)
                there = there || r.target == target;
        }
        QCOMPARE(there, found);
    }

    // Two letters begin many words of the text; the titles they begin must not give way to them.
    void twoLettersFindATitleAmongManyCommonWordsOfTheText()
    {
        SearchIndex index;
        QStringList common;
        for (char a = 'a'; a <= 'f'; ++a) {
            for (char b = 'a'; b <= 'f'; ++b)
                common.append(QStringLiteral("ca%1%2ble").arg(QLatin1Char(a)).arg(QLatin1Char(b)));
        }
        for (int i = 0; i < 40; ++i)
            index.add({"Pages",
                       QStringLiteral("Page %1").arg(i),
                       QStringLiteral("page:%1").arg(i),
                       {common.join(QLatin1Char(' '))}});
        index.add({"Oils", "Cajeput", "oil:cajeput", {"Melaleuca cajuputi"}});
        const SearchResults results = index.search(QStringLiteral("ca"));
        QVERIFY(!results.groups.isEmpty());
        QCOMPARE(results.groups.front().results.front().target, QStringLiteral("oil:cajeput"));
    }

    void snippetMarksTheMatch()
    {
        const SearchIndex index = sampleIndex();
        const SearchResults results = index.search(QStringLiteral("headache"));
        const auto &oils =
            *std::find_if(results.groups.cbegin(), results.groups.cend(),
                          [](const ResultGroup &g) { return g.kind == QLatin1String("Oils"); });
        const Snippet s = index.snippet(oils.results.front(), results);
        QCOMPARE(s.text, QStringLiteral("Calming, relaxing; headaches, insomnia, burns"));
        QCOMPARE(s.marks.size(), 1);
        QCOMPARE(marked(s, 0), QStringLiteral("headaches"));
    }

    void longTextIsCutAroundTheMatch()
    {
        const SearchIndex index = sampleIndex();
        const SearchResults results = index.search(QStringLiteral("oxidized"));
        QVERIFY(!results.groups.isEmpty());
        const Snippet s = index.snippet(results.groups.front().results.front(), results);
        QVERIFY2(s.text.startsWith(QStringLiteral("\u2026")), qPrintable(s.text));
        QVERIFY2(s.text.endsWith(QStringLiteral("\u2026")), qPrintable(s.text));
        QVERIFY(s.text.size() < 140);
        QCOMPARE(s.marks.size(), 1);
        QCOMPARE(marked(s, 0), QStringLiteral("oxidised"));
    }

    // A list asks for a result's snippet when it shows the row, which may be after the user saved a record:
    // the snippet then reads the record as it is now, and one removed has none.
    void aSnippetAskedAfterAnEditReadsTheRecordAsItIsNow()
    {
        SearchIndex index = sampleIndex();
        const SearchResults results = index.search(QStringLiteral("tingle"));
        QCOMPARE(results.groups.size(), 1);
        const Result herpes = results.groups.front().results.front();
        QCOMPARE(herpes.target, QStringLiteral("indication:herpes"));

        index.replace(herpes.target, {"Indications",
                                      "Herpes",
                                      "indication:herpes",
                                      {"Tea tree", "Neat", "A brand new word, then the tingle again"}});
        const Snippet edited = index.snippet(herpes, results);
        QCOMPARE(edited.text, QStringLiteral("A brand new word, then the tingle again"));
        QCOMPARE(edited.marks.size(), 1);
        QCOMPARE(marked(edited, 0), QStringLiteral("tingle"));

        index.remove(herpes.target);
        const Snippet removed = index.snippet(herpes, results);
        QVERIFY(removed.text.isEmpty());
        QVERIFY(removed.marks.isEmpty());
    }

    void nothingFoundSuggestsASpelling_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("suggestion");
        QTest::newRow("too far for a typo") << "lawendr"
                                            << "lavender";
        QTest::newRow("one word of two") << "cyprss insomnai"
                                         << "cypress insomnia";
        QTest::newRow("nothing near") << "xqzwv"
                                      << "";
        QTest::newRow("blank") << "  "
                               << "";
    }
    void nothingFoundSuggestsASpelling()
    {
        QFETCH(QString, query);
        QFETCH(QString, suggestion);
        const SearchResults results = sampleIndex().search(query);
        QVERIFY(results.groups.isEmpty());
        QCOMPARE(results.suggestion, suggestion);
    }

    // Search-as-you-type over an index the size of the reference: the figures are printed, not asserted.
    void speedOfAThousandDocuments()
    {
        const QStringList vocabulary = QStringLiteral("lavender rosemary eucalyptus peppermint chamomile "
                                                      "cypress juniper geranium bergamot lemon orange "
                                                      "neroli rose jasmine sandalwood frankincense myrrh "
                                                      "patchouli vetiver ylang tea tree clary sage "
                                                      "headache insomnia anxiety depression cold cough "
                                                      "catarrh sinusitis burns acne eczema psoriasis "
                                                      "cramps rheumatism arthritis oedema haemorrhoids "
                                                      "varicose nausea indigestion flatulence massage "
                                                      "bath compress inhalation neat dilute drops carrier "
                                                      "almond jojoba sensitise skin caution pregnancy")
                                           .split(QLatin1Char(' '));
        SearchIndex index;
        for (int i = 0; i < 1000; ++i) {
            QStringList text;
            for (int w = 0; w < 60; ++w)
                text.append(vocabulary[(i * 7 + w * 13 + w * w) % vocabulary.size()]);
            index.add({QStringLiteral("Kind%1").arg(i % 5),
                       vocabulary[i % vocabulary.size()] + QString::number(i),
                       QString::number(i),
                       {text.join(QLatin1Char(' '))}});
        }
        const QStringList typed{
            "l",         "la",         "lav",       "lave",       "laven",         "lavend",   "lavendar",
            "headaches", "cold cough", "rosemarry", "eucalyptis", "sleeplessness", "clary sa", "xqzwv"};
        std::vector<qint64> times;
        for (int round = 0; round < 15; ++round) {
            for (const QString &q : typed) {
                QElapsedTimer timer;
                timer.start();
                const SearchResults r = index.search(q);
                times.push_back(timer.nsecsElapsed());
                QVERIFY2(!r.groups.isEmpty() || q == QLatin1String("xqzwv") || q == QLatin1String("l"),
                         qPrintable(q));
            }
        }
        std::sort(times.begin(), times.end());
        qInfo("%zu searches over %lld documents: median %.2f ms, worst %.2f ms", times.size(),
              static_cast<long long>(index.size()), times[times.size() / 2] / 1e6, times.back() / 1e6);
    }
};

QTEST_GUILESS_MAIN(SearchIndexTest)
#include "SearchIndexTest.moc"
