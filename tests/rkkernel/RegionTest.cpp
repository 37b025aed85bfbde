// Kernel regions: shapes, union, span lists, bounds, counts and area.
#include "../imgfx/FxTestSupport.h"

#include <gtest/gtest.h>

using namespace fxtest;

namespace {

std::vector<int32_t> spansOf(const RasterBitmap* bmp, int row) {
    int count = 0;
    KMaxSpanCount(bmp, &count);
    std::vector<int32_t> spans(size_t(count) + 2);
    KRowSpans(bmp, row, spans.data(), &count);
    spans.resize(size_t(count));
    return spans;
}

KRect boundsOf(const RasterBitmap* bmp) {
    KRect r{};
    KRegionBounds(bmp, 0, &r);
    return r;
}

bool operator==(const KRect& a, const KRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

} // namespace

TEST(KernelRegion, WithoutRegionEveryRowIsOneSpan) {
    Bitmap bmp(10, 4, 24);
    EXPECT_EQ(spansOf(bmp.get(), 2), (std::vector<int32_t>{0, 10}));
    EXPECT_TRUE(spansOf(bmp.get(), 4).empty());
    EXPECT_TRUE(boundsOf(bmp.get()) == (KRect{0, 0, 10, 4}));
    int64_t area = 0;
    KRegionArea(bmp.get(), &area);
    EXPECT_EQ(area, 40);
}

TEST(KernelRegion, RectanglesAreClippedToTheBitmap) {
    Bitmap bmp(10, 4, 8);
    KRect rect{-3, 1, 4, 9};
    ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
    EXPECT_EQ(bmp->HasRegion, 1);
    EXPECT_TRUE(boundsOf(bmp.get()) == (KRect{0, 1, 4, 4}));
    EXPECT_TRUE(spansOf(bmp.get(), 0).empty());
    EXPECT_EQ(spansOf(bmp.get(), 3), (std::vector<int32_t>{0, 4}));
    int64_t area = 0;
    KRegionArea(bmp.get(), &area);
    EXPECT_EQ(area, 12);
}

TEST(KernelRegion, EllipsesTakePixelsWhoseCentreIsInside) {
    Bitmap bmp(20, 20, 8);
    KRect box{0, 0, 10, 6};
    ASSERT_EQ(KSetRegionEllipse(bmp.get(), &box, K_REGION_SET), K_OK);
    EXPECT_TRUE(boundsOf(bmp.get()) == (KRect{0, 0, 10, 6}));
    // Symmetric top to bottom and left to right.
    for (int row = 0; row < 3; ++row) {
        auto top = spansOf(bmp.get(), row), bottom = spansOf(bmp.get(), 5 - row);
        ASSERT_EQ(top.size(), 2u);
        EXPECT_EQ(top, bottom);
        EXPECT_EQ(top[0], 10 - top[1]);
    }
    EXPECT_EQ(spansOf(bmp.get(), 2), (std::vector<int32_t>{0, 10}));
    EXPECT_EQ(spansOf(bmp.get(), 0), (std::vector<int32_t>{2, 8}));
}

TEST(KernelRegion, PolygonsFillByWinding) {
    Bitmap bmp(20, 20, 8);
    // A pentagram: its centre is wound twice and stays inside.
    KPoint star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    ASSERT_EQ(KSetRegionPolygon(bmp.get(), star, 5, K_REGION_SET), K_OK);
    EXPECT_TRUE(inRegion(bmp.get(), 10, 10));
    EXPECT_FALSE(inRegion(bmp.get(), 10, 18));
    EXPECT_EQ(spansOf(bmp.get(), 10).size(), 2u);
    // Two overlapping squares of opposite direction cancel where they overlap.
    KPoint ring[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                     {3, 3}, {3, 7},  {7, 7},   {7, 3},  {3, 3}};
    ASSERT_EQ(KSetRegionPolygon(bmp.get(), ring, 10, K_REGION_SET), K_OK);
    EXPECT_EQ(spansOf(bmp.get(), 5), (std::vector<int32_t>{0, 3, 7, 10}));
    EXPECT_EQ(spansOf(bmp.get(), 1), (std::vector<int32_t>{0, 10}));
    EXPECT_EQ(KSetRegionPolygon(bmp.get(), ring, 2, K_REGION_SET), K_ERR_BAD_PARAMETER);
}

TEST(KernelRegion, UnionMergesShapesRowByRow) {
    Bitmap bmp(30, 10, 24);
    KRect a{2, 1, 8, 5}, b{6, 3, 12, 7}, c{20, 4, 25, 6};
    KSetRegionRect(bmp.get(), &a, K_REGION_SET);
    KSetRegionRect(bmp.get(), &b, K_REGION_UNION);
    KSetRegionRect(bmp.get(), &c, K_REGION_UNION);
    EXPECT_EQ(spansOf(bmp.get(), 1), (std::vector<int32_t>{2, 8}));
    EXPECT_EQ(spansOf(bmp.get(), 4), (std::vector<int32_t>{2, 12, 20, 25}));
    EXPECT_EQ(spansOf(bmp.get(), 6), (std::vector<int32_t>{6, 12}));
    EXPECT_TRUE(boundsOf(bmp.get()) == (KRect{2, 1, 25, 7}));
    int count = 0;
    KMaxSpanCount(bmp.get(), &count);
    EXPECT_EQ(count, 4);
    int64_t area = 0;
    KRegionArea(bmp.get(), &area);
    EXPECT_EQ(area, 24 + 24 - 4 + 10);
    // Set replaces everything.
    KSetRegionRect(bmp.get(), &c, K_REGION_SET);
    EXPECT_TRUE(spansOf(bmp.get(), 1).empty());
}

TEST(KernelRegion, ClearedHasRegionLiftsTheRegionUntilRestored) {
    Bitmap bmp(10, 10, 8);
    KRect rect{2, 2, 4, 4};
    KSetRegionRect(bmp.get(), &rect, K_REGION_SET);
    bmp->HasRegion = 0;
    EXPECT_TRUE(boundsOf(bmp.get()) == (KRect{0, 0, 10, 10}));
    bmp->HasRegion = 1;
    EXPECT_TRUE(boundsOf(bmp.get()) == (KRect{2, 2, 4, 4}));
    KClearRegion(bmp.get());
    EXPECT_EQ(bmp->HasRegion, 0);
    KRect nowhere{50, 50, 60, 60};
    KSetRegionRect(bmp.get(), &nowhere, K_REGION_SET);
    EXPECT_TRUE(boundsOf(bmp.get()) == (KRect{0, 0, 0, 0}));
    int count = -1;
    KMaxSpanCount(bmp.get(), &count);
    EXPECT_EQ(count, 0);
}

TEST(KernelRegion, MasksGiveTheSpansOfTheirSetBytesAndUnite) {
    Bitmap bmp(12, 4, 8);
    // Stride wider than the bitmap: bytes past the width are never read as pixels.
    std::vector<uint8_t> mask(16 * 4, 0);
    for (int x : {0, 1, 2, 5, 11})
        mask[size_t(16 + x)] = uint8_t(x + 1);
    mask[16 * 3 + 12] = 1; // past the width
    ASSERT_EQ(KSetRegionMask(bmp.get(), mask.data(), 16, K_REGION_SET), K_OK);
    EXPECT_TRUE(spansOf(bmp.get(), 0).empty());
    EXPECT_EQ(spansOf(bmp.get(), 1), (std::vector<int32_t>{0, 3, 5, 6, 11, 12}));
    EXPECT_TRUE(spansOf(bmp.get(), 3).empty());
    EXPECT_TRUE(boundsOf(bmp.get()) == (KRect{0, 1, 12, 2}));
    const KRect r{4, 1, 8, 3};
    ASSERT_EQ(KSetRegionRect(bmp.get(), &r, K_REGION_UNION), K_OK);
    ASSERT_EQ(KSetRegionMask(bmp.get(), mask.data(), 16, K_REGION_UNION), K_OK);
    EXPECT_EQ(spansOf(bmp.get(), 1), (std::vector<int32_t>{0, 3, 4, 8, 11, 12}));
    EXPECT_EQ(spansOf(bmp.get(), 2), (std::vector<int32_t>{4, 8}));
    EXPECT_EQ(KSetRegionMask(bmp.get(), nullptr, 16, K_REGION_SET), K_ERR_BAD_PARAMETER);
}
