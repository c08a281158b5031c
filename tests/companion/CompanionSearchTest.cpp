#include "companion/logic/CompanionSearch.h"

#include "companion/logic/PathFile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

using companion::CompanionPlatform;
using companion::FileProbe;

namespace {

// Files by the path they are stored under. A case-insensitive disk finds "skp.exe" when asked for "SKP.exe"
// and reports the stored spelling, as Windows does.
struct FakeDisk
{
    explicit FakeDisk(QMap<QString, QByteArray> files = {}, bool ignoresCase = false,
                      QStringList unreadable = {})
        : files(std::move(files)), ignoresCase(ignoresCase), unreadable(std::move(unreadable))
    {}

    QMap<QString, QByteArray> files;
    bool ignoresCase;
    QStringList unreadable;

    std::optional<QString> stored(const QString &path) const
    {
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            if (it.key().compare(path, ignoresCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0)
                return it.key();
        }
        return std::nullopt;
    }

    FileProbe probe() const
    {
        FileProbe p;
        p.listFile = [this](const QString &path) -> QString {
            const std::optional<QString> key = stored(path);
            if (!key)
                return {};
            const qsizetype cut = std::max(key->lastIndexOf(u'/'), key->lastIndexOf(u'\\'));
            return key->mid(cut + 1);
        };
        p.exists = [this](const QString &path) { return stored(path).has_value(); };
        p.readFile = [this](const QString &path) -> std::optional<QByteArray> {
            const std::optional<QString> key = stored(path);
            if (!key || unreadable.contains(*key))
                return std::nullopt;
            return files.value(*key);
        };
        return p;
    }
};

const QString kNotFound = QStringLiteral("(download window)");

} // namespace

Q_DECLARE_METATYPE(FakeDisk)

class CompanionSearchTest final : public QObject
{
    Q_OBJECT

private slots:
    void defaultLocations()
    {
        QCOMPARE(companion::unixCompanionPlatform(QStringLiteral("/home/ann")).defaultLocations,
                 QStringList({"/opt/greenhollow/SKP/SKP.exe", "/opt/SKP/SKP.exe",
                              "/home/ann/Greenhollow/SKP/SKP.exe", "/home/ann/SKP/SKP.exe"}));
        QCOMPARE(companion::unixCompanionPlatform(QString()).defaultLocations,
                 QStringList({"/opt/greenhollow/SKP/SKP.exe", "/opt/SKP/SKP.exe"}));
        QCOMPARE(companion::unixCompanionPlatform(QStringLiteral("/home/ann")).defaultFolder(),
                 QStringLiteral("/opt/greenhollow/SKP"));
        QCOMPARE(companion::windowsCompanionPlatform().defaultFolder(),
                 QStringLiteral("C:\\Program Files\\Greenhollow\\SKP"));
    }

