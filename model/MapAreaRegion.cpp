// Regions and bounds of MapArea: the pixel set of an area, the box of a
// polygon, and keeping areas inside the picture.
#include "model/MapArea.h"

#include "model/PolygonScan.h"

#include <QRegion>

#include <algorithm>
#include <climits>

void MapArea::takeBoundsFromRegion() {
    PixelRect box = PolygonScan::bounds(m_viewPoints.data(), m_vertexCount);
    if (box.isEmpty() && m_vertexCount > 0) {
        // A polygon whose vertices lie on one line covers no pixel; its box
        // is that of its vertices, so that they stay reachable by a click.
        int l = INT_MAX, t = INT_MAX, r = INT_MIN, b = INT_MIN;
        for (int i = 0; i < m_vertexCount; ++i) {
            l = std::min(l, m_viewPoints[i].x());
            t = std::min(t, m_viewPoints[i].y());
            r = std::max(r, m_viewPoints[i].x());
            b = std::max(b, m_viewPoints[i].y());
        }
        box = {l, t, r + 1, b + 1};
    }
    m_viewRect = box;
    m_hitRect = box;
}

bool MapArea::makeRegion(QRegion& out) const {
    QRegion region;
    switch (m_shape) {
    case AreaShape::Rectangle:
        region = QRegion(imageRect().toQRect());
        break;
    case AreaShape::Circle:
        region = QRegion(imageRect().toQRect(), QRegion::Ellipse);
        break;
    case AreaShape::Polygon:
        if (m_vertexCount < 3)
            return false;
        region = QRegion(imageRing(), Qt::WindingFill);
        break;
    }
    if (region.boundingRect().isEmpty())
        return false;
    out = region;
    return true;
}

bool MapArea::isInside(const PixelRect& bounds) const {
    return bounds.encloses(imageRect());
}

void MapArea::clampTo(const PixelRect& bounds) {
    if (isInside(bounds))
        return;
    if (m_shape != AreaShape::Polygon) {
        // Both edges of each axis are clamped, so that an area wholly
        // outside ends as a one-pixel strip along the picture's edge instead
        // of an inverted rectangle.
        PixelRect r = imageRect();
        r.left = std::clamp(r.left, bounds.left, bounds.right);
        r.right = std::clamp(r.right, bounds.left, bounds.right);
        r.top = std::clamp(r.top, bounds.top, bounds.bottom);
        r.bottom = std::clamp(r.bottom, bounds.top, bounds.bottom);
        if (r.width() == 0)
            r.right < bounds.right ? ++r.right : --r.left;
        if (r.height() == 0)
            r.bottom < bounds.bottom ? ++r.bottom : --r.top;
        const QPoint tl = toView({r.left, r.top}), br = toView({r.right, r.bottom});
        setRect(tl.x(), tl.y(), br.x(), br.y());
        return;
    }
    for (int i = 0; i < m_vertexCount; ++i) {
        const QPoint p = m_imagePoints[i];
        m_imagePoints[i] = {std::clamp(p.x(), bounds.left, bounds.right),
                            std::clamp(p.y(), bounds.top, bounds.bottom)};
        m_viewPoints[i] = toView(m_imagePoints[i]);
        setVertexSquare(i);
    }
    closeRing();
    takeBoundsFromRegion();
    rebuildHandles();
}
