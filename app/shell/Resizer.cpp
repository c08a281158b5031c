#include "app/shell/Resizer.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <QtMath>
#include <algorithm>

namespace {

// Controls inside these are scaled too; the inner parts of composite widgets (a list's scroll bars, a
// scroll area's viewport) are left to their owners.
bool isContainer(const QWidget *widget)
{
    const char *cls = widget->metaObject()->className();
    return qstrcmp(cls, "QFrame") == 0 || qobject_cast<const QGroupBox *>(widget) != nullptr ||
           widget->property("resizerContainer").toBool();
}

bool textFits(const QLabel *label)
{
    if (label->text().isEmpty())
        return true;
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    const QSize needed = label->sizeHint();
    return needed.width() <= label->width() + 1 && needed.height() <= label->height() + 1;
}

// Font heights grow in whole pixels, not in proportion, so a label whose text just filled its box at the
// design size can come out a pixel short once scaled. Such a label gets a slightly smaller font; a label
// that still overflows after a few steps is left at the plain scale, as it was designed to overflow.
void fitLabelText(QLabel *label, double points)
{
    constexpr int Steps = 8;
    constexpr double Step = 0.985;
    QFont font = label->font();
    for (int i = 0; i < Steps && !textFits(label); ++i) {
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * Step));
        label->setFont(font);
    }
    if (!textFits(label)) {
        font.setPointSizeF(points);
        label->setFont(font);
    }
}

} // namespace

Resizer::Resizer(QWidget *window, QSize designClient, bool hideControlsOnResize)
    : QObject(window), m_window(window), m_design(designClient), m_hide(hideControlsOnResize)
{
    record(window, true);
    window->installEventFilter(this);
}

void Resizer::record(QWidget *parent, bool topLevel)
{
    const auto children = parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isWindow() || child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        m_controls.push_back({child, child->geometry(), child->font().pointSizeF(), topLevel});
        if (isContainer(child))
            record(child, false);
    }
}

QRect Resizer::scaled(const QRect &design, double sx, double sy)
{
    const int left = qRound(design.x() * sx);
    const int top = qRound(design.y() * sy);
    // Right and bottom edges are scaled too, so that controls that touch at design time still touch.
    const int right = qRound((design.x() + design.width()) * sx);
    const int bottom = qRound((design.y() + design.height()) * sy);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

double Resizer::fontScale(double sx, double sy)
{
    return std::min(sx, sy);
}

void Resizer::apply(QSize client)
{
    if (m_design.isEmpty() || client.isEmpty())
        return;
    const double sx = double(client.width()) / m_design.width();
    const double sy = double(client.height()) / m_design.height();
    const double fs = fontScale(sx, sy);

    std::vector<QWidget *> hidden;
    if (m_hide) {
        for (const Control &c : m_controls) {
            if (c.topLevel && c.widget && c.widget->isVisible()) {
                c.widget->hide();
                hidden.push_back(c.widget);
            }
        }
    }
    for (const Control &c : m_controls) {
        if (!c.widget)
            continue;
        c.widget->setGeometry(scaled(c.geometry, sx, sy));
        if (c.pointSize > 0) {
            QFont font = c.widget->font();
            const double points = std::max(1.0, c.pointSize * fs);
            font.setPointSizeF(points);
            c.widget->setFont(font);
            auto *label = qobject_cast<QLabel *>(c.widget.data());
            if (!label)
                continue;
            m_unfitted.erase(label);
            if (fs == 1.0)
                continue;
            // Measuring a text costs more than anything else here, so a label on a panel that the window
            // does not show yet is fitted when it shows.
            if (label->isVisible() || !m_window->isVisible()) {
                fitLabelText(label, points);
            } else {
                m_unfitted.emplace(label, points);
                label->installEventFilter(this);
            }
        }
    }
    for (QWidget *widget : hidden)
        widget->show();
}

bool Resizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize) {
        apply(m_window->size());
    } else if (event->type() == QEvent::Show) {
        if (const auto unfitted = m_unfitted.find(watched); unfitted != m_unfitted.end()) {
            const double points = unfitted->second;
            m_unfitted.erase(unfitted);
            fitLabelText(static_cast<QLabel *>(watched), points);
        }
    }
    return QObject::eventFilter(watched, event);
}
