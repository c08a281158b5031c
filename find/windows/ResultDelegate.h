#pragma once

#include <QFont>
#include <QStyledItemDelegate>

// Draws a result of the Find window as rich text: its title, and below it the snippet with the matched words
// in bold (ResultItem's HtmlRole). Every result takes the same height, a title line and two lines of snippet,
// so that laying out the list asks for no result's text: only the rows drawn make their snippets. Items that
// are no results (the group titles) are drawn as usual.
class ResultDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int resultHeight(const QFont &font) const;

    mutable QFont m_measuredFont; // the font resultHeight() was last measured in
    mutable int m_measuredHeight = 0;
};
