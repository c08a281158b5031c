#include "find/windows/ResultDelegate.h"

#include "find/windows/ResultItem.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace {

constexpr int margin = 4;

bool isResult(const QModelIndex &index)
{
    return index.data(ResultItem::TargetRole).isValid();
}

int widthOf(const QStyleOptionViewItem &option)
{
    return option.rect.width() > 0 ? option.rect.width() : (option.widget ? option.widget->width() : 400);
}

void layOut(QTextDocument &document, const QFont &font, int width, const QString &html)
{
    document.setDefaultFont(font);
    document.setDocumentMargin(margin);
    document.setHtml(html);
    document.setTextWidth(width);
}

} // namespace

void ResultDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    if (!isResult(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    QTextDocument document;
    layOut(document, option.font, widthOf(option), index.data(ResultItem::HtmlRole).toString());
    QAbstractTextDocumentLayout::PaintContext context;
    const bool selected = option.state & QStyle::State_Selected;
    context.palette.setColor(QPalette::Text,
                             option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->save();
    painter->translate(option.rect.topLeft());
    // A snippet longer than its two lines ends at a whole line, not with the top of the next one.
    painter->setClipRect(0, 0, option.rect.width(),
                         std::min(option.rect.height(), resultHeight(option.font) - margin));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize ResultDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!isResult(index))
        return QStyledItemDelegate::sizeHint(option, index);
    return QSize(widthOf(option), resultHeight(option.font));
}

int ResultDelegate::resultHeight(const QFont &font) const
{
    if (m_measuredHeight == 0 || font != m_measuredFont) {
        QTextDocument lines;
        layOut(lines, font, 400, QStringLiteral("<b>Ag</b><br>Ag<br>Ag"));
        m_measuredFont = font;
        m_measuredHeight = int(std::ceil(lines.size().height()));
    }
    return m_measuredHeight;
}
