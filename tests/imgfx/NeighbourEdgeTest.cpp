// The neighbourhood filters at their edges: the order of their checks,
// flat pictures, copies, specks, tiles beyond the picture, the noise seed,
// regions, row order, progress and sums past 32 bits.
#include "NeighbourReference.h"

#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

#include <thread>

using namespace fxtest;

namespace {

// A record laid out as the filters read it.
template <class Record>
const Record* as(const std::vector<int32_t>& words) {
    return reinterpret_cast<const Record*>(words.data());
}

// A bitmap filled with one colour (grey level for 8-bit grey).
void fill(RasterBitmap* bmp, uint32_t raw) {
    std::vector<uint8_t> bytes = storedBytes(bmp);
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x)
            setRawAt(bytes, bmp, x, row, raw);
    setStoredBytes(bmp, bytes);
}

bool everyRaw(RasterBitmap* bmp, uint32_t raw) {
    std::vector<uint8_t> bytes = storedBytes(bmp);
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x)
            if (rawAt(bytes, bmp, x, row) != raw)
                return false;
    return true;
}

// Picture rows get distinct levels: row r (from the top) is 10 + 20 r.
void verticalRamp(RasterBitmap* bmp) {
    std::vector<uint8_t> bytes = storedBytes(bmp);
    for (int row = 0; row < bmp->Height; ++row) {
        const int picture = bmp->RowOrder == RB_ROWS_BOTTOM_UP ? bmp->Height - 1 - row : row;
        for (int x = 0; x < bmp->Width; ++x)
            setRawAt(bytes, bmp, x, row, uint32_t(10 + 20 * picture) * 0x010101u);
    }
    setStoredBytes(bmp, bytes);
}

} // namespace

