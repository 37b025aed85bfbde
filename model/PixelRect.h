#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>

// A rectangle of whole pixels as the map model keeps it: left, top, right,
// bottom, with right and bottom exclusive (a point on the right or bottom
// edge is outside). QRect keeps inclusive edges; convert with toQRect and
// fromQRect at the boundary, never by hand.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    // Empty when it covers no pixel (also when inverted).
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }

    constexpr PixelRect normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }
    constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr bool contains(QPoint p) const { return contains(p.x(), p.y()); }
    // True when other lies within this rectangle (edges may coincide).
    constexpr bool encloses(const PixelRect& other) const {
        return other.left >= left && other.top >= top && other.right <= right &&
               other.bottom <= bottom;
    }
    constexpr PixelRect grown(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    constexpr PixelRect translated(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    // The smallest rectangle holding both; an empty operand adds nothing.
    constexpr PixelRect united(const PixelRect& o) const {
        if (o.isEmpty())
            return *this;
        if (isEmpty())
            return o;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }

    QRect toQRect() const { return QRect(left, top, width(), height()); }
    static PixelRect fromQRect(const QRect& r) {
        return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }

    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};
