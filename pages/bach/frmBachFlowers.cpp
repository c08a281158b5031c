#include "pages/bach/frmBachFlowers.h"

#include "app/shell/ClickableLabel.h"
#include "app/shell/DesignProperties.h"
#include "content/BachTexts.h"
#include "ui_frmBachFlowers.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

// The arrow over the remedy names; its hot spot is the arrow's tip.
QCursor remedyPointer()
{
    QSvgRenderer svg(QStringLiteral(":/content/pictures/pointer-arrow-right.svg"));
    if (!svg.isValid())
        return QCursor(Qt::PointingHandCursor);
    QPixmap arrow(32, 32);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    svg.render(&painter);
    painter.end();
    return QCursor(arrow, 30, 16);
}

} // namespace

frmBachFlowers::frmBachFlowers(QWidget *parent)
    : AppWindow(Forms::frmBachFlowers, parent), ui(std::make_unique<Ui::frmBachFlowers>())
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 64, 0));
    setPalette(pal);

    setUpFromDesign(*ui, this);
    fillFixedTexts();
    connectRemedyLabels();
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmBachFlowers::cmdClose_Click);
    connect(ui->cmdHistory, &QPushButton::clicked, this, &frmBachFlowers::cmdHistory_Click);
    connect(ui->cmdReferences, &QPushButton::clicked, this, &frmBachFlowers::cmdReferences_Click);
    connect(ui->cmdCloseHistory, &QPushButton::clicked, this, &frmBachFlowers::cmdCloseHistory_Click);
    connect(ui->cmdCloseRef, &QPushButton::clicked, this, &frmBachFlowers::cmdCloseRef_Click);
}

frmBachFlowers::~frmBachFlowers() = default;

void frmBachFlowers::fillFixedTexts()
{
    // The panels keep their texts' hard line breaks.
    ui->Text1->setPlainText(content::bachHistory().join(QLatin1Char('\n')));
    ui->Text2->setPlainText(content::bachReferences().join(QLatin1Char('\n')));
    ui->Label40->setText(content::rescueTexts().combines);
    ui->Label41->setText(content::rescueTexts().situations);
}

void frmBachFlowers::connectRemedyLabels()
{
    QHash<QString, Remedy> remedies;
    for (const content::BachRemedy &entry : content::bachRemedies())
        remedies.insert(entry.label, Remedy{entry.name, entry.stateOfMind, entry.autosuggestion});

    const QCursor pointer = remedyPointer();
    for (QWidget *column : {static_cast<QWidget *>(ui->Frame1), static_cast<QWidget *>(ui->Frame2)}) {
        const auto labels = column->findChildren<ClickableLabel *>(Qt::FindDirectChildrenOnly);
        for (ClickableLabel *label : labels) {
            label->setCursor(pointer);
            // The label's own caption titles the panel even if its texts are missing from the content.
            const Remedy remedy = remedies.value(label->objectName(), Remedy{label->text(), {}, {}});
            connect(label, &ClickableLabel::clicked, this, [this, remedy] { showRemedy(remedy); });
            m_remediesByName.insert(remedy.name, remedy);
        }
    }
}

void frmBachFlowers::showRemedy(const Remedy &remedy)
{
    ui->fraMental->setVisible(true);
    ui->fraHistory->setVisible(false);
    ui->fraReferences->setVisible(false);
    ui->imgHoneysuckle->setVisible(false);
    ui->lblRemedy->setText(remedy.name);
    ui->lblMental->setText(remedy.stateOfMind);
    ui->lblAutosuggestion->setText(remedy.autosuggestion);
}

bool frmBachFlowers::showSpot(const QString &spot)
{
    if (spot.isEmpty())
        return true;
    if (spot == HistorySpot)
        cmdHistory_Click();
    else if (spot == ReferencesSpot)
        cmdReferences_Click();
    else if (const auto remedy = m_remediesByName.constFind(spot); remedy != m_remediesByName.cend())
        showRemedy(*remedy);
    else
        return false;
    return true;
}

void frmBachFlowers::cmdClose_Click()
{
    ui->fraMental->setVisible(false);
    ui->imgHoneysuckle->setVisible(true);
}

void frmBachFlowers::cmdHistory_Click()
{
    ui->fraMental->setVisible(false);
    ui->fraReferences->setVisible(false);
    ui->imgHoneysuckle->setVisible(false);
    ui->fraHistory->setVisible(true);
}

void frmBachFlowers::cmdReferences_Click()
{
    ui->fraMental->setVisible(false);
    ui->fraHistory->setVisible(false);
    ui->imgHoneysuckle->setVisible(false);
    ui->fraReferences->setVisible(true);
}

void frmBachFlowers::cmdCloseHistory_Click()
{
    ui->fraMental->setVisible(false);
    ui->fraHistory->setVisible(false);
    ui->fraReferences->setVisible(false);
    ui->imgHoneysuckle->setVisible(true);
}

void frmBachFlowers::cmdCloseRef_Click()
{
    cmdCloseHistory_Click();
}
