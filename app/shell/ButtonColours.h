#pragma once

class QColor;
class QPalette;
class QPushButton;

// Gives a push button a colour of its own (its design property "buttonColor"). The colour goes into the
// button's palette, where the style draws the same button a style sheet setting only its background would,
// but keeps one drawing of it for every later paint instead of making a new one each time; buttons of one
// colour and size share that drawing.
void colourButton(QPushButton *button, const QColor &colour);

// The palette a coloured button's panel is drawn with: one palette object for all palettes equal to this one,
// so that the style, which keeps its drawings by palette object, finds one drawing for all of them.
QPalette sharedButtonPalette(const QPalette &palette);
