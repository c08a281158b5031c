#include "app/shell/PrintHandOver.h"

#include "app/richtext/RichTextBox.h"
#include "app/shell/AppWindow.h"
#include "app/shell/WindowManager.h"

void PrintHandOver(const QString &text)
{
    AppWindow *page = windows().OpenPage(QStringLiteral("frmPrint"));
    if (!page)
        return;
    if (auto *box = page->findChild<RichTextBox *>(QStringLiteral("rtfPrint")))
        box->setText(text);
}
