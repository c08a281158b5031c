// The essential-oil pages are built from oils/pages.json alone, so a page that is missing, out of order or
// misnamed there is missing, out of order or misnamed on screen.
#include "ContentFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

namespace {

QJsonObject readObject(const QString &relativePath, QString *problem)
{
    return readContentObject(QStringLiteral(CONTENT_DIR "/") + relativePath, problem);
}

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &v : value.toArray())
        list << v.toString();
    return list;
}

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

    QJsonObject m_root;
    QJsonArray m_pages;

    QList<QJsonObject> allRows() const
    {
        QList<QJsonObject> rows;
        for (const QJsonValue &page : m_pages)
            for (const QJsonValue &row : page.toObject().value(u"rows").toArray())
                rows << row.toObject();
        return rows;
    }

private slots:
    void initTestCase()
    {
        QString problem;
        m_root = readObject(QStringLiteral("oils/pages.json"), &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        m_pages = m_root.value(u"pages").toArray();
        QCOMPARE(m_pages.size(), 15);
    }

    void page_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("menuLink");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("1") << 1 << "frmEssentialOils1"
                           << "Angelica - Birch"
                           << QStringList{"Angelica", "Anise",      "Balsam fir (Idaho)",
                                          "Basil",    "Bay laurel", "Benzoin resinoid",
                                          "Bergamot", "Birch"};
        QTest::newRow("2") << 2 << "frmEssentialOils2"
                           << "Black Pepper - Celery seed"
                           << QStringList{"Black Pepper", "Cajeput",     "Camphor",   "Caraway",
                                          "Cardamom",     "Carrot seed", "Cedarwood", "Celery seed"};
        QTest::newRow("3") << 3 << "frmEssentialOils3"
                           << "Chamomile - Clary Sage"
                           << QStringList{"Chamomile, German", "Chamomile, Roman", "Cinnamon",  "Cistus",
                                          "Citronella",        "Citrus Hystrix",   "Clary Sage"};
        QTest::newRow("4") << 4 << "frmEssentialOils4"
                           << "Clove - Eucalyptus australiana"
                           << QStringList{"Clove",         "Coriander", "Cumin", "Cypress",
                                          "Cypress, blue", "Dill",      "Elemi", "Eucalyptus australiana"};
        QTest::newRow("5") << 5 << "frmEssentialOils5"
                           << "Eucalyptus Citriodora - Fennel"
                           << QStringList{"Eucalyptus citriodora",
                                          "Eucalyptus dives",
                                          "Eucalyptus globulus",
                                          "Eucalyptus polybractea",
                                          "Eucalyptus radiata",
                                          "Everlasting",
                                          "Fennel"};
        QTest::newRow("6") << 6 << "frmEssentialOils6"
                           << "Fir, Douglas - Geranium"
                           << QStringList{"Fir, Douglas", "Fir, Balsam", "Fir, White", "Fleabane, Canadian",
                                          "Frankincense", "Galbanum",    "Geranium"};
        QTest::newRow("7") << 7 << "frmEssentialOils7"
                           << "Ginger - Immortelle"
                           << QStringList{"Ginger", "Goldenrod", "Grapefruit", "Helichrysum / Everlasting",
                                          "Hops",   "Hyssop",    "Immortelle"};
        QTest::newRow("8") << 8 << "frmEssentialOils8"
                           << "Jasmine - Lemon"
                           << QStringList{
                                  "Jasmine", "Juniper", "Lavandin", "Lavender", "Ledum / Labrador tea",
                                  "Lemon"};
        QTest::newRow("9") << 9 << "frmEssentialOils9"
                           << "Lemongrass - Marjoram"
                           << QStringList{"Lemongrass",        "Lime",    "Litsea", "Lovage root", "Mandarin",
                                          "Marjoram, Spanish", "Marjoram"};
        QTest::newRow("10") << 10 << "frmEssentialOils91"
                            << "Melaleuca - Neroli"
                            << QStringList{"Melaleuca", "Melissa", "Mountain savory / Savory",
                                           "Mugwort",   "Myrrh",   "Myrtle",
                                           "Neroli"};
        QTest::newRow("11") << 11 << "frmEssentialOils92"
                            << "Niaouli - Patchouli"
                            << QStringList{"Niaouli",   "Nutmeg",  "Orange",   "Oregano",
                                           "Palmarosa", "Parsley", "Patchouli"};
        QTest::newRow("12") << 12 << "frmEssentialOils93"
                            << "Pennyroyal - Ravensara"
                            << QStringList{"Pennyroyal", "Pepper, black", "Peppermint", "Petitgrain",
                                           "Pimento",    "Pine",          "Ravensara"};
        QTest::newRow("13") << 13 << "frmEssentialOils94"
                            << "Rose - Spearmint" << QStringList{"Rose",       "Rosemary", "Rosewood", "Sage",
                                                                 "Sandalwood", "Savory",   "Spearmint"};
        QTest::newRow("14") << 14 << "frmEssentialOils95"
                            << "Spikenard - Tarragon"
                            << QStringList{"Spikenard",   "Tagetes / French Marigold",
                                           "Spruce",      "Tangerine",
                                           "Tansy, blue", "Tansy, Idaho",
                                           "Tarragon"};
        QTest::newRow("15") << 15 << "frmEssentialOils96"
                            << "Tea Tree - Ylang ylang"
                            << QStringList{"Tea Tree",    "Thyme",  "Valerian",   "Vetiver",
                                           "Wintergreen", "Yarrow", "Ylang ylang"};
    }

    // Pages 10 to 15 keep the window names 91 to 96 but are numbered 10 to 15 in their captions.
    void page()
    {
        QFETCH(int, number);
        QFETCH(QString, form);
        QFETCH(QString, menuLink);
        QFETCH(QStringList, names);

        const QJsonObject page = m_pages.at(number - 1).toObject();
        QCOMPARE(page.value(u"number").toInt(), number);
        QCOMPARE(page.value(u"form").toString(), form);
        QCOMPARE(page.value(u"caption").toString(), QStringLiteral("Essential Oils %1/15").arg(number));
        QCOMPARE(page.value(u"menuLink").toString(), menuLink);
        QCOMPARE(page.value(u"heading").toString(), QStringLiteral("Essential Oils Quick Reference"));
        QCOMPARE(strings(page.value(u"columnHeadings")), (QStringList{"Name", "Actions ", "Indications"}));

        QStringList actual;
        for (const QJsonValue &row : page.value(u"rows").toArray())
            actual << row.toObject().value(u"name").toString();
        QCOMPARE(actual, names);

        // The chain buttons walk the book in order; the first page has no "<", the last no ">".
        const QJsonValue previous = page.value(u"previous");
        const QJsonValue next = page.value(u"next");
        if (number == 1)
            QVERIFY(previous.isNull());
        else
            QCOMPARE(previous.toString(), m_pages.at(number - 2).toObject().value(u"form").toString());
        if (number == 15)
            QVERIFY(next.isNull());
        else
            QCOMPARE(next.toString(), m_pages.at(number).toObject().value(u"form").toString());

        // Only the first page replaces its caption with the program title when it loads.
        QCOMPARE(page.value(u"captionAtLoad").toString(),
                 number == 1 ? QStringLiteral("Ambrelis and Essential Oils") : QString());
    }

    void bookHolds107Rows() { QCOMPARE(allRows().size(), 107); }

    void everyRowIsAComplete_data()
    {
        QTest::addColumn<QJsonObject>("row");
        for (const QJsonObject &row : allRows())
            QTest::newRow(qPrintable(row.value(u"name").toString())) << row;
    }

    void everyRowIsAComplete()
    {
        QFETCH(QJsonObject, row);
        const QString name = row.value(u"name").toString();

        // "Immortelle" is the one row shown without a Latin name.
        const QString botanical = row.value(u"botanical").toString();
        static const QRegularExpression latin(
            QStringLiteral("^[A-Z][a-z]+( x)? [a-z]+( (var|subsp)\\. [a-z]+)?$"));
        if (name == u"Immortelle")
            QVERIFY2(botanical.isEmpty(), qPrintable(botanical));
        else
            QVERIFY2(latin.match(botanical).hasMatch(), qPrintable(botanical));

        for (const char16_t *field : {u"actions", u"indications"}) {
            const QString text = row.value(QStringView(field)).toString();
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
        for (const QJsonObject &row : allRows()) {
            if (!row.contains(u"nameLines"))
                continue;
            ++shown;
            const QStringList lines = strings(row.value(u"nameLines"));
            QCOMPARE(lines.join(u' '), row.value(u"name").toString());
            if (row.value(u"name").toString() == u"Tagetes / French Marigold")
                QCOMPARE(lines, (QStringList{"Tagetes /", "French Marigold"}));
        }
        QCOMPARE(shown, 1);
    }

    void rowColoursAlternateFromLightPink()
    {
        QCOMPARE(strings(m_root.value(u"rowBackgrounds")), (QStringList{"#fff0ff", "#ffffff"}));
    }
};

QTEST_GUILESS_MAIN(OilsContentTest)
#include "oils_test.moc"
