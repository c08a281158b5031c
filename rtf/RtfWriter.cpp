#include "RtfWriter.h"

#include "RtfCodePage.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>
#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace rtf {
namespace {

constexpr double TwipsPerPixel = 15.0; // 1440 twips per inch at 96 pixels per inch

struct RunFormat
{
    int font = 0;
    int halfPoints = 24;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int vertical = 0;

    bool operator==(const RunFormat &) const = default;
};

struct ParagraphFormat
{
    const char *alignment = nullptr;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    bool pageBreakBefore = false;
    const QTextList *list = nullptr; // \pard ends a list, so each list starts its own run of paragraphs

    bool operator==(const ParagraphFormat &) const = default;
};

// The RTF font family class, which lets a reader that lacks the font pick a similar one.
const char *familyClass(const QFont &font)
{
    struct Known
    {
        std::string_view name;
        const char *family;
    };
    // clang-format off
    static constexpr Known known[] = {
        {"arial", "fswiss"}, {"helvetica", "fswiss"}, {"ms sans serif", "fswiss"},
        {"microsoft sans serif", "fswiss"}, {"tahoma", "fswiss"}, {"verdana", "fswiss"},
        {"segoe ui", "fswiss"}, {"calibri", "fswiss"}, {"dejavu sans", "fswiss"},
        {"liberation sans", "fswiss"}, {"times new roman", "froman"}, {"times", "froman"},
        {"georgia", "froman"}, {"garamond", "froman"}, {"book antiqua", "froman"}, {"cambria", "froman"},
        {"liberation serif", "froman"}, {"dejavu serif", "froman"}, {"ms serif", "froman"},
        {"courier new", "fmodern"}, {"courier", "fmodern"}, {"consolas", "fmodern"},
        {"lucida console", "fmodern"}, {"dejavu sans mono", "fmodern"}, {"liberation mono", "fmodern"},
        {"comic sans ms", "fscript"}, {"symbol", "ftech"}, {"wingdings", "ftech"}};
    // clang-format on
    const QByteArray name = font.family().toLower().toUtf8();
    for (const Known &k : known) {
        if (k.name == std::string_view(name.constData(), std::size_t(name.size())))
            return k.family;
    }
    switch (font.styleHint()) {
    case QFont::SansSerif:
        return "fswiss";
    case QFont::Serif:
        return "froman";
    case QFont::TypeWriter:
    case QFont::Monospace:
        return "fmodern";
    case QFont::Cursive:
        return "fscript";
    case QFont::Decorative:
        return "fdecor";
    default:
        return "fnil";
    }
}

class Writer
{
public:
    explicit Writer(const QTextDocument &document)
        : m_document(document), m_defaultFont(document.defaultFont())
    {
        m_fonts.push_back(m_defaultFont);
    }

    QByteArray run()
    {
        collectTables();
        m_out += "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl";
        for (std::size_t i = 0; i < m_fonts.size(); ++i) {
            m_out += "{\\f" + QByteArray::number(qsizetype(i)) + '\\' + familyClass(m_fonts[i]);
            m_needDelimiter = true;
            text(m_fonts[i].family(), true);
            m_out += ";}";
        }
        m_out += "}";
        newline();
        if (!m_colours.empty()) {
            m_out += "{\\colortbl ;";
            for (const QColor &colour : m_colours)
                m_out += "\\red" + QByteArray::number(colour.red()) + "\\green" +
                         QByteArray::number(colour.green()) + "\\blue" + QByteArray::number(colour.blue()) +
                         ';';
            m_out += '}';
            newline();
        }
        word("viewkind4");
        word("uc1");
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
            writeBlock(block);
        literal('}');
        newline();
        return m_out;
    }

private:
    QFont resolvedFont(const QTextCharFormat &format) const { return format.font().resolve(m_defaultFont); }

    void collectTables()
    {
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            collect(block.charFormat());
            for (auto it = block.begin(); !it.atEnd(); ++it)
                collect(it.fragment().charFormat());
        }
    }

    void collect(const QTextCharFormat &format)
    {
        const QFont font = resolvedFont(format);
        if (fontIndex(font) < 0)
            m_fonts.push_back(font);
        if (const std::optional<QColor> colour = colourOf(format); colour && colourIndex(*colour) == 0)
            m_colours.push_back(*colour);
    }

