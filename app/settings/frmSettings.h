#pragma once

#include "app/shell/AppWindow.h"

#include <memory>

namespace Ui {
class frmSettings;
}

// Chooses how page windows open (centred normal windows or maximised ones), at once for this run and, through
// Screen.txt, for the next start; and starts the platform's panel for removing programs.
class frmSettings final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSettings)

public:
    explicit frmSettings(QWidget *parent = nullptr);
    ~frmSettings() override;

    void cmdMaximize_Click();
    void cmdMitte_Click();
    void cmdAddRemove_Click();
    void cmdClose_Click();

private:
    void SetScreenMode(QChar digit, const QString &message, const QString &modeWord);

    std::unique_ptr<Ui::frmSettings> ui;
};
