#pragma once

class QWidget;

// Designer files hold whole point sizes only; a control designed in a size such as 11.25 pt carries it in the
// dynamic property "pointSizeF", applied here once the controls exist.
void applyDesignFontSizes(QWidget *root);
