#include "model/MapArea.h"

#include <QRegion>

#include <gtest/gtest.h>

namespace {

MapArea polygon(std::initializer_list<QPoint> points) {
    MapArea a(AreaShape::Polygon);
    for (QPoint p : points)
        a.addVertex(p.x(), p.y());
    a.finishPolygon();
    return a;
}

} // namespace

TEST(MapAreaPolygon, HoldsAtMost63VerticesAndSkipsRepeats) {
    MapArea a(AreaShape::Polygon);
    EXPECT_TRUE(a.addVertex(0, 0));
    EXPECT_FALSE(a.addVertex(0, 0)); // equal to the last one
    for (int i = 1; i < 63; ++i)
        EXPECT_TRUE(a.addVertex(i, i % 2));
    EXPECT_EQ(a.vertexCount(), 63);
    EXPECT_FALSE(a.addVertex(100, 100));
    EXPECT_EQ(a.vertexCount(), 63);
    const QPolygon ring = a.viewRing();
    ASSERT_EQ(ring.size(), 64);
    EXPECT_EQ(ring.last(), ring.first());
}

TEST(MapAreaPolygon, BoxIsThatOfTheRegion) {
    MapArea a = polygon({{1, 1}, {10, 1}, {10, 10}});
    EXPECT_EQ(a.viewRect(), (PixelRect{1, 1, 10, 10}));
    EXPECT_EQ(a.hitRect(), a.viewRect());
    EXPECT_EQ(a.imageRect(), (PixelRect{1, 1, 10, 10}));
    EXPECT_EQ(a.vertex(2), QPoint(10, 10));
    EXPECT_EQ(a.vertex(3), QPoint(0, 0)); // outside the range
    EXPECT_EQ(a.vertex(-1), QPoint(0, 0));
}

TEST(MapAreaPolygon, VerticesOnOneLineStayReachable) {
    MapArea a = polygon({{1, 1}, {5, 1}, {10, 1}});
    EXPECT_EQ(a.viewRect(), (PixelRect{1, 1, 11, 2}));
    EXPECT_EQ(a.hitTest(10, 1), AreaHit::Vertex);
    EXPECT_EQ(a.hotVertex(), 2);
    QRegion region;
    EXPECT_FALSE(a.makeRegion(region)); // covers no pixel: never obscured
}

TEST(MapAreaPolygon, HitTestFindsVerticesThenTheBody) {
    MapArea a = polygon({{10, 10}, {50, 10}, {50, 50}});
    EXPECT_EQ(a.hitTest(51, 49), AreaHit::Vertex);
    EXPECT_EQ(a.hotVertex(), 2);
    EXPECT_EQ(a.hitTest(40, 20), AreaHit::Body);
    EXPECT_EQ(a.hotVertex(), -1);
    EXPECT_EQ(a.hitTest(20, 40), AreaHit::Miss); // in the box, outside the triangle
    EXPECT_EQ(a.hitTest(80, 80), AreaHit::Miss);
}

TEST(MapAreaPolygon, FindEdgeFindsTheClosingEdge) {
    MapArea a = polygon({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
    EXPECT_EQ(a.findEdge(20, 0), 0);
    EXPECT_EQ(a.findEdge(40, 20), 1);
    EXPECT_EQ(a.findEdge(0, 20), 3); // from vertex 3 back to vertex 0
    EXPECT_EQ(a.findEdge(20, 20), -1);
    MapArea slanted = polygon({{0, 0}, {30, 10}, {0, 20}});
    EXPECT_EQ(slanted.findEdge(15, 15), 1);
}

TEST(MapAreaPolygon, InsertVertexAfterAnIndexInRange) {
    MapArea a = polygon({{0, 0}, {40, 0}, {40, 40}});
    EXPECT_TRUE(a.insertVertex(2, 0, 40)); // after the last: appends
    ASSERT_EQ(a.vertexCount(), 4);
    EXPECT_EQ(a.vertex(3), QPoint(0, 40));
    EXPECT_EQ(a.viewRect(), (PixelRect{0, 0, 40, 40}));
    EXPECT_FALSE(a.insertVertex(4, 5, 5)); // a = vertexCount
    EXPECT_FALSE(a.insertVertex(-1, 5, 5));
    EXPECT_TRUE(a.insertVertex(0, 20, -10));
    EXPECT_EQ(a.vertex(1), QPoint(20, -10));
    EXPECT_EQ(a.vertex(2), QPoint(40, 0));
    EXPECT_EQ(a.viewRect().top, -9); // the box of the region: the apex row holds no pixel
    EXPECT_EQ(a.viewRing().last(), QPoint(0, 0));
}

TEST(MapAreaPolygon, InsertVertexRefusedAt63) {
    MapArea a(AreaShape::Polygon);
    for (int i = 0; i < 63; ++i)
        a.addVertex(i, i % 3);
    EXPECT_FALSE(a.insertVertex(0, 5, 5));
}

TEST(MapAreaPolygon, DeleteVertexClosesTheGap) {
    MapArea a = polygon({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
    EXPECT_TRUE(a.deleteVertex(0));
    ASSERT_EQ(a.vertexCount(), 3);
    EXPECT_EQ(a.vertex(0), QPoint(40, 0));
    EXPECT_EQ(a.viewRing().last(), QPoint(40, 0));
    EXPECT_FALSE(a.deleteVertex(3));
    EXPECT_EQ(a.vertexCount(), 3);
}

TEST(MapAreaPolygon, RescaleKeepsImagePointsAndMovesSquares) {
    MapArea a = polygon({{1, 2}, {10, 2}, {10, 12}});
    a.rescale(3);
    EXPECT_EQ(a.viewPoint(1), QPoint(30, 6));
    EXPECT_EQ(a.vertex(1), QPoint(10, 2));
    EXPECT_EQ(a.vertexHandle(1), (PixelRect{24, 0, 36, 12})); // grown by 2 x 3
    a.setOrigin(6, 0);
    EXPECT_EQ(a.viewPoint(1), QPoint(24, 6));
    EXPECT_EQ(a.vertexHandle(1), (PixelRect{18, 0, 30, 12}));
    EXPECT_EQ(a.vertex(1), QPoint(10, 2));
    a.setOrigin(0, 0);
    a.rescale(1);
    EXPECT_EQ(a.viewPoint(2), QPoint(10, 12));
}

TEST(MapAreaPolygon, ClampingMovesOnlyVerticesOutside) {
    MapArea a = polygon({{10, 10}, {500, 10}, {10, 350}});
    a.clampTo({0, 0, 400, 300});
    EXPECT_EQ(a.vertex(0), QPoint(10, 10));
    EXPECT_EQ(a.vertex(1), QPoint(400, 10));
    EXPECT_EQ(a.vertex(2), QPoint(10, 300));
    EXPECT_TRUE(a.isInside({0, 0, 400, 300}));
}

TEST(MapAreaPolygon, ExtentCoversTheVertexSquares) {
    MapArea a = polygon({{10, 10}, {50, 10}, {50, 50}});
    const PixelRect extent = a.extent();
    for (int i = 0; i < a.vertexCount(); ++i)
        EXPECT_TRUE(extent.encloses(a.vertexHandle(i)));
}
