#include "model/MapArea.h"

#include <QRegion>

#include <gtest/gtest.h>

namespace {

MapArea rectangle(int l, int t, int r, int b) {
    MapArea a(AreaShape::Rectangle);
    a.setRect(l, t, r, b);
    return a;
}

} // namespace

TEST(MapAreaGeometry, SetRectNormalisesAndNeverLeavesAnEmptyRectangle) {
    MapArea a = rectangle(7, 9, 7, 9);
    EXPECT_EQ(a.imageRect(), (PixelRect{7, 9, 8, 10}));
    a.setRect(30, 40, 10, 20);
    EXPECT_EQ(a.imageRect(), (PixelRect{10, 20, 30, 40}));
    EXPECT_EQ(a.picture().rect, a.imageRect());
}

TEST(MapAreaGeometry, ContainsFollowsTheShape) {
    const MapArea a = rectangle(10, 10, 40, 40);
    EXPECT_TRUE(a.contains({10, 10}));
    EXPECT_TRUE(a.contains({39, 39}));
    EXPECT_FALSE(a.contains({40, 20}));
    MapArea p(AreaShape::Polygon);
    for (QPoint v : {QPoint(10, 10), QPoint(50, 10), QPoint(50, 50)})
        p.addVertex(v.x(), v.y());
    EXPECT_TRUE(p.contains({40, 20}));
    EXPECT_FALSE(p.contains({20, 40})); // in the box, outside the triangle
}

TEST(MapAreaCircle, OutputGeometryTruncates) {
    MapArea a(AreaShape::Circle);
    a.setRect(40, 40, 60, 60);
    EXPECT_EQ(a.circle(), (CircleGeometry{50, 50, 10}));
    a.setRect(0, 0, 21, 10); // centre (10, 5), radius the larger of 11 and 5
    EXPECT_EQ(a.circle(), (CircleGeometry{10, 5, 11}));
}

TEST(MapAreaRegion, ShapesGiveTheirPixelSets) {
    QRegion region;
    ASSERT_TRUE(rectangle(0, 0, 10, 10).makeRegion(region));
    EXPECT_EQ(region, QRegion(0, 0, 10, 10));
    MapArea c(AreaShape::Circle);
    c.setRect(0, 0, 20, 20);
    ASSERT_TRUE(c.makeRegion(region));
    EXPECT_TRUE(region.contains(QPoint(10, 10)));
    EXPECT_FALSE(region.contains(QPoint(1, 1)));
}

TEST(MapAreaRegion, ShortPolygonsHaveNone) {
    MapArea p(AreaShape::Polygon);
    p.addVertex(0, 0);
    p.addVertex(10, 0);
    QRegion region(1, 1, 1, 1);
    EXPECT_FALSE(p.makeRegion(region));
    EXPECT_EQ(region, QRegion(1, 1, 1, 1)); // untouched
    p.addVertex(10, 10);
    EXPECT_TRUE(p.makeRegion(region));
}

TEST(MapAreaBounds, InsideTestAndClampingMoveOnlyWhatSticksOut) {
    const PixelRect image{0, 0, 400, 300};
    MapArea inside = rectangle(10, 10, 400, 300);
    EXPECT_TRUE(inside.isInside(image));
    inside.clampTo(image);
    EXPECT_EQ(inside.imageRect(), (PixelRect{10, 10, 400, 300}));

    MapArea across = rectangle(-5, 250, 50, 350);
    EXPECT_FALSE(across.isInside(image));
    across.clampTo(image);
    EXPECT_EQ(across.imageRect(), (PixelRect{0, 250, 50, 300}));
}

TEST(MapAreaBounds, AreaWhollyOutsideEndsAsAStripAlongTheEdge) {
    MapArea a = rectangle(500, 10, 600, 20);
    a.clampTo({0, 0, 400, 300});
    EXPECT_EQ(a.imageRect(), (PixelRect{399, 10, 400, 20}));
}
