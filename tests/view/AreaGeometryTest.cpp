#include "view/AreaGeometry.h"

#include <gtest/gtest.h>

namespace {

const ViewMapping kOneToOne{};

MapArea rectangle(int l, int t, int r, int b, AreaShape shape = AreaShape::Rectangle) {
    MapArea a(shape);
    a.setRect(l, t, r, b);
    return a;
}

MapArea polygon(std::initializer_list<QPoint> points) {
    MapArea a(AreaShape::Polygon);
    for (QPoint p : points)
        a.addVertex(p.x(), p.y());
    return a;
}

AreaGeometry at(const MapArea& a, ViewMapping mapping = kOneToOne, int handleSize = 5) {
    return AreaGeometry(a, mapping, handleSize);
}

} // namespace

TEST(AreaGeometry, ZoomAndScrollPlaceTheBoxWherePicturePixelsShow) {
    const MapArea a = rectangle(10, 10, 20, 20);
    EXPECT_EQ(at(a).windowRect(), (PixelRect{10, 10, 20, 20}));
    EXPECT_EQ(at(a, {ZoomLevel::in(2), {4, 6}}).windowRect(), (PixelRect{16, 14, 36, 34}));
    EXPECT_EQ(at(a, {ZoomLevel::out(2), {1, 0}}).windowRect(), (PixelRect{4, 5, 9, 10}));
    // Below 1:1 a thin area keeps one window pixel, and its body is hit a
    // pixel beside it: it stays selectable at 1:16.
    const AreaGeometry thin = at(rectangle(100, 100, 103, 400), {ZoomLevel::out(16), {}});
    EXPECT_EQ(thin.windowRect().width(), 1);
    EXPECT_EQ(thin.hitTest({6, 15}).code, AreaHit::Body);
    EXPECT_EQ(thin.hitTest({5, 15}).code, AreaHit::Left);
}

TEST(AreaGeometry, RectangleHandlesAndHitRect) {
    const AreaGeometry g = at(rectangle(10, 20, 40, 50));
    EXPECT_EQ(g.handle(AreaHit::TopLeft), (PixelRect{5, 15, 10, 20}));
    EXPECT_EQ(g.handle(AreaHit::BottomRight), (PixelRect{40, 50, 45, 55}));
    EXPECT_EQ(g.handle(AreaHit::Top), (PixelRect{22, 15, 27, 20}));
    EXPECT_EQ(g.handle(AreaHit::Left), (PixelRect{5, 32, 10, 37}));
    EXPECT_EQ(g.hitRect(), (PixelRect{5, 15, 45, 55}));
    EXPECT_EQ(g.extent(), g.hitRect());
}

TEST(AreaGeometry, HandlesGrowWithMagnificationNeverShrinkBelowIt) {
    const MapArea a = rectangle(10, 20, 40, 50);
    EXPECT_EQ(at(a, kOneToOne, 9).handle(AreaHit::TopLeft), (PixelRect{1, 11, 10, 20}));
    EXPECT_EQ(at(a, {ZoomLevel::in(2), {}}, 9).handle(AreaHit::TopRight),
              (PixelRect{80, 22, 98, 40}));
    EXPECT_EQ(at(a, {ZoomLevel::out(8), {}}).handleSide(), 5);
}

TEST(AreaGeometry, CircleCornerHandlesSitOnTheEllipse) {
    const AreaGeometry g = at(rectangle(0, 0, 80, 40, AreaShape::Circle));
    EXPECT_EQ(g.handle(AreaHit::TopLeft), (PixelRect{8, 3, 13, 8}));
    EXPECT_EQ(g.handle(AreaHit::TopRight), (PixelRect{70, 5, 75, 10}));
    EXPECT_EQ(g.handle(AreaHit::BottomRight), (PixelRect{68, 33, 73, 38}));
    EXPECT_EQ(g.handle(AreaHit::BottomLeft), (PixelRect{10, 35, 15, 40}));
    EXPECT_EQ(g.handle(AreaHit::Right), (PixelRect{80, 17, 85, 22}));
}

TEST(AreaGeometry, NarrowRectangleOffersCornersAndOnlyTheSidesItsHeightAllows) {
    const AreaGeometry g = at(rectangle(100, 100, 104, 120)); // 4 wide, 20 high
    EXPECT_FALSE(g.handleUsable(AreaHit::Top));
    EXPECT_FALSE(g.handleUsable(AreaHit::Bottom));
    EXPECT_TRUE(g.handleUsable(AreaHit::Right));
    EXPECT_EQ(g.hitTest({99, 97}).code, AreaHit::TopLeft);
    EXPECT_EQ(g.hitTest({101, 97}).code, AreaHit::Miss); // the top middle is not offered
    EXPECT_EQ(g.hitTest({105, 108}).code, AreaHit::Right);
    EXPECT_EQ(g.hitTest({97, 108}).code, AreaHit::Left);
}

