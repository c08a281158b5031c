#pragma once

// Reads the system's font configuration where Qt draws text through fontconfig: its files parsed, its font
// caches loaded. The first text of a start needs it, and it is the largest single piece of a start's work
// (about a fifth of the main thread's); it needs nothing of Qt, so a thread can read it before the
// application object exists. Where fonts are not configured this way, it does nothing.
void readFontConfiguration();
