#include "model/PolygonScan.h"

#include "model/PixelRegion.h"

#include <algorithm>
#include <climits>
#include <tuple>
#include <vector>

namespace PolygonScan {

namespace {

struct Edge {
    int x1, y1; // top end
    int y2;     // bottom end, excluded
    qint64 dx, dy;
    int winding; // +1 going down, -1 going up

    bool covers(int y) const { return y >= y1 && y < y2; }
    int xAt(int y) const {
        const qint64 num = (y - y1) * dx;
        qint64 q = num / dy; // truncation is the ceiling for num <= 0
        if (num > 0 && num % dy != 0)
            ++q;
        return int(x1 + q);
    }
};

struct Crossing {
    int x;
    int winding;
};

// What one pixel row holds: whether any span, the start of the first
// non-empty span and the end of the last.
struct Row {
    bool any = false;
    int left = INT_MAX;
    int right = INT_MIN;
};

std::vector<Edge> edgesOf(const QPoint* p, int n) {
    std::vector<Edge> edges;
    edges.reserve(n);
    for (int i = 0; i < n; ++i) {
        QPoint a = p[i], b = p[(i + 1) % n];
        if (a.y() == b.y())
            continue;
        const int winding = a.y() < b.y() ? 1 : -1;
        if (winding < 0)
            std::swap(a, b);
        edges.push_back(
            {a.x(), a.y(), b.y(), qint64(b.x()) - a.x(), qint64(b.y()) - a.y(), winding});
    }
    return edges;
}

// Calls span(left, right) for every non-empty span of row y, left to right.
template <class Span>
void scanRow(const std::vector<Edge>& edges, int y, Span&& span) {
    std::vector<Crossing> crossings;
    for (const Edge& e : edges) {
        if (e.covers(y))
            crossings.push_back({e.xAt(y), e.winding});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int winding = 0, start = 0;
    for (std::size_t i = 0; i < crossings.size(); ++i) {
        const int before = winding;
        winding += crossings[i].winding;
        if (before == 0 && winding != 0)
            start = crossings[i].x;
        else if (before != 0 && winding == 0 && crossings[i].x > start)
            span(start, crossings[i].x);
    }
}

Row rowAt(const std::vector<Edge>& edges, int y) {
    Row row;
    scanRow(edges, y, [&row](int left, int right) {
        row.any = true;
        row.left = std::min(row.left, left);
        row.right = std::max(row.right, right);
    });
    return row;
}

// The leftmost (or rightmost) crossing over the rows ya .. yb - 1, between
// which no vertex lies, and the row it is on. Every edge moves one way only,
// so it lies on the band's first or last row.
struct Candidate {
    int x;
    int row;
    int ya, yb;
};

Candidate extremeCrossing(const std::vector<Edge>& edges, int ya, int yb, bool leftmost) {
    Candidate c{leftmost ? INT_MAX : INT_MIN, ya, ya, yb};
    for (const Edge& e : edges) {
        if (!e.covers(ya))
            continue;
        for (const int y : {ya, yb - 1}) {
            const int x = e.xAt(y);
            if (leftmost ? x < c.x : x > c.x)
                c.x = x, c.row = y;
        }
    }
    return c;
}

// The most extreme pixel edge of a band's rows beyond best (or best). A
// row's spans start no further out than its crossings, so only rows where
// some edge of the band crosses beyond best can hold one. Each edge moves
// one way only: an edge moving inward (or upright) lies beyond best only in
// a run of rows from the band's top, one moving outward only in a run up to
// its bottom. Both runs are walked from their end and stop at the first row
// where no edge of their kind lies beyond best, so that a band of thousands
// of rows costs a few of them unless spans of no width fill it.
int walkBand(const std::vector<Edge>& edges, const Candidate& band, int best, bool leftmost) {
    const auto beyond = [leftmost](int a, int b) { return leftmost ? a < b : a > b; };
    std::vector<const Edge*> fromTop, fromBottom;
    for (const Edge& e : edges) {
        if (e.covers(band.ya))
            (leftmost ? e.dx < 0 : e.dx > 0) ? fromBottom.push_back(&e) : fromTop.push_back(&e);
    }
    const auto someBeyond = [&](const std::vector<const Edge*>& run, int y) {
        return std::any_of(run.begin(), run.end(),
                           [&](const Edge* e) { return beyond(e->xAt(y), best); });
    };
    const auto look = [&](int y) {
        const Row r = rowAt(edges, y);
        if (r.any && beyond(leftmost ? r.left : r.right, best))
            best = leftmost ? r.left : r.right;
    };
    int top = band.ya;
    for (; top < band.yb && someBeyond(fromTop, top); ++top)
        look(top);
    for (int y = band.yb - 1; y >= top && someBeyond(fromBottom, y); --y)
        look(y);
    return best;
}

// The leftmost (or rightmost) pixel edge of the spans between rows top and
// bottom, over the bands between vertex rows. A row's first crossing starts
// its first span and its last crossing ends its last, unless spans of no
// width meet there (an apex, edges touching), so a band's extreme crossing
// is its extreme pixel edge once its row confirms it; bands are tried from
// the most extreme crossing on, and a band whose row does not confirm it is
// walked where it could still hold a pixel beyond the best found.
int extreme(const std::vector<Edge>& edges, const std::vector<int>& ys, int top, int bottom,
            bool leftmost) {
    std::vector<Candidate> bands;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const int ya = std::max(ys[i], top), yb = std::min(ys[i + 1], bottom);
        if (ya < yb)
            bands.push_back(extremeCrossing(edges, ya, yb, leftmost));
    }
    const auto beyond = [leftmost](int a, int b) { return leftmost ? a < b : a > b; };
    std::sort(bands.begin(), bands.end(),
              [&](const Candidate& a, const Candidate& b) { return beyond(a.x, b.x); });
    int best = leftmost ? INT_MAX : INT_MIN;
    for (const Candidate& band : bands) {
        if (!beyond(band.x, best))
            break;
        const Row row = rowAt(edges, band.row);
        if (row.any && (leftmost ? row.left : row.right) == band.x)
            return band.x;
        best = walkBand(edges, band, best, leftmost);
    }
    return best;
}

// Adds the spans of one row, its crossings sorted by x, under the rule.
void addRowSpans(const std::vector<Crossing>& crossings, Qt::FillRule rule, PixelRegion& out) {
    const std::size_t n = crossings.size();
    if (rule == Qt::OddEvenFill) {
        for (std::size_t i = 0; i + 1 < n; i += 2) {
            if (crossings[i + 1].x > crossings[i].x)
                out.addSpan(crossings[i].x, crossings[i + 1].x);
        }
        return;
    }
    int winding = 0, start = 0;
    for (const Crossing& c : crossings) {
        const int before = winding;
        winding += c.winding;
        if (before == 0 && winding != 0)
            start = c.x;
        else if (before != 0 && winding == 0 && c.x > start)
            out.addSpan(start, c.x);
    }
}

// Walks the rows top to bottom with the edges that cross them (the active
// edges: each joins at its top row and leaves at its bottom), calling
// row(y, crossings) with each row's crossings sorted by x.
template <class RowFn>
void sweep(std::vector<Edge> edges, RowFn&& row) {
    if (edges.empty())
        return;
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y1 < b.y1; });
    int last = edges.front().y2;
    for (const Edge& e : edges)
        last = std::max(last, e.y2);
    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    std::size_t next = 0;
    for (int y = edges.front().y1; y < last; ++y) {
        while (next < edges.size() && edges[next].y1 == y)
            active.push_back(&edges[next++]);
        std::erase_if(active, [y](const Edge* e) { return e->y2 <= y; });
        crossings.clear();
        for (const Edge* e : active)
            crossings.push_back({e->xAt(y), e->winding});
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        row(y, crossings);
    }
}

} // namespace

