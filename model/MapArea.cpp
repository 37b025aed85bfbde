#include "model/MapArea.h"

#include "model/PolygonScan.h"
#include "model/SourceTag.h"

#include <algorithm>
#include <utility>

MapArea::MapArea(AreaShape shape) {
    m_picture.shape = shape;
}

void MapArea::setRect(int left, int top, int right, int bottom) {
    if (right == left)
        right = left + 1;
    if (bottom == top)
        bottom = top + 1;
    m_picture.rect = PixelRect{left, top, right, bottom}.normalized();
    m_box.reset();
}

CircleGeometry MapArea::circle() const {
    const PixelRect r = imageRect();
    CircleGeometry c;
    c.x = r.left + r.width() / 2;
    c.y = r.top + r.height() / 2;
    c.radius = std::max(r.right - c.x, r.bottom - c.y);
    return c;
}

bool MapArea::contains(QPoint p) const {
    if (shape() != AreaShape::Polygon)
        return m_picture.rect.contains(p);
    return vertexCount() >= 3 && imageRect().contains(p) &&
           PolygonScan::contains(m_picture.points.constData(), vertexCount(), p.x(), p.y());
}

void MapArea::setPicture(const PictureArea& p) {
    m_picture = p;
    m_box.reset();
    if (p.shape == AreaShape::Polygon && p.points.size() > kMaxVertices)
        m_picture.points.resize(kMaxVertices);
}

void MapArea::setPicture(PictureArea&& p) {
    m_picture = std::move(p);
    m_box.reset();
    if (m_picture.shape == AreaShape::Polygon && m_picture.points.size() > kMaxVertices)
        m_picture.points.resize(kMaxVertices);
}

bool MapArea::clickable() const {
    return !source() || source()->clickable;
}

bool MapArea::asRead() const {
    return source() && m_picture == source()->read;
}

const char* shapeKeyword(AreaShape shape) {
    switch (shape) {
    case AreaShape::Circle:
        return "circle";
    case AreaShape::Polygon:
        return "poly";
    case AreaShape::Rectangle:
        break;
    }
    return "rect";
}

bool shapeFromKeyword(QByteArrayView keyword, AreaShape& shape) {
    for (AreaShape s : {AreaShape::Rectangle, AreaShape::Circle, AreaShape::Polygon}) {
        if (keyword == shapeKeyword(s)) {
            shape = s;
            return true;
        }
    }
    return false;
}
