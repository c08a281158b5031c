#include "pages/viewers/frmHistory.h"

#include "app/richtext/RichTextBox.h"
#include "content/ContentSet.h"
#include "pages/viewers/ViewerDocuments.h"

frmHistory::frmHistory(QWidget *parent)
    : DocumentViewer(QStringLiteral("frmHistory"), QStringLiteral("rtfHistory"), parent)
{
    viewers::writeHistory(*documentBox()->document(),
                          viewers::historyEntries(content::json(QStringLiteral("viewers/history.json"))));
    documentBox()->moveCursor(QTextCursor::Start);
}

frmHistory::~frmHistory() = default;
