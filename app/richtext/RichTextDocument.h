#pragma once

#include <QFont>
#include <QString>

class QTextDocument;

// What a rich text box does with its document, whether or not the box is a text edit: RTF files in and
// out, plain text with CR LF line ends, and the font of an empty box.
namespace richtext {

// The font of text set through setPlainText and of an empty box.
QFont defaultBoxFont();

// Replaces the whole document by the RTF file; on failure the document is left as it was.
bool loadFile(QTextDocument &document, const QString &fileName, QString *error);
// Writes the whole document as RTF to exactly this file name, creating or replacing the file.
bool saveFile(const QTextDocument &document, const QString &fileName, QString *error);

// The text with paragraph and line separators as CR LF.
QString withCrLf(QString text);
// The plain text, paragraphs and line breaks as CR LF.
QString plainText(const QTextDocument &document);
// Replaces the whole document by the plain text in the document's default font; CR LF, CR or LF break lines.
void setPlainText(QTextDocument &document, const QString &plain);

} // namespace richtext
