#pragma once

#include <QString>

// The window that texts are handed over to for printing. The print page is one, registered under
// PrintWindowName; the hand-over reaches it through this type, so no control name travels as a string.
class PrintTarget
{
public:
    virtual ~PrintTarget() = default;
    // The text replaces everything the page's box held.
    virtual void receiveHandedOverText(const QString &text) = 0;
};

// The print page's form name: the catalogue's entry, the registration and the hand-over all use this one.
inline const QString PrintWindowName = QStringLiteral("frmPrint");

// Hands a plain text to the print page: the page is loaded if needed, shown and brought to the front.
void PrintHandOver(const QString &text);
