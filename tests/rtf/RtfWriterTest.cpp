#include "RtfWriter.h"

#include "DocumentDump.h"
#include "RtfReader.h"
#include "SampleDocuments.h"

#include <QTest>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QTextCharFormat)
Q_DECLARE_METATYPE(QTextBlockFormat)
Q_DECLARE_METATYPE(std::shared_ptr<QTextDocument>)

namespace {

const QByteArray BoxHeader =
    "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"_ba;

QByteArray boxFile(const QByteArray &body)
{
    return BoxHeader + "\\viewkind4\\uc1" + body + "\r\n\\par }\r\n";
}

std::unique_ptr<QTextDocument> readBackDocument(const QByteArray &rtf, const QFont &defaultFont)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(defaultFont);
    if (!rtf::read(rtf, *document))
        qWarning("our own output was not taken for RTF");
    return document;
}

bool sevenBit(const QByteArray &data)
{
    return std::all_of(data.begin(), data.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

class RtfWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void screenLayout_data();
    void screenLayout();
    void plainText_data();
    void plainText();
    void formats_data();
    void formats();
    void paragraphFormats_data();
    void paragraphFormats();
    void roundTrip_data();
    void roundTrip();
    void listMarkers_data();
    void listMarkers();
};

void RtfWriterTest::screenLayout_data()
{
    QTest::addColumn<QString>("digit");
    QTest::newRow("centred") << u"0"_s;
    QTest::newRow("maximised") << u"2"_s;
}

void RtfWriterTest::screenLayout()
{
    QFETCH(QString, digit);
    const QByteArray expected =
        "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs17 " +
        digit.toLatin1() + "\r\n\\par }\r\n";
    QCOMPARE(expected.size(), 107);
    QCOMPARE(rtf::write(*plainDocument(digit)), expected);
}

void RtfWriterTest::plainText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expectedBody");

    QTest::newRow("escapes") << u"a\\b{c}"_s << R"(\pard\f0\fs17 a\\b\{c\})"_ba;
    QTest::newRow("upper half of code page 1252 as hex")
        << u"café €“”Ÿ\u00A0"_s << R"(\pard\f0\fs17 caf\'e9 \'80\'93\'94\'9f\'a0)"_ba;
    QTest::newRow("other characters as unicode with a fallback")
        << u"Ωあ"_s << R"(\pard\f0\fs17\u937?\u12354?)"_ba;
    QTest::newRow("above 32767 written negative") << u"\uF0B7\uFFFD"_s << R"(\pard\f0\fs17\u-3913?\u-3?)"_ba;
    QTest::newRow("surrogate pair") << u"x\U0001F600y"_s << R"(\pard\f0\fs17 x\u-10179?\u-8704?y)"_ba;
    QTest::newRow("tab and line break") << u"a\tb\vc"_s << R"(\pard\f0\fs17 a\tab b\line c)"_ba;
    QTest::newRow("paragraphs, one empty") << u"a\n\nb"_s << "\\pard\\f0\\fs17 a\r\n\\par\r\n\\par b"_ba;
    QTest::newRow("empty document") << QString() << R"(\pard\f0\fs17)"_ba;
    QTest::newRow("control characters are dropped") << u"a\u0001\u001Fb"_s << R"(\pard\f0\fs17 ab)"_ba;
    QTest::newRow("digits after a control word") << u"17"_s << R"(\pard\f0\fs17 17)"_ba;
}

void RtfWriterTest::plainText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expectedBody);
    const auto document = plainDocument(text);
    const QByteArray rtf = rtf::write(*document);
    QCOMPARE(rtf, boxFile(expectedBody));
    QVERIFY(sevenBit(rtf));
    // Control characters are not text: the writer leaves them out.
    QString readable = text;
    readable.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\v' && c != u'\n'; });
    QCOMPARE(paragraphText(*readBackDocument(rtf, boxFont())), readable);
}

void RtfWriterTest::formats_data()
{
    QTest::addColumn<QTextCharFormat>("format");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray body = "\\viewkind4\\uc1\\pard\\f0\\fs17 a ";
    const QByteArray end = "\r\n\\par }\r\n";
    QTest::newRow("bold") << bold() << BoxHeader + body + "\\b x\\b0  z" + end;
    QTest::newRow("italic") << italic() << BoxHeader + body + "\\i x\\i0  z" + end;
    QTest::newRow("underline") << underlined() << BoxHeader + body + "\\ul x\\ulnone  z" + end;
    QTest::newRow("strikethrough") << struck() << BoxHeader + body + "\\strike x\\strike0  z" + end;
    QTest::newRow("size") << sized(20) << BoxHeader + body + "\\fs40 x\\fs17  z" + end;
    QTest::newRow("colour") << coloured(QColor(128, 0, 0))
                            << BoxHeader + "{\\colortbl ;\\red128\\green0\\blue0;}\r\n" + body +
                                   "\\cf1 x\\cf0  z" + end;
    QTest::newRow("second font")
        << family(u"Times New Roman"_s)
        << "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\froman Times New "
           "Roman;}}\r\n"_ba +
               body + "\\f1 x\\f0  z" + end;
    QTest::newRow("font name that needs escaping")
        << family(u"Odd;{Font}é"_s)
        << "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\fswiss "
           "Odd\\'3b\\{Font\\}"
           "\\'e9;}}\r\n"_ba +
               body + "\\f1 x\\f0  z" + end;
    QTextCharFormat superscript;
    superscript.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    QTest::newRow("superscript") << superscript << BoxHeader + body + "\\super x\\nosupersub  z" + end;
}

