#include "RichTextBox.h"

#include "RichTextDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QTextCursor>
#include <QTextDocumentFragment>

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setFont(defaultBoxFont());
    document()->setDefaultFont(defaultBoxFont());
}

RichTextBox::~RichTextBox() = default;

QFont RichTextBox::defaultBoxFont()
{
    return richtext::defaultBoxFont();
}

bool RichTextBox::LoadFile(const QString &fileName, QString *error)
{
    if (!richtext::loadFile(*document(), fileName, error))
        return false;
    moveCursor(QTextCursor::Start);
    return true;
}

bool RichTextBox::SaveFile(const QString &fileName, QString *error)
{
    return richtext::saveFile(*document(), fileName, error);
}

QString RichTextBox::Text() const
{
    return richtext::plainText(*document());
}

void RichTextBox::setText(const QString &plain)
{
    richtext::setPlainText(*document(), plain);
    setCurrentCharFormat(QTextCharFormat());
    moveCursor(QTextCursor::Start);
}

int RichTextBox::selectionLength() const
{
    return int(richtext::withCrLf(textCursor().selectedText()).size());
}

QTextCharFormat RichTextBox::selectionFormat() const
{
    QTextCursor cursor = textCursor();
    QTextCharFormat format = cursor.charFormat();
    if (cursor.hasSelection()) {
        // A cursor reports the format of the character before it: step onto the first selected one.
        QTextCursor first(document());
        first.setPosition(cursor.selectionStart() + 1);
        format = first.charFormat();
    }
    format.setFont(format.font().resolve(document()->defaultFont()));
    return format;
}

void RichTextBox::applySelectionFormat(const QTextCharFormat &format)
{
    mergeCurrentCharFormat(format);
}

QFont RichTextBox::selectionFont() const
{
    return selectionFormat().font();
}

void RichTextBox::setSelectionFont(const QFont &font)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{font.family()});
    if (font.pointSizeF() > 0)
        format.setFontPointSize(font.pointSizeF());
    format.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic());
    format.setFontUnderline(font.underline());
    format.setFontStrikeOut(font.strikeOut());
    applySelectionFormat(format);
}

QColor RichTextBox::selectionColor() const
{
    const QBrush brush = selectionFormat().foreground();
    return brush.style() == Qt::NoBrush ? palette().color(QPalette::Text) : brush.color();
}

void RichTextBox::setSelectionColor(const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    applySelectionFormat(format);
}

std::unique_ptr<QTextDocument> RichTextBox::printDocument() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return std::unique_ptr<QTextDocument>(document()->clone());
    auto selection = std::make_unique<QTextDocument>();
    selection->setDefaultFont(document()->defaultFont());
    QTextCursor(selection.get()).insertFragment(cursor.selection());
    return selection;
}

void RichTextBox::printTo(QPagedPaintDevice &device) const
{
    // The text is laid out with the printer's own metrics on exactly its printable area. A document with a
    // page size of its own is printed as it stands, without the margins and page numbers the toolkit adds
    // to one that has none.
    std::unique_ptr<QTextDocument> pages = printDocument();
    pages->documentLayout()->setPaintDevice(&device);
    pages->setDocumentMargin(0);
    pages->setPageSize(QSizeF(device.width(), device.height()));
    pages->print(&device);
}
