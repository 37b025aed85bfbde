#pragma once

#include "model/MapArea.h"
#include "model/PixelRect.h"
#include "view/ViewMapping.h"

#include <QPolygon>

#include <array>
#include <vector>

// What a hit test found: a resize handle 0 to 7, the body, a polygon
// vertex, or nothing.
namespace AreaHit {
enum : int {
    Miss = -1,
    TopLeft = 0,
    TopRight = 1,
    BottomRight = 2,
    BottomLeft = 3,
    Top = 4,
    Right = 5,
    Bottom = 6,
    Left = 7,
    Body = 8,
    Vertex = 9,
};
} // namespace AreaHit

// One area as a map view shows it: its box, outline, handles and vertex
// squares in window pixels, derived from the area's picture geometry at the
// view's zoom and scroll position. The view keeps one per area and builds
// them again when the zoom or the scroll position changes or the area
// does; nothing here is written back to the area.
//
// Handles are squares of handleSize x n window pixels at n:1 and of
// handleSize below 1:1, so that they never shrink with the picture. A
// rectangle's or circle's box is at least one window pixel wide and high,
// and a press one pixel beside it still counts as its body, so that thin
// areas stay selectable at 1:16.
class AreaGeometry {
public:
    struct Hit {
        int code = AreaHit::Miss;
        int vertex = -1; // the vertex of a Vertex hit
    };

    AreaGeometry() = default;
    AreaGeometry(const MapArea& area, const ViewMapping& mapping, int handleSize);

    // The same area after the window scrolled by d: window pixels are the
    // zoomed picture's less the scroll position, so every part moves by d
    // alike, and laying a polygon out anew (its region's box most of all)
    // is not needed.
    void translate(QPoint d);

    AreaShape shape() const { return m_shape; }
    // The box in window pixels (a polygon: the box of its region).
    const PixelRect& windowRect() const { return m_windowRect; }
    // Encloses every handle of a rectangle or circle; a polygon's box.
    const PixelRect& hitRect() const { return m_hitRect; }
    // Everything the area paints, handles and vertex squares included.
    PixelRect extent() const;
    // The side of a handle square in window pixels.
    int handleSide() const { return m_side; }
    const PixelRect& handle(int h) const { return m_handles[std::size_t(h)]; }
    // The corners always; the middles of the top and bottom edges only when
    // the area is wider than a handle, those of the sides when higher.
    bool handleUsable(int h) const;
    // The closed ring of a polygon in window pixels (vertexCount + 1 points).
    const QPolygon& ring() const { return m_ring; }
    // The same ring without points that repeat the one before, as its fill
    // and solid line are painted: far out, the hundreds of points of a
    // country's outline fall on a few dozen window pixels, and an edge of no
    // length fills or strokes nothing (the dotted line takes the whole ring).
    const QPolygon& paintRing() const { return m_paintRing; }
    int vertexCount() const { return int(m_vertexHandles.size()); }
    const PixelRect& vertexHandle(int i) const { return m_vertexHandles[std::size_t(i)]; }

    // Hit test at a window point.
    Hit hitTest(QPoint window) const;
    // The polygon edge (vertex i to i + 1, the last closing to vertex 0)
    // under a window point, -1 when none.
    int findEdge(QPoint window) const;

private:
    void layOutFrame();
    void layOutPolygon(const MapArea& area, const ViewMapping& mapping);
    int hitFrame(QPoint p) const;
    Hit hitPolygon(QPoint p) const;

    AreaShape m_shape = AreaShape::Rectangle;
    int m_handleSize = 5;
    int m_side = 5;
    PixelRect m_windowRect;
    PixelRect m_hitRect;
    std::array<PixelRect, 8> m_handles{};
    QPolygon m_ring;
    QPolygon m_paintRing;
    std::vector<PixelRect> m_vertexHandles;
};
