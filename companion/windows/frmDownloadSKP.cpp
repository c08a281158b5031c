#include "companion/windows/frmDownloadSKP.h"

#include "app/platform/PlatformServices.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/WindowManager.h"
#include "companion/windows/Launcher.h"
#include "shared/MakerConfig.h"
#include "ui_frmDownloadSKP.h"

namespace {

const QString DownloadTip = QStringLiteral("Downloads File: ");

} // namespace

frmDownloadSKP::frmDownloadSKP(QWidget *parent)
    : AppWindow(Forms::frmDownloadSKP, parent), ui(std::make_unique<Ui::frmDownloadSKP>())
{
    setUpFromDesign(*ui, this);

    const maker::MakerConfig &config = maker::makerConfig();
    ui->lblDefaultFolder->setText(QStringLiteral("Default folder is: ") +
                                  companion::launcherPlatform().defaultFolder());
    ui->lblDownloadSKP->setToolTip(DownloadTip + config.companionDownloadUrl);
    ui->lblDownloadSKPUpgrade->setToolTip(DownloadTip + config.companionMirrorDownloadUrl);
    ui->Text1->setText(config.companionPageUrl);

    connect(ui->cmdPath, &QPushButton::clicked, this, &frmDownloadSKP::cmdPath_Click);
    connect(ui->cmdPriceList, &QPushButton::clicked, this, &frmDownloadSKP::cmdPriceList_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmDownloadSKP::cmdClose_Click);
    connect(ui->lblDownloadSKP, &ClickableLabel::clicked, this, &frmDownloadSKP::lblDownloadSKP_Click);
    connect(ui->lblDownloadSKPUpgrade, &ClickableLabel::clicked, this,
            &frmDownloadSKP::lblDownloadSKPUpgrade_Click);
}

frmDownloadSKP::~frmDownloadSKP() = default;

void frmDownloadSKP::cmdPath_Click()
{
    windows().OpenPage(Forms::frmPath);
}

void frmDownloadSKP::cmdPriceList_Click()
{
    windows().OpenPage(Forms::frmPriceList);
}

void frmDownloadSKP::cmdClose_Click()
{
    windows().ClosePage(formName());
}

// The browser fetches the file; the default verb lets the desktop choose it.
void frmDownloadSKP::lblDownloadSKP_Click()
{
    platform().ShellOpen(this, QString(), maker::makerConfig().companionDownloadUrl);
}

void frmDownloadSKP::lblDownloadSKPUpgrade_Click()
{
    platform().ShellOpen(this, QString(), maker::makerConfig().companionMirrorDownloadUrl);
}
