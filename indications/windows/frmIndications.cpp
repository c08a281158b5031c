#include "indications/windows/frmIndications.h"

#include "app/platform/PlatformServices.h"
#include "app/platform/UserFiles.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/MessageBox.h"
#include "app/shell/OilNameLinks.h"
#include "app/shell/PrintHandOver.h"
#include "app/shell/WindowManager.h"
#include "content/IndicationRecords.h"
#include "indications/logic/DatabaseRepair.h"
#include "indications/logic/IndicationsText.h"
#include "indications/oillist/OilListCoding.h"
#include "ui_frmIndications.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QPointer>
#include <QSignalBlocker>
#include <QTextBlock>

using indications::Field;

frmIndications::frmIndications(QWidget *parent)
    : AppWindow(Forms::frmIndications, parent), ui(std::make_unique<Ui::frmIndications>())
{
    setUpFromDesign(*ui, this);
    ui->lstAfflictions->addItems(indications::afflictionListEntries());
    ui->lstAfflictions->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->txtOilsDec->raise();
    connectHandlers();
    // The display form is the oil list as people read it: every line of it names oils.
    new OilNameLinks(ui->txtOilsDec, [](const QTextBlock &) { return true; }); // owned by the box
    showPlaceholders();
}

frmIndications::~frmIndications() = default;

void frmIndications::connectHandlers()
{
    connect(ui->lstAfflictions, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstAfflictions_Click();
    });
    // The list marks only a selected entry: the cursor that an item view puts on its first entry when it
    // takes the focus would look like a selection of "Abscess" while another record may be on show.
    connect(ui->lstAfflictions->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!ui->lstAfflictions->selectionModel()->hasSelection())
                    ui->lstAfflictions->selectionModel()->clearCurrentIndex();
            },
            Qt::QueuedConnection);
    });
    // A click on the entry already selected searches it again (after the bar has moved elsewhere).
    connect(ui->lstAfflictions, &QListWidget::itemClicked, this, [this] { lstAfflictions_Click(); });
    connect(ui->cmdGoTo, &QPushButton::clicked, this, &frmIndications::cmdGoTo_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmIndications::cmdPrint_Click);
    connect(ui->cmdInformation, &QPushButton::clicked, this, &frmIndications::cmdInformation_Click);
    connect(ui->txtOilsEnc, &QPlainTextEdit::textChanged, this, &frmIndications::txtOilsEnc_Change);
    connect(ui->cmdAdd, &QPushButton::clicked, this, &frmIndications::cmdAdd_Click);
    connect(ui->cmdDelete, &QPushButton::clicked, this, &frmIndications::cmdDelete_Click);
    connect(ui->cmdCount, &QPushButton::clicked, this, &frmIndications::cmdCount_Click);
    connect(ui->cmdVisible, &QPushButton::clicked, this, &frmIndications::cmdVisible_Click);
    connect(ui->cmdNumsToText, &QPushButton::clicked, this, &frmIndications::cmdNumsToText_Click);
    connect(ui->cmdTextToNumbers, &QPushButton::clicked, this, &frmIndications::cmdTextToNumbers_Click);
    connect(ui->datIndications, &DataControl::firstClicked, this,
            [this] { leaveRecord([this] { m_data.moveFirst(); }); });
    connect(ui->datIndications, &DataControl::previousClicked, this,
            [this] { leaveRecord([this] { m_data.movePrevious(); }); });
    connect(ui->datIndications, &DataControl::nextClicked, this,
            [this] { leaveRecord([this] { m_data.moveNext(); }); });
    connect(ui->datIndications, &DataControl::lastClicked, this,
            [this] { leaveRecord([this] { m_data.moveLast(); }); });
}

