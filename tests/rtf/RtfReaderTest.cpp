#include "RtfReader.h"

#include "DocumentDump.h"
#include "RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// A family no system has, so that formats read the same on every machine.
QFont testDefaultFont()
{
    return QFont(u"Fixture Sans"_s, 10);
}

std::unique_ptr<QTextDocument> readDocument(const QByteArray &rtf)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(testDefaultFont());
    QString error;
    if (!rtf::read(rtf, *document, &error))
        qWarning() << "read failed:" << error;
    return document;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class RtfReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void formats_data();
    void formats();
    void paragraphs_data();
    void paragraphs();
    void fixtures_data();
    void fixtures();
    void rejectsDataThatIsNotRtf_data();
    void rejectsDataThatIsNotRtf();
    void keepsDefaultFontAndReplacesContent();
    void survivesHostileInput_data();
    void survivesHostileInput();
    void keptFuzzInputs();
    void paragraphMarksBeyondTheInputsShare();
};

void RtfReaderTest::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain text") << R"({\rtf1 Hello world})"_ba << u"Hello world"_s;
    QTest::newRow("one space ends a control word, the next is text")
        << R"({\rtf1\b  two\b0 x})"_ba << u" twox"_s;
    QTest::newRow("a digit or hyphen ends the word's parameter, not the text")
        << R"({\rtf1\fs20-5\fi-360 7})"_ba << u"-57"_s;
    QTest::newRow("control symbols") << R"({\rtf1 a\{b\}c\\d\~e\_f})"_ba << u"a{b}c\\d\u00A0e\u2011f"_s;
    QTest::newRow("backslash before a line end is a paragraph")
        << "{\\rtf1 one\\\r\ntwo\\\nthree}"_ba << u"one\ntwo\nthree"_s;
    QTest::newRow("bare line ends are ignored") << "{\\rtf1 on\r\ne\ntwo}"_ba << u"onetwo"_s;
    QTest::newRow("par line tab") << R"({\rtf1 a\tab b\line c\par d})"_ba << u"a\tb\vc\nd"_s;
    QTest::newRow("last par leaves no empty paragraph") << R"({\rtf1 a\par b\par })"_ba << u"a\nb"_s;
    QTest::newRow("empty paragraphs between and at the end")
        << R"({\rtf1 a\par\par b\par\par })"_ba << u"a\n\nb\n"_s;
    QTest::newRow("text after the final brace is ignored")
        << R"({\rtf1 kept} lost {\b more})"_ba << u"kept"_s;
    QTest::newRow("missing closing brace") << R"({\rtf1 {\b open)"_ba << u"open"_s;
    QTest::newRow("special characters")
        << R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})"_ba
        << u"\u2014\u2013\u2022\u2018\u2019\u201C\u201D"_s;
    QTest::newRow("hex in code page 1252") << R"({\rtf1\ansi caf\'e9 \'80 \'93q\'94})"_ba << u"café € “q”"_s;
    QTest::newRow("hex digits in capitals") << R"({\rtf1 \'C9\'e9})"_ba << u"Éé"_s;
    QTest::newRow("bad hex is dropped, the letters stay") << R"({\rtf1 a\'zzb\'4})"_ba << u"azzb"_s;
    QTest::newRow("raw 8-bit bytes") << "{\\rtf1\\ansi na\xefve \x80}"_ba << u"naïve €"_s;
    QTest::newRow("ansicpg chooses the code page") << R"({\rtf1\ansi\ansicpg1250 \'9a\'e8})"_ba << u"šč"_s;
    QTest::newRow("font charset wins over ansicpg")
        << R"({\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\fcharset204 Arial Cyr;}{\f1\fcharset161 Arial Greek;}}\'c0\'e1 \f1\'e1})"_ba
        << u"Аб α"_s;
    QTest::newRow("double-byte code page keeps lead and trail together")
        << R"({\rtf1\ansi{\fonttbl{\f0\fcharset128 MS Mincho;}}\f0\'82\'a0\'82\'a2})"_ba << u"あい"_s;
    QTest::newRow("GBK and Big5")
        << R"({\rtf1{\fonttbl{\f0\fcharset134 SimSun;}{\f1\fcharset136 MingLiU;}}\f0\'d6\'d0\f1\'a4\'a4})"_ba
        << u"中中"_s;
    QTest::newRow("mac and pc code pages")
        << R"({\rtf1\mac \'8e{\fonttbl{\f1\fcharset255 Terminal;}}{\f1\'82}})"_ba << u"éé"_s;
    QTest::newRow("symbol font maps to the private area")
        << R"({\rtf1{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset2 Symbol;}}{\f1\'b7}x})"_ba << u"\uF0B7x"_s;
    QTest::newRow("unicode with fallback") << R"({\rtf1\uc1\u8364?\u937?x})"_ba << u"€Ωx"_s;
    QTest::newRow("negative unicode and surrogate pair")
        << R"({\rtf1\u-3913?\u-10179?\u-8704?})"_ba << u"\uF0B7\U0001F600"_s;
    QTest::newRow("uc counts hex escapes and words as one")
        << R"({\rtf1\uc2\u8364\'80\'80a\uc3\u937\'ea\tab\'ebb})"_ba << u"€aΩb"_s;
    QTest::newRow("uc is restored when the group ends")
        << R"({\rtf1{\uc2\u8364 ab}\u8364 cd})"_ba << u"€€d"_s;
    QTest::newRow("a brace ends the fallback") << R"({\rtf1\uc3\u8364 a{b}})"_ba << u"€b"_s;
    QTest::newRow("uc0 skips nothing") << R"({\rtf1\uc0\u8364 x})"_ba << u"€x"_s;
    QTest::newRow("unpaired surrogate becomes a replacement character")
        << R"({\rtf1\u-10179?x})"_ba << u"\uFFFDx"_s;
    QTest::newRow("font and colour tables are not text")
        << R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red255\green0\blue0;}x})"_ba << u"x"_s;
    QTest::newRow("font table without inner groups")
        << R"({\rtf1{\fonttbl\f0\fnil Arial;\f1\froman Times;}x})"_ba << u"x"_s;
    QTest::newRow("skipped destinations")
        << R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}{\*\generator W;}{\header H}{\footer F}{\*\unknown u}a{\footnote n}{\xe i}{\tc t}b})"_ba
        << u"ab"_s;
    QTest::newRow("picture with binary data holding braces")
        << "{\\rtf1 a{\\pict\\wmetafile8\\bin6 }}{\\{x}b}"_ba << u"ab"_s;
    QTest::newRow("bin outside a picture skips exactly its bytes") << "{\\rtf1 a\\bin3 {}\\b}"_ba << u"ab"_s;
    QTest::newRow("shape picture shown once")
        << R"({\rtf1 a{\*\shppict{\pict\pngblip 89504e47}}{\nonshppict{\pict\wmetafile8 0100}}b})"_ba
        << u"ab"_s;
    QTest::newRow("field shows its result")
        << R"({\rtf1 see {\field{\*\fldinst{HYPERLINK "http://x/"}}{\fldrslt{\ul here}}} now})"_ba
        << u"see here now"_s;
    QTest::newRow("field instruction without star")
        << R"({\rtf1{\field{\fldinst PAGE}{\fldrslt 3}}})"_ba << u"3"_s;
    QTest::newRow("list text is shown")
        << R"({\rtf1{\*\pn\pnlvlblt{\pntxtb\'b7}}{\pntext\f0\'b7\tab}one\par{\listtext 2.\tab}two})"_ba
        << u"·\tone\n2.\ttwo"_s;
    QTest::newRow("hidden text is dropped") << R"({\rtf1 a{\v secret}b\v c\v0 d})"_ba << u"abd"_s;
    QTest::newRow("table cells and rows")
        << R"({\rtf1\trowd a\cell b\cell\row c\cell\row})"_ba << u"a\tb\t\nc\t"_s;
    QTest::newRow("stray destination word in the document group keeps the text")
        << R"({\rtf1 a\*\info b\pict c})"_ba << u"abc"_s;
    QTest::newRow("structure characters are not inserted")
        << R"({\rtf1 a\u8233?b\u64976?\u65532?\u0?\'00\'0d c})"_ba << u"a\vb c"_s;

    // As Word and other programs write them.
    QTest::newRow("ANSI charset is code page 1252 whatever the document's")
        << R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset204 Arial Cyr;}}caf\'e9 {\f1\'e9}})"_ba
        << u"café й"_s;
    QTest::newRow("default charset follows the document's code page")
        << R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset1 Arial;}{\f1 Arial;}}\f0\'e9\f1\'e9})"_ba
        << u"йй"_s;
    QTest::newRow("associated fonts decode double-byte text")
        << R"({\rtf1\ansi\ansicpg932\deff0{\fonttbl{\f0\froman\fcharset0 Times New Roman;}{\f13\fnil\fcharset128 MS Mincho;}})"
           R"({\hich\af0\dbch\af13\loch\f0 caf}{\loch\af0\dbch\af13\hich\f0 \'e9}{\loch\af0\hich\af0\dbch\f13 \'82\'a0\'82\'a2})"
           R"({\loch\af0\hich\af0\dbch\af13 \'82\'a4}{\dbch\af13\loch\f0 !}})"_ba
        << u"caféあいう!"_s;
    QTest::newRow("Mac Japanese code page and font charset")
        << R"({\rtf1\ansi\ansicpg10001{\fonttbl{\f1\fcharset78 Osaka;}{\f2\fcharset1 Osaka;}}\f2\'82\'a0\'fd\'80\'83\'80{\f1\'82\'a2\'ff}})"_ba
        << u"あ©\\ムい…"_s;
    QTest::newRow("text for readers without nested tables is not shown")
        << R"({\rtf1 a\nestcell{\nonesttables b\cell}\nestrow{\nonesttables\par}c})"_ba << u"a\t\nc"_s;
    QTest::newRow("footnote marks are numbered, their text left out")
        << R"({\rtf1 Lavender{\super\chftn}{\footnote\pard{\super\chftn} Steam distilled.} and mint{\super\chftn}{\footnote{\super\chftn} Also.}.})"_ba
        << u"Lavender1 and mint2."_s;
    QTest::newRow("page and column breaks keep the words apart")
        << R"({\rtf1 one\page two\column three\par\page four\par\column five})"_ba
        << u"one\ntwo\nthree\nfour\nfive"_s;
    QTest::newRow("a page break at the very start adds nothing") << R"({\rtf1\page a})"_ba << u"a"_s;
}

