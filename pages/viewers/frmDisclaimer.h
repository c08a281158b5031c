#pragma once

#include "pages/viewers/DocumentViewer.h"

class QMenuBar;

// The legal documents beside the program, chosen from the menu bar. Escape anywhere in the window ends the
// program.
class frmDisclaimer final : public DocumentViewer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDisclaimer)

public:
    explicit frmDisclaimer(QWidget *parent = nullptr);
    ~frmDisclaimer() override;

    void mnuBack_Click();
    void mnuNextPage_Click();
    void cmdPrivacy_Click();
    void mnuClose_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void ShowDocument(const QString &fileName);

    QMenuBar *m_menuBar = nullptr; // child of this window
    bool m_heightGrown = false;
};
