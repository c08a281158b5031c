#include "app/shell/PictureBox.h"

#include "app/shell/PictureDrawing.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QThreadPool>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

PictureBox::~PictureBox() = default;

void PictureBox::setSource(const QString &source)
{
    m_source = source;
    m_present.reset();
    m_drawn = QPixmap();
    m_pendingKey.clear();
    update();
}

bool PictureBox::hasPicture() const
{
    if (!m_present)
        m_present = picturedrawing::canRead(m_source);
    return *m_present;
}

// The window's own repaint draws into its backing store; anything else (a grab, a render into an image for
// printing or a test) wants the finished picture in this very paint.
bool PictureBox::paintsToScreen() const
{
    const QBackingStore *store = window()->backingStore();
    return store && redirected(nullptr) == const_cast<QBackingStore *>(store)->paintDevice();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_drawn.size() == pixels) {
        painter.drawPixmap(0, 0, m_drawn);
        return;
    }
    if (m_present == false) {
        paintPlaceholder(painter);
        return;
    }
    // Pages are made afresh each time they open, and several show the same picture: a drawing made once
    // for a size serves every box of that picture and size. The pictures are built into the program, so a
    // drawing never goes stale while it runs.
    const QString key = picturedrawing::cacheKey(m_source, pixels);
    if (QPixmapCache::find(key, &m_drawn)) {
        painter.drawPixmap(0, 0, m_drawn);
        return;
    }
    if (paintsToScreen()) {
        drawInBackground(key, ratio);
        // Until the new drawing is ready, one of another size stands in, so a resized window never blinks.
        if (!m_drawn.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(rect(), m_drawn);
        }
        return;
    }
    QImage drawing = picturedrawing::draw(m_source, size(), ratio);
    m_present = !drawing.isNull();
    if (!*m_present) {
        paintPlaceholder(painter);
        return;
    }
    m_drawn = picturedrawing::keep(key, std::move(drawing));
    painter.drawPixmap(0, 0, m_drawn);
}

void PictureBox::drawInBackground(const QString &key, qreal ratio)
{
    if (m_pendingKey == key)
        return;
    m_pendingKey = key;
    // The drawing starts once this paint is over and the window is on screen: on a busy machine a worker
    // started now would take turns with the rest of the window's first paint and delay it.
    QMetaObject::invokeMethod(
        this,
        [this, key, logical = size(), ratio] {
            if (key == m_pendingKey)
                startDrawing(key, logical, ratio);
        },
        Qt::QueuedConnection);
}

void PictureBox::startDrawing(const QString &key, QSize logical, qreal ratio)
{
    // Each drawing reads its own copy of the picture: a renderer belongs to the thread that uses it. The box
    // may be gone when the drawing is done; it is only looked at back on the main thread.
    QThreadPool::globalInstance()->start(
        [box = QPointer<PictureBox>(this), key, source = m_source, logical, ratio] {
            QImage drawing = picturedrawing::draw(source, logical, ratio);
            QCoreApplication *app = QCoreApplication::instance();
            if (!app)
                return; // the program is ending and waits for this drawing only to finish it
            QMetaObject::invokeMethod(
                app,
                [box, key, drawing = std::move(drawing)]() mutable {
                    if (box)
                        box->takeDrawing(key, std::move(drawing));
                },
                Qt::QueuedConnection);
        });
}

void PictureBox::takeDrawing(const QString &key, QImage drawing)
{
    if (key != m_pendingKey)
        return; // the box has changed size or picture since; a newer drawing is on its way
    m_pendingKey.clear();
    m_present = !drawing.isNull();
    if (*m_present)
        m_drawn = picturedrawing::keep(key, std::move(drawing));
    update();
}

void PictureBox::paintPlaceholder(QPainter &painter)
{
    painter.fillRect(rect(), QColor(240, 236, 228));
    painter.setPen(QColor(160, 150, 140));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
