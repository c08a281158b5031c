#include "RtfReader.h"

#include "RtfCodePage.h"

#include <QColor>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace rtf {
namespace {

// Word nests a few dozen groups at most; deeper groups are skipped so that hostile input cannot grow the
// state stack without bound.
constexpr std::size_t MaxDepth = 256;
constexpr int MaxControlWordLength = 32;
constexpr int MaxParameterDigits = 10;
constexpr int MaxParameter = 1'000'000'000;
constexpr int MaxHalfPoints = 3276; // 1638 pt, the largest size Word accepts
constexpr int MaxTwips = 31680;     // 22 inches, Word's largest page dimension
constexpr int MaxUnicodeSkip = 64;
constexpr int TwipsPerPixel = 15; // 1440 twips per inch at 96 pixels per inch
// Each paragraph costs the document about a hundred bytes, twenty-five times the four bytes of "\par".
// Past this many paragraphs, plus one for every BytesPerParagraph bytes of input, paragraph marks become
// line breaks, which cost two bytes, so that the document stays within a few bytes per byte of input.
constexpr std::size_t ParagraphAllowance = 100'000;
constexpr std::size_t BytesPerParagraph = 64;

// The kinds of characters that \loch, \hich and \dbch announce, each with a font of its own (\af).
enum Script { LowAnsi, HighAnsi, DoubleByte, ScriptCount };

struct CharState
{
    int font = -1;   // -1: the \deff font
    int script = -1; // the kind of the characters that follow; -1: none was named
    std::array<int, ScriptCount> scriptFonts{-1, -1, -1};
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int colour = -1;  // -1: automatic; \cf0 is the table's first entry, automatic when that is empty
    int vertical = 0; // 1 superscript, -1 subscript

    bool operator==(const CharState &) const = default;
};

struct ParaState
{
    int alignment = 0; // 0 left, 1 centre, 2 right, 3 justified
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    bool pageBreakBefore = false;

    bool operator==(const ParaState &) const = default;
};

enum class Destination { Text, FontTable, ColourTable, Skip };

struct GroupState
{
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

struct FontEntry
{
    QString name;
    int codePage = 0;
};

// Text that arrives as 8-bit bytes of some code page and as Unicode characters in any order; bytes are
// kept together until a character or a change of code page comes so that double-byte pairs stay whole.
struct TextBuffer
{
    QString text;
    QByteArray bytes;
    int codePage = 1252;

