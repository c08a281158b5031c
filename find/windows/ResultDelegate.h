#pragma once

#include <QStyledItemDelegate>

// Draws a result of the Find window as rich text: its title, and below it the snippet with the matched words
// in bold. The item's HtmlRole holds the text; items without it (the group titles) are drawn as usual.
class ResultDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int HtmlRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
