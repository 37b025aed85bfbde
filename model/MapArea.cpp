#include "model/MapArea.h"

#include <cstdlib>

MapArea::MapArea(AreaShape shape, int handleSize) : m_shape(shape), m_handleSize(handleSize) {
    rebuildHandles();
}

void MapArea::setTexts(const AreaTexts& texts) {
    m_url = texts.url;
    m_target = texts.target;
    m_comment = texts.comment;
    m_title = texts.title;
    m_attributes = texts.attributes;
}

int MapArea::toImage(int view, int origin) const {
    return (view + origin) / m_scale; // truncates toward zero
}

QPoint MapArea::toImage(QPoint view) const {
    return {toImage(view.x(), m_origin.x()), toImage(view.y(), m_origin.y())};
}

QPoint MapArea::toView(QPoint image) const {
    return {m_scale * image.x() - m_origin.x(), m_scale * image.y() - m_origin.y()};
}

PixelRect MapArea::extent() const {
    if (m_shape == AreaShape::Polygon)
        return m_hitRect.grown(m_handleSize * m_scale);
    return m_hitRect;
}

bool MapArea::handleUsable(int h) const {
    switch (h) {
    case AreaHit::Top:
    case AreaHit::Bottom:
        return std::abs(m_viewRect.width()) > m_handleSize;
    case AreaHit::Right:
    case AreaHit::Left:
        return std::abs(m_viewRect.height()) > m_handleSize;
    default:
        return h >= 0 && h < 8;
    }
}

void MapArea::setRect(int left, int top, int right, int bottom) {
    if (right == left)
        right = left + 1;
    if (bottom == top)
        bottom = top + 1;
    m_viewRect = PixelRect{left, top, right, bottom}.normalized();
    rebuildHandles();
}

PixelRect MapArea::imageRect() const {
    return PixelRect{toImage(m_viewRect.left, m_origin.x()), toImage(m_viewRect.top, m_origin.y()),
                     toImage(m_viewRect.right, m_origin.x()),
                     toImage(m_viewRect.bottom, m_origin.y())}
        .normalized();
}

CircleGeometry MapArea::circle() const {
    const PixelRect r = imageRect();
    CircleGeometry c;
    c.x = r.left + r.width() / 2;
    c.y = r.top + r.height() / 2;
    c.radius = std::max(r.right - c.x, r.bottom - c.y);
    return c;
}

void MapArea::rebuildHandles() {
    const int a = m_handleSize * m_scale;
    const int l = m_viewRect.left, t = m_viewRect.top, r = m_viewRect.right, b = m_viewRect.bottom;
    const auto square = [a](int x, int y) { return PixelRect{x, y, x + a, y + a}; };
    m_handles[AreaHit::Top] = square((l + r - a) / 2, t - a);
    m_handles[AreaHit::Right] = square(r, (t + b - a) / 2);
    m_handles[AreaHit::Bottom] = square((l + r - a) / 2, b);
    m_handles[AreaHit::Left] = square(l - a, (t + b - a) / 2);
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
    if (m_shape != AreaShape::Polygon) {
        m_hitRect = {m_handles[AreaHit::Left].left, m_handles[AreaHit::Top].top,
                     m_handles[AreaHit::Right].right, m_handles[AreaHit::Bottom].bottom};
    }
}

int MapArea::hitTest(int x, int y) {
    m_hotVertex = -1;
    if (m_shape == AreaShape::Polygon)
        return hitTestPolygon(x, y);
    return hitTestFrame(x, y);
}

int MapArea::hitTestFrame(int x, int y) const {
    if (!m_hitRect.contains(x, y))
        return AreaHit::Miss;
    for (int h = 0; h < 8; ++h) {
        if (handleUsable(h) && m_handles[h].contains(x, y))
            return h;
    }
    if (m_viewRect.normalized().grown(1).contains(x, y))
        return AreaHit::Body; // a circle's body is its whole box
    return AreaHit::Miss;
}

int MapArea::hitTestWithBounds(int x, int y) {
    if (!m_hitRect.contains(x, y))
        return AreaHit::Miss;
    return hitTest(x, y);
}

void MapArea::setOrigin(int x, int y, int c, int d) {
    if (QPoint(x, y) == m_origin && QPoint(c, d) == m_originCompanion)
        return;
    const int dx = m_origin.x() - x, dy = m_origin.y() - y;
    m_origin = {x, y};
    m_originCompanion = {c, d};
    if (m_shape != AreaShape::Polygon) {
        m_viewRect = m_viewRect.translated(dx, dy);
        rebuildHandles();
        return;
    }
    for (int i = 0; i < m_vertexCount; ++i) {
        m_viewPoints[i] += QPoint(dx, dy);
        m_vertexHandles[i] = m_vertexHandles[i].translated(dx, dy);
    }
    closeRing();
    m_viewRect = m_viewRect.translated(dx, dy);
    m_hitRect = m_hitRect.translated(dx, dy);
}

void MapArea::rescale(int s) {
    s = std::clamp(s, 1, 8);
    const PixelRect image = imageRect();
    m_scale = s;
    // Image points stay as they were: re-deriving them from the new view
    // points would give the same values, and keeping them avoids drift.
    layOutFrom(image);
}

void MapArea::layOutFrom(const PixelRect& image) {
    const int s = m_scale;
    if (m_shape != AreaShape::Polygon) {
        m_viewRect = PixelRect{image.left * s, image.top * s, image.right * s, image.bottom * s}
                         .normalized()
                         .translated(-m_origin.x(), -m_origin.y());
        rebuildHandles();
        return;
    }
    for (int i = 0; i < m_vertexCount; ++i) {
        m_viewPoints[i] = toView(m_imagePoints[i]);
        setVertexSquare(i);
    }
    closeRing();
    takeBoundsFromRegion();
}

void MapArea::refreshHandles(int handleSize) {
    m_handleSize = handleSize;
    rebuildHandles();
    for (int i = 0; i < m_vertexCount; ++i)
        setVertexSquare(i);
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
