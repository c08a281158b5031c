#include "app/shell/PictureDrawing.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QSvgRenderer>
#include <algorithm>

namespace picturedrawing {

namespace {

bool isSvg(const QString &source)
{
    return source.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

// Room for the drawings that can be on screen at once: the menu and one page, each filling the screen.
int cacheLimitKb()
{
    constexpr int WindowsOpen = 2;
    constexpr qint64 BytesPerPixel = 4;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() * screen->devicePixelRatio() : QSize(1920, 1080);
    const qint64 kb = WindowsOpen * BytesPerPixel * pixels.width() * pixels.height() / 1024;
    return int(std::max<qint64>(kb, QPixmapCache::cacheLimit()));
}

} // namespace

bool canRead(const QString &source)
{
    if (source.isEmpty())
        return false;
    if (isSvg(source))
        return QSvgRenderer(source).isValid();
    return QImageReader(source).canRead();
}

QImage draw(const QString &source, QSize logical, qreal ratio)
{
    if (source.isEmpty() || logical.isEmpty())
        return {};
    QSvgRenderer svg;
    QImage bitmap;
    if (isSvg(source) ? !svg.load(source) : !bitmap.load(source))
        return {};
    QImage drawing(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    drawing.setDevicePixelRatio(ratio);
    drawing.fill(Qt::transparent);
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF box(QPointF(0, 0), QSizeF(logical));
    if (bitmap.isNull())
        svg.render(&painter, box);
    else
        painter.drawImage(box, bitmap);
    painter.end();
    return drawing;
}

QString cacheKey(const QString &source, QSize pixels)
{
    return QStringLiteral("PictureBox|%1|%2x%3").arg(source).arg(pixels.width()).arg(pixels.height());
}

QPixmap keep(const QString &key, QImage drawing)
{
    static const int limitKb = [] {
        const int kb = cacheLimitKb();
        QPixmapCache::setCacheLimit(kb);
        return kb;
    }();
    Q_UNUSED(limitKb);
    QPixmap pixmap = QPixmap::fromImage(std::move(drawing));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace picturedrawing
