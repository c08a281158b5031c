#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmPriceList;
}

// The maker's programs and their prices, the bundle discount on a panel of its own, and the pricing page.
class frmPriceList final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPriceList)

public:
    explicit frmPriceList(QWidget *parent = nullptr);
    ~frmPriceList() override;

    void cmdPriceCollection_Click();
    void cmdClosePriceCollection_Click();
    void cmdPricing_Click();

protected:
    void Form_Load() override;

private:
    std::unique_ptr<Ui::frmPriceList> ui;
};
