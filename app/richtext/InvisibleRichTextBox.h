#pragma once

#include <QWidget>

class QTextDocument;

// A rich text box that is never shown, kept for the RTF file it reads and writes (the screen mode). It
// holds its document without a text edit: a text edit lays its document out as it is built, which loads
// fonts that nothing on screen uses. Reads, writes and plain text are those of RichTextBox.
class InvisibleRichTextBox final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InvisibleRichTextBox)

public:
    explicit InvisibleRichTextBox(QWidget *parent = nullptr);
    ~InvisibleRichTextBox() override;

    // Replaces the whole content by the RTF file; on failure the content is left as it was.
    bool LoadFile(const QString &fileName, QString *error = nullptr);
    // Writes the whole document as RTF to exactly this file name, creating or replacing the file.
    bool SaveFile(const QString &fileName, QString *error = nullptr);

    // The plain text, paragraphs and line breaks as CR LF.
    QString Text() const;
    // Replaces the whole document by the plain text in the box's font; CR LF, CR or LF break lines.
    void setText(const QString &plain);

private:
    QTextDocument *m_document; // owned as a child
};