    void flushBytes()
    {
        if (!bytes.isEmpty()) {
            text += decodeCodePage(bytes, codePage);
            bytes.clear();
        }
    }
    void clear()
    {
        text.clear();
        bytes.clear();
    }
};

int clampInt(long long value, int low, int high)
{
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

// Removes what QTextDocument would take for structure (paragraph and frame markers, object placeholders)
// and what a document cannot show (C0 controls other than tab, unpaired surrogates).
QString sanitized(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            out.append(text.at(i));
            out.append(text.at(++i));
        } else if (QChar::isSurrogate(c)) {
            out.append(QChar(QChar::ReplacementCharacter));
        } else if (c == u'\t' ||
                   (c >= 0x20 && c != 0x7F && c != 0x2029 && c != 0xFDD0 && c != 0xFDD1 && c != 0xFFFC)) {
            out.append(QChar(c));
        } else if (c == 0x2029) {
            out.append(QChar(QChar::LineSeparator));
        }
    }
    return out;
}

bool isSkippedDestination(std::string_view word)
{
    // Destinations whose text is not part of the document body.
    // clang-format off
    static constexpr std::string_view skipped[] = {
        "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnid", "author",
        "bkmkend", "bkmkstart", "buptim", "colorschememapping", "comment", "creatim", "datastore",
        "doccomm", "docvar", "filetbl", "fldinst", "footer", "footerf", "footerl", "footerr", "footnote",
        "ftncn", "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl", "headerr", "info",
        "keywords", "latentstyles", "listoverridetable", "listtable", "nonesttables", "nonshppict",
        "objdata", "object", "operator", "pgdsctbl", "pict", "pn", "pntxta", "pntxtb", "printim", "private",
        "revtbl", "revtim", "rsidtbl", "rxe", "stylesheet", "subject", "tc", "tcn", "template", "themedata",
        "title", "txe", "userprops", "xe", "xmlnstbl"};
    // clang-format on
    return std::find(std::begin(skipped), std::end(skipped), word) != std::end(skipped);
}

char16_t specialCharacter(std::string_view word)
{
    struct Special
    {
        std::string_view word;
        char16_t character;
    };
    static constexpr Special specials[] = {
        {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
        {"tab", u'\t'},      {"cell", u'\t'},       {"nestcell", u'\t'},   {"line", 0x2028}};
    for (const Special &s : specials) {
        if (s.word == word)
            return s.character;
    }
    return 0;
}

bool isUnderlineWord(std::string_view word)
{
    static constexpr std::string_view words[] = {
        "ul",         "uld",       "uldash",     "uldashd", "uldashdd", "uldb",
        "ulhwave",    "ulldash",   "ulth",       "ulthd",   "ulthdash", "ulthdashd",
        "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave"};
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

class Parser
{
public:
    Parser(const QByteArray &data, QTextDocument &document)
        : m_data(data), m_cursor(&document),
          m_maxBlocks(ParagraphAllowance + std::size_t(data.size()) / BytesPerParagraph)
    {}

    void run()
    {
        m_cursor.beginEditBlock();
        while (m_pos < m_data.size() && !m_finished) {
            const char c = m_data.at(m_pos++);
            switch (c) {
            case '{':
                m_skipPending = 0;
                openGroup();
                break;
            case '}':
                m_skipPending = 0;
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (m_skipPending > 0)
                    --m_skipPending;
                else
                    textByte(static_cast<unsigned char>(c));
                break;
            }
        }
        flushRun();
        if (!m_paragraphPending)
            applyParagraphFormat();
        m_cursor.endEditBlock();
    }

private:
    GroupState &state() { return m_groups.back(); }

    // Destinations change only nested groups: a stray destination word in the document's own group would
    // otherwise swallow all the text that follows.
    bool nested() const { return m_groups.size() > 1; }

    bool ignoring() const
    {
        return m_overflowDepth > 0 || m_groups.empty() || m_groups.back().destination == Destination::Skip;
    }

    void openGroup()
    {
        if (m_groups.size() >= MaxDepth || m_overflowDepth > 0) {
            ++m_overflowDepth;
            return;
        }
        m_groups.push_back(m_groups.empty() ? GroupState{} : m_groups.back());
    }

    void closeGroup()
    {
        if (m_overflowDepth > 0) {
            --m_overflowDepth;
            return;
        }
        if (m_groups.empty()) {
            m_finished = true;
            return;
        }
        if (state().destination == Destination::FontTable)
            finishFontName();
        const Destination left = state().destination;
        if (m_groups.size() == 1)
            m_lastPara = state().para;
        m_groups.pop_back();
        if (m_groups.empty())
            m_finished = true; // what follows the closing brace of the document is not RTF
        else if (left == Destination::FontTable && state().destination != Destination::FontTable)
            m_fontNumber = -1;
    }

    void controlSequence()
    {
        if (m_pos >= m_data.size())
            return;
        const char c = m_data.at(m_pos);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            controlWord();
            return;
        }
        ++m_pos;
        if (c == '\'') {
            const int byte = hexByte();
            if (m_skipPending > 0)
                --m_skipPending;
            else if (byte >= 0)
                textByte(static_cast<unsigned char>(byte), true);
            return;
        }
        if (m_skipPending > 0) {
            --m_skipPending;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            textByte(static_cast<unsigned char>(c), true);
            break;
        case '~':
            character(0x00A0);
            break;
        case '-':
            character(0x00AD);
            break;
        case '_':
            character(0x2011);
            break;
        case '*':
            if (!ignoring() && nested())
                state().destination = Destination::Skip;
            break;
        case '\r':
        case '\n':
            if (!ignoring() && state().destination == Destination::Text)
                paragraph();
            break;
        default:
            break;
        }
    }

    // Reads up to two hex digits after \'; -1 when there is none.
    int hexByte()
    {
        int value = -1;
        for (int i = 0; i < 2 && m_pos < m_data.size(); ++i) {
            const auto c = static_cast<unsigned char>(m_data.at(m_pos));
            if (!std::isxdigit(c))
                break;
            const int digit = std::isdigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
            value = (value < 0 ? 0 : value * 16) + digit;
            ++m_pos;
        }
        return value;
    }

    void controlWord()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && std::isalpha(static_cast<unsigned char>(m_data.at(m_pos))))
            ++m_pos;
        const std::string_view word(m_data.constData() + start,
                                    std::size_t(std::min<qsizetype>(m_pos - start, MaxControlWordLength)));
        bool hasParameter = false;
        bool negative = false;
        long long parameter = 0;
        if (m_pos + 1 < m_data.size() && m_data.at(m_pos) == '-' &&
            std::isdigit(static_cast<unsigned char>(m_data.at(m_pos + 1)))) {
            negative = true;
            ++m_pos;
        }
        int digits = 0;
        while (m_pos < m_data.size() && std::isdigit(static_cast<unsigned char>(m_data.at(m_pos)))) {
            if (digits++ < MaxParameterDigits)
                parameter = parameter * 10 + (m_data.at(m_pos) - '0');
            hasParameter = true;
            ++m_pos;
        }
        if (m_pos < m_data.size() && m_data.at(m_pos) == ' ')
            ++m_pos;
        const int value = clampInt(negative ? -parameter : parameter, -MaxParameter, MaxParameter);

        if (word == "bin") {
            // Binary data may hold any byte, braces included: it is never parsed.
            m_pos += std::clamp<qsizetype>(value, 0, m_data.size() - m_pos);
            if (m_skipPending > 0)
                --m_skipPending;
            return;
        }
        if (m_skipPending > 0) {
            --m_skipPending;
            return;
        }
        if (ignoring())
            return;
        if (word == "uc") {
            state().unicodeSkip = std::clamp(value, 0, MaxUnicodeSkip);
            return;
        }
        if (word == "u" && hasParameter) {
            unicode(value);
            return;
        }
        switch (state().destination) {
        case Destination::FontTable:
            fontTableWord(word, hasParameter, value);
            break;
        case Destination::ColourTable:
            colourTableWord(word, value);
            break;
        case Destination::Text:
            textWord(word, hasParameter, value);
            break;
        case Destination::Skip:
            break;
        }
    }

