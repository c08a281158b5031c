#pragma once

#include "app/shell/AppWindow.h"
#include "indications/logic/IndicationsData.h"

#include <memory>

namespace Ui {
class frmIndications;
}

// The indications index: a fixed list of afflictions on the left selects a record of Indications.mdb; the
// boxes on the right are bound to the current record and write changes back when it is left.
class frmIndications final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmIndications)

public:
    explicit frmIndications(QWidget *parent = nullptr);
    ~frmIndications() override;

    void lstAfflictions_Click();
    void cmdGoTo_Click();
    void cmdPrint_Click();
    void cmdInformation_Click();
    void txtOilsEnc_Change();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdCount_Click();
    void cmdVisible_Click();
    void cmdNumsToText_Click();
    void cmdTextToNumbers_Click();

    // Writes the bound boxes changed since the record was shown. False when the file refused the change and
    // the user has just been told; the edit then stays in its box.
    bool writePending();
    const indications::IndicationsData &data() const { return m_data; }

    // The spot is an indication's name: its record is shown (edits on show are written first) and its list
    // entry, if the list has one, is selected. False when no record has that name.
    bool showSpot(const QString &spot) override;

protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    // Says once why the database cannot be used as it is, and puts a usable one in its place if the user
    // agrees; the user's file is always kept.
    void offerShippedOriginal(const QString &path);
    void offerConversion(const QString &path);
    void showPlaceholders();
    void showCurrent();
    void setBoundText(indications::Field field, const QString &text);
    indications::FieldChanges changedFields() const;
    // Writes pending edits, then moves; nothing moves when the edits could not be written.
    template <typename Move> void leaveRecord(Move move);

    std::unique_ptr<Ui::frmIndications> ui;
    indications::IndicationsData m_data;
    bool m_writeFailureReported = false;
};
