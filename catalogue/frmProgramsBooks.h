#pragma once

#include "app/shell/AppWindow.h"

class QFrame;
class QScrollBar;

// The maker's programs and books in framed blocks on a content frame that a vertical scroll bar moves.
class frmProgramsBooks final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmProgramsBooks)

public:
    explicit frmProgramsBooks(QWidget *parent = nullptr);

    // Each step of the scroll bar moves the content frame by 100 twips.
    static int contentTopForStep(int step);

    void VScroll1_Change(int value);

protected:
    // The wheel over the content scrolls it, as in any window.
    void wheelEvent(QWheelEvent *event) override;

private:
    QFrame *m_content = nullptr;
    QScrollBar *m_scroll = nullptr;
};
