#include "mail/logic/OrderForm.h"

#include <QTest>
#include <functional>

using mail::OrderFields;
using mail::OrderForm;

Q_DECLARE_METATYPE(mail::OrderForm)
Q_DECLARE_METATYPE(mail::OrderFields)

namespace {

OrderFields validFields()
{
    OrderFields f;
    f.firstName = QStringLiteral("mira");
    f.lastName = QStringLiteral("LACHANCE");
    f.email = QStringLiteral("mira@home.example");
    f.address = QStringLiteral("12 Cedar Lane, Nelson");
    f.state = QStringLiteral("BC V1L 0A1");
    f.country = QStringLiteral("canada");
    f.cardType = QStringLiteral("VISA");
    f.cardNumber = {QStringLiteral("4111"), QStringLiteral("1111"), QStringLiteral("1111"),
                    QStringLiteral("1111")};
    f.expiryMonth = QStringLiteral("07");
    f.expiryYear = QStringLiteral("27");
    f.creditName = QStringLiteral("M Lachance");
    return f;
}

OrderFields with(const std::function<void(OrderFields &)> &change)
{
    OrderFields f = validFields();
    change(f);
    return f;
}

const QDate kToday(2026, 12, 10);

} // namespace

class OrderFormTest final : public QObject
{
    Q_OBJECT

private slots:
    void keyFilter_data()
    {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0") << QChar(u'0') << true;
        QTest::newRow("9") << QChar(u'9') << true;
        QTest::newRow("backspace") << QChar(8) << true;
        QTest::newRow("slash, just below 0") << QChar(u'/') << false;
        QTest::newRow("colon, just above 9") << QChar(u':') << false;
        QTest::newRow("letter") << QChar(u'a') << false;
        QTest::newRow("enter") << QChar(13) << false;
        QTest::newRow("ctrl+v") << QChar(22) << false;
        QTest::newRow("arabic-indic three") << QChar(0x0663) << false;
    }

    void keyFilter()
    {
        QFETCH(QChar, key);
        QFETCH(bool, accepted);
        QCOMPARE(mail::AcceptOrderKey(key), accepted);
    }

    void checksInOrder_data()
    {
        QTest::addColumn<OrderForm>("form");
        QTest::addColumn<OrderFields>("fields");
        QTest::addColumn<QString>("message");
        const OrderForm e = OrderForm::SecureOrder;
        const OrderForm f = OrderForm::Fax;

        QTest::newRow("all good") << e << validFields() << "";
        QTest::newRow("no first name, before everything else") << e << with([](OrderFields &o) {
            o.firstName.clear();
            o.email.clear();
            o.cardType.clear();
        }) << "Name has not been entered.";
        QTest::newRow("no last name")
            << f << with([](OrderFields &o) { o.lastName.clear(); }) << "Name has not been entered.";
        QTest::newRow("no email, before card type") << e << with([](OrderFields &o) {
            o.email.clear();
            o.cardType.clear();
        }) << "Email address is missing.";
        QTest::newRow("e-mail form, no card type") << e << with([](OrderFields &o) {
            o.cardType.clear();
            o.cardNumber[0].clear();
        }) << "Please, choose MasterCard or VISA.";
        QTest::newRow("mail form, no card type")
            << f << with([](OrderFields &o) { o.cardType.clear(); }) << "Please, choose Credit Card.";
        QTest::newRow("e-mail form, lower-case visa")
            << e << with([](OrderFields &o) { o.cardType = "visa"; }) << "Please, choose MasterCard or VISA";
        QTest::newRow("mail form, Mastercard typed by hand")
            << f << with([](OrderFields &o) { o.cardType = "Mastercard"; }) << "Please, choose Credit Card";
        QTest::newRow("card type with a trailing blank")
            << f << with([](OrderFields &o) { o.cardType = "VISA "; }) << "Please, choose Credit Card";
        QTest::newRow("MasterCard accepted")
            << e << with([](OrderFields &o) { o.cardType = "MasterCard"; }) << "";
        QTest::newRow("AmericanExpress accepted")
            << f << with([](OrderFields &o) { o.cardType = "AmericanExpress"; }) << "";
        QTest::newRow("first group empty, before expiry") << e << with([](OrderFields &o) {
            o.cardNumber[0].clear();
            o.expiryMonth.clear();
        }) << "Credit Card number has not been entered.";
        QTest::newRow("only later groups empty pass this stage")
            << e << with([](OrderFields &o) { o.cardNumber[3].clear(); }) << "";
        QTest::newRow("expiry month empty")
            << f << with([](OrderFields &o) { o.expiryMonth.clear(); }) << "Expiry date is required.";
        QTest::newRow("expiry year empty")
            << e << with([](OrderFields &o) { o.expiryYear.clear(); }) << "Expiry date is required.";
    }

