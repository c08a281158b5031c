#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmOrderRegInfo;
}

// The ordering window of the main menu: the way to the order forms and to the upgrade information.
class frmOrderRegInfo final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmOrderRegInfo)

public:
    explicit frmOrderRegInfo(QWidget *parent = nullptr);
    ~frmOrderRegInfo() override;

protected:
    void Form_Load() override;

private:
    std::unique_ptr<Ui::frmOrderRegInfo> ui;
};
