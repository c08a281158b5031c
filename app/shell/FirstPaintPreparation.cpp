#include "app/shell/FirstPaintPreparation.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

// The controls that draw text in their own font: labels, buttons, group boxes' titles.
bool drawsText(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget)
           || qobject_cast<const QGroupBox *>(widget);
}

} // namespace

FirstPaintPreparation::FirstPaintPreparation(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool FirstPaintPreparation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::Show) {
        // Once the event loop has sent the window's requests to the display server, so that the window
        // manager maps it meanwhile.
        QTimer::singleShot(0, this, [this] {
            if (!m_painted)
                prepareTexts(m_window);
        });
    } else if (event->type() == QEvent::Paint) {
        m_painted = true;
        m_window->removeEventFilter(this);
        deleteLater(); // a preparation still waiting is dropped with it
    }
    return false;
}

void FirstPaintPreparation::prepareTexts(const QWidget *window)
{
    // Each control draws itself off screen, without its children, exactly as it will on screen: glyphs are
    // cached per font and per position within a pixel, and button panels by size. What falls outside the
    // scratch image is drawn at the paint.
    QImage scratch(1024, 128, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    const auto all = window->findChildren<QWidget *>();
    for (QWidget *widget : all) {
        if (widget->isVisible() && drawsText(widget))
            widget->render(&painter, QPoint(), QRegion(), {});
    }
}
