#include "ShellFixture.h"
#include "app/menu/frmMenu.h"
#include "app/richtext/RichTextBox.h"
#include "app/shell/Twips.h"
#include "content/ContentSet.h"
#include "pages/viewers/ViewerDocuments.h"
#include "shared/MakerConfig.h"

#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// A small stand-in for each legal document, so that the test sees which one is shown.
QByteArray document(const char *text)
{
    return QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs22 ") + text + "\\par }";
}

const QMap<QString, QString> Texts{{QStringLiteral("Disclaim.rtf"), QStringLiteral("Medical disclaimer")},
                                   {QStringLiteral("CopyLiab.rtf"), QStringLiteral("Licence terms")},
                                   {QStringLiteral("Privacy.rtf"), QStringLiteral("Privacy notes")}};

QString shown(AppWindow *window)
{
    return window->findChild<RichTextBox *>(QStringLiteral("rtfDisclaimer"))->Text().trimmed();
}

void trigger(AppWindow *window, const QString &command)
{
    auto *action = window->findChild<QAction *>(command);
    QVERIFY2(action, qPrintable(command));
    action->trigger();
}

// ISBN-10 (last digit may be X) or ISBN-13, hyphens allowed.
bool validIsbn(QString isbn)
{
    isbn.remove(QLatin1Char('-'));
    if (isbn.size() == 10) {
        int sum = 0;
        for (int i = 0; i < 10; ++i) {
            const QChar c = isbn[i];
            int digit = 0;
            if (c.isDigit())
                digit = c.digitValue();
            else if (i == 9 && c == QLatin1Char('X'))
                digit = 10;
            else
                return false;
            sum += (10 - i) * digit;
        }
        return sum % 11 == 0;
    }
    if (isbn.size() == 13) {
        int sum = 0;
        for (int i = 0; i < 13; ++i) {
            if (!isbn[i].isDigit())
                return false;
            sum += isbn[i].digitValue() * (i % 2 ? 3 : 1);
        }
        return sum % 10 == 0;
    }
    return false;
}

QTextCharFormat formatAt(const QTextDocument &doc, const QString &text)
{
    const QTextCursor found = doc.find(text);
    if (found.isNull())
        return {};
    QTextCursor cursor = found;
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

const QColor Green(0, 128, 0);
const QColor DarkRed(128, 0, 0);

} // namespace

