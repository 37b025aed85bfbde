// MapArea in picture pixels: what undo steps take from an area and give back.
#include "model/MapArea.h"
#include "model/PictureArea.h"

#include <algorithm>

PixelRect PictureArea::bounds() const {
    if (shape != AreaShape::Polygon)
        return rect;
    // QPolygon's box holds its last vertex's pixel; empty gives an empty box.
    return PixelRect::fromQRect(points.boundingRect());
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
