#pragma once

#include <QTextEdit>
#include <memory>

class QPagedPaintDevice;

// The rich text box the pages rely on: loads and saves RTF files, reads and sets its plain text with CR LF
// line ends, reads and formats the selection (or the insertion point), and prints the selection or the
// whole document. It works the same whether it is shown or not.
class RichTextBox final : public QTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RichTextBox)

public:
    explicit RichTextBox(QWidget *parent = nullptr);
    ~RichTextBox() override;

    // The font of text set through setText and of an empty box.
    static QFont defaultBoxFont();

    // Replaces the whole content by the RTF file; on failure the content is left as it was.
    bool LoadFile(const QString &fileName, QString *error = nullptr);
    // Writes the whole document as RTF to exactly this file name, creating or replacing the file.
    bool SaveFile(const QString &fileName, QString *error = nullptr);

    // The plain text, paragraphs and line breaks as CR LF.
    QString Text() const;
    // Replaces the whole document by the plain text in the box's own font; CR LF, CR or LF break lines.
    void setText(const QString &plain);

    // Characters selected, counted as in Text() (a line end counts two); 0 when nothing is selected.
    int selectionLength() const;

    // The character format at the start of the selection, or at the insertion point, with every font
    // property filled in from the document's default font.
    QTextCharFormat selectionFormat() const;
    // Merges the format into the selection, or into the insertion point when nothing is selected.
    void applySelectionFormat(const QTextCharFormat &format);
    QFont selectionFont() const;
    // Applies family, size, bold, italic, underline and strikethrough of the font.
    void setSelectionFont(const QFont &font);
    QColor selectionColor() const;
    void setSelectionColor(const QColor &colour);

    // What printTo prints: a copy of the selection when there is one, else of the whole document.
    std::unique_ptr<QTextDocument> printDocument() const;
    // Lays the selection, or the whole document, out on the device's pages and prints as many as it needs.
    void printTo(QPagedPaintDevice &device) const;
};
