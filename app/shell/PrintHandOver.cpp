#include "app/shell/PrintHandOver.h"

#include "app/shell/AppWindow.h"
#include "app/shell/WindowManager.h"

#include <QtDebug>

void PrintHandOver(const QString &text)
{
    AppWindow *page = windows().OpenPage(Forms::frmPrint);
    if (!page)
        return;
    if (auto *target = dynamic_cast<PrintTarget *>(page))
        target->receiveHandedOverText(text);
    else
        qCritical("%s cannot take a handed-over text", qPrintable(Forms::frmPrint.name()));
}
