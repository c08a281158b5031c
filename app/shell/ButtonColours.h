#pragma once

class QWidget;

// A push button designed in a colour of its own carries it in the dynamic property "buttonColor"; applied
// here once the controls exist. The colour goes into the button's palette, where the style draws the same
// button a style sheet setting only its background would, but keeps one drawing of it for every later paint
// instead of making a new one each time.
void applyButtonColours(QWidget *root);
