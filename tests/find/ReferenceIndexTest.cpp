#include "find/logic/ReferenceIndex.h"

#include "find/logic/ActionDocuments.h"
#include "find/logic/IndicationDocuments.h"
#include "find/logic/OilDocuments.h"
#include "find/logic/PageDocuments.h"
#include "find/logic/RemedyDocuments.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace find;

namespace {

// Where a result leads: the form's name, '#', the spot.
QString at(FormId form, const char *spot)
{
    return form.name() + QLatin1Char('#') + QString::fromUtf8(spot);
}

} // namespace

// The index of the whole reference: the content built into the program and a copy of the database the build
// generates, as the Find window builds it.
class ReferenceIndexTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_database;
    ReferenceIndex m_built;

private slots:
    void initTestCase()
    {
        m_database = m_folder.filePath(QStringLiteral("Indications.mdb"));
        QVERIFY(QFile::copy(QStringLiteral(GENERATED_MDB), m_database));
        m_built = buildReferenceIndex(m_database);
        QVERIFY2(m_built.problem.isEmpty(), qPrintable(m_built.problem));
        QVERIFY(m_built.index);
    }

    void everyRecordOfTheDatabaseIsRead()
    {
        const IndicationRecords read = readIndicationRecords(m_database);
        QVERIFY(read.error.isEmpty());
        QCOMPARE(read.records.size(), 251);
        // The oils are the names the page shows, not the stored letters.
        const auto herpes = std::find_if(read.records.begin(), read.records.end(),
                                         [](const IndicationRecord &r) { return r.name == u"Herpes"; });
        QVERIFY(herpes != read.records.end());
        QVERIFY2(herpes->oils.contains(QLatin1String("Melissa")), qPrintable(herpes->oils));
    }

    void aMissingDatabaseIsNamedAndTheRestIsSearched()
    {
        const ReferenceIndex built = buildReferenceIndex(m_folder.filePath(QStringLiteral("absent.mdb")));
        QVERIFY(built.problem.contains(QLatin1String("absent.mdb")));
        QVERIFY(!built.index->search(QStringLiteral("lavender")).groups.isEmpty());
    }

    void firstResultOfEachKind_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("target");
        const auto row = [](const char *name, const char *query, const QString &kind, const char *title,
                            const QString &target) {
            QTest::newRow(name) << QString::fromUtf8(query) << kind << QString::fromUtf8(title) << target;
        };
        row("oil, mistyped", "lavendar", OilsKind, "Lavender", at(Forms::frmEssentialOils8, "Lavender"));
        row("oil, doubled letter", "rosemarry", OilsKind, "Rosemary",
            at(Forms::frmEssentialOils94, "Rosemary"));
        row("indication by name", "insomnia", IndicationsKind, "Insomnia",
            at(Forms::frmIndications, "Insomnia"));
        row("indication, plural typed singular", "cold sore", IndicationsKind, "Cold sores",
            at(Forms::frmIndications, "Cold sores"));
        row("indication by synonym", "sleeplessness", IndicationsKind, "Insomnia",
            at(Forms::frmIndications, "Insomnia"));
        row("indication by a note's words", "adulterated trusted supplier", IndicationsKind, "Herpes",
            at(Forms::frmIndications, "Herpes"));
        row("indication by its method", "sitz bath genital", IndicationsKind, "Herpes",
            at(Forms::frmIndications, "Herpes"));
        row("action", "analgesic", ActionsKind, "Analgesic", at(Forms::frmActions, "Analgesic"));
        row("remedy", "centaury", RemediesKind, "Centaury", at(Forms::frmBachFlowers, "Centaury"));
        row("remedy by its state of mind", "cannot say no", RemediesKind, "Centaury",
            at(Forms::frmBachFlowers, "Centaury"));
        row("remedies' history", "bacteriologist", RemediesKind, "History of the Bach remedies",
            at(Forms::frmBachFlowers, "History"));
        row("safety section", "photosensitizing", PagesKind, "Photosensitizing Oils",
            at(Forms::frmSafety3, "Photosensitizing Oils:"));
        row("information section", "limbic", PagesKind, "How Aromatherapy Works",
            at(Forms::frmInformation, "How Aromatherapy Works"));
        row("base oil", "wheatgerm", PagesKind, "Wheatgerm Oil", at(Forms::frmBaseOils2, "Wheatgerm Oil"));
        row("antioxidant food", "blueberries", PagesKind, "Blueberries",
            at(Forms::frmAntioxidants, "Blueberries"));
    }
    void firstResultOfEachKind()
    {
        QFETCH(QString, query);
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(QString, target);
        const SearchResults results = m_built.index->search(query);
        QVERIFY2(!results.groups.isEmpty(), qPrintable(query));
        QCOMPARE(results.groups.front().kind, kind);
        const Result &first = results.groups.front().results.front();
        QCOMPARE(first.title, title);
        QCOMPARE(first.target, target);
    }

    void aSaveUpdatesTheRecordsItChanged()
    {
        const auto record = [](const char *name, const char *notes) {
            return Document{IndicationsKind,
                            QString::fromUtf8(name),
                            at(Forms::frmIndications, name),
                            {QString::fromUtf8(notes)}};
        };
        const QList<Document> before{record("Acne", "quietly soothing"), record("Bruises", "arnica compress"),
                                     record("Chilblains", "warming massage")};
        const QList<Document> after{record("Acne", "a zanzibarish remark"), // edited
                                    record("Bruising", "arnica compress"),  // renamed
                                    record("Dandruff", "scalp rinse")};     // added; Chilblains deleted
        SearchIndex index;
        index.add({OilsKind,
                   QStringLiteral("Lavender"),
                   at(Forms::frmEssentialOils8, "Lavender"),
                   {QStringLiteral("warming bath")}});
        for (const Document &d : before)
            index.add(d);

        updateSaved(index, before, after);

        const auto firstTarget = [&](const char *query) {
            const SearchResults found = index.search(QString::fromUtf8(query));
            return found.groups.isEmpty() ? QString() : found.groups.front().results.front().target;
        };
        QCOMPARE(firstTarget("zanzibarish"), at(Forms::frmIndications, "Acne"));
        QCOMPARE(firstTarget("quietly"), QString());
        QCOMPARE(firstTarget("arnica"), at(Forms::frmIndications, "Bruising"));
        QCOMPARE(firstTarget("chilblains"), QString());
        QCOMPARE(firstTarget("scalp"), at(Forms::frmIndications, "Dandruff"));
        QCOMPARE(firstTarget("warming"), at(Forms::frmEssentialOils8, "Lavender")); // not the user's
        QCOMPARE(index.size(), 4);
    }
};

QTEST_GUILESS_MAIN(ReferenceIndexTest)
#include "ReferenceIndexTest.moc"
