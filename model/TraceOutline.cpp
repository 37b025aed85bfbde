#include "model/TraceOutline.h"

#include "model/TraceMask.h"

#include <QLineF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Directions along the ring: east, south, west, north (y grows downwards),
// so turning right is the next one.
constexpr QPoint kStep[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
// The pixel ahead of a corner on the right of each direction; the one ahead
// on the left is that of the direction before.
constexpr QPoint kAheadRight[4] = {{0, 0}, {-1, 0}, {-1, -1}, {0, -1}};

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    double t = length2 > 0 ? QPointF::dotProduct(p - a, ab) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

// How many corners past start (at least one) the edge from ring[start] can
// skip to, ending at most at ring[start + limit] (indices wrap).
int reach(const QPolygon& ring, int start, int limit, double precision) {
    const int n = int(ring.size());
    const QPointF s = ring[start];
    double low = -std::numbers::pi;
    double high = std::numbers::pi;
    double farthest = 0;
    bool aimed = false;
    QPointF aim; // the direction angles are measured from
    int best = 1;
    for (int k = 1; k <= limit; ++k) {
        const QPointF p = QPointF(ring[(start + k) % n]) - s;
        const double d = std::hypot(p.x(), p.y());
        if (d <= precision) {
            // Within precision of the start, so of any edge from it.
            if (d >= farthest)
                best = k;
            farthest = std::max(farthest, d);
            continue;
        }
        if (!aimed) {
            aim = p;
            aimed = true;
        }
        const double angle =
            std::atan2(aim.x() * p.y() - aim.y() * p.x(), QPointF::dotProduct(aim, p));
        if (angle >= low && angle <= high && d >= farthest)
            best = k;
        const double spread = std::asin(precision / d);
        low = std::max(low, angle - spread);
        high = std::min(high, angle + spread);
        farthest = std::max(farthest, d);
        if (low > high)
            break;
    }
    return best;
}

// Whether every corner from ring[from] to ring[to] (wrapping) lies within
// precision of the edge between them.
bool covers(const QPolygon& ring, int from, int to, double precision) {
    const int n = int(ring.size());
    const QPointF a = ring[from];
    const QPointF b = ring[to];
    for (int i = from; i != to; i = (i + 1) % n) {
        if (distanceToSegment(ring[i], a, b) > precision)
            return false;
    }
    return true;
}

// The corner of the ring farthest from the line through ring[a] and ring[b]
// (from ring[a] when the two coincide), other than those two.
int farthestFrom(const QPolygon& ring, int a, int b) {
    const QPointF p = ring[a];
    const QPointF q = ring[b];
    int best = -1;
    double bestDistance = -1;
    for (int i = 0; i < ring.size(); ++i) {
        if (i == a || i == b)
            continue;
        const QPointF r = ring[i];
        const double d =
            a == b
                ? QLineF(p, r).length()
                : std::abs((q.x() - p.x()) * (r.y() - p.y()) - (q.y() - p.y()) * (r.x() - p.x()));
        if (d > bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// A region no wider than the precision: the kept corners (one or two) made
// a triangle by the corners farthest out, so that the edges the simplified
// ring had stay among its edges and every corner stays within precision.
QPolygon triangle(const QPolygon& ring, const std::vector<int>& kept) {
    const int a = kept.empty() ? 0 : kept[0];
    const int b = kept.size() > 1 ? kept[1] : farthestFrom(ring, a, a);
    std::array<int, 3> corners{a, b, farthestFrom(ring, a, b)};
    std::sort(corners.begin(), corners.end());
    QPolygon out;
    for (int i : corners)
        out << ring[i];
    return out;
}

} // namespace

QPolygon TraceOutline::outerBoundary(const TraceMask& mask, const std::atomic_bool* cancel) {
    QPolygon ring;
    if (mask.isEmpty() || (cancel && cancel->load(std::memory_order_relaxed)))
        return ring;
    const QPoint start = mask.firstPixel();
    QPoint c = start;
    int d = 0;
    ring << start;
    for (unsigned n = 1;; ++n) {
        if ((n & 4095) == 0 && cancel && cancel->load(std::memory_order_relaxed))
            return {};
        c += kStep[d];
        if (c == start)
            break;
        const QPoint right = c + kAheadRight[d];
        const QPoint left = c + kAheadRight[(d + 3) & 3];
        int next = d;
        if (!mask.contains(right.x(), right.y()))
            next = (d + 1) & 3;
        else if (mask.contains(left.x(), left.y()))
            next = (d + 3) & 3;
        if (next != d) {
            ring << c;
            d = next;
        }
    }
    return ring;
}

qint64 TraceOutline::doubledArea(const QPolygon& ring) {
    qint64 sum = 0;
    const int n = int(ring.size());
    for (int i = 0; i < n; ++i) {
        const QPoint a = ring[i];
        const QPoint b = ring[(i + 1) % n];
        sum += qint64(a.x()) * b.y() - qint64(b.x()) * a.y();
    }
    return sum;
}

bool TraceOutline::enclosesPixel(const QPolygon& ring, int x, int y) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    bool inside = false;
    const int n = int(ring.size());
    for (int i = 0; i < n; ++i) {
        const QPoint a = ring[i];
        const QPoint b = ring[(i + 1) % n];
        if ((a.y() <= y) == (b.y() <= y))
            continue;
        const double cx = a.x() + (py - a.y()) * (b.x() - a.x()) / double(b.y() - a.y());
        if (cx > px)
            inside = !inside;
    }
    return inside;
}

QPolygon TraceOutline::simplify(const QPolygon& ring, double precision) {
    const int n = int(ring.size());
    if (n <= 3)
        return ring;
    std::vector<int> kept{0};
    for (int at = 0;;) {
        const int step = reach(ring, at, n - at, precision);
        if (at + step >= n)
            break;
        at += step;
        kept.push_back(at);
    }
    // The first corner was kept because the ring starts there; drop it when
    // the edge from the last kept corner to the second covers it.
    if (kept.size() > 3 && covers(ring, kept.back(), kept[1], precision))
        kept.erase(kept.begin());
    if (kept.size() < 3)
        return triangle(ring, kept);
    QPolygon out;
    out.reserve(qsizetype(kept.size()));
    for (int i : kept)
        out << ring[i];
    return out;
}
