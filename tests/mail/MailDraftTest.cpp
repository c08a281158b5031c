#include "mail/logic/MailDraft.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using mail::MailDraft;

class MailDraftTest final : public QObject
{
    Q_OBJECT

private slots:
    void bytes_data()
    {
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("plain") << "s@v.example"
                               << "Support Ambrelis"
                               << "Hello"
                               << QByteArray("To: \"s@v.example\"\r\nSubject: Support Ambrelis\r\n"
                                             "X-Unsent: 1\r\n\r\nHello\r\n");
        QTest::newRow("empty body ends with two CR LF after the headers")
            << "s@v.example"
            << "S"
            << "" << QByteArray("To: \"s@v.example\"\r\nSubject: S\r\nX-Unsent: 1\r\n\r\n\r\n");
        QTest::newRow("CR LF body kept, one more CR LF appended")
            << "s@v.example"
            << "S"
            << "a\r\nb\r\n"
            << QByteArray("To: \"s@v.example\"\r\nSubject: S\r\nX-Unsent: 1\r\n\r\na\r\nb\r\n\r\n");
        QTest::newRow("LF and lone CR in body become CR LF")
            << "s@v.example"
            << "S"
            << "a\nb\rc\n\nd"
            << QByteArray("To: \"s@v.example\"\r\nSubject: S\r\nX-Unsent: 1\r\n\r\na\r\nb\r\nc\r\n\r\nd\r\n");
        QTest::newRow("quote in recipient is not escaped")
            << "Jo \"Q\" <q@v.example>"
            << "S"
            << "x" << QByteArray("To: \"Jo \"Q\" <q@v.example>\"\r\nSubject: S\r\nX-Unsent: 1\r\n\r\nx\r\n");
        QTest::newRow("windows-1252 and replacement")
            << "s@v.example" << QStringLiteral("Café €5") << QStringLiteral("Ω naïve\U0001F33F")
            << QByteArray("To: \"s@v.example\"\r\nSubject: Caf\xE9 \x80"
                          "5\r\nX-Unsent: 1\r\n\r\n? na\xEFve?\r\n");
        QTest::newRow("line break in subject cannot start a header")
            << "s@v.example"
            << "S\r\nBcc: x@evil.example"
            << "b"
            << QByteArray(
                   "To: \"s@v.example\"\r\nSubject: S Bcc: x@evil.example\r\nX-Unsent: 1\r\n\r\nb\r\n");
        QTest::newRow("line break in recipient cannot start a header")
            << "s@v.example\nCc: y@evil.example"
            << "S"
            << "b"
            << QByteArray("To: \"s@v.example Cc: y@evil.example\"\r\nSubject: S\r\nX-Unsent: 1\r\n\r\nb\r\n");
    }

    void bytes()
    {
        QFETCH(QString, recipient);
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QFETCH(QByteArray, expected);
        QCOMPARE(mail::MailDraftBytes({recipient, subject, body}), expected);
    }

    void secondDraftReplacesFirst()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = mail::DraftPath(dir.path(), QString::fromLatin1(mail::kSupportDraftFile));
        QCOMPARE(path, dir.path() + QStringLiteral("/Support.eml"));

        const MailDraft first{QStringLiteral("s@v.example"), QStringLiteral("S"), QString(200, u'x')};
        const MailDraft second{QStringLiteral("s@v.example"), QStringLiteral("S"), QStringLiteral("short")};
        QVERIFY(!mail::WriteMailDraft(path, first));
        QVERIFY(!mail::WriteMailDraft(path, second));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), mail::MailDraftBytes(second));
    }

    void draftIsReadableByTheUserOnly_data()
    {
        QTest::addColumn<bool>("existedBefore");
        QTest::newRow("new file") << false;
        QTest::newRow("file left readable by everyone") << true;
    }
    void draftIsReadableByTheUserOnly()
    {
        QFETCH(bool, existedBefore);
        QTemporaryDir dir;
        const QString path = mail::DraftPath(dir.path(), QString::fromLatin1(mail::kOrderDraftFile));
        if (existedBefore) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ReadOther | QFileDevice::ReadGroup));
        }
        QVERIFY(!mail::WriteMailDraft(
            path, {QStringLiteral("o@v.example"), QStringLiteral("Order"), QStringLiteral("x")}));
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ReadOther | QFileDevice::WriteOther;
        QCOMPARE(QFile(path).permissions() & others, QFileDevice::Permissions());
        QVERIFY(QFile(path).permissions() & QFileDevice::ReadOwner);
    }

    void emptyRecipientLeavesEarlierDraftAlone()
    {
        QTemporaryDir dir;
        const QString path = mail::DraftPath(dir.path(), QString::fromLatin1(mail::kOrderDraftFile));
        const MailDraft good{QStringLiteral("o@v.example"), QStringLiteral("Ambrelis Order"),
                             QStringLiteral("1")};
        QVERIFY(!mail::WriteMailDraft(path, good));

        const std::optional<ansi::FileError> error =
            mail::WriteMailDraft(path, {QString(), QStringLiteral("Ambrelis Order"), QStringLiteral("2")});
        QVERIFY(error.has_value());
        QCOMPARE(error->path, path);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), mail::MailDraftBytes(good));
    }

    void unwritableFolderIsAnError()
    {
        // A plain file where the application folder should be fails even for root, unlike permissions.
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("appdir"));
        QFile blocker(notAFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        const QString path = mail::DraftPath(notAFolder, QString::fromLatin1(mail::kSupportDraftFile));
        const std::optional<ansi::FileError> error = mail::WriteMailDraft(
            path, {QStringLiteral("s@v.example"), QStringLiteral("S"), QStringLiteral("b")});
        QVERIFY(error.has_value());
        QVERIFY(error->userText().contains(QStringLiteral("Support.eml")));
    }
};

QTEST_GUILESS_MAIN(MailDraftTest)
#include "MailDraftTest.moc"
