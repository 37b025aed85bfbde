#pragma once

#include "model/PixelRegion.h"

#include <vector>

// The union of pixel regions, grown one region at a time: the map check's
// record of what the areas examined so far cover. Each row keeps its spans
// merged (sorted, disjoint, not touching), so that a span lies in the union
// exactly when one span of its row holds it.
class RegionUnion {
public:
    bool isEmpty() const { return m_rows.empty(); }
    void clear();
    // Whether every pixel of region is in the union.
    bool covers(const PixelRegion& region) const;
    // Adds region's pixels to the union.
    void unite(const PixelRegion& region);
    // covers(region), then unite(region), in one walk over region's rows.
    bool coversThenUnite(const PixelRegion& region);
    // The union as a pixel set.
    PixelRegion toRegion() const;

private:
    using Row = std::vector<PixelRegion::Span>;

    const Row* rowAt(int y) const;
    Row& growTo(int y);

    int m_top = 0;
    std::vector<Row> m_rows;
};
