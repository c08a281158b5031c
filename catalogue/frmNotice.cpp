#include "catalogue/frmNotice.h"

#include "app/platform/PlatformServices.h"
#include "app/shell/WindowManager.h"

#include <QLabel>
#include <QPushButton>

frmNotice::frmNotice(FormId formName, const QString &text, const QString &buttonCaption,
                     const QString &address, QWidget *parent)
    : AppWindow(formName, parent)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("lblText"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(16, 16, width() - 32, height() - 80);

    if (!address.isEmpty()) {
        auto *web = new QPushButton(buttonCaption, this);
        web->setObjectName(QStringLiteral("cmdWeb"));
        web->setGeometry(16, height() - 48, 160, 30);
        connect(web, &QPushButton::clicked, this,
                [this, address] { platform().ShellOpen(this, QString(), address); });
    }
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setGeometry(width() - 92, height() - 48, 76, 30);
    connect(close, &QPushButton::clicked, this, [formName] { windows().ClosePage(formName); });
}
