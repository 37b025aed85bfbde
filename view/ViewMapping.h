#pragma once

#include "model/PixelRect.h"
#include "model/ZoomLevel.h"

#include <QPoint>
#include <QRect>

#include <algorithm>

// How a map view lays its picture out in the window: the zoom level and
// the scroll position (the window's top left in zoomed picture pixels).
// Window point = zoom(picture) - scroll; the picture pixel under a window
// point is the one whose square holds the window pixel's centre.
struct ViewMapping {
    ZoomLevel zoom;
    QPoint scroll;

    QPoint windowAt(QPoint picture) const { return zoom.toWindow(picture) - scroll; }
    QPoint pictureAt(QPoint window) const { return zoom.toPicture(window + scroll); }
    // The window rectangle showing a picture rectangle: never thinner than
    // one window pixel, so that a thin area stays visible below 1:1.
    QRect windowRectOf(const PixelRect& picture) const {
        const QPoint a = windowAt({picture.left, picture.top});
        const QPoint b = windowAt({picture.right, picture.bottom});
        const int w = picture.width() > 0 ? std::max(1, b.x() - a.x()) : b.x() - a.x();
        const int h = picture.height() > 0 ? std::max(1, b.y() - a.y()) : b.y() - a.y();
        return QRect(a.x(), a.y(), w, h);
    }
    PixelRect windowPixelsOf(const PixelRect& picture) const {
        return PixelRect::fromQRect(windowRectOf(picture));
    }
};
