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

TEST(MapAreaPolygon, HoldsUpToTheLimitAndSkipsRepeats) {
    MapArea a(AreaShape::Polygon);
    EXPECT_TRUE(a.addVertex(0, 0));
    EXPECT_FALSE(a.addVertex(0, 0)); // equal to the last one
    for (int i = 1; i < MapArea::kMaxVertices; ++i)
        ASSERT_TRUE(a.addVertex(i % 5000, i / 5000 + i % 2));
    EXPECT_EQ(a.vertexCount(), MapArea::kMaxVertices);
    EXPECT_FALSE(a.addVertex(-1, -1));
    EXPECT_EQ(a.vertexCount(), MapArea::kMaxVertices);
    const QPolygon ring = a.imageRing();
    ASSERT_EQ(ring.size(), MapArea::kMaxVertices + 1);
    EXPECT_EQ(ring.last(), ring.first());
}

// The box is kept between changes: every way of changing the vertices or
// the shape gives the box a fresh area of the same geometry has.
TEST(MapAreaPolygon, KeptBoxFollowsEveryChange) {
    MapArea a = polygon({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
    const auto fresh = [](const MapArea& area) {
        MapArea copy(area.shape());
        copy.setPicture(area.picture());
        return copy.imageRect();
    };
    EXPECT_EQ(a.imageRect(), (PixelRect{0, 0, 40, 40}));
    a.addVertex(-20, 20);
    EXPECT_EQ(a.imageRect(), fresh(a));
    a.insertVertex(0, 20, -30);
    EXPECT_EQ(a.imageRect(), fresh(a));
    a.setVertex(2, 90, 90);
    EXPECT_EQ(a.imageRect(), fresh(a));
    a.deleteVertex(0);
    EXPECT_EQ(a.imageRect(), fresh(a));
    a.clampTo({0, 0, 30, 30});
    EXPECT_EQ(a.imageRect(), fresh(a));
    PictureArea moved = a.picture().translated(5, 7);
    a.setPicture(moved);
    EXPECT_EQ(a.imageRect(), fresh(a));
    a.setShape(AreaShape::Rectangle);
    a.setRect(1, 2, 3, 4);
    EXPECT_EQ(a.imageRect(), (PixelRect{1, 2, 3, 4}));
    a.setShape(AreaShape::Polygon);
    EXPECT_EQ(a.imageRect(), fresh(a));
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

TEST(MapAreaPolygon, InsertVertexRefusedAtTheLimit) {
    MapArea a(AreaShape::Polygon);
    for (int i = 0; i < MapArea::kMaxVertices - 1; ++i)
        a.addVertex(i, i % 3);
    EXPECT_TRUE(a.insertVertex(0, 5, 5)); // past the old 63
    EXPECT_EQ(a.vertexCount(), MapArea::kMaxVertices);
    EXPECT_FALSE(a.insertVertex(0, 6, 6));
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
