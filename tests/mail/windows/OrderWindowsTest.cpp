#include "ShellFixture.h"
#include "app/richtext/RichTextBox.h"
#include "app/shell/AppWindow.h"
#include "app/shell/PrintHandOver.h"
#include "mail/windows/DraftHandOff.h"
#include "mail/windows/frmOrderForm.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Fields = QList<QPair<QString, QString>>;

// A complete order as a buyer types it, names and country still in lower case.
const Fields ValidOrder{
    {"txtFirstName", "ada"},
    {"txtLastName", "lovelace"},
    {"txtEmail", "ada@example.org"},
    {"txtAddress", "12 Elm Street, Springfield"},
    {"txtState", "IL 62701"},
    {"txtCountry", "united states"},
    {"txtMasterVisa", "VISA"},
    {"txtCardNumber1", "4111"},
    {"txtCardNumber2", "1111"},
    {"txtCardNumber3", "1111"},
    {"txtCardNumber4", "1111"},
    {"txtExpiry1", "12"},
    {"txtExpiry2", "29"},
    {"txtCreditName", "Ada Lovelace"},
};

const QString CrLf = QStringLiteral("\r\n");

QLineEdit *box(AppWindow *window, const QString &name)
{
    auto *edit = window->findChild<QLineEdit *>(name);
    if (!edit)
        qFatal("no box %s", qPrintable(name));
    return edit;
}

void fill(AppWindow *window, const Fields &fields)
{
    for (const auto &[name, text] : fields)
        box(window, name)->setText(text);
}

Fields with(Fields fields, const QString &name, const QString &text)
{
    for (auto &field : fields) {
        if (field.first == name)
            field.second = text;
    }
    return fields;
}

QString reviewButton(FormId form)
{
    return form == Forms::frmSecureOrder ? QStringLiteral("cmdCallEmail") : QStringLiteral("cmdCallFax");
}

void click(AppWindow *window, const QString &button)
{
    auto *b = window->findChild<QPushButton *>(button);
    if (!b)
        qFatal("no button %s", qPrintable(button));
    b->click();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Where the print page would be: a window that takes the handed-over text into a box like the page's.
class StandInPrintPage final : public AppWindow, public PrintTarget
{
public:
    StandInPrintPage()
        : AppWindow(Forms::frmPrint), m_box(new RichTextBox(this)) // the box is owned by the page
    {
        m_box->setObjectName(QStringLiteral("rtfPrint"));
    }
    void receiveHandedOverText(const QString &text) override { m_box->setText(text); }

private:
    RichTextBox *m_box;
};

std::unique_ptr<AppWindow> standInPrintPage()
{
    return std::make_unique<StandInPrintPage>();
}

} // namespace

class OrderWindowsTest : public QObject
{
    Q_OBJECT

    OrderFormWindow::Clock m_previousClock;

private slots:
    void initTestCase()
    {
        m_previousClock = OrderFormWindow::setClock([] { return QDate(2026, 6, 15); });
    }
    void cleanupTestCase() { OrderFormWindow::setClock(m_previousClock); }

