#include "mail/logic/SupportRequest.h"

#include <QStringList>

namespace mail {

QString SupportQuestionnaire(const QString &programPath)
{
    const QStringList lines{
        QStringLiteral("Full Name (required): "),
        QStringLiteral("Email (required): "),
        QStringLiteral("Phone/Fax: "),
        QStringLiteral("Operating System (required) Win98/ME/XP/etc: "),
        QString(),
        QStringLiteral("Description of problem: "),
        QString(),
        QString(),
        QString(),
        QString(),
        QStringLiteral("Installation_Path: "),
        programPath,
    };
    return lines.join(QStringLiteral("\r\n"));
}

MailDraft SupportDraft(const QString &body, const maker::MakerConfig &maker)
{
    return {maker.supportMailbox, QStringLiteral("Support Ambrelis"), body};
}

} // namespace mail
