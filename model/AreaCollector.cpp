#include "model/AreaCollector.h"

#include "model/PointRepeats.h"
#include "model/SourceTag.h"

#include <utility>

AreaCollector::AreaCollector(int capacity) : m_capacity(capacity) {}

bool AreaCollector::acceptsAreas() const {
    return int(m_areas.size()) < m_capacity;
}

void AreaCollector::addFramed(AreaShape shape, const AreaTexts& texts, int l, int t, int r, int b) {
    m_last = nullptr;
    if (!acceptsAreas())
        return;
    auto area = std::make_unique<MapArea>(shape);
    area->setTexts(texts);
    area->setRect(l, t, r, b);
    m_last = area.get();
    m_areas.push_back(std::move(area));
}

void AreaCollector::rectangle(const AreaTexts& texts, int left, int top, int right, int bottom) {
    addFramed(AreaShape::Rectangle, texts, left, top, right, bottom);
}

void AreaCollector::circle(const AreaTexts& texts, int left, int top, int right, int bottom) {
    addFramed(AreaShape::Circle, texts, left, top, right, bottom);
}

void AreaCollector::beginPolygon() {
    m_polygon = acceptsAreas() ? std::make_unique<MapArea>(AreaShape::Polygon) : nullptr;
}

void AreaCollector::vertex(int x, int y) {
    if (m_polygon)
        m_polygon->addVertex(x, y);
}

void AreaCollector::endPolygon(const AreaTexts& texts) {
    std::unique_ptr<MapArea> polygon = std::move(m_polygon);
    m_last = nullptr;
    if (!polygon)
        return;
    // A ring written closed (its first vertex repeated at the end) has that
    // vertex once: the ring closes itself, and a page reads it back so.
    const int n = polygon->vertexCount();
    if (n > 1 && polygon->vertex(n - 1) == polygon->vertex(0))
        polygon->deleteVertex(n - 1);
    if (polygon->vertexCount() <= 2 || !acceptsAreas())
        return;
    polygon->setTexts(texts);
    m_last = polygon.get();
    m_areas.push_back(std::move(polygon));
}

void AreaCollector::polygon(const AreaTexts& texts, const QPolygon& points) {
    // Taken whole (a map may hold a million points) when vertex by vertex
    // would keep every point: no point repeats the one before it or, at the
    // end, the first, and the polygon fits; else vertex by vertex.
    const qsizetype n = points.size();
    const bool plain = n > 2 && n <= MapArea::kMaxVertices && points.back() != points.front() &&
                       !hasRepeatedNeighbour(points.constData(), n);
    if (!plain) {
        MapSink::polygon(texts, points);
        return;
    }
    addWhole(texts, points);
}

void AreaCollector::distinctPolygon(const AreaTexts& texts, const QPolygon& points) {
    if (points.size() > 2 && points.size() <= MapArea::kMaxVertices)
        addWhole(texts, points);
    else
        MapSink::polygon(texts, points);
}

void AreaCollector::addWhole(const AreaTexts& texts, const QPolygon& points) {
    m_polygon.reset();
    m_last = nullptr;
    if (!acceptsAreas())
        return;
    PictureArea picture;
    picture.shape = AreaShape::Polygon;
    picture.texts = texts;
    picture.points = points;
    auto area = std::make_unique<MapArea>(AreaShape::Polygon);
    area->setPicture(std::move(picture));
    m_last = area.get();
    m_areas.push_back(std::move(area));
}

void AreaCollector::unclickable(const PictureArea& picture) {
    m_last = nullptr;
    if (!acceptsAreas())
        return;
    auto area = std::make_unique<MapArea>(picture.shape);
    area->setPicture(picture);
    m_last = area.get();
    m_areas.push_back(std::move(area));
}

void AreaCollector::source(SourceTag&& tag) {
    if (!m_last)
        return;
    std::shared_ptr<SourceTag> kept = m_sources.make(std::move(tag));
    kept->read = m_last->picture();
    kept->read.source = {};
    m_last->setSource(std::move(kept));
    m_last = nullptr;
}
