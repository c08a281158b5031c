#include "app/shell/ButtonColours.h"

#include <QColor>
#include <QPushButton>
#include <QVariant>

void applyButtonColours(QWidget *root)
{
    const auto buttons = root->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        const QVariant colour = button->property("buttonColor");
        if (!colour.isValid())
            continue;
        QPalette palette = button->palette();
        // The style draws the frame from the window colour, so both follow the button's own colour.
        palette.setColor(QPalette::Button, colour.value<QColor>());
        palette.setColor(QPalette::Window, colour.value<QColor>());
        button->setPalette(palette);
    }
}
