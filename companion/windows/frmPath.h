#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmPath;
}

// Where the user points the program at the folder the companion was installed to; "Store" keeps it in
// PathSKP.txt for the next launch.
class frmPath final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPath)

public:
    explicit frmPath(QWidget *parent = nullptr);
    ~frmPath() override;

    void Drive1_Change(const QString &root);
    void Dir1_Change(const QString &folder);
    void cmdStore_Click();
    void cmdBack_Click();
    void cmdClose_Click();

private:
    std::unique_ptr<Ui::frmPath> ui;
};
