#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmSupport;
}

// The support questionnaire: filled in by the user, then copied into a mail of their own or sent as a draft
// to the maker's support mailbox.
class frmSupport final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSupport)

public:
    explicit frmSupport(QWidget *parent = nullptr);
    ~frmSupport() override;

    void cmdCallEmail_Click();

protected:
    void Form_Load() override;

private:
    std::unique_ptr<Ui::frmSupport> ui;
};
