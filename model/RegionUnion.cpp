#include "model/RegionUnion.h"

#include <algorithm>

namespace {

using Span = PixelRegion::Span;

// The first span of row whose right edge reaches s.left: the only one that
// can hold s, and the first one s may overlap or touch.
template <class Row>
auto firstReaching(Row& row, const Span& s) {
    return std::lower_bound(row.begin(), row.end(), s.left,
                            [](const Span& a, int left) { return a.right < left; });
}

bool rowHolds(const std::vector<Span>& row, const Span& s) {
    const auto it = firstReaching(row, s);
    return it != row.end() && it->left <= s.left && it->right >= s.right;
}

// Merges s into row; true when row already held it.
bool addToRow(std::vector<Span>& row, const Span& s) {
    const auto first = firstReaching(row, s);
    if (first != row.end() && first->left <= s.left && first->right >= s.right)
        return true;
    auto last = first;
    while (last != row.end() && last->left <= s.right)
        ++last;
    if (first == last) {
        row.insert(first, s);
        return false;
    }
    first->left = std::min(first->left, s.left);
    first->right = std::max(std::prev(last)->right, s.right);
    row.erase(first + 1, last);
    return false;
}

} // namespace

void RegionUnion::clear() {
    m_rows.clear();
    m_top = 0;
}

const RegionUnion::Row* RegionUnion::rowAt(int y) const {
    if (y < m_top || y >= m_top + int(m_rows.size()))
        return nullptr;
    return &m_rows[std::size_t(y - m_top)];
}

RegionUnion::Row& RegionUnion::growTo(int y) {
    if (m_rows.empty()) {
        m_top = y;
        m_rows.resize(1);
    } else if (y < m_top) {
        m_rows.insert(m_rows.begin(), std::size_t(m_top - y), Row{});
        m_top = y;
    } else if (y >= m_top + int(m_rows.size())) {
        m_rows.resize(std::size_t(y - m_top + 1));
    }
    return m_rows[std::size_t(y - m_top)];
}

bool RegionUnion::covers(const PixelRegion& region) const {
    for (int y = region.top(); y < region.bottom(); ++y) {
        const auto spans = region.row(y);
        if (spans.empty())
            continue;
        const Row* row = rowAt(y);
        if (!row)
            return false;
        for (const Span& s : spans) {
            if (!rowHolds(*row, s))
                return false;
        }
    }
    return true;
}

void RegionUnion::unite(const PixelRegion& region) {
    coversThenUnite(region);
}

bool RegionUnion::coversThenUnite(const PixelRegion& region) {
    if (region.isEmpty())
        return true;
    // Growing once to the region's full height keeps the rows from being
    // moved more than once.
    growTo(region.top());
    growTo(region.bottom() - 1);
    bool covered = true;
    for (int y = region.top(); y < region.bottom(); ++y) {
        Row& row = m_rows[std::size_t(y - m_top)];
        // A region's spans in a row are disjoint, so adding one never makes
        // the union hold the next.
        for (const Span& s : region.row(y))
            covered = addToRow(row, s) && covered;
    }
    return covered;
}

PixelRegion RegionUnion::toRegion() const {
    PixelRegion out;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        out.startRow(m_top + int(i));
        for (const Span& s : m_rows[i])
            out.addSpan(s.left, s.right);
    }
    out.finish();
    return out;
}
