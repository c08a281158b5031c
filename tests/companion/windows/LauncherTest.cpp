#include "LauncherSetupGuard.h"
#include "ShellFixture.h"
#include "app/menu/frmMenu.h"
#include "companion/logic/PathFile.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

using companion::CompanionPlatform;
using companion::LauncherSetup;

namespace {

const QString Home = QStringLiteral("/home/tester");
const QStringList Defaults = {
    QStringLiteral("/opt/greenhollow/SKP/SKP.exe"), QStringLiteral("/opt/SKP/SKP.exe"),
    Home + QStringLiteral("/Greenhollow/SKP/SKP.exe"), Home + QStringLiteral("/SKP/SKP.exe")};
const QString Stored = QStringLiteral("/data/apps/SKP/SKP.exe");
const QString Download = QStringLiteral("(download window)");

// Passes every call on to the services under it and notes which tasks were brought to the front.
class ActivationSpy final : public PlatformServices
{
public:
    std::unique_ptr<PlatformServices> inner;
    QList<qint64> activated;

    void ShellOpen(QWidget *owner, const QString &verb, const QString &target) override
    {
        inner->ShellOpen(owner, verb, target);
    }
    std::optional<qint64> StartProgram(const QString &program, const QStringList &arguments,
                                       WindowStyle style) override
    {
        return inner->StartProgram(program, arguments, style);
    }
    void ActivateTask(qint64 taskId) override { activated << taskId; }
    QString ProgramFilePath() const override { return inner->ProgramFilePath(); }
    QString ListFile(const QString &path) const override { return inner->ListFile(path); }
    bool FileAttributes(const QString &path) const override { return inner->FileAttributes(path); }
    bool SetCurrentFolder(const QString &folder) override { return inner->SetCurrentFolder(folder); }
    QString CurrentFolder() const override { return inner->CurrentFolder(); }
    QString ApplicationFolder() const override { return inner->ApplicationFolder(); }
};

// What one press of "Databank" did: the program started, or the download window.
QString outcome(const ShellFixture &shell)
{
    if (!shell.os->started.empty())
        return shell.os->started.front().program;
    return windows().find(Forms::frmDownloadSKP) ? Download : QString();
}

} // namespace

class LauncherTest : public QObject
{
    Q_OBJECT

private slots:
    void searchOrder_data()
    {
        QTest::addColumn<QByteArray>("pathFile"); // empty: no path file
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("looked"); // after the path file itself; "<app>" for the path file

        const QByteArray good = "/data/apps/SKP/\r\n";
        QTest::newRow("path file names a folder with the program, defaults present too")
            << good << QStringList{Stored, Defaults[0]} << Stored << QStringList{Stored};
        QTest::newRow("stale path file falls back to default 1")
            << QByteArray("/gone/SKP/\r\n") << QStringList{Defaults[0], Defaults[1]} << Defaults[0]
            << QStringList{"/gone/SKP/SKP.exe", Defaults[0]};
        QTest::newRow("path file without the final separator is not followed")
            << QByteArray("/data/apps/SKP\r\n") << QStringList{Stored, Defaults[3]} << Defaults[3]
            << QStringList{Defaults[0], Defaults[1], Defaults[2], Defaults[3]};
        QTest::newRow("empty path file") << QByteArray("\r\n") << QStringList{Defaults[2]} << Defaults[2]
                                         << QStringList{Defaults[0], Defaults[1], Defaults[2]};
        QTest::newRow("no path file, default 2 before 3 and 4")
            << QByteArray() << QStringList{Defaults[1], Defaults[2], Defaults[3]} << Defaults[1]
            << QStringList{Defaults[0], Defaults[1]};
        QTest::newRow("no path file, default 4 only")
            << QByteArray() << QStringList{Defaults[3]} << Defaults[3] << Defaults;
        QTest::newRow("nothing anywhere opens the download window")
            << good << QStringList{} << Download << (QStringList{Stored} + Defaults);
    }
    void searchOrder()
    {
        QFETCH(QByteArray, pathFile);
        QFETCH(QStringList, programs);
        QFETCH(QString, expected);
        QFETCH(QStringList, looked);

        ShellFixture shell;
        LoggingDisk disk;
        const QString pathFileName = shell.folder.path() + QStringLiteral("/PathSKP.txt");
        if (!pathFile.isEmpty())
            disk.files.insert(pathFileName, pathFile);
        for (const QString &program : programs)
            disk.files.insert(program, "MZ");
        LauncherSetupGuard guard(LauncherSetup{[] { return companion::unixCompanionPlatform(Home); },
                                               [&disk] { return disk.probe(); }});

        companion::cmdSKP_Click();

        QCOMPARE(outcome(shell), expected);
        QCOMPARE(disk.looked, QStringList{pathFileName} + looked);
        QVERIFY(shell.os->started.size() <= 1);
        if (expected != Download) {
            QCOMPARE(shell.os->started.front().style, PlatformServices::WindowStyle::MinimizedWithFocus);
            QVERIFY(shell.os->started.front().arguments.isEmpty());
            QVERIFY(!windows().find(Forms::frmDownloadSKP));
        }
    }

