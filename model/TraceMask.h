#pragma once

#include "model/PixelRect.h"

#include <QPoint>

#include <cstdint>
#include <vector>

// The pixels a trace has selected so far, one byte per picture pixel: the
// top bit marks a pixel of the selection (the union of every region added),
// the low seven bits the fill that last visited it, so that each region is
// grown on its own even where it crosses an earlier one.
//
// A tracer keeps one mask and resets it for each trace, so a trace of a
// large picture allocates once and never per pixel.
class TraceMask {
public:
    static constexpr std::uint8_t kInside = 0x80;
    static constexpr std::uint8_t kFillBits = 0x7f;

    // Empties the mask and sizes it for a picture of width x height pixels.
    void reset(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_count == 0; }
    // Number of selected pixels.
    qint64 pixelCount() const { return m_count; }
    // The first selected pixel in reading order (topmost row, leftmost in
    // it); meaningless while the mask is empty.
    QPoint firstPixel() const { return m_first; }
    // The smallest rectangle holding every selected pixel.
    PixelRect bounds() const { return m_bounds; }
    bool contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height && (cell(x, y) & kInside);
    }
    std::uint8_t cell(int x, int y) const {
        return m_cells[size_t(y) * size_t(m_width) + size_t(x)];
    }
    std::uint8_t* row(int y) { return m_cells.data() + size_t(y) * size_t(m_width); }

    // The number the next fill marks its pixels with (1 to 127); after 127
    // fills the old numbers are wiped (one pass) and counting starts again.
    std::uint8_t nextFill();
    // Marks pixels left .. right of row y as visited by fill and selected.
    void markRun(int y, int left, int right, std::uint8_t fill);

private:
    std::vector<std::uint8_t> m_cells;
    int m_width = 0;
    int m_height = 0;
    qint64 m_count = 0;
    QPoint m_first;
    PixelRect m_bounds;
    std::uint8_t m_fill = 0;
};
