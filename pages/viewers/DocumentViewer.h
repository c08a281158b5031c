#pragma once

#include "app/shell/AppWindow.h"

class QLineEdit;
class RichTextBox;

// The layout the three document windows share: a rich text box with a vertical scroll bar over the whole
// client area, and a small text box behind it that takes the focus first, so that the window opens with the
// focus away from the document.
class DocumentViewer : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DocumentViewer)

public:
    DocumentViewer(FormId formName, const QString &boxName, QWidget *parent = nullptr);
    ~DocumentViewer() override;

    RichTextBox *documentBox() const { return m_box; }

protected:
    void Form_Load() override;
    // After a document was read into the box: a paragraph without tab stops of its own gets one every half
    // inch from the page's left edge, as rich text documents expect, so a bullet and a tab put the text
    // beside the bullet rather than a tab width past the paragraph's indent.
    void setPageTabStops();
    // Space above the document box, for a menu bar.
    void setDocumentTop(int pixels);

private:
    RichTextBox *m_box = nullptr; // child of this window
    QLineEdit *m_text1 = nullptr; // child of this window
};
