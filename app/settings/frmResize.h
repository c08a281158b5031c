#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmResize;
}
class QLabel;

// The confirmation of a screen-size choice; its "Close" button is wired by the frame.
class frmResize final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmResize)

public:
    explicit frmResize(QWidget *parent = nullptr);
    ~frmResize() override;

    QLabel *lblResize() const;

private:
    std::unique_ptr<Ui::frmResize> ui;
};
