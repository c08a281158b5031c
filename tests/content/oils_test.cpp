// The essential-oil pages are built from oils/pages.json alone, so a page that is missing, out of order or
// misnamed there is missing, out of order or misnamed on screen. The file is read by the program's own
// reader.
#include "app/shell/FormId.h"
#include "content/OilBook.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

// A closing remark in brackets may hold commas of its own ("avoid in pregnancy, epilepsy and ..."), so it is
// set aside before the list is split into its entries.
QStringList listEntries(QString text)
{
    text.chop(1); // the full stop
    static const QRegularExpression remark(QStringLiteral(" \\([^()]*\\)$"));
    text.remove(remark);
    return text.split(QStringLiteral(", "));
}

} // namespace

class OilsContentTest : public QObject
{
    Q_OBJECT

    content::OilBook m_book;

    QList<content::OilRow> allRows() const
    {
        QList<content::OilRow> rows;
        for (const content::OilPage &page : m_book.pages)
            for (const content::OilRow &row : page.rows)
                rows << row;
        return rows;
    }

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(CONTENT_DIR "/") + content::OilBookFile);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        content::Parsed<content::OilBook> parsed = content::parseOilBook(file.readAll());
        QVERIFY2(parsed.problem.isEmpty(), qPrintable(parsed.problem));
        m_book = std::move(parsed.value);
        QCOMPARE(m_book.pages.size(), 15u);
    }

    void page_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("1") << 1 << Forms::frmEssentialOils1
                           << QStringList{"Angelica", "Anise",      "Balsam fir (Idaho)",
                                          "Basil",    "Bay laurel", "Benzoin resinoid",
                                          "Bergamot", "Birch"};
        QTest::newRow("2") << 2 << Forms::frmEssentialOils2
                           << QStringList{"Black Pepper", "Cajeput",     "Camphor",   "Caraway",
                                          "Cardamom",     "Carrot seed", "Cedarwood", "Celery seed"};
        QTest::newRow("3") << 3 << Forms::frmEssentialOils3
                           << QStringList{"Chamomile, German", "Chamomile, Roman", "Cinnamon",  "Cistus",
                                          "Citronella",        "Citrus Hystrix",   "Clary Sage"};
        QTest::newRow("4") << 4 << Forms::frmEssentialOils4
                           << QStringList{"Clove",         "Coriander", "Cumin", "Cypress",
                                          "Cypress, blue", "Dill",      "Elemi", "Eucalyptus australiana"};
        QTest::newRow("5") << 5 << Forms::frmEssentialOils5
                           << QStringList{"Eucalyptus citriodora",
                                          "Eucalyptus dives",
                                          "Eucalyptus globulus",
                                          "Eucalyptus polybractea",
                                          "Eucalyptus radiata",
                                          "Everlasting",
                                          "Fennel"};
        QTest::newRow("6") << 6 << Forms::frmEssentialOils6
                           << QStringList{"Fir, Douglas", "Fir, Balsam", "Fir, White", "Fleabane, Canadian",
                                          "Frankincense", "Galbanum",    "Geranium"};
        QTest::newRow("7") << 7 << Forms::frmEssentialOils7
                           << QStringList{"Ginger", "Goldenrod", "Grapefruit", "Helichrysum / Everlasting",
                                          "Hops",   "Hyssop",    "Immortelle"};
        QTest::newRow("8") << 8 << Forms::frmEssentialOils8
                           << QStringList{
                                  "Jasmine", "Juniper", "Lavandin", "Lavender", "Ledum / Labrador tea",
                                  "Lemon"};
        QTest::newRow("9") << 9 << Forms::frmEssentialOils9
                           << QStringList{"Lemongrass",        "Lime",    "Litsea", "Lovage root", "Mandarin",
                                          "Marjoram, Spanish", "Marjoram"};
        QTest::newRow("10") << 10 << Forms::frmEssentialOils91
                            << QStringList{"Melaleuca", "Melissa", "Mountain savory / Savory",
                                           "Mugwort",   "Myrrh",   "Myrtle",
                                           "Neroli"};
        QTest::newRow("11") << 11 << Forms::frmEssentialOils92
                            << QStringList{"Niaouli",   "Nutmeg",  "Orange",   "Oregano",
                                           "Palmarosa", "Parsley", "Patchouli"};
        QTest::newRow("12") << 12 << Forms::frmEssentialOils93
                            << QStringList{"Pennyroyal", "Pepper, black", "Peppermint", "Petitgrain",
                                           "Pimento",    "Pine",          "Ravensara"};
        QTest::newRow("13") << 13 << Forms::frmEssentialOils94
                            << QStringList{"Rose",       "Rosemary", "Rosewood", "Sage",
                                           "Sandalwood", "Savory",   "Spearmint"};
        QTest::newRow("14") << 14 << Forms::frmEssentialOils95
                            << QStringList{"Spikenard",   "Tagetes / French Marigold",
                                           "Spruce",      "Tangerine",
                                           "Tansy, blue", "Tansy, Idaho",
                                           "Tarragon"};
        QTest::newRow("15") << 15 << Forms::frmEssentialOils96
                            << QStringList{"Tea Tree",    "Thyme",  "Valerian",   "Vetiver",
                                           "Wintergreen", "Yarrow", "Ylang ylang"};
    }

    // Pages 10 to 15 keep the window names 91 to 96; their captions and chain buttons are the window
    // catalogue's.
    void page()
    {
        QFETCH(int, number);
        QFETCH(FormId, form);
        QFETCH(QStringList, names);

        const content::OilPage &page = m_book.pages.at(number - 1);
        QCOMPARE(page.form, form.name());
        QCOMPARE(page.heading, QStringLiteral("Essential Oils Quick Reference"));
        QCOMPARE(page.columnHeadings, (QStringList{"Name", "Actions ", "Indications"}));

        QStringList actual;
        for (const content::OilRow &row : page.rows)
            actual << row.name;
        QCOMPARE(actual, names);
    }

    void bookHolds107Rows() { QCOMPARE(allRows().size(), 107); }

    void everyRowIsAComplete_data()
    {
        QTest::addColumn<int>("index");
        const QList<content::OilRow> rows = allRows();
        for (int i = 0; i < rows.size(); ++i)
            QTest::newRow(qPrintable(rows.at(i).name)) << i;
    }

    void everyRowIsAComplete()
    {
        QFETCH(int, index);
        const content::OilRow row = allRows().at(index);
        const QString name = row.name;

        // "Immortelle" is the one row shown without a Latin name.
        const QString botanical = row.botanical;
        static const QRegularExpression latin(
            QStringLiteral("^[A-Z][a-z]+( x)? [a-z]+( (var|subsp)\\. [a-z]+)?$"));
        if (name == u"Immortelle")
            QVERIFY2(botanical.isEmpty(), qPrintable(botanical));
        else
            QVERIFY2(latin.match(botanical).hasMatch(), qPrintable(botanical));

        for (const QString &text : {row.actions, row.indications}) {
            QVERIFY2(text.endsWith(u'.') && !text.endsWith(u".."), qPrintable(text));
            const QStringList entries = listEntries(text);
            QVERIFY2(entries.size() >= 2, qPrintable(text));
            for (const QString &entry : entries)
                QVERIFY2(!entry.isEmpty() && entry.at(0).isUpper() && entry.trimmed() == entry &&
                             !entry.contains(u',') && !entry.contains(u'.'),
                         qPrintable(QStringLiteral("\"%1\" in: %2").arg(entry, text)));
        }
    }

    void multiLineNamesKeepTheirName()
    {
        int shown = 0;
        for (const content::OilRow &row : allRows()) {
            if (row.nameLines.isEmpty())
                continue;
            ++shown;
            const QStringList &lines = row.nameLines;
            QCOMPARE(lines.join(u' '), row.name);
            if (row.name == u"Tagetes / French Marigold")
                QCOMPARE(lines, (QStringList{"Tagetes /", "French Marigold"}));
        }
        QCOMPARE(shown, 1);
    }

    void rowColoursAlternateFromLightPink()
    {
        QCOMPARE(m_book.rowBackgrounds, (QStringList{"#fff0ff", "#ffffff"}));
    }
};

QTEST_GUILESS_MAIN(OilsContentTest)
#include "oils_test.moc"
