#include "model/AreaBoxIndex.h"

#include <algorithm>
#include <cmath>

namespace {

// Box edges are clamped here before cells are worked out, so that no
// arithmetic on a damaged coordinate overflows.
constexpr int kReach = 1 << 28;

int clampEdge(int v) {
    return std::clamp(v, -kReach, kReach);
}

} // namespace

void AreaBoxIndex::build(std::vector<PixelRect> boxes) {
    m_boxes = std::move(boxes);
    m_large.assign(m_boxes.size(), 0);
    m_largeList.clear();
    PixelRect all;
    long long area = 0;
    for (const PixelRect& b : m_boxes) {
        const PixelRect n = b.normalized();
        all = all.united(n.isEmpty() ? PixelRect{n.left, n.top, n.left + 1, n.top + 1} : n);
        area += std::min<long long>(1LL << 24, (long long)n.width() * n.height());
    }
    all = {clampEdge(all.left), clampEdge(all.top), clampEdge(all.right), clampEdge(all.bottom)};
    // About one cell per area, and cells about the size of a typical box
    // so that most areas meet a few cells.
    const double n = double(std::max<std::size_t>(1, m_boxes.size()));
    const double total = std::max(1.0, double(all.width()) * double(all.height()));
    const double typical = std::sqrt(std::max(1.0, double(area) / n));
    m_cell = int(std::clamp(std::max(typical, std::sqrt(total / n)), 8.0, double(kReach)));
    m_left = all.left;
    m_top = all.top;
    m_columns = std::max(1, int(std::min<long long>(4096, all.width() / m_cell + 1)));
    m_rows = std::max(1, int(std::min<long long>(4096, all.height() / m_cell + 1)));
    m_cells.assign(std::size_t(m_columns) * std::size_t(m_rows), {});
    for (int i = 0; i < size(); ++i)
        add(i);
}

AreaBoxIndex::CellSpan AreaBoxIndex::spanOf(const PixelRect& box) const {
    const PixelRect b = box.normalized();
    const auto column = [this](int x) {
        return int(
            std::clamp<long long>(((long long)clampEdge(x) - m_left) / m_cell, 0, m_columns - 1));
    };
    const auto row = [this](int y) {
        return int(
            std::clamp<long long>(((long long)clampEdge(y) - m_top) / m_cell, 0, m_rows - 1));
    };
    // The right and bottom edges are exclusive; an empty box meets the
    // cell of its corner.
    return {column(b.left), row(b.top), column(std::max(b.left, b.right - 1)),
            row(std::max(b.top, b.bottom - 1))};
}

void AreaBoxIndex::add(int i) {
    const CellSpan s = spanOf(m_boxes[std::size_t(i)]);
    if (s.cells() > kMaxCellsPerBox) {
        m_large[std::size_t(i)] = 1;
        m_largeList.insert(std::lower_bound(m_largeList.begin(), m_largeList.end(), i), i);
        return;
    }
    m_large[std::size_t(i)] = 0;
    for (int y = s.y0; y <= s.y1; ++y) {
        for (int x = s.x0; x <= s.x1; ++x) {
            std::vector<int>& cell =
                m_cells[std::size_t(y) * std::size_t(m_columns) + std::size_t(x)];
            cell.insert(std::lower_bound(cell.begin(), cell.end(), i), i);
        }
    }
}

void AreaBoxIndex::remove(int i) {
    if (m_large[std::size_t(i)]) {
        const auto it = std::lower_bound(m_largeList.begin(), m_largeList.end(), i);
        if (it != m_largeList.end() && *it == i)
            m_largeList.erase(it);
        return;
    }
    const CellSpan s = spanOf(m_boxes[std::size_t(i)]);
    for (int y = s.y0; y <= s.y1; ++y) {
        for (int x = s.x0; x <= s.x1; ++x) {
            std::vector<int>& cell =
                m_cells[std::size_t(y) * std::size_t(m_columns) + std::size_t(x)];
            const auto it = std::lower_bound(cell.begin(), cell.end(), i);
            if (it != cell.end() && *it == i)
                cell.erase(it);
        }
    }
}

void AreaBoxIndex::update(int i, const PixelRect& box) {
    if (i < 0 || i >= size())
        return;
    remove(i);
    m_boxes[std::size_t(i)] = box;
    add(i);
}

void AreaBoxIndex::append(const PixelRect& box) {
    if (m_cells.empty()) {
        std::vector<PixelRect> boxes = std::move(m_boxes);
        boxes.push_back(box);
        build(std::move(boxes));
        return;
    }
    m_boxes.push_back(box);
    m_large.push_back(0);
    add(size() - 1);
}

void AreaBoxIndex::removeLast() {
    if (m_boxes.empty())
        return;
    remove(size() - 1);
    m_boxes.pop_back();
    m_large.pop_back();
}

std::vector<int> AreaBoxIndex::meeting(const PixelRect& query) const {
    std::vector<int> found;
    if (m_cells.empty())
        return found;
    const PixelRect q = query.normalized();
    const auto meets = [&q](const PixelRect& b) {
        const PixelRect n = b.normalized();
        // An empty box counts as its corner pixel.
        const int r = std::max(n.right, n.left + 1), bottom = std::max(n.bottom, n.top + 1);
        return n.left < q.right && r > q.left && n.top < q.bottom && bottom > q.top;
    };
    const CellSpan s = spanOf(q);
    for (int y = s.y0; y <= s.y1; ++y) {
        for (int x = s.x0; x <= s.x1; ++x) {
            for (int i : m_cells[std::size_t(y) * std::size_t(m_columns) + std::size_t(x)]) {
                if (meets(m_boxes[std::size_t(i)]))
                    found.push_back(i);
            }
        }
    }
    for (int i : m_largeList) {
        if (meets(m_boxes[std::size_t(i)]))
            found.push_back(i);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
