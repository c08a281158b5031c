#pragma once

#include "mail/logic/MailDraft.h"
#include "shared/MakerConfig.h"

#include <QString>

namespace mail {

// The questionnaire that frmSupport opens with; it closes with the running program's path, without a line
// break, so the maker learns where the program lives.
QString SupportQuestionnaire(const QString &programPath);

// The questionnaire as the user left it, as a draft to the maker's support mailbox.
MailDraft SupportDraft(const QString &body, const maker::MakerConfig &maker);

} // namespace mail
