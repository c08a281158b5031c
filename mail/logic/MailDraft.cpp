#include "mail/logic/MailDraft.h"

#include <QDir>

namespace mail {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Qt's text boxes hand over LF, other sources CR LF or a lone CR; a mail message wants CR LF throughout.
QString withCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += kCrLf;
        } else if (c == u'\n') {
            out += kCrLf;
        } else {
            out += c;
        }
    }
    return out;
}

QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

QByteArray MailDraftBytes(const MailDraft &draft)
{
    QString text;
    text += QStringLiteral("To: \"") + oneLine(draft.recipient) + QStringLiteral("\"") + kCrLf;
    text += QStringLiteral("Subject: ") + oneLine(draft.subject) + kCrLf;
    text += QStringLiteral("X-Unsent: 1") + kCrLf;
    text += kCrLf;
    text += withCrLf(draft.body) + kCrLf;
    return ansi::toWindows1252(text);
}

QString DraftPath(const QString &applicationFolder, const QString &fileName)
{
    return QDir(applicationFolder).filePath(fileName);
}

std::optional<ansi::FileError> WriteMailDraft(const QString &path, const MailDraft &draft)
{
    if (draft.recipient.isEmpty())
        return ansi::FileError{path, QStringLiteral("the draft has no recipient")};
    // Drafts hold personal data and, for orders, a card number.
    return ansi::writeFile(path, MailDraftBytes(draft), ansi::FileAccess::OwnerOnly);
}

} // namespace mail