void RtfReaderTest::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(paragraphText(*readDocument(rtf)), expected);
}

void RtfReaderTest::formats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no font table: the document's font at 12 pt")
        << R"({\rtf1 x})"_ba << u"x{Fixture Sans 12}"_s;
    QTest::newRow("group saves and restores character state")
        << R"({\rtf1\deff0{\fonttbl{\f0 Arial;}}a{\b\i b{\ul c}}d})"_ba
        << u"a{Arial 12}b{Arial 12 b i}c{Arial 12 b i u}d{Arial 12}"_s;
    QTest::newRow("font size and font switch")
        << R"({\rtf1{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman Times New Roman;}}\f0\fs17 a\f1\fs40 b})"_ba
        << u"a{Arial 8.5}b{Times New Roman 20}"_s;
    QTest::newRow("deff gives text its font")
        << R"({\rtf1\deff1{\fonttbl{\f0 Arial;}{\f1 Courier New;}}x})"_ba << u"x{Courier New 12}"_s;
    QTest::newRow("unknown font number falls back to the document font")
        << R"({\rtf1{\fonttbl{\f0 Arial;}}\f9 x})"_ba << u"x{Fixture Sans 12}"_s;
    QTest::newRow("plain resets to deff and 12 pt")
        << R"({\rtf1\deff0{\fonttbl{\f0 Arial;}{\f1 Symbol;}}\f1\fs40\b\i\ul\strike a\plain b})"_ba
        << u"a{Symbol 20 b i u s}b{Arial 12}"_s;
    QTest::newRow("toggles with zero")
        << R"({\rtf1\b\i\ul\strike a\b0\i0\ulnone\strike0 b\ul c\ul0 d\uldb e})"_ba
        << u"a{Fixture Sans 12 b i u s}b{Fixture Sans 12}c{Fixture Sans 12 u}d{Fixture Sans 12}e{Fixture Sans 12 u}"_s;
    QTest::newRow("colour table: empty first entry is automatic")
        << R"({\rtf1{\colortbl ;\red255\green0\blue0;\red0\green128\blue0;}\cf1 r\cf2 g\cf0 a\cf7 x})"_ba
        << u"r{Fixture Sans 12 #ff0000}g{Fixture Sans 12 #008000}ax{Fixture Sans 12}"_s;
    QTest::newRow("colour table with a real first entry")
        << R"({\rtf1{\colortbl\red0\green0\blue255;}\cf0 b})"_ba << u"b{Fixture Sans 12 #0000ff}"_s;
    QTest::newRow("superscript and subscript")
        << R"({\rtf1 x\super 2\nosupersub y\sub i})"_ba
        << u"x{Fixture Sans 12}2{Fixture Sans 12 sup}y{Fixture Sans 12}i{Fixture Sans 12 sub}"_s;
    QTest::newRow("size is bounded") << R"({\rtf1\fs99999999999999 x\fs0 y\fs-4 z})"_ba
                                     << u"xyz{Fixture Sans 1638}"_s;
    QTest::newRow("font name with code page")
        << R"({\rtf1{\fonttbl{\f0\fcharset204 \'c0\'f0\'e8\'e0\'eb;}}\f0 x})"_ba << u"x{Ариал 12}"_s;
    QTest::newRow("font name with panose and alternative")
        << R"({\rtf1{\fonttbl{\f0\froman{\*\panose 02020603050405020304}Times New Roman{\*\falt Times};}}x})"_ba
        << u"x{Times New Roman 12}"_s;
    QTest::newRow("associated fonts give double-byte text its font")
        << R"({\rtf1\ansi\ansicpg932{\fonttbl{\f0\fcharset0 Arial;}{\f13\fcharset128 MS Mincho;}})"
           R"({\hich\af0\dbch\af13\loch\f0 a}{\loch\af0\hich\af0\dbch\f13 \'82\'a0}{\plain b}})"_ba
        << u"a{Arial 12}あ{MS Mincho 12}b{Arial 12}"_s;
    QTest::newRow("empty paragraph keeps its size")
        << R"({\rtf1\fs40 a\par\fs20\par b})"_ba << u"a{Fixture Sans 20} |  | b{Fixture Sans 10}"_s;
}

