#include "indications/windows/DataControl.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>
#include <algorithm>

namespace {
// A record navigation button that draws its arrow (and, at the ends, its bar) in proportion to its height:
// the style's own arrows keep one small size however far the resizer enlarges the bar.
class NavigationButton final : public QToolButton
{
public:
    NavigationButton(QWidget *parent, const QString &name, const QString &spokenName, Qt::ArrowType arrow,
                     bool toEnd)
        : QToolButton(parent), m_pointsLeft(arrow == Qt::LeftArrow), m_toEnd(toEnd)
    {
        setObjectName(name);
        // The buttons show only arrows and bars; a screen reader needs words.
        setAccessibleName(spokenName);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        option.arrowType = Qt::NoArrow;
        option.text.clear();
        option.icon = QIcon();
        painter.drawComplexControl(QStyle::CC_ToolButton, option);

        // An arrow as tall as two fifths of the button, and a bar as tall beside it: |< < > >|
        const qreal tall = std::max(4, height() * 2 / 5);
        const qreal deep = tall / 2;
        const qreal bar = std::max<qreal>(1, tall / 8);
        const qreal drawnWidth = deep + (m_toEnd ? bar + bar : 0);
        const QPointF centre = QRectF(rect()).center() + (isDown() ? QPointF(1, 1) : QPointF());
        qreal left = centre.x() - drawnWidth / 2;
        const qreal top = centre.y() - tall / 2;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        if (m_toEnd && m_pointsLeft) {
            painter.drawRect(QRectF(left, top, bar, tall));
            left += bar + bar;
        }
        const qreal tip = m_pointsLeft ? left : left + deep;
        const qreal back = m_pointsLeft ? left + deep : left;
        painter.drawPolygon(
            QPolygonF{QPointF(tip, centre.y()), QPointF(back, top), QPointF(back, top + tall)});
        if (m_toEnd && !m_pointsLeft)
            painter.drawRect(QRectF(left + deep + bar, top, bar, tall));
    }

private:
    bool m_pointsLeft;
    bool m_toEnd;
};

QToolButton *navigationButton(QWidget *parent, const QString &name, const QString &spokenName,
                              Qt::ArrowType arrow, bool toEnd)
{
    return new NavigationButton(parent, name, spokenName, arrow, toEnd); // owned by parent
}
} // namespace

DataControl::DataControl(QWidget *parent)
    : QWidget(parent), m_first(navigationButton(this, QStringLiteral("cmdFirst"),
                                                QStringLiteral("First record"), Qt::LeftArrow, true)),
      m_previous(navigationButton(this, QStringLiteral("cmdPrevious"), QStringLiteral("Previous record"),
                                  Qt::LeftArrow, false)),
      m_next(navigationButton(this, QStringLiteral("cmdNext"), QStringLiteral("Next record"), Qt::RightArrow,
                              false)),
      m_last(navigationButton(this, QStringLiteral("cmdLast"), QStringLiteral("Last record"), Qt::RightArrow,
                              true)),
      m_caption(new QLabel(this))
{
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    m_caption->setAutoFillBackground(true);
    m_caption->setStyleSheet(QStringLiteral("QLabel { background-color: white; border: 1px solid gray; }"));
    connect(m_first, &QToolButton::clicked, this, &DataControl::firstClicked);
    connect(m_previous, &QToolButton::clicked, this, &DataControl::previousClicked);
    connect(m_next, &QToolButton::clicked, this, &DataControl::nextClicked);
    connect(m_last, &QToolButton::clicked, this, &DataControl::lastClicked);
}

QString DataControl::caption() const
{
    return m_captionText;
}

void DataControl::setCaption(const QString &caption)
{
    m_captionText = caption;
    fitCaption();
}

void DataControl::resizeEvent(QResizeEvent *)
{
    const int h = height();
    const int w = std::max(h, h * 3 / 4 + 6);
    m_first->setGeometry(0, 0, w, h);
    m_previous->setGeometry(w, 0, w, h);
    m_caption->setGeometry(2 * w, 0, std::max(0, width() - 4 * w), h);
    m_next->setGeometry(width() - 2 * w, 0, w, h);
    m_last->setGeometry(width() - w, 0, w, h);
    fitCaption();
}

void DataControl::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitCaption();
}

void DataControl::fitCaption()
{
    // Set, not inherited: the style sheets of the bar and the caption would give the caption the default
    // font.
    m_caption->setFont(font());
    // Leading blanks only indent the caption; they give way before any letter is cut off.
    QString shown = m_captionText;
    m_caption->setText(shown);
    while (shown.startsWith(QLatin1Char(' ')) && m_caption->sizeHint().width() > m_caption->width()) {
        shown.remove(0, 1);
        m_caption->setText(shown);
    }
}
