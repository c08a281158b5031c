#pragma once

#include "find/logic/SearchIndex.h"

#include <QListWidgetItem>
#include <memory>
#include <optional>

// A result in the Find window's list. A keystroke finds many more results than the list shows, so a result's
// snippet and the text drawn from it are made only when the list first asks for them (as it draws the row),
// and kept.
class ResultItem final : public QListWidgetItem
{
public:
    static constexpr int TargetRole = Qt::UserRole;   // where opening the result leads
    static constexpr int HtmlRole = Qt::UserRole + 1; // the title and the snippet, its matches in bold

    ResultItem(std::shared_ptr<const find::SearchIndex> index,
               std::shared_ptr<const find::SearchResults> results, find::Result result);

    QVariant data(int role) const override;

private:
    const find::Snippet &snippet() const;

    std::shared_ptr<const find::SearchIndex> m_index;
    std::shared_ptr<const find::SearchResults> m_results; // what the snippet marks
    find::Result m_result;
    mutable std::optional<find::Snippet> m_snippet;
};
