#include "model/MapArea.h"

#include <QRegion>

#include <gtest/gtest.h>

namespace {

MapArea polygon(std::initializer_list<QPoint> points) {
    MapArea a(AreaShape::Polygon);
    for (QPoint p : points)
        a.addVertex(p.x(), p.y());
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
    const QPolygon ring = a.imageRing();
    ASSERT_EQ(ring.size(), 64);
    EXPECT_EQ(ring.last(), ring.first());
}

TEST(MapAreaPolygon, BoxIsThatOfTheRegion) {
    MapArea a = polygon({{1, 1}, {10, 1}, {10, 10}});
    EXPECT_EQ(a.imageRect(), (PixelRect{1, 1, 10, 10}));
    EXPECT_EQ(a.vertex(2), QPoint(10, 10));
    EXPECT_EQ(a.vertex(3), QPoint(0, 0)); // outside the range
    EXPECT_EQ(a.vertex(-1), QPoint(0, 0));
}

TEST(MapAreaPolygon, VerticesOnOneLineStayReachable) {
    MapArea a = polygon({{1, 1}, {5, 1}, {10, 1}});
    EXPECT_EQ(a.imageRect(), (PixelRect{1, 1, 11, 2}));
    QRegion region;
    EXPECT_FALSE(a.makeRegion(region)); // covers no pixel: never obscured
}

TEST(MapAreaPolygon, InsertVertexAfterAnIndexInRange) {
    MapArea a = polygon({{0, 0}, {40, 0}, {40, 40}});
    EXPECT_TRUE(a.insertVertex(2, 0, 40)); // after the last: appends
    ASSERT_EQ(a.vertexCount(), 4);
    EXPECT_EQ(a.vertex(3), QPoint(0, 40));
    EXPECT_EQ(a.imageRect(), (PixelRect{0, 0, 40, 40}));
    EXPECT_FALSE(a.insertVertex(4, 5, 5)); // a = vertexCount
    EXPECT_FALSE(a.insertVertex(-1, 5, 5));
    EXPECT_TRUE(a.insertVertex(0, 20, -10));
    EXPECT_EQ(a.vertex(1), QPoint(20, -10));
    EXPECT_EQ(a.vertex(2), QPoint(40, 0));
    EXPECT_EQ(a.imageRect().top, -9); // the box of the region: the apex row holds no pixel
    EXPECT_EQ(a.imageRing().last(), QPoint(0, 0));
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
    EXPECT_EQ(a.imageRing().last(), QPoint(40, 0));
    EXPECT_FALSE(a.deleteVertex(3));
    EXPECT_EQ(a.vertexCount(), 3);
}

TEST(MapAreaPolygon, ClampingMovesOnlyVerticesOutside) {
    MapArea a = polygon({{10, 10}, {500, 10}, {10, 350}});
    a.clampTo({0, 0, 400, 300});
    EXPECT_EQ(a.vertex(0), QPoint(10, 10));
    EXPECT_EQ(a.vertex(1), QPoint(400, 10));
    EXPECT_EQ(a.vertex(2), QPoint(10, 300));
    EXPECT_TRUE(a.isInside({0, 0, 400, 300}));
}
