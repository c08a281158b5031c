#include "mail/windows/frmOrderRegInfo.h"

#include "app/platform/PlatformServices.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/WindowManager.h"
#include "ui_frmOrderRegInfo.h"

frmOrderRegInfo::frmOrderRegInfo(QWidget *parent)
    : AppWindow(Forms::frmOrderRegInfo, parent), ui(std::make_unique<Ui::frmOrderRegInfo>())
{
    setUpFromDesign(*ui, this);
    connect(ui->cmdOrder, &QPushButton::clicked, this, [] { windows().OpenPage(Forms::frmOrder); });
    connect(ui->cmdUpgrade, &QPushButton::clicked, this, [] { windows().OpenPage(Forms::frmUpgradeInfo); });
    connect(ui->cmdClose, &QPushButton::clicked, this, [] { windows().ClosePage(Forms::frmOrderRegInfo); });
}

frmOrderRegInfo::~frmOrderRegInfo() = default;

void frmOrderRegInfo::Form_Load()
{
    PlatformServices &os = platform();
    os.SetCurrentFolder(os.ApplicationFolder());
}
