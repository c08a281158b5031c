// A content file that the program's readers cannot read fully is a fault that names the file and the key: a
// misspelt key must fail here with its name, never show an empty label.
#include "content/BaseOilsPanel.h"
#include "content/ContentChecks.h"
#include "content/OilBook.h"
#include "content/ProductCatalogue.h"
#include "content/ReferencePages.h"

#include <QtTest>

class ContentReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void oilBookProblems_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("problem");
        const QByteArray row = R"("name": "Basil", "botanical": "Ocimum basilicum", "actions": "A.", )"
                               R"("indications": "I.")";
        const auto book = [](const QByteArray &page) {
            return R"({"rowBackgrounds": ["#ffffff"], "pages": [)" + page + "]}";
        };
        const auto page = [](const QByteArray &rows, const QByteArray &heading = R"("Heading")") {
            return R"({"form": "frmEssentialOils1", "heading": )" + heading +
                   R"(, "columnHeadings": ["Name"], "rows": [)" + rows + "]}";
        };
        QTest::newRow("complete") << book(page("{" + row + "}")) << QString();
        QTest::newRow("misspelt key in a row")
            << book(page(R"({"name": "Basil", "botanicl": "Ocimum basilicum", "actions": "A.", )"
                         R"("indications": "I."})"))
            << "oils/pages.json: pages[0].rows[0].botanical: missing";
        QTest::newRow("key that nothing reads") << book(page("{" + row + R"(, "caption": "Basil"})"))
                                                << "oils/pages.json: pages[0].rows[0].caption: not a key of "
                                                   "this file (misspelt, or read by nothing)";
        QTest::newRow("text of the wrong type")
            << book(page("{" + row + "}", "12")) << "oils/pages.json: pages[0].heading: not a text";
        QTest::newRow("row that is not an object")
            << book(page(R"("Basil")")) << "oils/pages.json: pages[0].rows[0]: not an object";
        QTest::newRow("missing list")
            << QByteArray(R"({"pages": []})") << "oils/pages.json: rowBackgrounds: missing";
        QTest::newRow("not JSON") << QByteArray("{\"pages\": [") << "oils/pages.json: not a JSON object";
        QTest::newRow("empty") << QByteArray() << "oils/pages.json: missing or empty";
    }

    void oilBookProblems()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, problem);
        const content::Parsed<content::OilBook> parsed = content::parseOilBook(json);
        if (problem.isEmpty()) {
            QCOMPARE(parsed.problem, QString());
            QCOMPARE(parsed.value.pages.size(), 1u);
            QCOMPARE(parsed.value.pages.front().rows.front().botanical, QStringLiteral("Ocimum basilicum"));
        } else {
            QVERIFY2(parsed.problem.startsWith(problem), qPrintable(parsed.problem));
        }
    }

    // The first problem is the one reported, and the rest of the file is still read.
    void readingGoesOnAfterAProblem()
    {
        const content::Parsed<content::BaseOilsPanel> parsed = content::parseBaseOilsPanel(
            R"({"baseOilsPanel": {"introduction": "Intro", "dilution": ["1%"], )"
            R"("measurements": [{"baseOil": "1 teaspoon", "essentialOil": "2 drops"}]}})");
        QCOMPARE(parsed.problem, QStringLiteral("reference/menu.json: baseOilsPanel.dilutions: missing"));
        QCOMPARE(parsed.value.introduction, QStringLiteral("Intro"));
        QCOMPARE(parsed.value.measurements.size(), 1u);
        QCOMPARE(parsed.value.measurements.front().essentialOil, QStringLiteral("2 drops"));
    }

    // The text pages' blocks and the antioxidant values: each kind of value is checked, not only its key.
    void referencePageProblems_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("problem");
        const auto safety = [](const QByteArray &block) {
            return R"({"pages": [{"form": "frmSafety", "blocks": [)" + block + "]}]}";
        };
        QTest::newRow("known kinds") << safety(R"({"kind": "rule", "text": "1. Test.", "indented": ["a"]},)"
                                               R"({"kind": "names", "columns": [["Rue"], ["Tansy"]]})")
                                     << QString();
        QTest::newRow("unknown kind")
            << safety(R"({"kind": "headline", "text": "Safety"})")
            << R"(reference/safety.json: pages[0].blocks[0].kind: not a kind of block: "headline")";
        QTest::newRow("key of another kind")
            << safety(R"({"kind": "line", "text": "A.", "indented": ["b"]})")
            << "reference/safety.json: pages[0].blocks[0].indented: not a key";
        QTest::newRow("names not in columns")
            << safety(R"({"kind": "names", "columns": ["Rue", "Tansy"]})")
            << "reference/safety.json: pages[0].blocks[0].columns: not a list "
               "of lists of texts";
        QTest::newRow("five columns")
            << safety(R"({"kind": "names", "columns": [["a"], ["b"], ["c"], ["d"], ["e"]]})")
            << "reference/safety.json: pages[0].blocks[0].columns: more than 4 columns";
    }

    void referencePageProblems()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, problem);
        const auto parsed = content::parseSafetyPages(json);
        if (problem.isEmpty()) {
            QCOMPARE(parsed.problem, QString());
            QCOMPARE(parsed.value.front().blocks.back().columns, (QList<QStringList>{{"Rue"}, {"Tansy"}}));
        } else {
            QVERIFY2(parsed.problem.startsWith(problem), qPrintable(parsed.problem));
        }
    }

    void antioxidantValueMustBeAWholeNumber()
    {
        const auto parsed = content::parseAntioxidants(
            R"({"heading": "H", "introduction": "I", "study": "S", "foodsIntro": "F", "foods": [],)"
            R"("oils": [{"name": "Clove", "value": "1078700", "text": "1 078 700"}]})");
        QCOMPARE(parsed.problem,
                 QStringLiteral("reference/antioxidants.json: oils[0].value: not a whole number"));
        QCOMPARE(parsed.value.oils.front().name, QStringLiteral("Clove"));
    }

    // Marks are keyed by a program's name: a row for a name the catalogue does not list is misspelt.
    void catalogueMarksNameListedPrograms()
    {
        const auto parsed = content::parseProductCatalogue(
            R"({"heading": "H", "introduction": "I", "upgrade": "U", "bonus": "B", "products": [{"name": "Oils",)"
            R"( "kind": "Program", "picture": "p.svg", "description": "D.", "page": "", "download": ""}],)"
            R"( "comparison": {"features": ["x"], "marks": {"Oils": [true], "Oil": [false]}}})");
        QCOMPARE(parsed.problem,
                 QStringLiteral(
                     "catalogue/catalogue.json: comparison.marks.Oil: not a key of this file (misspelt, "
                     "or read by nothing)"));
        QCOMPARE(parsed.value.marks.size(), 1);
    }

    // The program reads the files compiled into it with the same readers.
    void compiledInFilesReadWithoutAProblem()
    {
        for (const content::ContentCheck &check : content::contentChecks()) {
            QFile compiledIn(QStringLiteral(":/") + check.file);
            QVERIFY2(compiledIn.open(QIODevice::ReadOnly), qPrintable(check.file));
            QCOMPARE(check.problem(compiledIn.readAll()), QString());
        }
        QCOMPARE(content::oilBook().pages.size(), 15u);
    }
};

QTEST_GUILESS_MAIN(ContentReaderTest)
#include "reader_test.moc"
