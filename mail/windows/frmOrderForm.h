#pragma once

#include "app/shell/AppWindow.h"
#include "mail/logic/OrderForm.h"

#include <QDate>
#include <functional>
#include <memory>

namespace Ui {
class frmOrderForm;
}
class QLineEdit;

// The credit-card order form; the e-mail and the mail order forms are twins built from one design and
// differing only in the texts and the review window their kind names.
class OrderFormWindow : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OrderFormWindow)

public:
    ~OrderFormWindow() override;

    mail::OrderForm kind() const { return m_kind; }
    mail::OrderFields fields() const;

    void cmdMasterCard_Click();
    void cmdVisa_Click();
    void cmdAmericanExpress_Click();
    // The review button of either form: checks, tidying, composition and the hand-over to the review window.
    void cmdReview_Click();

    // The date the expiry check compares against; tests fix it.
    using Clock = std::function<QDate()>;
    static Clock setClock(Clock clock);

protected:
    OrderFormWindow(FormId formName, mail::OrderForm kind, FormId reviewWindow, QWidget *parent);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void advanceFocus(QLineEdit *box, QLineEdit *next);
    void writeBack(QLineEdit *box, const QString &text);

    std::unique_ptr<Ui::frmOrderForm> ui;
    mail::OrderForm m_kind;
    FormId m_reviewWindow;
};

// The e-mail order form: its order leaves as a mail draft with the card number scrambled.
class frmSecureOrder final : public OrderFormWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSecureOrder)

public:
    explicit frmSecureOrder(QWidget *parent = nullptr);
    ~frmSecureOrder() override;

protected:
    void Form_Load() override;
};

// The mail order form: its order is printed with the card number as entered, to be posted or faxed.
class frmFax final : public OrderFormWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFax)

public:
    explicit frmFax(QWidget *parent = nullptr);
    ~frmFax() override;
};
