#include "app/shell/PictureBox.h"

#include <QPainter>
#include <QSvgRenderer>

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
    if (!hasPicture()) {
        painter.fillRect(rect(), QColor(240, 236, 228));
        painter.setPen(QColor(160, 150, 140));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_drawn.size() != pixels) {
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
    painter.drawPixmap(0, 0, m_drawn);
}