    void unicode(int value)
    {
        if (value < 0)
            value += 65536;
        if (value >= 0 && value <= 0x10FFFF) {
            const char32_t codePoint = char32_t(value);
            if (codePoint > 0xFFFF) {
                const QString pair = QString::fromUcs4(&codePoint, 1);
                for (const QChar ch : pair)
                    character(ch.unicode());
            } else {
                character(char16_t(codePoint));
            }
        }
        m_skipPending = state().unicodeSkip;
    }

    void fontTableWord(std::string_view word, bool hasParameter, int value)
    {
        if (word == "f" && hasParameter) {
            finishFontName();
            m_fontNumber = value;
            m_fontName.clear();
            m_fontNameDone = false;
            m_fonts[value].codePage = 0;
            m_fontName.codePage = m_documentCodePage;
        } else if (word == "fcharset" && m_fontNumber >= 0) {
            const int codePage = codePageForCharset(value);
            if (codePage != 0 && m_fonts[m_fontNumber].codePage == 0)
                m_fonts[m_fontNumber].codePage = codePage;
        } else if (word == "cpg" && m_fontNumber >= 0 && value > 0) {
            m_fonts[m_fontNumber].codePage = value;
        }
    }

    void finishFontName()
    {
        if (m_fontNumber < 0 || m_fontNameDone)
            return;
        m_fontName.codePage =
            m_fonts[m_fontNumber].codePage ? m_fonts[m_fontNumber].codePage : m_documentCodePage;
        m_fontName.flushBytes();
        // Tabs and line breaks cannot be part of a font's name.
        QString name = sanitized(m_fontName.text);
        name.removeIf([](QChar c) { return c == u'\t' || c == QChar::LineSeparator; });
        m_fonts[m_fontNumber].name = name.trimmed();
        m_formatChars.reset();
        m_fontName.clear();
        m_fontNameDone = true;
    }

