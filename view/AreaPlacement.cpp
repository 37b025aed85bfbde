#include "view/AreaPlacement.h"

#include <algorithm>

namespace AreaPlacement {

QPoint toView(const MapArea& area, QPoint picture) {
    return picture * area.scale() - area.origin();
}

void setPictureRect(MapArea& area, const PixelRect& picture) {
    const QPoint topLeft = toView(area, {picture.left, picture.top});
    const QPoint bottomRight = toView(area, {picture.right, picture.bottom});
    area.setRect(topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y());
}

void setPictureVertex(MapArea& area, int i, QPoint picture) {
    const QPoint v = toView(area, picture);
    area.setVertex(i, v.x(), v.y());
}

namespace {

int keptOne(int low, int high, int d, int boundLow, int boundHigh) {
    if (high - low > boundHigh - boundLow)
        return boundLow - low;
    return std::clamp(d, boundLow - low, boundHigh - high);
}

} // namespace

QPoint keptInside(const PixelRect& box, QPoint d, const PixelRect& bounds) {
    return {keptOne(box.left, box.right, d.x(), bounds.left, bounds.right),
            keptOne(box.top, box.bottom, d.y(), bounds.top, bounds.bottom)};
}

} // namespace AreaPlacement
