// Every oil name that the content uses leads to a profile: the rows' own names, the names of the indications'
// oil lists and the names of the actions' oil lists.
#include "ContentFile.h"
#include "app/shell/FormId.h"
#include "content/ActionTexts.h"
#include "content/IndicationRecords.h"
#include "content/OilLinks.h"
#include "pages/actions/ActionText.h"

#include <QtTest>

namespace {

QByteArray sourceFile(const QString &relative)
{
    QFile f(QStringLiteral(CONTENT_DIR "/") + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "where: name" for every name of the list that the table does not know, and the number of names found.
QStringList unresolved(const content::OilLinks &links, const QString &where, const QString &list, int *found)
{
    QStringList missing;
    for (const content::OilMention &m : links.mentionsIn(list)) {
        ++*found;
        if (!m.profile)
            missing << where + QStringLiteral(": ") + list.mid(m.start, m.length);
    }
    return missing;
}

content::OilBook sourceBook()
{
    QFile f(QStringLiteral(CONTENT_DIR "/") + content::OilBookFile);
    return f.open(QIODevice::ReadOnly) ? content::parseOilBook(f.readAll()).value : content::OilBook{};
}

} // namespace

class LinksTest : public QObject
{
    Q_OBJECT

    content::OilBook m_book = sourceBook();
    content::OilLinks m_links{m_book};

private slots:
    // Each row's names, its own and its other ones, lead back to that row.
    void rowsLeadToThemselves()
    {
        QVERIFY(!m_book.pages.empty());
        for (const content::OilPage &page : m_book.pages)
            for (const content::OilRow &row : page.rows)
                for (const QString &name : QStringList{row.name} + row.otherNames)
                    QCOMPARE(m_links.profileOf(name),
                             std::optional(content::OilProfile{page.form, row.name}));
    }

    void everyOilListResolves_data()
    {
        QTest::addColumn<QStringList>("lists"); // "where|list"
        QStringList indications;
        for (const QString &file : content::IndicationRecordFiles) {
            const auto records = content::parseIndicationRecords(file, sourceFile(file));
            QVERIFY2(records.problem.isEmpty(), qPrintable(records.problem));
            for (const content::IndicationRecord &record : records.value)
                indications << record.indications + u'|' + record.oils;
        }
        QTest::newRow("indications") << indications;
        QStringList actions;
        const auto entries = content::parseActions(sourceFile(content::ActionsFile));
        QVERIFY2(entries.problem.isEmpty(), qPrintable(entries.problem));
        for (const content::ActionEntry &entry : entries.value)
            actions << entry.caption + u'|' + actions::oilListLine(entry.oils);
        QTest::newRow("actions") << actions;
    }
    void everyOilListResolves()
    {
        QFETCH(QStringList, lists);
        QVERIFY(lists.size() >= 23);
        QStringList missing;
        for (const QString &item : lists) {
            const qsizetype bar = item.indexOf(u'|');
            int found = 0;
            missing += unresolved(m_links, item.left(bar), item.mid(bar + 1), &found);
            QVERIFY2(found >= 3, qPrintable(item));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no profile for ") + missing.join(u"; ")));
    }

    void mentionsInAList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("mentions"); // the text of each, "?" before a name without a profile
        QTest::newRow("a comma inside a name")
            << "Fir, Balsam, Frankincense" << QStringList{"Fir, Balsam", "Frankincense"};
        QTest::newRow("lines and a full stop") << "Chamomile, Roman\nLavender, Tea tree."
                                               << QStringList{"Chamomile, Roman", "Lavender", "Tea tree"};
        QTest::newRow("the longest name wins")
            << "Cypress, blue, Cypress" << QStringList{"Cypress, blue", "Cypress"};
        QTest::newRow("a name that starts another")
            << "Lemongrass, Lemon" << QStringList{"Lemongrass", "Lemon"};
        QTest::newRow("another name of a row")
            << "Roman chamomile, Sweet marjoram" << QStringList{"Roman chamomile", "Sweet marjoram"};
        QTest::newRow("an unknown name")
            << "Clove, Dragon blood, Dill." << QStringList{"Clove", "?Dragon blood", "Dill"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void mentionsInAList()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, mentions);
        QStringList seen;
        for (const content::OilMention &m : m_links.mentionsIn(list))
            seen << (m.profile ? QString() : QStringLiteral("?")) + list.mid(m.start, m.length);
        QCOMPARE(seen, mentions);
    }

    void aMentionLeadsToItsRow()
    {
        const auto mentions = m_links.mentionsIn(u"Tea tree, Black pepper");
        QCOMPARE(mentions.size(), size_t(2));
        QCOMPARE(mentions[0].profile,
                 std::optional(content::OilProfile{Forms::frmEssentialOils96.name(), "Tea Tree"}));
        QCOMPARE(mentions[1].profile,
                 std::optional(content::OilProfile{Forms::frmEssentialOils2.name(), "Black Pepper"}));
    }
};

QTEST_MAIN(LinksTest)
#include "links_test.moc"
