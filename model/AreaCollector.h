#pragma once

#include "model/MapArea.h"
#include "model/MapSink.h"
#include "model/SourceTagPool.h"

#include <memory>
#include <vector>

// The document's form of a map sink: builds MapArea records and keeps at
// most `capacity` of them; further areas are dropped. Polygons follow the
// vertex rules of MapArea (a vertex equal to the previous one is skipped,
// vertices beyond MapArea::kMaxVertices are dropped), lose a last vertex that repeats the first
// (the ring's closing, as pages write it) and are kept only with more than 2
// vertices.
class AreaCollector : public MapSink {
public:
    explicit AreaCollector(int capacity);

    bool acceptsAreas() const override;
    void rectangle(const AreaTexts& texts, int left, int top, int right, int bottom) override;
    void circle(const AreaTexts& texts, int left, int top, int right, int bottom) override;
    void beginPolygon() override;
    void vertex(int x, int y) override;
    void endPolygon(const AreaTexts& texts) override;
    void polygon(const AreaTexts& texts, const QPolygon& points) override;
    void distinctPolygon(const AreaTexts& texts, const QPolygon& points) override;
    void unclickable(const PictureArea& area) override;
    void source(SourceTag&& tag) override;

    const std::vector<std::unique_ptr<MapArea>>& areas() const { return m_areas; }
    std::vector<std::unique_ptr<MapArea>> take() { return std::move(m_areas); }

private:
    void addFramed(AreaShape shape, const AreaTexts& texts, int l, int t, int r, int b);
    // Takes a polygon whose every point is to be kept, whole.
    void addWhole(const AreaTexts& texts, const QPolygon& points);

    int m_capacity;
    std::vector<std::unique_ptr<MapArea>> m_areas;
    std::unique_ptr<MapArea> m_polygon;
    // The area the last call added, which a source call that follows is
    // for; null when it added none.
    MapArea* m_last = nullptr;
    SourceTagPool m_sources;
};
