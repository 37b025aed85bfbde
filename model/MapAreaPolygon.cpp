// Polygon vertices of MapArea: adding, inserting, moving, deleting.
#include "model/MapArea.h"

bool MapArea::addVertex(int x, int y) {
    QPolygon& points = m_picture.points;
    if (!roomForVertex(vertexCount()))
        return false;
    if (!points.isEmpty() && points.back() == QPoint(x, y))
        return false;
    points.append({x, y});
    m_box.reset();
    return true;
}

QPoint MapArea::vertex(int i) const {
    if (i < 0 || i >= vertexCount())
        return {};
    return m_picture.points[i];
}

QPolygon MapArea::imageRing() const {
    if (m_picture.points.isEmpty())
        return {};
    QPolygon ring = m_picture.points;
    ring.append(ring.front());
    return ring;
}

bool MapArea::insertVertex(int a, int x, int y) {
    if (a < 0 || a >= vertexCount() || !roomForVertex(vertexCount()))
        return false;
    m_picture.points.insert(a + 1, QPoint(x, y));
    m_box.reset();
    return true;
}

bool MapArea::setVertex(int i, int x, int y) {
    if (i < 0 || i >= vertexCount())
        return false;
    m_picture.points[i] = {x, y};
    m_box.reset();
    return true;
}

bool MapArea::deleteVertex(int i) {
    if (i < 0 || i >= vertexCount())
        return false;
    m_picture.points.remove(i);
    m_box.reset();
    return true;
}
