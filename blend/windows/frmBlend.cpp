#include "blend/windows/frmBlend.h"

#include "app/platform/UserFiles.h"
#include "app/shell/MessageBox.h"
#include "app/shell/PrintHandOver.h"
#include "app/shell/WindowManager.h"
#include "blend/logic/BlendText.h"
#include "blend/logic/PersonFile.h"
#include "blend/logic/SavedBlends.h"
#include "blend/windows/WhoIsItFor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

using blend::Mark;
using safety::Person;

namespace {

enum Column { ColOil, ColDrops, ColPercent, ColSuggested, ColMarks, ColumnCount };

// The choices of "Who is it for?", in the order of the list; the first leaves the setting unset.
struct WhoChoice
{
    const char *label;
    std::optional<Person::Group> group;
};
const WhoChoice kWho[] = {
    {"Not set (an adult)", std::nullopt},  {"Adult", Person::Group::Adult},
    {"Pregnant", Person::Group::Pregnant}, {"Breast-feeding", Person::Group::BreastFeeding},
    {"Child", Person::Group::Child},       {"Elderly or sensitive skin", Person::Group::Elderly},
};

QString shortMark(Mark::Kind kind)
{
    switch (kind) {
    case Mark::Kind::OverMaximum:
        return QStringLiteral("Over its maximum");
    case Mark::Kind::OverPhototoxic:
        return QStringLiteral("Over its maximum in the sun");
    case Mark::Kind::Avoid:
        return QStringLiteral("Avoid");
    case Mark::Kind::Caution:
        return QStringLiteral("Caution");
    }
    return {};
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

frmBlend::frmBlend(QWidget *parent) : AppWindow(Forms::frmBlend, parent)
{
    QString error;
    m_calc = blend::sharedCalculator(&error);
    build();
    showPerson();
    if (!m_calc)
        lblProblems->setText(QStringLiteral("The safety table cannot be read: ") + error);
}

frmBlend::~frmBlend() = default;

QString frmBlend::savedBlendsFile()
{
    return QDir(userfiles::dataFolder()).filePath(QStringLiteral("Blends.json"));
}

void frmBlend::build()
{
    auto *layout = new QVBoxLayout(this);

    auto *who = named(new QGroupBox(QStringLiteral("Who is it for?"), this), "fraWho");
    auto *whoRow = new QHBoxLayout(who);
    cboWho = named(new QComboBox(who), "cboWho");
    for (const WhoChoice &c : kWho)
        cboWho->addItem(QLatin1String(c.label));
    cboWho->setAccessibleName(QStringLiteral("Who is it for?"));
    spnAge = named(new QSpinBox(who), "spnAge");
    spnAge->setRange(0, 17);
    spnAge->setSuffix(QStringLiteral(" years"));
    spnAge->setAccessibleName(QStringLiteral("Age of the child"));
    chkEpilepsy = named(new QCheckBox(QStringLiteral("Epilepsy"), who), "chkEpilepsy");
    chkAsthma = named(new QCheckBox(QStringLiteral("Asthma"), who), "chkAsthma");
    chkHighBloodPressure =
        named(new QCheckBox(QStringLiteral("High blood pressure"), who), "chkHighBloodPressure");
    chkAnticoagulants = named(new QCheckBox(QStringLiteral("Anticoagulants"), who), "chkAnticoagulants");
    whoRow->addWidget(cboWho);
    whoRow->addWidget(spnAge);
    for (QCheckBox *c : {chkEpilepsy, chkAsthma, chkHighBloodPressure, chkAnticoagulants})
        whoRow->addWidget(c);
    whoRow->addStretch();
    layout->addWidget(who);

    auto *form = new QFormLayout;
    cboUse = named(new QComboBox(this), "cboUse");
    if (m_calc)
        for (const safety::UseLevel &u : m_calc->rules().uses)
            cboUse->addItem(u.label, u.use);
    form->addRow(QStringLiteral("Use:"), cboUse);
    auto *carrierRow = new QHBoxLayout;
    txtCarrier = named(new QLineEdit(QStringLiteral("30"), this), "txtCarrier");
    txtCarrier->setAccessibleName(QStringLiteral("Carrier oil amount"));
    cboUnit = named(new QComboBox(this), "cboUnit");
    for (blend::Unit u : {blend::Unit::Ml, blend::Unit::Teaspoon, blend::Unit::Tablespoon, blend::Unit::FlOz})
        cboUnit->addItem(blend::unitName(u), int(u));
    carrierRow->addWidget(txtCarrier);
    carrierRow->addWidget(cboUnit);
    carrierRow->addStretch();
    form->addRow(QStringLiteral("Carrier oil:"), carrierRow);
    const blend::Measures m = m_calc ? m_calc->measures() : blend::Measures{};
    auto *measures =
        named(new QLabel(QStringLiteral("%1 drops make 1 ml; 1 teaspoon is %2 ml, 1 tablespoon %3 ml, "
                                        "1 fl oz %4 ml. Percentages are of the carrier oil.")
                             .arg(m.dropsPerMl)
                             .arg(m.teaspoonMl)
                             .arg(m.tablespoonMl)
                             .arg(m.flOzMl),
                         this),
              "lblMeasures");
    measures->setWordWrap(true);
    form->addRow(measures);
    auto *hint =
        named(new QLabel(QStringLiteral("Right-click an oil on an oil page for \"Add to blend\", or the oil "
                                        "list of an indication for \"Make a blend from these oils\"."),
                         this),
              "lblHint");
    hint->setWordWrap(true);
    form->addRow(hint);
    auto *addRow = new QHBoxLayout;
    txtOil = named(new QLineEdit(this), "txtOil");
    txtOil->setPlaceholderText(QStringLiteral("Type an oil's name"));
    txtOil->setAccessibleName(QStringLiteral("Oil to add"));
    auto *completer = new QCompleter(m_calc ? m_calc->oilNames() : QStringList(), txtOil);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    txtOil->setCompleter(completer);
    txtDrops = named(new QLineEdit(this), "txtDrops");
    txtDrops->setPlaceholderText(QStringLiteral("drops"));
    txtDrops->setAccessibleName(QStringLiteral("Drops of the oil to add"));
    txtDrops->setMaximumWidth(80);
    addRow->addWidget(txtOil, 1);
    addRow->addWidget(txtDrops);
    addRow->addWidget(button(this, "cmdAdd", QStringLiteral("Add")));
    form->addRow(QStringLiteral("Oil:"), addRow);
    layout->addLayout(form);

    tblOils = named(new QTableWidget(0, ColumnCount, this), "tblOils");
    tblOils->setHorizontalHeaderLabels({QStringLiteral("Oil"), QStringLiteral("Drops"),
                                        QStringLiteral("Share"), QStringLiteral("Suggested"),
                                        QStringLiteral("Marks (hover for the reason and source)")});
    tblOils->horizontalHeader()->setStretchLastSection(true);
    tblOils->horizontalHeader()->setSectionResizeMode(ColOil, QHeaderView::ResizeToContents);
    tblOils->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblOils->verticalHeader()->hide();
    layout->addWidget(tblOils, 1);

    lblTotal = named(new QLabel(this), "lblTotal");
    lblLevel = named(new QLabel(this), "lblLevel");
    lblProblems = named(new QLabel(this), "lblProblems");
    for (QLabel *l : {lblTotal, lblLevel, lblProblems}) {
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(l);
    }
    lblTotal->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lblProblems->setStyleSheet(QStringLiteral("color: rgb(160,0,0);"));

    auto *actions = new QHBoxLayout;
    actions->addWidget(button(this, "cmdRemove", QStringLiteral("Remove Oil")));
    cmdSuggest = button(this, "cmdSuggest", QStringLiteral("Use Suggested Drops"));
    actions->addWidget(cmdSuggest);
    actions->addStretch();
    txtName = named(new QLineEdit(this), "txtName");
    txtName->setPlaceholderText(QStringLiteral("Name of the blend"));
    txtName->setAccessibleName(QStringLiteral("Name of the blend"));
    txtName->setMinimumWidth(140);
    actions->addWidget(txtName);
    actions->addWidget(button(this, "cmdSave", QStringLiteral("Save")));
    cboSaved = named(new QComboBox(this), "cboSaved");
    cboSaved->setAccessibleName(QStringLiteral("Saved blends"));
    cboSaved->setMinimumContentsLength(12);
    actions->addWidget(cboSaved);
    actions->addWidget(button(this, "cmdOpen", QStringLiteral("Open")));
    actions->addWidget(button(this, "cmdPrint", QStringLiteral("Print")));
    actions->addWidget(button(this, "cmdClose", QStringLiteral("Close")));
    layout->addLayout(actions);

    const auto clicked = [this](const char *name, void (frmBlend::*slot)()) {
        connect(findChild<QPushButton *>(QLatin1String(name)), &QPushButton::clicked, this, slot);
    };
    clicked("cmdAdd", &frmBlend::cmdAdd_Click);
    clicked("cmdRemove", &frmBlend::cmdRemove_Click);
    clicked("cmdSuggest", &frmBlend::cmdSuggest_Click);
    clicked("cmdSave", &frmBlend::cmdSave_Click);
    clicked("cmdOpen", &frmBlend::cmdOpen_Click);
    clicked("cmdPrint", &frmBlend::cmdPrint_Click);
    connect(findChild<QPushButton *>(QStringLiteral("cmdClose")), &QPushButton::clicked, this,
            [] { windows().ClosePage(Forms::frmBlend); });
    connect(txtOil, &QLineEdit::returnPressed, this, &frmBlend::cmdAdd_Click);
    connect(txtDrops, &QLineEdit::returnPressed, this, &frmBlend::cmdAdd_Click);
    connect(txtCarrier, &QLineEdit::textChanged, this, &frmBlend::refresh);
    connect(cboUnit, &QComboBox::currentIndexChanged, this, &frmBlend::refresh);
    connect(cboUse, &QComboBox::currentIndexChanged, this, &frmBlend::refresh);
    connect(tblOils, &QTableWidget::itemChanged, this, [this] {
        if (!m_updating)
            refresh();
    });
    connect(cboWho, &QComboBox::currentIndexChanged, this, &frmBlend::personEdited);
    connect(spnAge, &QSpinBox::valueChanged, this, &frmBlend::personEdited);
    for (QCheckBox *c : {chkEpilepsy, chkAsthma, chkHighBloodPressure, chkAnticoagulants})
        connect(c, &QCheckBox::toggled, this, &frmBlend::personEdited);
    connect(&blend::WhoIsItFor::instance(), &blend::WhoIsItFor::changed, this, &frmBlend::showPerson);
}

void frmBlend::Form_Load()
{
    fillSaved();
    refresh();
}

std::optional<Person> frmBlend::editedPerson() const
{
    const auto group = kWho[std::clamp(cboWho->currentIndex(), 0, int(std::size(kWho)) - 1)].group;
    if (!group)
        return std::nullopt;
    Person p;
    p.group = *group;
    if (p.group == Person::Group::Child)
        p.ageYears = spnAge->value();
    p.epilepsy = chkEpilepsy->isChecked();
    p.asthma = chkAsthma->isChecked();
    p.highBloodPressure = chkHighBloodPressure->isChecked();
    p.anticoagulants = chkAnticoagulants->isChecked();
    return p;
}

void frmBlend::personEdited()
{
    if (m_updating)
        return;
    spnAge->setEnabled(cboWho->currentIndex() == 4);
    blend::WhoIsItFor::instance().set(editedPerson());
}

// The setting as kept (at load, and when another window changes it).
void frmBlend::showPerson()
{
    const bool wasUpdating = std::exchange(m_updating, true);
    const auto &person = blend::WhoIsItFor::instance().person();
    int index = 0;
    for (int i = 1; person && i < int(std::size(kWho)); ++i)
        if (kWho[i].group == person->group)
            index = i;
    cboWho->setCurrentIndex(index);
    spnAge->setValue(person && person->group == Person::Group::Child ? person->ageYears : 0);
    spnAge->setEnabled(index == 4);
    chkEpilepsy->setChecked(person && person->epilepsy);
    chkAsthma->setChecked(person && person->asthma);
    chkHighBloodPressure->setChecked(person && person->highBloodPressure);
    chkAnticoagulants->setChecked(person && person->anticoagulants);
    m_updating = wasUpdating;
    refresh();
}

blend::Recipe frmBlend::recipe() const
{
    blend::Recipe r;
    for (int row = 0; row < tblOils->rowCount(); ++row)
        r.oils.push_back({tblOils->item(row, ColOil)->text(), tblOils->item(row, ColDrops)->text()});
    r.carrier = txtCarrier->text();
    r.unit = blend::Unit(cboUnit->currentData().toInt());
    r.use = cboUse->currentData().toString();
    return r;
}

void frmBlend::refresh()
{
    if (m_updating || !m_calc)
        return;
    m_result = m_calc->evaluate(recipe(), blend::WhoIsItFor::instance().person().value_or(Person{}));
    showResult();
}

void frmBlend::showResult()
{
    const bool wasUpdating = std::exchange(m_updating, true);
    const blend::Result &r = m_result;
    for (int row = 0; row < tblOils->rowCount() && row < int(r.oils.size()); ++row) {
        const blend::OilResult &o = r.oils[row];
        const auto cell = [&](int column) {
            QTableWidgetItem *item = tblOils->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                tblOils->setItem(row, column, item);
            }
            return item;
        };
        cell(ColPercent)->setText(o.percent ? blend::percentText(*o.percent) : QString());
        cell(ColSuggested)
            ->setText(r.figures() && r.needsChange ? QString::number(o.suggestedDrops) : QString());
        QStringList shortText, full;
        bool limit = false;
        for (const Mark &m : o.marks) {
            shortText << shortMark(m.kind);
            full << QStringLiteral("%1: %2 (source: %3)").arg(shortMark(m.kind), m.reason, m.source);
            limit = limit || m.kind != Mark::Kind::Caution;
        }
        QTableWidgetItem *marks = cell(ColMarks);
        marks->setText(shortText.isEmpty()
                           ? QString()
                           : QStringLiteral("\u26a0 ") + shortText.join(QStringLiteral("; ")));
        marks->setToolTip(full.join(QLatin1Char('\n')));
        marks->setData(Qt::AccessibleTextRole,
                       full.isEmpty() ? QString()
                                      : o.name + QStringLiteral(": ") + full.join(QStringLiteral(". ")));
        const QBrush background = limit ? QBrush(QColor(255, 220, 220)) : QBrush();
        for (int c = 0; c < ColumnCount; ++c)
            if (QTableWidgetItem *item = tblOils->item(row, c))
                item->setBackground(background);
    }
    if (r.figures())
        lblTotal->setText(QStringLiteral("Total: %1 of the carrier oil%2")
                              .arg(blend::percentText(*r.totalPercent),
                                   r.totalOver
                                       ? QStringLiteral(" \u2014 over the level for this use and person")
                                       : QString()));
    else
        lblTotal->setText(QStringLiteral("Total: \u2014"));
    if (r.level)
        lblLevel->setText(QStringLiteral("Level: %1 (%2). Source: %3")
                              .arg(blend::percentText(r.level->percent), r.level->text, r.level->source));
    else
        lblLevel->setText(r.useNote);
    lblLevel->setStyleSheet(r.totalOver ? QStringLiteral("color: rgb(160,0,0);") : QString());
    lblProblems->setText(r.problems.join(QLatin1Char('\n')));
    cmdSuggest->setEnabled(r.figures() && r.needsChange);
    m_updating = wasUpdating;
}

void frmBlend::addOil(const QString &name)
{
    for (int row = 0; row < tblOils->rowCount(); ++row)
        if (tblOils->item(row, ColOil)->text().compare(name, Qt::CaseInsensitive) == 0)
            return;
    const bool wasUpdating = std::exchange(m_updating, true);
    const int row = tblOils->rowCount();
    tblOils->insertRow(row);
    const safety::OilSafety *oil = m_calc ? m_calc->table().find(name.trimmed()) : nullptr;
    auto *nameItem = new QTableWidgetItem(oil ? oil->name : name.trimmed());
    nameItem->setFlags(nameItem->flags() & ~Qt::ItemIsEditable);
    tblOils->setItem(row, ColOil, nameItem);
    tblOils->setItem(row, ColDrops, new QTableWidgetItem);
    m_updating = wasUpdating;
    refresh();
}

void frmBlend::startWith(const QStringList &names)
{
    const bool wasUpdating = std::exchange(m_updating, true);
    tblOils->setRowCount(0);
    for (const QString &name : names)
        addOil(name);
    m_updating = wasUpdating;
    refresh();
}

void frmBlend::cmdAdd_Click()
{
    const QString name = txtOil->text().trimmed();
    if (name.isEmpty())
        return;
    addOil(name);
    const bool wasUpdating = std::exchange(m_updating, true);
    for (int row = 0; row < tblOils->rowCount(); ++row)
        if (tblOils->item(row, ColOil)->text().compare(name, Qt::CaseInsensitive) == 0 &&
            !txtDrops->text().trimmed().isEmpty())
            tblOils->item(row, ColDrops)->setText(txtDrops->text().trimmed());
    m_updating = wasUpdating;
    txtOil->clear();
    txtDrops->clear();
    refresh();
}

void frmBlend::cmdRemove_Click()
{
    const int row = tblOils->currentRow();
    if (row < 0)
        return;
    tblOils->removeRow(row);
    refresh();
}

void frmBlend::cmdSuggest_Click()
{
    if (!m_result.figures())
        return;
    const bool wasUpdating = std::exchange(m_updating, true);
    for (int row = 0; row < tblOils->rowCount() && row < int(m_result.oils.size()); ++row)
        tblOils->item(row, ColDrops)->setText(QString::number(m_result.oils[row].suggestedDrops));
    m_updating = wasUpdating;
    refresh();
}

void frmBlend::loadRecipe(const blend::Recipe &r)
{
    const bool wasUpdating = std::exchange(m_updating, true);
    tblOils->setRowCount(0);
    for (const blend::OilEntry &e : r.oils) {
        addOil(e.name);
        tblOils->item(tblOils->rowCount() - 1, ColDrops)->setText(e.drops);
    }
    txtCarrier->setText(r.carrier);
    cboUnit->setCurrentIndex(std::max(0, cboUnit->findData(int(r.unit))));
    cboUse->setCurrentIndex(std::max(0, cboUse->findData(r.use)));
    m_updating = wasUpdating;
    refresh();
}

void frmBlend::fillSaved(const QString &select)
{
    const blend::SavedBlends saved = blend::readSavedBlends(savedBlendsFile());
    cboSaved->clear();
    for (const blend::NamedBlend &b : saved.blends)
        cboSaved->addItem(b.name);
    if (!select.isEmpty())
        cboSaved->setCurrentText(select);
    if (!saved.error.isEmpty())
        messagebox::show(this,
                         QStringLiteral("The saved blends cannot be read; the file is kept as it is and "
                                        "no blend will be saved over it.\n") +
                             saved.error);
}

void frmBlend::cmdSave_Click()
{
    const QString name = txtName->text().trimmed();
    if (name.isEmpty()) {
        messagebox::show(this, QStringLiteral("Give the blend a name to save it."));
        return;
    }
    const QString path = savedBlendsFile();
    blend::SavedBlends saved = blend::readSavedBlends(path);
    if (!saved.error.isEmpty()) {
        messagebox::show(this,
                         QStringLiteral("The blend was not saved: the saved blends cannot be read, and the "
                                        "file is kept as it is.\n") +
                             saved.error);
        return;
    }
    blend::keepBlend(&saved.blends, {name, recipe()});
    if (const auto failed = blend::writeSavedBlends(path, saved.blends)) {
        messagebox::show(this, QStringLiteral("The blend was not saved.\n") + *failed);
        return;
    }
    fillSaved(name);
}

void frmBlend::cmdOpen_Click()
{
    const blend::SavedBlends saved = blend::readSavedBlends(savedBlendsFile());
    if (!saved.error.isEmpty()) {
        messagebox::show(this, QStringLiteral("The saved blends cannot be read.\n") + saved.error);
        return;
    }
    for (const blend::NamedBlend &b : saved.blends)
        if (b.name == cboSaved->currentText()) {
            txtName->setText(b.name);
            loadRecipe(b.recipe);
            return;
        }
}

void frmBlend::cmdPrint_Click()
{
    const auto &person = blend::WhoIsItFor::instance().person();
    PrintHandOver(blend::blendText(txtName->text().trimmed(), recipe(), m_result, cboUse->currentText(),
                                   blend::describePerson(person.value_or(Person{})),
                                   m_calc ? m_calc->measures().dropsPerMl : 20));
}
