#include "app/shell/MessageBox.h"

#include <QMessageBox>

namespace messagebox {
namespace {
Handler &installed()
{
    static Handler handler;
    return handler;
}
} // namespace

void show(QWidget *parent, const QString &text)
{
    if (installed()) {
        installed()(text);
        return;
    }
    QMessageBox::information(parent, Title, text, QMessageBox::Ok);
}

Handler setHandler(Handler handler)
{
    std::swap(installed(), handler);
    return handler;
}

} // namespace messagebox
