#pragma once

#include "app/shell/AppWindow.h"
#include "app/shell/PrintHandOver.h"

#include <memory>

namespace Ui {
class frmPrint;
}
class QPrinter;
class RichTextBox;

// The print page: shows a handed-over text, re-fonts parts of it, prints the whole text or the selection,
// and saves the whole document as an RTF file.
class frmPrint final : public AppWindow, public PrintTarget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPrint)

public:
    explicit frmPrint(QWidget *parent = nullptr);
    ~frmPrint() override;

    RichTextBox *rtfPrint() const;
    void receiveHandedOverText(const QString &text) override;

    void cmdFont_Click();
    void cmdPrint_Click();
    void cmdCancel_Click();
    void cmdSave_Click();
    void cmdClose_Click();

protected:
    void Form_Load() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<Ui::frmPrint> ui;
    // The printer document while one is open; printing runs to its end inside cmdPrint_Click.
    std::unique_ptr<QPrinter> m_job;
};
