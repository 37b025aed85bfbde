// Histograms, and the operations that build their tables from one:
// counting of packed pixels, equalisation of large regions, stretching and
// histogram contrast, empty regions.
#include "PointReference.h"

#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <numeric>

using namespace fxtest;

namespace {

// Fills every pixel of a 24-bit bitmap with a grey level chosen by level.
void fillGreys(RasterBitmap* bmp, const std::function<int(int x, int row)>& level) {
    auto bytes = storedBytes(bmp);
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x) {
            uint8_t v = uint8_t(level(x, row));
            setRawAt(bytes, bmp, x, row, rawOf(bmp, Bgr{v, v, v}));
        }
    setStoredBytes(bmp, bytes);
}

} // namespace

TEST(Histogram, OneBitBlackAndWhiteFillsOnlyTheEndBins) {
    for (bool region : {false, true}) {
        Bitmap bmp(45, 6, 1); // the kernel's palette: black, white
        fillPattern(bmp.get(), 19);
        if (region) {
            KRect rect{13, 1, 30, 5}; // starts and ends inside bytes
            ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
        }
        const auto bytes = storedBytes(bmp.get());
        uint32_t ones = 0, zeros = 0;
        for (int row = 0; row < 6; ++row)
            for (int x = 0; x < 45; ++x)
                if (inRegion(bmp.get(), x, row))
                    (rawAt(bytes, bmp.get(), x, row) ? ones : zeros) += 1;
        ASSERT_GT(ones, 0u);
        ASSERT_GT(zeros, 0u);
        for (unsigned channel : {0u, 1u, 2u, 3u}) {
            uint32_t histogram[256];
            ASSERT_EQ(R_GetBitmapHistogram(bmp.get(), histogram, channel), FX_OK);
            EXPECT_EQ(histogram[0], zeros);
            EXPECT_EQ(histogram[255], ones);
            EXPECT_EQ(std::accumulate(histogram + 1, histogram + 255, 0u), 0u);
        }
    }
}

TEST(Histogram, ReportsProgressOverTheRowsAndLeavesTheBitmapAlone) {
    Bitmap bmp(7, 3, 16, RB_ORDER_RGB);
    fillPattern(bmp.get());
    const auto before = storedBytes(bmp.get());
    CallbackRecorder recorder;
    uint32_t histogram[256];
    EXPECT_EQ(R_GetBitmapHistogram(bmp.get(), histogram, 0), FX_OK);
    EXPECT_EQ(recorder.calls, (std::vector<int>{0, 33, 66, 100}));
    EXPECT_EQ(std::accumulate(histogram, histogram + 256, 0u), 21u);
    EXPECT_EQ(storedBytes(bmp.get()), before);
    EXPECT_EQ(bmp->AccessCount, 0);

    CallbackRecorder stop(1, 9);
    EXPECT_EQ(R_GetBitmapHistogram(bmp.get(), histogram, 0), 9);
    EXPECT_EQ(bmp->AccessCount, 0);
}

// Past 16,843,009 pixels the running sum times 255 no longer fits 32 bits:
// a wholly black bitmap of 17,220,000 pixels still equalises to white.
TEST(Histogram, EqualisationHoldsForRegionsBeyondThirtyTwoBitProducts) {
    Bitmap bmp(4200, 4100, 1);
    ASSERT_EQ(bmp.status(), K_OK);
    EXPECT_EQ(R_HistoEqualizeBitmap(bmp.get()), FX_OK);
    const auto palette = paletteOf(bmp.get());
    EXPECT_EQ(palette[0].Red, 255);
    EXPECT_EQ(palette[0].Blue, 255);
    EXPECT_EQ(palette[1].Green, 255);
}

TEST(Histogram, EqualisationSpreadsLevelsByTheirShare) {
    Bitmap bmp(4, 4, 24);
    // Four pixels each of 10, 20, 30 and 40.
    fillGreys(bmp.get(), [](int, int row) { return 10 * (row + 1); });
    EXPECT_EQ(R_HistoEqualizeBitmap(bmp.get()), FX_OK);
    const auto bytes = storedBytes(bmp.get());
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(colorAt(bytes, bmp.get(), 2, row).g, (row + 1) * 4 * 255 / 16);
}

TEST(Histogram, StretchOfASingleLevelChangesNothing) {
    Bitmap bmp(6, 4, 24);
    fillGreys(bmp.get(), [](int, int) { return 100; });
    const auto before = storedBytes(bmp.get());
    CallbackRecorder recorder;
    EXPECT_EQ(R_StretchBitmapIntensity(bmp.get()), FX_OK);
    EXPECT_EQ(storedBytes(bmp.get()), before);
    EXPECT_EQ(recorder.calls.back(), 50); // no second pass

    Bitmap black(6, 4, 8, RB_ORDER_BGR, 0, colorPalette(256));
    const auto palette = paletteOf(black.get());
    EXPECT_EQ(R_StretchBitmapIntensity(black.get()), FX_OK); // every pixel is index 0
    const auto after = paletteOf(black.get());
    EXPECT_EQ(std::memcmp(after.data(), palette.data(), 256 * sizeof(RasterColor)), 0);
}

