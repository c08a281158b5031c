#pragma once

#include <QString>

// The window that texts are handed over to for printing. The print page is one, registered as
// Forms::frmPrint; the hand-over reaches it through this type, so no control name travels as a string.
class PrintTarget
{
public:
    virtual ~PrintTarget() = default;
    // The text replaces everything the page's box held.
    virtual void receiveHandedOverText(const QString &text) = 0;
};

// Hands a plain text to the print page: the page is loaded if needed, shown and brought to the front.
void PrintHandOver(const QString &text);