    void checksInOrder()
    {
        QFETCH(OrderForm, form);
        QFETCH(OrderFields, fields);
        QFETCH(QString, message);
        QCOMPARE(mail::CheckOrderFields(form, fields), message);
        // A failed check ends the action with every field as it was.
        if (!message.isEmpty()) {
            const mail::OrderReview review = mail::ReviewOrder(form, fields, kToday);
            QCOMPARE(review.message, message);
            QCOMPARE(review.fields, fields);
            QVERIFY(review.orderText.isEmpty());
        }
    }

    void properCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("two words") << "mary ann"
                                   << "Mary Ann";
        QTest::newRow("shouting") << "LACHANCE"
                                  << "Lachance";
        QTest::newRow("apostrophe and hyphen are inside words") << "o'NEIL jean-LUC"
                                                                << "O'neil Jean-luc";
        QTest::newRow("tabs and line breaks separate, and stay") << "  united\tkingdom\r\nof\ngreat"
                                                                 << "  United\tKingdom\r\nOf\nGreat";
        QTest::newRow("accented letters") << QStringLiteral("éLODIE ÇA") << QStringLiteral("Élodie Ça");
        QTest::newRow("digits at word start") << "3rd STREET"
                                              << "3rd Street";
    }

    void properCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(mail::ProperCase(text), expected);
    }

    void shortCardNumberAfterTidying()
    {
        const OrderFields fields = with([](OrderFields &o) {
            o.cardNumber[2].clear();
            o.cardNumber[3].clear();
        });
        const mail::OrderReview review = mail::ReviewOrder(OrderForm::SecureOrder, fields, kToday);
        QCOMPARE(review.message, QStringLiteral("Card number should have 16 digits."));
        QCOMPARE(review.fields.country, QStringLiteral("Canada"));
        QCOMPARE(review.fields.firstName, QStringLiteral("Mira"));
        QCOMPARE(review.fields.lastName, QStringLiteral("Lachance"));
        QCOMPARE(review.fields.email, fields.email);
        QVERIFY(review.orderText.isEmpty());
    }

    void pastedLetterInCardNumber_data()
    {
        QTest::addColumn<OrderForm>("form");
        QTest::newRow("e-mail") << OrderForm::SecureOrder;
        QTest::newRow("mail") << OrderForm::Fax;
    }

    void pastedLetterInCardNumber()
    {
        QFETCH(OrderForm, form);
        const OrderFields fields = with([](OrderFields &o) { o.cardNumber[1] = QStringLiteral("11a1"); });
        QCOMPARE(mail::ReviewOrder(form, fields, kToday).message, QStringLiteral("Numbers only"));
    }

    void orderText_data()
    {
        QTest::addColumn<OrderForm>("form");
        QTest::addColumn<OrderFields>("fields");
        QTest::addColumn<QString>("expected");

        const QString body = QStringLiteral("Email address: mira@home.example\r\n"
                                            "First Name: Mira\r\n"
                                            "Last Name: Lachance\r\n"
                                            "Address / City: 12 Cedar Lane, Nelson\r\n"
                                            "State / Province / Zip: BC V1L 0A1\r\n"
                                            "Country: Canada\r\n");
        const QString card = QStringLiteral("CreditCard: VISA\r\n"
                                            "Name on Credit Card: M Lachance\r\n"
                                            "Card Number: ");
        const QString phoneFax = QStringLiteral("Phone: 250 555 0101\r\nFax: 250 555 0102\r\n");

        QTest::newRow("e-mail, eleven lines, scrambled, final CR LF")
            << OrderForm::SecureOrder << validFields()
            << "Ambrelis: $18.95 CAD\r\n" + body + card + "XX%KQ#M@V@Q=%#*RX\r\nExpiry Date: 0727\r\n";
        QTest::newRow("mail, eleven lines, plain, no final CR LF")
            << OrderForm::Fax << validFields()
            << "Essential Oils: $18.95 CAD\r\n" + body + card + "4111111111111111\r\nExpiry Date: 0727";
        const OrderFields withPhones = with([](OrderFields &o) {
            o.phone = QStringLiteral("250 555 0101");
            o.fax = QStringLiteral("250 555 0102");
        });
        QTest::newRow("e-mail, thirteen lines") << OrderForm::SecureOrder << withPhones
                                                << "Ambrelis: $18.95 CAD\r\n" + body + phoneFax + card +
                                                       "XX%KQ#M@V@Q=%#*RX\r\nExpiry Date: 0727\r\n";
        QTest::newRow("mail, fax only")
            << OrderForm::Fax << with([](OrderFields &o) { o.fax = QStringLiteral("250 555 0102"); })
            << "Essential Oils: $18.95 CAD\r\n" + body + "Fax: 250 555 0102\r\n" + card +
                   "4111111111111111\r\nExpiry Date: 0727";
        const OrderFields emptyAddress = with([](OrderFields &o) {
            o.address.clear();
            o.state.clear();
            o.country.clear();
            o.creditName.clear();
        });
        QTest::newRow("empty address lines still written")
            << OrderForm::Fax << emptyAddress
            << QStringLiteral("Essential Oils: $18.95 CAD\r\nEmail address: mira@home.example\r\n"
                              "First Name: Mira\r\nLast Name: Lachance\r\nAddress / City: \r\n"
                              "State / Province / Zip: \r\nCountry: \r\nCreditCard: VISA\r\n"
                              "Name on Credit Card: \r\nCard Number: 4111111111111111\r\nExpiry Date: 0727");
    }

    void orderText()
    {
        QFETCH(OrderForm, form);
        QFETCH(OrderFields, fields);
        QFETCH(QString, expected);
        const mail::OrderReview review = mail::ReviewOrder(form, fields, kToday);
        QCOMPARE(review.message, QString());
        QCOMPARE(review.orderText, expected);
    }

    void expiry_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("message");
        const QString expired = QString::fromLatin1(mail::kCardExpired);
        const QString tooShort = QString::fromLatin1(mail::kExpiryLength);
        const QString badMonth = QString::fromLatin1(mail::kExpiryMonthInvalid);

        QTest::newRow("this month is still good") << "12"
                                                  << "26" << QDate(2026, 12, 31) << "";
        QTest::newRow("last month has expired") << "11"
                                                << "26" << QDate(2026, 12, 1) << expired;
        QTest::newRow("December card in January") << "12"
                                                  << "26" << QDate(2027, 1, 1) << expired;
        QTest::newRow("January card in December") << "01"
                                                  << "27" << QDate(2026, 12, 31) << "";
        QTest::newRow("last year") << "12"
                                   << "25" << QDate(2026, 6, 15) << expired;
        QTest::newRow("years ahead") << "03"
                                     << "31" << QDate(2026, 6, 15) << "";
        QTest::newRow("next century when far behind") << "01"
                                                      << "00" << QDate(2099, 12, 31) << "";
        QTest::newRow("one-digit month") << "7"
                                         << "27" << QDate(2026, 6, 15) << tooShort;
        QTest::newRow("one-digit year") << "07"
                                        << "7" << QDate(2026, 6, 15) << tooShort;
        QTest::newRow("month 13") << "13"
                                  << "27" << QDate(2026, 6, 15) << badMonth;
        QTest::newRow("month 00") << "00"
                                  << "27" << QDate(2026, 6, 15) << badMonth;
        QTest::newRow("pasted letter") << "0x"
                                       << "27" << QDate(2026, 6, 15) << "Numbers only";
    }

    void expiry()
    {
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QDate, today);
        QFETCH(QString, message);
        QCOMPARE(mail::CheckExpiry(month, year, today), message);
    }

    void oneDigitMonthOnlyAfterEarlierChecks()
    {
        OrderFields fields = with([](OrderFields &o) { o.expiryMonth = QStringLiteral("7"); });
        QCOMPARE(mail::ReviewOrder(OrderForm::Fax, fields, kToday).message,
                 QString::fromLatin1(mail::kExpiryLength));
        fields.cardNumber[3] = QStringLiteral("11");
        QCOMPARE(mail::ReviewOrder(OrderForm::Fax, fields, kToday).message,
                 QString::fromLatin1(mail::kCardNumberLength));
    }

    void secondPressReflectsEdits()
    {
        OrderFields fields = validFields();
        const QString first = mail::ReviewOrder(OrderForm::SecureOrder, fields, kToday).orderText;
        fields.phone = QStringLiteral("555");
        const QString second = mail::ReviewOrder(OrderForm::SecureOrder, fields, kToday).orderText;
        QVERIFY(!first.contains(QStringLiteral("Phone:")));
        QVERIFY(second.contains(QStringLiteral("\r\nPhone: 555\r\n")));
    }

    void mailOrderHeaderAndPrintText()
    {
        maker::MakerConfig maker;
        maker.postalAddress = {QStringLiteral("1 Fir Road"), QStringLiteral("Cove, British Columbia"),
                               QStringLiteral("V0N 2K6"), QStringLiteral("Canada")};
        maker.phoneFax = QStringLiteral("1-604-555-0148");
        const QString header = mail::MailOrderHeader(maker);
        QCOMPARE(header, QStringLiteral("MAIL / FAX  ORDER FORM\r\nSend to: \r\nVarnholt Publishing\r\n"
                                        "1 Fir Road\r\nCove, British Columbia\r\nV0N 2K6    Canada\r\n"
                                        "Phone/Fax: 1-604-555-0148\r\n"));
        QCOMPARE(mail::MailOrderPrintText(header,
                                          QStringLiteral("Essential Oils: $18.95 CAD\r\nExpiry Date: 0727"),
                                          QStringLiteral("Thanks")),
                 header + QStringLiteral(
                              "\r\nEssential Oils: $18.95 CAD\r\nExpiry Date: 0727\r\nYour message: Thanks"));
    }

    void orderDraft()
    {
        maker::MakerConfig maker;
        maker.orderMailbox = QStringLiteral("orders@v.example");
        const mail::MailDraft draft = mail::OrderDraft(
            QStringLiteral("Ambrelis: $18.95 CAD\r\nExpiry Date: 0727\r\n"), QString(), maker);
        QCOMPARE(draft.recipient, maker.orderMailbox);
        QCOMPARE(draft.subject, QStringLiteral("Ambrelis Order"));
        // The order text's own CR LF and the one added make an empty line before the message.
        QCOMPARE(draft.body,
                 QStringLiteral("Ambrelis: $18.95 CAD\r\nExpiry Date: 0727\r\n\r\nYour message: "));
    }
};

QTEST_GUILESS_MAIN(OrderFormTest)
#include "OrderFormTest.moc"
