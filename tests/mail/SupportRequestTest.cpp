#include "mail/logic/SupportRequest.h"

#include <QTest>

class SupportRequestTest final : public QObject
{
    Q_OBJECT

private slots:
    void questionnaire_data()
    {
        QTest::addColumn<QString>("programPath");
        QTest::newRow("linux") << "/opt/ambrelis/ambrelis";
        QTest::newRow("windows") << "C:\\Program Files\\Ambrelis\\Ambrelis.exe";
        // Longer than the fixed buffer an older build of the questionnaire used; nothing may be cut.
        QTest::newRow("long path") << "/home/user/" + QString(300, u'd') + "/ambrelis";
        QTest::newRow("unknown path") << "";
    }

    void questionnaire()
    {
        QFETCH(QString, programPath);
        const QString expected = QStringLiteral("Full Name (required): \r\n"
                                                "Email (required): \r\n"
                                                "Phone/Fax: \r\n"
                                                "Operating System (required) Win98/ME/XP/etc: \r\n"
                                                "\r\n"
                                                "Description of problem: \r\n"
                                                "\r\n\r\n\r\n\r\n"
                                                "Installation_Path: \r\n") +
                                 programPath;
        QCOMPARE(mail::SupportQuestionnaire(programPath), expected);
    }

    void untouchedQuestionnaireIsSentUnchanged()
    {
        maker::MakerConfig maker;
        maker.supportMailbox = QStringLiteral("support@v.example");
        const QString body = mail::SupportQuestionnaire(QStringLiteral("/opt/a/ambrelis"));
        const mail::MailDraft draft = mail::SupportDraft(body, maker);
        QCOMPARE(draft.recipient, maker.supportMailbox);
        QCOMPARE(draft.subject, QStringLiteral("Support Ambrelis"));
        const QByteArray bytes = mail::MailDraftBytes(draft);
        QVERIFY(
            bytes.startsWith("To: \"support@v.example\"\r\nSubject: Support Ambrelis\r\nX-Unsent: 1\r\n\r\n"
                             "Full Name (required): \r\n"));
        QVERIFY(bytes.endsWith("Installation_Path: \r\n/opt/a/ambrelis\r\n"));
    }
};

QTEST_GUILESS_MAIN(SupportRequestTest)
#include "SupportRequestTest.moc"
