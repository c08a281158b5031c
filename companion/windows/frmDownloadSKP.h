#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmDownloadSKP;
}

// Offered when the companion program is not found: its download links, the way to the folder window and to
// the price list.
class frmDownloadSKP final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDownloadSKP)

public:
    explicit frmDownloadSKP(QWidget *parent = nullptr);
    ~frmDownloadSKP() override;

    void cmdPath_Click();
    void cmdPriceList_Click();
    void cmdClose_Click();
    void lblDownloadSKP_Click();
    void lblDownloadSKPUpgrade_Click();

private:
    std::unique_ptr<Ui::frmDownloadSKP> ui;
};
