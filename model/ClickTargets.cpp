#include "model/ClickTargets.h"

#include "model/DefaultUrl.h"
#include "model/PolygonScan.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool withinLimit(QPoint p) {
    return std::abs(p.x()) <= PixelRegion::kLimit && std::abs(p.y()) <= PixelRegion::kLimit;
}

} // namespace

ClickTargets::ClickTargets(QSize picture, QByteArray defaultUrl)
    : m_picture(picture), m_defaultUrl(std::move(defaultUrl)) {}

void ClickTargets::add(const MapArea& area) {
    Shape shape;
    shape.shape = area.shape();
    shape.url = area.url();
    if (area.shape() == AreaShape::Polygon) {
        const int n = area.vertexCount();
        for (int i = 0; i < n; ++i)
            shape.ring.push_back(area.vertex(i));
        // As the area's region: none below three vertices or beyond the
        // region limit.
        const bool usable =
            n >= 3 && std::all_of(shape.ring.begin(), shape.ring.end(), withinLimit);
        if (usable)
            shape.box = PolygonScan::bounds(shape.ring.data(), n);
    } else {
        shape.box = area.imageRect();
    }
    m_shapes.push_back(std::move(shape));
}

int ClickTargets::targetAt(QPoint p) const {
    if (p.x() < 0 || p.y() < 0 || p.x() >= m_picture.width() || p.y() >= m_picture.height())
        return kOutsidePicture;
    for (int i = 0; i < count(); ++i) {
        if (holds(i, p))
            return i;
    }
    return kNoArea;
}

QByteArray ClickTargets::urlOf(int target) const {
    // A default URL that is only the lead is none: the saved page has no
    // default area, so a click there follows nothing.
    if (target == kNoArea)
        return DefaultUrl::isSet(m_defaultUrl) ? m_defaultUrl : QByteArray();
    if (target < 0 || target >= count())
        return {};
    return m_shapes[target].url;
}

bool ClickTargets::holds(int index, QPoint p) const {
    const Shape& shape = m_shapes[index];
    if (!shape.box.contains(p))
        return false;
    switch (shape.shape) {
    case AreaShape::Rectangle:
        return true;
    case AreaShape::Circle:
        return ellipse(index).contains(p.x(), p.y());
    case AreaShape::Polygon:
        break;
    }
    return PolygonScan::contains(shape.ring.data(), int(shape.ring.size()), p.x(), p.y());
}

const PixelRegion& ClickTargets::ellipse(int index) const {
    if (auto it = m_ellipses.find(index); it != m_ellipses.end())
        return it->second;
    PixelRegion region;
    region.setEllipse(m_shapes[index].box);
    if (m_cachedRows + region.rowCount() > kCachedRows) {
        m_ellipses.clear();
        m_cachedRows = 0;
    }
    m_cachedRows += region.rowCount();
    return m_ellipses.emplace(index, std::move(region)).first->second;
}