TEST(AreaGeometry, BodyReachesOnePixelBeyondTheRectangle) {
    const AreaGeometry g = at(rectangle(10, 10, 40, 40));
    EXPECT_EQ(g.hitTest({20, 20}).code, AreaHit::Body);
    EXPECT_EQ(g.hitTest({40, 20}).code, AreaHit::Body);
    EXPECT_EQ(g.hitTest({41, 20}).code, AreaHit::Miss);
    EXPECT_EQ(g.hitTest({45, 10}).code, AreaHit::Miss); // right of handle 1
    EXPECT_EQ(g.hitTest({42, 8}).code, AreaHit::TopRight);
    const AreaGeometry c = at(rectangle(0, 0, 40, 40, AreaShape::Circle));
    EXPECT_EQ(c.hitTest({2, 38}).code, AreaHit::Body); // outside the ellipse, inside its box
}

TEST(AreaGeometry, PolygonHitsVerticesThenTheBody) {
    const AreaGeometry g = at(polygon({{10, 10}, {50, 10}, {50, 50}}));
    EXPECT_EQ(g.hitTest({51, 49}).code, AreaHit::Vertex);
    EXPECT_EQ(g.hitTest({51, 49}).vertex, 2);
    EXPECT_EQ(g.hitTest({40, 20}).code, AreaHit::Body);
    EXPECT_EQ(g.hitTest({40, 20}).vertex, -1);
    EXPECT_EQ(g.hitTest({20, 40}).code, AreaHit::Miss);
    EXPECT_EQ(g.hitTest({80, 80}).code, AreaHit::Miss);
    const PixelRect extent = g.extent();
    for (int i = 0; i < g.vertexCount(); ++i)
        EXPECT_TRUE(extent.encloses(g.vertexHandle(i)));
    EXPECT_EQ(g.ring().size(), 4);
    // Vertices on one line keep their box, so they stay reachable.
    const AreaGeometry line = at(polygon({{1, 1}, {5, 1}, {10, 1}}));
    EXPECT_EQ(line.windowRect(), (PixelRect{1, 1, 11, 2}));
    EXPECT_EQ(line.hitTest({10, 1}).vertex, 2);
}

TEST(AreaGeometry, PolygonFollowsZoomAndScroll) {
    const MapArea a = polygon({{1, 2}, {10, 2}, {10, 12}});
    const AreaGeometry g = at(a, {ZoomLevel::in(3), {6, 0}});
    EXPECT_EQ(g.ring()[1], QPoint(24, 6));
    EXPECT_EQ(g.vertexHandle(1), (PixelRect{18, 0, 30, 12})); // 2 x 3 about the vertex
    EXPECT_EQ(at(a, {ZoomLevel::out(2), {}}).ring()[2], QPoint(5, 6));
}

// A scrolled window moves every part of every shape as laying it out at
// the new scroll position places it, at every zoom.
TEST(AreaGeometry, TranslatedIsLaidOutAtTheScrolledPosition) {
    const MapArea areas[] = {rectangle(3, 4, 30, 22), rectangle(5, 5, 40, 31, AreaShape::Circle),
                             polygon({{1, 2}, {17, 3}, {9, 25}, {9, 25}, {2, 11}})};
    for (const ZoomLevel zoom : {ZoomLevel::in(1), ZoomLevel::in(3), ZoomLevel::out(4)}) {
        for (const MapArea& a : areas) {
            AreaGeometry moved = at(a, {zoom, {7, 2}});
            moved.translate({-13, 9});
            const AreaGeometry laid = at(a, {zoom, {20, -7}});
            EXPECT_EQ(moved.windowRect(), laid.windowRect());
            EXPECT_EQ(moved.extent(), laid.extent());
            EXPECT_EQ(moved.ring(), laid.ring());
            EXPECT_EQ(moved.paintRing(), laid.paintRing());
            for (int h = 0; h < 8; ++h)
                EXPECT_EQ(moved.handle(h), laid.handle(h));
            for (int i = 0; i < laid.vertexCount(); ++i)
                EXPECT_EQ(moved.vertexHandle(i), laid.vertexHandle(i));
            EXPECT_EQ(moved.hitTest({12, 20}).code, laid.hitTest({12, 20}).code);
        }
    }
}

TEST(AreaGeometry, FindEdgeFindsTheClosingEdge) {
    const AreaGeometry g = at(polygon({{0, 0}, {40, 0}, {40, 40}, {0, 40}}));
    EXPECT_EQ(g.findEdge({20, 0}), 0);
    EXPECT_EQ(g.findEdge({40, 20}), 1);
    EXPECT_EQ(g.findEdge({0, 20}), 3);
    EXPECT_EQ(g.findEdge({20, 20}), -1);
    EXPECT_EQ(at(polygon({{0, 0}, {30, 10}, {0, 20}})).findEdge({15, 15}), 1);
}
