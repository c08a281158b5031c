#include "app/shell/DesignFonts.h"

#include <QVariant>
#include <QWidget>

void applyDesignFontSizes(QWidget *root)
{
    const auto all = root->findChildren<QWidget *>();
    for (QWidget *widget : all) {
        const QVariant size = widget->property("pointSizeF");
        if (!size.isValid())
            continue;
        QFont font = widget->font();
        font.setPointSizeF(size.toDouble());
        widget->setFont(font);
    }
}
