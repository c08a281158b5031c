#pragma once

#include "app/shell/AppWindow.h"
#include "pages/actions/ActionText.h"

#include <memory>

namespace Ui {
class frmActions;
}

// The therapeutic actions of the oils: a column of action buttons, each filling the text panel with its
// action's text, and a button that hands the text on show to the print page.
class frmActions final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmActions)

public:
    explicit frmActions(QWidget *parent = nullptr);
    ~frmActions() override;

    // The content of txtActions with CR LF line breaks, edits included: the page's whole state.
    QString actionsText() const;

    void cmdPrintActions_Click();

    // The spot is an action's caption: that action's text is shown.
    bool showSpot(const QString &spot) override;

private:
    // What every action button's click does; the buttons differ only in their entry.
    void showAction(const actions::ActionEntry &entry);

    std::unique_ptr<Ui::frmActions> ui;
    QList<actions::ActionEntry> m_entries;
};