class ViewersTest : public QObject
{
    Q_OBJECT

private slots:
    void documentsSwitchInPlace_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QStringList>("expected");
        const QStringList all{QStringLiteral("Disclaim.rtf"), QStringLiteral("CopyLiab.rtf"),
                              QStringLiteral("Privacy.rtf")};
        QTest::newRow("all three, back and forth")
            << all << QStringList{"mnuNextPage", "cmdPrivacy", "mnuBack", "cmdPrivacy", "mnuNextPage"}
            << QStringList{"Licence terms", "Privacy notes", "Medical disclaimer", "Privacy notes",
                           "Licence terms"};
        QTest::newRow("licence missing") << QStringList{"Disclaim.rtf", "Privacy.rtf"}
                                         << QStringList{"mnuNextPage", "mnuBack", "cmdPrivacy"}
                                         << QStringList{"", "Medical disclaimer", "Privacy notes"};
        QTest::newRow("disclaimer missing")
            << QStringList{"CopyLiab.rtf"} << QStringList{"mnuNextPage", "mnuBack"}
            << QStringList{"Licence terms", ""};
        QTest::newRow("none") << QStringList{} << QStringList{"mnuNextPage", "cmdPrivacy"}
                              << QStringList{"", ""};
    }
    void documentsSwitchInPlace()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, commands);
        QFETCH(QStringList, expected);
        ShellFixture shell;
        for (const QString &name : present)
            shell.writeFile(name, document(qPrintable(Texts[name])));
        AppWindow *window = windows().OpenPage(Forms::frmDisclaimer);
        QCOMPARE(shown(window),
                 present.contains(QStringLiteral("Disclaim.rtf")) ? Texts["Disclaim.rtf"] : QString());
        for (int i = 0; i < commands.size(); ++i) {
            trigger(window, commands[i]);
            QCOMPARE(windows().find(Forms::frmDisclaimer), window);
            QCOMPARE(shown(window), expected[i]);
        }
        QVERIFY(shell.messages.isEmpty());
    }

    void aFileThatIsNotRichTextLeavesTheBoxEmpty()
    {
        ShellFixture shell;
        shell.writeFile(QStringLiteral("Disclaim.rtf"), document("Medical disclaimer"));
        shell.writeFile(QStringLiteral("Privacy.rtf"), "Privacy notes, but as plain text\r\n");
        AppWindow *window = windows().OpenPage(Forms::frmDisclaimer);
        trigger(window, QStringLiteral("cmdPrivacy"));
        QCOMPARE(shown(window), QString());
        trigger(window, QStringLiteral("mnuBack"));
        QCOMPARE(shown(window), QStringLiteral("Medical disclaimer"));
    }

    // A bullet followed by a tab, as the privacy document writes its list, stands close to its text.
    void bulletsStandNextToTheirText()
    {
        ShellFixture shell;
        shell.writeFile(QStringLiteral("Disclaim.rtf"), document("Medical disclaimer"));
        shell.writeFile(QStringLiteral("Privacy.rtf"),
                        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs22 Files:\\par\n"
                        "\\pard\\li360\\sa60\\bullet\\tab Screen.txt, your choice\\par }");
        AppWindow *window = windows().OpenPage(Forms::frmDisclaimer);
        trigger(window, QStringLiteral("cmdPrivacy"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *box = window->findChild<RichTextBox *>(QStringLiteral("rtfDisclaimer"));
        QTextCursor bullet = box->document()->find(QString(QChar(0x2022)));
        QVERIFY(!bullet.isNull());
        bullet.setPosition(bullet.selectionStart());
        const QTextCursor text = box->document()->find(QStringLiteral("Screen.txt"));
        QTextCursor textStart(box->document());
        textStart.setPosition(text.selectionStart());
        const int gap = box->cursorRect(textStart).left() - box->cursorRect(bullet).left();
        QVERIFY2(gap > 0 && gap <= 32, qPrintable(QStringLiteral("%1 px from bullet to text").arg(gap)));
    }

    // The first letters of the sources stand clear of the window's left edge.
    void sourcesKeepAMargin()
    {
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(Forms::frmSources);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *box = window->findChild<RichTextBox *>(QStringLiteral("rtfSources"));
        QTextCursor start(box->document());
        const int left = box->viewport()->mapTo(window, box->cursorRect(start).topLeft()).x();
        QVERIFY2(left >= 8, qPrintable(QStringLiteral("text at %1 px").arg(left)));
    }

    void disclaimerFrame()
    {
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(Forms::frmDisclaimer);
        QCOMPARE(window->windowTitle(), QStringLiteral("Disclaimer /  Licence Agreement"));
        auto *bar = window->findChild<QMenuBar *>();
        QVERIFY(bar);
        QStringList captions;
        for (QAction *action : bar->actions()) {
            QVERIFY(!action->menu());
            captions << action->objectName() + QLatin1Char('=') + action->text();
        }
        QCOMPARE(captions, (QStringList{"mnuBack=Disclaimer", "mnuNextPage=Licence Agreement",
                                        "cmdPrivacy=Privacy Policy", "mnuClose=Close"}));
        // The document keeps the whole design client area below the menu bar.
        auto *box = window->findChild<RichTextBox *>(QStringLiteral("rtfDisclaimer"));
        QCOMPARE(box->geometry(), QRect(QPoint(0, bar->height()), twips::size(9510, 5625)));
        QCOMPARE(window->size(), twips::size(9510, 5625) + QSize(0, bar->height()));
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("Text1"))->nextInFocusChain(), box);

        trigger(window, QStringLiteral("mnuClose"));
        QVERIFY(!windows().find(Forms::frmDisclaimer));
        QVERIFY(!shell.manager->programEnded());
    }

    void escapeEndsTheProgramOnlyFromTheDisclaimer_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Escape in the document")
            << Forms::frmDisclaimer << "rtfDisclaimer" << int(Qt::Key_Escape) << true;
        QTest::newRow("Escape in Text1") << Forms::frmDisclaimer << "Text1" << int(Qt::Key_Escape) << true;
        QTest::newRow("Escape on the window") << Forms::frmDisclaimer << "" << int(Qt::Key_Escape) << true;
        QTest::newRow("other key in the document")
            << Forms::frmDisclaimer << "rtfDisclaimer" << int(Qt::Key_A) << false;
        QTest::newRow("Enter in Text1") << Forms::frmDisclaimer << "Text1" << int(Qt::Key_Return) << false;
        QTest::newRow("Escape in the history")
            << Forms::frmHistory << "rtfHistory" << int(Qt::Key_Escape) << false;
        QTest::newRow("Escape in the sources")
            << Forms::frmSources << "rtfSources" << int(Qt::Key_Escape) << false;
    }
    void escapeEndsTheProgramOnlyFromTheDisclaimer()
    {
        QFETCH(FormId, window);
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(bool, ends);
        ShellFixture shell;
        startProgram(windows());
        windows().OpenPage(Forms::frmSafety);
        AppWindow *w = windows().OpenPage(window);
        QWidget *target = control.isEmpty() ? w : w->findChild<QWidget *>(control);
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(shell.manager->programEnded(), ends);
        QCOMPARE(windows().openWindows().isEmpty(), ends);
        if (!ends)
            QVERIFY(windows().find(window));
    }

    void readFirstKeepsTheShownDocument()
    {
        ShellFixture shell;
        for (auto it = Texts.begin(); it != Texts.end(); ++it)
            shell.writeFile(it.key(), document(qPrintable(it.value())));
        frmMenu *menu = nullptr;
        startProgram(windows());
        menu = windows().find<frmMenu>(Forms::frmMenu);
        menu->findChild<QPushButton *>(QStringLiteral("cmdReadFirst"))->click();
        AppWindow *window = windows().find(Forms::frmDisclaimer);
        QVERIFY(window);
        trigger(window, QStringLiteral("cmdPrivacy"));
        menu->findChild<QPushButton *>(QStringLiteral("cmdReadFirst"))->click();
        QCOMPARE(windows().find(Forms::frmDisclaimer), window);
        QCOMPARE(shown(window), Texts["Privacy.rtf"]);
    }

    void historyDocument()
    {
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(Forms::frmHistory);
        QCOMPARE(window->windowTitle(), QStringLiteral("History of Changes"));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        auto *box = window->findChild<RichTextBox *>(QStringLiteral("rtfHistory"));
        QCOMPARE(box->geometry(), QRect(QPoint(0, 0), twips::size(6075, 4890)));
        const QTextDocument &doc = *box->document();
        const QStringList lines = box->Text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("History of Changes:"));
        const QTextCharFormat heading = formatAt(doc, QStringLiteral("History of Changes:"));
        QVERIFY(heading.font().bold());
        QCOMPARE(heading.fontPointSize(), 12.0);
        QCOMPARE(heading.foreground().color(), Green);

        QStringList titles;
        for (const QString &line : lines)
            if (line.startsWith(QStringLiteral("Ambrelis and Essential Oils ")))
                titles << line.section(QLatin1Char('\t'), 0, 0).mid(28);
        QCOMPARE(titles, (QStringList{"2.7", "2.6", "2.5", "2.4", "2.3", "2.2", "2.1", "2.0", "1.3", "1.3",
                                      "1.2", "1.1", "1.0"}));
        QVERIFY(lines.contains(QStringLiteral("Ambrelis and Essential Oils 2.7\tDec 11, 2010")));
        const QTextCharFormat title = formatAt(doc, QStringLiteral("Ambrelis and Essential Oils 2.7"));
        QVERIFY(title.font().bold());
        QCOMPARE(title.fontPointSize(), 11.0);
        QCOMPARE(title.foreground().color(), DarkRed);
        const QTextCharFormat date = formatAt(doc, QStringLiteral("Dec 11, 2010"));
        QCOMPARE(date.foreground().color(), QColor(Qt::black));
        QVERIFY(!date.font().bold());
    }

    void historyEntries()
    {
        const QList<viewers::HistoryEntry> &entries = content::history();
        QCOMPARE(entries.size(), 13);
        QCOMPARE(entries.first().date, QStringLiteral("Dec 11, 2010"));
        QStringList dates;
        for (const viewers::HistoryEntry &entry : entries) {
            QVERIFY2(!entry.changes.isEmpty() && entry.changes.size() <= 6, qPrintable(entry.version));
            const QDate date = QLocale::c().toDate(entry.date, QStringLiteral("MMM d, yyyy"));
            QVERIFY2(date.isValid(), qPrintable(entry.date));
            if (!dates.isEmpty()) // newest first
                QVERIFY2(QLocale::c().toDate(dates.last(), QStringLiteral("MMM d, yyyy")) > date,
                         qPrintable(entry.date));
            dates << entry.date;
            for (const QString &change : entry.changes)
                QVERIFY2(!change.trimmed().isEmpty() && !change.contains(QLatin1Char('\n')),
                         qPrintable(change));
        }
    }

    void sourcesDocument()
    {
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(Forms::frmSources);
        QCOMPARE(window->windowTitle(), QStringLiteral("Sources"));
        auto *box = window->findChild<RichTextBox *>(QStringLiteral("rtfSources"));
        QCOMPARE(box->geometry(), QRect(QPoint(0, 0), twips::size(6975, 5895)));
        const QTextDocument &doc = *box->document();
        const QString text = box->Text();
        QVERIFY(text.startsWith(QStringLiteral("Sources / Recommended Reading\r\n")));
        const QTextCharFormat heading = formatAt(doc, QStringLiteral("Sources / Recommended Reading"));
        QCOMPARE(heading.fontPointSize(), 14.0);
        QCOMPARE(heading.foreground().color(), Green);
        const QStringList sections{"English Language:", "Charts:", "German Language:"};
        int last = -1;
        for (const QString &section : sections) {
            const int at = text.indexOf(section);
            QVERIFY2(at > last, qPrintable(section));
            last = at;
            QCOMPARE(formatAt(doc, section).fontPointSize(), 12.0);
            QVERIFY(formatAt(doc, section).font().bold());
        }
        const QTextCharFormat title = formatAt(doc, QStringLiteral("The Art of Aromatherapy"));
        QVERIFY(title.font().bold());
        QCOMPARE(title.foreground().color(), DarkRed);
        const QTextCharFormat authors = formatAt(doc, QStringLiteral("Valerie Ann Worwood"));
        QVERIFY(authors.font().bold());
        QCOMPARE(authors.foreground().color(), QColor(Qt::black));
        QVERIFY(text.contains(
            QStringLiteral("1991, San Rafael: New World Library\r\nISBN 0-931432-82-0\r\n\r\n")));
        QVERIFY(doc.find(QStringLiteral("The Art of Aromatherapy")).block().blockFormat().leftMargin() > 0);
        // The maker's contact lines close the document.
        const maker::MakerConfig &maker = maker::makerConfig();
        QVERIFY(text.contains(maker.supportMailbox));
        QVERIFY(text.contains(maker.phoneFax));
        QVERIFY(formatAt(doc, QStringLiteral("Questions and Suggestions:")).font().bold());
    }

    void isbnChecker_data()
    {
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ISBN-10 with X") << "0-85207-140-X" << true;
        QTest::newRow("ISBN-10 wrong check") << "0-85207-140-1" << false;
        QTest::newRow("ISBN-13") << "978-0-443-06241-4" << true;
        QTest::newRow("ISBN-13 wrong check") << "978-0-443-06241-5" << false;
        QTest::newRow("X inside") << "0-85X07-140-1" << false;
        QTest::newRow("too short") << "0-443-0526" << false;
    }
    void isbnChecker()
    {
        QFETCH(QString, isbn);
        QFETCH(bool, valid);
        QCOMPARE(validIsbn(isbn), valid);
    }

    void sourceEntries()
    {
        const QList<viewers::SourceSection> &sections = content::sources().sections;
        QCOMPARE(sections.size(), 3);
        QCOMPARE(sections[0].heading, QStringLiteral("English Language:"));
        QCOMPARE(sections[0].entries.size(), 7);
        QCOMPARE(sections[1].heading, QStringLiteral("Charts:"));
        QCOMPARE(sections[1].entries.size(), 1);
        QCOMPARE(sections[2].heading, QStringLiteral("German Language:"));
        QCOMPARE(sections[2].entries.size(), 2);
        int englishWithout = 0;
        for (const viewers::SourceSection &section : sections) {
            for (const viewers::SourceEntry &entry : section.entries) {
                QVERIFY2(!entry.title.isEmpty() && !entry.authors.isEmpty() && !entry.publisher.isEmpty() &&
                             !entry.place.isEmpty() && entry.year.toInt() > 1900,
                         qPrintable(entry.title));
                if (entry.isbn.isEmpty()) {
                    // Only one English book goes without a number.
                    QVERIFY2(section.heading == QStringLiteral("English Language:"), qPrintable(entry.title));
                    ++englishWithout;
                } else {
                    QVERIFY2(validIsbn(entry.isbn),
                             qPrintable(entry.title + QStringLiteral(": ") + entry.isbn));
                }
            }
        }
        QCOMPARE(englishWithout, 1);
    }

    void legalDocumentsAreInstalledAndReadable_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("heading");
        QTest::newRow("disclaimer") << "Disclaim.rtf"
                                    << "Medical Disclaimer";
        QTest::newRow("licence") << "CopyLiab.rtf"
                                 << "Licence Agreement";
        QTest::newRow("privacy") << "Privacy.rtf"
                                 << "Privacy Policy";
    }
    void legalDocumentsAreInstalledAndReadable()
    {
        QFETCH(QString, file);
        QFETCH(QString, heading);
        QFile installed(QStringLiteral(AMBRELIS_APPDIR_PATH "/") + file);
        QFile source(QStringLiteral(AMBRELIS_LEGAL_SOURCES "/") + file);
        QVERIFY(installed.open(QIODevice::ReadOnly));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QCOMPARE(installed.readAll(), source.readAll());

        RichTextBox box;
        QVERIFY(box.LoadFile(installed.fileName()));
        const QString text = box.Text();
        QVERIFY(text.startsWith(QStringLiteral("Ambrelis and Essential Oils\r\n") + heading +
                                QStringLiteral("\r\n")));
        QVERIFY(formatAt(*box.document(), heading).font().bold());
        QVERIFY(text.size() > 1500);
        // The maker's name and addresses as the build's configuration gives them.
        const maker::MakerConfig &maker = maker::makerConfig();
        QVERIFY(text.contains(maker.makerName));
        QVERIFY(text.contains(maker.supportMailbox));
        QVERIFY(text.contains(maker.postalAddress.street));
        QVERIFY(text.contains(maker.postalAddress.town));
        QVERIFY(text.contains(maker.postalAddress.postalCode));
    }
};

QTEST_MAIN(ViewersTest)
#include "ViewersTest.moc"
