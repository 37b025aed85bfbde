#include "model/PolygonScan.h"

#include <QPolygon>
#include <QRandomGenerator>
#include <QRegion>

#include <cmath>

#include <gtest/gtest.h>

namespace {

QRegion regionOf(const QList<QPoint>& points) {
    QPolygon ring(points);
    ring << points.first();
    return QRegion(ring, Qt::WindingFill);
}

} // namespace

// The scan must give the very pixels a platform region gives, so that boxes,
// hit tests and the map check's regions agree. Small coordinate ranges make
// vertices and edges coincide often; crossing polygons test the winding rule,
// and rings that go back along their own path (wholly or with a step aside)
// fill tall bands with spans of no width, where the box must not be found
// by a shortcut that skips a pixel. A point repeated changes nothing.
TEST(PolygonScan, AgreesWithRegionsPixelForPixel) {
    QRandomGenerator random(7);
    for (int trial = 0; trial < 3600; ++trial) {
        const bool large = trial >= 3000; // up to 63 vertices over a big picture
        const bool folded = trial >= 3100 && trial < 3400;
        // Beyond 64 vertices the box is found by another walk: country
        // outlines of hundreds of points, some folded back on themselves.
        const bool huge = trial >= 3400;
        const int n0 = huge ? 65 + int(random.bounded(500))
                            : 3 + int(random.bounded(large ? (folded ? 30 : 61) : 10));
        const int range = large ? 1000 : trial % 3 == 0 ? 6 : trial % 3 == 1 ? 40 : 300;
        QList<QPoint> points;
        for (int i = 0; i < n0; ++i)
            points << QPoint(int(random.bounded(range)) - range / 3,
                             int(random.bounded(range)) - range / 3);
        for (int i = folded || (huge && trial % 3 == 0) ? n0 - 2 : 0; i > 0; --i) {
            QPoint back = points[i];
            if (trial % 2 && random.bounded(4) == 0)
                back += QPoint(int(random.bounded(3)) - 1, 0);
            points << back;
        }
        const int n = int(points.size());
        const QRegion region = regionOf(points);
        const PixelRect expected =
            region.isEmpty() ? PixelRect{} : PixelRect::fromQRect(region.boundingRect());
        ASSERT_EQ(PolygonScan::bounds(points.constData(), n), expected) << "trial " << trial;
        // Far out, a view's ring repeats points; it draws and boxes the
        // ring without them, which must not change the box.
        QList<QPoint> repeated;
        for (QPoint p : points) {
            for (int k = int(random.bounded(3)); k >= 0; --k)
                repeated << p;
        }
        ASSERT_EQ(PolygonScan::bounds(repeated.constData(), int(repeated.size())), expected)
            << "trial " << trial << ", points repeated";
        for (int k = 0; k < 10; ++k) {
            const int x = int(random.bounded(range + 4)) - range / 3 - 2;
            const int y = int(random.bounded(range + 4)) - range / 3 - 2;
            ASSERT_EQ(PolygonScan::contains(points.constData(), n, x, y),
                      region.contains(QPoint(x, y)))
                << "trial " << trial << " at " << x << "," << y;
        }
    }
}

TEST(PolygonScan, ApexRowsAndFlatPolygonsHoldNoPixel) {
    const QList<QPoint> apex{{0, 0}, {20, -10}, {40, 0}, {40, 40}, {0, 40}};
    EXPECT_EQ(PolygonScan::bounds(apex.constData(), 5), (PixelRect{0, -9, 40, 40}));
    const QList<QPoint> flat{{1, 1}, {5, 1}, {10, 1}};
    EXPECT_TRUE(PolygonScan::bounds(flat.constData(), 3).isEmpty());
    EXPECT_FALSE(PolygonScan::contains(flat.constData(), 3, 5, 1));
}

// A polygon of the most vertices a map takes, a star of 100,000 points, has
// its box and hit test in one walk over its rows, not one per vertex.
TEST(PolygonScan, LargestPolygonsStayQuick) {
    QList<QPoint> star;
    const int n = 100000;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * M_PI * i / n, r = i % 2 ? 900 : 1000;
        star << QPoint(int(std::lround(2000 + r * std::cos(a))),
                       int(std::lround(2000 + r * std::sin(a))));
    }
    const PixelRect box = PolygonScan::bounds(star.constData(), n);
    EXPECT_EQ(box, PixelRect::fromQRect(regionOf(star).boundingRect()));
    EXPECT_TRUE(PolygonScan::contains(star.constData(), n, 2000, 2000));
    EXPECT_FALSE(PolygonScan::contains(star.constData(), n, 2000, 999));
    EXPECT_TRUE(PolygonScan::contains(star.constData(), n, 2000, 1101));
}
