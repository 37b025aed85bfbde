// Polygon vertices of MapArea: adding, inserting, deleting, finding edges.
#include "model/MapArea.h"

#include "model/PolygonScan.h"

#include <cmath>
#include <cstdlib>

namespace {

// A direction as the edge test compares it: radians x 10,000, truncated.
int direction(int dy, int dx) {
    return static_cast<int>(std::atan2(double(dy), double(dx)) * 10000.0);
}

} // namespace

void MapArea::setVertexSquare(int i) {
    const int g = (m_handleSize / 2) * m_scale;
    const QPoint p = m_viewPoints[i];
    m_vertexHandles[i] = {p.x() - g, p.y() - g, p.x() + g, p.y() + g};
}

void MapArea::closeRing() {
    m_viewPoints[m_vertexCount] = m_viewPoints[0];
    m_imagePoints[m_vertexCount] = m_imagePoints[0];
    m_vertexHandles[m_vertexCount] = m_vertexHandles[0];
}

void MapArea::deriveAllVertices() {
    for (int i = 0; i < m_vertexCount; ++i) {
        m_imagePoints[i] = toImage(m_viewPoints[i]);
        setVertexSquare(i);
    }
    closeRing();
}

bool MapArea::addVertex(int x, int y) {
    if (m_vertexCount >= kMaxVertices)
        return false;
    if (m_vertexCount > 0 && m_viewPoints[m_vertexCount - 1] == QPoint(x, y))
        return false;
    const int i = m_vertexCount++;
    m_viewPoints[i] = {x, y};
    m_imagePoints[i] = toImage(m_viewPoints[i]);
    setVertexSquare(i);
    closeRing();
    return true;
}

void MapArea::finishPolygon() {
    closeRing();
    takeBoundsFromRegion();
}

QPoint MapArea::vertex(int i) const {
    if (i < 0 || i >= m_vertexCount)
        return {};
    return m_imagePoints[i];
}

QPolygon MapArea::viewRing() const {
    if (m_vertexCount == 0)
        return {};
    return QPolygon(QList<QPoint>(m_viewPoints.begin(), m_viewPoints.begin() + m_vertexCount + 1));
}

QPolygon MapArea::imageRing() const {
    if (m_vertexCount == 0)
        return {};
    return QPolygon(
        QList<QPoint>(m_imagePoints.begin(), m_imagePoints.begin() + m_vertexCount + 1));
}

int MapArea::findEdge(int x, int y) const {
    for (int i = 0; i < m_vertexCount; ++i) {
        const QPoint p = m_viewPoints[i];
        QPoint q = m_viewPoints[i + 1]; // slot vertexCount closes the ring
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

bool MapArea::insertVertex(int a, int x, int y) {
    if (a < 0 || a >= m_vertexCount || m_vertexCount >= kMaxVertices)
        return false;
    for (int i = m_vertexCount - 1; i > a; --i)
        m_viewPoints[i + 1] = m_viewPoints[i];
    m_viewPoints[a + 1] = {x, y};
    ++m_vertexCount;
    deriveAllVertices();
    takeBoundsFromRegion();
    return true;
}

bool MapArea::setVertex(int i, int x, int y) {
    if (i < 0 || i >= m_vertexCount)
        return false;
    m_viewPoints[i] = {x, y};
    m_imagePoints[i] = toImage(m_viewPoints[i]);
    setVertexSquare(i);
    closeRing();
    takeBoundsFromRegion();
    return true;
}

bool MapArea::deleteVertex(int i) {
    if (i < 0 || i >= m_vertexCount)
        return false;
    for (int k = i; k < m_vertexCount - 1; ++k)
        m_viewPoints[k] = m_viewPoints[k + 1];
    --m_vertexCount;
    deriveAllVertices();
    takeBoundsFromRegion();
    return true;
}

int MapArea::hitTestPolygon(int x, int y) {
    if (!m_hitRect.grown(m_handleSize * m_scale).contains(x, y))
        return AreaHit::Miss;
    for (int i = 0; i < m_vertexCount; ++i) {
        if (m_vertexHandles[i].contains(x, y)) {
            m_hotVertex = i;
            return AreaHit::Vertex;
        }
    }
    if (m_viewRect.contains(x, y) &&
        PolygonScan::contains(m_viewPoints.data(), m_vertexCount, x, y))
        return AreaHit::Body;
    return AreaHit::Miss;
}
