#include "view/AreaGeometry.h"

#include "model/PolygonScan.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A direction as the edge test compares it: radians x 10,000, truncated.
int direction(int dy, int dx) {
    return static_cast<int>(std::atan2(double(dy), double(dx)) * 10000.0);
}

// Half of v, rounded down: a middle handle stays at the same place on the
// area whichever side of the window's edge the area lies (division rounds
// towards zero, which moved it by a pixel where coordinates turn negative).
int floorHalf(int v) {
    return v >= 0 ? v / 2 : -((1 - v) / 2);
}

} // namespace

AreaGeometry::AreaGeometry(const MapArea& area, const ViewMapping& mapping, int handleSize)
    : m_shape(area.shape()), m_handleSize(handleSize),
      m_side(handleSize * std::max(1, mapping.zoom.num())) {
    if (m_shape == AreaShape::Polygon) {
        layOutPolygon(area, mapping);
        return;
    }
    m_windowRect = mapping.windowPixelsOf(area.imageRect());
    layOutFrame();
}

void AreaGeometry::translate(QPoint d) {
    const int dx = d.x(), dy = d.y();
    m_windowRect = m_windowRect.translated(dx, dy);
    m_hitRect = m_hitRect.translated(dx, dy);
    if (m_shape != AreaShape::Polygon) {
        for (PixelRect& h : m_handles)
            h = h.translated(dx, dy);
    }
    m_ring.translate(d);
    m_paintRing.translate(d);
    for (PixelRect& h : m_vertexHandles)
        h = h.translated(dx, dy);
}

PixelRect AreaGeometry::extent() const {
    if (m_shape == AreaShape::Polygon)
        return m_hitRect.grown(m_side);
    return m_hitRect;
}

bool AreaGeometry::handleUsable(int h) const {
    switch (h) {
    case AreaHit::Top:
    case AreaHit::Bottom:
        return std::abs(m_windowRect.width()) > m_handleSize;
    case AreaHit::Right:
    case AreaHit::Left:
        return std::abs(m_windowRect.height()) > m_handleSize;
    default:
        return h >= 0 && h < 8;
    }
}

void AreaGeometry::layOutFrame() {
    const int a = m_side;
    const int l = m_windowRect.left, t = m_windowRect.top, r = m_windowRect.right,
              b = m_windowRect.bottom;
    const auto square = [a](int x, int y) { return PixelRect{x, y, x + a, y + a}; };
    m_handles[AreaHit::Top] = square(floorHalf(l + r - a), t - a);
    m_handles[AreaHit::Right] = square(r, floorHalf(t + b - a));
    m_handles[AreaHit::Bottom] = square(floorHalf(l + r - a), b);
    m_handles[AreaHit::Left] = square(l - a, floorHalf(t + b - a));
    if (m_shape == AreaShape::Circle) {
        // The corners sit on the ellipse's diagonals rather than the box's.
        const int w8 = (r - l) / 8, h8 = (b - t) / 8;
        m_handles[AreaHit::TopLeft] = square(l + w8 - a / 2, t + h8 - a / 2);
        m_handles[AreaHit::TopRight] = square(r - w8, t + h8);
        m_handles[AreaHit::BottomRight] = square(r - a / 2 - w8, b - a / 2 - h8);
        m_handles[AreaHit::BottomLeft] = square(l + w8, b - h8);
    } else {
        m_handles[AreaHit::TopLeft] = square(l - a, t - a);
        m_handles[AreaHit::TopRight] = square(r, t - a);
        m_handles[AreaHit::BottomRight] = square(r, b);
        m_handles[AreaHit::BottomLeft] = square(l - a, b);
    }
    m_hitRect = {m_handles[AreaHit::Left].left, m_handles[AreaHit::Top].top,
                 m_handles[AreaHit::Right].right, m_handles[AreaHit::Bottom].bottom};
}

void AreaGeometry::layOutPolygon(const MapArea& area, const ViewMapping& mapping) {
    const int n = area.vertexCount();
    const int g = (m_handleSize / 2) * std::max(1, mapping.zoom.num());
    m_ring.reserve(n + 1);
    m_vertexHandles.reserve(std::size_t(n));
    for (QPoint v : area.vertices()) {
        const QPoint p = mapping.windowAt(v);
        m_ring.append(p);
        m_vertexHandles.push_back({p.x() - g, p.y() - g, p.x() + g, p.y() + g});
    }
    if (n > 0)
        m_ring.append(m_ring.front());
    m_paintRing.reserve(m_ring.size());
    for (const QPoint& p : m_ring) {
        if (m_paintRing.isEmpty() || m_paintRing.back() != p)
            m_paintRing.append(p);
    }
    // The region's box from the ring without its repeated points (an edge
    // of no length covers no pixel), which far out are most of them; the
    // ring closes by itself.
    const int distinct = int(m_paintRing.size() > 1 ? m_paintRing.size() - 1 : m_paintRing.size());
    PixelRect box = PolygonScan::bounds(m_paintRing.constData(), distinct);
    if (box.isEmpty() && n > 0) {
        // Vertices on one line cover no pixel; their box keeps them
        // reachable by a click.
        const QRect r = m_ring.boundingRect();
        box = {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    }
    if (m_paintRing.size() == 1 && n > 0)
        m_paintRing.append(m_paintRing.front()); // a ring that stays on one pixel
    m_windowRect = box;
    m_hitRect = box;
}

AreaGeometry::Hit AreaGeometry::hitTest(QPoint window) const {
    if (m_shape == AreaShape::Polygon)
        return hitPolygon(window);
    return {hitFrame(window), -1};
}

int AreaGeometry::hitFrame(QPoint p) const {
    if (!m_hitRect.contains(p))
        return AreaHit::Miss;
    for (int h = 0; h < 8; ++h) {
        if (handleUsable(h) && m_handles[std::size_t(h)].contains(p))
            return h;
    }
    if (m_windowRect.normalized().grown(1).contains(p))
        return AreaHit::Body; // a circle's body is its whole box
    return AreaHit::Miss;
}

AreaGeometry::Hit AreaGeometry::hitPolygon(QPoint p) const {
    if (!m_hitRect.grown(m_side).contains(p))
        return {};
    for (int i = 0; i < vertexCount(); ++i) {
        if (m_vertexHandles[std::size_t(i)].contains(p))
            return {AreaHit::Vertex, i};
    }
    if (m_windowRect.contains(p) &&
        PolygonScan::contains(m_ring.constData(), vertexCount(), p.x(), p.y()))
        return {AreaHit::Body, -1};
    return {};
}

int AreaGeometry::findEdge(QPoint at) const {
    const int x = at.x(), y = at.y();
    for (int i = 0; i < vertexCount(); ++i) {
        const QPoint p = m_ring[i];
        QPoint q = m_ring[i + 1]; // the last point closes the ring
        const PixelRect box = PixelRect{p.x(), p.y(), q.x(), q.y()}.normalized().grown(2);
        if (!box.contains(x, y))
            continue;
        // A horizontal or vertical edge is taken one pixel longer in the
        // direction it lacks, so that its direction is defined.
        if (q.x() == p.x())
            q.rx() += 1;
        if (q.y() == p.y())
            q.ry() += 1;
        const int e = direction(p.y() - q.y(), p.x() - q.x());
        const int d1 = direction(p.y() - y, p.x() - x);
        const int d2 = direction(y - q.y(), x - q.x());
        if (std::abs(e - d1) < 1000 || std::abs(e - d2) < 1000)
            return i;
    }
    return -1;
}