    void checksRunInOrderWithTheirMessages_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QString>("message");
        for (const FormId form : {Forms::frmSecureOrder, Forms::frmFax}) {
            const bool secure = form == Forms::frmSecureOrder;
            const auto row = [&](const char *name) -> QTestData & {
                return QTest::addRow("%s: %s", qPrintable(form.name()), name);
            };
            row("no first name") << form << with(ValidOrder, "txtFirstName", "")
                                 << "Name has not been entered.";
            row("no last name, no email") << form << with(with(ValidOrder, "txtLastName", ""), "txtEmail", "")
                                          << "Name has not been entered.";
            row("no email, no card type")
                << form << with(with(ValidOrder, "txtEmail", ""), "txtMasterVisa", "")
                << "Email address is missing.";
            row("no card type") << form << with(ValidOrder, "txtMasterVisa", "")
                                << (secure ? "Please, choose MasterCard or VISA."
                                           : "Please, choose Credit Card.");
            row("card type in lower case")
                << form << with(ValidOrder, "txtMasterVisa", "visa")
                << (secure ? "Please, choose MasterCard or VISA" : "Please, choose Credit Card");
            row("no first card group") << form << with(ValidOrder, "txtCardNumber1", "")
                                       << "Credit Card number has not been entered.";
            row("no expiry month") << form << with(ValidOrder, "txtExpiry1", "")
                                   << "Expiry date is required.";
            row("no expiry year") << form << with(ValidOrder, "txtExpiry2", "") << "Expiry date is required.";
            row("groups 3 and 4 empty")
                << form << with(with(ValidOrder, "txtCardNumber3", ""), "txtCardNumber4", "")
                << "Card number should have 16 digits.";
            row("one-digit expiry month")
                << form << with(ValidOrder, "txtExpiry1", "1")
                << "Expiry date requires 2 digits for month and 2 digits for year of Expiry.";
            row("pasted letters") << form << with(ValidOrder, "txtCardNumber2", "11a1") << "Numbers only";
        }
    }
    void checksRunInOrderWithTheirMessages()
    {
        QFETCH(FormId, form);
        QFETCH(Fields, fields);
        QFETCH(QString, message);
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(form);
        fill(window, fields);
        click(window, reviewButton(form));
        QCOMPARE(shell.messages, QStringList{message});
        QCOMPARE(windows().openWindows(), QList<FormId>{form});
    }

    void properCaseStaysAfterALaterCheckFails()
    {
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(Forms::frmFax);
        fill(window, with(with(ValidOrder, "txtCardNumber3", ""), "txtFirstName", "aDA mARIE"));
        click(window, QStringLiteral("cmdCallFax"));
        QCOMPARE(shell.messages, QStringList{"Card number should have 16 digits."});
        QCOMPARE(box(window, "txtFirstName")->text(), QStringLiteral("Ada Marie"));
        QCOMPARE(box(window, "txtLastName")->text(), QStringLiteral("Lovelace"));
        QCOMPARE(box(window, "txtCountry")->text(), QStringLiteral("United States"));
        QCOMPARE(box(window, "txtAddress")->text(), QStringLiteral("12 Elm Street, Springfield"));
    }

    void twinsShowTheirOwnTexts_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("buttonCaption");
        QTest::newRow("e-mail order")
            << Forms::frmSecureOrder << "Secure Order Form."
            << "SECURE ORDER FORM "
            << "Email order with encrypted MasterCard, VISA, or AmericanExpress card "
               "number directly to Varnholt Publishing."
            << "cmdCallEmail"
            << "Review / Generate / Encrypt";
        QTest::newRow("mail order") << Forms::frmFax << "Mail Order Form"
                                    << "MAIL ORDER FORM"
                                    << "Mail your order to Varnholt Publishing."
                                    << "cmdCallFax"
                                    << "Review / Generate / Print";
    }
    void twinsShowTheirOwnTexts()
    {
        QFETCH(FormId, form);
        QFETCH(QString, caption);
        QFETCH(QString, heading);
        QFETCH(QString, line);
        QFETCH(QString, button);
        QFETCH(QString, buttonCaption);
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(form);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblFormHeading"))->text(), heading);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblFormLine"))->text(), line);
        QCOMPARE(window->findChild<QPushButton *>(button)->text(), buttonCaption);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblCardNum"))->text(),
                 QStringLiteral("Credit Card Number: "));
        for (const char *group : {"txtCardNumber1", "txtCardNumber4"})
            QCOMPARE(box(window, group)->maxLength(), 4);
        for (const char *expiry : {"txtExpiry1", "txtExpiry2"})
            QCOMPARE(box(window, expiry)->maxLength(), 2);
    }

    void cardButtonsSetTheCardType_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("cardType");
        QTest::newRow("MasterCard") << "cmdMasterCard"
                                    << "MasterCard";
        QTest::newRow("VISA") << "cmdVisa"
                              << "VISA";
        QTest::newRow("AmericanExpress") << "cmdAmericanExpress"
                                         << "AmericanExpress";
    }
    void cardButtonsSetTheCardType()
    {
        QFETCH(QString, button);
        QFETCH(QString, cardType);
        ShellFixture shell;
        for (const FormId form : {Forms::frmSecureOrder, Forms::frmFax}) {
            AppWindow *window = windows().OpenPage(form);
            click(window, button);
            QCOMPARE(box(window, "txtMasterVisa")->text(), cardType);
        }
    }

    void digitFilter_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("refused");
        const int none = Qt::NoModifier;
        QTest::newRow("digit") << "txtCardNumber1" << int(Qt::Key_4) << none << "124" << false;
        QTest::newRow("letter") << "txtCardNumber2" << int(Qt::Key_A) << none << "12" << true;
        QTest::newRow("blank") << "txtCardNumber3" << int(Qt::Key_Space) << none << "12" << true;
        QTest::newRow("Enter") << "txtCardNumber4" << int(Qt::Key_Return) << none << "12" << true;
        QTest::newRow("Ctrl+V") << "txtExpiry1" << int(Qt::Key_V) << int(Qt::ControlModifier) << "12" << true;
        QTest::newRow("Backspace") << "txtExpiry2" << int(Qt::Key_Backspace) << none << "1" << false;
        QTest::newRow("minus") << "txtCardNumber1" << int(Qt::Key_Minus) << none << "12" << true;
    }
    void digitFilter()
    {
        QFETCH(QString, boxName);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, after);
        QFETCH(bool, refused);
        ShellFixture shell;
        QApplication::clipboard()->setText(QStringLiteral("99"));
        for (const FormId form : {Forms::frmSecureOrder, Forms::frmFax}) {
            shell.messages.clear();
            AppWindow *window = windows().OpenPage(form);
            QLineEdit *edit = box(window, boxName);
            edit->setText(QStringLiteral("12"));
            edit->setCursorPosition(2);
            QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(edit->text(), after);
            QCOMPARE(shell.messages, refused ? QStringList{"Numbers only"} : QStringList());
        }
    }

    void focusAdvancesWhenABoxIsFull_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focus");
        QTest::newRow("group 1 full") << "txtCardNumber1"
                                      << "1234"
                                      << "txtCardNumber2";
        QTest::newRow("group 1 not yet full") << "txtCardNumber1"
                                              << "123"
                                              << "txtCardNumber1";
        QTest::newRow("group 2 full") << "txtCardNumber2"
                                      << "1234"
                                      << "txtCardNumber3";
        QTest::newRow("group 3 full") << "txtCardNumber3"
                                      << "1234"
                                      << "txtCardNumber4";
        QTest::newRow("group 4 full") << "txtCardNumber4"
                                      << "1234"
                                      << "txtExpiry1";
        QTest::newRow("month full") << "txtExpiry1"
                                    << "12"
                                    << "txtExpiry2";
        QTest::newRow("year full") << "txtExpiry2"
                                   << "29"
                                   << "txtCreditName";
        QTest::newRow("year half") << "txtExpiry2"
                                   << "2"
                                   << "txtExpiry2";
    }
    void focusAdvancesWhenABoxIsFull()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(QString, focus);
        ShellFixture shell;
        for (const FormId form : {Forms::frmSecureOrder, Forms::frmFax}) {
            AppWindow *window = windows().OpenPage(form);
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QLineEdit *edit = box(window, boxName);
            edit->setFocus();
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), typed);
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
            windows().ClosePage(form);
        }
    }

    void emailOrderIsReviewedSentAndOpened_data()
    {
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QString>("optionalLines");
        QTest::addColumn<QString>("cardNumber");
        QTest::newRow("with phone and fax")
            << ValidOrder + Fields{{"txtPhone", "555-0100"}, {"txtFax", "555-0101"}}
            << "Phone: 555-0100\r\nFax: 555-0101\r\n"
            << "XX%KQ#M@V@Q=%#*RX";
        // 00000001 + 47193058 = 47193059 and 11111111 + 83620417 = 94731528: the leading zeros vanish.
        QTest::newRow("leading zeros, no phone or fax")
            << with(with(ValidOrder, "txtCardNumber1", "0000"), "txtCardNumber2", "0001") << ""
            << "Q=#@%K*@V@Q=%#*RX";
    }
    void emailOrderIsReviewedSentAndOpened()
    {
        QFETCH(Fields, fields);
        QFETCH(QString, optionalLines);
        QFETCH(QString, cardNumber);
        ShellFixture shell;
        AppWindow *form = windows().OpenPage(Forms::frmSecureOrder);
        fill(form, fields);
        click(form, QStringLiteral("cmdCallEmail"));
        QVERIFY(shell.messages.isEmpty());
        AppWindow *review = windows().find(Forms::frmReviewInfo);
        QVERIFY(review);
        QVERIFY(windows().find(Forms::frmSecureOrder));

        const QString orderText = "Ambrelis: $18.95 CAD\r\n"
                                  "Email address: ada@example.org\r\n"
                                  "First Name: Ada\r\n"
                                  "Last Name: Lovelace\r\n"
                                  "Address / City: 12 Elm Street, Springfield\r\n"
                                  "State / Province / Zip: IL 62701\r\n"
                                  "Country: United States\r\n" +
                                  optionalLines +
                                  "CreditCard: VISA\r\n"
                                  "Name on Credit Card: Ada Lovelace\r\n"
                                  "Card Number: " +
                                  cardNumber + "\r\nExpiry Date: 1229\r\n";
        auto *shown = review->findChild<QPlainTextEdit *>(QStringLiteral("txtReview"));
        QVERIFY(shown->isReadOnly());
        QCOMPARE(shown->toPlainText(), QString(orderText).replace(CrLf, QStringLiteral("\n")));

        review->findChild<QPlainTextEdit *>(QStringLiteral("txtMessage"))
            ->setPlainText(QStringLiteral("Thanks!"));
        click(review, QStringLiteral("cmdSecureEmail"));
        const QString path = shell.folder.filePath(QStringLiteral("Order.eml"));
        const QByteArray expected = "To: \"orders@varnholt-publishing.example\"\r\n"
                                    "Subject: Ambrelis Order\r\n"
                                    "X-Unsent: 1\r\n"
                                    "\r\n" +
                                    orderText.toLatin1() + "\r\nYour message: Thanks!\r\n";
        QCOMPARE(readAll(path), expected);
        QCOMPARE(shell.os->opened, QStringList{"Open|" + path});
        QVERIFY(windows().find(Forms::frmReviewInfo));
    }

    void mailOrderIsPrintedWithTheMailHeader()
    {
        ShellFixture shell;
        shell.manager->registerFactory(Forms::frmPrint, standInPrintPage);
        AppWindow *form = windows().OpenPage(Forms::frmFax);
        fill(form, ValidOrder);
        click(form, QStringLiteral("cmdCallFax"));
        AppWindow *review = windows().find(Forms::frmReviewFax);
        QVERIFY(review);
        const QString orderText = "Essential Oils: $18.95 CAD\r\n"
                                  "Email address: ada@example.org\r\n"
                                  "First Name: Ada\r\n"
                                  "Last Name: Lovelace\r\n"
                                  "Address / City: 12 Elm Street, Springfield\r\n"
                                  "State / Province / Zip: IL 62701\r\n"
                                  "Country: United States\r\n"
                                  "CreditCard: VISA\r\n"
                                  "Name on Credit Card: Ada Lovelace\r\n"
                                  "Card Number: 4111111111111111\r\n"
                                  "Expiry Date: 1229";
        QCOMPARE(review->findChild<QPlainTextEdit *>(QStringLiteral("txtFax"))->toPlainText(),
                 QString(orderText).replace(CrLf, QStringLiteral("\n")));

        review->findChild<QPlainTextEdit *>(QStringLiteral("txtMessage"))
            ->setPlainText(QStringLiteral("Call me."));
        click(review, QStringLiteral("cmdPrintFax"));
        AppWindow *print = windows().find(Forms::frmPrint);
        QVERIFY(print);
        QVERIFY(print->isVisible());
        QCOMPARE(print->findChild<RichTextBox *>(QStringLiteral("rtfPrint"))->Text(),
                 "MAIL / FAX  ORDER FORM\r\n"
                 "Send to: \r\n"
                 "Varnholt Publishing\r\n"
                 "418 Alder Bluff Road\r\n"
                 "Kestrel Cove, British Columbia\r\n"
                 "V0N 2K6    Canada\r\n"
                 "Phone/Fax: 1-604-555-0148\r\n"
                 "\r\n" +
                     orderText + "\r\nYour message: Call me.");
        QVERIFY(shell.os->opened.isEmpty());
    }

    void backShowsTheFormAndAFreshReviewFollowsTheEdits_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<FormId>("review");
        QTest::addColumn<QString>("reviewBox");
        QTest::addColumn<QString>("back");
        QTest::newRow("e-mail order") << Forms::frmSecureOrder << Forms::frmReviewInfo << "txtReview"
                                      << "cmdSecureOrder";
        QTest::newRow("mail order") << Forms::frmFax << Forms::frmReviewFax << "txtFax"
                                    << "cmdFax";
    }
    void backShowsTheFormAndAFreshReviewFollowsTheEdits()
    {
        QFETCH(FormId, form);
        QFETCH(FormId, review);
        QFETCH(QString, reviewBox);
        QFETCH(QString, back);
        ShellFixture shell;
        AppWindow *order = windows().OpenPage(form);
        fill(order, ValidOrder);
        click(order, reviewButton(form));
        click(windows().find(review), back);
        QCOMPARE(windows().openWindows(), QList<FormId>{form});
        QCOMPARE(windows().find(form), order);
        QVERIFY(order->isVisible());
        QCOMPARE(box(order, "txtCardNumber4")->text(), QStringLiteral("1111"));

        box(order, "txtLastName")->setText(QStringLiteral("byron"));
        click(order, reviewButton(form));
        const QString text = windows().find(review)->findChild<QPlainTextEdit *>(reviewBox)->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("\nLast Name: Byron\n")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Last Name: Lovelace")));

        // A second press while the review is open rewrites its text.
        box(order, "txtEmail")->setText(QStringLiteral("ada@example.net"));
        click(order, reviewButton(form));
        QVERIFY(windows().find(review)->findChild<QPlainTextEdit *>(reviewBox)->toPlainText().contains(
            QStringLiteral("Email address: ada@example.net\n")));
        QVERIFY(shell.messages.isEmpty());
    }

    void anOrderDraftThatCannotBeWrittenIsReportedAndNotOpened()
    {
        ShellFixture shell;
        QVERIFY(QDir(shell.folder.path()).mkdir(QStringLiteral("Order.eml")));
        AppWindow *form = windows().OpenPage(Forms::frmSecureOrder);
        fill(form, ValidOrder);
        click(form, QStringLiteral("cmdCallEmail"));
        click(windows().find(Forms::frmReviewInfo), QStringLiteral("cmdSecureEmail"));
        QCOMPARE(shell.messages.size(), 1);
        QVERIFY(shell.messages.first().startsWith(QString::fromLatin1(mail::kDraftNotCreated)));
        QVERIFY(shell.os->opened.isEmpty());
    }
};

QTEST_MAIN(OrderWindowsTest)
#include "OrderWindowsTest.moc"
