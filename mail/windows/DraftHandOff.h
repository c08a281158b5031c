#pragma once

#include "mail/logic/MailDraft.h"

class QWidget;

namespace mail {

inline constexpr char kDraftNotCreated[] = "The mail draft was not created.";

// Writes the draft into its file in the application folder, then asks the desktop to open that file with the
// user's mail program. A draft that cannot be written is reported in a message box (owned by parent) and the
// mail program is not started, so it never shows an earlier draft left in the file. Returns true when the
// draft was handed to the mail program.
bool SendMailDraft(QWidget *parent, const QString &fileName, const MailDraft &draft);

} // namespace mail
