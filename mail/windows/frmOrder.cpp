#include "mail/windows/frmOrder.h"

#include "app/platform/PlatformServices.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/WindowManager.h"
#include "shared/MakerConfig.h"
#include "ui_frmOrder.h"

frmOrder::frmOrder(QWidget *parent) : AppWindow(Forms::frmOrder, parent), ui(std::make_unique<Ui::frmOrder>())
{
    setUpFromDesign(*ui, this);
    const maker::MakerConfig &maker = maker::makerConfig();
    ui->cmdWebSite->setToolTip(QStringLiteral("Opens Website: ") + maker.secureWebOrderUrl);
    ui->Text3->setText(maker.pricingUrl);
    ui->Text3->setCursorPosition(0); // the start of the address in view, not its end
    ui->lblContact->setText(maker.makerName);
    ui->lblOrderMailbox->setText(QStringLiteral("Orders: ") + maker.orderMailbox);
    ui->lblSupportMailbox->setText(QStringLiteral("Support: ") + maker.supportMailbox);
    ui->lblPhone->setText(QStringLiteral("Phone/Fax: ") + maker.phoneFax);
    ui->lblStreet->setText(maker.postalAddress.street);
    ui->lblTown->setText(maker.postalAddress.town);
    ui->lblPostalCode->setText(maker.postalAddress.postalCode);
    ui->lblCanada->setText(maker.postalAddress.country);

    connect(ui->cmdSecureOrder, &QPushButton::clicked, this,
            [] { windows().OpenPage(Forms::frmSecureOrder); });
    connect(ui->cmdFax, &QPushButton::clicked, this, [] { windows().OpenPage(Forms::frmFax); });
    connect(ui->cmdWebSite, &QPushButton::clicked, this, &frmOrder::cmdWebSite_Click);
    connect(ui->cmdPricing, &QPushButton::clicked, this, &frmOrder::cmdPricing_Click);
}

frmOrder::~frmOrder() = default;

void frmOrder::Form_Load()
{
    PlatformServices &os = platform();
    os.SetCurrentFolder(os.ApplicationFolder());
}

void frmOrder::cmdWebSite_Click()
{
    platform().ShellOpen(this, QString(), maker::makerConfig().secureWebOrderUrl);
}

void frmOrder::cmdPricing_Click()
{
    platform().ShellOpen(this, QString(), maker::makerConfig().pricingUrl);
}