void RtfWriterTest::formats()
{
    QFETCH(QTextCharFormat, format);
    QFETCH(QByteArray, expected);
    QTextDocument document;
    document.setDefaultFont(boxFont());
    appendRuns(document, {{u"a "_s, {}}, {u"x"_s, format}, {u" z"_s, {}}});
    const QByteArray rtf = rtf::write(document);
    QCOMPARE(rtf, expected);
    QVERIFY(sevenBit(rtf));
    QCOMPARE(dumpRuns(*readBackDocument(rtf, boxFont())), dumpRuns(document));
}

void RtfWriterTest::paragraphFormats_data()
{
    QTest::addColumn<QTextBlockFormat>("format");
    QTest::addColumn<QByteArray>("expectedBody");

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    QTextBlockFormat indented;
    indented.setLeftMargin(48);
    indented.setRightMargin(24);
    indented.setTextIndent(-24);
    indented.setTopMargin(8);
    indented.setBottomMargin(4);
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);

    QTest::newRow("centred") << centred << R"(\pard\qc\f0\fs17 b)"_ba;
    QTest::newRow("right") << right << R"(\pard\qr\f0\fs17 b)"_ba;
    QTest::newRow("justified") << justified << R"(\pard\qj\f0\fs17 b)"_ba;
    QTest::newRow("indents and spacing") << indented << R"(\pard\li720\ri360\fi-360\sb120\sa60\f0\fs17 b)"_ba;
    QTest::newRow("page break before") << newPage << R"(\pard\pagebb\f0\fs17 b)"_ba;
}

void RtfWriterTest::paragraphFormats()
{
    QFETCH(QTextBlockFormat, format);
    QFETCH(QByteArray, expectedBody);
    // The same format twice, then the default: one \pard for the first two, a new one for the third.
    QTextDocument document;
    document.setDefaultFont(boxFont());
    QTextCursor cursor(&document);
    cursor.setBlockFormat(format);
    cursor.insertText(u"b"_s);
    cursor.insertBlock(format);
    cursor.insertText(u"c"_s);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(u"d"_s);
    const QByteArray rtf = rtf::write(document);
    QCOMPARE(rtf, boxFile(expectedBody + "\r\n\\par c\r\n\\par\\pard d"));
    QCOMPARE(dumpParagraphs(*readBackDocument(rtf, boxFont())), dumpParagraphs(document));
}

void RtfWriterTest::roundTrip_data()
{
    QTest::addColumn<std::shared_ptr<QTextDocument>>("document");
    for (const Sample &sample : sampleDocuments())
        QTest::newRow(qPrintable(sample.name)) << sample.document;
}

void RtfWriterTest::roundTrip()
{
    QFETCH(std::shared_ptr<QTextDocument>, document);
    const QByteArray rtf = rtf::write(*document);
    QVERIFY(sevenBit(rtf));
    const auto back = readBackDocument(rtf, document->defaultFont());
    QCOMPARE(paragraphText(*back), paragraphText(*document));
    QCOMPARE(dumpRuns(*back), dumpRuns(*document));
    QCOMPARE(dumpParagraphs(*back), dumpParagraphs(*document));
    // A second pass changes nothing: what we read from our own file saves as the same file.
    QCOMPARE(rtf::write(*back), rtf);
}

void RtfWriterTest::listMarkers_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QByteArray>("expectedPn");

    QTest::newRow("bullets") << int(QTextListFormat::ListDisc) << u"\u2022\tOne\n\u2022\tTwo\nAfter"_s
                             << R"({\*\pn\pnlvlblt\pnf0\pnindent360{\pntxtb\'95}})"_ba;
    QTest::newRow("numbers") << int(QTextListFormat::ListDecimal) << u"1.\tOne\n2.\tTwo\nAfter"_s
                             << R"({\*\pn\pnlvlbody\pndec\pnstart1\pnf0\pnindent360{\pntxta .}})"_ba;
    QTest::newRow("upper roman") << int(QTextListFormat::ListUpperRoman) << u"I.\tOne\nII.\tTwo\nAfter"_s
                                 << R"({\*\pn\pnlvlbody\pnucrm\pnstart1\pnf0\pnindent360{\pntxta .}})"_ba;
    QTest::newRow("lower letters") << int(QTextListFormat::ListLowerAlpha) << u"a.\tOne\nb.\tTwo\nAfter"_s
                                   << R"({\*\pn\pnlvlbody\pnlcltr\pnstart1\pnf0\pnindent360{\pntxta .}})"_ba;
}

void RtfWriterTest::listMarkers()
{
    QFETCH(int, style);
    QFETCH(QString, expectedText);
    QFETCH(QByteArray, expectedPn);
    const auto document = listDocument(QTextListFormat::Style(style));
    const QByteArray rtf = rtf::write(*document);
    QVERIFY(sevenBit(rtf));
    // Every item carries its marker as text; the numbering group comes once, after the list's \pard.
    QCOMPARE(rtf.count("{\\pntext\\f0"), 2);
    QVERIFY2(rtf.count(expectedPn) == 1, rtf.constData());
    QVERIFY2(rtf.indexOf("\\pard\\li600") < rtf.indexOf(expectedPn), rtf.constData());
    // The paragraph after the list starts afresh, so the numbering does not carry over to it.
    QVERIFY2(rtf.lastIndexOf("\\pard") > rtf.lastIndexOf("pntext"), rtf.constData());
    QCOMPARE(paragraphText(*readBackDocument(rtf, boxFont())), expectedText);
}

QTEST_MAIN(RtfWriterTest)
#include "RtfWriterTest.moc"
