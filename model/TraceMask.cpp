#include "model/TraceMask.h"

void TraceMask::reset(int width, int height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_cells.assign(size_t(m_width) * size_t(m_height), 0);
    m_count = 0;
    m_first = {};
    m_bounds = {};
    m_fill = 0;
}

std::uint8_t TraceMask::nextFill() {
    if (m_fill == kFillBits) {
        for (std::uint8_t& c : m_cells)
            c &= kInside;
        m_fill = 0;
    }
    return ++m_fill;
}

void TraceMask::markRun(int y, int left, int right, std::uint8_t fill) {
    std::uint8_t* c = row(y);
    const std::uint8_t mark = kInside | fill;
    qint64 added = 0;
    for (int x = left; x <= right; ++x) {
        added += !(c[x] & kInside);
        c[x] = mark;
    }
    if (added == 0)
        return;
    const PixelRect run{left, y, right + 1, y + 1};
    if (m_count == 0) {
        m_first = {left, y};
        m_bounds = run;
    } else {
        if (y < m_first.y() || (y == m_first.y() && left < m_first.x()))
            m_first = {left, y};
        m_bounds = {std::min(m_bounds.left, run.left), std::min(m_bounds.top, run.top),
                    std::max(m_bounds.right, run.right), std::max(m_bounds.bottom, run.bottom)};
    }
    m_count += added;
}
