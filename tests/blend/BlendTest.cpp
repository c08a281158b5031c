// The blend calculator over the shipped safety table: drops to percent for each unit, the per-oil maxima, the
// level for the use and the person, the oils the person should avoid, the suggested drops, and a message for
// every input that cannot be a blend.
#include "blend/logic/Blend.h"

#include "blend/logic/BlendText.h"

#include <QtTest>

using namespace blend;
using safety::Person;

namespace {

// "Lavender:6;Clove:2" -> entries
std::vector<OilEntry> entries(const QString &list)
{
    std::vector<OilEntry> out;
    for (const QString &item : list.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        out.push_back({item.section(QLatin1Char(':'), 0, 0), item.section(QLatin1Char(':'), 1)});
    return out;
}

QString kindName(Mark::Kind kind)
{
    switch (kind) {
    case Mark::Kind::OverMaximum:
        return QStringLiteral("over");
    case Mark::Kind::OverPhototoxic:
        return QStringLiteral("sun");
    case Mark::Kind::Avoid:
        return QStringLiteral("avoid");
    case Mark::Kind::Caution:
        return QStringLiteral("caution");
    }
    return {};
}

} // namespace

class BlendTest : public QObject
{
    Q_OBJECT

    std::optional<Calculator> m_calc;

private slots:
    void initTestCase()
    {
        const QString path = QStringLiteral(":/content/safety/oils.json");
        QString error;
        auto table = safety::loadSafetyTable(path, &error);
        QVERIFY2(table, qPrintable(error));
        auto rules = safety::loadDilutionRules(path, &error);
        QVERIFY2(rules, qPrintable(error));
        m_calc.emplace(std::move(*table), std::move(*rules));
    }