TEST(NeighbourChecks, ParametersCheckedFirstWinOverABadBitmap) {
    const std::vector<int32_t> divisorZero = {0, 0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    const std::vector<int32_t> dimensionZero = {1, 0, 0};
    const std::vector<int32_t> dimensionNegative = {1, 0, -2};
    const std::vector<int32_t> dimensionHuge = {1, 0, FX_MAX_DIMENSION + 1};
    EXPECT_EQ(R_SpatialFilterBitmap(nullptr, FX_SPATIAL_FILTER(33)), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_SpatialFilterBitmap(nullptr, FX_SPATIAL_FILTER(0xFFFF)), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_SpatialFilterBitmap(nullptr, as<SpatialFilter>(divisorZero)), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_SpatialFilterBitmap(nullptr, as<SpatialFilter>(dimensionZero)),
              FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_SpatialFilterBitmap(nullptr, as<SpatialFilter>(dimensionNegative)),
              FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_SpatialFilterBitmap(nullptr, as<SpatialFilter>(dimensionHuge)),
              FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_SpatialFilterBitmap(nullptr, FX_SPATIAL_FILTER(32)), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_SpatialFilterBitmap(nullptr, nullptr), FX_ERR_BAD_BITMAP); // index 0
    for (int dimension : {0, -1, -70000, FX_MAX_DIMENSION + 1}) {
        EXPECT_EQ(R_AverageFilterBitmap(nullptr, dimension), FX_ERR_BAD_PARAMETER) << dimension;
        EXPECT_EQ(R_MedianFilterBitmap(nullptr, dimension), FX_ERR_BAD_PARAMETER) << dimension;
    }
    EXPECT_EQ(R_AverageFilterBitmap(nullptr, 3), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_MedianFilterBitmap(nullptr, 3), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_MedianFilterBitmap(nullptr, 7), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_MosaicBitmap(nullptr, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_MosaicBitmap(nullptr, -8), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_MosaicBitmap(nullptr, 8), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_AddBitmapNoise(nullptr, 1001, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_AddBitmapNoise(nullptr, 0, 4), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_AddBitmapNoise(nullptr, 1000, 3), FX_ERR_BAD_BITMAP);
}

TEST(NeighbourChecks, TheBitmapIsCheckedFirstBySharpenEmbossDespeckleAndBinary) {
    EXPECT_EQ(R_SharpenBitmap(nullptr, 1001), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_SharpenBitmap(nullptr, 0), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_EmbossBitmap(nullptr, 8, 1001), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_DespeckleBitmap(nullptr), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_BinaryFilterBitmap(nullptr, FX_BINARY_FILTER(8)), FX_ERR_BAD_BITMAP);

    Bitmap bmp(6, 5, 24);
    fillPattern(bmp.get(), 3);
    const auto before = storedBytes(bmp.get());
    CallbackRecorder recorder;
    EXPECT_EQ(R_SharpenBitmap(bmp.get(), 0), FX_OK);
    EXPECT_EQ(R_SharpenBitmap(bmp.get(), 1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_SharpenBitmap(bmp.get(), -1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_EmbossBitmap(bmp.get(), 8, 500), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_EmbossBitmap(bmp.get(), 0, 1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_BinaryFilterBitmap(bmp.get(), FX_BINARY_FILTER(8)), FX_ERR_BAD_PARAMETER);
    const std::vector<int32_t> noElement = {1, 0};
    EXPECT_EQ(R_BinaryFilterBitmap(bmp.get(), as<BinaryFilter>(noElement)), FX_ERR_BAD_PARAMETER);
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(storedBytes(bmp.get()), before);

    bmp->Flags &= ~RB_FLAG_ALLOCATED;
    EXPECT_EQ(R_MedianFilterBitmap(bmp.get(), 5), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_DespeckleBitmap(bmp.get()), FX_ERR_BAD_BITMAP);
    bmp->Flags |= RB_FLAG_ALLOCATED;
}

TEST(NeighbourFlat, LaplacianGivesZeroAndEmbossGives128UpToTheEdges) {
    for (int bits : {8, 24}) {
        Bitmap bmp(9, 7, bits);
        fill(bmp.get(), bits == 8 ? 90u : 0x5a5a5au);
        EXPECT_EQ(R_SpatialFilterBitmap(bmp.get(), FX_SPATIAL_FILTER(17)), FX_OK);
        EXPECT_TRUE(everyRaw(bmp.get(), 0)) << bits;
        fill(bmp.get(), bits == 8 ? 37u : 0x252525u);
        EXPECT_EQ(R_SpatialFilterBitmap(bmp.get(), FX_SPATIAL_FILTER(0)), FX_OK);
        EXPECT_TRUE(everyRaw(bmp.get(), bits == 8 ? 128u : 0x808080u)) << bits;
    }
}

TEST(NeighbourCopies, MedianAndAverageOfOneLeaveEveryKindUnchanged) {
    for (const Format& f : allFormats()) {
        Bitmap bmp(13, 5, f, f.bits <= 8 ? colorPalette(1 << f.bits) : std::vector<RasterColor>{});
        fillPattern(bmp.get(), 41);
        const auto before = storedBytes(bmp.get());
        EXPECT_EQ(R_MedianFilterBitmap(bmp.get(), 1), FX_OK);
        EXPECT_EQ(storedBytes(bmp.get()), before) << f.name();
        EXPECT_EQ(R_AverageFilterBitmap(bmp.get(), 1), FX_OK);
        EXPECT_EQ(storedBytes(bmp.get()), before) << f.name();
    }
}

TEST(NeighbourBuiltRecords, EmbossAt500AndSharpenAtItsEndsMatchTheirPlainFilters) {
    for (unsigned direction = 0; direction < 8; ++direction) {
        Bitmap a(11, 9, 24), b(11, 9, 24);
        fillPattern(a.get(), 5);
        fillPattern(b.get(), 5);
        EXPECT_EQ(R_EmbossBitmap(a.get(), direction, 500), FX_OK);
        EXPECT_EQ(R_SpatialFilterBitmap(b.get(), FX_SPATIAL_FILTER(direction)), FX_OK);
        EXPECT_EQ(storedBytes(a.get()), storedBytes(b.get())) << direction;
    }
    Bitmap blurred(11, 9, 24), boxed(11, 9, 24), sharp(11, 9, 24), eight(11, 9, 24);
    for (Bitmap* bmp : {&blurred, &boxed, &sharp, &eight})
        fillPattern(bmp->get(), 9);
    EXPECT_EQ(R_SharpenBitmap(blurred.get(), -1000), FX_OK);
    EXPECT_EQ(R_AverageFilterBitmap(boxed.get(), 3), FX_OK);
    EXPECT_EQ(storedBytes(blurred.get()), storedBytes(boxed.get()));
    const std::vector<int32_t> sharpen = {1, 0, 3, -1, -1, -1, -1, 9, -1, -1, -1, -1};
    EXPECT_EQ(R_SharpenBitmap(sharp.get(), 1000), FX_OK);
    EXPECT_EQ(R_SpatialFilterBitmap(eight.get(), as<SpatialFilter>(sharpen)), FX_OK);
    EXPECT_EQ(storedBytes(sharp.get()), storedBytes(eight.get()));
}

TEST(NeighbourDespeckle, OneBitSpecksAndHolesGoWhileSmallBlocksStay) {
    for (bool hole : {false, true}) {
        Bitmap bmp(16, 9, 1);
        fill(bmp.get(), hole ? 1u : 0u);
        auto bytes = storedBytes(bmp.get());
        setRawAt(bytes, bmp.get(), 3, 2, hole ? 0u : 1u); // lone speck or hole
        for (int y : {5, 6})
            for (int x : {10, 11})
                setRawAt(bytes, bmp.get(), x, y, hole ? 0u : 1u); // 2 x 2 block
        setStoredBytes(bmp.get(), bytes);
        EXPECT_EQ(R_DespeckleBitmap(bmp.get()), FX_OK);
        auto after = storedBytes(bmp.get());
        EXPECT_EQ(rawAt(after, bmp.get(), 3, 2), hole ? 1u : 0u);
        for (int y : {5, 6})
            for (int x : {10, 11})
                EXPECT_EQ(rawAt(after, bmp.get(), x, y), hole ? 0u : 1u) << x << "," << y;
        setRawAt(bytes, bmp.get(), 3, 2, hole ? 1u : 0u);
        EXPECT_EQ(after, bytes);
    }
}

TEST(NeighbourMosaic, ATileLargerThanThePictureFillsTheRegionWithTheWholeAverage) {
    Bitmap bmp(10, 6, 8);
    fillPattern(bmp.get(), 77);
    const auto before = storedBytes(bmp.get());
    int sum = 0;
    for (uint8_t v : before)
        sum += v; // rows of 10 bytes are padded to 12 with zeros
    KRect rect{2, 1, 7, 4};
    ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
    EXPECT_EQ(R_MosaicBitmap(bmp.get(), 1000), FX_OK);
    const auto after = storedBytes(bmp.get());
    for (int row = 0; row < 6; ++row)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 7 && row >= 1 && row < 4;
            EXPECT_EQ(rawAt(after, bmp.get(), x, row),
                      inside ? uint32_t(sum / 60) : rawAt(before, bmp.get(), x, row));
        }
}

TEST(NeighbourNoise, RangeZeroChangesNothingButAdvancesTheSeedOncePerRegionPixel) {
    Bitmap bmp(20, 8, 24);
    fillPattern(bmp.get(), 13);
    KRect ellipse{1, 0, 19, 8};
    ASSERT_EQ(KSetRegionEllipse(bmp.get(), &ellipse, K_REGION_SET), K_OK);
    int64_t area = 0;
    KRegionArea(bmp.get(), &area);
    ASSERT_GT(area, 0);
    ASSERT_LT(area, 160);
    const auto before = storedBytes(bmp.get());
    R_SetBitmapNoiseSeed(0xFFFFFFFFu); // wraps in 32 bits on the first step
    EXPECT_EQ(R_AddBitmapNoise(bmp.get(), 0, 0), FX_OK);
    EXPECT_EQ(storedBytes(bmp.get()), before);
    uint32_t seed = 0xFFFFFFFFu;
    for (int64_t i = 0; i < area; ++i)
        seed = fxref::nextSeed(seed);
    EXPECT_EQ(R_GetBitmapNoiseSeed(), seed);
    // The seed carries over to the next call, and other threads have their own.
    EXPECT_EQ(R_AddBitmapNoise(bmp.get(), 0, 2), FX_OK);
    for (int64_t i = 0; i < area; ++i)
        seed = fxref::nextSeed(seed);
    EXPECT_EQ(R_GetBitmapNoiseSeed(), seed);
    uint32_t other = 1;
    std::thread([&] {
        other = R_GetBitmapNoiseSeed();
        Bitmap small(3, 3, 8);
        R_AddBitmapNoise(small.get(), 500, 0);
    }).join();
    EXPECT_EQ(other, 0u);
    EXPECT_EQ(R_GetBitmapNoiseSeed(), seed);
}

TEST(NeighbourRegion, OnlyRegionPixelsChangeYetOutsideNeighboursCount) {
    // Left half black, right half level 240; the region is the column just
    // left of the boundary, whose 3 x 3 windows reach the bright half.
    Bitmap bmp(10, 5, 24);
    auto bytes = storedBytes(bmp.get());
    for (int row = 0; row < 5; ++row)
        for (int x = 5; x < 10; ++x)
            setRawAt(bytes, bmp.get(), x, row, 0xf0f0f0u);
    setStoredBytes(bmp.get(), bytes);
    KRect column{4, 0, 5, 5};
    ASSERT_EQ(KSetRegionRect(bmp.get(), &column, K_REGION_SET), K_OK);
    EXPECT_EQ(R_AverageFilterBitmap(bmp.get(), 3), FX_OK);
    auto after = storedBytes(bmp.get());
    for (int row = 0; row < 5; ++row)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(rawAt(after, bmp.get(), x, row),
                      x == 4 ? 0x505050u : rawAt(bytes, bmp.get(), x, row))
                << x << "," << row;
    EXPECT_EQ(R_BinaryFilterBitmap(bmp.get(), FX_BINARY_FILTER(0)), FX_OK); // maximum
    after = storedBytes(bmp.get());
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(rawAt(after, bmp.get(), 4, row), 0xf0f0f0u);
    EXPECT_EQ(rawAt(after, bmp.get(), 3, 2), 0u);
}

// Built-in 0 takes +1 from the stored row before the centre, which on a
// bitmap stored bottom-up is the picture row below it; a 5 x 5 record with
// the same nine values in its centre works in picture rows and takes it
// from the picture row above.
TEST(NeighbourRowOrder, StoredRowPathsAndPictureRowPathsDifferOnBottomUpBitmaps) {
    std::vector<int32_t> north5 = {1, 128, 5};
    north5.resize(3 + 25, 0);
    north5[3 + 7] = 1;   // picture row above the centre
    north5[3 + 17] = -1; // picture row below the centre
    Bitmap up(6, 7, 24, RB_ORDER_BGR, RB_ROWS_BOTTOM_UP),
        upRecord(6, 7, 24, RB_ORDER_BGR, RB_ROWS_BOTTOM_UP);
    Bitmap down(6, 7, 24), downSouth(6, 7, 24);
    for (Bitmap* bmp : {&up, &upRecord, &down, &downSouth})
        verticalRamp(bmp->get());
    ASSERT_EQ(R_SpatialFilterBitmap(up.get(), FX_SPATIAL_FILTER(0)), FX_OK);
    ASSERT_EQ(R_SpatialFilterBitmap(upRecord.get(), as<SpatialFilter>(north5)), FX_OK);
    ASSERT_EQ(R_SpatialFilterBitmap(down.get(), FX_SPATIAL_FILTER(0)), FX_OK);
    ASSERT_EQ(R_SpatialFilterBitmap(downSouth.get(), FX_SPATIAL_FILTER(4)), FX_OK);
    // In picture terms: row r of the ramp is 10 + 20 r, so "north" gives
    // 128 - 40 inside and the bottom-up built-in gives 128 + 40.
    auto pictureLevel = [](Bitmap& bmp, int pictureRow) {
        const int row =
            bmp->RowOrder == RB_ROWS_BOTTOM_UP ? bmp->Height - 1 - pictureRow : pictureRow;
        return rawAt(storedBytes(bmp.get()), bmp.get(), 2, row) & 0xffu;
    };
    for (int r = 1; r < 6; ++r) {
        EXPECT_EQ(pictureLevel(down, r), 88u) << r;
        EXPECT_EQ(pictureLevel(upRecord, r), 88u) << r;
        EXPECT_EQ(pictureLevel(up, r), 168u) << r;
        EXPECT_EQ(pictureLevel(downSouth, r), 168u) << r;
    }
}

TEST(NeighbourProgress, WindowFiltersReportEveryRowAndStopWithRowsWrittenSoFar) {
    Bitmap bmp(8, 3, 24);
    fillPattern(bmp.get(), 21);
    {
        CallbackRecorder recorder;
        EXPECT_EQ(R_MedianFilterBitmap(bmp.get(), 5), FX_OK);
        EXPECT_EQ(recorder.calls, (std::vector<int>{0, 33, 66, 100}));
    }
    const std::function<int(RasterBitmap*)> filters[] = {
        [](RasterBitmap* b) { return R_SpatialFilterBitmap(b, FX_SPATIAL_FILTER(18)); },
        [](RasterBitmap* b) { return R_AverageFilterBitmap(b, 4); },
        [](RasterBitmap* b) { return R_MosaicBitmap(b, 2); },
        [](RasterBitmap* b) { return R_DespeckleBitmap(b); },
        [](RasterBitmap* b) { return R_BinaryFilterBitmap(b, FX_BINARY_FILTER(1)); },
        [](RasterBitmap* b) { return R_AddBitmapNoise(b, 900, 0); },
    };
    for (int bits : {1, 24}) {
        for (const auto& filter : filters) {
            Bitmap a(19, 6, bits), b(19, 6, bits);
            fillPattern(a.get(), 8);
            fillPattern(b.get(), 8);
            const auto before = storedBytes(a.get());
            R_SetBitmapNoiseSeed(5);
            ASSERT_EQ(filter(b.get()), FX_OK);
            const auto whole = storedBytes(b.get());
            // Stop at the third call: after the start and two written rows.
            CallbackRecorder recorder(2, -7);
            R_SetBitmapNoiseSeed(5);
            EXPECT_EQ(filter(a.get()), -7);
            EXPECT_EQ(recorder.calls, (std::vector<int>{0, 16, 33}));
            const auto stopped = storedBytes(a.get());
            const size_t split = size_t(a->BytesPerLine) * 2;
            EXPECT_TRUE(std::equal(stopped.begin(), stopped.begin() + long(split), whole.begin()));
            EXPECT_TRUE(std::equal(stopped.begin() + long(split), stopped.end(),
                                   before.begin() + long(split)));
            EXPECT_EQ(a->AccessCount, 0);
        }
    }
}

// Sums the documented 32-bit arithmetic would wrap.
TEST(NeighbourWideSums, SumsPast32BitsGiveTheTrueLevels) {
    Bitmap small(10, 10, 8);
    fill(small.get(), 255);
    EXPECT_EQ(R_AverageFilterBitmap(small.get(), 5000), FX_OK); // 255 x 5000^2 > 2^32
    EXPECT_TRUE(everyRaw(small.get(), 255));
    std::vector<int32_t> heavy = {1, -100, 3};
    heavy.resize(12, 1 << 30); // sums of 255 x 9 x 2^30, far past 2^31
    EXPECT_EQ(R_SpatialFilterBitmap(small.get(), as<SpatialFilter>(heavy)), FX_OK);
    EXPECT_TRUE(everyRaw(small.get(), 255));

    // A tile of 4200 x 4100 pixels at 255: its sum passes 2^32.
    Bitmap large(4200, 4100, 8);
    fill(large.get(), 255);
    EXPECT_EQ(R_MosaicBitmap(large.get(), 5000), FX_OK);
    EXPECT_TRUE(everyRaw(large.get(), 255));
}