void RtfReaderTest::formats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    const auto document = readDocument(rtf);
    QCOMPARE(dumpRuns(*document), expected);
    if (QTest::currentDataTag() == "empty paragraph keeps its size"_ba)
        QCOMPARE(document->begin().next().charFormat().fontPointSize(), 10.0);
}

void RtfReaderTest::paragraphs_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("alignments") << R"({\rtf1\qc a\par\qr b\par\qj c\par\ql d\par})"_ba
                                << u"centre | right | justify | left"_s;
    QTest::newRow("indents in twips, signed first line")
        << R"({\rtf1\li720\ri360\fi-360 a\par})"_ba << u"left li=48 ri=24 fi=-24"_s;
    QTest::newRow("spacing") << R"({\rtf1\sb120\sa240 a})"_ba << u"left sb=8 sa=16"_s;
    QTest::newRow("pard resets, paragraph format stays until then")
        << R"({\rtf1\pard\qc\li1440 a\par b\par\pard c\par})"_ba << u"centre li=96 | centre li=96 | left"_s;
    QTest::newRow("format at the paragraph's end applies")
        << R"({\rtf1 a\qc\par b})"_ba << u"centre | centre"_s;
    QTest::newRow("format of the last paragraph without par")
        << R"({\rtf1 a\par\qr b})"_ba << u"left | right"_s;
    QTest::newRow("format in a closed group is restored")
        << R"({\rtf1{\qc a\par}b\par})"_ba << u"centre | left"_s;
    QTest::newRow("a page break starts the next paragraph on a new page")
        << R"({\rtf1 a\page b\par\page c\par\pagebb d\par\pard e\column f})"_ba
        << u"left | left page | left page | left page | left | left"_s;
}

