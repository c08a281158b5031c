#pragma once

#include <QPoint>
#include <QSize>
#include <algorithm>

// A window without a resizer keeps its controls at their design places; where the window is larger than its
// design (maximised), the design-size area sits in the middle of it rather than in the top left corner.
inline QPoint designAreaOffset(QSize window, QSize design)
{
    return {std::max(0, (window.width() - design.width()) / 2),
            std::max(0, (window.height() - design.height()) / 2)};
}
