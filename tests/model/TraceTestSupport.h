#pragma once

// Pictures drawn for the tracing tests, and measures of a traced polygon
// against the shape that was drawn.

#include "model/PixelRegion.h"

#include <QImage>
#include <QLineF>
#include <QPolygon>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace tracetest {

// Pixels as a 0/1 grid, row by row.
struct Grid {
    int width = 0;
    int height = 0;
    std::vector<char> cells;
    Grid(int w, int h) : width(w), height(h), cells(size_t(w) * size_t(h), 0) {}
    char& at(int x, int y) { return cells[size_t(y) * size_t(width) + size_t(x)]; }
    char at(int x, int y) const { return cells[size_t(y) * size_t(width) + size_t(x)]; }
    qint64 count() const { return std::count(cells.begin(), cells.end(), 1); }
};

// The pixels whose centres lie inside shape (odd-even rule).
inline Grid centresInside(const QPolygonF& shape, int w, int h) {
    Grid g(w, h);
    const int n = int(shape.size());
    for (int y = 0; y < h; ++y) {
        const double py = y + 0.5;
        std::vector<double> xs;
        for (int i = 0; i < n; ++i) {
            const QPointF a = shape[i];
            const QPointF b = shape[(i + 1) % n];
            if ((a.y() <= py) == (b.y() <= py))
                continue;
            xs.push_back(a.x() + (py - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            for (int x = std::max(0, int(std::ceil(xs[i] - 0.5))); x < w && x + 0.5 < xs[i + 1];
                 ++x)
                g.at(x, y) = 1;
        }
    }
    return g;
}

// The pixels of a traced polygon as areas hold them (PolygonScan's rule).
inline Grid areaPixels(const QPolygon& polygon, int w, int h) {
    Grid g(w, h);
    PixelRegion region;
    if (!region.setPolygon(polygon.constData(), int(polygon.size()), Qt::WindingFill))
        return g;
    for (int y = std::max(0, region.top()); y < std::min(h, region.bottom()); ++y) {
        for (const PixelRegion::Span& s : region.row(y)) {
            for (int x = std::max(0, s.left); x < std::min(w, s.right); ++x)
                g.at(x, y) = 1;
        }
    }
    return g;
}

inline double iou(const Grid& a, const Grid& b) {
    qint64 both = 0;
    qint64 either = 0;
    for (size_t i = 0; i < a.cells.size(); ++i) {
        both += a.cells[i] && b.cells[i];
        either += a.cells[i] || b.cells[i];
    }
    return either ? double(both) / double(either) : 1.0;
}

inline double segmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double l2 = QPointF::dotProduct(ab, ab);
    const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / l2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

inline double distanceToRing(QPointF p, const QPolygonF& ring) {
    double best = 1e300;
    for (int i = 0; i < ring.size(); ++i)
        best = std::min(best, segmentDistance(p, ring[i], ring[(i + 1) % ring.size()]));
    return best;
}

// The farthest any point of ring's edges (sampled every quarter pixel) lies
// from polygon's edges.
inline double deviation(const QPolygon& ring, const QPolygon& polygon) {
    const QPolygonF target(polygon);
    double worst = 0;
    for (int i = 0; i < ring.size(); ++i) {
        const QPointF a = ring[i];
        const QPointF b = ring[(i + 1) % ring.size()];
        const int steps = std::max(1, int(std::ceil(QLineF(a, b).length() * 4)));
        for (int k = 0; k < steps; ++k)
            worst = std::max(worst, distanceToRing(a + (b - a) * (double(k) / steps), target));
    }
    return worst;
}

inline QPolygonF circle(QPointF centre, double radius, int points = 1440) {
    QPolygonF c;
    for (int i = 0; i < points; ++i) {
        const double t = 2 * std::numbers::pi * i / points;
        c << centre + QPointF(radius * std::cos(t), radius * std::sin(t));
    }
    return c;
}

inline QPolygonF star(QPointF centre, double outer, double inner, int tips) {
    QPolygonF s;
    for (int i = 0; i < 2 * tips; ++i) {
        const double t = std::numbers::pi * i / tips - std::numbers::pi / 2;
        const double r = i % 2 ? inner : outer;
        s << centre + QPointF(r * std::cos(t), r * std::sin(t));
    }
    return s;
}

// The fewest vertices a polygon keeping an arc of radius r (spanning angle
// radians) within precision can use on it: an edge may cut across the arc
// at most from r + precision in to r - precision and out again.
inline double arcEdges(double r, double angle, double precision) {
    return angle / (2 * std::acos((r - precision) / (r + precision)));
}

// An RGB32 picture painted pixel by pixel.
inline QImage paint(int w, int h, const std::function<QRgb(int, int)>& colour) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = colour(x, y);
    }
    return image;
}

inline QImage paintGrid(const Grid& g, QRgb inside, QRgb outside) {
    return paint(g.width, g.height, [&](int x, int y) { return g.at(x, y) ? inside : outside; });
}

} // namespace tracetest
