#pragma once

#include "shared/AnsiText.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Mail leaves the program as a draft file that the user's mail program opens as an unsent message.
namespace mail {

struct MailDraft
{
    QString recipient; // written between double quotes
    QString subject;
    QString body; // line breaks of any kind are written as CR LF
};

inline constexpr char kSupportDraftFile[] = "Support.eml";
inline constexpr char kOrderDraftFile[] = "Order.eml";

// The draft's file bytes: four header lines, the body, one closing CR LF, in Windows-1252. Line breaks inside
// the recipient or subject would start new headers, so they become blanks there.
QByteArray MailDraftBytes(const MailDraft &draft);

// The draft file in the application folder.
QString DraftPath(const QString &applicationFolder, const QString &fileName);

// Creates or truncates the file and writes the draft. A draft without a recipient is refused before the file
// is touched, so an earlier draft stays intact.
[[nodiscard]] std::optional<ansi::FileError> WriteMailDraft(const QString &path, const MailDraft &draft);

} // namespace mail