void frmIndications::Form_Load()
{
    PlatformServices &os = platform();
    os.SetCurrentFolder(os.ApplicationFolder());
    windows().addEndOfProgramHook([page = QPointer<frmIndications>(this)] {
        if (page)
            page->writePending();
    });

    // The data control opens the database once the load steps are done.
    const QString path = userfiles::indicationsDatabase();
    if (!m_data.open(path)) {
        if (m_data.damaged())
            offerShippedOriginal(path);
        else
            messagebox::show(this, m_data.error());
        if (!m_data.isOpen())
            return;
    } else if (m_data.convertible()) {
        offerConversion(path);
    }
    showCurrent();
}

void frmIndications::offerShippedOriginal(const QString &path)
{
    const QString shipped = userfiles::shippedIndicationsDatabase();
    // In a program folder that holds its own files the user's database is the only one there is.
    const bool original = QFileInfo::exists(shipped) &&
                          QFileInfo(shipped).absoluteFilePath() != QFileInfo(path).absoluteFilePath();
    if (!original) {
        messagebox::show(this, indications::damagedText(m_data.error(), {}));
        return;
    }
    const QString kept = indications::nameToKeep(path, QStringLiteral("damaged"));
    if (!messagebox::ask(this, indications::damagedText(m_data.error(), kept)))
        return;
    if (const auto failed = indications::restoreOriginal(path, shipped, kept))
        messagebox::show(this, *failed);
    else if (!m_data.open(path))
        messagebox::show(this, m_data.error());
}

void frmIndications::offerConversion(const QString &path)
{
    const QString kept = indications::nameToKeep(path, QStringLiteral("original"));
    if (!messagebox::ask(this, indications::readOnlyText(path, m_data.readOnlyReason(), kept))) {
        m_writeFailureReported = true; // the user knows that changes are not saved
        return;
    }
    m_data.close();
    if (const auto failed = indications::convertForWriting(path, kept))
        messagebox::show(this, *failed);
    if (!m_data.open(path))
        messagebox::show(this, m_data.error());
}

void frmIndications::closeEvent(QCloseEvent *event)
{
    writePending();
    AppWindow::closeEvent(event);
}

void frmIndications::showPlaceholders()
{
    // Until the database is open the boxes show the first entry of the content set.
    const content::IndicationRecord first = content::firstIndicationRecord();
    setBoundText(Field::Indications, first.indications);
    setBoundText(Field::Oils, EncodeOilList(first.oils));
    setBoundText(Field::Method, first.method);
    setBoundText(Field::Notes, first.notes);
}

void frmIndications::setBoundText(Field field, const QString &text)
{
    const QString shown = indications::fromCrLf(text);
    switch (field) {
    case Field::Indications:
        ui->txtIndications->setText(shown);
        ui->txtIndications->setModified(false);
        break;
    case Field::Oils:
        ui->txtOilsEnc->setPlainText(shown);
        ui->txtOilsEnc->document()->setModified(false);
        break;
    case Field::Method:
        ui->txtMethod->setPlainText(shown);
        ui->txtMethod->document()->setModified(false);
        break;
    case Field::Notes:
        ui->txtNotes->setPlainText(shown);
        ui->txtNotes->document()->setModified(false);
        break;
    }
}

void frmIndications::showCurrent()
{
    for (Field field : {Field::Indications, Field::Oils, Field::Method, Field::Notes})
        setBoundText(field, m_data.field(field));
}

indications::FieldChanges frmIndications::changedFields() const
{
    indications::FieldChanges changes;
    if (ui->txtIndications->isModified())
        changes[Field::Indications] = ui->txtIndications->text();
    const std::pair<Field, QPlainTextEdit *> boxes[] = {
        {Field::Oils, ui->txtOilsEnc}, {Field::Method, ui->txtMethod}, {Field::Notes, ui->txtNotes}};
    for (const auto &[field, box] : boxes) {
        if (box->document()->isModified())
            changes[field] = indications::toCrLf(box->toPlainText());
    }
    return changes;
}

