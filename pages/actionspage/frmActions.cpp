#include "pages/actionspage/frmActions.h"

#include "app/shell/DesignProperties.h"
#include "app/shell/OilNameLinks.h"
#include "app/shell/PrintHandOver.h"
#include "ui_frmActions.h"

#include <QPushButton>
#include <QTextBlock>

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

frmActions::frmActions(QWidget *parent)
    : AppWindow(Forms::frmActions, parent), ui(std::make_unique<Ui::frmActions>()),
      m_entries(actions::loadActionEntries())
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 32, 48));
    setPalette(pal);
    QFont windowFont = font();
    windowFont.setPointSizeF(11.25);
    setFont(windowFont);

    setUpFromDesign(*ui, this);

    for (const actions::ActionEntry &entry : std::as_const(m_entries)) {
        auto *button = ui->Frame1->findChild<QPushButton *>(entry.button);
        if (!button)
            continue;
        connect(button, &QPushButton::clicked, this, [this, entry] { showAction(entry); });
    }
    connect(ui->cmdPrintActions, &QPushButton::clicked, this, &frmActions::cmdPrintActions_Click);
    new OilNameLinks(ui->txtActions, [](const QTextBlock &line) { // owned by the box
        return line.blockNumber() == actions::OilListLineIndex;
    });
}

frmActions::~frmActions() = default;

QString frmActions::actionsText() const
{
    // The box keeps paragraphs; the page's texts and the print page speak CR LF.
    return ui->txtActions->toPlainText().replace(QLatin1Char('\n'), CrLf);
}

void frmActions::showAction(const actions::ActionEntry &entry)
{
    ui->fraActions->setVisible(true);
    ui->txtActions->setVisible(true);
    QString text = actions::buildActionText(entry);
    ui->txtActions->setPlainText(text.replace(CrLf, QStringLiteral("\n")));
    ui->cmdPrintActions->setEnabled(true);
}

bool frmActions::showSpot(const QString &spot)
{
    if (spot.isEmpty())
        return true;
    for (const actions::ActionEntry &entry : std::as_const(m_entries)) {
        if (entry.caption == spot) {
            showAction(entry);
            return true;
        }
    }
    return false;
}

void frmActions::cmdPrintActions_Click()
{
    // A print page that cannot be opened leaves this page as it is, without a message.
    PrintHandOver(actionsText());
}
