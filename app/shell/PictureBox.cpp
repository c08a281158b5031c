#include "app/shell/PictureBox.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>

namespace {

// A maximised page's large picture alone takes several megabytes; the toolkit's default room would hold
// hardly more than one.
constexpr int DrawingCacheKb = 64 * 1024;

void reserveDrawingCache()
{
    static const bool reserved = [] {
        QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), DrawingCacheKb));
        return true;
    }();
    Q_UNUSED(reserved);
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

PictureBox::~PictureBox() = default;

void PictureBox::setSource(const QString &source)
{
    m_source = source;
    m_loaded = false;
    m_svg.reset();
    m_bitmap.reset();
    m_drawn = QPixmap();
    update();
}

void PictureBox::load() const
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_source.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        auto svg = std::make_unique<QSvgRenderer>(m_source);
        if (svg->isValid())
            m_svg = std::move(svg);
    } else if (!m_source.isEmpty()) {
        auto bitmap = std::make_unique<QPixmap>(m_source);
        if (!bitmap->isNull())
            m_bitmap = std::move(bitmap);
    }
}

bool PictureBox::hasPicture() const
{
    load();
    return m_svg || m_bitmap;
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
    // Pages are made afresh each time they open, and several show the same picture: a drawing made once
    // for a size serves every box of that picture and size. The pictures are built into the program, so a
    // drawing never goes stale while it runs.
    const QString key =
        QStringLiteral("PictureBox|%1|%2x%3").arg(m_source).arg(pixels.width()).arg(pixels.height());
    if (QPixmapCache::find(key, &m_drawn)) {
        painter.drawPixmap(0, 0, m_drawn);
        return;
    }
    if (!hasPicture()) {
        painter.fillRect(rect(), QColor(240, 236, 228));
        painter.setPen(QColor(160, 150, 140));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    draw(pixels, ratio);
    reserveDrawingCache();
    QPixmapCache::insert(key, m_drawn);
    painter.drawPixmap(0, 0, m_drawn);
}

void PictureBox::draw(const QSize &pixels, qreal ratio)
{
    m_drawn = QPixmap(pixels);
    m_drawn.setDevicePixelRatio(ratio);
    m_drawn.fill(Qt::transparent);
    QPainter onPixmap(&m_drawn);
    onPixmap.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_svg)
        m_svg->render(&onPixmap, QRectF(QPointF(0, 0), QSizeF(size())));
    else
        onPixmap.drawPixmap(QRect(QPoint(0, 0), size()), *m_bitmap);
}
