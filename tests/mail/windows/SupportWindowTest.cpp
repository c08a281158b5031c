#include "ShellFixture.h"
#include "app/shell/AppWindow.h"
#include "mail/windows/DraftHandOff.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray SupportHeader = "To: \"support@varnholt-publishing.example\"\r\n"
                                 "Subject: Support Ambrelis\r\n"
                                 "X-Unsent: 1\r\n"
                                 "\r\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QPlainTextEdit *supportBox(AppWindow *window)
{
    return window->findChild<QPlainTextEdit *>(QStringLiteral("txtSupport"));
}

} // namespace

class SupportWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void questionnaireEndsWithTheProgramPath()
    {
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(Forms::frmSupport);
        QVERIFY(window);
        const QStringList lines = supportBox(window)->toPlainText().split(u'\n');
        const QStringList expected{"Full Name (required): ",
                                   "Email (required): ",
                                   "Phone/Fax: ",
                                   "Operating System (required) Win98/ME/XP/etc: ",
                                   "",
                                   "Description of problem: ",
                                   "",
                                   "",
                                   "",
                                   "",
                                   "Installation_Path: ",
                                   QDir(shell.folder.path()).filePath("Ambrelis")};
        QCOMPARE(lines, expected);
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("Text2"))->text(),
                 QStringLiteral("support@varnholt-publishing.example"));
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("Text3"))->text(),
                 QStringLiteral("varnholt.help@mailbox.example"));
    }

    void reopeningRebuildsTheQuestionnaire()
    {
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(Forms::frmSupport);
        const QString fresh = supportBox(window)->toPlainText();
        supportBox(window)->setPlainText(QStringLiteral("scribbled over"));
        windows().ClosePage(Forms::frmSupport);
        window = windows().OpenPage(Forms::frmSupport);
        QCOMPARE(supportBox(window)->toPlainText(), fresh);
    }

    void sendSupportWritesTheBoxAsLeft_data()
    {
        QTest::addColumn<QString>("typed"); // empty: the questionnaire untouched
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("untouched") << QString() << QByteArray();
        QTest::newRow("answers typed")
            << QStringLiteral("Full Name (required): Ada\nEmail (required): ada@x.example")
            << QByteArray("Full Name (required): Ada\r\nEmail (required): ada@x.example");
        QTest::newRow("emptied") << QStringLiteral("") << QByteArray("");
        QTest::newRow("accents in Windows-1252") << QString::fromUtf8("caf\xc3\xa9") << QByteArray("caf\xe9");
    }
    void sendSupportWritesTheBoxAsLeft()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, body);
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(Forms::frmSupport);
        if (!typed.isNull()) {
            supportBox(window)->setPlainText(typed);
        } else {
            body = "Full Name (required): \r\nEmail (required): \r\nPhone/Fax: \r\n"
                   "Operating System (required) Win98/ME/XP/etc: \r\n\r\nDescription of problem: \r\n"
                   "\r\n\r\n\r\n\r\nInstallation_Path: \r\n" +
                   QDir(shell.folder.path()).filePath("Ambrelis").toUtf8();
        }
        window->findChild<QPushButton *>(QStringLiteral("cmdCallEmail"))->click();

        const QString path = shell.folder.filePath(QStringLiteral("Support.eml"));
        QCOMPARE(readAll(path), SupportHeader + body + "\r\n");
        QCOMPARE(shell.os->opened, QStringList{"Open|" + path});
        QVERIFY(shell.messages.isEmpty());
        QVERIFY(windows().find(Forms::frmSupport));
    }

    void sendingTwiceReplacesTheDraft()
    {
        ShellFixture shell;
        AppWindow *window = windows().OpenPage(Forms::frmSupport);
        auto *send = window->findChild<QPushButton *>(QStringLiteral("cmdCallEmail"));
        send->click();
        supportBox(window)->setPlainText(QStringLiteral("second"));
        send->click();
        const QString path = shell.folder.filePath(QStringLiteral("Support.eml"));
        QCOMPARE(readAll(path), SupportHeader + "second\r\n");
        QCOMPARE(shell.os->opened, QStringList({"Open|" + path, "Open|" + path}));
    }

    void aDraftThatCannotBeWrittenIsReportedAndNotOpened()
    {
        ShellFixture shell;
        // A folder in the draft's place cannot be opened as a file, whoever runs the test.
        QVERIFY(QDir(shell.folder.path()).mkdir(QStringLiteral("Support.eml")));
        AppWindow *window = windows().OpenPage(Forms::frmSupport);
        window->findChild<QPushButton *>(QStringLiteral("cmdCallEmail"))->click();
        QCOMPARE(shell.messages.size(), 1);
        QVERIFY(shell.messages.first().startsWith(QString::fromLatin1(mail::kDraftNotCreated)));
        QVERIFY(shell.messages.first().contains(QStringLiteral("Support.eml")));
        QVERIFY(shell.os->opened.isEmpty());
    }
};

QTEST_MAIN(SupportWindowTest)
#include "SupportWindowTest.moc"
