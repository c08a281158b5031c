#include "mail/windows/frmSupport.h"

#include "app/platform/PlatformServices.h"
#include "app/shell/DesignProperties.h"
#include "mail/logic/SupportRequest.h"
#include "mail/windows/DraftHandOff.h"
#include "shared/MakerConfig.h"
#include "ui_frmSupport.h"

namespace {

// The address split at its "@" over the two labels that show it side by side.
std::pair<QString, QString> splitMailbox(const QString &mailbox)
{
    const qsizetype at = mailbox.indexOf(u'@');
    if (at < 0)
        return {mailbox, QString()};
    return {mailbox.left(at), mailbox.mid(at)};
}

} // namespace

frmSupport::frmSupport(QWidget *parent)
    : AppWindow(Forms::frmSupport, parent), ui(std::make_unique<Ui::frmSupport>())
{
    setUpFromDesign(*ui, this);
    const maker::MakerConfig &maker = maker::makerConfig();
    const auto [local, domain] = splitMailbox(maker.supportMailbox);
    ui->Label1->setText(local);
    ui->Label4->setText(domain);
    ui->Label6->setText(maker.alternativeSupportMailbox);
    ui->Text2->setText(maker.supportMailbox);
    ui->Text3->setText(maker.alternativeSupportMailbox);
    connect(ui->cmdCallEmail, &QPushButton::clicked, this, &frmSupport::cmdCallEmail_Click);
}

frmSupport::~frmSupport() = default;

void frmSupport::Form_Load()
{
    PlatformServices &os = platform();
    os.SetCurrentFolder(os.ApplicationFolder());
    // The box keeps line breaks as LF; the draft writer turns them back into CR LF.
    QString questionnaire = mail::SupportQuestionnaire(os.ProgramFilePath());
    questionnaire.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ui->txtSupport->setPlainText(questionnaire);
}

void frmSupport::cmdCallEmail_Click()
{
    mail::SendMailDraft(this, QString::fromLatin1(mail::kSupportDraftFile),
                        mail::SupportDraft(ui->txtSupport->toPlainText(), maker::makerConfig()));
}
