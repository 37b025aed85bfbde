// Regions and bounds of MapArea: the pixel set of an area, the box of a
// polygon, and keeping areas inside the picture.
#include "model/MapArea.h"

#include "model/PolygonScan.h"

#include <QRegion>

#include <algorithm>

PixelRect MapArea::imageRect() const {
    if (shape() != AreaShape::Polygon)
        return m_picture.rect;
    if (m_box)
        return *m_box;
    const QPolygon& points = m_picture.points;
    PixelRect box = PolygonScan::bounds(points.constData(), vertexCount());
    // A polygon whose vertices lie on one line covers no pixel; its box is
    // that of its vertices, so that they stay reachable by a click.
    if (box.isEmpty() && !points.isEmpty())
        box = m_picture.bounds();
    m_box = box;
    return box;
}

bool MapArea::makeRegion(QRegion& out) const {
    QRegion region;
    switch (shape()) {
    case AreaShape::Rectangle:
        region = QRegion(imageRect().toQRect());
        break;
    case AreaShape::Circle:
        region = QRegion(imageRect().toQRect(), QRegion::Ellipse);
        break;
    case AreaShape::Polygon:
        if (vertexCount() < 3)
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
    if (shape() != AreaShape::Polygon) {
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
        setRect(r);
        return;
    }
    for (QPoint& p : m_picture.points)
        p = {std::clamp(p.x(), bounds.left, bounds.right),
             std::clamp(p.y(), bounds.top, bounds.bottom)};
    m_box.reset();
}
