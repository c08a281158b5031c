#include "PdfText.h"
#include "ScriptedPrintServices.h"
#include "ShellFixture.h"
#include "app/richtext/RichTextBox.h"
#include "app/shell/PrintHandOver.h"
#include "app/shell/Resizer.h"
#include "print/FontColourDialog.h"
#include "print/frmPrint.h"
#include "rtf/RtfWriter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

using printservices::FontChoice;

namespace {

// The text the indications page hands over: an empty first line and four headings on lines of their own.
const QString IndicationText =
    QStringLiteral("\r\nAffliction: Bronchitis\r\n\r\nEssential Oils:\r\nEucalyptus, "
                   "Thyme, Pine\r\n\r\nMethods of Application: Inhalation\r\n\r\n"
                   "Notes: Rest and keep warm.");

// Installs scripted dialogs for one test and puts the previous ones back afterwards.
struct Dialogs
{
    ScriptedPrintServices *answers = nullptr;
    std::unique_ptr<printservices::PrintServices> previous;

    Dialogs()
    {
        auto scripted = std::make_unique<ScriptedPrintServices>();
        answers = scripted.get();
        previous = printservices::setPrintServices(std::move(scripted));
    }
    ~Dialogs() { printservices::setPrintServices(std::move(previous)); }
    Dialogs(const Dialogs &) = delete;
    Dialogs &operator=(const Dialogs &) = delete;
};

frmPrint *printPage()
{
    return windows().find<frmPrint>(Forms::frmPrint);
}

void click(const QString &button)
{
    auto *b = printPage()->findChild<QPushButton *>(button);
    QVERIFY2(b, qPrintable(button));
    b->click();
}

void select(RichTextBox *box, int from, int length)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(from);
    cursor.setPosition(from + length, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

void placeCursor(RichTextBox *box, int at)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(at);
    box->setTextCursor(cursor);
}

// The format of the character at a position of the document.
QTextCharFormat formatAt(RichTextBox *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// Where a piece of handed-over text lies in the document, whose lines end with one character.
int positionOf(const QString &text, const QString &piece)
{
    return int(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).indexOf(piece));
}

QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Line%1 of the printout").arg(i, 3, 10, QLatin1Char('0'));
    return lines.join(QStringLiteral("\r\n"));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QFont chosenFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(14);
    font.setBold(false);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    return font;
}

} // namespace

class PrintPageTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutAsDesigned_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        QTest::newRow("rtfPrint") << "rtfPrint" << QRect(24, 0, 505, 377);
        QTest::newRow("Text1") << "Text1" << QRect(0, 376, 529, 41);
        QTest::newRow("cmdFont") << "cmdFont" << QRect(8, 384, 97, 25);
        QTest::newRow("cmdPrint") << "cmdPrint" << QRect(112, 384, 97, 25);
        QTest::newRow("cmdCancel") << "cmdCancel" << QRect(216, 384, 97, 25);
        QTest::newRow("cmdSave") << "cmdSave" << QRect(320, 384, 97, 25);
        QTest::newRow("cmdClose") << "cmdClose" << QRect(424, 384, 97, 25);
        QTest::newRow("Text2") << "Text2" << QRect(40, 8, 17, 33);
    }
    void layoutAsDesigned()
    {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        ShellFixture shell;
        auto *page = qobject_cast<frmPrint *>(windows().OpenPage(Forms::frmPrint));
        QVERIFY(page);
        auto *widget = page->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
        QVERIFY(widget->isVisible());
    }

    void windowFrame_data()
    {
        QTest::addColumn<QString>("screenMode");
        QTest::newRow("centred pages") << "0";
        QTest::newRow("maximised pages") << "2";
    }
    void windowFrame()
    {
        QFETCH(QString, screenMode);
        ShellFixture shell;
        shell.writeFile(QStringLiteral("Screen.txt"), screenMode.toLatin1());
        windows().setScreenModeSource([screenMode] { return screenMode; });
        auto *page = qobject_cast<frmPrint *>(windows().OpenPage(Forms::frmPrint));
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral("Print Preview"));
        QCOMPARE(page->size(), QSize(528, 414));
        QVERIFY(!page->isMaximized());
        QCOMPARE(page->pos(), page->screen()->availableGeometry().topLeft());
        QVERIFY(!(page->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(page->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(page->palette().color(QPalette::Window), QColor(255, 255, 255));
        // Without a resizer the controls keep their design places whatever the window's size.
        QVERIFY(!page->findChild<Resizer *>());
        QCOMPARE(page->minimumSize(), page->maximumSize());

        const QFont boxFont = page->rtfPrint()->document()->defaultFont();
        QCOMPARE(boxFont.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(boxFont.pointSizeF(), 11.25);
        QVERIFY(boxFont.bold());
        const QStringList captions = {"Font", "Print", "Cancel", "Save", "Close"};
        for (const QString &caption : captions) {
            auto *button = page->findChild<QPushButton *>(QStringLiteral("cmd") + caption);
            QVERIFY(button);
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->font().pointSizeF(), 11.25);
            QVERIFY(button->font().bold());
        }
    }

    void tabOrderAndFocus()
    {
        ShellFixture shell;
        auto *page = qobject_cast<frmPrint *>(windows().OpenPage(Forms::frmPrint));
        QVERIFY(page);
        QCOMPARE(page->focusWidget(), page->findChild<QWidget *>(QStringLiteral("Text2")));

        const QStringList expected = {"Text2",    "rtfPrint", "cmdPrint", "cmdCancel",
                                      "cmdClose", "cmdFont",  "cmdSave",  "Text1"};
        QStringList order;
        QWidget *w = page->findChild<QWidget *>(QStringLiteral("Text2"));
        for (int guard = 0; guard < 100 && order.size() < expected.size(); ++guard) {
            if (expected.contains(w->objectName()) && !order.contains(w->objectName()))
                order << w->objectName();
            w = w->nextInFocusChain();
        }
        QCOMPARE(order, expected);
        // Text2 lies under the box, which covers it.
        QWidget *text2 = page->findChild<QWidget *>(QStringLiteral("Text2"));
        QCOMPARE(page->childAt(text2->geometry().center()), page->rtfPrint()->viewport());
    }

    void handOverInEitherOrder_data()
    {
        QTest::addColumn<bool>("textFirst");
        QTest::newRow("window first") << false;
        QTest::newRow("text first") << true;
    }
    void handOverInEitherOrder()
    {
        QFETCH(bool, textFirst);
        ShellFixture shell;
        const auto handOver = [textFirst](const QString &text) {
            if (!textFirst) {
                PrintHandOver(text);
                return;
            }
            // Referring to the box loads the page; showing it afterwards keeps the text.
            auto *page =
                printPage() ? printPage() : qobject_cast<frmPrint *>(windows().OpenPage(Forms::frmPrint));
            page->rtfPrint()->setText(text);
            windows().OpenPage(Forms::frmPrint);
        };

        handOver(IndicationText);
        QPointer<frmPrint> page = printPage();
        QVERIFY(page);
        QVERIFY(page->isVisible());
        RichTextBox *box = page->rtfPrint();
        QCOMPARE(box->Text(), IndicationText);
        QCOMPARE(formatAt(box, 3).font().family(), QStringLiteral("Times New Roman"));

        // The user edits and re-formats; then another page hands over a new text.
        select(box, 1, 10);
        box->setSelectionColor(Qt::red);
        box->setSelectionFont(chosenFont());
        placeCursor(box, 4);
        box->insertPlainText(QStringLiteral("typed by the user"));
        windows().OpenPage(Forms::frmSources);

        const QString second = QStringLiteral("Action: Antiseptic\r\nOils: Tea Tree, Lavender");
        handOver(second);
        QCOMPARE(printPage(), page.data());
        QCOMPARE(box->Text(), second);
        for (int at : {0, 3, 20}) {
            const QTextCharFormat format = formatAt(box, at);
            QCOMPARE(format.font().resolve(box->document()->defaultFont()).family(),
                     QStringLiteral("Times New Roman"));
            QVERIFY(!format.fontItalic());
            QVERIFY(format.foreground().style() == Qt::NoBrush);
        }
        QVERIFY(page->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), page.data());
    }

    void closeStartsAfresh()
    {
        ShellFixture shell;
        Dialogs dialogs;
        PrintHandOver(QStringLiteral("first"));
        QPointer<frmPrint> first = printPage();
        placeCursor(first->rtfPrint(), 5);
        dialogs.answers->fontAnswer = FontChoice{chosenFont(), Qt::blue};
        click(QStringLiteral("cmdFont"));
        click(QStringLiteral("cmdClose"));
        QVERIFY(!printPage());
        QTRY_VERIFY(!first);

        PrintHandOver(QStringLiteral("second"));
        QVERIFY(printPage());
        RichTextBox *box = printPage()->rtfPrint();
        QCOMPARE(box->Text(), QStringLiteral("second"));
        QCOMPARE(box->selectionFont().family(), QStringLiteral("Times New Roman"));
        QVERIFY(box->selectionFont().bold());
    }

    void fontDialogStartsFromTheSelection()
    {
        ShellFixture shell;
        Dialogs dialogs;
        PrintHandOver(IndicationText);
        RichTextBox *box = printPage()->rtfPrint();

        placeCursor(box, 5);
        click(QStringLiteral("cmdFont"));
        QCOMPARE(dialogs.answers->fontRequests.size(), size_t(1));
        const FontChoice plain = dialogs.answers->fontRequests.back();
        QCOMPARE(plain.font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(plain.font.pointSizeF(), 11.25);
        QVERIFY(plain.font.bold());
        QVERIFY(!plain.font.italic());

        select(box, 13, 10);
        box->setSelectionFont(chosenFont());
        box->setSelectionColor(QColor(0, 128, 0));
        select(box, 13, 5);
        click(QStringLiteral("cmdFont"));
        const FontChoice formatted = dialogs.answers->fontRequests.back();
        QCOMPARE(formatted.font.family(), QStringLiteral("Courier New"));
        QCOMPARE(formatted.font.pointSizeF(), 14.0);
        QVERIFY(!formatted.font.bold());
        QVERIFY(formatted.font.italic());
        QVERIFY(formatted.font.underline());
        QVERIFY(formatted.font.strikeOut());
        QCOMPARE(formatted.colour, QColor(0, 128, 0));
    }

    // The toolkit's font dialog opens on the font that draws the text, and OK without a change keeps the
    // text's font as it was, whether the family's name is one of the font database or stands for another.
    void realFontDialogKeepsTheTextsFont_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("bold");
        QTest::newRow("the box's own font") << "Times New Roman" << 11.25 << true;
        QTest::newRow("a family of the database")
            << QFontInfo(QFont(QStringLiteral("Courier New"))).family() << 14.0 << false;
    }
    void realFontDialogKeepsTheTextsFont()
    {
        QFETCH(QString, family);
        QFETCH(double, size);
        QFETCH(bool, bold);
        ShellFixture shell;
        PrintHandOver(IndicationText);
        RichTextBox *box = printPage()->rtfPrint();
        QFont font(family);
        font.setPointSizeF(size);
        font.setBold(bold);
        select(box, 0, int(box->document()->characterCount()) - 1);
        box->setSelectionFont(font);
        select(box, 3, 12);

        QFont shown;
        QTimer::singleShot(0, qApp, [&] {
            auto *dialog = qobject_cast<printservices::FontColourDialog *>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "the font dialog is not open");
            auto *fonts = dialog->findChild<QFontDialog *>();
            QVERIFY(fonts);
            shown = fonts->currentFont();
            dialog->accept();
        });
        click(QStringLiteral("cmdFont"));
        const QFontInfo drawn(font);
        QCOMPARE(shown.family(), drawn.family());
        QCOMPARE(shown.pointSize(), qRound(size));
        QCOMPARE(shown.bold(), bold);
        for (int at = 3; at < 15; ++at) {
            const QFont kept = formatAt(box, at).font().resolve(box->document()->defaultFont());
            QCOMPARE(kept.family(), family);
            QCOMPARE(kept.pointSizeF(), size);
            QCOMPARE(kept.bold(), bold);
        }
    }

    void fontAppliedToTheSelection()
    {
        ShellFixture shell;
        Dialogs dialogs;
        PrintHandOver(IndicationText);
        RichTextBox *box = printPage()->rtfPrint();
        const int start = positionOf(IndicationText, QStringLiteral("Bronchitis"));
        select(box, start, 10);
        dialogs.answers->fontAnswer = FontChoice{chosenFont(), QColor(128, 0, 0)};
        click(QStringLiteral("cmdFont"));

        for (int at = 0; at < 30; ++at) {
            const QTextCharFormat format = formatAt(box, at);
            const bool inside = at >= start && at < start + 10;
            QCOMPARE(format.fontItalic(), inside);
            QCOMPARE(format.fontUnderline(), inside);
            QCOMPARE(format.fontStrikeOut(), inside);
            QCOMPARE(format.foreground().color() == QColor(128, 0, 0), inside);
            QCOMPARE(format.font().resolve(box->document()->defaultFont()).family(),
                     inside ? QStringLiteral("Courier New") : QStringLiteral("Times New Roman"));
            QCOMPARE(format.font().resolve(box->document()->defaultFont()).bold(), !inside);
        }
        QCOMPARE(formatAt(box, start).fontPointSize(), 14.0);
        QCOMPARE(box->Text(), IndicationText);
    }

    void fontAtTheInsertionPointChangesNoText_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("chosen") << false;
        QTest::newRow("cancelled") << true;
    }
    void fontAtTheInsertionPointChangesNoText()
    {
        QFETCH(bool, cancel);
        ShellFixture shell;
        Dialogs dialogs;
        PrintHandOver(IndicationText);
        RichTextBox *box = printPage()->rtfPrint();
        const QByteArray before = rtf::write(*box->document());
        placeCursor(box, 8);
        if (!cancel)
            dialogs.answers->fontAnswer = FontChoice{chosenFont(), QColor(0, 0, 255)};
        click(QStringLiteral("cmdFont"));
        QCOMPARE(rtf::write(*box->document()), before);

        // What is typed there next carries the chosen format, or the format that was there.
        box->insertPlainText(QStringLiteral("new"));
        const QTextCharFormat typed = formatAt(box, 8);
        QCOMPARE(typed.fontItalic(), !cancel);
        QCOMPARE(typed.foreground().color() == QColor(0, 0, 255), !cancel);
    }

    void fontCancelledWithASelection()
    {
        ShellFixture shell;
        Dialogs dialogs;
        PrintHandOver(IndicationText);
        RichTextBox *box = printPage()->rtfPrint();
        select(box, 3, 20);
        const QByteArray before = rtf::write(*box->document());
        click(QStringLiteral("cmdFont"));
        QCOMPARE(dialogs.answers->fontRequests.size(), size_t(1));
        QCOMPARE(rtf::write(*box->document()), before);
    }

    void printsTheWholeDocumentWithoutADialog()
    {
        ShellFixture shell;
        Dialogs dialogs;
        dialogs.answers->pdfFile = shell.folder.filePath(QStringLiteral("out.pdf"));
        const QString text = numberedLines(150);
        PrintHandOver(text);
        placeCursor(printPage()->rtfPrint(), 40);
        click(QStringLiteral("cmdPrint"));

        QVERIFY(dialogs.answers->printRequests.empty());
        QCOMPARE(dialogs.answers->printersOpened, 1);
        QVERIFY(shell.messages.isEmpty());
        const PdfText pdf(readAll(dialogs.answers->pdfFile));
        QVERIFY2(pdf.pageCount() >= 3, qPrintable(QString::number(pdf.pageCount())));
        QVERIFY(pdf.pageText(0).contains(QLatin1String("Line001oftheprintout")));
        QVERIFY(pdf.pageText(pdf.pageCount() - 1).contains(QLatin1String("Line150oftheprintout")));
        // Every line, once, in order.
        const QString all = pdf.allText();
        qsizetype from = 0;
        for (int i = 1; i <= 150; ++i) {
            const QString line = QStringLiteral("Line%1oftheprintout").arg(i, 3, 10, QLatin1Char('0'));
            const qsizetype at = all.indexOf(line, from);
            QVERIFY2(at >= from, qPrintable(line));
            from = at + line.size();
        }
        // Nothing but the text: no page numbers or other additions of the printing.
        static const QRegularExpression printedLine(QStringLiteral("Line\\d{3}oftheprintout"));
        for (int page = 0; page < pdf.pageCount(); ++page) {
            const QString rest = pdf.pageText(page).remove(printedLine);
            QVERIFY2(rest.isEmpty(), qPrintable(QStringLiteral("page %1: %2").arg(page + 1).arg(rest)));
        }
    }

    void printsTheSelectionWithTheDialogsSettings()
    {
        ShellFixture shell;
        Dialogs dialogs;
        dialogs.answers->pdfFile = shell.folder.filePath(QStringLiteral("out.pdf"));
        dialogs.answers->printDialogChanges = [](QPrinter &printer) {
            printer.setPageOrientation(QPageLayout::Landscape);
            printer.setPrintRange(QPrinter::AllPages);
        };
        PrintHandOver(IndicationText);
        RichTextBox *box = printPage()->rtfPrint();
        const QString wanted = QStringLiteral("Eucalyptus, Thyme");
        select(box, positionOf(IndicationText, wanted), int(wanted.size()));
        click(QStringLiteral("cmdPrint"));

        QCOMPARE(dialogs.answers->printRequests.size(), size_t(1));
        QVERIFY(dialogs.answers->printRequests[0].selectionChosen);
        QVERIFY(!dialogs.answers->printRequests[0].pageRangesEnabled);
        const PdfText pdf(readAll(dialogs.answers->pdfFile));
        QCOMPARE(pdf.pageCount(), 1);
        const QSizeF page = pdf.pageSize(0);
        QVERIFY2(page.width() > page.height(), "the orientation chosen in the dialog");
        const QString printed = pdf.allText();
        QVERIFY2(printed.contains(QLatin1String("Eucalyptus,Thyme")), qPrintable(printed));
        for (const char *other : {"Affliction", "Methods", "Notes", "Pine"})
            QVERIFY2(!printed.contains(QLatin1String(other)), other);
    }

    void printCancelledInTheDialog()
    {
        ShellFixture shell;
        Dialogs dialogs;
        dialogs.answers->pdfFile = shell.folder.filePath(QStringLiteral("out.pdf"));
        dialogs.answers->printAnswer = false;
        PrintHandOver(IndicationText);
        select(printPage()->rtfPrint(), 2, 8);
        click(QStringLiteral("cmdPrint"));
        QCOMPARE(dialogs.answers->printRequests.size(), size_t(1));
        QVERIFY(!QFile::exists(dialogs.answers->pdfFile));
        QVERIFY(shell.messages.isEmpty());
    }

    // Without a printer both prints go through the dialog, which offers a PDF file.
    void printWithoutAPrinterGoesToAFile_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::newRow("whole document") << QString();
        QTest::newRow("selection") << "Eucalyptus";
    }
    void printWithoutAPrinterGoesToAFile()
    {
        QFETCH(QString, selected);
        ShellFixture shell;
        Dialogs dialogs;
        const QString chosenFile = shell.folder.filePath(QStringLiteral("chosen.pdf"));
        QString offeredFile;
        dialogs.answers->printDialogChanges = [&](QPrinter &printer) {
            offeredFile =
                printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
            printer.setOutputFileName(chosenFile);
        };
        PrintHandOver(IndicationText);
        select(printPage()->rtfPrint(), positionOf(IndicationText, selected), int(selected.size()));
        click(QStringLiteral("cmdPrint"));

        QCOMPARE(dialogs.answers->printRequests.size(), size_t(1));
        QCOMPARE(dialogs.answers->printRequests[0].selectionChosen, !selected.isEmpty());
        QVERIFY(!dialogs.answers->printRequests[0].pageRangesEnabled);
        QVERIFY2(offeredFile.endsWith(QLatin1String(".pdf")), qPrintable(offeredFile));
        QVERIFY(shell.messages.isEmpty());
        const QString printed = PdfText(readAll(chosenFile)).allText();
        QVERIFY2(printed.contains(QLatin1String("Eucalyptus")), qPrintable(printed));
        QCOMPARE(printed.contains(QLatin1String("Affliction:Bronchitis")), selected.isEmpty());
    }

    // The same through the toolkit's own dialog, as a user without a printer meets it.
    void printWithoutAPrinterInTheRealDialog()
    {
        ShellFixture shell;
        Dialogs dialogs;
        const QString chosenFile = shell.folder.filePath(QStringLiteral("real.pdf"));
        bool shown = false;
        dialogs.answers->realPrintDialog = true;
        QTimer::singleShot(0, qApp, [&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "the print dialog is not open");
            shown = true;
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            QVERIFY(printers);
            QVERIFY2(printers->currentText().contains(QLatin1String("PDF")),
                     qPrintable(printers->currentText()));
            for (const char *name : {"printRange", "printCurrentPage"}) {
                auto *choice = dialog->findChild<QRadioButton *>(QLatin1String(name));
                QVERIFY2(choice && !choice->isEnabled(), name);
            }
            auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
            QVERIFY(file);
            file->setText(chosenFile);
            dialog->accept();
        });
        PrintHandOver(IndicationText);
        click(QStringLiteral("cmdPrint"));
        QVERIFY(shown);
        QVERIFY(shell.messages.isEmpty());
        const QString printed = PdfText(readAll(chosenFile)).allText();
        QVERIFY2(printed.contains(QLatin1String("Affliction:Bronchitis")), qPrintable(printed));
        QVERIFY2(printed.contains(QLatin1String("Notes:Restandkeepwarm.")), qPrintable(printed));
    }

    void failedPrintSaysSo()
    {
        ShellFixture shell;
        Dialogs dialogs;
        dialogs.answers->pdfFile = shell.folder.filePath(QStringLiteral("no such folder/out.pdf"));
        PrintHandOver(IndicationText);
        click(QStringLiteral("cmdPrint"));
        QCOMPARE(
            shell.messages,
            QStringList{
                QStringLiteral("The document could not be printed on %1.").arg(dialogs.answers->pdfFile)});
    }

    void cancelOnThePageLeavesAFinishedPrintout()
    {
        ShellFixture shell;
        Dialogs dialogs;
        dialogs.answers->pdfFile = shell.folder.filePath(QStringLiteral("out.pdf"));
        PrintHandOver(IndicationText);
        click(QStringLiteral("cmdCancel"));
        QVERIFY(!QFile::exists(dialogs.answers->pdfFile));
        click(QStringLiteral("cmdPrint"));
        const QByteArray printed = readAll(dialogs.answers->pdfFile);
        QVERIFY(!printed.isEmpty());
        click(QStringLiteral("cmdCancel"));
        QCOMPARE(readAll(dialogs.answers->pdfFile), printed);
        QVERIFY(shell.messages.isEmpty());
        QVERIFY(printPage());
    }

    void escapePressesCancel()
    {
        ShellFixture shell;
        PrintHandOver(IndicationText);
        auto *cancel = printPage()->findChild<QPushButton *>(QStringLiteral("cmdCancel"));
        QSignalSpy pressed(cancel, &QPushButton::clicked);
        QTest::keyClick(printPage()->rtfPrint(), Qt::Key_Escape);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(printPage()->rtfPrint()->Text(), IndicationText);
    }

    void savesExactlyUnderTheTypedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no extension") << "Bronchitis";
        QTest::newRow("rtf extension") << "Bronchitis.rtf";
        QTest::newRow("other extension") << "Bronchitis notes.Txt";
        QTest::newRow("trailing dot") << "Bronchitis.";
    }
    void savesExactlyUnderTheTypedName()
    {
        QFETCH(QString, typed);
        ShellFixture shell;
        Dialogs dialogs;
        QTemporaryDir target;
        dialogs.answers->saveAnswer = target.filePath(typed);
        PrintHandOver(IndicationText);
        RichTextBox *box = printPage()->rtfPrint();
        select(box, 3, 10);
        box->setSelectionColor(Qt::red);
        click(QStringLiteral("cmdSave"));

        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList{typed});
        const QByteArray saved = readAll(target.filePath(typed));
        QCOMPARE(saved, rtf::write(*box->document()));
        QVERIFY(shell.messages.isEmpty());

        // The file holds the handed-over lines, the empty first line included.
        RichTextBox reread;
        QVERIFY(reread.LoadFile(target.filePath(typed)));
        QCOMPARE(reread.Text().left(IndicationText.size()), IndicationText);
    }

    void saveAsksTheDialogForRtfFirstAndReplaceConfirmation()
    {
        ShellFixture shell;
        Dialogs dialogs;
        PrintHandOver(IndicationText);
        click(QStringLiteral("cmdSave"));
        QCOMPARE(dialogs.answers->saveRequests.size(), size_t(1));
        const printservices::SaveRequest &request = dialogs.answers->saveRequests[0];
        QCOMPARE(request.filters.size(), size_t(2));
        QCOMPARE(request.filters[0].label, QStringLiteral("Rich Text File (*.Rtf)"));
        QCOMPARE(request.filters[0].pattern, QStringLiteral("*.rtf"));
        QCOMPARE(request.filters[1].label, QStringLiteral("All Files (*.*)"));
        QCOMPARE(request.filters[1].pattern, QStringLiteral("*.*"));
        QCOMPARE(request.selectedFilter, 0);
        QVERIFY(request.confirmReplace);
        QVERIFY(request.confirmCreate);
        // Cancel wrote nothing.
        QCOMPARE(QDir(shell.folder.path()).entryList(QDir::Files), QStringList());
        QVERIFY(shell.messages.isEmpty());
    }

    void saveReplacesAConfirmedFile()
    {
        ShellFixture shell;
        Dialogs dialogs;
        shell.writeFile(QStringLiteral("old.rtf"),
                        QByteArray("{\\rtf1 an older and much longer document\\par}"));
        dialogs.answers->saveAnswer = shell.folder.filePath(QStringLiteral("old.rtf"));
        PrintHandOver(QStringLiteral("short"));
        click(QStringLiteral("cmdSave"));
        QCOMPARE(readAll(shell.folder.filePath(QStringLiteral("old.rtf"))),
                 rtf::write(*printPage()->rtfPrint()->document()));
    }

    void failedSaveSaysSo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "no such folder/notes.rtf";
        QTest::newRow("folder is a file") << "plain.txt/notes.rtf";
        QTest::newRow("name is a folder") << "sub";
    }
    void failedSaveSaysSo()
    {
        QFETCH(QString, name);
        ShellFixture shell;
        Dialogs dialogs;
        shell.writeFile(QStringLiteral("plain.txt"), QByteArray("kept"));
        QDir(shell.folder.path()).mkdir(QStringLiteral("sub"));
        const QString path = shell.folder.filePath(name);
        dialogs.answers->saveAnswer = path;
        PrintHandOver(IndicationText);
        click(QStringLiteral("cmdSave"));
        QCOMPARE(shell.messages.size(), 1);
        QVERIFY2(shell.messages[0].startsWith(QLatin1String("The document was not saved.")),
                 qPrintable(shell.messages[0]));
        QVERIFY2(shell.messages[0].contains(path), qPrintable(shell.messages[0]));
        QCOMPARE(readAll(shell.folder.filePath(QStringLiteral("plain.txt"))), QByteArray("kept"));
        QVERIFY(!QFileInfo(path).isFile());
    }
};

QTEST_MAIN(PrintPageTest)
#include "PrintPageTest.moc"
