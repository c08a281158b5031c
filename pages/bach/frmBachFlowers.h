#pragma once

#include "app/shell/AppWindow.h"

#include <QHash>
#include <memory>

namespace Ui {
class frmBachFlowers;
}

// The 38 Bach flower remedies. A click on a name shows the remedy panel; two buttons show the history and the
// references; with no panel open the centre shows the honeysuckle picture. One centre view shows at a time.
class frmBachFlowers final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBachFlowers)

public:
    explicit frmBachFlowers(QWidget *parent = nullptr);
    ~frmBachFlowers() override;

    void cmdClose_Click();
    void cmdHistory_Click();
    void cmdReferences_Click();
    void cmdCloseHistory_Click();
    void cmdCloseRef_Click();

    // The spot is a remedy's name (its view), or one of the two text views.
    static inline const QString HistorySpot = QStringLiteral("History");
    static inline const QString ReferencesSpot = QStringLiteral("References");
    bool showSpot(const QString &spot) override;

private:
    struct Remedy
    {
        QString name;
        QString stateOfMind;
        QString autosuggestion;
    };

    // What every remedy label's click does; the labels differ only in their remedy.
    void showRemedy(const Remedy &remedy);
    void fillFixedTexts();
    void connectRemedyLabels();

    std::unique_ptr<Ui::frmBachFlowers> ui;
    QHash<QString, Remedy> m_remediesByName;
};
