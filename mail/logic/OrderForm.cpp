#include "mail/logic/OrderForm.h"

#include "mail/logic/CardScramble.h"

#include <QStringList>
#include <string>

namespace mail {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool isWordSeparator(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n';
}

QString line(const QString &prefix, const QString &value)
{
    return prefix + u' ' + value;
}

} // namespace

const OrderFormTexts &orderFormTexts(OrderForm form)
{
    static const OrderFormTexts secureOrder{
        QStringLiteral("Secure Order Form."),
        QStringLiteral("SECURE ORDER FORM "),
        QStringLiteral("Email order with encrypted MasterCard, VISA, or AmericanExpress card number directly "
                       "to Varnholt Publishing."),
        QStringLiteral("Review / Generate / Encrypt"),
        QStringLiteral("Please, choose MasterCard or VISA."),
        QStringLiteral("Please, choose MasterCard or VISA"),
        QStringLiteral("Ambrelis: $18.95 CAD"),
        true,
        true,
    };
    static const OrderFormTexts fax{
        QStringLiteral("Mail Order Form"),
        QStringLiteral("MAIL ORDER FORM"),
        QStringLiteral("Mail your order to Varnholt Publishing."),
        QStringLiteral("Review / Generate / Print"),
        QStringLiteral("Please, choose Credit Card."),
        QStringLiteral("Please, choose Credit Card"),
        QStringLiteral("Essential Oils: $18.95 CAD"),
        false,
        false,
    };
    return form == OrderForm::SecureOrder ? secureOrder : fax;
}

bool AcceptOrderKey(QChar key)
{
    return key == QChar(8) || (key >= u'0' && key <= u'9');
}

QString CheckOrderFields(OrderForm form, const OrderFields &fields)
{
    const OrderFormTexts &texts = orderFormTexts(form);
    if (fields.firstName.isEmpty() || fields.lastName.isEmpty())
        return QString::fromLatin1(kNameMissing);
    if (fields.email.isEmpty())
        return QString::fromLatin1(kEmailMissing);
    if (fields.cardType.isEmpty())
        return texts.emptyCardTypeMessage;
    const QStringList cardTypes{QString::fromLatin1(kMasterCard), QString::fromLatin1(kVisa),
                                QString::fromLatin1(kAmericanExpress)};
    if (!cardTypes.contains(fields.cardType, Qt::CaseSensitive))
        return texts.unknownCardTypeMessage;
    if (fields.cardNumber[0].isEmpty())
        return QString::fromLatin1(kCardNumberMissing);
    if (fields.expiryMonth.isEmpty() || fields.expiryYear.isEmpty())
        return QString::fromLatin1(kExpiryRequired);
    return {};
}

QString ProperCase(const QString &text)
{
    std::u32string out;
    out.reserve(text.size());
    bool atWordStart = true;
    for (const uint c : text.toUcs4()) {
        const auto cp = static_cast<char32_t>(c);
        if (isWordSeparator(cp)) {
            out.push_back(cp);
            atWordStart = true;
            continue;
        }
        out.push_back(atWordStart ? QChar::toUpper(cp) : QChar::toLower(cp));
        atWordStart = false;
    }
    return QString::fromStdU32String(out);
}

QString CheckExpiry(const QString &month, const QString &year, const QDate &today)
{
    if (month.size() != 2 || year.size() != 2)
        return QString::fromLatin1(kExpiryLength);
    if (!IsPlainDigits(month) || !IsPlainDigits(year))
        return QString::fromLatin1(kNumbersOnly);
    const int expiryMonth = month.toInt();
    if (expiryMonth < 1 || expiryMonth > 12)
        return QString::fromLatin1(kExpiryMonthInvalid);
    // Two-digit years are read in today's century, except that one more than fifty years back rolls over
    // into the next century.
    int expiryYear = today.year() - today.year() % 100 + year.toInt();
    if (expiryYear < today.year() - 50)
        expiryYear += 100;
    if (expiryYear < today.year() || (expiryYear == today.year() && expiryMonth < today.month()))
        return QString::fromLatin1(kCardExpired);
    return {};
}

