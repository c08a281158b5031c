#include "app/platform/UserFiles.h"

#include "RecordingPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using userfiles::Places;
using userfiles::Situation;

Q_DECLARE_METATYPE(Places)

namespace {

const QString Program = QStringLiteral("/opt/amb/bin");
const QString Installed = QStringLiteral("/opt/amb/share/ambrelis");
const QString Data = QStringLiteral("/home/ann/.local/share/Ambrelis");
const QString Config = QStringLiteral("/home/ann/.config/Ambrelis");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The program as installed below a prefix of its own, with the user's home in another temporary folder.
struct Installation
{
    QTemporaryDir prefix;
    QTemporaryDir home;
    QString programFolder = prefix.filePath(QStringLiteral("bin"));
    QString shipped = userfiles::installedShippedPlace(programFolder);
    std::unique_ptr<PlatformServices> previous;

    Installation()
    {
        QDir().mkpath(programFolder);
        QDir().mkpath(shipped);
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
        previous = setPlatform(std::make_unique<RecordingPlatform>(programFolder));
    }
    ~Installation() { setPlatform(std::move(previous)); }
    Installation(const Installation &) = delete;
    Installation &operator=(const Installation &) = delete;

    QString shippedDatabase() const { return QDir(shipped).filePath(QStringLiteral("Indications.mdb")); }
    QString userDatabase() const { return home.filePath(QStringLiteral("data/Ambrelis/Indications.mdb")); }
};

} // namespace

class UserFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Ambrelis")); }

    void choosePlaces_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("installedShipped");
        QTest::addColumn<Places>("expected");
        QTest::newRow("installed") << false << Installed << Places{Installed, Data, Config};
        QTest::newRow("installed, run by root") << true << Installed << Places{Installed, Data, Config};
        QTest::newRow("own folder, writable") << true << QString() << Places{Program, Program, Program};
        QTest::newRow("own folder, read-only") << false << QString() << Places{Program, Data, Config};
    }
    void choosePlaces()
    {
        QFETCH(bool, writable);
        QFETCH(QString, installedShipped);
        QFETCH(Places, expected);
        const Places places = userfiles::choosePlaces({Program, writable, installedShipped, Data, Config});
        QCOMPARE(places.shipped, expected.shipped);
        QCOMPARE(places.data, expected.data);
        QCOMPARE(places.config, expected.config);
    }

    void installedProgramKeepsUserFilesInTheStandardFolders()
    {
        Installation install;
        QCOMPARE(userfiles::shippedFolder(), install.shipped);
        QCOMPARE(userfiles::dataFolder(), install.home.filePath(QStringLiteral("data/Ambrelis")));
        QCOMPARE(userfiles::configFolder(), install.home.filePath(QStringLiteral("config/Ambrelis")));
        QVERIFY(QFileInfo(userfiles::configFolder()).isDir()); // made on first use
        QCOMPARE(userfiles::indicationsDatabase(), install.userDatabase());
        QCOMPARE(userfiles::shippedIndicationsDatabase(), install.shippedDatabase());
    }

    void firstStartCopiesTheShippedDatabaseForTheUserToEdit()
    {
        Installation install;
        QVERIFY(write(install.shippedDatabase(), "shipped 1"));
        QFile::setPermissions(install.shippedDatabase(), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        QCOMPARE(userfiles::provideIndicationsDatabase(), std::nullopt);
        QCOMPARE(readAll(install.userDatabase()), QByteArray("shipped 1"));
        QVERIFY(QFileInfo(install.userDatabase()).permissions() & QFileDevice::WriteOwner);
        QVERIFY(!QFile::exists(install.userDatabase() + QStringLiteral(".part")));
    }

    void newerShippedDatabaseLeavesTheUsersCopy()
    {
        Installation install;
        QVERIFY(write(install.shippedDatabase(), "shipped 1"));
        QCOMPARE(userfiles::provideIndicationsDatabase(), std::nullopt);
        QVERIFY(write(install.userDatabase(), "edited by the user"));
        QVERIFY(write(install.shippedDatabase(), "shipped 2, newer"));
        QCOMPARE(userfiles::provideIndicationsDatabase(), std::nullopt);
        QCOMPARE(readAll(install.userDatabase()), QByteArray("edited by the user"));
        QCOMPARE(userfiles::indicationsDatabase(), install.userDatabase());
    }

    void copyCutShortIsNotTakenForTheUsersDatabase()
    {
        Installation install;
        QVERIFY(write(install.shippedDatabase(), "shipped 1"));
        QVERIFY(QDir().mkpath(QFileInfo(install.userDatabase()).path()));
        QVERIFY(write(install.userDatabase() + QStringLiteral(".part"), "ship"));
        QCOMPARE(userfiles::provideIndicationsDatabase(), std::nullopt);
        QCOMPARE(readAll(install.userDatabase()), QByteArray("shipped 1"));
    }

    void missingShippedDatabaseIsReportedWithItsPlace()
    {
        Installation install;
        const std::optional<QString> failure = userfiles::provideIndicationsDatabase();
        QVERIFY(failure);
        QVERIFY2(failure->contains(install.shippedDatabase()), qPrintable(*failure));
        QVERIFY2(failure->contains(install.userDatabase()), qPrintable(*failure));
        QVERIFY(!QFile::exists(install.userDatabase()));
    }

    void saveDialogFolder_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("current"); // relative to the installation's prefix
        QTest::addColumn<bool>("documentsExist");
        QTest::addColumn<QString>("expected"); // relative to the prefix, or ~/ for the home folder
        QTest::newRow("installed, in its own folder") << true << "bin" << true << "~/Documents";
        QTest::newRow("installed, no documents folder") << true << "bin" << false << "~/";
        QTest::newRow("installed, elsewhere") << true << "elsewhere" << true << "elsewhere";
        QTest::newRow("portable copy, in its own folder") << false << "bin" << true << "bin";
    }
    void saveDialogFolder()
    {
        QFETCH(bool, installed);
        QFETCH(QString, current);
        QFETCH(bool, documentsExist);
        QFETCH(QString, expected);
        Installation install;
        if (!installed)
            QVERIFY(QDir(install.shipped).removeRecursively());
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", install.home.path().toLocal8Bit());
        if (documentsExist)
            QVERIFY(QDir().mkpath(install.home.filePath(QStringLiteral("Documents"))));
        QVERIFY(QDir().mkpath(install.prefix.filePath(current)));
        const QString before = QDir::currentPath();
        QVERIFY(platform().SetCurrentFolder(install.prefix.filePath(current)));

        const QString folder = userfiles::saveDialogFolder();
        QDir::setCurrent(before);
        qputenv("HOME", home);
        const QString wanted = expected.startsWith(QLatin1Char('~'))
                                   ? QDir::cleanPath(install.home.filePath(expected.mid(2)))
                                   : install.prefix.filePath(expected);
        QCOMPARE(QFileInfo(folder).canonicalFilePath(), QFileInfo(wanted).canonicalFilePath());
    }

    void programFolderWithItsOwnFilesKeepsUsingThem()
    {
        QTemporaryDir folder;
        auto previous = setPlatform(std::make_unique<RecordingPlatform>(folder.path()));
        QVERIFY(write(folder.filePath(QStringLiteral("Indications.mdb")), "working copy"));
        QCOMPARE(userfiles::provideIndicationsDatabase(), std::nullopt);
        QCOMPARE(userfiles::dataFolder(), folder.path());
        QCOMPARE(userfiles::configFolder(), folder.path());
        QCOMPARE(userfiles::indicationsDatabase(), folder.filePath(QStringLiteral("Indications.mdb")));
        QCOMPARE(userfiles::shippedIndicationsDatabase(), userfiles::indicationsDatabase());
        QCOMPARE(readAll(userfiles::indicationsDatabase()), QByteArray("working copy"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Indications.mdb")});
        setPlatform(std::move(previous));
    }
};

QTEST_MAIN(UserFilesTest)
#include "UserFilesTest.moc"
