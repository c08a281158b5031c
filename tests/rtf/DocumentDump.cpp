#include "DocumentDump.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

QString describe(const QTextCharFormat &format, const QFont &defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    QStringList parts{font.family(), QString::number(font.pointSizeF())};
    if (font.weight() >= QFont::DemiBold)
        parts << QStringLiteral("b");
    if (font.italic())
        parts << QStringLiteral("i");
    if (font.underline())
        parts << QStringLiteral("u");
    if (font.strikeOut())
        parts << QStringLiteral("s");
    if (format.foreground().style() != Qt::NoBrush)
        parts << format.foreground().color().name();
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        parts << QStringLiteral("sup");
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        parts << QStringLiteral("sub");
    return parts.join(QLatin1Char(' '));
}

} // namespace

QString dumpRuns(const QTextDocument &document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString out;
        QString text;
        QString format;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString next = describe(it.fragment().charFormat(), document.defaultFont());
            if (next != format && !text.isEmpty()) {
                out += text + QLatin1Char('{') + format + QLatin1Char('}');
                text.clear();
            }
            format = next;
            text += it.fragment().text();
        }
        if (!text.isEmpty())
            out += text + QLatin1Char('{') + format + QLatin1Char('}');
        blocks << out;
    }
    return blocks.join(QStringLiteral(" | "));
}

QString dumpParagraphs(const QTextDocument &document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
        QStringList parts{alignment & Qt::AlignHCenter   ? QStringLiteral("centre")
                          : alignment & Qt::AlignRight   ? QStringLiteral("right")
                          : alignment & Qt::AlignJustify ? QStringLiteral("justify")
                                                         : QStringLiteral("left")};
        const std::pair<const char *, double> values[] = {{"li", format.leftMargin()},
                                                          {"ri", format.rightMargin()},
                                                          {"fi", format.textIndent()},
                                                          {"sb", format.topMargin()},
                                                          {"sa", format.bottomMargin()}};
        for (const auto &[name, value] : values) {
            if (value != 0)
                parts << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(value);
        }
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            parts << QStringLiteral("page");
        blocks << parts.join(QLatin1Char(' '));
    }
    return blocks.join(QStringLiteral(" | "));
}

QString paragraphText(const QTextDocument &document)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\v'));
    return text;
}
