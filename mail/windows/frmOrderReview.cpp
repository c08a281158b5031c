#include "mail/windows/frmOrderReview.h"

#include "app/platform/PlatformServices.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/PrintHandOver.h"
#include "app/shell/WindowManager.h"
#include "mail/logic/OrderForm.h"
#include "mail/windows/DraftHandOff.h"
#include "shared/MakerConfig.h"
#include "ui_frmOrderReview.h"

OrderReviewWindow::OrderReviewWindow(FormId formName, FormId orderForm, const Design &design, QWidget *parent)
    : AppWindow(formName, parent), ui(std::make_unique<Ui::frmOrderReview>()), m_orderForm(orderForm)
{
    setUpFromDesign(*ui, this);
    setWindowTitle(design.caption);
    ui->txtOrder->setObjectName(design.orderBox);
    ui->cmdAction->setObjectName(design.actionButton);
    ui->cmdAction->setText(design.actionCaption);
    ui->cmdBack->setObjectName(design.backButton);
    ui->lblProcessed->setText(design.processed);
    ui->lblQuestions->setText(design.questions);
    ui->lblSupportMailbox->setText(maker::makerConfig().supportMailbox);
    connect(ui->cmdAction, &QPushButton::clicked, this, [this] { action(); });
    connect(ui->cmdBack, &QPushButton::clicked, this, &OrderReviewWindow::cmdBack_Click);
}

OrderReviewWindow::~OrderReviewWindow() = default;

void OrderReviewWindow::setOrderText(const QString &orderText)
{
    m_orderText = orderText;
    // The box shows the text; the order leaves with the text exactly as composed, CR LF and all.
    QString shown = orderText;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ui->txtOrder->setPlainText(shown);
}

QString OrderReviewWindow::message() const
{
    return ui->txtMessage->toPlainText();
}

void OrderReviewWindow::cmdBack_Click()
{
    windows().HandOver(this, m_orderForm);
}

frmReviewInfo::frmReviewInfo(QWidget *parent)
    : OrderReviewWindow(
          Forms::frmReviewInfo, Forms::frmSecureOrder,
          {QStringLiteral("txtReview"), QStringLiteral("cmdSecureEmail"),
           QStringLiteral("Secure Email - Submit"), QStringLiteral("cmdSecureOrder"),
           QStringLiteral("Your order will be processed within 24 hours."),
           QStringLiteral("If your order has not been processed within 24 hours e-mail Varnholt "
                          "Publishing at:"),
           QStringLiteral("Review Information")},
          parent)
{}

frmReviewInfo::~frmReviewInfo() = default;

void frmReviewInfo::Form_Load()
{
    PlatformServices &os = platform();
    os.SetCurrentFolder(os.ApplicationFolder());
}

void frmReviewInfo::cmdSecureEmail_Click()
{
    mail::SendMailDraft(this, QString::fromLatin1(mail::kOrderDraftFile),
                        mail::OrderDraft(orderText(), message(), maker::makerConfig()));
}

frmReviewFax::frmReviewFax(QWidget *parent)
    : OrderReviewWindow(Forms::frmReviewFax, Forms::frmFax,
                        {QStringLiteral("txtFax"), QStringLiteral("cmdPrintFax"),
                         QStringLiteral(" Mail-Order-Form   Print "), QStringLiteral("cmdFax"),
                         QStringLiteral("Processed within 24 hours of receiving your order."),
                         QStringLiteral("For questions e-mail Varnholt Publishing at:"),
                         QStringLiteral("Review Mail Information")},
                        parent)
{}

frmReviewFax::~frmReviewFax() = default;

void frmReviewFax::cmdPrintFax_Click()
{
    PrintHandOver(
        mail::MailOrderPrintText(mail::MailOrderHeader(maker::makerConfig()), orderText(), message()));
}
