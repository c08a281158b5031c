#include "mail/windows/DraftHandOff.h"

#include "app/platform/PlatformServices.h"
#include "app/platform/UserFiles.h"
#include "app/shell/MessageBox.h"

namespace mail {

bool SendMailDraft(QWidget *parent, const QString &fileName, const MailDraft &draft)
{
    PlatformServices &os = platform();
    const QString path = DraftPath(userfiles::dataFolder(), fileName);
    if (const std::optional<ansi::FileError> error = WriteMailDraft(path, draft)) {
        messagebox::show(parent,
                         QString::fromLatin1(kDraftNotCreated) + QStringLiteral("\n\n") + error->userText());
        return false;
    }
    // The desktop stands in as owner: the mail program's window belongs to no window of ours.
    os.ShellOpen(nullptr, QStringLiteral("Open"), path);
    return true;
}

} // namespace mail
