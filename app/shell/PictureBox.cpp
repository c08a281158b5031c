#include "app/shell/PictureBox.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

PictureBox::~PictureBox() = default;

void PictureBox::setSource(const QString &source)
{
    m_source = source;
    m_svg.reset();
    m_bitmap.reset();
    if (source.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        auto svg = std::make_unique<QSvgRenderer>(source);
        if (svg->isValid())
            m_svg = std::move(svg);
    } else if (!source.isEmpty()) {
        auto bitmap = std::make_unique<QPixmap>(source);
        if (!bitmap->isNull())
            m_bitmap = std::move(bitmap);
    }
    update();
}

bool PictureBox::hasPicture() const
{
    return m_svg || m_bitmap;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_svg) {
        m_svg->render(&painter, QRectF(rect()));
    } else if (m_bitmap) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), *m_bitmap);
    } else {
        painter.fillRect(rect(), QColor(240, 236, 228));
        painter.setPen(QColor(160, 150, 140));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
