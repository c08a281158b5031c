#include "app/settings/frmSettings.h"

#include "app/menu/frmMenu.h"
#include "app/platform/PlatformServices.h"
#include "app/platform/UserFiles.h"
#include "app/richtext/InvisibleRichTextBox.h"
#include "app/settings/RemovalPanel.h"
#include "app/settings/frmResize.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/MessageBox.h"
#include "app/shell/ScreenMode.h"
#include "app/shell/WindowManager.h"
#include "ui_frmSettings.h"

#include <QDir>
#include <QLabel>

namespace {

const QString ScreenFile = QStringLiteral("Screen.txt");

// A paragraph keeps its place and width and takes the height its words need, so that its last line is read.
void growToText(QLabel *paragraph)
{
    paragraph->resize(paragraph->width(),
                      std::max(paragraph->height(), paragraph->heightForWidth(paragraph->width())));
}

} // namespace

frmSettings::frmSettings(QWidget *parent)
    : AppWindow(Forms::frmSettings, parent), ui(std::make_unique<Ui::frmSettings>())
{
    setUpFromDesign(*ui, this);
    ui->Shape1->lower();
    growToText(ui->Label6);
    growToText(ui->Label8);
    ui->rtfScreen->setText(QString(QChar(screenmode::Maximised)));
    connect(ui->cmdMaximize, &QPushButton::clicked, this, &frmSettings::cmdMaximize_Click);
    connect(ui->cmdMitte, &QPushButton::clicked, this, &frmSettings::cmdMitte_Click);
    connect(ui->cmdAddRemove, &QPushButton::clicked, this, &frmSettings::cmdAddRemove_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmSettings::cmdClose_Click);
}

frmSettings::~frmSettings() = default;

void frmSettings::cmdMaximize_Click()
{
    SetScreenMode(screenmode::Maximised,
                  QStringLiteral("Next time you restart the program all pages will open maximized."),
                  QStringLiteral("maximized"));
}

void frmSettings::cmdMitte_Click()
{
    SetScreenMode(screenmode::Normal,
                  QStringLiteral("Next time you restart the program all pages will open centered."),
                  QStringLiteral("centered"));
}

void frmSettings::SetScreenMode(QChar digit, const QString &message, const QString &modeWord)
{
    PlatformServices &os = platform();
    os.SetCurrentFolder(os.ApplicationFolder());

    // The file is replaced in one step rather than emptied first: a save that fails leaves the previous
    // choice on disk instead of an empty file.
    ui->rtfScreen->setText(QString(digit));
    const bool saved = ui->rtfScreen->SaveFile(QDir(userfiles::configFolder()).filePath(ScreenFile));

    if (auto *menu = windows().find<frmMenu>(Forms::frmMenu)) {
        menu->rtfScreen()->setText(QString(digit));
        menu->ApplyScreenMode();
        menu->showPlaced();
        menu->raise();
        menu->activateWindow();
    }

    if (!saved) {
        // The confirmation would promise the next start something the file does not hold.
        windows().ClosePage(Forms::frmResize);
        messagebox::show(this, QStringLiteral("All pages opened from now on will open %1, but the setting "
                                              "could not be saved in %2 and holds for this run only.")
                                   .arg(modeWord, ScreenFile));
        return;
    }
    if (auto *confirmation = qobject_cast<frmResize *>(windows().OpenPage(Forms::frmResize)))
        confirmation->lblResize()->setText(message);
}

void frmSettings::cmdAddRemove_Click()
{
    // A panel that cannot be started is no reason to keep the program open: the user asked to leave.
    if (const std::optional<RemovalPanel> panel = removalPanel())
        platform().StartProgram(panel->program, panel->arguments, panel->style);
    windows().ClosePage(Forms::frmSettings);
    windows().EndProgram();
}

void frmSettings::cmdClose_Click()
{
    windows().ClosePage(Forms::frmSettings);
}
