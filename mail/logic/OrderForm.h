#pragma once

#include "mail/logic/MailDraft.h"
#include "shared/MakerConfig.h"

#include <QDate>
#include <QString>
#include <array>

// The two credit-card order forms are twins: the same fields, checks and order text, differing only in the
// texts and card-number handling that OrderFormTexts holds.
namespace mail {

enum class OrderForm {
    SecureOrder, // frmSecureOrder: sent as a mail draft with the card number scrambled
    Fax,         // frmFax: printed as a mail/fax order form with the card number as entered
};

struct OrderFormTexts
{
    QString caption;
    QString heading;
    QString subheading;
    QString reviewButton;
    QString emptyCardTypeMessage;
    QString unknownCardTypeMessage;
    QString firstOrderLine;
    bool scramblesCardNumber;
    bool lastLineEndsWithCrLf;
};

const OrderFormTexts &orderFormTexts(OrderForm form);

// Messages of the order checks, in the order the checks run.
inline constexpr char kNumbersOnly[] = "Numbers only";
inline constexpr char kNameMissing[] = "Name has not been entered.";
inline constexpr char kEmailMissing[] = "Email address is missing.";
inline constexpr char kCardNumberMissing[] = "Credit Card number has not been entered.";
inline constexpr char kExpiryRequired[] = "Expiry date is required.";
inline constexpr char kCardNumberLength[] = "Card number should have 16 digits.";
inline constexpr char kExpiryLength[] =
    "Expiry date requires 2 digits for month and 2 digits for year of Expiry.";
inline constexpr char kExpiryMonthInvalid[] = "The expiry month must be a number from 01 to 12.";
inline constexpr char kCardExpired[] = "This card has expired. Please check the expiry date.";

// The captions of lblMasterCard and lblVisa, and the third accepted card type.
inline constexpr char kMasterCard[] = "MasterCard";
inline constexpr char kVisa[] = "VISA";
inline constexpr char kAmericanExpress[] = "AmericanExpress";

// What the user typed into an order form, one member per text box.
struct OrderFields
{
    QString firstName;                 // txtFirstName
    QString lastName;                  // txtLastName
    QString email;                     // txtEmail
    QString address;                   // txtAddress
    QString state;                     // txtState
    QString country;                   // txtCountry
    QString phone;                     // txtPhone
    QString fax;                       // txtFax
    QString cardType;                  // txtMasterVisa
    std::array<QString, 4> cardNumber; // txtCardNumber1 to txtCardNumber4
    QString expiryMonth;               // txtExpiry1
    QString expiryYear;                // txtExpiry2
    QString creditName;                // txtCreditName

    bool operator==(const OrderFields &) const = default;
};

// The key filter of the card-number and expiry boxes: digits and Backspace pass; anything else is refused
// and the form shows kNumbersOnly.
bool AcceptOrderKey(QChar key);

// The presence and card-type checks; an empty result means they passed.
QString CheckOrderFields(OrderForm form, const OrderFields &fields);

// First letter of every word upper case, the rest lower case; words are separated by blanks, tabs and line
// breaks, which stay as they are.
QString ProperCase(const QString &text);

// The expiry month and year against today's date; a card is good to the end of its expiry month. An empty
// result means the date is acceptable.
QString CheckExpiry(const QString &month, const QString &year, const QDate &today);

// The order text; cardNumberText is the scrambled or plain number, as the form requires.
QString ComposeOrderText(OrderForm form, const OrderFields &fields, const QString &cardNumberText);

struct OrderReview
{
    OrderFields fields; // with names and country in proper case, which the form writes back even on failure
    QString message;    // the first failed check's message; empty when the order may be reviewed
    QString orderText;  // the review window's text, set only when the message is empty
};

// Everything the review button does before the review window opens: checks, tidying, card number,
// composition and the expiry checks.
OrderReview ReviewOrder(OrderForm form, const OrderFields &fields, const QDate &today);

// The seven-line header of the printed mail order form, each line ended by CR LF.
QString MailOrderHeader(const maker::MakerConfig &maker);

// What frmReviewFax hands to the print page.
QString MailOrderPrintText(const QString &header, const QString &orderText, const QString &message);

// The e-mail order as a draft to the maker's order mailbox.
MailDraft OrderDraft(const QString &orderText, const QString &message, const maker::MakerConfig &maker);

} // namespace mail
