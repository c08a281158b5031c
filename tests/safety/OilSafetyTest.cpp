// The safety table loader: a figure without its source is refused with the file's name, and the person check
// bars exactly the groups an oil's cautions name.
#include "safety/OilSafety.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace safety;

namespace {

QString writeTable(const QTemporaryDir &dir, const QByteArray &json)
{
    const QString path = dir.filePath(QStringLiteral("oils.json"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(json) != json.size())
        return {};
    return path;
}

OilSafety oilWith(std::vector<Caution> cautions)
{
    OilSafety oil;
    oil.name = QStringLiteral("Test oil");
    oil.cautions = std::move(cautions);
    return oil;
}

} // namespace

class OilSafetyTest : public QObject
{
    Q_OBJECT

private slots:
    void refusesBrokenTables_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("problem");
        QTest::newRow("figure without source")
            << QByteArray(R"({"oils":[{"name":"Clove","entry":"Clove bud","dermalMax":{"percent":0.5}}]})")
            << "oil \"Clove\": dermalMax needs a percentage and a source";
        QTest::newRow("unknown kind")
            << QByteArray(
                   R"({"oils":[{"name":"Sage","entry":"Sage","cautions":[{"kind":"pregnant","source":"b"}]}]})")
            << "unknown caution kind \"pregnant\"";
        QTest::newRow("child without age")
            << QByteArray(
                   R"({"oils":[{"name":"Mint","entry":"Mint","cautions":[{"kind":"child","source":"b"}]}]})")
            << "a child caution needs an age";
        QTest::newRow("no oils") << QByteArray(R"({"oils":[]})") << "no oils";
        QTest::newRow("not JSON") << QByteArray("oils") << "oils.json: ";
    }
    void refusesBrokenTables()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = writeTable(dir, json);
        QVERIFY(!path.isEmpty());
        QString error;
        QVERIFY(!loadSafetyTable(path, &error));
        QVERIFY2(error.startsWith(path) && error.contains(problem), qPrintable(error));
    }

    void readsFiguresAndCautions()
    {
        QTemporaryDir dir;
        const QString path = writeTable(dir, R"json({"dropsPerMl": 20, "oils": [{
            "name": "Bergamot", "entry": "Bergamot (expressed)",
            "phototoxicMax": {"percent": 0.4, "source": "p"}, "dermalMax": {"percent": 2, "source": "d"},
            "cautions": [{"kind": "child", "age": 6, "where": "at any dose", "source": "c"}]}]})json");
        QString error;
        const auto table = loadSafetyTable(path, &error);
        QVERIFY2(table, qPrintable(error));
        const OilSafety *oil = table->find(QStringLiteral("bergamot"));
        QVERIFY(oil);
        QCOMPARE(*oil->maxPercent(), 0.4);
        QCOMPARE(oil->phototoxicMax->source, QStringLiteral("p"));
        QCOMPARE(oil->caution(CautionKind::Child)->age, 6);
        QVERIFY(!table->find(QStringLiteral("Lime")));
    }

    void barsOnlyTheNamedGroups_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("epilepsy");
        QTest::addColumn<QStringList>("barred");
        using G = Person::Group;
        QTest::newRow("adult") << int(G::Adult) << 40 << false << QStringList{};
        QTest::newRow("pregnant") << int(G::Pregnant) << 30 << false << QStringList{"pregnancy"};
        QTest::newRow("breast-feeding") << int(G::BreastFeeding) << 30 << false << QStringList{};
        QTest::newRow("child of 5") << int(G::Child) << 5 << false << QStringList{"child"};
        QTest::newRow("child of 6") << int(G::Child) << 6 << false << QStringList{};
        QTest::newRow("adult with epilepsy") << int(G::Adult) << 40 << true << QStringList{"epilepsy"};
        QTest::newRow("elderly") << int(G::Elderly) << 80 << false << QStringList{};
    }
    void barsOnlyTheNamedGroups()
    {
        QFETCH(int, group);
        QFETCH(int, age);
        QFETCH(bool, epilepsy);
        QFETCH(QStringList, barred);
        const OilSafety oil =
            oilWith({{CautionKind::Pregnancy, 0, {}, {}, QStringLiteral("s")},
                     {CautionKind::Child, 6, QStringLiteral("at any dose"), {}, QStringLiteral("s")},
                     {CautionKind::Epilepsy, 0, {}, {}, QStringLiteral("s")},
                     {CautionKind::Sensitiser, 0, {}, {}, QStringLiteral("s")}});
        Person person;
        person.group = Person::Group(group);
        person.ageYears = age;
        person.epilepsy = epilepsy;
        QStringList got;
        for (const Caution *c : oil.barringFor(person))
            got << cautionKindName(c->kind);
        QCOMPARE(got, barred);
    }

    void anOilTooHazardousForHomeUseBarsEveryone()
    {
        const OilSafety oil = oilWith({{CautionKind::Avoid, 0, {}, {}, QStringLiteral("s")}});
        QCOMPARE(oil.barringFor(Person{}).size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(OilSafetyTest)
#include "OilSafetyTest.moc"
