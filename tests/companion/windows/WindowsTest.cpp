#include "LauncherSetupGuard.h"
#include "ShellFixture.h"
#include "app/shell/AppWindow.h"
#include "app/shell/ClickableLabel.h"
#include "companion/windows/FolderLists.h"
#include "shared/MakerConfig.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

const QString StoredMessage =
    QStringLiteral("Installation path has been stored. The Databank can now be accessed from the main menu.");

template <typename T> T *control(AppWindow *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The folder window opened on the temporary application folder, as the menu leaves the current folder.
AppWindow *openFolderWindow(ShellFixture &shell)
{
    shell.os->SetCurrentFolder(shell.folder.path());
    return windows().OpenPage(Forms::frmPath);
}

void doubleClick(FolderList *list, const QString &folder)
{
    QListWidgetItem *item = list->itemFor(folder);
    if (!item)
        qFatal("no entry for %s", qPrintable(folder));
    list->doItemsLayout(); // the list lays out its rows lazily, and the click needs their places
    list->scrollToItem(item);
    // The events of a double click as the window system delivers them: press, release, press, double click.
    QWidget *viewport = list->viewport();
    const QPointF at = list->visualItemRect(item).center();
    const QPointF global = viewport->mapToGlobal(at);
    const std::pair<QEvent::Type, Qt::MouseButtons> steps[] = {{QEvent::MouseButtonPress, Qt::LeftButton},
                                                               {QEvent::MouseButtonRelease, Qt::NoButton},
                                                               {QEvent::MouseButtonPress, Qt::LeftButton},
                                                               {QEvent::MouseButtonDblClick, Qt::LeftButton},
                                                               {QEvent::MouseButtonRelease, Qt::NoButton}};
    for (const auto &[type, buttons] : steps) {
        QMouseEvent event(type, at, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

// As the user picks an entry: the list shows it, then announces the choice.
void choose(DriveList *drives, int index)
{
    drives->setCurrentIndex(index);
    emit drives->activated(index);
}

bool shows(AppWindow *window, const QString &frame)
{
    return !control<QWidget>(window, frame)->isHidden();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto row = [](FormId window, const char *name, const char *text) {
            QTest::newRow(qPrintable(window.name() + u' ' + QLatin1String(name))) << window << name << text;
        };
        row(Forms::frmDownloadSKP, "Label1", "Stowkeep Companion Program:");
        row(Forms::frmDownloadSKP, "Label2", "Program not installed.");
        row(Forms::frmDownloadSKP, "Label4",
            "If you've installed SKP in a different file folder location, please locate the path:");
        row(Forms::frmDownloadSKP, "cmdPath", "Locate Installation Folder");
        row(Forms::frmDownloadSKP, "cmdPriceList", "View All Programs Price List");
        row(Forms::frmDownloadSKP, "cmdClose", "Close");
        row(Forms::frmDownloadSKP, "Label5", "Download SKP with these direct links:");
        row(Forms::frmDownloadSKP, "Label6", "Bonus Companion Program");
        row(Forms::frmDownloadSKP, "Label7", "SKP is a toolkit and databank for personal use.");
        row(Forms::frmDownloadSKP, "Label8",
            "SKP is designed so that your entries are not deleted when any program is updated.");
        row(Forms::frmDownloadSKP, "Label9",
            "SKP is FREE with the purchase of any Varnholt Publishing software program.");
        row(Forms::frmDownloadSKP, "Label10",
            "If you prefer not to purchase any Varnholt Publishing software product, you can purchase SKP "
            "separately for $9.95 Canadian.");
        row(Forms::frmDownloadSKP, "Label11", "Or visit:");
        row(Forms::frmDownloadSKP, "lblDownloadSKP", "Download SKP");
        row(Forms::frmDownloadSKP, "lblDownloadSKPUpgrade", "Alternative Download");
        row(Forms::frmPath, "Label1", "Unable to find Installation Path for:");
        row(Forms::frmPath, "lblPath", "SKP");
        row(Forms::frmPath, "Label2", "Please find the Installation Folder for the Program:");
        row(Forms::frmPath, "Label3", "To select, double click the folder. The path will appear below.");
        row(Forms::frmPath, "Label4", "Or, type in the Installation Path where the program was saved.");
        row(Forms::frmPath, "Label5", "To finish, click Store to save the new Installation Path:");
        row(Forms::frmPath, "cmdStore", "Store");
        row(Forms::frmPath, "Label6", "The required file could not be found at that location.");
        row(Forms::frmPath, "Label7",
            "This may not be the right path or the program may not be installed yet.");
        row(Forms::frmPath, "Label8",
            "If you have installed the program, and still can't get it to link with the main menu,");
        row(Forms::frmPath, "Label9", "please send a Support Form to Varnholt Publishing.");
        row(Forms::frmPath, "cmdBack", "Back");
        row(Forms::frmPath, "cmdClose", "Close");
    }
    void texts()
    {
        QFETCH(FormId, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        ShellFixture shell;
        AppWindow *opened = windows().OpenPage(window);
        QWidget *widget = control<QWidget>(opened, name);
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), text);
        else
            QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), text);
    }

    void framesAndCaptions()
    {
        ShellFixture shell;
        AppWindow *download = windows().OpenPage(Forms::frmDownloadSKP);
        AppWindow *path = openFolderWindow(shell);
        QCOMPARE(download->windowTitle(), QStringLiteral("Download Stowkeep"));
        QCOMPARE(path->windowTitle(), QStringLiteral("Application Path"));
        QCOMPARE(control<QGroupBox>(path, "fraNotFound")->title(), QStringLiteral("File not found"));
        QVERIFY(shows(path, "fraLocate"));
        QVERIFY(!shows(path, "fraNotFound"));
        QCOMPARE(control<QLineEdit>(path, "txtPath")->text(), QString());
        QCOMPARE(control<FolderList>(path, "Dir1")->path(), QDir(shell.folder.path()).canonicalPath());
    }

    void defaultFolderNamesTheFirstLocation()
    {
        ShellFixture shell;
        {
            AppWindow *download = windows().OpenPage(Forms::frmDownloadSKP);
#ifdef Q_OS_WIN
            const QString expected = QStringLiteral("Default folder is: C:\\Program Files\\Greenhollow\\SKP");
#else
            const QString expected = QStringLiteral("Default folder is: /opt/greenhollow/SKP");
#endif
            QCOMPARE(control<QLabel>(download, "lblDefaultFolder")->text(), expected);
            windows().ClosePage(Forms::frmDownloadSKP);
        }
        const companion::CompanionPlatform elsewhere{u'/', {QStringLiteral("/srv/tools/SKP/SKP.exe")}};
        LauncherSetupGuard guard({[elsewhere] { return elsewhere; }, {}});
        AppWindow *download = windows().OpenPage(Forms::frmDownloadSKP);
        QCOMPARE(control<QLabel>(download, "lblDefaultFolder")->text(),
                 QStringLiteral("Default folder is: /srv/tools/SKP"));
    }

    void downloadLinksOpenTheMakersAddresses()
    {
        ShellFixture shell;
        const maker::MakerConfig &config = maker::makerConfig();
        QVERIFY(config.companionDownloadUrl.startsWith(QStringLiteral("https://")));
        QVERIFY(config.companionMirrorDownloadUrl.startsWith(QStringLiteral("https://")));
        QVERIFY(config.companionDownloadUrl != config.companionMirrorDownloadUrl);

        AppWindow *download = windows().OpenPage(Forms::frmDownloadSKP);
        auto *first = control<ClickableLabel>(download, "lblDownloadSKP");
        auto *mirror = control<ClickableLabel>(download, "lblDownloadSKPUpgrade");
        QCOMPARE(first->toolTip(), "Downloads File: " + config.companionDownloadUrl);
        QCOMPARE(mirror->toolTip(), "Downloads File: " + config.companionMirrorDownloadUrl);
        QCOMPARE(control<QLineEdit>(download, "Text1")->text(), config.companionPageUrl);

        QTest::mouseClick(first, Qt::LeftButton);
        QTest::mouseClick(mirror, Qt::LeftButton);
        QCOMPARE(shell.os->opened,
                 QStringList({"|" + config.companionDownloadUrl, "|" + config.companionMirrorDownloadUrl}));
        QVERIFY(shell.os->started.empty());
    }

    void downloadButtonsOpenAndClose()
    {
        ShellFixture shell;
        AppWindow *download = windows().OpenPage(Forms::frmDownloadSKP);
        control<QPushButton>(download, "cmdPath")->click();
        control<QPushButton>(download, "cmdPriceList")->click();
        QVERIFY(windows().find(Forms::frmPath));
        QVERIFY(windows().find(Forms::frmPriceList));
        control<QPushButton>(download, "cmdClose")->click();
        QVERIFY(!windows().find(Forms::frmDownloadSKP));
        QVERIFY(windows().find(Forms::frmPath));
    }

    void doubleClickChoosesTheFolder()
    {
        ShellFixture shell;
        const QDir app(QDir(shell.folder.path()).canonicalPath());
        QVERIFY(app.mkpath(QStringLiteral("Apps/SKP")));
        QVERIFY(app.mkpath(QStringLiteral("Other")));
        AppWindow *path = openFolderWindow(shell);
        auto *list = control<FolderList>(path, "Dir1");
        auto *box = control<QLineEdit>(path, "txtPath");

        doubleClick(list, app.filePath("Apps"));
        QCOMPARE(box->text(), app.filePath("Apps") + "/");
        QVERIFY(list->itemFor(app.filePath("Apps/SKP")));
        QVERIFY(!list->itemFor(app.filePath("Other")));

        doubleClick(list, app.filePath("Apps/SKP"));
        QCOMPARE(box->text(), app.filePath("Apps/SKP") + "/");

        // Back up the chain to a folder above.
        doubleClick(list, app.absolutePath());
        QCOMPARE(box->text(), app.absolutePath() + "/");
        QVERIFY(list->itemFor(app.filePath("Other")));

        // The root already ends with the separator and gets no second one.
        doubleClick(list, QStringLiteral("/"));
        QCOMPARE(box->text(), QStringLiteral("/"));

        box->setText(QStringLiteral("typed by hand"));
        QCOMPARE(box->text(), QStringLiteral("typed by hand"));
    }

    void driveChoiceMovesTheFolderList()
    {
        ShellFixture shell;
        const QString app = QDir(shell.folder.path()).canonicalPath();
        QVERIFY(QDir(app).mkpath(QStringLiteral("mounted")));
        AppWindow *path = openFolderWindow(shell);
        auto *drives = control<DriveList>(path, "Drive1");
        auto *list = control<FolderList>(path, "Dir1");
        auto *box = control<QLineEdit>(path, "txtPath");
        QVERIFY2(drives->count() > 0, "the mounted file systems are listed");
        const QString first = drives->drive();
        QVERIFY(app.startsWith(first));

        drives->addDrive(QStringLiteral("not ready"), app + QStringLiteral("/no-such-drive"));
        choose(drives, drives->count() - 1);
        QCOMPARE(list->path(), app);
        QCOMPARE(box->text(), QString());
        QCOMPARE(drives->drive(), first);

        drives->addDrive(QStringLiteral("ready"), app + QStringLiteral("/mounted"));
        choose(drives, drives->count() - 1);
        QCOMPARE(list->path(), app + QStringLiteral("/mounted"));
        QCOMPARE(box->text(), app + QStringLiteral("/mounted/"));
        QCOMPARE(drives->drive(), app + QStringLiteral("/mounted"));

        doubleClick(list, app);
        QCOMPARE(box->text(), app + QStringLiteral("/"));
        QVERIFY(drives->drive() != app + QStringLiteral("/mounted"));
        QVERIFY(app.startsWith(drives->drive()));
    }

    void store_data()
    {
        QTest::addColumn<QString>("typed");     // "<app>" stands for the application folder
        QTest::addColumn<QString>("program");   // where SKP.exe lies, relative to the application folder
        QTest::addColumn<QByteArray>("stored"); // the path file's bytes; empty: the check fails
        QTest::newRow("chosen folder") << "<app>/Apps/SKP/"
                                       << "Apps/SKP/SKP.exe" << QByteArray("<app>/Apps/SKP/\r\n");
        QTest::newRow("blanks around the path") << "  <app>/Apps/SKP/ \t"
                                                << "Apps/SKP/SKP.exe" << QByteArray("<app>/Apps/SKP/\r\n");
        QTest::newRow("accented folder in the Windows code page")
            << "<app>/Caf\u00e9/"
            << "Caf\u00e9/SKP.exe" << QByteArray("<app>/Caf\xe9/\r\n");
        QTest::newRow("blanks only: the application folder") << "   "
                                                             << "SKP.exe" << QByteArray("<app>/\r\n");
        QTest::newRow("no final separator") << "<app>/Apps/SKP"
                                            << "Apps/SKP/SKP.exe" << QByteArray();
        QTest::newRow("folder without the program") << "<app>/Apps/"
                                                    << "Apps/SKP/SKP.exe" << QByteArray();
        QTest::newRow("program in other letter case") << "<app>/Apps/SKP/"
                                                      << "Apps/SKP/skp.exe" << QByteArray();
    }
    void store()
    {
        QFETCH(QString, typed);
        QFETCH(QString, program);
        QFETCH(QByteArray, stored);

        ShellFixture shell;
        const QString app = QDir(shell.folder.path()).canonicalPath();
        QVERIFY(QDir(app).mkpath(QFileInfo(program).path()));
        shell.writeFile(program, "MZ");
        windows().OpenPage(Forms::frmDownloadSKP);
        AppWindow *path = openFolderWindow(shell);
        shell.os->SetCurrentFolder(QDir::tempPath()); // Store itself returns to the application folder
        control<QLineEdit>(path, "txtPath")->setText(typed.replace("<app>", app));

        control<QPushButton>(path, "cmdStore")->click();

        const QString pathFile = app + QStringLiteral("/PathSKP.txt");
        if (stored.isEmpty()) {
            QVERIFY(!QFile::exists(pathFile));
            QVERIFY(shell.messages.isEmpty());
            QVERIFY(!shows(path, "fraLocate"));
            QVERIFY(shows(path, "fraNotFound"));
            QVERIFY(windows().find(Forms::frmDownloadSKP));
        } else {
            QCOMPARE(contents(pathFile), stored.replace("<app>", app.toUtf8()));
            QCOMPARE(shell.messages, QStringList{StoredMessage});
            QVERIFY(windows().openWindows().isEmpty());
        }
        QCOMPARE(QDir::currentPath(), app);
    }

    void backReturnsToTheLocatingPanel()
    {
        ShellFixture shell;
        AppWindow *path = openFolderWindow(shell);
        auto *box = control<QLineEdit>(path, "txtPath");
        box->setText(QStringLiteral("/nowhere/at/all/"));
        control<QPushButton>(path, "cmdStore")->click();
        QVERIFY(shows(path, "fraNotFound"));

        control<QPushButton>(path, "cmdBack")->click();
        QVERIFY(shows(path, "fraLocate"));
        QVERIFY(!shows(path, "fraNotFound"));
        QCOMPARE(box->text(), QStringLiteral("/nowhere/at/all/"));

        control<QPushButton>(path, "cmdClose")->click();
        QVERIFY(!windows().find(Forms::frmPath));
    }

    // A folder in the path file's place makes the write fail even for a user who may write anywhere.
    void unwritablePathFileIsReportedAndTheWindowStays()
    {
        ShellFixture shell;
        const QString app = QDir(shell.folder.path()).canonicalPath();
        QVERIFY(QDir(app).mkpath(QStringLiteral("PathSKP.txt")));
        QVERIFY(QDir(app).mkpath(QStringLiteral("SKP")));
        shell.writeFile(QStringLiteral("SKP/SKP.exe"), "MZ");
        windows().OpenPage(Forms::frmDownloadSKP);
        AppWindow *path = openFolderWindow(shell);
        control<QLineEdit>(path, "txtPath")->setText(app + QStringLiteral("/SKP/"));

        control<QPushButton>(path, "cmdStore")->click();

        QCOMPARE(shell.messages.size(), 1);
        QVERIFY(
            shell.messages.first().startsWith(QStringLiteral("The installation path could not be stored.")));
        QVERIFY(shell.messages.first().contains(app + QStringLiteral("/PathSKP.txt")));
        QCOMPARE(windows().openWindows(), QList<FormId>({Forms::frmDownloadSKP, Forms::frmPath}));
        QVERIFY(shows(path, "fraLocate"));
    }

    // What Store keeps is what the next press of "Databank" starts.
    void storedFolderIsLaunchedNext()
    {
        ShellFixture shell;
        const QString app = QDir(shell.folder.path()).canonicalPath();
        QVERIFY(QDir(app).mkpath(QStringLiteral("Tools/SKP")));
        shell.writeFile(QStringLiteral("Tools/SKP/SKP.exe"), "MZ");
        const companion::CompanionPlatform nowhere{u'/', {app + QStringLiteral("/none/SKP.exe")}};
        LauncherSetupGuard guard({[nowhere] { return nowhere; }, {}});

        companion::cmdSKP_Click();
        AppWindow *download = windows().find(Forms::frmDownloadSKP);
        QVERIFY(download);
        control<QPushButton>(download, "cmdPath")->click();
        AppWindow *path = windows().find(Forms::frmPath);
        control<QLineEdit>(path, "txtPath")->setText(app + QStringLiteral("/Tools/SKP/"));
        control<QPushButton>(path, "cmdStore")->click();
        QVERIFY(windows().openWindows().isEmpty());

        companion::cmdSKP_Click();
        QCOMPARE(shell.os->started.size(), size_t(1));
        QCOMPARE(shell.os->started.front().program, app + QStringLiteral("/Tools/SKP/SKP.exe"));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
