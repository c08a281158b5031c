#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Drawing a picture (a resource path to an SVG or a bitmap) at a given size, on any thread, and keeping the
// drawings that the open windows show.
namespace picturedrawing {

// Whether the picture can be read at all.
bool canRead(const QString &source);

// The picture stretched to `logical` size at the screen's pixel ratio; a null image if it cannot be read.
// Safe on any thread: it reads the picture afresh with a renderer of its own.
QImage draw(const QString &source, QSize logical, qreal ratio);

QString cacheKey(const QString &source, QSize pixels);

// Keeps a drawing for other boxes of the same picture and size and returns it as a pixmap. The room kept is
// what two maximised windows (the menu and one page) can show at once, so drawings of closed pages give way.
QPixmap keep(const QString &key, QImage drawing);

} // namespace picturedrawing