    void searchOnUnix_data()
    {
        QTest::addColumn<FakeDisk>("disk");
        QTest::addColumn<QString>("found");
        const QByteArray elsewhere("/mnt/other/SKP/\r\n");

        QTest::newRow("nothing installed") << FakeDisk{} << kNotFound;
        QTest::newRow("stored folder before every default")
            << FakeDisk{{{"/app/PathSKP.txt", elsewhere},
                         {"/mnt/other/SKP/SKP.exe", {}},
                         {"/opt/greenhollow/SKP/SKP.exe", {}}}}
            << "/mnt/other/SKP/SKP.exe";
        QTest::newRow("line without final separator is ignored")
            << FakeDisk{{{"/app/PathSKP.txt", "/mnt/other/SKP\r\n"},
                         {"/mnt/other/SKP/SKP.exe", {}},
                         {"/home/ann/Greenhollow/SKP/SKP.exe", {}}}}
            << "/home/ann/Greenhollow/SKP/SKP.exe";
        QTest::newRow("stored folder without the program falls back")
            << FakeDisk{{{"/app/PathSKP.txt", elsewhere}, {"/opt/SKP/SKP.exe", {}}}} << "/opt/SKP/SKP.exe";
        QTest::newRow("stored folder without the program, no defaults")
            << FakeDisk{{{"/app/PathSKP.txt", elsewhere}}} << kNotFound;
        QTest::newRow("unreadable path file falls back") << FakeDisk{{{"/app/PathSKP.txt", elsewhere},
                                                                      {"/mnt/other/SKP/SKP.exe", {}},
                                                                      {"/opt/SKP/SKP.exe", {}}},
                                                                     false,
                                                                     {"/app/PathSKP.txt"}}
                                                         << "/opt/SKP/SKP.exe";
        QTest::newRow("path file under another spelling is not read")
            << FakeDisk{{{"/app/pathskp.txt", elsewhere},
                         {"/mnt/other/SKP/SKP.exe", {}},
                         {"/opt/SKP/SKP.exe", {}}},
                        true}
            << "/opt/SKP/SKP.exe";
        QTest::newRow("relative stored folder is inside the application folder")
            << FakeDisk{{{"/app/PathSKP.txt", "tools/SKP/\r\n"}, {"/app/tools/SKP/SKP.exe", {}}}}
            << "/app/tools/SKP/SKP.exe";
        QTest::newRow("defaults in table order")
            << FakeDisk{{{"/home/ann/SKP/SKP.exe", {}}, {"/opt/SKP/SKP.exe", {}}}} << "/opt/SKP/SKP.exe";
        QTest::newRow("last default") << FakeDisk{{{"/home/ann/SKP/SKP.exe", {}}}} << "/home/ann/SKP/SKP.exe";
        QTest::newRow("default differing in letter case, case-insensitive disk")
            << FakeDisk{{{"/opt/SKP/skp.exe", {}}}, true} << kNotFound;
        QTest::newRow("default differing in letter case, case-sensitive disk")
            << FakeDisk{{{"/opt/greenhollow/SKP/Skp.exe", {}}}} << kNotFound;
    }

    void searchOnUnix()
    {
        QFETCH(FakeDisk, disk);
        QFETCH(QString, found);
        const CompanionPlatform platform = companion::unixCompanionPlatform(QStringLiteral("/home/ann"));
        QCOMPARE(companion::FindCompanion(QStringLiteral("/app"), platform, disk.probe()).value_or(kNotFound),
                 found);
    }

    void searchOnWindows_data()
    {
        QTest::addColumn<FakeDisk>("disk");
        QTest::addColumn<QString>("found");
        QTest::newRow("folder on another drive first")
            << FakeDisk{{{"C:\\Ambrelis\\PathSKP.txt", "D:\\Tools\\SKP\\\r\n"},
                         {"D:\\Tools\\SKP\\SKP.exe", {}},
                         {"C:\\Program Files\\Greenhollow\\SKP\\SKP.exe", {}}},
                        true}
            << "D:\\Tools\\SKP\\SKP.exe";
        QTest::newRow("first default")
            << FakeDisk{{{"C:\\SKP\\SKP.exe", {}}, {"C:\\Program Files\\Greenhollow\\SKP\\SKP.exe", {}}},
                        true}
            << "C:\\Program Files\\Greenhollow\\SKP\\SKP.exe";
        QTest::newRow("letter case differs")
            << FakeDisk{{{"C:\\Program Files\\SKP\\skp.EXE", {}}}, true} << kNotFound;
        QTest::newRow("last default") << FakeDisk{{{"C:\\SKP\\SKP.exe", {}}}, true} << "C:\\SKP\\SKP.exe";
    }

    void searchOnWindows()
    {
        QFETCH(FakeDisk, disk);
        QFETCH(QString, found);
        QCOMPARE(companion::FindCompanion(QStringLiteral("C:\\Ambrelis"),
                                          companion::windowsCompanionPlatform(), disk.probe())
                     .value_or(kNotFound),
                 found);
    }

