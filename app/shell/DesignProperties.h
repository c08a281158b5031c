#pragma once

class QWidget;

// What a designer file cannot say in its own terms, a control carries in dynamic properties, applied here
// once the controls exist, in one pass over them:
// - "pointSizeF": a font size such as 11.25 pt (designer files hold whole point sizes only);
// - "buttonColor": a push button's own colour (see ButtonColours.h);
// - "textColor" and "backgroundColor": a label's or a frame's colours, and "paddingLeft" (pixels) a label's
//   left padding.
// The colours go into palettes, margins and indents, where the style draws what a style sheet of only these
// properties would, without the style sheet machinery, which a start paid for every control beneath a sheet,
// in time and in memory.
void applyDesignProperties(QWidget *root);
