#include "catalogue/frmProgramsBooks.h"

#include "app/platform/PlatformServices.h"
#include "app/shell/ClickableLabel.h"
#include "app/shell/PictureBox.h"
#include "app/shell/Twips.h"
#include "app/shell/WindowManager.h"
#include "catalogue/Catalogue.h"
#include "shared/MakerConfig.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

constexpr int BlockHeight = 128;
constexpr int BlockGap = 8;
// An arrow click moves three steps of 100 twips, about one line of the descriptions.
constexpr int ArrowSteps = 3;
const QRect ViewArea(10, 70, 750, 414);

QFont serif(double size, bool bold = false, bool underline = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(size);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

ClickableLabel *link(QWidget *parent, const QString &name, const QString &text, QRect place)
{
    auto *label = new ClickableLabel(parent); // owned by parent
    label->setObjectName(name);
    label->setText(text);
    label->setFont(serif(11.25, true, true));
    label->setStyleSheet(QStringLiteral("color: rgb(0,57,192);"));
    label->setGeometry(place);
    return label;
}

} // namespace

int frmProgramsBooks::contentTopForStep(int step)
{
    return -qRound(step * 100 / 15.0);
}

frmProgramsBooks::frmProgramsBooks(QWidget *parent) : AppWindow(Forms::frmProgramsBooks, parent)
{
    const catalogue::Catalogue &cat = catalogue::current();

    auto *heading = new QLabel(cat.heading, this);
    heading->setObjectName(QStringLiteral("lblHeading"));
    heading->setFont(serif(16, true));
    heading->setStyleSheet(QStringLiteral("color: rgb(128,32,48);"));
    heading->setGeometry(10, 6, 770, 28);
    auto *intro = new QLabel(cat.introduction, this);
    intro->setObjectName(QStringLiteral("lblIntroduction"));
    intro->setFont(serif(11.25));
    intro->setWordWrap(true);
    intro->setGeometry(10, 34, 770, 34);

    auto *view = new QFrame(this);
    view->setObjectName(QStringLiteral("fraView"));
    view->setFrameShape(QFrame::StyledPanel);
    view->setGeometry(ViewArea);
    m_content = new QFrame(view);
    m_content->setObjectName(QStringLiteral("fraContent"));
    const int contentHeight = int(cat.products.size()) * (BlockHeight + BlockGap) + BlockGap;
    m_content->setGeometry(0, 0, ViewArea.width(), contentHeight);

    const QString orderMail = QStringLiteral("mailto:") + maker::makerConfig().orderMailbox;
    for (int i = 0; i < cat.products.size(); ++i) {
        const catalogue::Product &product = cat.products[i];
        const int n = i + 1;
        auto *block = new QFrame(m_content);
        block->setObjectName(QStringLiteral("fraProduct%1").arg(n));
        block->setFrameShape(QFrame::Box);
        block->setGeometry(BlockGap, BlockGap + i * (BlockHeight + BlockGap),
                           ViewArea.width() - 2 * BlockGap - 4, BlockHeight);
        auto *picture = new PictureBox(block);
        picture->setObjectName(QStringLiteral("imgProduct%1").arg(n));
        picture->setSource(QStringLiteral(":/content/pictures/") + product.picture);
        picture->setToolTip(product.name);
        picture->setGeometry(6, 6, 86, BlockHeight - 12);
        auto *name =
            new QLabel(product.name + QStringLiteral("  (") + product.kind + QLatin1Char(')'), block);
        name->setObjectName(QStringLiteral("lblProduct%1").arg(n));
        name->setFont(serif(12, true));
        name->setGeometry(102, 4, 600, 22);
        auto *text = new QLabel(product.description, block);
        text->setObjectName(QStringLiteral("lblDescription%1").arg(n));
        text->setFont(serif(11.25));
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setGeometry(102, 26, block->width() - 110, 70);

        const auto open = [this](const QString &address) {
            return [this, address] { platform().ShellOpen(this, QString(), address); };
        };
        connect(
            link(block, QStringLiteral("lblWeb%1").arg(n), QStringLiteral("Web page"), {102, 100, 110, 20}),
            &ClickableLabel::clicked, this, open(product.pageUrl));
        if (!product.downloadUrl.isEmpty()) {
            connect(link(block, QStringLiteral("lblDownload%1").arg(n), QStringLiteral("Download"),
                         {222, 100, 110, 20}),
                    &ClickableLabel::clicked, this, open(product.downloadUrl));
        }
        connect(link(block, QStringLiteral("lblMail%1").arg(n), QStringLiteral("Ask us by e-mail"),
                     {342, 100, 160, 20}),
                &ClickableLabel::clicked, this, open(orderMail));
    }

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setGeometry(ViewArea.right() + 3, ViewArea.top(), 18, ViewArea.height());
    const int hiddenPixels = std::max(0, contentHeight - ViewArea.height());
    m_scroll->setRange(0, (hiddenPixels * 15 + 99) / 100);
    m_scroll->setSingleStep(ArrowSteps);
    m_scroll->setPageStep(ViewArea.height() * 15 / 100 - ArrowSteps);
    connect(m_scroll, &QScrollBar::valueChanged, this, &frmProgramsBooks::VScroll1_Change);

    const auto openPage = [](FormId form) { return [form] { windows().OpenPage(form); }; };
    connect(
        link(this, QStringLiteral("lblCompare1"), QStringLiteral("Compare the programs"), {10, 494, 190, 22}),
        &ClickableLabel::clicked, this, openPage(Forms::frmProgramComparison));
    connect(link(this, QStringLiteral("lblCompare2"), QStringLiteral("Which program suits me?"),
                 {210, 494, 200, 22}),
            &ClickableLabel::clicked, this, openPage(Forms::frmProgramComparison));
    auto *prices = new QPushButton(QStringLiteral("Price List"), this);
    prices->setObjectName(QStringLiteral("cmdPriceList"));
    prices->setFont(serif(11.25, true));
    prices->setGeometry(560, 494, 110, 26);
    connect(prices, &QPushButton::clicked, this, openPage(Forms::frmPriceList));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setFont(serif(11.25));
    close->setGeometry(690, 494, 70, 26);
    connect(close, &QPushButton::clicked, this, [] { windows().ClosePage(Forms::frmProgramsBooks); });
}

void frmProgramsBooks::VScroll1_Change(int value)
{
    m_content->move(0, contentTopForStep(value));
}

void frmProgramsBooks::wheelEvent(QWheelEvent *event)
{
    // Labels and frames leave the wheel to their parent; the scroll bar turns it into steps.
    QCoreApplication::sendEvent(m_scroll, event);
}
