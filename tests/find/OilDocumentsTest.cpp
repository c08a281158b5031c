#include "find/logic/OilDocuments.h"

#include "app/shell/FormId.h"

#include <QFile>
#include <QTest>
#include <algorithm>

using namespace find;

// The oil book of the content set as documents of the index.
class OilDocumentsTest : public QObject
{
    Q_OBJECT

    SearchIndex m_index;
    qsizetype m_oils = 0;

private slots:
    void initTestCase()
    {
        QFile f(QStringLiteral(CONTENT_DIR "/") + content::OilBookFile);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const content::Parsed<content::OilBook> book = content::parseOilBook(f.readAll());
        QVERIFY2(book.problem.isEmpty(), qPrintable(book.problem));
        for (const content::OilPage &page : book.value.pages)
            m_oils += qsizetype(page.rows.size());
        for (const Document &document : oilDocuments(book.value))
            m_index.add(document);
    }

    void everyOilIsADocument() { QCOMPARE(m_index.size(), m_oils); }

    void typedOilNamesFindTheOil_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("title");
        QTest::newRow("lavendar") << "lavendar"
                                  << "Lavender";
        QTest::newRow("eucalyptis") << "eucalyptis globulus"
                                    << "Eucalyptus globulus";
        QTest::newRow("rosemarry") << "rosemarry"
                                   << "Rosemary";
        QTest::newRow("botanical name") << "Pimpinella anisum"
                                        << "Anise";
    }
    void typedOilNamesFindTheOil()
    {
        QFETCH(QString, query);
        QFETCH(QString, title);
        const SearchResults results = m_index.search(query);
        QVERIFY2(!results.groups.isEmpty(), qPrintable(query));
        QCOMPARE(results.groups.front().kind, OilsKind);
        const Result &first = results.groups.front().results.front();
        QCOMPARE(first.title, title);
        QVERIFY2(first.target.endsWith(QLatin1Char('#') + title), qPrintable(first.target));
        const QString form = first.target.section(QLatin1Char('#'), 0, 0);
        QVERIFY2(std::any_of(Forms::essentialOilsPages.begin(), Forms::essentialOilsPages.end(),
                             [&](FormId page) { return page.name() == form; }),
                 qPrintable(first.target));
    }
};

QTEST_GUILESS_MAIN(OilDocumentsTest)
#include "OilDocumentsTest.moc"
