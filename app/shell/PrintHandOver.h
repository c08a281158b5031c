#pragma once

#include <QString>

// Hands a plain text to the print page: the text replaces everything its box held, and the page is loaded if
// needed, shown and brought to the front.
void PrintHandOver(const QString &text);
