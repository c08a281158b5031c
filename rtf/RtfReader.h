#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace rtf {

// Replaces the document's content by the RTF data; the document's default font and settings are kept.
// Returns false with an error text, leaving the document untouched, when the data does not start with
// "{\rtf". Malformed RTF is read as far as it makes sense: the reader never crashes, never loops, takes time
// in proportion to the input and keeps the document within a few bytes per byte of input (paragraph marks
// far beyond what the input's size accounts for become line breaks).
bool read(const QByteArray &data, QTextDocument &document, QString *error = nullptr);

} // namespace rtf
