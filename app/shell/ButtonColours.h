#pragma once

class QPalette;
class QWidget;

// A push button designed in a colour of its own carries it in the dynamic property "buttonColor"; applied
// here once the controls exist. The colour goes into the button's palette, where the style draws the same
// button a style sheet setting only its background would, but keeps one drawing of it for every later paint
// instead of making a new one each time; buttons of one colour and size share that drawing.
void applyButtonColours(QWidget *root);

// The palette a coloured button's panel is drawn with: one palette object for all palettes equal to this one,
// so that the style, which keeps its drawings by palette object, finds one drawing for all of them.
QPalette sharedButtonPalette(const QPalette &palette);