    int fontIndex(const QFont &font) const
    {
        const auto it = std::find_if(m_fonts.begin(), m_fonts.end(),
                                     [&](const QFont &f) { return f.family() == font.family(); });
        return it == m_fonts.end() ? -1 : int(it - m_fonts.begin());
    }

    static std::optional<QColor> colourOf(const QTextCharFormat &format)
    {
        const QBrush brush = format.foreground();
        if (brush.style() == Qt::NoBrush)
            return std::nullopt;
        return brush.color().toRgb();
    }

    // 0 stands for the automatic colour, the empty first entry of the table.
    int colourIndex(const QColor &colour) const
    {
        const auto it = std::find_if(m_colours.begin(), m_colours.end(),
                                     [&](const QColor &c) { return c.rgb() == colour.rgb(); });
        return it == m_colours.end() ? 0 : int(it - m_colours.begin()) + 1;
    }

    RunFormat runFormat(const QTextCharFormat &format) const
    {
        const QFont font = resolvedFont(format);
        RunFormat run;
        run.font = std::max(fontIndex(font), 0);
        const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
        run.halfPoints = std::max(1, qRound(points * 2));
        if (const std::optional<QColor> colour = colourOf(format))
            run.colour = colourIndex(*colour);
        run.bold = font.weight() >= QFont::DemiBold;
        run.italic = font.italic();
        run.underline = font.underline();
        run.strike = font.strikeOut();
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            run.vertical = 1;
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            run.vertical = -1;
        return run;
    }

    ParagraphFormat paragraphFormat(const QTextBlock &block) const
    {
        const QTextBlockFormat format = block.blockFormat();
        ParagraphFormat para;
        const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
        if (horizontal & Qt::AlignHCenter)
            para.alignment = "qc";
        else if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
            para.alignment = "qr";
        else if (horizontal & Qt::AlignJustify)
            para.alignment = "qj";
        double left = format.leftMargin() + format.indent() * m_document.indentWidth();
        para.list = block.textList();
        if (para.list)
            left += para.list->format().indent() * m_document.indentWidth();
        para.left = qRound(left * TwipsPerPixel);
        para.right = qRound(format.rightMargin() * TwipsPerPixel);
        para.first = qRound(format.textIndent() * TwipsPerPixel);
        para.before = qRound(format.topMargin() * TwipsPerPixel);
        para.after = qRound(format.bottomMargin() * TwipsPerPixel);
        para.pageBreakBefore = format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        return para;
    }

