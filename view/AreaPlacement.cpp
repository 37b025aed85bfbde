#include "view/AreaPlacement.h"

#include <algorithm>

namespace AreaPlacement {

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
