#include "print/FontColourDialog.h"
#include "print/QtPrintServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace printservices;

namespace {

// The save request of the print page.
SaveRequest pageRequest()
{
    SaveRequest request;
    request.filters = {{QStringLiteral("Rich Text File (*.Rtf)"), QStringLiteral("*.rtf")},
                       {QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")}};
    request.confirmCreate = true;
    return request;
}

// Answers the question that the open dialog asks when it next accepts.
void answerQuestion(QMessageBox::StandardButton answer, QString *asked = nullptr)
{
    QTimer::singleShot(0, qApp, [answer, asked] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY2(question, "no question was asked");
        if (asked)
            *asked = question->text();
        question->button(answer)->click();
    });
}

// Runs `answer` on the modal window that is open once the event loop next runs.
template <typename Dialog> void whenShown(std::function<void(Dialog *)> answer)
{
    QTimer::singleShot(0, qApp, [answer] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "the expected dialog is not the one open");
        answer(dialog);
    });
}

} // namespace

class PrintDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void saveDialogIsSetUpAsRequested()
    {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        configureSaveDialog(dialog, pageRequest());
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog.nameFilters(),
                 QStringList({QStringLiteral("Rich Text File (*.Rtf)"), QStringLiteral("All Files (*)")}));
        QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("Rich Text File (*.Rtf)"));
        QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog.defaultSuffix().isEmpty());
    }

    void saveDialogGivesTheNameAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no extension") << "Bronchitis";
        QTest::newRow("other extension") << "Bronchitis.doc";
    }
    void saveDialogGivesTheNameAsTyped()
    {
        QFETCH(QString, typed);
        QTemporaryDir folder;
        whenShown<QFileDialog>([&](QFileDialog *dialog) {
            dialog->setDirectory(folder.path());
            dialog->selectFile(typed);
            answerQuestion(QMessageBox::Yes);
            static_cast<QDialog *>(dialog)->accept(); // the file dialog's own accept checks the name
        });
        QtPrintServices services;
        const std::optional<QString> chosen = services.chooseSaveFile(nullptr, pageRequest());
        QVERIFY(chosen);
        QCOMPARE(QFileInfo(*chosen).absoluteFilePath(), QDir(folder.path()).absoluteFilePath(typed));
    }

    void saveDialogAsksBeforeCreating_data()
    {
        QTest::addColumn<bool>("create");
        QTest::newRow("create") << true;
        QTest::newRow("do not create") << false;
    }
    void saveDialogAsksBeforeCreating()
    {
        QFETCH(bool, create);
        QTemporaryDir folder;
        QString asked;
        bool stayedOpen = false;
        whenShown<QFileDialog>([&](QFileDialog *dialog) {
            dialog->setDirectory(folder.path());
            dialog->selectFile(QStringLiteral("Bronchitis.rtf"));
            answerQuestion(create ? QMessageBox::Yes : QMessageBox::No, &asked);
            static_cast<QDialog *>(dialog)->accept();
            // Declining leaves the dialog open for another name.
            stayedOpen = dialog->isVisible();
            if (stayedOpen)
                dialog->reject();
        });
        QtPrintServices services;
        const std::optional<QString> chosen = services.chooseSaveFile(nullptr, pageRequest());
        QCOMPARE(asked, QStringLiteral("Bronchitis.rtf does not exist yet.\nDo you want to create it?"));
        QCOMPARE(chosen.has_value(), create);
        QCOMPARE(stayedOpen, !create);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Bronchitis.rtf"))));
    }

    void saveDialogAsksBeforeReplacing_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("replace") << true;
        QTest::newRow("keep") << false;
    }
    void saveDialogAsksBeforeReplacing()
    {
        QFETCH(bool, replace);
        QTemporaryDir folder;
        QFile existing(folder.filePath(QStringLiteral("notes.rtf")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        bool asked = false;
        whenShown<QFileDialog>([&](QFileDialog *dialog) {
            dialog->setDirectory(folder.path());
            dialog->selectFile(QStringLiteral("notes.rtf"));
            QString question;
            answerQuestion(replace ? QMessageBox::Yes : QMessageBox::No, &question);
            static_cast<QDialog *>(dialog)->accept(); // the file dialog's own accept checks the name
            asked = question.contains(QLatin1String("already exists"));
            if (dialog->isVisible())
                dialog->reject();
        });
        QtPrintServices services;
        const std::optional<QString> chosen = services.chooseSaveFile(nullptr, pageRequest());
        QVERIFY(asked);
        QCOMPARE(chosen.has_value(), replace);
    }

    void saveDialogCancelled()
    {
        whenShown<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
        QtPrintServices services;
        QVERIFY(!services.chooseSaveFile(nullptr, pageRequest()));
    }

    // "Pages from" and "Current Page" cannot be chosen, with or without a selection; a printout into a
    // PDF file is offered.
    void printDialogRulesOutPageRanges_data()
    {
        QTest::addColumn<bool>("selection");
        QTest::newRow("whole document") << false;
        QTest::newRow("selection") << true;
    }
    void printDialogRulesOutPageRanges()
    {
        QFETCH(bool, selection);
        QTemporaryDir folder;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));
        bool shown = false;
        whenShown<QPrintDialog>([&](QPrintDialog *dialog) {
            shown = true;
            for (const char *name : {"printRange", "printCurrentPage"}) {
                auto *choice = dialog->findChild<QRadioButton *>(QLatin1String(name));
                QVERIFY2(choice, name);
                QVERIFY2(!choice->isEnabled(), name);
            }
            auto *selected = dialog->findChild<QRadioButton *>(QStringLiteral("printSelection"));
            QVERIFY(selected);
            QCOMPARE(selected->isChecked(), selection);
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            QVERIFY(printers);
            QVERIFY2(printers->currentText().contains(QLatin1String("PDF")),
                     qPrintable(printers->currentText()));
            auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
            QVERIFY(file);
            QCOMPARE(file->text(), printer.outputFileName());
            dialog->reject();
        });
        QtPrintServices services;
        PrintDialogRequest request;
        request.selectionChosen = selection;
        request.pageRangesEnabled = false;
        QVERIFY(!services.askPrint(nullptr, printer, request));
        QVERIFY(shown);
    }

    void printDialogOpensOnTheSelection()
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        bool shown = false;
        whenShown<QPrintDialog>([&](QPrintDialog *dialog) {
            shown = true;
            QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintSelection));
            QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintPageRange));
            QCOMPARE(dialog->printer()->printRange(), QPrinter::Selection);
            dialog->reject();
        });
        QtPrintServices services;
        PrintDialogRequest request;
        request.selectionChosen = true;
        request.pageRangesEnabled = false;
        QVERIFY(!services.askPrint(nullptr, printer, request));
        QVERIFY(shown);
    }

    void fontDialogRoundTrip_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikeOut");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("plain black") << false << false << false << false << QColor(0, 0, 0);
        QTest::newRow("bold") << true << false << false << false << QColor(0, 0, 0);
        QTest::newRow("bold italic underlined maroon") << true << true << true << false << QColor(128, 0, 0);
        QTest::newRow("italic struck out, colour of its own")
            << false << true << false << true << QColor(10, 20, 30);
    }
    void fontDialogRoundTrip()
    {
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(bool, strikeOut);
        QFETCH(QColor, colour);
        // A family with its own bold and italic styles, so that the dialog can show every style asked for.
        QString family;
        for (const QString &candidate : QFontDatabase::families()) {
            if (QFontDatabase::styles(candidate).contains(QLatin1String("Bold Italic"))) {
                family = candidate;
                break;
            }
        }
        if (family.isEmpty())
            QSKIP("no font family with a bold italic style is installed");
        QFont font(family);
        font.setPointSize(14);
        font.setBold(bold);
        font.setItalic(italic);
        font.setUnderline(underline);
        font.setStrikeOut(strikeOut);

        whenShown<FontColourDialog>([](FontColourDialog *dialog) { dialog->accept(); });
        QtPrintServices services;
        const std::optional<FontChoice> chosen = services.chooseFont(nullptr, {font, colour});
        QVERIFY(chosen);
        QCOMPARE(chosen->font.family(), font.family());
        QCOMPARE(chosen->font.pointSize(), 14);
        QCOMPARE(chosen->font.bold(), bold);
        QCOMPARE(chosen->font.italic(), italic);
        QCOMPARE(chosen->font.underline(), underline);
        QCOMPARE(chosen->font.strikeOut(), strikeOut);
        QCOMPARE(chosen->colour, colour);
    }

    void fontDialogGivesTheUsersColour()
    {
        FontColourDialog dialog;
        dialog.setChoice({QFont(), QColor(0, 0, 0)});
        auto *colours = dialog.findChild<QComboBox *>(QStringLiteral("colour"));
        QVERIFY(colours);
        colours->setCurrentIndex(colours->findText(QStringLiteral("Teal")));
        QCOMPARE(dialog.choice().colour, QColor(0, 128, 128));
    }

    void fontDialogCancelled()
    {
        whenShown<FontColourDialog>([](FontColourDialog *dialog) { dialog->reject(); });
        QtPrintServices services;
        QVERIFY(!services.chooseFont(nullptr, {QFont(), QColor(Qt::black)}));
    }
};

QTEST_MAIN(PrintDialogsTest)
#include "PrintDialogsTest.moc"
