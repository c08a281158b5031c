#include "mail/windows/frmPriceList.h"

#include "app/platform/PlatformServices.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/WindowManager.h"
#include "shared/MakerConfig.h"
#include "ui_frmPriceList.h"

#include <QLabel>

namespace {

constexpr int RowHeight = 18;

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, QRect place, bool bold = false,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent); // owned by parent
    label->setObjectName(name);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(9.75);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setGeometry(place);
    return label;
}

// Two columns, the program at the left and its price right-aligned, one row each.
void addPriceRow(QWidget *parent, const QString &nameKey, int row, int top, const QString &program, int cents)
{
    const int y = top + row * RowHeight;
    const int width = parent->width();
    addLabel(parent, QStringLiteral("lbl%1%2").arg(nameKey).arg(row + 1), program,
             {8, y, width - 110, RowHeight});
    addLabel(parent, QStringLiteral("lbl%1Price%2").arg(nameKey).arg(row + 1), maker::formatDollars(cents),
             {width - 100, y, 84, RowHeight}, false, Qt::AlignRight | Qt::AlignVCenter);
}

int priceOf(const maker::MakerConfig &maker, const QString &program)
{
    for (const maker::PriceListEntry &entry : maker.priceList) {
        if (entry.program == program)
            return entry.priceCents;
    }
    return 0;
}

} // namespace

frmPriceList::frmPriceList(QWidget *parent)
    : AppWindow(Forms::frmPriceList, parent), ui(std::make_unique<Ui::frmPriceList>())
{
    setUpFromDesign(*ui, this);
    const maker::MakerConfig &maker = maker::makerConfig();

    for (int row = 0; row < maker.priceList.size(); ++row) {
        const maker::PriceListEntry &entry = maker.priceList[row];
        addPriceRow(ui->fraPrices, QStringLiteral("Program"), row, 4, entry.program, entry.priceCents);
    }

    QWidget *panel = ui->fraPriceCollection;
    const maker::DiscountOffer &offer = maker.discountOffer;
    addLabel(panel, QStringLiteral("lblOfferHeading"),
             QStringLiteral("Discount Offer: these %1 programs together").arg(offer.programs.size()),
             {8, 6, panel->width() - 110, 20}, true);
    for (int row = 0; row < offer.programs.size(); ++row)
        addPriceRow(panel, QStringLiteral("Offer"), row, 28, offer.programs[row],
                    priceOf(maker, offer.programs[row]));
    const int summary = 28 + int(offer.programs.size()) * RowHeight + 6;
    const int valueLeft = panel->width() - 100;
    const auto addSummary = [&](int line, const QString &caption, const QString &name, const QString &value) {
        const int y = summary + line * RowHeight;
        addLabel(panel, name + QStringLiteral("Caption"), caption, {8, y, valueLeft - 16, RowHeight},
                 line == 2);
        addLabel(panel, name, value, {valueLeft, y, 84, RowHeight}, line == 2,
                 Qt::AlignRight | Qt::AlignVCenter);
    };
    addSummary(0, QStringLiteral("Sum:"), QStringLiteral("lblDiscountSum"),
               maker::formatDollars(maker.discountSumCents()));
    addSummary(1, QStringLiteral("Discount:"), QStringLiteral("lblDiscountPercent"),
               QStringLiteral("%1% off").arg(offer.percentOff));
    addSummary(2, QStringLiteral("Total (CAD):"), QStringLiteral("lblDiscountTotal"),
               maker::formatDollars(maker.discountTotalCents()));
    ui->cmdClosePriceCollection->raise();

    ui->cmdPricing->setToolTip(QStringLiteral("Opens Website: ") + maker.pricingUrl);
    ui->Text1->setText(maker.pricingUrl);
    ui->Text1->setCursorPosition(0); // the start of the address in view, not its end

    connect(ui->cmdPriceCollection, &QPushButton::clicked, this, &frmPriceList::cmdPriceCollection_Click);
    connect(ui->cmdClosePriceCollection, &QPushButton::clicked, this,
            &frmPriceList::cmdClosePriceCollection_Click);
    connect(ui->cmdBonus, &QPushButton::clicked, this, [] { windows().OpenPage(Forms::frmBonus); });
    connect(ui->cmdPricing, &QPushButton::clicked, this, &frmPriceList::cmdPricing_Click);
}

frmPriceList::~frmPriceList() = default;

void frmPriceList::Form_Load()
{
    // The move to the top-left corner is the frame's; the folder is the window's own step.
    PlatformServices &os = platform();
    os.SetCurrentFolder(os.ApplicationFolder());
}

void frmPriceList::cmdPriceCollection_Click()
{
    ui->fraPriceCollection->setVisible(true);
}

void frmPriceList::cmdClosePriceCollection_Click()
{
    ui->fraPriceCollection->setVisible(false);
}

void frmPriceList::cmdPricing_Click()
{
    platform().ShellOpen(this, QString(), maker::makerConfig().pricingUrl);
}
