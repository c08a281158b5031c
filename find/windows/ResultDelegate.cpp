#include "find/windows/ResultDelegate.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace {

constexpr int margin = 4;

void layOut(QTextDocument &document, const QStyleOptionViewItem &option, const QString &html)
{
    document.setDefaultFont(option.font);
    document.setDocumentMargin(margin);
    document.setHtml(html);
    const int width =
        option.rect.width() > 0 ? option.rect.width() : (option.widget ? option.widget->width() : 400);
    document.setTextWidth(width);
}

} // namespace

void ResultDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    const QString html = index.data(HtmlRole).toString();
    if (html.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    QTextDocument document;
    layOut(document, option, html);
    QAbstractTextDocumentLayout::PaintContext context;
    const bool selected = option.state & QStyle::State_Selected;
    context.palette.setColor(QPalette::Text,
                             option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->save();
    painter->translate(option.rect.topLeft());
    painter->setClipRect(option.rect.translated(-option.rect.topLeft()));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize ResultDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString html = index.data(HtmlRole).toString();
    if (html.isEmpty())
        return QStyledItemDelegate::sizeHint(option, index);
    QTextDocument document;
    layOut(document, option, html);
    return QSize(int(document.idealWidth()), int(document.size().height()));
}