void RtfReaderTest::paragraphs()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(dumpParagraphs(*readDocument(rtf)), expected);
}

void RtfReaderTest::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedRuns");

    QTest::newRow("screen mode file") << u"screen-2.rtf"_s << u"2"_s << u"2{MS Sans Serif 8.5}"_s;
    QTest::newRow("wordpad letter") << u"wordpad-letter.rtf"_s
                                    << u"Lavender oil\nCalming – also for «sleep».\n\nTea tree 5 €"_s
                                    << u"Lavender oil{Arial 14 b #800000} | Calming – also for {Arial "
                                       u"10}«sleep»{Arial 10 i}.{Arial 10} |  | "
                                       u"Tea tree {Times New Roman 10}5 €{Times New Roman 10 u}"_s;
    QTest::newRow("word document")
        << u"word-document.rtf"_s
        << u"Essential oils\n\uF0B7\tLavender\n\uF0B7\tTea tree\nSee the index, page 4.\nΘυμάρι – Тимьян"_s
        << QString();
    QTest::newRow("written by LibreOffice")
        << u"libreoffice-formats.rtf"_s << u"Plain bold italic underlined\nRed 16 point\nCentred äöü € Ωμ"_s
        << u"Plain {Liberation Serif 12}bold{Liberation Serif 12 b} {Liberation Serif 12}italic{Liberation "
           u"Serif 12 i}"
           u" {Liberation Serif 12}underlined{Liberation Serif 12 u} | Red 16 point{Liberation Serif 16 "
           u"#ff0000} | "
           u"Centred äöü € Ωμ{Liberation Serif 12}"_s;
}