bool frmIndications::writePending()
{
    if (!m_data.isOpen())
        return true;
    const indications::FieldChanges changes = changedFields();
    if (m_data.write(changes)) {
        if (!changes.empty()) {
            showCurrent();
            emit windows().dataSaved(formName());
        }
        return true;
    }
    if (m_writeFailureReported)
        return true; // the user has been told once; this edit is given up
    m_writeFailureReported = true;
    messagebox::show(this, m_data.error());
    return false;
}

template <typename Move> void frmIndications::leaveRecord(Move move)
{
    if (!m_data.isOpen() || !writePending())
        return;
    move();
    showCurrent();
}

void frmIndications::lstAfflictions_Click()
{
    ui->cmdGoTo->setEnabled(true);
    ui->cmdGoTo->click();
}

void frmIndications::cmdGoTo_Click()
{
    // Any failure ends the search silently.
    const int count = ui->lstAfflictions->count();
    for (int i = 0; i < count; ++i) {
        const QListWidgetItem *entry = ui->lstAfflictions->item(i);
        if (!entry->isSelected())
            continue;
        ui->lblSelect->setText(entry->text());
        const QString criteria = indications::criteriaForEntry(ui->lblSelect->text());
        if (!m_data.isOpen() || !writePending())
            return;
        if (m_data.findFirst(criteria))
            showCurrent();
    }
}

bool frmIndications::showSpot(const QString &spot)
{
    if (spot.isEmpty())
        return true;
    if (!m_data.isOpen() || !writePending() || !m_data.findFirst(indications::criteriaForEntry(spot)))
        return false;
    showCurrent();
    // The list follows without searching again: the record is already on show.
    const QSignalBlocker quiet(ui->lstAfflictions);
    const QList<QListWidgetItem *> entries =
        ui->lstAfflictions->findItems(QLatin1Char(' ') + spot.trimmed(), Qt::MatchFixedString);
    if (entries.isEmpty()) {
        ui->lstAfflictions->clearSelection();
    } else {
        ui->lstAfflictions->setCurrentItem(entries.first());
        ui->lstAfflictions->scrollToItem(entries.first());
    }
    return true;
}

void frmIndications::cmdPrint_Click()
{
    PrintHandOver(indications::buildPrintText({ui->txtIndications->text(), ui->txtOilsDec->toPlainText(),
                                               ui->txtMethod->toPlainText(), ui->txtNotes->toPlainText()}));
}

void frmIndications::cmdInformation_Click()
{
    windows().OpenPage(Forms::frmInformation);
}

void frmIndications::txtOilsEnc_Change()
{
    ui->txtOilsDec->setPlainText(DecodeOilList(ui->txtOilsEnc->toPlainText()));
}

void frmIndications::cmdAdd_Click()
{
    ui->txtIndications->setFocus();
    if (!m_data.isOpen() || !writePending() || !m_data.addNew())
        return;
    showCurrent();
}

void frmIndications::cmdDelete_Click()
{
    if (!m_data.isOpen())
        return;
    if (!m_data.deleteCurrent())
        messagebox::show(this, m_data.error());
    m_data.moveFirst();
    showCurrent();
}

void frmIndications::cmdCount_Click()
{
    ui->txtCount->setVisible(true);
    ui->txtCount->setText(QString::number(ui->lstAfflictions->count()));
}

void frmIndications::cmdVisible_Click()
{
    const bool storedInView = !ui->txtOilsEnc->isHidden();
    ui->txtOilsEnc->setVisible(!storedInView);
    ui->txtOilsDec->setVisible(storedInView);
}

void frmIndications::cmdNumsToText_Click()
{
    ui->txtOilsEnc->setPlainText(DecodeOilList(ui->txtOilsEnc->toPlainText()));
    ui->txtOilsEnc->document()->setModified(true);
}

void frmIndications::cmdTextToNumbers_Click()
{
    ui->txtOilsEnc->setPlainText(EncodeOilList(ui->txtOilsEnc->toPlainText()));
    ui->txtOilsEnc->document()->setModified(true);
}