    void colourTableWord(std::string_view word, int value)
    {
        const int component = std::clamp(value, 0, 255);
        if (word == "red")
            m_colour.setRed(component);
        else if (word == "green")
            m_colour.setGreen(component);
        else if (word == "blue")
            m_colour.setBlue(component);
        else
            return;
        m_colourGiven = true;
    }

    void textWord(std::string_view word, bool hasParameter, int value)
    {
        CharState &chars = state().chars;
        ParaState &para = state().para;
        const bool on = !hasParameter || value != 0;
        if (const char16_t special = specialCharacter(word)) {
            character(special);
        } else if (word == "par" || word == "sect" || word == "row" || word == "nestrow") {
            paragraph();
        } else if (word == "page" || word == "column") {
            breakParagraph(word == "page");
        } else if (word == "chftn") {
            // The mark of an automatically numbered footnote, whose text is not part of the body.
            for (const QChar ch : QString::number(++m_footnotes))
                character(ch.unicode());
        } else if (!nested() && (word == "fonttbl" || word == "colortbl" || isSkippedDestination(word))) {
            return;
        } else if (word == "fonttbl") {
            state().destination = Destination::FontTable;
            m_fontNumber = -1;
        } else if (word == "colortbl") {
            state().destination = Destination::ColourTable;
            m_colours.clear();
            m_formatChars.reset();
            m_colour = QColor(0, 0, 0);
            m_colourGiven = false;
        } else if (isSkippedDestination(word)) {
            state().destination = Destination::Skip;
        } else if (word == "plain") {
            chars = CharState{};
        } else if (word == "pard") {
            para = ParaState{};
        } else if (word == "f") {
            chars.font = value;
            if (chars.script >= 0)
                chars.scriptFonts[chars.script] = value;
        } else if (word == "loch") {
            chars.script = LowAnsi;
        } else if (word == "hich") {
            chars.script = HighAnsi;
        } else if (word == "dbch") {
            chars.script = DoubleByte;
        } else if (word == "af") {
            // Names the font of the kind of characters just announced; without one it is the font of
            // right-to-left text, which this reader does not tell apart.
            if (chars.script >= 0)
                chars.scriptFonts[chars.script] = value;
        } else if (word == "fs") {
            if (value > 0)
                chars.halfPoints = std::min(value, MaxHalfPoints);
        } else if (word == "b") {
            chars.bold = on;
        } else if (word == "i") {
            chars.italic = on;
        } else if (isUnderlineWord(word)) {
            chars.underline = on;
        } else if (word == "ulnone") {
            chars.underline = false;
        } else if (word == "strike" || word == "striked") {
            chars.strike = on;
        } else if (word == "v") {
            chars.hidden = on;
        } else if (word == "cf") {
            chars.colour = std::max(value, 0);
        } else if (word == "super") {
            chars.vertical = 1;
        } else if (word == "sub") {
            chars.vertical = -1;
        } else if (word == "nosupersub") {
            chars.vertical = 0;
        } else if (word == "ql") {
            para.alignment = 0;
        } else if (word == "qc") {
            para.alignment = 1;
        } else if (word == "qr") {
            para.alignment = 2;
        } else if (word == "qj" || word == "qd") {
            para.alignment = 3;
        } else if (word == "li" || word == "lin") {
            para.left = std::clamp(value, 0, MaxTwips);
        } else if (word == "ri" || word == "rin") {
            para.right = std::clamp(value, 0, MaxTwips);
        } else if (word == "fi") {
            para.first = std::clamp(value, -MaxTwips, MaxTwips);
        } else if (word == "sb") {
            para.before = std::clamp(value, 0, MaxTwips);
        } else if (word == "sa") {
            para.after = std::clamp(value, 0, MaxTwips);
        } else if (word == "pagebb") {
            para.pageBreakBefore = on;
        } else if (word == "deff") {
            m_defaultFont = value;
        } else if (word == "ansi") {
            m_documentCodePage = 1252;
        } else if (word == "mac") {
            m_documentCodePage = 10000;
        } else if (word == "pc") {
            m_documentCodePage = 437;
        } else if (word == "pca") {
            m_documentCodePage = 850;
        } else if (word == "ansicpg" && value > 0) {
            m_documentCodePage = value;
        }
    }