    void writeBlock(const QTextBlock &block)
    {
        const ParagraphFormat para = paragraphFormat(block);
        const bool newFormat = !m_paragraph || !(*m_paragraph == para);
        if (newFormat) {
            word("pard");
            if (para.alignment)
                word(para.alignment);
            const std::pair<const char *, int> indents[] = {{"li", para.left},
                                                            {"ri", para.right},
                                                            {"fi", para.first},
                                                            {"sb", para.before},
                                                            {"sa", para.after}};
            for (const auto &[name, value] : indents) {
                if (value != 0)
                    word(name, value);
            }
            if (para.pageBreakBefore)
                word("pagebb");
            m_paragraph = para;
        }
        if (para.list)
            writeListMarker(*para.list, block, newFormat);
        bool empty = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.length() == 0)
                continue;
            switchFormat(runFormat(fragment.charFormat()));
            text(fragment.text(), false);
            empty = false;
        }
        if (empty)
            switchFormat(runFormat(block.charFormat()));
        newline();
        word("par");
    }

    // A list item gets its marker twice: as \pntext, the plain text that simple readers show, and as
    // a \pn numbering destination, from which word processors rebuild the list.
    void writeListMarker(const QTextList &list, const QTextBlock &block, bool afterPard)
    {
        const QTextListFormat format = list.format();
        static const QString Bullet = QStringLiteral("\u2022");
        const bool bullet = format.style() == QTextListFormat::ListDisc ||
                            format.style() == QTextListFormat::ListCircle ||
                            format.style() == QTextListFormat::ListSquare;
        switchFormat(runFormat(block.charFormat()));
        brace('{');
        word("pntext");
        word("f", m_run->font);
        text(bullet ? Bullet : list.itemText(block), false);
        word("tab");
        brace('}');
        if (!afterPard)
            return; // \pn is a paragraph property: it holds until the next \pard
        brace('{');
        m_out += "\\*";
        word("pn");
        if (bullet) {
            word("pnlvlblt");
        } else {
            word("pnlvlbody");
            switch (format.style()) {
            case QTextListFormat::ListLowerAlpha:
                word("pnlcltr");
                break;
            case QTextListFormat::ListUpperAlpha:
                word("pnucltr");
                break;
            case QTextListFormat::ListLowerRoman:
                word("pnlcrm");
                break;
            case QTextListFormat::ListUpperRoman:
                word("pnucrm");
                break;
            default:
                word("pndec");
                break;
            }
            word("pnstart", 1); // Qt's lists always count from one
        }
        word("pnf", m_run->font);
        word("pnindent", 360);
        const QString before = bullet ? Bullet : format.numberPrefix();
        // Qt puts a full stop after the number unless the list says otherwise.
        const QString after = bullet                                              ? QString()
                              : format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix()
                                                                                  : QStringLiteral(".");
        for (const auto &[name, value] : {std::pair{"pntxtb", before}, std::pair{"pntxta", after}}) {
            if (value.isEmpty())
                continue;
            brace('{');
            word(name);
            text(value, false);
            brace('}');
        }
        brace('}');
    }

    void switchFormat(const RunFormat &run)
    {
        const bool first = !m_run.has_value();
        const RunFormat was = m_run.value_or(RunFormat{});
        if (first || run.font != was.font)
            word("f", run.font);
        if (first || run.halfPoints != was.halfPoints)
            word("fs", run.halfPoints);
        if (run.colour != was.colour)
            word("cf", run.colour);
        if (run.bold != was.bold)
            run.bold ? word("b") : word("b", 0);
        if (run.italic != was.italic)
            run.italic ? word("i") : word("i", 0);
        if (run.underline != was.underline)
            word(run.underline ? "ul" : "ulnone");
        if (run.strike != was.strike)
            run.strike ? word("strike") : word("strike", 0);
        if (run.vertical != was.vertical)
            word(run.vertical > 0 ? "super" : run.vertical < 0 ? "sub" : "nosupersub");
        m_run = run;
    }

    void word(const char *name) { word(name, std::nullopt); }

    void word(const char *name, std::optional<int> parameter)
    {
        m_out += '\\';
        m_out += name;
        if (parameter)
            m_out += QByteArray::number(*parameter);
        m_needDelimiter = true;
    }

    void literal(char c)
    {
        if (m_needDelimiter)
            m_out += ' ';
        m_needDelimiter = false;
        m_out += c;
    }

    // A brace ends a control word by itself, so it needs no delimiting space.
    void brace(char c)
    {
        m_out += c;
        m_needDelimiter = false;
    }

    void newline()
    {
        m_out += "\r\n";
        m_needDelimiter = false;
    }

    void hex(unsigned char byte)
    {
        static constexpr char digits[] = "0123456789abcdef";
        m_out += "\\'";
        m_out += digits[byte >> 4];
        m_out += digits[byte & 0x0F];
        m_needDelimiter = false;
    }

    // inFontName: a semicolon would end the font's entry, so it is written as a hex escape there.
    void text(const QString &text, bool inFontName)
    {
        for (const QChar qc : text) {
            const char16_t c = qc.unicode();
            if (c == u'\\' || c == u'{' || c == u'}') {
                m_out += '\\';
                m_out += char(c);
                m_needDelimiter = false;
            } else if (c == u';' && inFontName) {
                hex(';');
            } else if (c >= 0x20 && c < 0x7F) {
                literal(char(c));
            } else if (inFontName &&
                       (c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)) {
                continue; // a font table holds names, not layout
            } else if (c == u'\t') {
                word("tab");
            } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
                word("line");
            } else if (c < 0x20 || c == 0x7F || c == QChar::ObjectReplacementCharacter || c == 0xFDD0 ||
                       c == 0xFDD1) {
                continue; // controls and the document's own structure markers are not text
            } else if (const unsigned char byte = windows1252Byte(c)) {
                hex(byte);
            } else {
                // The fallback for readers without Unicode; \uc1 makes it one character.
                word("u", c > 32767 ? int(c) - 65536 : int(c));
                m_out += '?';
                m_needDelimiter = false;
            }
        }
    }

    const QTextDocument &m_document;
    const QFont m_defaultFont;
    std::vector<QFont> m_fonts;
    std::vector<QColor> m_colours;
    std::optional<RunFormat> m_run;
    std::optional<ParagraphFormat> m_paragraph;
    QByteArray m_out;
    bool m_needDelimiter = false;
};

} // namespace

QByteArray write(const QTextDocument &document)
{
    return Writer(document).run();
}

} // namespace rtf
