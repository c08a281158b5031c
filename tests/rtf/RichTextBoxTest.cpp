#include "RichTextBox.h"

#include "InvisibleRichTextBox.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Qt's PDF writer gives each page one "/Type /Page" object; the page tree is "/Type /Pages".
int pdfPageCount(const QString &path)
{
    static const QRegularExpression page(u"/Type\\s*/Page(?!s)"_s);
    const QString pdf = QString::fromLatin1(fileBytes(path));
    int pages = 0;
    for (auto it = page.globalMatch(pdf); it.hasNext(); it.next())
        ++pages;
    return pages;
}

void selectText(RichTextBox &box, const QString &text)
{
    const int start = int(box.document()->toPlainText().indexOf(text));
    QVERIFY(start >= 0);
    QTextCursor cursor(box.document());
    cursor.setPosition(start);
    cursor.setPosition(start + int(text.size()), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

} // namespace

class RichTextBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultFontIsKeptBySystemsWithoutIt();
    void saveWritesTheScreenLayout_data();
    void saveWritesTheScreenLayout();
    void loadsScreenFiles_data();
    void loadsScreenFiles();
    void failedLoadKeepsContent_data();
    void failedLoadKeepsContent();
    void saveReportsFailure();
    void textUsesCrLf_data();
    void textUsesCrLf();
    void selectionLengthCountsLineEndsAsTwo_data();
    void selectionLengthCountsLineEndsAsTwo();
    void formatsTheSelectionOnly();
    void formatsTheInsertionPoint();
    void printsSelectionOrWholeDocument_data();
    void printsSelectionOrWholeDocument();
    void invisibleBoxReadsAndWritesAsTheShownOne_data();
    void invisibleBoxReadsAndWritesAsTheShownOne();

private:
    QTemporaryDir m_dir;
};

void RichTextBoxTest::defaultFontIsKeptBySystemsWithoutIt()
{
    RichTextBox box;
    QCOMPARE(box.document()->defaultFont().family(), u"MS Sans Serif"_s);
    QCOMPARE(box.document()->defaultFont().pointSizeF(), 8.5);
    box.setText(u"x"_s);
    QCOMPARE(box.selectionFont().family(), u"MS Sans Serif"_s);
    QCOMPARE(box.selectionFont().pointSizeF(), 8.5);
}

void RichTextBoxTest::saveWritesTheScreenLayout_data()
{
    QTest::addColumn<QString>("digit");
    QTest::newRow("centred") << u"0"_s;
    QTest::newRow("maximised") << u"2"_s;
}

void RichTextBoxTest::saveWritesTheScreenLayout()
{
    QFETCH(QString, digit);
    RichTextBox box;
    box.setText(u"something else\r\nentirely"_s);
    box.setText(digit);
    const QString path = m_dir.filePath(u"Screen.txt"_s);
    QVERIFY(writeBytes(path, QByteArray(500, 'x'))); // an older, longer file is replaced whole
    QString error;
    QVERIFY2(box.SaveFile(path, &error), qPrintable(error));
    const QByteArray expected =
        "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs17 " +
        digit.toLatin1() + "\r\n\\par }\r\n";
    QCOMPARE(fileBytes(path), expected);
    QCOMPARE(fileBytes(path).size(), 107);
}

void RichTextBoxTest::loadsScreenFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("our own file") << QByteArray() << u"0"_s;
    QTest::newRow("hand-written layout")
        << fileBytes(QStringLiteral(RTF_TEST_DATA "/screen-2.rtf")) << u"2"_s;
}

void RichTextBoxTest::loadsScreenFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expectedText);
    const QString path = m_dir.filePath(u"Screen-load.txt"_s);
    if (content.isEmpty()) {
        RichTextBox writer;
        writer.setText(expectedText);
        QVERIFY(writer.SaveFile(path));
    } else {
        QVERIFY(writeBytes(path, content));
    }
    RichTextBox box;
    box.setText(u"previous"_s);
    QVERIFY(box.LoadFile(path));
    QCOMPARE(box.Text(), expectedText);
    QCOMPARE(box.Text().toInt(), expectedText.toInt());
}

