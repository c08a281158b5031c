#include "pages/reference/PageLook.h"

#include "app/shell/Twips.h"

#include <QFontMetrics>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <climits>

namespace pagelook {

QFont font(double pointSize, bool bold, bool italic)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QColor colour(const QString &text)
{
    const QColor c = QColor::fromString(text);
    return c.isValid() ? c : White;
}

namespace {

QString styleFor(const LabelLook &look)
{
    QString css = QStringLiteral("QLabel { color: %1; ").arg(look.text.name());
    css += look.background.isValid() ? QStringLiteral("background-color: %1; ").arg(look.background.name())
                                     : QStringLiteral("background: transparent; ");
    if (look.border)
        css += QStringLiteral("border: 1px solid black; ");
    if (look.padding > 0)
        css += QStringLiteral("padding: %1px; ").arg(look.padding);
    css += QStringLiteral("}");
    return css;
}

int borderAndPadding(const LabelLook &look)
{
    return 2 * ((look.border ? 1 : 0) + look.padding);
}

} // namespace

QLabel *label(QWidget *parent, const QString &name, const QString &text, QRect twipsRect,
              const LabelLook &look)
{
    auto *l = new QLabel(text, parent); // owned by its parent
    l->setObjectName(name);
    l->setFont(font(look.pointSize, look.bold, look.italic));
    l->setStyleSheet(styleFor(look));
    l->setAlignment(look.align);
    l->setWordWrap(look.wrap);
    l->setIndent(0); // a bordered label would otherwise push its text in from the aligned edges
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::NoTextInteraction);
    l->setFocusPolicy(Qt::NoFocus);
    l->setGeometry(twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    return l;
}

int textHeightTwips(const QString &text, int widthTwips, const LabelLook &look)
{
    const QFontMetrics metrics(font(look.pointSize, look.bold, look.italic));
    const int inner = twips::toPixels(widthTwips) - borderAndPadding(look);
    const int flags = int(look.align) | (look.wrap ? Qt::TextWordWrap : 0);
    const int pixels =
        metrics.boundingRect(QRect(0, 0, inner, INT_MAX / 2), flags, text).height() + borderAndPadding(look);
    return pixels * 15;
}

QPushButton *chainButton(QWidget *parent, const QString &name, const QString &caption, QRect twipsRect)
{
    const bool arrow = caption != QLatin1String("Close");
    QPushButton *b = button(parent, name, caption, twipsRect, White, arrow ? 12.0 : 11.25, arrow);
    return b;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, QRect twipsRect,
                    const QColor &background, double pointSize, bool bold)
{
    auto *b = new QPushButton(caption, parent); // owned by its parent
    b->setObjectName(name);
    b->setFont(font(pointSize, bold));
    b->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid #808080; }"
                       "QPushButton:pressed { border: 2px inset #808080; }")
            .arg(background.name()));
    b->setGeometry(twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    return b;
}

Outline::Outline(QWidget *parent, QColor colour, int lineWidth)
    : QWidget(parent), m_colour(colour), m_lineWidth(lineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Outline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(m_colour);
    pen.setWidth(m_lineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The line lies inside the rectangle, as a shape's border does.
    const double inset = m_lineWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

LabelLook headingLook(double pointSize)
{
    LabelLook look;
    look.pointSize = pointSize;
    look.bold = true;
    look.text = Green;
    return look;
}

LabelLook titleLook(double pointSize, const QColor &colour)
{
    LabelLook look;
    look.pointSize = pointSize;
    look.bold = true;
    look.text = colour;
    look.background = White;
    look.align = Qt::AlignHCenter | Qt::AlignTop;
    look.wrap = false;
    return look;
}

LabelLook cellLook(const QColor &background, int padding)
{
    LabelLook look;
    look.background = background;
    look.border = true;
    look.padding = padding;
    return look;
}

LabelLook columnHeadingLook(const QColor &background)
{
    LabelLook look;
    look.pointSize = 12;
    look.bold = true;
    look.text = White;
    look.background = background;
    look.border = true;
    look.align = Qt::AlignCenter;
    look.wrap = false;
    return look;
}

LabelLook bodyLook(double pointSize)
{
    LabelLook look;
    look.pointSize = pointSize;
    look.text = DarkGreen;
    return look;
}

LabelLook nameLook(double pointSize)
{
    LabelLook look;
    look.pointSize = pointSize;
    look.bold = true;
    look.text = DarkGreen;
    look.wrap = false;
    return look;
}

QLabel *Flow::placeText(const QString &text, const LabelLook &look, int atLeft, int atWidth)
{
    const int height = textHeightTwips(text, atWidth, look);
    if (measureOnly) {
        top += height;
        return nullptr;
    }
    QLabel *l = label(parent, QStringLiteral("lblBlock%1").arg(++counter), text,
                      {atLeft, top, atWidth, height}, look);
    top += height;
    return l;
}

bool Flow::place(const QJsonObject &block)
{
    const QString kind = block.value(QLatin1String("kind")).toString();
    const QString text = block.value(QLatin1String("text")).toString();
    if (kind == QLatin1String("heading")) {
        if (blocks > 0)
            top += headingGap;
        placeText(text, headingLook(pointSize), left, width);
    } else if (kind == QLatin1String("line") || kind == QLatin1String("paragraph") ||
               kind == QLatin1String("source")) {
        placeText(text, bodyLook(pointSize), left, width);
    } else if (kind == QLatin1String("rule")) {
        placeText(text, bodyLook(pointSize), left, width);
        for (const QJsonValue &paragraph : block.value(QLatin1String("indented")).toArray()) {
            top += blockGap / 2;
            placeText(paragraph.toString(), bodyLook(pointSize), left + indent, width - indent);
        }
    } else if (kind == QLatin1String("names")) {
        const QJsonArray columns = block.value(QLatin1String("columns")).toArray();
        const LabelLook look = nameLook(pointSize);
        const int rowHeight = textHeightTwips(QStringLiteral("Xg"), 2600, look);
        int rows = 0;
        for (int c = 0; c < columns.size() && c < 4; ++c) {
            const QJsonArray names = columns.at(c).toArray();
            for (int r = 0; r < names.size() && !measureOnly; ++r)
                label(parent, QStringLiteral("lblName%1").arg(++counter), names.at(r).toString(),
                      {nameColumns[c], top + r * nameRow, 2640, rowHeight}, look);
            rows = std::max(rows, int(names.size()));
        }
        top += rows > 0 ? (rows - 1) * nameRow + rowHeight : 0;
    } else {
        return false;
    }
    top += blockGap;
    ++blocks;
    return true;
}

bool holdsSpot(const QWidget *page, const QString &spot)
{
    if (spot.isEmpty())
        return true;
    const auto labels = page->findChildren<QLabel *>();
    return std::any_of(labels.begin(), labels.end(),
                       [&spot](const QLabel *label) { return label->text().trimmed() == spot.trimmed(); });
}

} // namespace pagelook
