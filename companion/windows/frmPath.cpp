#include "companion/windows/frmPath.h"

#include "app/platform/PlatformServices.h"
#include "app/platform/UserFiles.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/MessageBox.h"
#include "app/shell/WindowManager.h"
#include "companion/logic/PathFile.h"
#include "companion/windows/Launcher.h"
#include "ui_frmPath.h"

#include <QDir>

frmPath::frmPath(QWidget *parent) : AppWindow(Forms::frmPath, parent), ui(std::make_unique<Ui::frmPath>())
{
    setUpFromDesign(*ui, this);

    // The lists open on the current folder; the path box stays empty until the user chooses.
    const QString current = platform().CurrentFolder();
    ui->Drive1->fillMounted();
    ui->Drive1->showDriveOf(current);
    ui->Dir1->setPath(current);

    connect(ui->Drive1, &DriveList::driveChanged, this, &frmPath::Drive1_Change);
    connect(ui->Dir1, &FolderList::pathChanged, this, &frmPath::Dir1_Change);
    connect(ui->cmdStore, &QPushButton::clicked, this, &frmPath::cmdStore_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmPath::cmdBack_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmPath::cmdClose_Click);
}

frmPath::~frmPath() = default;

void frmPath::Drive1_Change(const QString &root)
{
    ui->Dir1->setPath(root);
}

void frmPath::Dir1_Change(const QString &folder)
{
    // Moving up the folder chain can leave the file system the drive list names.
    ui->Drive1->showDriveOf(folder);
    ui->txtPath->setText(companion::FolderPathText(folder, companion::launcherPlatform()));
}

void frmPath::cmdStore_Click()
{
    PlatformServices &os = platform();
    const QString applicationFolder = os.ApplicationFolder();
    os.SetCurrentFolder(applicationFolder);
    const std::optional<QString> folder = companion::CheckInstallationFolder(
        ui->txtPath->text(), applicationFolder, companion::launcherPlatform(), companion::launcherProbe());
    if (!folder) {
        ui->fraLocate->hide();
        ui->fraNotFound->show();
        return;
    }
    const QString pathFile =
        QDir(userfiles::configFolder()).filePath(QString::fromLatin1(companion::kPathFileName));
    if (const std::optional<ansi::FileError> error = companion::WritePathFile(pathFile, *folder)) {
        // Confirming a path that was never stored would leave the next launch at the download window
        // with no hint why, so the window stays open for another try.
        messagebox::show(this, QStringLiteral("The installation path could not be stored.\r\n") +
                                   error->userText());
        return;
    }
    messagebox::show(this,
                     QStringLiteral("Installation path has been stored. The Databank can now be accessed "
                                    "from the main menu."));
    windows().ClosePage(formName());
    windows().ClosePage(Forms::frmDownloadSKP);
}

void frmPath::cmdBack_Click()
{
    ui->fraNotFound->hide();
    ui->fraLocate->show();
}

void frmPath::cmdClose_Click()
{
    windows().ClosePage(formName());
}