    // The real file system of a temporary folder, looked at through the platform services.
    void searchOnDisk_data()
    {
        QTest::addColumn<QString>("storedFolder"); // written into PathSKP.txt; empty: no path file
        QTest::addColumn<QStringList>("files");    // relative to the temporary folder
        QTest::addColumn<QString>("expected");     // relative, or the download window

        QTest::newRow("stored folder on disk")
            << "stored/" << QStringList{"stored/SKP.exe", "first/SKP.exe"} << "stored/SKP.exe";
        QTest::newRow("first location")
            << "" << QStringList{"first/SKP.exe", "second/SKP.exe"} << "first/SKP.exe";
        QTest::newRow("other letter case does not match")
            << "" << QStringList{"first/skp.exe", "second/SKP.exe"} << "second/SKP.exe";
        QTest::newRow("only other letter case: download window")
            << "" << QStringList{"first/skp.exe", "second/Skp.EXE"} << Download;
        QTest::newRow("stored folder with the program in other letter case")
            << "stored/" << QStringList{"stored/skp.exe", "second/SKP.exe"} << "second/SKP.exe";
    }
    void searchOnDisk()
    {
        QFETCH(QString, storedFolder);
        QFETCH(QStringList, files);
        QFETCH(QString, expected);

        ShellFixture shell;
        const QDir root(shell.folder.path());
        for (const QString &file : files) {
            QVERIFY(root.mkpath(QFileInfo(file).path()));
            shell.writeFile(file, "MZ");
        }
        if (!storedFolder.isEmpty())
            QVERIFY(!companion::WritePathFile(root.filePath("PathSKP.txt"), root.filePath(storedFolder)));
        const CompanionPlatform locations{u'/',
                                          {root.filePath("first/SKP.exe"), root.filePath("second/SKP.exe")}};
        LauncherSetupGuard guard(LauncherSetup{[locations] { return locations; }, {}});

        companion::cmdSKP_Click();

        QCOMPARE(outcome(shell), expected == Download ? Download : root.filePath(expected));
    }

    void startedTaskIsBroughtToTheFront_data()
    {
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QList<qint64>>("activated");
        QTest::newRow("started") << true << QList<qint64>{1};
        QTest::newRow("start failed: nothing to activate, no message, no download window")
            << false << QList<qint64>{};
    }
    void startedTaskIsBroughtToTheFront()
    {
        QFETCH(bool, startSucceeds);
        QFETCH(QList<qint64>, activated);

        ShellFixture shell;
        shell.os->startSucceeds = startSucceeds;
        auto spy = std::make_unique<ActivationSpy>();
        ActivationSpy *watch = spy.get();
        watch->inner = setPlatform(std::move(spy));
        LoggingDisk disk;
        disk.files.insert(Defaults[1], "MZ");
        LauncherSetupGuard guard(LauncherSetup{[] { return companion::unixCompanionPlatform(Home); },
                                               [&disk] { return disk.probe(); }});

        companion::cmdSKP_Click();

        const QList<qint64> seen = watch->activated;
        setPlatform(std::move(watch->inner)); // the spy goes, the fixture's recorder comes back
        QCOMPARE(seen, activated);
        QCOMPARE(shell.os->started.size(), size_t(1));
        QCOMPARE(shell.os->started.front().program, Defaults[1]);
        QVERIFY(shell.messages.isEmpty());
        QVERIFY(!windows().find(Forms::frmDownloadSKP));
    }

    void menuButtonRunsTheLauncher()
    {
        ShellFixture shell;
        LoggingDisk disk;
        disk.files.insert(Defaults[2], "MZ");
        LauncherSetupGuard guard(LauncherSetup{[] { return companion::unixCompanionPlatform(Home); },
                                               [&disk] { return disk.probe(); }});
        AppWindow *menu = windows().OpenPage(Forms::frmMenu);
        auto *button = menu->findChild<QPushButton *>(QStringLiteral("cmdSKP"));
        QVERIFY(button);

        button->click();
        QCOMPARE(outcome(shell), Defaults[2]);

        disk.files.clear();
        button->click();
        QVERIFY(windows().find(Forms::frmDownloadSKP));
        QVERIFY(windows().find(Forms::frmMenu));
        QCOMPARE(shell.os->started.size(), size_t(1));
    }
};

QTEST_MAIN(LauncherTest)
#include "LauncherTest.moc"
