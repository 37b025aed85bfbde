#include "model/PixelRegion.h"

#include "model/MapArea.h"
#include "model/PolygonScan.h"

#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <climits>

namespace {

bool withinLimit(int v) {
    return v >= -PixelRegion::kLimit && v <= PixelRegion::kLimit;
}

bool withinLimit(const PixelRect& r) {
    return withinLimit(r.left) && withinLimit(r.top) && withinLimit(r.right) &&
           withinLimit(r.bottom);
}

} // namespace

void PixelRegion::clear() {
    m_top = 0;
    m_rowStart.clear();
    m_spans.clear();
}

std::span<const PixelRegion::Span> PixelRegion::row(int y) const {
    if (y < top() || y >= bottom())
        return {};
    const int i = y - m_top;
    return std::span<const Span>(m_spans).subspan(m_rowStart[i], m_rowStart[i + 1] - m_rowStart[i]);
}

PixelRect PixelRegion::boundingRect() const {
    if (isEmpty())
        return {};
    int left = INT_MAX, right = INT_MIN;
    for (int y = top(); y < bottom(); ++y) {
        const auto spans = row(y);
        if (!spans.empty()) {
            left = std::min(left, spans.front().left);
            right = std::max(right, spans.back().right);
        }
    }
    return {left, top(), right, bottom()};
}

bool PixelRegion::contains(int x, int y) const {
    const auto spans = row(y);
    const auto it = std::upper_bound(spans.begin(), spans.end(), x,
                                     [](int v, const Span& s) { return v < s.left; });
    return it != spans.begin() && x < std::prev(it)->right;
}

bool PixelRegion::setRect(const PixelRect& r) {
    clear();
    if (r.isEmpty() || !withinLimit(r))
        return false;
    for (int y = r.top; y < r.bottom; ++y) {
        startRow(y);
        addSpan(r.left, r.right);
    }
    finish();
    return true;
}

bool PixelRegion::setEllipse(const PixelRect& r) {
    clear();
    if (r.isEmpty() || !withinLimit(r))
        return false;
    // The platform's elliptic region is the odd-even fill of the ellipse
    // path flattened to whole points.
    QPainterPath path;
    path.addEllipse(r.left, r.top, r.width(), r.height());
    const QPolygon ring = path.toSubpathPolygons().at(0).toPolygon();
    return setPolygon(ring.constData(), int(ring.size()), Qt::OddEvenFill);
}

bool PixelRegion::setPolygon(const QPoint* points, int count, Qt::FillRule rule) {
    clear();
    if (count < 3)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!withinLimit(points[i].x()) || !withinLimit(points[i].y()))
            return false;
    }
    PolygonScan::fill(points, count, rule, *this);
    return !isEmpty();
}

bool PixelRegion::setArea(const MapArea& area) {
    switch (area.shape()) {
    case AreaShape::Rectangle:
        return setRect(area.imageRect());
    case AreaShape::Circle:
        return setEllipse(area.imageRect());
    case AreaShape::Polygon:
        break;
    }
    const QPolygon& ring = area.vertices();
    return setPolygon(ring.constData(), int(ring.size()), Qt::WindingFill);
}

void PixelRegion::startRow(int y) {
    if (m_rowStart.empty())
        m_top = y;
    while (m_top + int(m_rowStart.size()) <= y)
        m_rowStart.push_back(int(m_spans.size()));
}

void PixelRegion::addSpan(int left, int right) {
    if (right <= left)
        return;
    const bool sameRow = !m_spans.empty() && m_spans.size() > std::size_t(m_rowStart.back());
    if (sameRow && m_spans.back().right >= left) {
        m_spans.back().right = std::max(m_spans.back().right, right);
        return;
    }
    m_spans.push_back({left, right});
}

void PixelRegion::finish() {
    m_rowStart.push_back(int(m_spans.size()));
    // Rows without spans at either end go; the set of pixels stays.
    std::size_t first = 0, last = m_rowStart.size() - 1;
    while (first < last && m_rowStart[first] == m_rowStart[first + 1])
        ++first;
    while (last > first && m_rowStart[last - 1] == m_rowStart[last])
        --last;
    if (first == last) {
        clear();
        return;
    }
    m_top += int(first);
    m_rowStart.erase(m_rowStart.begin() + std::ptrdiff_t(last) + 1, m_rowStart.end());
    m_rowStart.erase(m_rowStart.begin(), m_rowStart.begin() + std::ptrdiff_t(first));
}

bool operator==(const PixelRegion& a, const PixelRegion& b) {
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() == b.isEmpty();
    return a.m_top == b.m_top && a.m_rowStart == b.m_rowStart && a.m_spans == b.m_spans;
}