    void evaluate_data()
    {
        QTest::addColumn<QString>("oils");
        QTest::addColumn<QString>("carrier");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("use");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("total"); // the total as shown; empty: no figures
        QTest::addColumn<QString>("marks"); // "Oil:kind,kind;..." for oils with marks
        QTest::addColumn<bool>("totalOver");
        QTest::addColumn<QString>("suggestion"); // drops per oil, in order
        QTest::addColumn<QString>("problem");    // part of the one message expected

        const int ml = int(Unit::Ml);
        const int adult = int(Person::Group::Adult);
        const int child = int(Person::Group::Child);
        const int pregnant = int(Person::Group::Pregnant);
        const int elderly = int(Person::Group::Elderly);
        // Units: 20 drops make 1 ml; percent of the carrier.
        QTest::newRow("6 drops in 10 ml is 3%") << "Lavender:6"
                                                << "10" << ml << "localArea" << adult << 40 << "3%"
                                                << "" << false << "6"
                                                << "";
        QTest::newRow("6 drops in 2 teaspoons")
            << "Lavender:6"
            << "2" << int(Unit::Teaspoon) << "localArea" << adult << 40 << "3%"
            << "" << false << "6"
            << "";
        QTest::newRow("6 drops in a tablespoon")
            << "Lavender:6"
            << "1" << int(Unit::Tablespoon) << "localArea" << adult << 40 << "2%"
            << "" << false << "6"
            << "";
        QTest::newRow("6 drops in a fluid ounce, rounded")
            << "Lavender:6"
            << "1" << int(Unit::FlOz) << "localArea" << adult << 40 << "1.01%"
            << "" << false << "6"
            << "";
        QTest::newRow("decimal comma") << "Lavender:3"
                                       << "7,5" << ml << "localArea" << adult << 40 << "2%"
                                       << "" << false << "3"
                                       << "";
        // Per-oil maxima.
        QTest::newRow("bergamot 0.5% on skin in the sun")
            << "Bergamot:1"
            << "10" << ml << "localArea" << adult << 40 << "0.5%"
            << "Bergamot:sun" << false << "0"
            << "";
        QTest::newRow("bergamot 0.5% in a bath, washed off") << "Bergamot:1"
                                                             << "10" << ml << "bath" << adult << 40 << "0.5%"
                                                             << "" << false << "1"
                                                             << "";
        QTest::newRow("clove over its dermal maximum") << "Clove:2"
                                                       << "10" << ml << "localArea" << adult << 40 << "1%"
                                                       << "Clove:over,caution" << false << "1"
                                                       << "";
        QTest::newRow("off the skin: no maxima, no level")
            << "Bergamot:4"
            << "10" << ml << "inhalation" << adult << 40 << "2%"
            << "" << false << "4"
            << "";
        // The level for the use and the person.
        QTest::newRow("whole body 2.5% for an adult is within")
            << "Lavender:15"
            << "30" << ml << "wholeBody" << adult << 40 << "2.5%"
            << "" << false << "15"
            << "";
        QTest::newRow("whole body 3% for an adult passes the table's 2.5%")
            << "Lavender:18"
            << "30" << ml << "wholeBody" << adult << 40 << "3%"
            << "" << true << "15"
            << "";
        QTest::newRow("whole body for a child of 8: half")
            << "Lavender:9"
            << "30" << ml << "wholeBody" << child << 8 << "1.5%"
            << "" << true << "7"
            << "";
        QTest::newRow("pregnant: 1% at most") << "Lavender:8"
                                              << "30" << ml << "localArea" << pregnant << 30 << "1.33%"
                                              << "" << true << "6"
                                              << "";
        QTest::newRow("elderly, face") << "Lavender:2"
                                       << "10" << ml << "face" << elderly << 80 << "1%"
                                       << "" << true << "1"
                                       << "";
        QTest::newRow("two oils scaled down together") << "Lavender:12;Geranium:12"
                                                       << "30" << ml << "wholeBody" << adult << 40 << "4%"
                                                       << "" << true << "8;7"
                                                       << "";
        // The person.
        QTest::newRow("peppermint for a 4-year-old is excluded")
            << "Peppermint:2;Lavender:2"
            << "30" << ml << "wholeBody" << child << 4 << "0.67%"
            << "Peppermint:avoid" << false << "0;2"
            << "";
        QTest::newRow("peppermint for a 6-year-old") << "Peppermint:2"
                                                     << "30" << ml << "wholeBody" << child << 6 << "0.33%"
                                                     << "" << false << "2"
                                                     << "";
        // Input that cannot be a blend: one clear message, no figures.
        QTest::newRow("no carrier") << "Lavender:6"
                                    << "0" << ml << "face" << adult << 40 << ""
                                    << "" << false << ""
                                    << "nothing to dilute in";
        QTest::newRow("empty carrier") << "Lavender:6"
                                       << " " << ml << "face" << adult << 40 << ""
                                       << "" << false << ""
                                       << "Enter the amount of carrier oil.";
        QTest::newRow("10,000 drops") << "Lavender:10,000"
                                      << "10" << ml << "face" << adult << 40 << ""
                                      << "" << false << ""
                                      << "10000 drops of Lavender is more than a blend holds";
        QTest::newRow("negative drops") << "Lavender:-3"
                                        << "10" << ml << "face" << adult << 40 << ""
                                        << "" << false << ""
                                        << "cannot be below zero";
        QTest::newRow("letters for drops") << "Lavender:six"
                                           << "10" << ml << "face" << adult << 40 << ""
                                           << "" << false << ""
                                           << "\"six\" is not a number";
        QTest::newRow("letters for carrier") << "Lavender:6"
                                             << "ten" << ml << "face" << adult << 40 << ""
                                             << "" << false << ""
                                             << "\"ten\" is not a number";
        QTest::newRow("half a drop") << "Lavender:1.5"
                                     << "10" << ml << "face" << adult << 40 << ""
                                     << "" << false << ""
                                     << "Drops are counted whole";
        QTest::newRow("a barrel of carrier") << "Lavender:6"
                                             << "200" << int(Unit::FlOz) << "face" << adult << 40 << ""
                                             << "" << false << ""
                                             << "more than a blend for one person";
        QTest::newRow("no oils") << ""
                                 << "10" << ml << "face" << adult << 40 << ""
                                 << "" << false << ""
                                 << "Choose at least one oil";
        QTest::newRow("unknown oil") << "Motor oil:3"
                                     << "10" << ml << "face" << adult << 40 << ""
                                     << "" << false << ""
                                     << "is not one of the 107 oils";
        QTest::newRow("oil twice") << "Lavender:3;lavender:2"
                                   << "10" << ml << "face" << adult << 40 << ""
                                   << "" << false << ""
                                   << "Lavender is listed twice";
    }

