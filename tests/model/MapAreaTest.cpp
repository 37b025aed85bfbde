#include "model/MapArea.h"

#include <QRegion>

#include <gtest/gtest.h>

namespace {

MapArea rectangle(int l, int t, int r, int b, int handleSize = 5) {
    MapArea a(AreaShape::Rectangle, handleSize);
    a.setRect(l, t, r, b);
    return a;
}

} // namespace

TEST(MapAreaGeometry, SetRectNormalisesAndNeverLeavesAnEmptyRectangle) {
    MapArea a = rectangle(7, 9, 7, 9);
    EXPECT_EQ(a.viewRect(), (PixelRect{7, 9, 8, 10}));
    a.setRect(30, 40, 10, 20);
    EXPECT_EQ(a.viewRect(), (PixelRect{10, 20, 30, 40}));
}

TEST(MapAreaGeometry, ImagePixelsTruncateAndSurviveRescaling) {
    MapArea a(AreaShape::Rectangle);
    a.rescale(3);
    a.setRect(10, 11, 20, 29); // view pixels at 3:1
    EXPECT_EQ(a.imageRect(), (PixelRect{3, 3, 6, 9}));
    a.rescale(1);
    EXPECT_EQ(a.viewRect(), (PixelRect{3, 3, 6, 9}));
    a.rescale(3);
    EXPECT_EQ(a.viewRect(), (PixelRect{9, 9, 18, 27}));
}

TEST(MapAreaGeometry, OriginShiftsViewButNotImagePixels) {
    MapArea a = rectangle(10, 10, 20, 20);
    a.setOrigin(4, 6);
    EXPECT_EQ(a.viewRect(), (PixelRect{6, 4, 16, 14}));
    EXPECT_EQ(a.imageRect(), (PixelRect{10, 10, 20, 20}));
    a.rescale(2); // view = image x 2 - origin
    EXPECT_EQ(a.viewRect(), (PixelRect{16, 14, 36, 34}));
    EXPECT_EQ(a.imageRect(), (PixelRect{10, 10, 20, 20}));
}

TEST(MapAreaGeometry, SetOriginComparesAllFourValues) {
    MapArea a = rectangle(10, 10, 20, 20);
    a.setOrigin(0, 0, 1, 0); // only a companion value changes: nothing moves
    EXPECT_EQ(a.viewRect(), (PixelRect{10, 10, 20, 20}));
    a.setOrigin(5, 0, 1, 0);
    EXPECT_EQ(a.viewRect(), (PixelRect{5, 10, 15, 20}));
}

TEST(MapAreaHandles, RectangleHandlesAndHitRect) {
    MapArea a = rectangle(10, 20, 40, 50);
    EXPECT_EQ(a.handle(AreaHit::TopLeft), (PixelRect{5, 15, 10, 20}));
    EXPECT_EQ(a.handle(AreaHit::BottomRight), (PixelRect{40, 50, 45, 55}));
    EXPECT_EQ(a.handle(AreaHit::Top), (PixelRect{22, 15, 27, 20}));
    EXPECT_EQ(a.handle(AreaHit::Left), (PixelRect{5, 32, 10, 37}));
    EXPECT_EQ(a.hitRect(), (PixelRect{5, 15, 45, 55}));
    EXPECT_EQ(a.extent(), a.hitRect());
}

TEST(MapAreaHandles, HandlesGrowWithScaleAndSize) {
    MapArea a = rectangle(10, 20, 40, 50, 9);
    EXPECT_EQ(a.handle(AreaHit::TopLeft), (PixelRect{1, 11, 10, 20}));
    a.rescale(2);
    EXPECT_EQ(a.handle(AreaHit::TopRight), (PixelRect{80, 22, 98, 40}));
}

TEST(MapAreaHandles, CircleCornerHandlesSitOnTheEllipse) {
    MapArea a(AreaShape::Circle);
    a.setRect(0, 0, 80, 40);
    EXPECT_EQ(a.handle(AreaHit::TopLeft), (PixelRect{8, 3, 13, 8}));        // (0+10-2, 0+5-2)
    EXPECT_EQ(a.handle(AreaHit::TopRight), (PixelRect{70, 5, 75, 10}));     // (80-10, 0+5)
    EXPECT_EQ(a.handle(AreaHit::BottomRight), (PixelRect{68, 33, 73, 38})); // (80-2-10, 40-2-5)
    EXPECT_EQ(a.handle(AreaHit::BottomLeft), (PixelRect{10, 35, 15, 40}));  // (0+10, 40-5)
    EXPECT_EQ(a.handle(AreaHit::Right), (PixelRect{80, 17, 85, 22}));
}

TEST(MapAreaHitTest, NarrowRectangleOffersCornersAndOnlyTheSidesItsHeightAllows) {
    MapArea a = rectangle(100, 100, 104, 120); // 4 wide, 20 high, handles of 5
    EXPECT_FALSE(a.handleUsable(AreaHit::Top));
    EXPECT_FALSE(a.handleUsable(AreaHit::Bottom));
    EXPECT_TRUE(a.handleUsable(AreaHit::Right));
    EXPECT_TRUE(a.handleUsable(AreaHit::Left));
    // (101, 97) lies in handle 4 (top middle, 99..104), which is not offered.
    EXPECT_EQ(a.hitTest(99, 97), AreaHit::TopLeft);
    EXPECT_EQ(a.hitTest(101, 97), AreaHit::Miss);
    EXPECT_EQ(a.hitTest(105, 108), AreaHit::Right);
    EXPECT_EQ(a.hitTest(97, 108), AreaHit::Left);
}

TEST(MapAreaHitTest, BodyReachesOnePixelBeyondTheRectangle) {
    MapArea a = rectangle(10, 10, 40, 40);
    EXPECT_EQ(a.hitTest(20, 20), AreaHit::Body);
    EXPECT_EQ(a.hitTest(40, 20), AreaHit::Body); // right edge, within the 1-pixel margin
    EXPECT_EQ(a.hitTest(41, 20), AreaHit::Miss);
    EXPECT_EQ(a.hitTest(200, 200), AreaHit::Miss);
    EXPECT_EQ(a.hotVertex(), -1);
    MapArea c(AreaShape::Circle);
    c.setRect(0, 0, 40, 40);
    EXPECT_EQ(c.hitTest(2, 38), AreaHit::Body); // outside the ellipse, inside its box
}

TEST(MapAreaHitTest, WithBoundsMissesOutsideTheHitRect) {
    MapArea a = rectangle(10, 10, 40, 40);
    EXPECT_EQ(a.hitTestWithBounds(45, 10), AreaHit::Miss); // right of handle 1
    EXPECT_EQ(a.hitTestWithBounds(42, 8), AreaHit::TopRight);
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
    p.finishPolygon();
    QRegion region(1, 1, 1, 1);
    EXPECT_FALSE(p.makeRegion(region));
    EXPECT_EQ(region, QRegion(1, 1, 1, 1)); // untouched
    p.addVertex(10, 10);
    p.finishPolygon();
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

TEST(MapAreaBounds, ClampingWorksInImagePixelsAtAnyScale) {
    MapArea a = rectangle(350, 10, 450, 20);
    a.rescale(2);
    a.setOrigin(100, 0);
    a.clampTo({0, 0, 400, 300});
    EXPECT_EQ(a.imageRect(), (PixelRect{350, 10, 400, 20}));
    EXPECT_EQ(a.viewRect(), (PixelRect{600, 20, 700, 40}));
}
