#include "app/script/ScriptedRun.h"

#include <QTest>

// The package's test drives the installed program with these scripts; a misread line would make it test
// something else than it says.
class ScriptedRunTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("steps"); // line|command|target|text
        QTest::addColumn<QString>("error");
        QTest::newRow("each command") << "click cmdIndications\ntype txtNotes Two  words \nshow txtNotes\n"
                                         "close frmMenu"
                                      << QStringList{"1|click|cmdIndications|", "2|type|txtNotes|Two  words",
                                                     "3|show|txtNotes|", "4|close|frmMenu|"}
                                      << QString();
        QTest::newRow("comments and empty lines keep the numbering")
            << "# open the index\n\n  click cmdIndications  \r\n"
            << QStringList{"3|click|cmdIndications|"} << QString();
        QTest::newRow("typing nothing empties the box")
            << "type txtNotes" << QStringList{"1|type|txtNotes|"} << QString();
        QTest::newRow("unknown command")
            << "click a\npress cmdPrint" << QStringList() << "script line 2 is not a command: press cmdPrint";
        QTest::newRow("command without its control")
            << "show" << QStringList() << "script line 1 is not a command: show";
        QTest::newRow("words after a click")
            << "click cmdPrint now" << QStringList() << "script line 1 is not a command: click cmdPrint now";
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, steps);
        QFETCH(QString, error);
        const script::Script script = script::parse(text);
        QCOMPARE(script.error, error);
        QStringList read;
        for (const script::Step &step : script.steps)
            read << QStringLiteral("%1|%2|%3|%4").arg(step.line).arg(step.command, step.target, step.text);
        QCOMPARE(read, steps);
    }

    void unreadableScriptIsNamed()
    {
        const script::Script script = script::read(QStringLiteral("/no/such/folder/run.script"));
        QVERIFY(script.steps.empty());
        QVERIFY2(script.error.contains(QStringLiteral("/no/such/folder/run.script")),
                 qPrintable(script.error));
    }
};

QTEST_MAIN(ScriptedRunTest)
#include "ScriptedRunTest.moc"
