#pragma once

#include <QString>

// Reads the system's font configuration where Qt draws text through fontconfig: its files parsed, its font
// caches loaded. The first text of a start needs it, and it is the largest single piece of a start's work
// (about a fifth of the main thread's); it needs nothing of Qt, so a thread can read it before the
// application object exists. Where fonts are not configured this way, it does nothing.
void readFontConfiguration();

// The installed family that fontconfig shows in place of the named family where that one is not installed:
// the family its best match for the name belongs to (for "Times New Roman" on a system without it, a twin
// of the same measures such as "Liberation Serif"). Empty where the family is installed, where fonts are
// not configured this way, and when fontconfig cannot tell. Needs nothing of Qt.
QString familyShownFor(const QString &family);