    void textByte(unsigned char byte, bool escaped = false)
    {
        if (ignoring())
            return;
        switch (state().destination) {
        case Destination::Text:
            if ((byte >= 0x20 || byte == '\t') && prepareRun())
                m_run.bytes.append(char(byte));
            break;
        case Destination::FontTable:
            if (byte == ';' && !escaped)
                finishFontName();
            else if (m_fontNumber >= 0 && !m_fontNameDone)
                m_fontName.bytes.append(char(byte));
            break;
        case Destination::ColourTable:
            if (byte == ';') {
                m_colours.push_back(m_colourGiven ? m_colour : QColor());
                m_formatChars.reset();
                m_colour = QColor(0, 0, 0);
                m_colourGiven = false;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void character(char16_t ch)
    {
        if (ignoring())
            return;
        if (state().destination == Destination::Text) {
            if (!prepareRun())
                return;
            m_run.flushBytes();
            m_run.text.append(QChar(ch));
        } else if (state().destination == Destination::FontTable && m_fontNumber >= 0 && !m_fontNameDone) {
            m_fontName.codePage =
                m_fonts[m_fontNumber].codePage ? m_fonts[m_fontNumber].codePage : m_documentCodePage;
            m_fontName.flushBytes();
            m_fontName.text.append(QChar(ch));
        }
    }

    // The character state that decides a run's format: the font in effect for the kind of characters
    // that follow, and no trace of how it was named.
    CharState runState(const CharState &chars) const
    {
        CharState run = chars;
        if (chars.script >= 0 && chars.scriptFonts[chars.script] >= 0)
            run.font = chars.scriptFonts[chars.script];
        if (run.font < 0)
            run.font = m_defaultFont;
        run.script = -1;
        run.scriptFonts = {-1, -1, -1};
        return run;
    }

    int codePageOf(const CharState &run) const
    {
        const auto it = m_fonts.find(run.font);
        return it != m_fonts.end() && it->second.codePage != 0 ? it->second.codePage : m_documentCodePage;
    }

    // Hidden text is dropped; a pending paragraph end is made real only once text follows it, so that
    // the last \par of a document leaves no empty paragraph behind.
    bool prepareRun()
    {
        if (state().chars.hidden)
            return false;
        if (m_paragraphPending)
            startBlock();
        m_blockHasText = true;
        const CharState run = runState(state().chars);
        const int codePage = codePageOf(run);
        if (run != m_runChars || codePage != m_run.codePage) {
            flushRun();
            m_runChars = run;
            m_run.codePage = codePage;
        }
        return true;
    }

    void flushRun()
    {
        m_run.flushBytes();
        if (!m_run.text.isEmpty())
            m_cursor.insertText(sanitized(m_run.text), charFormat(m_runChars));
        m_run.text.clear();
    }

    // Makes the pending paragraph end real: a new paragraph, or a line break once the paragraphs the
    // input's size allows are spent.
    void startBlock()
    {
        m_paragraphPending = false;
        m_blockHasText = false;
        if (m_blocks >= m_maxBlocks) {
            m_run.flushBytes();
            m_run.text.append(QChar(QChar::LineSeparator));
            return;
        }
        const ParaState para = currentPara();
        m_blockBreak = m_pageBreakNext;
        m_pageBreakNext = false;
        const CharState chars = runState(state().chars);
        flushRun();
        m_cursor.insertBlock(blockFormat(para), charFormat(chars));
        ++m_blocks;
        m_blockPara = para;
        m_blockChars = chars;
    }

    void paragraph()
    {
        if (m_paragraphPending)
            startBlock();
        if (m_blocks < m_maxBlocks) {
            flushRun();
            applyParagraphFormat();
        }
        m_paragraphPending = true;
    }

    // A page or column break within a paragraph ends the paragraph there, so that the words on either
    // side stay apart; a page break makes the next paragraph start a page.
    void breakParagraph(bool newPage)
    {
        if (!m_paragraphPending && m_blockHasText)
            paragraph();
        if (!newPage)
            return;
        if (m_paragraphPending) {
            m_pageBreakNext = true;
        } else if (m_blocks > 1) {
            m_blockBreak = true; // nothing stands before it in this paragraph
            m_blockPara.reset();
        }
    }

    ParaState currentPara() const { return m_groups.empty() ? m_lastPara : m_groups.back().para; }

    // Gives the paragraph the properties in effect at its end, as RTF has it; most paragraphs keep those
    // they were started with, and then the document is not touched.
    void applyParagraphFormat()
    {
        const ParaState para = currentPara();
        if (m_blockPara != para) {
            m_cursor.setBlockFormat(blockFormat(para));
            m_blockPara = para;
        }
        if (!m_blockHasText && !m_groups.empty()) {
            const CharState chars = runState(state().chars);
            if (m_blockChars != chars) {
                m_cursor.setBlockCharFormat(charFormat(chars));
                m_blockChars = chars;
            }
        }
    }

    QTextBlockFormat blockFormat(const ParaState &para) const
    {
        QTextBlockFormat format;
        static constexpr Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                                       Qt::AlignJustify};
        format.setAlignment(alignments[para.alignment]);
        format.setLeftMargin(double(para.left) / TwipsPerPixel);
        format.setRightMargin(double(para.right) / TwipsPerPixel);
        format.setTextIndent(double(para.first) / TwipsPerPixel);
        format.setTopMargin(double(para.before) / TwipsPerPixel);
        format.setBottomMargin(double(para.after) / TwipsPerPixel);
        if (para.pageBreakBefore || m_blockBreak)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        return format;
    }

    // Formats are built once for each character state in a row: a long document repeats a few of them.
    QTextCharFormat charFormat(const CharState &run)
    {
        if (m_formatChars == run)
            return m_format;
        QTextCharFormat format;
        const auto font = m_fonts.find(run.font);
        if (font != m_fonts.end() && !font->second.name.isEmpty())
            format.setFontFamilies(QStringList{font->second.name});
        format.setFontPointSize(run.halfPoints / 2.0);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        format.setFontStrikeOut(run.strike);
        if (run.colour >= 0 && std::size_t(run.colour) < m_colours.size() && m_colours[run.colour].isValid())
            format.setForeground(m_colours[run.colour]);
        if (run.vertical != 0)
            format.setVerticalAlignment(run.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                         : QTextCharFormat::AlignSubScript);
        m_formatChars = run;
        m_format = format;
        return format;
    }

    const QByteArray &m_data;
    QTextCursor m_cursor;
    qsizetype m_pos = 0;
    bool m_finished = false;
    std::vector<GroupState> m_groups;
    std::size_t m_overflowDepth = 0;
    int m_skipPending = 0;

    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
    std::map<int, FontEntry> m_fonts;
    int m_fontNumber = -1;
    TextBuffer m_fontName;
    bool m_fontNameDone = false;
    std::vector<QColor> m_colours;
    QColor m_colour;
    bool m_colourGiven = false;

    TextBuffer m_run;
    CharState m_runChars;
    ParaState m_lastPara;
    bool m_paragraphPending = false;
    int m_footnotes = 0;

    // The paragraph being filled, and what the document already holds for it.
    std::size_t m_blocks = 1;
    const std::size_t m_maxBlocks;
    bool m_blockHasText = false;
    bool m_blockBreak = false;            // it starts a new page
    bool m_pageBreakNext = false;         // the next paragraph starts a new page
    std::optional<ParaState> m_blockPara; // none: the document's own first paragraph, never formatted yet
    std::optional<CharState> m_blockChars;

    std::optional<CharState> m_formatChars; // the state m_format was built for
    QTextCharFormat m_format;
};

} // namespace

bool read(const QByteArray &data, QTextDocument &document, QString *error)
{
    if (!data.startsWith("{\\rtf")) {
        if (error)
            *error = QStringLiteral("The data is not RTF: it does not start with \"{\\rtf\".");
        return false;
    }
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    Parser(data, document).run();
    document.setUndoRedoEnabled(undo);
    if (error)
        error->clear();
    return true;
}

} // namespace rtf
