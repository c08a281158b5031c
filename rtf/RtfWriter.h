#pragma once

#include <QByteArray>

class QTextDocument;

namespace rtf {

// The document as seven-bit RTF: a font table led by the document's default font (\deff0), a colour table
// when any text has a colour of its own, then one \pard per change of paragraph format, one group of
// control words per change of character format, and every paragraph ended by a line break and \par.
QByteArray write(const QTextDocument &document);

} // namespace rtf
