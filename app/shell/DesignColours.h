#pragma once

class QWidget;

// Labels and frames designed with a text or background colour of their own carry it in the dynamic
// properties "textColor" and "backgroundColor", and a label its left padding in "paddingLeft" (pixels);
// applied here once the controls exist. They go into the palette, the margins and the indent, where the
// style draws what a style sheet of only these properties would, without the style sheet machinery, which a
// start paid for every control beneath a sheet, in time and in memory.
void applyDesignColours(QWidget *root);