void fill(const QPoint* points, int count, Qt::FillRule rule, PixelRegion& out) {
    out.clear();
    std::vector<Edge> edges = edgesOf(points, count);
    if (edges.empty())
        return;
    sweep(std::move(edges), [&](int y, const std::vector<Crossing>& crossings) {
        out.startRow(y);
        addRowSpans(crossings, rule, out);
    });
    out.finish();
}

namespace {

// Polygons up to this many rows tall (more than the largest picture) have
// the box of their pixels.
constexpr int kExactRows = 1 << 15;

// Whether every point lies on one straight line: such a ring covers no
// pixel, and finding that out row by row would take a walk over every row
// it spans (up to two million for the coordinates map files hold).
bool onOneLine(const QPoint* points, int count) {
    for (int i = 1; i < count; ++i) {
        if (points[i] == points[0])
            continue;
        const long long dx = points[i].x() - points[0].x(), dy = points[i].y() - points[0].y();
        for (int k = i + 1; k < count; ++k) {
            const long long ex = points[k].x() - points[0].x(), ey = points[k].y() - points[0].y();
            if (dx * ey != dy * ex)
                return false;
        }
        return true;
    }
    return true;
}

// A ring that goes back along its own path crosses each row of that stretch
// twice at one place, once each way, which adds no pixel and splits no
// span's pixels from another's. Such pairs of edges are dropped before the
// search for the box, which would otherwise walk every row of a spike that
// holds none.
std::vector<Edge> withoutFolds(std::vector<Edge> edges) {
    const auto key = [](const Edge& e) { return std::tie(e.x1, e.y1, e.y2, e.dx, e.dy); };
    std::sort(edges.begin(), edges.end(), [&](const Edge& a, const Edge& b) {
        return std::tuple(key(a), a.winding) < std::tuple(key(b), b.winding);
    });
    std::vector<Edge> kept;
    kept.reserve(edges.size());
    for (std::size_t i = 0, j; i < edges.size(); i = j) {
        int sum = 0;
        for (j = i; j < edges.size() && key(edges[j]) == key(edges[i]); ++j)
            sum += edges[j].winding;
        // What is left of the run goes in its own direction.
        for (std::size_t k = i; k < j && sum != 0; ++k) {
            if (edges[k].winding == (sum > 0 ? 1 : -1)) {
                kept.push_back(edges[k]);
                sum -= edges[k].winding;
            }
        }
    }
    return kept;
}

// The box of a polygon's pixels found by one walk over its rows: the cost
// is its rows times the edges crossing each, where the band search below
// costs its bands times all its edges, which grows with the square of the
// vertices.
PixelRect sweptBounds(std::vector<Edge> edges) {
    PixelRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    sweep(std::move(edges), [&box](int y, const std::vector<Crossing>& crossings) {
        int winding = 0, start = 0;
        for (const Crossing& c : crossings) {
            const int before = winding;
            winding += c.winding;
            if (before == 0 && winding != 0) {
                start = c.x;
            } else if (before != 0 && winding == 0 && c.x > start) {
                box.left = std::min(box.left, start);
                box.right = std::max(box.right, c.x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    });
    return box.left == INT_MAX ? PixelRect{} : box;
}

// Polygons of up to this many vertices have the band search, which reads
// few rows of tall bands, unless they are low; larger ones the row walk.
constexpr int kBandSearchVertices = 64;

} // namespace

PixelRect bounds(const QPoint* points, int count) {
    if (onOneLine(points, count))
        return {};
    std::vector<Edge> all = edgesOf(points, count);
    if (all.empty())
        return {};
    int top = INT_MAX, bottom = INT_MIN;
    for (const Edge& e : all) {
        top = std::min(top, e.y1);
        bottom = std::max(bottom, e.y2);
    }
    // The walk costs the rows times the edges crossing each, the search
    // its bands times all edges: large polygons, and those of few rows for
    // their edges (any outline seen from far out), are walked. Folds need
    // not go first there: a fold's two crossings meet at one x and end a
    // span only where the next begins.
    const int rows = bottom - top;
    if (rows <= kExactRows && (count > kBandSearchVertices || rows <= 2 * int(all.size())))
        return sweptBounds(std::move(all));
    const std::vector<Edge> edges = withoutFolds(std::move(all));
    std::vector<int> ys;
    for (const Edge& e : edges)
        ys.insert(ys.end(), {e.y1, e.y2});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    if (ys.size() < 2)
        return {};
    if (ys.back() - ys.front() > kExactRows) {
        // Far taller than any picture: the box of its vertices, which holds
        // every pixel of it, since a row by row search could take a walk
        // over millions of rows.
        PixelRect box{INT_MAX, ys.front(), INT_MIN, ys.back()};
        for (int i = 0; i < count; ++i) {
            box.left = std::min(box.left, points[i].x());
            box.right = std::max(box.right, points[i].x());
        }
        return box;
    }

    PixelRect box{INT_MAX, ys.front(), INT_MIN, ys.back()};
    while (box.top < box.bottom && !rowAt(edges, box.top).any)
        ++box.top;
    while (box.bottom > box.top && !rowAt(edges, box.bottom - 1).any)
        --box.bottom;
    if (box.top >= box.bottom)
        return {};
    box.left = extreme(edges, ys, box.top, box.bottom, true);
    box.right = extreme(edges, ys, box.top, box.bottom, false);
    return box;
}

bool contains(const QPoint* points, int count, int x, int y) {
    bool inside = false;
    scanRow(edgesOf(points, count), y,
            [&](int left, int right) { inside = inside || (x >= left && x < right); });
    return inside;
}

} // namespace PolygonScan