void RtfReaderTest::fixtures()
{
    QFETCH(QString, file);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedRuns);
    const QByteArray data = fileBytes(QStringLiteral(RTF_TEST_DATA "/") + file);
    QVERIFY2(!data.isEmpty(), qPrintable(file));
    const auto document = readDocument(data);
    QCOMPARE(paragraphText(*document), expectedText);
    if (!expectedRuns.isEmpty())
        QCOMPARE(dumpRuns(*document), expectedRuns);
}

void RtfReaderTest::rejectsDataThatIsNotRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain digit") << "2\r\n"_ba;
    QTest::newRow("leading space") << R"( {\rtf1 x})"_ba;
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF{\\rtf1 x}"_ba;
    QTest::newRow("html") << "<html>{\\rtf1}</html>"_ba;
    QTest::newRow("truncated header") << R"({\rt)"_ba;
}

void RtfReaderTest::rejectsDataThatIsNotRtf()
{
    QFETCH(QByteArray, data);
    QTextDocument document;
    document.setPlainText(u"previous"_s);
    QString error;
    QVERIFY(!rtf::read(data, document, &error));
    QVERIFY(error.contains(u"not RTF"_s));
    QCOMPARE(document.toPlainText(), u"previous"_s);
}

void RtfReaderTest::keepsDefaultFontAndReplacesContent()
{
    QTextDocument document;
    document.setDefaultFont(testDefaultFont());
    document.setPlainText(u"old line\nother"_s);
    QString error = u"stale"_s;
    QVERIFY(rtf::read(R"({\rtf1 new})"_ba, document, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(document.toPlainText(), u"new"_s);
    QCOMPARE(document.defaultFont().family(), u"Fixture Sans"_s);
    QVERIFY(!document.isUndoAvailable());
}

void RtfReaderTest::survivesHostileInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    const QByteArray deep = "{\\rtf1 a" + QByteArray(100000, '{') + "hidden" + QByteArray(100000, '}') + "b}";
    QTest::newRow("deep nesting is skipped beyond the bound") << deep << u"ab"_s;
    QTest::newRow("deep nesting without end") << "{\\rtf1 a" + QByteArray(50000, '{') + "x" << u"a"_s;
    QTest::newRow("long control word") << "{\\rtf1 \\" + QByteArray(100000, 'a') + " x}" << u"x"_s;
    QTest::newRow("long parameter") << "{\\rtf1 \\fs" + QByteArray(100000, '9') + " x}" << u"x"_s;
    QTest::newRow("bin longer than the data") << R"({\rtf1 a\bin999999999999 b})"_ba << u"a"_s;
    QTest::newRow("negative bin") << R"({\rtf1 a\bin-5 b})"_ba << u"ab"_s;
    QTest::newRow("huge uc") << R"({\rtf1\uc999999999\u8364 abc{d}})"_ba << u"€d"_s;
    QTest::newRow("unicode out of range") << R"({\rtf1\u99999999?x\u1114112?y})"_ba << u"xy"_s;
    QTest::newRow("backslash at the end") << "{\\rtf1 a\\"_ba << u"a"_s;
    QTest::newRow("hex at the end") << "{\\rtf1 a\\'"_ba << u"a"_s;
    QTest::newRow("many unmatched closing braces") << "{\\rtf1 a}}}}}}"_ba << u"a"_s;
    QTest::newRow("font table never closed") << R"({\rtf1{\fonttbl{\f0 Arial)"_ba << QString();
    QTest::newRow("colour table without semicolons")
        << R"({\rtf1{\colortbl\red300\green-4}\cf1 x})"_ba << u"x"_s;
    QTest::newRow("NUL bytes") << QByteArray("{\\rtf1 a\0b\\'00c}", 16) << u"abc"_s;
}

void RtfReaderTest::survivesHostileInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(paragraphText(*readDocument(rtf)), expected);
}

