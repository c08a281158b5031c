#include "mail/windows/frmOrderForm.h"

#include "app/platform/PlatformServices.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/MessageBox.h"
#include "app/shell/WindowManager.h"
#include "mail/windows/frmOrderReview.h"
#include "ui_frmOrderForm.h"

#include <QKeyEvent>

namespace {

OrderFormWindow::Clock &installedClock()
{
    static OrderFormWindow::Clock installed = [] { return QDate::currentDate(); };
    return installed;
}

} // namespace

OrderFormWindow::OrderFormWindow(FormId formName, mail::OrderForm kind, FormId reviewWindow, QWidget *parent)
    : AppWindow(formName, parent), ui(std::make_unique<Ui::frmOrderForm>()), m_kind(kind),
      m_reviewWindow(reviewWindow)
{
    setUpFromDesign(*ui, this);
    const mail::OrderFormTexts &texts = mail::orderFormTexts(kind);
    setWindowTitle(texts.caption);
    ui->lblFormHeading->setText(texts.heading);
    ui->lblFormLine->setText(texts.subheading);
    ui->cmdReview->setText(texts.reviewButton);
    ui->cmdReview->setObjectName(kind == mail::OrderForm::SecureOrder ? QStringLiteral("cmdCallEmail")
                                                                      : QStringLiteral("cmdCallFax"));

    connect(ui->cmdMasterCard, &QPushButton::clicked, this, &OrderFormWindow::cmdMasterCard_Click);
    connect(ui->cmdVisa, &QPushButton::clicked, this, &OrderFormWindow::cmdVisa_Click);
    connect(ui->cmdAmericanExpress, &QPushButton::clicked, this, &OrderFormWindow::cmdAmericanExpress_Click);
    connect(ui->cmdReview, &QPushButton::clicked, this, &OrderFormWindow::cmdReview_Click);

    // Each digit box hands the focus on once it is full: the card groups in turn, then the expiry month and
    // year, then the name on the card.
    const std::array<std::pair<QLineEdit *, QLineEdit *>, 6> chain{{
        {ui->txtCardNumber1, ui->txtCardNumber2},
        {ui->txtCardNumber2, ui->txtCardNumber3},
        {ui->txtCardNumber3, ui->txtCardNumber4},
        {ui->txtCardNumber4, ui->txtExpiry1},
        {ui->txtExpiry1, ui->txtExpiry2},
        {ui->txtExpiry2, ui->txtCreditName},
    }};
    for (const auto &[box, next] : chain) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, box, next] { advanceFocus(box, next); });
    }
}

OrderFormWindow::~OrderFormWindow() = default;

OrderFormWindow::Clock OrderFormWindow::setClock(Clock clock)
{
    std::swap(installedClock(), clock);
    return clock;
}

mail::OrderFields OrderFormWindow::fields() const
{
    mail::OrderFields f;
    f.firstName = ui->txtFirstName->text();
    f.lastName = ui->txtLastName->text();
    f.email = ui->txtEmail->text();
    f.address = ui->txtAddress->text();
    f.state = ui->txtState->text();
    f.country = ui->txtCountry->text();
    f.phone = ui->txtPhone->text();
    f.fax = ui->txtFax->text();
    f.cardType = ui->txtMasterVisa->text();
    f.cardNumber = {ui->txtCardNumber1->text(), ui->txtCardNumber2->text(), ui->txtCardNumber3->text(),
                    ui->txtCardNumber4->text()};
    f.expiryMonth = ui->txtExpiry1->text();
    f.expiryYear = ui->txtExpiry2->text();
    f.creditName = ui->txtCreditName->text();
    return f;
}

void OrderFormWindow::cmdMasterCard_Click()
{
    ui->txtMasterVisa->setText(ui->lblMasterCard->text());
}

void OrderFormWindow::cmdVisa_Click()
{
    ui->txtMasterVisa->setText(ui->lblVisa->text());
}

void OrderFormWindow::cmdAmericanExpress_Click()
{
    ui->txtMasterVisa->setText(QString::fromLatin1(mail::kAmericanExpress));
}

void OrderFormWindow::cmdReview_Click()
{
    const mail::OrderReview review = mail::ReviewOrder(m_kind, fields(), installedClock()());
    // The names and the country stay tidied even when a later check fails.
    writeBack(ui->txtCountry, review.fields.country);
    writeBack(ui->txtFirstName, review.fields.firstName);
    writeBack(ui->txtLastName, review.fields.lastName);
    if (!review.message.isEmpty()) {
        messagebox::show(this, review.message);
        return;
    }
    // The order form stays open behind its review, so that "Back" finds everything as the user left it.
    if (auto *window = qobject_cast<OrderReviewWindow *>(windows().OpenPage(m_reviewWindow)))
        window->setOrderText(review.orderText);
}

void OrderFormWindow::writeBack(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

void OrderFormWindow::advanceFocus(QLineEdit *box, QLineEdit *next)
{
    if (box->text().size() == box->maxLength())
        next->setFocus();
}

bool OrderFormWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return AppWindow::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // Keys that move the focus or delete forwards type no character, so the filter leaves them alone.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
        return false;
    // Pasting is refused like any other character that is not a digit: a pasted text would pass unseen.
    const bool paste = key->matches(QKeySequence::Paste);
    if (!paste && (key->text().isEmpty() || mail::AcceptOrderKey(key->text().front())))
        return false;
    messagebox::show(this, QString::fromLatin1(mail::kNumbersOnly));
    return true;
}

frmSecureOrder::frmSecureOrder(QWidget *parent)
    : OrderFormWindow(Forms::frmSecureOrder, mail::OrderForm::SecureOrder, Forms::frmReviewInfo, parent)
{}

frmSecureOrder::~frmSecureOrder() = default;

void frmSecureOrder::Form_Load()
{
    PlatformServices &os = platform();
    os.SetCurrentFolder(os.ApplicationFolder());
}

frmFax::frmFax(QWidget *parent)
    : OrderFormWindow(Forms::frmFax, mail::OrderForm::Fax, Forms::frmReviewFax, parent)
{}

frmFax::~frmFax() = default;
