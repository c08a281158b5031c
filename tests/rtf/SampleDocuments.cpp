#include "SampleDocuments.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

using namespace Qt::StringLiterals;

QFont boxFont()
{
    QFont font(u"MS Sans Serif"_s);
    font.setPointSizeF(8.5);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

std::unique_ptr<QTextDocument> plainDocument(const QString &text)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(boxFont());
    QString content = text;
    content.replace(QLatin1Char('\v'), QChar(QChar::LineSeparator));
    QTextCursor(document.get()).insertText(content);
    return document;
}

void appendRuns(QTextDocument &document, const std::vector<Run> &runs)
{
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    for (const Run &run : runs) {
        if (run.text == u"\n"_s)
            cursor.insertBlock();
        else
            cursor.insertText(run.text, run.format);
    }
}

QTextCharFormat bold()
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    return format;
}

QTextCharFormat italic()
{
    QTextCharFormat format;
    format.setFontItalic(true);
    return format;
}

QTextCharFormat underlined()
{
    QTextCharFormat format;
    format.setFontUnderline(true);
    return format;
}

QTextCharFormat struck()
{
    QTextCharFormat format;
    format.setFontStrikeOut(true);
    return format;
}

QTextCharFormat coloured(const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

QTextCharFormat sized(double points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    return format;
}

QTextCharFormat family(const QString &name)
{
    QTextCharFormat format;
    format.setFontFamilies({name});
    return format;
}

std::vector<Sample> sampleDocuments()
{
    std::vector<Sample> samples;
    samples.push_back({u"screen"_s, plainDocument(u"2"_s), true});
    samples.push_back({u"escapes"_s, plainDocument(u"C:\\Oils\\{new} and }{ and \\par here"_s), true});
    samples.push_back({u"paragraphs"_s, plainDocument(u"First\n\nThird after an empty one\n\n"_s), true});
    samples.push_back({u"tabs and lines"_s, plainDocument(u"Name\tAmount\vsecond line\n\tindented"_s), true});
    samples.push_back({u"western"_s, plainDocument(u"Crème brûlée “à la” Ylang-ylang — 5 € ± 2 ‰"_s), false});
    samples.push_back(
        {u"unicode"_s, plainDocument(u"Ελληνικά Русский 日本語 中文 한국어 עברית 😀 𝄞"_s), false});

    auto formats = std::make_shared<QTextDocument>();
    formats->setDefaultFont(boxFont());
    QTextCharFormat boldItalic = bold();
    boldItalic.merge(italic());
    QTextCharFormat redLarge = coloured(QColor(255, 0, 0));
    redLarge.merge(sized(16));
    appendRuns(*formats, {{u"Plain "_s, {}}, {u"Bold"_s, bold()},
                          {u" "_s, {}},      {u"Italic"_s, italic()},
                          {u" "_s, {}},      {u"Underlined"_s, underlined()},
                          {u" "_s, {}},      {u"Struck"_s, struck()},
                          {u"\n"_s, {}},     {u"BoldItalic"_s, boldItalic},
                          {u" "_s, {}},      {u"RedLarge"_s, redLarge},
                          {u" "_s, {}},      {u"Blue"_s, coloured(QColor(0, 0, 255))},
                          {u"\n"_s, {}},     {u"Times"_s, family(u"Times New Roman"_s)},
                          {u" "_s, {}},      {u"Courier"_s, family(u"Courier New"_s)},
                          {u" "_s, {}},      {u"Twenty"_s, sized(20)}});
    QTextCursor cursor(formats.get());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    cursor.insertText(u"Centred"_s);
    samples.push_back({u"formats"_s, formats, true});
    return samples;
}

std::unique_ptr<QTextDocument> listDocument(QTextListFormat::Style style)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(boxFont());
    QTextCursor cursor(document.get());
    QTextListFormat format;
    format.setStyle(style);
    format.setIndent(1);
    cursor.createList(format);
    cursor.insertText(QStringLiteral("One"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Two"));
    cursor.insertBlock();
    if (QTextList *list = cursor.currentList())
        list->remove(cursor.block());
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.insertText(QStringLiteral("After"));
    return document;
}