void RichTextBoxTest::failedLoadKeepsContent_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing file") << u"missing.rtf"_s << QByteArray();
    QTest::newRow("plain text, not RTF") << u"plain.txt"_s << "2\r\n"_ba;
    QTest::newRow("a folder") << u"."_s << QByteArray();
}

void RichTextBoxTest::failedLoadKeepsContent()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(fileName);
    if (!content.isEmpty())
        QVERIFY(writeBytes(path, content));
    RichTextBox box;
    box.setText(u"kept\r\ncontent"_s);
    QString error;
    QVERIFY(!box.LoadFile(path, &error));
    QVERIFY(error.contains(path));
    QCOMPARE(box.Text(), u"kept\r\ncontent"_s);
}

void RichTextBoxTest::saveReportsFailure()
{
    RichTextBox box;
    box.setText(u"2"_s);
    QString error;
    QVERIFY(!box.SaveFile(m_dir.filePath(u"no-such-folder/Screen.txt"_s), &error));
    QVERIFY(!error.isEmpty());
}

void RichTextBoxTest::textUsesCrLf_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("paragraphs");
    QTest::newRow("CR LF") << u"a\r\nb"_s << u"a\r\nb"_s << 2;
    QTest::newRow("LF alone") << u"a\nb"_s << u"a\r\nb"_s << 2;
    QTest::newRow("CR alone") << u"a\rb"_s << u"a\r\nb"_s << 2;
    QTest::newRow("trailing line end") << u"2\r\n"_s << u"2\r\n"_s << 2;
    QTest::newRow("empty lines") << u"\r\n\r\nx"_s << u"\r\n\r\nx"_s << 3;
    QTest::newRow("empty empties the box") << QString() << QString() << 1;
}

void RichTextBoxTest::textUsesCrLf()
{
    QFETCH(QString, set);
    QFETCH(QString, expected);
    QFETCH(int, paragraphs);
    RichTextBox box;
    box.setText(u"old"_s);
    box.setText(set);
    QCOMPARE(box.Text(), expected);
    QCOMPARE(box.document()->blockCount(), paragraphs);
}

void RichTextBoxTest::selectionLengthCountsLineEndsAsTwo_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("expected");
    QTest::newRow("nothing selected") << 2 << 2 << 0;
    QTest::newRow("one character") << 1 << 2 << 1;
    QTest::newRow("across a line end") << 0 << 5 << 6;
    QTest::newRow("backwards") << 5 << 0 << 6;
}

void RichTextBoxTest::selectionLengthCountsLineEndsAsTwo()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, expected);
    RichTextBox box;
    box.setText(u"ab\r\ncd"_s);
    QTextCursor cursor(box.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    QCOMPARE(box.selectionLength(), expected);
}

void RichTextBoxTest::formatsTheSelectionOnly()
{
    RichTextBox box;
    box.setText(u"one two three"_s);
    selectText(box, u"two"_s);
    QFont font(u"Times New Roman"_s);
    font.setPointSizeF(14);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    box.setSelectionFont(font);
    box.setSelectionColor(QColor(128, 0, 0));

    const QFont applied = box.selectionFont();
    QCOMPARE(applied.family(), u"Times New Roman"_s);
    QCOMPARE(applied.pointSizeF(), 14.0);
    QVERIFY(applied.bold());
    QVERIFY(applied.italic());
    QVERIFY(applied.underline());
    QVERIFY(applied.strikeOut());
    QCOMPARE(box.selectionColor(), QColor(128, 0, 0));

    selectText(box, u"three"_s);
    QCOMPARE(box.selectionFont().family(), u"MS Sans Serif"_s);
    QVERIFY(!box.selectionFont().bold());
    QCOMPARE(box.selectionColor(), box.palette().color(QPalette::Text));

    // The formats survive a save and a load.
    const QString path = m_dir.filePath(u"formatted.rtf"_s);
    QVERIFY(box.SaveFile(path));
    RichTextBox loaded;
    QVERIFY(loaded.LoadFile(path));
    QCOMPARE(loaded.Text(), u"one two three"_s);
    selectText(loaded, u"two"_s);
    QCOMPARE(loaded.selectionFont().family(), u"Times New Roman"_s);
    QCOMPARE(loaded.selectionFont().pointSizeF(), 14.0);
    QVERIFY(loaded.selectionFont().bold() && loaded.selectionFont().strikeOut());
    QCOMPARE(loaded.selectionColor(), QColor(128, 0, 0));
}

