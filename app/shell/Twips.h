#pragma once

#include <QRect>
#include <QSize>
#include <QtMath>

// Layouts are given in twips: 1440 to the inch, 15 to the pixel at 96 dots per inch.
namespace twips {

constexpr int toPixels(int twips)
{
    // Rounded to the nearest pixel, halves away from zero, for negative places too.
    return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

// The client area every page window is designed for: 11880 x 8010 twips.
inline constexpr QSize PageClient{792, 534};

} // namespace twips
