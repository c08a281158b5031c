#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmMenu;
}
class InvisibleRichTextBox;

// The main menu: the start-up window, the holder of the screen mode, and the hub every section opens from.
class frmMenu final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMenu)

public:
    explicit frmMenu(QWidget *parent = nullptr);
    ~frmMenu() override;

    // The invisible box whose plain text is the screen mode.
    InvisibleRichTextBox *rtfScreen() const;

    void cmdEssentialOils_Click();
    void cmdBaseOils_Click();
    void cmdCloseOils_Click();
    void cmdCloseBaseOils_Click();

protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void openFromToolbar(FormId target);
    void fillBaseOilsIntroduction();

    std::unique_ptr<Ui::frmMenu> ui;
};
