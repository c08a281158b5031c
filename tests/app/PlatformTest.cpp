#include "app/platform/PlatformServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void listFile_data()
    {
        QTest::addColumn<QString>("onDisk");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("answer");
        QTest::newRow("same spelling") << "Screen.txt"
                                       << "Screen.txt"
                                       << "Screen.txt";
        QTest::newRow("stored in capitals") << "SCREEN.TXT"
                                            << "Screen.txt"
                                            << "SCREEN.TXT";
        QTest::newRow("absent") << "Other.txt"
                                << "Screen.txt"
                                << "";
    }
    void listFile()
    {
        QFETCH(QString, onDisk);
        QFETCH(QString, asked);
        QFETCH(QString, answer);
        QTemporaryDir dir;
        QFile file(dir.filePath(onDisk));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        DesktopPlatformServices os;
        QCOMPARE(os.ListFile(dir.filePath(asked)), answer);
        QCOMPARE(os.FileAttributes(dir.filePath(onDisk)), true);
    }

    void listFileOfMissingFolderIsEmpty()
    {
        DesktopPlatformServices os;
        QCOMPARE(os.ListFile(QStringLiteral("/no/such/folder/Screen.txt")), QString());
        QVERIFY(!os.FileAttributes(QStringLiteral("/no/such/folder/Screen.txt")));
    }

    void applicationFolderHoldsTheProgramFile()
    {
        DesktopPlatformServices os;
        QCOMPARE(QFileInfo(os.ProgramFilePath()).absolutePath(), os.ApplicationFolder());
    }

    void currentFolderFollowsTheRequest()
    {
        QTemporaryDir dir;
        DesktopPlatformServices os;
        const QString before = os.CurrentFolder();
        QVERIFY(os.SetCurrentFolder(dir.path()));
        QCOMPARE(QDir(os.CurrentFolder()).canonicalPath(), QDir(dir.path()).canonicalPath());
        QVERIFY(!os.SetCurrentFolder(dir.filePath(QStringLiteral("missing"))));
        os.SetCurrentFolder(before);
    }

    void startProgramReportsFailure()
    {
        DesktopPlatformServices os;
        QVERIFY(
            !os.StartProgram(QStringLiteral("/no/such/program"), {}, PlatformServices::WindowStyle::Normal));
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
