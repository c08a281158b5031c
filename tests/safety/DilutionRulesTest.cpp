// The general dilution rules: the level for each use, lowered for the person by the group rules of the
// shipped table, and a rule without its figure or its source refused with the file's name.
#include "safety/DilutionRules.h"

#include "safety/OilSafety.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace safety;

class DilutionRulesTest : public QObject
{
    Q_OBJECT

    DilutionRules m_rules;

private slots:
    void initTestCase()
    {
        QString error;
        auto rules = loadDilutionRules(QStringLiteral(":/content/safety/oils.json"), &error);
        QVERIFY2(rules, qPrintable(error));
        m_rules = *rules;
        QCOMPARE(m_rules.flOzMl, 29.57);
    }

    void levelForThePerson_data()
    {
        QTest::addColumn<QString>("use");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("age");
        QTest::addColumn<double>("level"); // -1: no level (off the skin)
        QTest::addColumn<QString>("source");
        using G = Person::Group;
        QTest::newRow("adult, whole body") << "wholeBody" << int(G::Adult) << 40 << 2.5 << "base-oils panel";
        QTest::newRow("adult, local area") << "localArea" << int(G::Adult) << 40 << 5.0 << "base-oils panel";
        QTest::newRow("adult, face") << "face" << int(G::Adult) << 40 << 1.0 << "facial massage";
        QTest::newRow("child of 4, whole body") << "wholeBody" << int(G::Child) << 4 << 1.25 << "(children)";
        QTest::newRow("child of 1, local area") << "localArea" << int(G::Child) << 1 << 0.5 << "(children)";
        QTest::newRow("pregnant, local area") << "localArea" << int(G::Pregnant) << 30 << 1.0 << "ch. 11";
        QTest::newRow("breast-feeding, face") << "face" << int(G::BreastFeeding) << 30 << 1.0 << "facial";
        QTest::newRow("elderly, local area")
            << "localArea" << int(G::Elderly) << 80 << 2.5 << "(the elderly)";
        QTest::newRow("inhalation") << "inhalation" << int(G::Child) << 4 << -1.0 << "";
    }
    void levelForThePerson()
    {
        QFETCH(QString, use);
        QFETCH(int, group);
        QFETCH(int, age);
        QFETCH(double, level);
        QFETCH(QString, source);
        const UseLevel *u = m_rules.use(use);
        QVERIFY(u);
        Person person;
        person.group = Person::Group(group);
        person.ageYears = age;
        const auto got = m_rules.levelFor(*u, person);
        if (level < 0) {
            QVERIFY(!got);
            return;
        }
        QVERIFY(got);
        QCOMPARE(got->percent, level);
        QVERIFY2(got->source.contains(source), qPrintable(got->source));
    }

    void refusesRulesWithoutFigureOrSource_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("problem");
        QTest::newRow("use without source")
            << QByteArray(R"({"uses":[{"use":"face","label":"Face","maxPercent":1,"text":"t"}]})")
            << "use \"face\": needs a label, a text and a source";
        QTest::newRow("skin use without level")
            << QByteArray(R"({"uses":[{"use":"face","label":"Face","text":"t","source":"s"}]})")
            << "a use on the skin needs a percentage";
        QTest::newRow("group rule raising the level")
            << QByteArray(R"({"uses":[{"use":"bath","label":"Bath","maxPercent":2,"text":"t","source":"s"}],
                             "general":[{"kind":"child","factor":2,"text":"t","source":"s"}]})")
            << "general rule \"child\": may only lower the adult level";
        QTest::newRow("no uses") << QByteArray("{}") << "uses: none given";
    }
    void refusesRulesWithoutFigureOrSource()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("oils.json"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(json) == json.size());
        f.close();
        QString error;
        QVERIFY(!loadDilutionRules(path, &error));
        QVERIFY2(error.startsWith(path) && error.contains(problem), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(DilutionRulesTest)
#include "DilutionRulesTest.moc"
