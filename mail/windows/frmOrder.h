#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmOrder;
}

// The ways to order: the two order forms, the maker's secure web order page and pricing page, and the maker's
// contact lines.
class frmOrder final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmOrder)

public:
    explicit frmOrder(QWidget *parent = nullptr);
    ~frmOrder() override;

    void cmdWebSite_Click();
    void cmdPricing_Click();

protected:
    void Form_Load() override;

private:
    std::unique_ptr<Ui::frmOrder> ui;
};
