#pragma once

#include "app/shell/AppWindow.h"
#include "blend/logic/Blend.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The Blend Calculator: oils and drops, the carrier and the use, and the person the blend is for; it shows
// each oil's share and the total as they are typed, marks what passes a limit or should be avoided, with the
// reason and its source, and offers drops within the limits. The arithmetic and the checks are
// blend::Calculator's.
class frmBlend final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBlend)

public:
    explicit frmBlend(QWidget *parent = nullptr);
    ~frmBlend() override;

    // "Add to blend" from an oil's row; an oil already in the blend keeps its drops.
    void addOil(const QString &name);
    // "Make a blend from these oils": the blend starts afresh with these oils, their drops still to choose.
    void startWith(const QStringList &names);

    blend::Recipe recipe() const;
    const blend::Result &result() const { return m_result; }

    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdSuggest_Click();
    void cmdSave_Click();
    void cmdOpen_Click();
    void cmdPrint_Click();

    static QString savedBlendsFile();

protected:
    void Form_Load() override;

private:
    void build();
    void refresh();
    void showResult();
    void personEdited();
    void showPerson();
    void fillSaved(const QString &select = {});
    void loadRecipe(const blend::Recipe &recipe);
    std::optional<safety::Person> editedPerson() const;

    const blend::Calculator *m_calc = nullptr;
    blend::Result m_result;
    bool m_updating = false;

    QComboBox *cboWho = nullptr;
    QSpinBox *spnAge = nullptr;
    QCheckBox *chkEpilepsy = nullptr;
    QCheckBox *chkAsthma = nullptr;
    QCheckBox *chkHighBloodPressure = nullptr;
    QCheckBox *chkAnticoagulants = nullptr;
    QComboBox *cboUse = nullptr;
    QLineEdit *txtCarrier = nullptr;
    QComboBox *cboUnit = nullptr;
    QLineEdit *txtOil = nullptr;
    QLineEdit *txtDrops = nullptr;
    QTableWidget *tblOils = nullptr;
    QLabel *lblTotal = nullptr;
    QLabel *lblLevel = nullptr;
    QLabel *lblProblems = nullptr;
    QPushButton *cmdSuggest = nullptr;
    QComboBox *cboSaved = nullptr;
    QLineEdit *txtName = nullptr;
};