TEST(Histogram, StretchSpreadsTwoNeighbouringLevelsApart) {
    Bitmap bmp(6, 4, 24);
    fillGreys(bmp.get(), [](int x, int) { return x < 3 ? 100 : 101; });
    EXPECT_EQ(R_StretchBitmapIntensity(bmp.get()), FX_OK);
    const auto bytes = storedBytes(bmp.get());
    EXPECT_EQ(colorAt(bytes, bmp.get(), 0, 0).r, 127); // mid 100 stays at 127
    EXPECT_EQ(colorAt(bytes, bmp.get(), 5, 0).r, 255); // 128 / 1 + 127, clamped
}

TEST(Histogram, HistogramContrastTurnsAboutTheMiddleOfTheLevelsPresent) {
    Bitmap bmp(101, 2, 24);
    fillGreys(bmp.get(), [](int x, int) { return 50 + x; });  // 50..150, middle 100
    EXPECT_EQ(R_HistoContrastBitmap(bmp.get(), 1000), FX_OK); // d = 128
    const auto bytes = storedBytes(bmp.get());
    EXPECT_EQ(colorAt(bytes, bmp.get(), 49, 0).g, 0);   // 99: below the middle
    EXPECT_EQ(colorAt(bytes, bmp.get(), 50, 0).g, 228); // 100 + 128
    EXPECT_EQ(colorAt(bytes, bmp.get(), 100, 1).g, 255);
}

TEST(Histogram, EmptyRegionChangesNothingAndSucceeds) {
    const std::vector<std::function<int(RasterBitmap*)>> operations = {
        R_HistoEqualizeBitmap, R_StretchBitmapIntensity,
        [](RasterBitmap* b) { return R_HistoContrastBitmap(b, -500); }};
    for (const auto& run : operations)
        for (int bits : {4, 24}) {
            Bitmap bmp(10, 10, bits);
            fillPattern(bmp.get(), 2);
            KRect outside{20, 20, 30, 30};
            ASSERT_EQ(KSetRegionRect(bmp.get(), &outside, K_REGION_SET), K_OK);
            const auto before = storedBytes(bmp.get());
            EXPECT_EQ(run(bmp.get()), FX_OK);
            EXPECT_EQ(storedBytes(bmp.get()), before);
            uint32_t histogram[256];
            EXPECT_EQ(R_GetBitmapHistogram(bmp.get(), histogram, 0), FX_OK);
            EXPECT_EQ(std::accumulate(histogram, histogram + 256, 0u), 0u);
        }
}

namespace {

// Every channel asked for counts as the plain reference counts the bitmap's
// stored pixels.
void expectPlainCounts(RasterBitmap* bmp, std::initializer_list<unsigned> channels, int bits,
                       int width, bool region) {
    const auto before = storedBytes(bmp);
    for (unsigned channel : channels) {
        uint32_t histogram[256];
        ASSERT_EQ(R_GetBitmapHistogram(bmp, histogram, channel), FX_OK);
        const auto expected = plainHistogram(bmp, before, int(channel));
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), histogram))
            << bits << "-bit, width " << width << (region ? " with region" : "") << ", channel "
            << channel;
    }
}

} // namespace

// Direct pixels are weighed in chunks of a thousand or so: rows of every
// width around a chunk's end, vector-length tails and a region whose
// spans start and end at odd columns count exactly as pixel by pixel.
TEST(Histogram, WideRowsOfDirectPixelsCountLikeThePlainReferenceInEveryChannel) {
    for (int bits : {24, 32})
        for (int width : {1, 33, 97, 1023, 1024, 1025, 2100})
            for (bool region : {false, true}) {
                Bitmap bmp(width, 3, bits, width % 2 ? RB_ORDER_RGB : RB_ORDER_BGR);
                fillPattern(bmp.get(), uint32_t(width + bits));
                if (region) {
                    KRect left{1, 0, width / 2 + 1, 2}, right{width / 2 + 3, 1, width - 1, 3};
                    ASSERT_EQ(KSetRegionRect(bmp.get(), &left, K_REGION_SET), K_OK);
                    ASSERT_EQ(KSetRegionRect(bmp.get(), &right, K_REGION_UNION), K_OK);
                }
                expectPlainCounts(bmp.get(), {0u, 1u, 2u, 3u}, bits, width, region);
            }
}

// Palette pixels are counted eight bytes a load into eight sub-histograms:
// rows of every width around those eight, regions that cut spans at odd
// columns, and 4-bit rows, count as pixel by pixel.
TEST(Histogram, PaletteRowsOfEveryWidthCountLikeThePlainReference) {
    for (int bits : {4, 8})
        for (int width = 1; width <= 40; width += bits == 8 ? 1 : 3)
            for (bool region : {false, true}) {
                Bitmap bmp(width, 3, bits, RB_ORDER_BGR, 0, colorPalette(1 << bits));
                fillPattern(bmp.get(), uint32_t(width * 7 + bits));
                if (region && width > 3) {
                    KRect left{1, 0, width / 2 + 1, 2}, right{width / 2 + 2, 1, width - 1, 3};
                    ASSERT_EQ(KSetRegionRect(bmp.get(), &left, K_REGION_SET), K_OK);
                    ASSERT_EQ(KSetRegionRect(bmp.get(), &right, K_REGION_UNION), K_OK);
                }
                expectPlainCounts(bmp.get(), {0u, 2u}, bits, width, region);
            }
}
