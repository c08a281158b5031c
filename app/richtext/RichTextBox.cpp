#include "RichTextBox.h"

#include "RtfReader.h"
#include "RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPagedPaintDevice>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

QString withLineEnds(QString text)
{
    text.replace(QChar::ParagraphSeparator, LineEnd);
    text.replace(QChar::LineSeparator, LineEnd);
    return text;
}

} // namespace

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setFont(defaultBoxFont());
    document()->setDefaultFont(defaultBoxFont());
}

RichTextBox::~RichTextBox() = default;

QFont RichTextBox::defaultBoxFont()
{
    // The family is asked for by name and stays in saved files even where the system shows another one.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.5);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

bool RichTextBox::LoadFile(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open %1: %2").arg(fileName, file.errorString());
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(fileName, file.errorString());
        return false;
    }
    QString reason;
    if (!rtf::read(data, *document(), &reason)) {
        if (error)
            *error = QStringLiteral("Cannot load %1: %2").arg(fileName, reason);
        return false;
    }
    moveCursor(QTextCursor::Start);
    return true;
}

bool RichTextBox::SaveFile(const QString &fileName, QString *error)
{
    // Written aside and renamed over the old file, so that a failed save never leaves half a document.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true); // a writable file in a folder that is not still gets saved
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf::write(*document())) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot save %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

QString RichTextBox::Text() const
{
    QString text = withLineEnds(document()->toRawText());
    // Objects and frame boundaries are structure, not text.
    text.removeIf(
        [](QChar c) { return c == QChar::ObjectReplacementCharacter || c == u'\uFDD0' || c == u'\uFDD1'; });
    return text;
}

void RichTextBox::setText(const QString &plain)
{
    QString text = plain;
    text.replace(LineEnd, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    document()->clear();
    QTextCursor cursor(document());
    cursor.insertText(text, QTextCharFormat());
    setCurrentCharFormat(QTextCharFormat());
    moveCursor(QTextCursor::Start);
}

int RichTextBox::selectionLength() const
{
    return int(withLineEnds(textCursor().selectedText()).size());
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