    void evaluate()
    {
        QFETCH(QString, oils);
        QFETCH(QString, carrier);
        QFETCH(int, unit);
        QFETCH(QString, use);
        QFETCH(int, group);
        QFETCH(int, age);
        QFETCH(QString, total);
        QFETCH(QString, marks);
        QFETCH(bool, totalOver);
        QFETCH(QString, suggestion);
        QFETCH(QString, problem);

        Person person;
        person.group = Person::Group(group);
        person.ageYears = age;
        const Result r = m_calc->evaluate(Recipe{entries(oils), carrier, Unit(unit), use}, person);

        if (!problem.isEmpty()) {
            QCOMPARE(r.problems.size(), 1);
            QVERIFY2(r.problems.first().contains(problem), qPrintable(r.problems.first()));
            QVERIFY(!r.figures());
            return;
        }
        QVERIFY2(r.problems.isEmpty(), qPrintable(r.problems.join(QLatin1Char('\n'))));
        QVERIFY(r.figures());
        QCOMPARE(percentText(*r.totalPercent), total);
        QCOMPARE(r.totalOver, totalOver);
        QStringList gotMarks, gotSuggestion;
        bool anyLimit = totalOver;
        for (const OilResult &o : r.oils) {
            QStringList kinds;
            for (const Mark &m : o.marks) {
                kinds << kindName(m.kind);
                QVERIFY2(!m.reason.isEmpty() && !m.source.isEmpty(), qPrintable(o.name));
                anyLimit = anyLimit || m.kind != Mark::Kind::Caution;
            }
            if (!kinds.isEmpty())
                gotMarks << o.name + QLatin1Char(':') + kinds.join(QLatin1Char(','));
            gotSuggestion << QString::number(o.suggestedDrops);
        }
        QCOMPARE(gotMarks.join(QLatin1Char(';')), marks);
        QCOMPARE(gotSuggestion.join(QLatin1Char(';')), suggestion);
        QCOMPARE(r.needsChange, anyLimit);
    }

    // The marks say why and where from: the figure of the table and its source.
    void marksCarryTheTablesFigureAndSource()
    {
        Person child;
        child.group = Person::Group::Child;
        child.ageYears = 4;
        const Result r = m_calc->evaluate(Recipe{entries(QStringLiteral("Bergamot:1;Peppermint:1")),
                                                 QStringLiteral("10"), Unit::Ml, QStringLiteral("face")},
                                          child);
        QCOMPARE(r.oils.size(), size_t(2));
        const Mark &sun = r.oils[0].marks.at(0);
        QCOMPARE(sun.reason,
                 QStringLiteral("0.5% is over its maximum of 0.4% on skin that will see the sun"));
        QVERIFY(sun.source.contains(QLatin1String("profile \"Bergamot (expressed)\"")));
        const Mark &avoid = r.oils[1].marks.at(0);
        QCOMPARE(avoid.reason, QStringLiteral("not for children under 6 at any dose"));
        QVERIFY(avoid.source.contains(QLatin1String("menthol")));
        QVERIFY(r.level);
        QCOMPARE(r.level->percent, 0.5);
        QVERIFY(r.level->source.contains(QLatin1String("(children)")));
    }

    // The printout: oils, drops, carrier, shares, every mark with its source, the level, in this order.
    void printText()
    {
        const Recipe recipe{entries(QStringLiteral("Bergamot:1;Lavender:5")), QStringLiteral("2"),
                            Unit::Teaspoon, QStringLiteral("localArea")};
        const Result r = m_calc->evaluate(recipe, Person{});
        const QString sun = m_calc->table().find(QStringLiteral("Bergamot"))->phototoxicMax->source;
        const safety::UseLevel *local = m_calc->rules().use(QStringLiteral("localArea"));
        QCOMPARE(
            blendText(QStringLiteral("Knee rub"), recipe, r, QStringLiteral("Local area"),
                      QStringLiteral("an adult"), 20),
            QStringLiteral("Knee rub\n\n"
                           "For: an adult\n"
                           "Use: Local area\n"
                           "Carrier oil: 2 teaspoons (10 ml)\n\n"
                           "Bergamot: 1 drop, 0.5%\n"
                           "    0.5% is over its maximum of 0.4% on skin that will see the sun (source: %1)\n"
                           "Lavender: 5 drops, 2.5%\n\n"
                           "Total: 3%\n"
                           "Within the level: 5%: %2 (source: %3)\n\n"
                           "20 drops make 1 ml; the percentages are of the carrier oil.")
                .arg(sun, local->text, local->source));
    }

    void conditionsBarTheirOils()
    {
        Person person;
        person.epilepsy = true;
        const Result r = m_calc->evaluate(Recipe{entries(QStringLiteral("Rosemary:2")), QStringLiteral("10"),
                                                 Unit::Ml, QStringLiteral("bath")},
                                          person);
        QCOMPARE(r.oils.at(0).marks.size(), size_t(1));
        QCOMPARE(r.oils.at(0).marks.at(0).reason, QStringLiteral("to be avoided with epilepsy"));
        QCOMPARE(r.oils.at(0).suggestedDrops, 0);
    }
};

QTEST_GUILESS_MAIN(BlendTest)
#include "BlendTest.moc"
