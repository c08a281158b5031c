#pragma once

#include "content/ActionTexts.h"

#include <QList>
#include <QString>
#include <QStringList>

// The functions here are inline so that the content tests can use them without linking the page's library.
namespace actions {

using content::ActionEntry;

inline QString oilListLine(const QStringList &oils)
{
    return oils.join(QStringLiteral(", ")) + QLatin1Char('.');
}

// The line of an action text that lists the oils: after the empty first line and the heading.
inline constexpr int OilListLineIndex = 2;

// CR LF throughout, an empty first line and no break after the last line: the print page and the saved
// RTF file take this text over unchanged.
inline QString buildActionText(const ActionEntry &entry)
{
    const QString crlf = QStringLiteral("\r\n");
    QStringList oilsBlock{oilListLine(entry.oils)};
    oilsBlock += entry.oilsExtra;
    return crlf + entry.heading + crlf + oilsBlock.join(crlf) + crlf + crlf +
           QStringLiteral("Methods of Application:") + crlf + entry.application.join(crlf) + crlf + crlf +
           entry.closing.join(crlf);
}

// The 23 entries from the content set built into the program.
QList<ActionEntry> loadActionEntries();

} // namespace actions
