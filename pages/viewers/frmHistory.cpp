#include "pages/viewers/frmHistory.h"

#include "app/richtext/RichTextBox.h"
#include "content/ViewerTexts.h"
#include "pages/viewers/ViewerDocuments.h"

frmHistory::frmHistory(QWidget *parent)
    : DocumentViewer(Forms::frmHistory, QStringLiteral("rtfHistory"), parent)
{
    viewers::writeHistory(*documentBox()->document(), content::history());
    documentBox()->moveCursor(QTextCursor::Start);
}

frmHistory::~frmHistory() = default;
