#include "indications/windows/DataControl.h"

#include <QEvent>
#include <QLabel>
#include <QToolButton>

namespace {
QToolButton *navigationButton(QWidget *parent, const QString &name, const QString &spokenName,
                              Qt::ArrowType arrow, bool toEnd)
{
    auto *button = new QToolButton(parent); // owned by parent
    button->setObjectName(name);
    // The buttons show only arrows and bars; a screen reader needs words.
    button->setAccessibleName(spokenName);
    button->setArrowType(arrow);
    button->setToolButtonStyle(toEnd ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    if (toEnd)
        button->setText(QStringLiteral("|"));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
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
    m_first->setLayoutDirection(Qt::RightToLeft); // the bar before the arrow: |<
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
