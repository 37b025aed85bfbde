// Deskew's own shortcuts beside the plain paths they stand for: the level
// count taken during the search against the library's histogram, the
// paired count against counting level by level, the single dot in pairs,
// and the progress of the search and the whole deskew against the steps
// taken one after another.
#include "FxTestSupport.h"

#include "imgfx/DeskewScore.h"
#include "imgfx/DeskewSearch.h"
#include "imgfx/Histogram.h"
#include "imgfx/imgfx.h"
#include "rkkernel/KProgress.h"

#include <gtest/gtest.h>

#include <memory>

using namespace fxtest;

namespace {

// Sloping dark lines on a noisy light ground, or (noise) levels of every
// value, written as stored bytes (8-bit pictures take the level as index).
void paintLevels(RasterBitmap* bmp, uint32_t& seed, int drop, bool noise) {
    auto bytes = storedBytes(bmp);
    for (int y = 0; y < bmp->Height; ++y)
        for (int x = 0; x < bmp->Width; ++x) {
            const int shifted = y - (x * drop + 64) / 128 + 1000;
            const uint32_t r = nextRandom(seed);
            const int level = noise              ? int(r % 256)
                              : shifted % 31 < 3 ? int(r % 50)
                                                 : 200 + int(r % 40);
            bytes[size_t(y) * size_t(bmp->BytesPerLine) + size_t(x)] = uint8_t(level);
        }
    setStoredBytes(bmp, bytes);
}

// Counting neighbouring levels in pairs gives every level's count, over
// rows of every length up to a few words and a page's, with runs of one
// level and levels of every value.
TEST(DeskewCount, PairedCountsAreTheLevelByLevelCounts) {
    uint32_t seed = 3;
    auto pairs = std::make_unique<uint32_t[][FX_PAIR_TABLE]>(4);
    for (size_t n : {size_t(0), size_t(1), size_t(7), size_t(8), size_t(9), size_t(15), size_t(16),
                     size_t(17), size_t(2479), size_t(2480)})
        for (int kind = 0; kind < 3; ++kind) {
            std::vector<uint8_t> levels(n);
            for (size_t x = 0; x < n; ++x)
                levels[x] = kind == 0   ? uint8_t(nextRandom(seed))
                            : kind == 1 ? uint8_t(x / 5 % 2 ? 255 : 0)
                                        : uint8_t(230 + nextRandom(seed) % 3);
            std::memset(pairs.get(), 0, 4 * sizeof pairs[0]);
            uint32_t single[256] = {0}, counts[256], expected[256] = {0};
            // Twice over the same row: counts add up.
            FxCountLevelPairs(pairs.get(), single, levels.data(), n);
            FxCountLevelPairs(pairs.get(), single, levels.data(), n);
            FxFoldLevelPairs(pairs.get(), single, counts);
            for (uint8_t v : levels)
                expected[v] += 2;
            for (int v = 0; v < 256; ++v)
                ASSERT_EQ(counts[v], expected[v]) << n << " " << kind << " level " << v;
        }
}

// A row in pairs against another compared from a later block, as the
// search compares them, is the sum of the products of the levels: the
// first row's levels past the length meet the second's filled end.
TEST(DeskewCount, PairedSingleDotIsTheSum) {
    uint32_t seed = 11;
    for (size_t n : {size_t(1), size_t(15), size_t(16), size_t(17), size_t(31), size_t(32),
                     size_t(33), size_t(2352)}) {
        const size_t width = n + 128;
        std::vector<uint8_t> a(width), b(width);
        uint64_t expected = 0;
        for (size_t x = 0; x < width; ++x) {
            a[x] = x % 7 ? uint8_t(nextRandom(seed) % 256) : 255;
            b[x] = x % 5 ? uint8_t(nextRandom(seed) % 256) : 255;
        }
        for (size_t x = 0; x < n; ++x)
            expected += uint64_t(a[x]) * b[x + 128];
        std::vector<uint16_t> pa(FxPairedWords(width)), pb(FxPairedWords(width));
        FxPairLevels(a.data(), pa.data(), width);
        FxPairLevels(b.data(), pb.data(), width);
        EXPECT_EQ(FxDotPaired(pa.data(), FxPairedSelf(pa.data(), n), pb.data() + 128,
                              FxPairedSelf(pb.data() + 128, n), n),
                  expected)
            << n;
    }
}

// The search's count of an 8-bit grey page is the library's histogram of
// the whole bitmap, region or not; every other bitmap is left to that
// histogram. The offset is the plain search's either way.
TEST(DeskewCount, CountDuringTheSearchIsTheWholeBitmapsHistogram) {
    uint32_t seed = 29;
    int trial = 0;
    for (int rowOrder : {0, RB_ROWS_BOTTOM_UP})
        for (int repeat = 0; repeat < 4; ++repeat, ++trial) {
            const int w = 129 + int(nextRandom(seed) % 700), h = 47 + int(nextRandom(seed) % 120);
            Bitmap bmp(w, h, 8, RB_ORDER_BGR, rowOrder, greyPalette(8));
            paintLevels(bmp.get(), seed, trial * 5 % 47 - 23, repeat == 3);
            if (repeat == 1) {
                KRect part{3, 2, w / 2, h / 3};
                ASSERT_EQ(KSetRegionRect(bmp.get(), &part, K_REGION_SET), K_OK);
            }
            uint32_t histogram[256], expected[256];
            int offset = 99, plainOffset = 98, counted = 0;
            ASSERT_EQ(FxFindSkewCounting(bmp.get(), 0, 33, &offset, histogram, &counted), FX_OK);
            ASSERT_EQ(FxFindSkew(bmp.get(), 0, 33, &plainOffset), FX_OK);
            EXPECT_EQ(offset, plainOffset);
            ASSERT_EQ(counted, 1) << w << " x " << h;
            const int hasRegion = bmp->HasRegion;
            bmp->HasRegion = 0;
            ASSERT_EQ(FxCollectHistogram(bmp.get(), expected, 0, 0, 100), FX_OK);
            bmp->HasRegion = hasRegion;
            for (int v = 0; v < 256; ++v)
                ASSERT_EQ(histogram[v], expected[v]) << w << " x " << h << " level " << v;
        }
    // Not counted: colour palettes, other depths, pages too small to
    // compare; the histogram is untouched.
    struct Case {
        int bits, w, h;
        bool grey;
    };
    for (const Case& c :
         {Case{8, 300, 60, false}, Case{24, 300, 60, false}, Case{1, 300, 60, false},
          Case{8, 128, 60, true}, Case{8, 300, 46, true}}) {
        std::vector<RasterColor> palette;
        if (c.bits <= 8)
            palette = c.grey ? greyPalette(c.bits) : colorPalette(1 << c.bits);
        Bitmap bmp(c.w, c.h, c.bits, RB_ORDER_BGR, 0, palette);
        uint32_t histogram[256];
        std::fill(std::begin(histogram), std::end(histogram), 7u);
        int offset = 0, counted = 1;
        ASSERT_EQ(FxFindSkewCounting(bmp.get(), 0, 33, &offset, histogram, &counted), FX_OK);
        EXPECT_EQ(counted, 0) << c.bits << " " << c.w << " x " << c.h;
        EXPECT_EQ(histogram[0], 7u);
        EXPECT_EQ(histogram[255], 7u);
    }
}

// The callback values of the plain steps: two sweeps of the search (its
// share of 0 .. 33 for offsets 0 to 23, then the rest), the count from 34
// to 66 a row at a time, the rotation from 67 to 100.
std::vector<int> plainProgress(int height, bool counted) {
    std::vector<int> calls;
    KProgress p;
    CallbackRecorder recorder;
    const int rows = height - 46, middle = 33 * 27 / 47;
    for (auto [from, to] : {std::pair{0, middle}, std::pair{middle + 1, 33}}) {
        KProgressStart(&p, from, to, rows);
        for (int r = 0; r < rows; ++r)
            KProgressStep(&p);
    }
    if (counted) {
        KProgressStart(&p, 34, 66, height);
        for (int r = 0; r < height; ++r)
            KProgressStep(&p);
    }
    return CallbackRecorder::calls;
}

// The search reports the values of its two sweeps at every level (done in
// one where rows are widened), the deskew those of the count after them,
// and a stop anywhere returns the stop value with the bitmap as it was.
TEST(DeskewCount, ProgressIsThatOfThePlainSteps) {
    uint32_t seed = 41;
    int counted = 0;
    for (int h : {48, 49, 50, 51, 100, 211}) {
        Bitmap bmp(400, h, 8, RB_ORDER_BGR, 0, greyPalette(8));
        paintLevels(bmp.get(), seed, 9, false);
        const std::vector<int> search = plainProgress(h, false);
        {
            CallbackRecorder recorder;
            int offset = 0;
            ASSERT_EQ(FxFindSkew(bmp.get(), 0, 33, &offset), FX_OK);
            EXPECT_EQ(CallbackRecorder::calls, search) << h;
        }
        const auto before = storedBytes(bmp.get());
        std::vector<int> deskew;
        int angle = 0;
        {
            CallbackRecorder recorder;
            ASSERT_EQ(R_DeskewBitmapAngle(bmp.get(), &angle), FX_OK);
            deskew = CallbackRecorder::calls;
        }
        // Level pages neither count nor turn: their progress goes from the
        // search to the rotation.
        counted += angle != 0;
        std::vector<int> expected = plainProgress(h, angle != 0);
        ASSERT_EQ(std::vector<int>(deskew.begin(), deskew.begin() + long(expected.size())),
                  expected)
            << h;
        EXPECT_EQ(deskew[expected.size()], 67);
        // Stops in the search's second half and in the count.
        for (size_t stopAt : {search.size() - 2, search.size() + 3}) {
            setStoredBytes(bmp.get(), before);
            CallbackRecorder stop(int(stopAt), 9);
            EXPECT_EQ(R_DeskewBitmap(bmp.get()), 9) << h << " " << stopAt;
            EXPECT_EQ(CallbackRecorder::calls.size(), stopAt + 1);
            EXPECT_EQ(storedBytes(bmp.get()), before);
        }
    }
    EXPECT_GE(counted, 4);
}

// The deskew of 8-bit grey pages (its count taken during the search) is
// the rotation by the search's angle onto the most common level of the
// library's histogram, byte for byte.
TEST(DeskewCount, DeskewIsTheRotationOntoTheHistogramsMode) {
    uint32_t seed = 53;
    for (int trial = 0; trial < 6; ++trial) {
        const int w = 200 + int(nextRandom(seed) % 300), h = 60 + int(nextRandom(seed) % 100);
        Bitmap bmp(w, h, 8, RB_ORDER_BGR, trial % 2 ? RB_ROWS_BOTTOM_UP : 0, greyPalette(8));
        paintLevels(bmp.get(), seed, 4 + trial * 3, false);
        Bitmap plain(w, h, 8, RB_ORDER_BGR, bmp->RowOrder, greyPalette(8));
        setStoredBytes(plain.get(), storedBytes(bmp.get()));
        int angle = 0, offset = 0;
        ASSERT_EQ(R_DeskewBitmapAngle(bmp.get(), &angle), FX_OK);
        ASSERT_EQ(FxFindSkew(plain.get(), 0, 33, &offset), FX_OK);
        ASSERT_EQ(angle, FxSkewAngle(offset, plain->RowOrder));
        uint32_t histogram[256];
        ASSERT_EQ(FxCollectHistogram(plain.get(), histogram, 0, 34, 66), FX_OK);
        int mode = 0;
        for (int v = 1; v < 256; ++v)
            if (histogram[v] > histogram[mode])
                mode = v;
        ASSERT_EQ(KRotateBitmap(plain.get(), angle, 0, uint32_t(mode) * 0x010101u, 67, 100), K_OK);
        EXPECT_EQ(storedBytes(bmp.get()), storedBytes(plain.get())) << w << " x " << h;
    }
}

} // namespace
