#include "ShellFixture.h"
#include "app/menu/frmMenu.h"
#include "app/richtext/InvisibleRichTextBox.h"
#include "app/shell/Twips.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The file as the settings window writes it: three CR LF lines, 107 bytes.
QByteArray screenFile(char digit)
{
    return QByteArray("{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
                      "\\viewkind4\\uc1\\pard\\f0\\fs17 ") +
           digit + "\r\n\\par }\r\n";
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

frmMenu *startMenu()
{
    startProgram(windows());
    return windows().find<frmMenu>(Forms::frmMenu);
}

// A second run of the program on the same application folder.
frmMenu *restart(ShellFixture &shell)
{
    shell.manager.reset();
    shell.manager = std::make_unique<WindowManager>();
    installWindowManager(shell.manager.get());
    registerProgramWindows(*shell.manager);
    return startMenu();
}

void click(QWidget *window, const QString &button)
{
    auto *b = window->findChild<QPushButton *>(button);
    QVERIFY2(b, qPrintable(button));
    b->click();
}

QString confirmation()
{
    AppWindow *resize = windows().find(Forms::frmResize);
    if (!resize)
        return {};
    auto *label = resize->findChild<QLabel *>(QStringLiteral("lblResize"));
    return label ? label->text() : QStringLiteral("(no lblResize)");
}

const QString Centered = QStringLiteral("Next time you restart the program all pages will open centered.");
const QString Maximized = QStringLiteral("Next time you restart the program all pages will open maximized.");

// Puts a directory of the given names first on PATH for the life of the object.
class PathWith
{
public:
    explicit PathWith(const QStringList &programs) : m_saved(qgetenv("PATH"))
    {
        for (const QString &name : programs) {
            QFile file(m_dir.filePath(name));
            if (file.open(QIODevice::WriteOnly))
                file.write("#!/bin/sh\nexit 0\n");
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", m_dir.path().toLocal8Bit());
    }
    ~PathWith() { qputenv("PATH", m_saved); }
    PathWith(const PathWith &) = delete;
    PathWith &operator=(const PathWith &) = delete;
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void theWrittenFileIsTheRichTextBoxLayout()
    {
        QCOMPARE(screenFile('2').size(), 107);
        // What the box itself writes for a digit set as its text, so that both windows agree on the bytes.
        QTemporaryDir dir;
        InvisibleRichTextBox box;
        box.setText(QStringLiteral("0"));
        QVERIFY(box.SaveFile(dir.filePath(QStringLiteral("Screen.txt"))));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("Screen.txt"))), screenFile('0'));
    }

    void layout_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twipsRect");
        QTest::addColumn<QString>("text");
        QTest::newRow("Maximize Screen")
            << Forms::frmSettings << "cmdMaximize" << QRect(4410, 420, 2000, 380) << "Maximize Screen";
        QTest::newRow("Center Screen")
            << Forms::frmSettings << "cmdMitte" << QRect(4410, 840, 2000, 380) << "Center Screen";
        QTest::newRow("Remove Program")
            << Forms::frmSettings << "cmdAddRemove" << QRect(1980, 2790, 2200, 380) << "Remove Program";
        QTest::newRow("settings Close") << Forms::frmSettings << "cmdClose" << QRect(5790, 3030, 700, 330)
                                        << "Close"; // clear of the border
        QTest::newRow("Label6")
            << Forms::frmSettings << "Label6" << QRect(300, 540, 3945, 840) // as high as its three lines
            << "You can adjust the Program's Screen Size for what works best on your computer:";
        QTest::newRow("Label8")
            << Forms::frmSettings << "Label8"
            << QRect(300, 1830, 6210, 975) // wide enough for three lines above the button
            << "If, for any reason, you wish to uninstall this program, click the button below to start "
               "Window's "
               "Remove Program. Then select the program you wish to remove, click Remove and click OK.";
        QTest::newRow("Shape1") << Forms::frmSettings << "Shape1" << QRect(100, 100, 6510, 3375) << "";
        QTest::newRow("lblResize") << Forms::frmResize << "lblResize" << QRect(270, 330, 3255, 675) << "";
        QTest::newRow("resize Close")
            << Forms::frmResize << "cmdClose" << QRect(1500, 1170, 855, 375) << "Close";
    }
    void layout()
    {
        QFETCH(FormId, window);
        QFETCH(QString, control);
        QFETCH(QRect, twipsRect);
        QFETCH(QString, text);
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(window);
        QVERIFY(w);
        auto *widget = w->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(),
                 twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
        if (auto *button = qobject_cast<QPushButton *>(widget))
            QCOMPARE(button->text(), text);
        else if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), text);
    }

    // Every paragraph is read to its last line, and Close stands clear of the olive border.
    void settingsTextsFitTheirPlaces()
    {
        ShellFixture shell;
        AppWindow *settings = windows().OpenPage(Forms::frmSettings);
        for (const char *name : {"Label6", "Label8"}) {
            auto *label = settings->findChild<QLabel *>(QLatin1String(name));
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                    .arg(QLatin1String(name))
                                    .arg(label->heightForWidth(label->width()))
                                    .arg(label->height())));
        }
        const QRect border = settings->findChild<QWidget *>(QStringLiteral("Shape1"))->geometry();
        const QRect inside = border.adjusted(2, 2, -2, -2);
        const QRect close = settings->findChild<QWidget *>(QStringLiteral("cmdClose"))->geometry();
        QVERIFY2(inside.adjusted(4, 4, -4, -4).contains(close),
                 qPrintable(QStringLiteral("Close at %1,%2 %3x%4 inside a border to %5,%6")
                                .arg(close.x())
                                .arg(close.y())
                                .arg(close.width())
                                .arg(close.height())
                                .arg(inside.right())
                                .arg(inside.bottom())));
    }

    void settingsWindowFrame()
    {
        ShellFixture shell;
        AppWindow *settings = windows().OpenPage(Forms::frmSettings);
        QCOMPARE(settings->windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(settings->size(), twips::size(6705, 3570));
        QVERIFY(!(settings->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(settings->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!settings->findChild<InvisibleRichTextBox *>(QStringLiteral("rtfScreen"))->isVisible());
        // "Center Screen" comes first in the tab order.
        QWidget *first = settings->nextInFocusChain();
        while (first != settings && !(first->isVisible() && (first->focusPolicy() & Qt::TabFocus)))
            first = first->nextInFocusChain();
        QCOMPARE(first->objectName(), QStringLiteral("cmdMitte"));
        // Opening and closing writes nothing.
        click(settings, QStringLiteral("cmdClose"));
        QVERIFY(!windows().find(Forms::frmSettings));
        QVERIFY(!QFile::exists(shell.folder.filePath(QStringLiteral("Screen.txt"))));
    }

    void choiceTakesEffectAndSurvivesARestart_data()
    {
        QTest::addColumn<QByteArray>("fileBefore");
        QTest::addColumn<QString>("button");
        QTest::addColumn<char>("digit");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QString>("message");
        QTest::newRow("center from the default") << QByteArray() << "cmdMitte" << '0' << false << Centered;
        QTest::newRow("maximize from the default")
            << QByteArray() << "cmdMaximize" << '2' << true << Maximized;
        QTest::newRow("maximize after center")
            << screenFile('0') << "cmdMaximize" << '2' << true << Maximized;
        QTest::newRow("center again") << screenFile('0') << "cmdMitte" << '0' << false << Centered;
        QTest::newRow("center over a plain-text file")
            << QByteArray("2\r\n") << "cmdMitte" << '0' << false << Centered;
    }
    void choiceTakesEffectAndSurvivesARestart()
    {
        QFETCH(QByteArray, fileBefore);
        QFETCH(QString, button);
        QFETCH(char, digit);
        QFETCH(bool, maximised);
        QFETCH(QString, message);
        ShellFixture shell;
        if (!fileBefore.isEmpty())
            shell.writeFile(QStringLiteral("Screen.txt"), fileBefore);
        frmMenu *menu = startMenu();
        QVERIFY(menu);
        AppWindow *before = windows().OpenPage(Forms::frmInformation);
        const bool beforeMaximised = before->isMaximized();

        AppWindow *settings = windows().OpenPage(Forms::frmSettings);
        click(settings, button);

        QCOMPARE(readFile(shell.folder.filePath(QStringLiteral("Screen.txt"))), screenFile(digit));
        QCOMPARE(menu->rtfScreen()->Text().trimmed(), QString(QChar::fromLatin1(digit)));
        QCOMPARE(menu->isMaximized(), maximised);
        if (!maximised)
            QCOMPARE(menu->size(), twips::PageClient);
        QCOMPARE(confirmation(), message);
        QVERIFY(windows().find(Forms::frmSettings));
        QVERIFY(shell.messages.isEmpty());
        // A page already open keeps its state; one opened now follows the choice.
        QCOMPARE(before->isMaximized(), beforeMaximised);
        QCOMPARE(windows().OpenPage(Forms::frmSafety)->isMaximized(), maximised);

        frmMenu *again = restart(shell);
        QVERIFY(again);
        QCOMPARE(again->isMaximized(), maximised);
        QCOMPARE(windows().OpenPage(Forms::frmSafety)->isMaximized(), maximised);
    }

    void laterChoiceReplacesTheConfirmation()
    {
        ShellFixture shell;
        startMenu();
        AppWindow *settings = windows().OpenPage(Forms::frmSettings);
        click(settings, QStringLiteral("cmdMitte"));
        AppWindow *first = windows().find(Forms::frmResize);
        click(settings, QStringLiteral("cmdMaximize"));
        QCOMPARE(windows().find(Forms::frmResize), first);
        QCOMPARE(confirmation(), Maximized);
        QCOMPARE(readFile(shell.folder.filePath(QStringLiteral("Screen.txt"))), screenFile('2'));
        click(first, QStringLiteral("cmdClose"));
        QVERIFY(!windows().find(Forms::frmResize));
        QVERIFY(windows().find(Forms::frmSettings));
    }

    void unsavedChoiceHoldsForThisRunOnly_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QString>("modeWord");
        QTest::newRow("center") << "cmdMitte" << false << "centered";
        QTest::newRow("maximize") << "cmdMaximize" << true << "maximized";
    }
    void unsavedChoiceHoldsForThisRunOnly()
    {
        QFETCH(QString, button);
        QFETCH(bool, maximised);
        QFETCH(QString, modeWord);
        ShellFixture shell;
        // A folder in the file's place cannot be replaced by a file, whoever runs the test.
        QVERIFY(QDir(shell.folder.path()).mkdir(QStringLiteral("Screen.txt")));
        frmMenu *menu = startMenu();
        AppWindow *settings = windows().OpenPage(Forms::frmSettings);
        click(settings, button);

        QCOMPARE(shell.messages.size(), 1);
        QVERIFY2(shell.messages[0].contains(QStringLiteral("this run only")), qPrintable(shell.messages[0]));
        QVERIFY2(shell.messages[0].contains(modeWord), qPrintable(shell.messages[0]));
        QVERIFY(!windows().find(Forms::frmResize));
        QCOMPARE(menu->isMaximized(), maximised);
        QCOMPARE(windows().OpenPage(Forms::frmSafety)->isMaximized(), maximised);
        // The next run knows nothing of it.
        QVERIFY(restart(shell)->isMaximized());
    }

    void failedSaveClosesAnEarlierConfirmation()
    {
        ShellFixture shell;
        startMenu();
        AppWindow *settings = windows().OpenPage(Forms::frmSettings);
        click(settings, QStringLiteral("cmdMitte"));
        QVERIFY(windows().find(Forms::frmResize));
        // From now on a folder stands where the file must go.
        const QString path = shell.folder.filePath(QStringLiteral("Screen.txt"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(shell.folder.path()).mkdir(QStringLiteral("Screen.txt")));
        click(settings, QStringLiteral("cmdMaximize"));
        QCOMPARE(shell.messages.size(), 1);
        // The old confirmation would now promise the wrong thing.
        QVERIFY(!windows().find(Forms::frmResize));
    }

    void removeProgramEndsTheProgram_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QString>("expectedProgram");
        QTest::addColumn<QStringList>("expectedArguments");
        QTest::newRow("GNOME Software opens on the installed list")
            << QStringList{QStringLiteral("gnome-software"), QStringLiteral("plasma-discover")} << true
            << "gnome-software" << QStringList{QStringLiteral("--mode=installed")};
        QTest::newRow("KDE Discover")
            << QStringList{QStringLiteral("plasma-discover")} << true << "plasma-discover" << QStringList{};
        QTest::newRow("start fails") << QStringList{QStringLiteral("mintinstall")} << false << "mintinstall"
                                     << QStringList{};
        QTest::newRow("no software manager") << QStringList{} << true << "" << QStringList{};
    }
    void removeProgramEndsTheProgram()
    {
        QFETCH(QStringList, installed);
        QFETCH(bool, startSucceeds);
        QFETCH(QString, expectedProgram);
        QFETCH(QStringList, expectedArguments);
        ShellFixture shell;
        shell.os->startSucceeds = startSucceeds;
        const PathWith path(installed);
        startMenu();
        windows().OpenPage(Forms::frmSafety);
        windows().OpenPage(Forms::frmResize);
        click(windows().OpenPage(Forms::frmSettings), QStringLiteral("cmdAddRemove"));

        if (expectedProgram.isEmpty()) {
            QVERIFY(shell.os->started.empty());
        } else {
            QCOMPARE(shell.os->started.size(), size_t(1));
            QCOMPARE(shell.os->started[0].program, path.filePath(expectedProgram));
            QCOMPARE(shell.os->started[0].arguments, expectedArguments);
            QCOMPARE(shell.os->started[0].style, PlatformServices::WindowStyle::Normal);
        }
        QVERIFY(shell.manager->programEnded());
        QVERIFY(windows().openWindows().isEmpty());
        QVERIFY(shell.messages.isEmpty());
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
