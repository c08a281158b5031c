// The safety file's two sections are read by two readers: a misspelt key in either fails with the file and
// the key's path, and a key of one section is not taken for a misspelling by the other section's reader.
#include "safety/SafetyFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace safety;

namespace {

// Every key each section reads, once.
const QByteArray kFile = R"json({
    "reference": "R", "dropsPerMl": 20, "teaspoonMl": 5, "tablespoonMl": 15,
    "oils": [{"name": "Clove", "entry": "Clove bud", "note": "n",
              "dermalMax": {"percent": 0.5, "source": "d"}, "phototoxicMax": {"percent": 0.4, "source": "p"},
              "cautions": [{"kind": "child", "age": 2, "where": "w", "note": "n", "source": "c"}]}],
    "flOzMl": 29.57,
    "uses": [{"use": "face", "label": "Face", "skin": true, "sun": true, "maxPercent": 1, "text": "t",
              "source": "s"}],
    "general": [{"kind": "child", "factor": 0.5, "maxPercent": 1, "infantAge": 2, "infantMaxPercent": 0.1,
                 "text": "t", "source": "s"}]
})json";

QByteArray misspelt(const QByteArray &from, const QByteArray &to)
{
    QByteArray json = kFile;
    const qsizetype at = json.indexOf(from);
    return at < 0 ? QByteArray() : json.replace(at, from.size(), to);
}

QString fileWith(const QTemporaryDir &dir, const QByteArray &json)
{
    const QString path = dir.filePath(QStringLiteral("oils.json"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(json) != json.size())
        return {};
    return path;
}

enum Section { Table, Rules };

} // namespace

class SafetyFileTest : public QObject
{
    Q_OBJECT
private slots:
    void readsEveryKeyOfBothSections()
    {
        const auto parsed = parseSafetySections(SafetyContentFile, kFile);
        QCOMPARE(parsed.problem, QString());
        QCOMPARE(parsed.value.table.oils.size(), 1u);
        QCOMPARE(parsed.value.table.oils[0].caution(CautionKind::Child)->where, QStringLiteral("w"));
        QCOMPARE(parsed.value.rules.flOzMl, 29.57);
        QCOMPARE(*parsed.value.rules.group(QStringLiteral("child"))->infantMaxPercent, 0.1);
    }

    void namesAMisspeltKeyInEitherSection_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("what");
        const QString unread = QStringLiteral("not a key of this file (misspelt, or read by nothing)");
        QTest::newRow("table, top level") << QByteArray("\"teaspoonMl\"") << QByteArray("\"teaspoon\"")
                                          << int(Table) << "teaspoon" << unread;
        QTest::newRow("table, an oil")
            << QByteArray("\"note\"") << QByteArray("\"notes\"") << int(Table) << "oils[0].notes" << unread;
        QTest::newRow("table, a limit")
            << QByteArray("\"source\": \"p\"") << QByteArray("\"src\": \"p\", \"source\": \"p\"")
            << int(Table) << "oils[0].phototoxicMax.src" << unread;
        QTest::newRow("table, a caution") << QByteArray("\"where\"") << QByteArray("\"wehre\"") << int(Table)
                                          << "oils[0].cautions[0].wehre" << unread;
        QTest::newRow("table, a wrong type")
            << QByteArray("\"note\": \"n\"") << QByteArray("\"note\": 1") << int(Table) << "oils[0].note"
            << "not a text";
        QTest::newRow("rules, top level")
            << QByteArray("\"flOzMl\"") << QByteArray("\"flOz\"") << int(Rules) << "flOz" << unread;
        QTest::newRow("rules, a use")
            << QByteArray("\"sun\"") << QByteArray("\"sunny\"") << int(Rules) << "uses[0].sunny" << unread;
        QTest::newRow("rules, a group") << QByteArray("\"infantAge\"") << QByteArray("\"infantAges\"")
                                        << int(Rules) << "general[0].infantAges" << unread;
        QTest::newRow("rules, a wrong type")
            << QByteArray("\"skin\": true") << QByteArray("\"skin\": \"yes\"") << int(Rules) << "uses[0].skin"
            << "not true or false";
    }
    // The whole file names every misspelt key; a section's own loader names those within its section and
    // leaves the top level to the whole file's reader.
    void namesAMisspeltKeyInEitherSection()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(int, section);
        QFETCH(QString, path);
        QFETCH(QString, what);
        const QByteArray json = misspelt(from, to);
        QVERIFY2(!json.isEmpty(), from.constData());

        QCOMPARE(parseSafetySections(SafetyContentFile, json).problem,
                 QStringLiteral("safety/oils.json: %1: %2").arg(path, what));

        QTemporaryDir dir;
        const QString file = fileWith(dir, json);
        QVERIFY(!file.isEmpty());
        const QString expected = QStringLiteral("%1: %2: %3").arg(file, path, what);
        QString error;
        QVERIFY(!loadSafetySections(file, &error));
        QCOMPARE(error, expected);

        QString tableError;
        QString rulesError;
        const bool tableRead = loadSafetyTable(file, &tableError).has_value();
        const bool rulesRead = loadDilutionRules(file, &rulesError).has_value();
        // A top-level key may belong to either section: only a reader of both can call it misspelt.
        if (!path.contains(QLatin1Char('.')) && !path.contains(QLatin1Char('['))) {
            QVERIFY2(tableRead && rulesRead, qPrintable(tableError + rulesError));
            return;
        }
        QCOMPARE(tableRead, section != Table);
        QCOMPARE(rulesRead, section != Rules);
        QCOMPARE(section == Table ? tableError : rulesError, expected);
    }

    void loadsBothSectionsOfTheFile()
    {
        QTemporaryDir dir;
        const QString file = fileWith(dir, kFile);
        QString error;
        const auto sections = loadSafetySections(file, &error);
        QVERIFY2(sections, qPrintable(error));
        QCOMPARE(sections->table.oils[0].name, QStringLiteral("Clove"));
        QCOMPARE(sections->rules.uses[0].use, QStringLiteral("face"));
        QVERIFY(!loadSafetySections(dir.filePath(QStringLiteral("absent.json")), &error));
        QVERIFY2(error.endsWith(QStringLiteral("absent.json: cannot be read")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(SafetyFileTest)
#include "SafetyFileTest.moc"
