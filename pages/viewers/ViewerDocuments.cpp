#include "pages/viewers/ViewerDocuments.h"

#include "app/shell/WindowCatalog.h"
#include "shared/MakerConfig.h"

#include <QTextCursor>
#include <QTextDocument>

namespace viewers {

namespace {

const QColor Green(0, 128, 0);
const QColor DarkRed(128, 0, 0);
const QColor Black(0, 0, 0);
// Entries of the sources list sit this far in from the headings.
constexpr double EntryIndent = 24.0;

QTextCharFormat textFormat(double points, bool bold, const QColor &colour)
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Times New Roman")});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    return format;
}

// Appends one paragraph made of runs of text in their formats; the first paragraph reuses the empty block
// that a new document starts with.
class Writer
{
public:
    explicit Writer(QTextDocument &document) : m_cursor(&document)
    {
        document.clear();
        m_cursor.movePosition(QTextCursor::Start);
    }

    void paragraph(const QList<std::pair<QString, QTextCharFormat>> &runs, double indent = 0.0)
    {
        QTextBlockFormat block;
        block.setLeftMargin(indent);
        if (m_first) {
            m_cursor.setBlockFormat(block);
            m_first = false;
        } else {
            m_cursor.insertBlock(block);
        }
        for (const auto &[text, format] : runs)
            m_cursor.insertText(text, format);
    }
    void line(const QString &text, const QTextCharFormat &format, double indent = 0.0)
    {
        paragraph({{text, format}}, indent);
    }

private:
    QTextCursor m_cursor;
    bool m_first = true;
};

} // namespace

ContactBlock contactBlock(const QString &heading, const maker::MakerConfig &maker)
{
    ContactBlock block;
    block.heading = heading;
    block.lines << maker.makerName << QStringLiteral("E-mail: ") + maker.supportMailbox
                << QStringLiteral("Phone/Fax: ") + maker.phoneFax;
    return block;
}

void writeHistory(QTextDocument &document, const QList<HistoryEntry> &entries)
{
    Writer out(document);
    const QTextCharFormat title = textFormat(11, true, DarkRed);
    const QTextCharFormat plain = textFormat(11, false, Black);
    out.line(QStringLiteral("History of Changes:"), textFormat(12, true, Green));
    out.line(QString(), plain);
    for (const HistoryEntry &entry : entries) {
        out.paragraph({{programtitle::Title + QLatin1Char(' ') + entry.version, title},
                       {QStringLiteral("\t") + entry.date, plain}});
        for (const QString &change : entry.changes)
            out.line(change, plain);
        out.line(QString(), plain);
    }
}

void writeSources(QTextDocument &document, const QList<SourceSection> &sections, const ContactBlock &contact)
{
    Writer out(document);
    const QTextCharFormat heading = textFormat(12, true, Green);
    const QTextCharFormat title = textFormat(11, true, DarkRed);
    const QTextCharFormat authors = textFormat(11, true, Black);
    const QTextCharFormat plain = textFormat(11, false, Black);
    out.line(QStringLiteral("Sources / Recommended Reading"), textFormat(14, true, Green));
    out.line(QString(), plain);
    for (const SourceSection &section : sections) {
        out.line(section.heading, heading);
        out.line(QString(), plain);
        for (const SourceEntry &entry : section.entries) {
            out.line(entry.title, title, EntryIndent);
            out.line(entry.authors, authors, EntryIndent);
            out.line(QStringLiteral("%1, %2: %3").arg(entry.year, entry.place, entry.publisher), plain,
                     EntryIndent);
            if (!entry.isbn.isEmpty())
                out.line(QStringLiteral("ISBN ") + entry.isbn, plain, EntryIndent);
            out.line(QString(), plain);
        }
    }
    out.line(contact.heading, heading);
    for (const QString &line : contact.lines)
        out.line(line, plain, EntryIndent);
}

} // namespace viewers