    void folderPathText_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("text");
        QTest::newRow("unix folder") << false << "/home/ann/SKP"
                                     << "/home/ann/SKP/";
        QTest::newRow("unix root gets no second separator") << false << "/"
                                                            << "/";
        QTest::newRow("windows folder as Qt reports it") << true << "D:/Tools/SKP"
                                                         << "D:\\Tools\\SKP\\";
        QTest::newRow("windows drive root") << true << "D:/"
                                            << "D:\\";
    }

    void folderPathText()
    {
        QFETCH(bool, windows);
        QFETCH(QString, folder);
        QFETCH(QString, text);
        const CompanionPlatform platform =
            windows ? companion::windowsCompanionPlatform() : companion::unixCompanionPlatform(QString());
        QCOMPARE(companion::FolderPathText(folder, platform), text);
    }

    void store_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        const QString refused = QStringLiteral("(File not found)");
        QTest::newRow("folder with separator, blanks trimmed") << false << "  /mnt/skp/  "
                                                               << "/mnt/skp/";
        QTest::newRow("folder without separator") << false << "/mnt/skp" << refused;
        QTest::newRow("folder without the program") << false << "/mnt/" << refused;
        QTest::newRow("letter case of the program differs") << false << "/mnt/lower/" << refused;
        QTest::newRow("blanks only means the application folder") << false << "   "
                                                                  << "/app/";
        QTest::newRow("relative folder") << false << "tools/"
                                         << "/app/tools/";
        QTest::newRow("windows, forward slashes stored native") << true << "D:/Tools/SKP/"
                                                                << "D:\\Tools\\SKP\\";
        QTest::newRow("windows, letter case differs") << true << "D:\\Lower\\" << refused;
    }

    void store()
    {
        QFETCH(bool, windows);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        FakeDisk disk;
        disk.ignoresCase = windows;
        const CompanionPlatform platform =
            windows ? companion::windowsCompanionPlatform() : companion::unixCompanionPlatform(QString());
        const QString app = windows ? QStringLiteral("C:\\Ambrelis") : QStringLiteral("/app");
        if (windows) {
            disk.files.insert(QStringLiteral("D:\\Tools\\SKP\\SKP.exe"), {});
            disk.files.insert(QStringLiteral("D:\\Lower\\skp.exe"), {});
        } else {
            disk.files.insert(QStringLiteral("/mnt/skp/SKP.exe"), {});
            disk.files.insert(QStringLiteral("/mnt/lower/skp.exe"), {});
            disk.files.insert(QStringLiteral("/app/SKP.exe"), {});
            disk.files.insert(QStringLiteral("/app/tools/SKP.exe"), {});
        }
        const std::optional<QString> result =
            companion::CheckInstallationFolder(typed, app, platform, disk.probe());
        QCOMPARE(result.value_or(QStringLiteral("(File not found)")), stored);
        // Whatever passes the check is a line the launcher will accept.
        if (result)
            QVERIFY(
                companion::ParsePathFile(companion::PathFileBytes(*result), platform.separator).has_value());
    }

    void realDisk()
    {
        QTemporaryDir app;
        QTemporaryDir install;
        QVERIFY(app.isValid() && install.isValid());
        const FileProbe probe = companion::realFileProbe();
        const CompanionPlatform platform{u'/', {install.filePath(QStringLiteral("default/SKP.exe"))}};

        QVERIFY(!companion::FindCompanion(app.path(), platform, probe).has_value());

        QVERIFY(QDir(install.path()).mkpath(QStringLiteral("default/SKP.exe")));
        QVERIFY2(!companion::FindCompanion(app.path(), platform, probe).has_value(),
                 "a folder is not a program");

        QVERIFY(QDir(install.path()).mkdir(QStringLiteral("chosen")));
        QFile lower(install.filePath(QStringLiteral("chosen/skp.exe")));
        QVERIFY(lower.open(QIODevice::WriteOnly));
        lower.close();
        const QString chosen = install.filePath(QStringLiteral("chosen/"));
        if (probe.listFile(chosen + QStringLiteral("SKP.exe")).isEmpty()) {
            // Case-sensitive disk: the lower-case file is simply not there under the expected name.
            QVERIFY(!companion::CheckInstallationFolder(chosen, app.path(), platform, probe).has_value());
        }
        QFile program(install.filePath(QStringLiteral("chosen/SKP.exe")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.close();
        QCOMPARE(probe.listFile(chosen + QStringLiteral("SKP.exe")), QStringLiteral("SKP.exe"));

        const std::optional<QString> folder =
            companion::CheckInstallationFolder(chosen, app.path(), platform, probe);
        QCOMPARE(folder.value_or(QString()), chosen);
        QVERIFY(
            !companion::WritePathFile(app.filePath(QString::fromLatin1(companion::kPathFileName)), *folder));
        QCOMPARE(companion::FindCompanion(app.path(), platform, probe).value_or(kNotFound),
                 chosen + QStringLiteral("SKP.exe"));
    }
};

QTEST_GUILESS_MAIN(CompanionSearchTest)
#include "CompanionSearchTest.moc"
