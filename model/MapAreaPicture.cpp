// MapArea in picture pixels: what undo steps take from an area and give back.
#include "model/MapArea.h"
#include "model/PictureArea.h"

#include <algorithm>
#include <climits>

PixelRect PictureArea::bounds() const {
    if (shape != AreaShape::Polygon)
        return rect;
    if (points.isEmpty())
        return {};
    int l = INT_MAX, t = INT_MAX, r = INT_MIN, b = INT_MIN;
    for (const QPoint& p : points) {
        l = std::min(l, p.x());
        t = std::min(t, p.y());
        r = std::max(r, p.x());
        b = std::max(b, p.y());
    }
    return {l, t, r + 1, b + 1};
}

PictureArea PictureArea::translated(int dx, int dy) const {
    PictureArea moved = *this;
    moved.rect = rect.translated(dx, dy);
    moved.points.translate(dx, dy);
    return moved;
}

PictureArea MapArea::picture() const {
    PictureArea p;
    p.shape = m_shape;
    p.texts = texts();
    if (m_shape == AreaShape::Polygon) {
        p.points.reserve(m_vertexCount);
        for (int i = 0; i < m_vertexCount; ++i)
            p.points.append(m_imagePoints[i]);
    } else {
        p.rect = imageRect();
    }
    return p;
}

// The view geometry is the picture geometry at this area's scale and
// origin, as rescale makes it, so that picture() gives back exactly what
// was set.
void MapArea::setPicture(const PictureArea& p) {
    m_shape = p.shape;
    setTexts(p.texts);
    m_hotVertex = -1;
    m_vertexCount = 0;
    if (m_shape == AreaShape::Polygon) {
        m_vertexCount = int(std::min<qsizetype>(p.points.size(), kMaxVertices));
        for (int i = 0; i < m_vertexCount; ++i)
            m_imagePoints[i] = p.points[i];
    }
    layOutFrom(p.rect);
}
