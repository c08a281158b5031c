#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmOrderReview;
}

// The review of an order: the order text as the form composed it, a message of the user's own, the action
// that sends or prints the order, and "Back" to the form. The e-mail and the mail order reviews share one
// design; each names its controls and sets its texts.
class OrderReviewWindow : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OrderReviewWindow)

public:
    ~OrderReviewWindow() override;

    // Replaces the order text; every press of the form's review button composes it afresh.
    void setOrderText(const QString &orderText);
    QString orderText() const { return m_orderText; }
    QString message() const;

    // "Back": the order form again, as the user left it, and this review closes.
    void cmdBack_Click();

protected:
    struct Design
    {
        QString orderBox;
        QString actionButton;
        QString actionCaption;
        QString backButton;
        QString processed;
        QString questions;
        QString caption;
    };
    OrderReviewWindow(FormId formName, FormId orderForm, const Design &design, QWidget *parent);
    virtual void action() = 0;

private:
    std::unique_ptr<Ui::frmOrderReview> ui;
    FormId m_orderForm;
    QString m_orderText;
};

// The e-mail order's review: sends the order as a mail draft to the maker's order mailbox.
class frmReviewInfo final : public OrderReviewWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmReviewInfo)

public:
    explicit frmReviewInfo(QWidget *parent = nullptr);
    ~frmReviewInfo() override;

    void cmdSecureEmail_Click();

protected:
    void Form_Load() override;
    void action() override { cmdSecureEmail_Click(); }
};

// The mail order's review: hands the printable order form, headed by the maker's postal address, to the print
// page.
class frmReviewFax final : public OrderReviewWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmReviewFax)

public:
    explicit frmReviewFax(QWidget *parent = nullptr);
    ~frmReviewFax() override;

    void cmdPrintFax_Click();

protected:
    void action() override { cmdPrintFax_Click(); }
};