void RtfReaderTest::keptFuzzInputs()
{
    // Inputs on which the fuzzer once found a fault: each must read, save and read back to the same
    // paragraphs and formats.
    const QDir dir(QStringLiteral(RTF_TEST_DATA "/crashes"));
    const QStringList files = dir.entryList(QDir::Files);
    if (files.isEmpty())
        QSKIP("No fuzzer inputs have been kept.");
    for (const QString &name : files) {
        const auto document = readDocument(fileBytes(dir.filePath(name)));
        const auto again = readDocument(rtf::write(*document));
        QVERIFY2(paragraphText(*again) == paragraphText(*document), qPrintable(name));
        QVERIFY2(dumpRuns(*again) == dumpRuns(*document), qPrintable(name));
        QVERIFY2(dumpParagraphs(*again) == dumpParagraphs(*document), qPrintable(name));
    }
}

void RtfReaderTest::paragraphMarksBeyondTheInputsShare()
{
    // A paragraph costs the document about a hundred bytes. Far more paragraph marks than the input's size
    // pays for become line breaks, so that no text is lost and none is joined.
    const int count = 300'000;
    QByteArray data = "{\\rtf1 ";
    QString expected;
    for (int i = 0; i < count; ++i) {
        data += "x\\par ";
        expected += u"x\n"_s;
    }
    data += "end}";
    expected += u"end"_s;
    const auto document = readDocument(data);
    QVERIFY2(qsizetype(document->blockCount()) * 8 <= data.size(),
             qPrintable(QString::number(document->blockCount())));
    QVERIFY(document->blockCount() > 1000);
    QCOMPARE(paragraphText(*document).replace(u'\v', u'\n'), expected);
}

QTEST_MAIN(RtfReaderTest)
#include "RtfReaderTest.moc"