void RichTextBoxTest::formatsTheInsertionPoint()
{
    RichTextBox box;
    box.setText(u"ab"_s);
    QTextCursor cursor(box.document());
    cursor.setPosition(1);
    box.setTextCursor(cursor);
    QFont font = box.selectionFont();
    font.setBold(true);
    box.setSelectionFont(font);
    QVERIFY(box.selectionFont().bold());
    box.insertPlainText(u"X"_s);
    QCOMPARE(box.Text(), u"aXb"_s);
    selectText(box, u"X"_s);
    QVERIFY(box.selectionFont().bold());
    selectText(box, u"a"_s);
    QVERIFY(!box.selectionFont().bold());
    selectText(box, u"b"_s);
    QVERIFY(!box.selectionFont().bold());
}

void RichTextBoxTest::printsSelectionOrWholeDocument_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("severalPages");
    QTest::newRow("nothing selected: the whole document") << QString() << true;
    QTest::newRow("a selection only") << u"Line 120 of the remedy list"_s << false;
}

void RichTextBoxTest::printsSelectionOrWholeDocument()
{
    QFETCH(QString, selection);
    QFETCH(bool, severalPages);
    RichTextBox box;
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines << u"Line %1 of the remedy list"_s.arg(i);
    box.setText(lines.join(u"\r\n"_s));
    if (!selection.isEmpty())
        selectText(box, selection);

    const QString expectedText = selection.isEmpty() ? lines.join(QLatin1Char('\n')) : selection;
    QCOMPARE(box.printDocument()->toPlainText(), expectedText);
    QCOMPARE(box.printDocument()->defaultFont().family(), u"MS Sans Serif"_s);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).left(8) + u".pdf"_s);
    printer.setOutputFileName(pdf);
    box.printTo(printer);
    const int pages = pdfPageCount(pdf);
    if (severalPages)
        QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
    else
        QCOMPARE(pages, 1);
    QCOMPARE(box.Text(), lines.join(u"\r\n"_s)); // printing leaves the box as it was
}

void RichTextBoxTest::invisibleBoxReadsAndWritesAsTheShownOne_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("fileToLoad"); // empty: nothing loaded
    QTest::newRow("a digit") << u"0"_s << QByteArray();
    QTest::newRow("line ends of every kind") << u"a\rb\nc\r\n"_s << QByteArray();
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("hand-written layout loaded")
        << u"old"_s << fileBytes(QStringLiteral(RTF_TEST_DATA "/screen-2.rtf"));
    QTest::newRow("plain text fails to load, content kept") << u"kept"_s << "2\r\n"_ba;
}

void RichTextBoxTest::invisibleBoxReadsAndWritesAsTheShownOne()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, fileToLoad);
    RichTextBox shown;
    InvisibleRichTextBox invisible;
    QVERIFY(invisible.isHidden());
    shown.setText(text);
    invisible.setText(text);
    if (!fileToLoad.isEmpty()) {
        const QString path = m_dir.filePath(u"to-load.rtf"_s);
        QVERIFY(writeBytes(path, fileToLoad));
        QString shownError;
        QString invisibleError;
        const bool loaded = shown.LoadFile(path, &shownError);
        QCOMPARE(invisible.LoadFile(path, &invisibleError), loaded);
        QCOMPARE(invisibleError, shownError);
    }
    QCOMPARE(invisible.Text(), shown.Text());
    const QString shownPath = m_dir.filePath(u"shown.rtf"_s);
    const QString invisiblePath = m_dir.filePath(u"invisible.rtf"_s);
    QVERIFY(shown.SaveFile(shownPath));
    QVERIFY(invisible.SaveFile(invisiblePath));
    QCOMPARE(fileBytes(invisiblePath), fileBytes(shownPath));
}

QTEST_MAIN(RichTextBoxTest)
#include "RichTextBoxTest.moc"
