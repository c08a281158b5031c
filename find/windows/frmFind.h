#pragma once

#include "app/shell/AppWindow.h"
#include "find/logic/SearchIndex.h"

#include <memory>

class FindIndex;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

// Find: a text box and, below it, what the reference holds for the words typed, grouped by kind and updated
// as the user types. Enter or a double click opens the selected result where it is; Escape closes the window.
class frmFind final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFind)

public:
    explicit frmFind(FindIndex &index, QWidget *parent = nullptr);
    ~frmFind() override;

    // Opens the selected result's place; false when no result is selected.
    bool openSelected();

protected:
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void search();
    // Each result's item keeps the index and the results, to make its snippet when the list shows it.
    void showResults(const std::shared_ptr<const find::SearchIndex> &index, find::SearchResults answer);
    void showSuggestion(const QString &suggestion);
    // Moves the selection by step results, passing over the group titles.
    void moveSelection(int step);
    void indexReady();

    FindIndex &m_index;
    QLineEdit *m_text = nullptr; // owned by this window, as are the others
    QListWidget *m_results = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_suggestion = nullptr;
    bool m_problemReported = false;
};
