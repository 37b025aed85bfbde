#include "model/AreaArrange.h"

#include <algorithm>
#include <numeric>

namespace AreaArrange {

namespace {

int centreOf(int low, int high) {
    return low + (high - low) / 2;
}

// Floor division for a divisor above zero.
int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// One coordinate of a polygon scaled from [low, low + from - 1] to
// [low, low + to - 1], rounded half up.
int scaled(int v, int low, int from, int to) {
    if (from <= 1)
        return v;
    const long long num = 2LL * (v - low) * (to - 1) + (from - 1);
    return low + int(num / (2LL * (from - 1)));
}

PictureArea resized(const PictureArea& a, const PixelRect& key, bool width, bool height) {
    PictureArea r = a;
    const PixelRect box = a.bounds();
    switch (a.shape) {
    case AreaShape::Rectangle:
        if (width)
            r.rect.right = r.rect.left + key.width();
        if (height)
            r.rect.bottom = r.rect.top + key.height();
        break;
    case AreaShape::Circle: {
        // A circle stays a circle about its centre.
        const int d = width ? key.width() : key.height();
        const int cx = centreOf(box.left, box.right), cy = centreOf(box.top, box.bottom);
        r.rect = {cx - d / 2, cy - d / 2, cx - d / 2 + d, cy - d / 2 + d};
        break;
    }
    case AreaShape::Polygon:
        for (QPoint& p : r.points) {
            if (width)
                p.setX(scaled(p.x(), box.left, box.width(), key.width()));
            if (height)
                p.setY(scaled(p.y(), box.top, box.height(), key.height()));
        }
        break;
    }
    return r;
}

std::vector<PictureArea> distributed(const std::vector<PictureArea>& areas, bool across) {
    std::vector<PictureArea> out = areas;
    const auto low = [across](const PixelRect& b) { return across ? b.left : b.top; };
    const auto high = [across](const PixelRect& b) { return across ? b.right : b.bottom; };
    std::vector<int> order(areas.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<PixelRect> boxes;
    boxes.reserve(areas.size());
    for (const PictureArea& a : areas)
        boxes.push_back(a.bounds());
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        const PixelRect &a = boxes[std::size_t(x)], &b = boxes[std::size_t(y)];
        return low(a) != low(b) ? low(a) < low(b) : high(a) < high(b);
    });
    const int n = int(order.size());
    long long sizes = 0;
    for (const PixelRect& b : boxes)
        sizes += high(b) - low(b);
    const PixelRect& first = boxes[std::size_t(order.front())];
    const PixelRect& last = boxes[std::size_t(order.back())];
    const int space = int(high(last) - low(first) - sizes);
    const int gaps = n - 1;
    const int gap = floorDiv(space, gaps);
    const int extra = space - gap * gaps; // 0 <= extra < gaps
    int at = low(first);
    for (int k = 0; k < n; ++k) {
        const int i = order[std::size_t(k)];
        const PixelRect& b = boxes[std::size_t(i)];
        if (k > 0 && k < n - 1) {
            const int d = at - low(b);
            out[std::size_t(i)] = areas[std::size_t(i)].translated(across ? d : 0, across ? 0 : d);
        }
        at += high(b) - low(b) + gap + (k < extra ? 1 : 0);
    }
    return out;
}

} // namespace

int minimumCount(Op op) {
    return op == Op::DistributeHorizontally || op == Op::DistributeVertically ? 3 : 2;
}

PictureArea keptInside(const PictureArea& area, const PixelRect& bounds) {
    if (bounds.isEmpty())
        return area;
    const PixelRect b = area.bounds();
    const auto shift = [](int low, int high, int min, int max) {
        if (high - low > max - min || low < min)
            return min - low;
        if (high > max)
            return max - high;
        return 0;
    };
    const int dx = shift(b.left, b.right, bounds.left, bounds.right);
    const int dy = shift(b.top, b.bottom, bounds.top, bounds.bottom);
    return dx || dy ? area.translated(dx, dy) : area;
}

std::vector<PictureArea> apply(Op op, const std::vector<PictureArea>& areas,
                               const PixelRect& picture) {
    if (int(areas.size()) < minimumCount(op))
        return areas;
    const PixelRect key = areas.front().bounds();
    std::vector<PictureArea> out;
    if (op == Op::DistributeHorizontally || op == Op::DistributeVertically) {
        out = distributed(areas, op == Op::DistributeHorizontally);
    } else {
        out.reserve(areas.size());
        for (const PictureArea& a : areas) {
            const PixelRect b = a.bounds();
            switch (op) {
            case Op::AlignLeft:
                out.push_back(a.translated(key.left - b.left, 0));
                break;
            case Op::AlignRight:
                out.push_back(a.translated(key.right - b.right, 0));
                break;
            case Op::AlignTop:
                out.push_back(a.translated(0, key.top - b.top));
                break;
            case Op::AlignBottom:
                out.push_back(a.translated(0, key.bottom - b.bottom));
                break;
            case Op::AlignHorizontalCentres:
                out.push_back(
                    a.translated(centreOf(key.left, key.right) - centreOf(b.left, b.right), 0));
                break;
            case Op::AlignVerticalCentres:
                out.push_back(
                    a.translated(0, centreOf(key.top, key.bottom) - centreOf(b.top, b.bottom)));
                break;
            case Op::SameWidth:
                out.push_back(resized(a, key, true, false));
                break;
            case Op::SameHeight:
                out.push_back(resized(a, key, false, true));
                break;
            case Op::SameSize:
                out.push_back(resized(a, key, true, true));
                break;
            default:
                out.push_back(a);
                break;
            }
        }
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (!(out[i] == areas[i]))
            out[i] = keptInside(out[i], picture);
    }
    return out;
}

} // namespace AreaArrange
