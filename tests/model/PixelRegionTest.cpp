#include "model/PixelRegion.h"
#include "RegionTestSupport.h"
#include "model/MapArea.h"
#include "model/RegionUnion.h"

#include <QPolygon>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

PixelRect randomRect(QRandomGenerator& random, int range) {
    const int l = int(random.bounded(range)) - range / 4;
    const int t = int(random.bounded(range)) - range / 4;
    return {l, t, l + int(random.bounded(range / 2)), t + int(random.bounded(range / 2))};
}

QPolygon randomPolygon(QRandomGenerator& random, int range, int n) {
    QPolygon p;
    for (int i = 0; i < n; ++i)
        p << QPoint(int(random.bounded(range)) - range / 4, int(random.bounded(range)) - range / 4);
    return p;
}

// One of the three shapes of areas, as a region both ways.
struct Shape {
    PixelRegion pixels;
    QRegion region;
};

Shape randomShape(QRandomGenerator& random, int range) {
    Shape s;
    const PixelRect r = randomRect(random, range);
    switch (random.bounded(3)) {
    case 0:
        s.pixels.setRect(r);
        s.region = r.isEmpty() ? QRegion() : QRegion(r.toQRect());
        break;
    case 1:
        s.pixels.setEllipse(r);
        s.region = r.isEmpty() ? QRegion() : QRegion(r.toQRect(), QRegion::Ellipse);
        break;
    default: {
        const QPolygon p = randomPolygon(random, range, 3 + int(random.bounded(18)));
        s.pixels.setPolygon(p.constData(), int(p.size()), Qt::WindingFill);
        s.region = QRegion(p, Qt::WindingFill);
    }
    }
    return s;
}

} // namespace

// The map check must find the very pixels the platform's regions hold, or it
// would call areas obscured that are not (or miss ones that are).
TEST(PixelRegion, EllipsesAgreeWithPlatformRegions) {
    QRandomGenerator random(11);
    for (int trial = 0; trial < 2000; ++trial) {
        const int range = trial < 1000 ? 24 : trial < 1900 ? 300 : 2400;
        const PixelRect r = randomRect(random, range);
        PixelRegion pixels;
        pixels.setEllipse(r);
        const QRegion expected = r.isEmpty() ? QRegion() : QRegion(r.toQRect(), QRegion::Ellipse);
        ASSERT_EQ(pixels, pixelsOf(expected))
            << "ellipse " << r.left << "," << r.top << " " << r.width() << "x" << r.height();
    }
}

TEST(PixelRegion, PolygonsAgreeWithPlatformRegionsUnderBothRules) {
    QRandomGenerator random(5);
    for (int trial = 0; trial < 1500; ++trial) {
        const int range = trial % 3 == 0 ? 8 : trial % 3 == 1 ? 60 : 400;
        const QPolygon p =
            randomPolygon(random, range, 3 + int(random.bounded(trial < 1400 ? 10 : 61)));
        for (const Qt::FillRule rule : {Qt::WindingFill, Qt::OddEvenFill}) {
            PixelRegion pixels;
            pixels.setPolygon(p.constData(), int(p.size()), rule);
            ASSERT_EQ(pixels, pixelsOf(QRegion(p, rule))) << "trial " << trial << " rule " << rule;
        }
    }
}

TEST(PixelRegion, RectanglesLeaveOutTheirRightAndBottomEdge) {
    PixelRegion r;
    ASSERT_TRUE(r.setRect({2, 3, 5, 4}));
    EXPECT_EQ(r.boundingRect(), (PixelRect{2, 3, 5, 4}));
    EXPECT_TRUE(r.contains(4, 3));
    EXPECT_FALSE(r.contains(5, 3));
    EXPECT_FALSE(r.contains(4, 4));
    EXPECT_FALSE(r.setRect({2, 3, 2, 9}));
    EXPECT_TRUE(r.isEmpty());
}

TEST(PixelRegion, AreasGiveTheRegionsOfMakeRegion) {
    QRandomGenerator random(3);
    for (int trial = 0; trial < 300; ++trial) {
        MapArea area(AreaShape(random.bounded(3)));
        if (area.shape() == AreaShape::Polygon) {
            const int n = 1 + int(random.bounded(12));
            for (int i = 0; i < n; ++i)
                area.addVertex(int(random.bounded(200)), int(random.bounded(200)));
        } else {
            const PixelRect r = randomRect(random, 200);
            area.setRect(r);
        }
        QRegion expected;
        const bool has = area.makeRegion(expected);
        PixelRegion pixels;
        ASSERT_EQ(pixels.setArea(area), has) << "trial " << trial;
        if (has) {
            ASSERT_EQ(pixels, pixelsOf(expected)) << "trial " << trial;
        }
    }
}

TEST(PixelRegion, ShapesBeyondTheLimitHoldNoRegion) {
    PixelRegion r;
    EXPECT_FALSE(r.setRect({0, 0, 10, PixelRegion::kLimit + 1}));
    EXPECT_FALSE(r.setEllipse({-PixelRegion::kLimit - 1, 0, 10, 10}));
    const QPoint far[] = {{0, 0}, {2000000000, 5}, {0, 10}};
    EXPECT_FALSE(r.setPolygon(far, 3, Qt::WindingFill));
}

// Growing a union and asking whether it holds a region must agree with the
// platform's union and intersection, whatever the order of the shapes.
TEST(RegionUnion, AgreesWithPlatformUnionAndIntersection) {
    QRandomGenerator random(17);
    for (int run = 0; run < 60; ++run) {
        RegionUnion covered;
        QRegion expected;
        const int range = run % 2 ? 40 : 200;
        for (int i = 0; i < 30; ++i) {
            const Shape s = randomShape(random, range);
            ASSERT_EQ(s.pixels, pixelsOf(s.region));
            const bool held = (s.region & expected) == s.region;
            ASSERT_EQ(covered.covers(s.pixels), held) << "run " << run << " shape " << i;
            ASSERT_EQ(covered.coversThenUnite(s.pixels), held) << "run " << run << " shape " << i;
            expected += s.region;
            ASSERT_EQ(covered.toRegion(), pixelsOf(expected)) << "run " << run << " shape " << i;
        }
    }
}