QString ComposeOrderText(OrderForm form, const OrderFields &fields, const QString &cardNumberText)
{
    const OrderFormTexts &texts = orderFormTexts(form);
    QStringList lines;
    lines << texts.firstOrderLine;
    lines << line(QStringLiteral("Email address:"), fields.email);
    lines << line(QStringLiteral("First Name:"), fields.firstName);
    lines << line(QStringLiteral("Last Name:"), fields.lastName);
    lines << line(QStringLiteral("Address / City:"), fields.address);
    lines << line(QStringLiteral("State / Province / Zip:"), fields.state);
    lines << line(QStringLiteral("Country:"), fields.country);
    if (!fields.phone.isEmpty())
        lines << line(QStringLiteral("Phone:"), fields.phone);
    if (!fields.fax.isEmpty())
        lines << line(QStringLiteral("Fax:"), fields.fax);
    lines << line(QStringLiteral("CreditCard:"), fields.cardType);
    lines << line(QStringLiteral("Name on Credit Card:"), fields.creditName);
    lines << line(QStringLiteral("Card Number:"), cardNumberText);
    lines << line(QStringLiteral("Expiry Date:"), fields.expiryMonth + fields.expiryYear);
    QString text = lines.join(kCrLf);
    if (texts.lastLineEndsWithCrLf)
        text += kCrLf;
    return text;
}

OrderReview ReviewOrder(OrderForm form, const OrderFields &fields, const QDate &today)
{
    OrderReview review{fields, CheckOrderFields(form, fields), {}};
    if (!review.message.isEmpty())
        return review;

    OrderFields &tidy = review.fields;
    tidy.country = ProperCase(tidy.country);
    tidy.firstName = ProperCase(tidy.firstName);
    tidy.lastName = ProperCase(tidy.lastName);

    const QString plainNumber =
        tidy.cardNumber[0] + tidy.cardNumber[1] + tidy.cardNumber[2] + tidy.cardNumber[3];
    if (plainNumber.size() != 16) {
        review.message = QString::fromLatin1(kCardNumberLength);
        return review;
    }
    // Pasting with the mouse bypasses the key filter, so letters can still arrive here.
    if (!IsPlainDigits(plainNumber)) {
        review.message = QString::fromLatin1(kNumbersOnly);
        return review;
    }
    const QString cardNumberText = orderFormTexts(form).scramblesCardNumber
                                       ? ScrambleCardNumber(plainNumber).value_or(QString())
                                       : plainNumber;

    review.message = CheckExpiry(tidy.expiryMonth, tidy.expiryYear, today);
    if (review.message.isEmpty())
        review.orderText = ComposeOrderText(form, tidy, cardNumberText);
    return review;
}

QString MailOrderHeader(const maker::MakerConfig &maker)
{
    const maker::PostalAddress &postal = maker.postalAddress;
    const QStringList lines{
        QStringLiteral("MAIL / FAX  ORDER FORM"),
        QStringLiteral("Send to: "),
        QStringLiteral("Varnholt Publishing"),
        postal.street,
        postal.town,
        postal.postalCode + QStringLiteral("    ") + postal.country,
        QStringLiteral("Phone/Fax: ") + maker.phoneFax,
    };
    return lines.join(kCrLf) + kCrLf;
}

QString MailOrderPrintText(const QString &header, const QString &orderText, const QString &message)
{
    return header + kCrLf + orderText + kCrLf + QStringLiteral("Your message: ") + message;
}

MailDraft OrderDraft(const QString &orderText, const QString &message, const maker::MakerConfig &maker)
{
    return {maker.orderMailbox, QStringLiteral("Ambrelis Order"),
            orderText + kCrLf + QStringLiteral("Your message: ") + message};
}

} // namespace mail
