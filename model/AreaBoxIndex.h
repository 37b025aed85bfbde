#pragma once

#include "model/PixelRect.h"

#include <vector>

// A spatial index of a map's area boxes, in picture pixels, so that a hit
// test asks only the areas whose box holds the point rather than every area
// of a map of thousands. A uniform grid of square cells over the boxes given
// at build time, about one cell per area: each cell lists the areas whose
// box meets it. A box that would span many cells (a backdrop area over the
// whole picture) is listed once, among the large boxes every query looks
// at, so that the index stays linear in the areas. Boxes beyond the grid
// are listed in its border cells, which hold every point beyond them.
class AreaBoxIndex {
public:
    // Replaces the index with boxes, area i having boxes[i].
    void build(std::vector<PixelRect> boxes);
    int size() const { return int(m_boxes.size()); }
    // Area i's box changed (0 <= i < size()).
    void update(int i, const PixelRect& box);
    // Area size() was added at the end of the map.
    void append(const PixelRect& box);
    // The last area went away.
    void removeLast();
    // The areas whose box meets query, in map order.
    std::vector<int> meeting(const PixelRect& query) const;

private:
    struct CellSpan {
        int x0, y0, x1, y1; // inclusive cell columns and rows
        int cells() const { return (x1 - x0 + 1) * (y1 - y0 + 1); }
    };

    CellSpan spanOf(const PixelRect& box) const;
    void add(int i);
    void remove(int i);

    // A box meeting more cells than this is a large one.
    static constexpr int kMaxCellsPerBox = 16;

    std::vector<PixelRect> m_boxes;
    std::vector<char> m_large; // per area: listed among the large boxes
    std::vector<int> m_largeList;
    std::vector<std::vector<int>> m_cells; // row by row
    int m_left = 0, m_top = 0, m_cell = 1, m_columns = 0, m_rows = 0;
};
