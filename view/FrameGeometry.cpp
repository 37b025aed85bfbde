#include "view/FrameGeometry.h"

#include "view/AreaPlacement.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct Edges {
    bool left, top, right, bottom;
};

Edges edgesOf(int handle) {
    switch (handle) {
    case AreaHit::TopLeft:
        return {true, true, false, false};
    case AreaHit::TopRight:
        return {false, true, true, false};
    case AreaHit::BottomRight:
        return {false, false, true, true};
    case AreaHit::BottomLeft:
        return {true, false, false, true};
    case AreaHit::Top:
        return {false, true, false, false};
    case AreaHit::Right:
        return {false, false, true, false};
    case AreaHit::Bottom:
        return {false, false, false, true};
    case AreaHit::Left:
        return {true, false, false, false};
    default:
        return {true, true, true, true};
    }
}

int sign(int v, int otherwise) {
    return v > 0 ? 1 : v < 0 ? -1 : otherwise;
}

} // namespace

FrameGeometry::FrameGeometry(const PixelRect& start, int handle, AreaShape shape,
                             const PixelRect& bounds, const GridSnap& snap, QPoint press)
    : m_start(start), m_handle(handle), m_shape(shape), m_bounds(bounds), m_snap(snap),
      m_press(press) {}

PixelRect FrameGeometry::moveBody(QPoint at) const {
    const QPoint travel = m_snap.snap(at) - m_snap.snap(m_press);
    const QPoint d = AreaPlacement::keptInside(m_start, travel, m_bounds);
    return m_start.translated(d.x(), d.y());
}

bool FrameGeometry::squaresWithShift() const {
    return m_shape == AreaShape::Rectangle && m_handle >= AreaHit::TopLeft &&
           m_handle <= AreaHit::BottomLeft;
}

PixelRect FrameGeometry::at(QPoint at, bool shift, const PixelRect& previous) const {
    if (m_handle == AreaHit::Body)
        return moveBody(at);
    const Edges e = edgesOf(m_handle);
    const QPoint d = at - m_press;
    const PixelRect& b = m_bounds;
    PixelRect r = m_start;
    if (e.left)
        r.left = std::clamp(m_snap.snapX(m_start.left + d.x()), b.left, b.right);
    if (e.right)
        r.right = std::clamp(m_snap.snapX(m_start.right + d.x()), b.left, b.right);
    if (e.top)
        r.top = std::clamp(m_snap.snapY(m_start.top + d.y()), b.top, b.bottom);
    if (e.bottom)
        r.bottom = std::clamp(m_snap.snapY(m_start.bottom + d.y()), b.top, b.bottom);
    const bool corner = m_handle <= AreaHit::BottomLeft;
    if (m_shape == AreaShape::Circle) {
        const PixelRect c = corner ? squared(r, true) : circleFromSide(r);
        return m_bounds.encloses(c.normalized()) ? c.normalized() : previous;
    }
    if (shift && squaresWithShift())
        r = squared(r, false);
    return r.normalized();
}

// Both sides take the longer (or shorter) length; the corner opposite the
// dragged one stays where it was.
PixelRect FrameGeometry::squared(const PixelRect& r, bool longer) const {
    const Edges e = edgesOf(m_handle);
    const int fixedX = e.left ? r.right : r.left;
    const int fixedY = e.top ? r.bottom : r.top;
    const int movingX = e.left ? r.left : r.right;
    const int movingY = e.top ? r.top : r.bottom;
    const int w = std::abs(movingX - fixedX), h = std::abs(movingY - fixedY);
    const int side = longer ? std::max(w, h) : std::min(w, h);
    // A side of no length keeps the direction it had at the start.
    const int sx = sign(movingX - fixedX, e.left ? -1 : 1);
    const int sy = sign(movingY - fixedY, e.top ? -1 : 1);
    const int x = fixedX + sx * side, y = fixedY + sy * side;
    return PixelRect{std::min(fixedX, x), std::min(fixedY, y), std::max(fixedX, x),
                     std::max(fixedY, y)};
}

// A side drag sets one dimension; the other takes the same length about
// the circle's centre.
PixelRect FrameGeometry::circleFromSide(const PixelRect& dragged) const {
    PixelRect r = dragged.normalized();
    if (m_handle == AreaHit::Left || m_handle == AreaHit::Right) {
        const int centre = m_start.top + m_start.height() / 2;
        r.top = centre - r.width() / 2;
        r.bottom = r.top + r.width();
    } else {
        const int centre = m_start.left + m_start.width() / 2;
        r.left = centre - r.height() / 2;
        r.right = r.left + r.height();
    }
    return r;
}
