// Deskew: the angle table and its sign, the offsets found for level and
// sloping lines in every format, pages too small to compare, the fill
// level with a region, progress and stops, and a scanned-looking page
// drawn at 2 degrees coming out level.
#include "FxTestSupport.h"

#include "imgfx/DeskewScore.h"
#include "imgfx/DeskewSearch.h"
#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace fxtest;

namespace {

const double pi = 3.14159265358979323846;

// The stored value of a grey level in a bitmap of any format: the nearest
// palette entry, or the level in every channel.
uint32_t rawOfLevel(const RasterBitmap* bmp, int level) {
    const Bgr c{uint8_t(level), uint8_t(level), uint8_t(level)};
    return bmp->BitsPerPixel <= 8 ? uint32_t(nearestIndex(bmp, c)) : rawOf(bmp, c);
}

// Paints every picture pixel with the grey level f(x, y).
void paint(RasterBitmap* bmp, const std::function<int(int x, int y)>& f) {
    uint32_t raw[256];
    for (int level = 0; level < 256; ++level)
        raw[level] = rawOfLevel(bmp, level);
    auto bytes = storedBytes(bmp);
    for (int y = 0; y < bmp->Height; ++y)
        for (int x = 0; x < bmp->Width; ++x)
            setRawAt(bytes, bmp, x, storedRowOf(bmp, y), raw[f(x, y)]);
    setStoredBytes(bmp, bytes);
}

// Black lines three rows thick on white, 37 rows apart (so that no other
// offset within reach lines them up again), falling drop rows over every
// 128 columns to the right. Pictures of 128 + 37 * 128 / drop columns give
// every row the same share of black where it is compared.
int slopingLines(int x, int y, int drop) {
    const int shifted = y - (x * drop + 64) / 128 + 1000;
    return shifted % 37 < 3 ? 0 : 255;
}

// The offset the search finds.
int offsetOf(RasterBitmap* bmp) {
    int offset = 99;
    EXPECT_EQ(FxFindSkew(bmp, 0, 33, &offset), FX_OK);
    return offset;
}

// A page of text lines drawn turned clockwise (as shown) by degrees: words
// of dark strokes on a light, slightly noisy ground.
void drawPage(RasterBitmap* bmp, double degrees) {
    const double c = std::cos(degrees * pi / 180), s = std::sin(degrees * pi / 180);
    const double cx = bmp->Width / 2.0, cy = bmp->Height / 2.0;
    uint32_t noise = 17;
    paint(bmp, [&](int x, int y) {
        noise = noise * 1103515245u + 12345u;
        const int ground = 228 + int((noise >> 16) % 16);
        // Where (x, y) lies on the straight page.
        const double u = cx + (x - cx) * c + (y - cy) * s;
        const double v = cy - (x - cx) * s + (y - cy) * c;
        if (u < 60 || u >= bmp->Width - 60 || v < 60 || v >= bmp->Height - 60)
            return ground;
        // Lines 30 rows apart, 14 of them dark, paragraphs of six lines 20
        // rows apart.
        const int paragraph = int(v - 60) / 200, inParagraph = int(v - 60) % 200;
        const int line = paragraph * 6 + inParagraph / 30, inLine = inParagraph % 30;
        if (inParagraph >= 180 || inLine >= 14)
            return ground;
        // Words of 40 to 130 columns with gaps of 18, strokes 3 of every 7.
        const int column = int(u - 60);
        int start = 0, word = line * 7;
        while (true) {
            const int length = 40 + (word * 53 % 91);
            if (column < start + length)
                return (column - start) % 7 < 3 ? 40 : ground;
            start += length + 18;
            if (column < start)
                return ground;
            ++word;
        }
    });
}

// Darkness of the picture rows within columns from .. from + 100.
std::vector<double> rowProfile(RasterBitmap* bmp, int from) {
    const auto bytes = storedBytes(bmp);
    std::vector<double> profile(size_t(bmp->Height));
    for (int y = 0; y < bmp->Height; ++y)
        for (int x = from; x < from + 100; ++x)
            profile[size_t(y)] += 255 - intensity(colorAt(bytes, bmp, x, storedRowOf(bmp, y)));
    return profile;
}

// The slope of the text lines in degrees, clockwise as shown, measured
// apart from the search: the vertical shift that best lines up the row
// profiles of two strips 300 columns apart (to a row, so within 0.2
// degrees).
double measuredSlope(RasterBitmap* bmp) {
    const int left = bmp->Width / 2 - 200, right = left + 300;
    const auto a = rowProfile(bmp, left), b = rowProfile(bmp, right);
    int best = 0;
    double bestSum = -1;
    for (int shift = -14; shift <= 14; ++shift) {
        double sum = 0;
        for (int y = 100; y < bmp->Height - 100; ++y)
            sum += a[size_t(y)] * b[size_t(y + shift)];
        if (sum > bestSum)
            bestSum = sum, best = shift;
    }
    return std::atan(best / 300.0) * 180 / pi;
}

} // namespace

TEST(Deskew, AngleTableAndItsSign) {
    for (int s = -23; s <= 23; ++s) {
        const int rounded = int(std::lround(100 * std::atan(std::abs(s) / 128.0) * 180 / pi));
        const int expected = s < 0 ? -rounded : rounded;
        EXPECT_EQ(FxSkewAngle(s, RB_ROWS_BOTTOM_UP), expected) << s;
        EXPECT_EQ(FxSkewAngle(s, 0), -expected) << s;
    }
    EXPECT_EQ(FxSkewAngle(10, 0), -447);
    EXPECT_EQ(FxSkewAngle(-23, RB_ROWS_BOTTOM_UP), -1019);
}

TEST(Deskew, RowScoresCountOnlyTheComparedPixels) {
    // 13 bits: one whole byte, then the five high bits of the next; the
    // low bits beyond (padding, or pixels past the compared ones) never
    // count, whichever colour is the lighter.
    const uint8_t a[2] = {0xF0, 0xFF}, b[2] = {0xFF, 0xFF};
    EXPECT_EQ(FxCountBothLighter(a, b, 13, 1), 4u + 5u);
    const uint8_t c[2] = {0x0F, 0x00}, d[2] = {0x00, 0x00};
    EXPECT_EQ(FxCountBothLighter(c, d, 13, 0), 4u + 5u);
    EXPECT_EQ(FxCountBothLighter(a, b, 0, 1), 0u);

    // Products of levels, summed in 64 bits over any length and tail, one
    // row against one or against four (the middle two nearly all 255, the
    // last nearly all 0: the extremes of every way of summing them).
    for (size_t n : {size_t(0), size_t(1), size_t(63), size_t(64), size_t(129), size_t(600001)}) {
        std::vector<uint8_t> x(n), y[4];
        uint64_t expected[4] = {};
        for (int k = 0; k < 4; ++k)
            y[k].resize(n);
        for (size_t i = 0; i < n; ++i) {
            x[i] = i % 5 ? 255 : uint8_t(i);
            for (int k = 0; k < 4; ++k) {
                y[k][i] = i % (3 + 4 * size_t(k)) ? (k == 3 ? 0 : 255) : uint8_t(i * 7 + size_t(k));
                expected[k] += uint64_t(x[i]) * y[k][i];
            }
        }
        EXPECT_EQ(FxDotLevels(x.data(), y[0].data(), n), expected[0]) << n;
        const uint8_t* rows[4] = {y[0].data(), y[1].data(), y[2].data(), y[3].data()};
        uint64_t sums[4];
        FxDotLevelsFour(x.data(), rows, n, sums);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(sums[k], expected[k]) << n << " " << k;
        // The same sums from the rows in pairs.
        std::vector<uint16_t> wx(FxPairedWords(n)), wy(FxPairedWords(n));
        FxPairLevels(x.data(), wx.data(), n);
        for (int k = 0; k < 4; ++k) {
            FxPairLevels(y[k].data(), wy.data(), n);
            EXPECT_EQ(FxDotPaired(wx.data(), FxPairedSelf(wx.data(), n), wy.data(),
                                  FxPairedSelf(wy.data(), n), n),
                      expected[k])
                << n << " " << k << " in pairs";
        }
    }
}

// Both-lighter counts of 1-bit rows, eight bytes at a time, are the
// counts bit by bit over random rows of every length up to a few words,
// either colour the lighter.
TEST(Deskew, BothLighterCountsAreTheCountsBitByBit) {
    uint32_t s = 99;
    std::vector<uint8_t> a(80), b(80);
    for (int trial = 0; trial < 400; ++trial) {
        for (size_t i = 0; i < a.size(); ++i) {
            s = s * 1103515245u + 12345u;
            a[i] = uint8_t(s >> 16), b[i] = uint8_t(s >> 8);
            if (trial % 3 == 0)
                a[i] |= b[i]; // many both-set bits
        }
        const size_t n = size_t(trial) * 7 % 641;
        for (int lighter : {0, 1}) {
            uint32_t expected = 0;
            for (size_t x = 0; x < n; ++x) {
                const int pa = (a[x / 8] >> (7 - x % 8)) & 1, pb = (b[x / 8] >> (7 - x % 8)) & 1;
                expected += pa == lighter && pb == lighter;
            }
            ASSERT_EQ(FxCountBothLighter(a.data(), b.data(), n, lighter), expected)
                << n << " " << lighter;
        }
    }
}

// Four rows against four (or three rows in pairs against three) in one
// pass give the sums of one row against one, over lengths with and without
// a tail of a 64-byte step or a block of pairs, levels random or at the
// extremes.
TEST(Deskew, BlockDotsAreTheSingleDots) {
    uint32_t s = 5;
    for (size_t n : {size_t(0), size_t(1), size_t(31), size_t(63), size_t(64), size_t(65),
                     size_t(2352), size_t(600001)}) {
        std::vector<uint8_t> rows[8];
        for (int r = 0; r < 8; ++r) {
            rows[r].resize(n);
            for (auto& v : rows[r]) {
                s = s * 1103515245u + 12345u;
                v = r == 1 ? 255 : r == 6 ? 0 : uint8_t(s >> 16);
            }
        }
        const uint8_t* a[4] = {rows[0].data(), rows[1].data(), rows[2].data(), rows[3].data()};
        const uint8_t* b[4] = {rows[4].data(), rows[1].data(), rows[6].data(), rows[7].data()};
        uint64_t sums[16];
        FxDotLevelsBlock(a, b, n, sums);
        for (int i = 0; i < 4; ++i)
            for (int k = 0; k < 4; ++k) {
                uint64_t expected = 0;
                for (size_t x = 0; x < n; ++x)
                    expected += uint64_t(a[i][x]) * b[k][x];
                ASSERT_EQ(sums[4 * i + k], expected) << n << " " << i << " " << k;
            }
        // Three rows in pairs against three (the rows of nearly all 255 and
        // all 0 among them).
        std::vector<uint16_t> paired[8];
        uint64_t self[8];
        for (int r = 0; r < 8; ++r) {
            paired[r].resize(FxPairedWords(n));
            FxPairLevels(rows[r].data(), paired[r].data(), n);
            self[r] = FxPairedSelf(paired[r].data(), n);
        }
        const int ra[3] = {0, 1, 2}, rb[3] = {1, 6, 7};
        const uint16_t* pa[3] = {paired[0].data(), paired[1].data(), paired[2].data()};
        const uint16_t* pb[3] = {paired[1].data(), paired[6].data(), paired[7].data()};
        const uint64_t selfA[3] = {self[0], self[1], self[2]},
                       selfB[3] = {self[1], self[6], self[7]};
        // Alongside, the whole words of eight of a row counted into
        // pairs, twice (more words than the sums have blocks where n is
        // under 8 blocks): the counts of its levels.
        auto pairs = std::make_unique<uint32_t[][FX_PAIR_TABLE]>(4);
        uint32_t single[256] = {}, counts[256], expectedCounts[256] = {};
        for (int twice = 0; twice < 2; ++twice) {
            FxDotPairedBlock(pa, selfA, pb, selfB, n, sums, pairs.get(), rows[3].data(), n / 8);
            for (int i = 0; i < 3; ++i)
                for (int k = 0; k < 3; ++k) {
                    uint64_t expected = 0;
                    for (size_t x = 0; x < n; ++x)
                        expected += uint64_t(rows[ra[i]][x]) * rows[rb[k]][x];
                    ASSERT_EQ(sums[3 * i + k], expected)
                        << n << " " << i << " " << k << " in pairs";
                }
            for (size_t x = 0; x < n / 8 * 8; ++x)
                ++expectedCounts[rows[3][x]];
        }
        FxFoldLevelPairs(pairs.get(), single, counts);
        for (int v = 0; v < 256; ++v)
            ASSERT_EQ(counts[v], expectedCounts[v]) << n << " level " << v;
    }
}

// The offset of the plain definition, offset after offset over every
// stored row pair: intensities of the stored rows (1-bit pixels: of the
// lighter colour) multiplied, divided row by row, the earliest largest.
int plainOffset(RasterBitmap* bmp) {
    const int w = bmp->Width, h = bmp->Height, bits = bmp->BitsPerPixel;
    const auto bytes = storedBytes(bmp);
    // Intensities of the stored rows, or 1-bit pixels of the
    // lighter colour.
    std::vector<int> level(size_t(w) * size_t(h));
    const auto entries = paletteOf(bmp);
    const bool lighterIsOne =
        bits == 1 && intensity({entries[1].Blue, entries[1].Green, entries[1].Red}) >=
                         intensity({entries[0].Blue, entries[0].Green, entries[0].Red});
    for (int r = 0; r < h; ++r)
        for (int x = 0; x < w; ++x) {
            const int v = intensity(colorAt(bytes, bmp, x, r));
            int& out = level[size_t(r) * size_t(w) + size_t(x)];
            out = v;
            if (bits == 1)
                out = int(rawAt(bytes, bmp, x, r)) == (lighterIsOne ? 1 : 0);
        }
    int best = 0;
    uint64_t bestTotal = 0;
    for (int offset = -23; offset <= 23; ++offset) {
        uint64_t total = 0;
        for (int l = 23; l <= h - 24; ++l) {
            uint64_t sum = 0;
            for (int x = 0; x + 128 < w; ++x)
                sum += uint64_t(level[size_t(l) * size_t(w) + size_t(x)]) *
                       uint64_t(level[size_t(l + offset) * size_t(w) + size_t(x + 128)]);
            total += bits == 1 ? sum : sum / (255 * 255);
        }
        if (total > bestTotal)
            best = offset, bestTotal = total;
    }
    return best;
}

// The search finds the offset of the plain definition, offset after offset
// over every stored row pair, on random pages of sloping lines and noise
// in every format and row order, heights that leave the last block of
// rows short.
TEST(Deskew, SearchFindsThePlainDefinitionsOffset) {
    uint32_t seed = 77;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    int trial = 0;
    for (const Format& f : allFormats())
        for (int repeat = 0; repeat < 2; ++repeat, ++trial) {
            const int w = 129 + int(next(500)), h = 47 + int(next(90));
            std::vector<RasterColor> palette;
            if (f.bits <= 8)
                palette = trial % 2 ? greyPalette(f.bits) : colorPalette(1 << f.bits);
            Bitmap bmp(w, h, f, palette);
            // Lines at every drop in reach, so that each offset wins somewhere.
            const int drop = trial * 7 % 47 - 23, spacing = 30 + int(next(20));
            paint(bmp.get(), [&](int x, int y) {
                const int shifted = y - (x * drop + 64) / 128 + 1000;
                return shifted % spacing < 4 ? int(next(60)) : 160 + int(next(96));
            });
            ASSERT_EQ(offsetOf(bmp.get()), plainOffset(bmp.get()))
                << f.bits << " bits, " << w << " x " << h << ", row order " << f.rowOrder;
        }
}

// On pages of text drawn at angles between and beside the offsets' own
// (where neighbouring offsets' totals lie close together), of widths
// that leave every length of a last block of pairs, in 8-bit grey and
// 24-bit, the search finds the plain definition's offset.
TEST(Deskew, SearchOfDrawnPagesIsThePlainDefinitions) {
    struct Case {
        int bits, width, height;
        double degrees;
    };
    for (const Case& c :
         {Case{8, 613, 260, -9.7}, Case{8, 1000, 240, -0.2}, Case{8, 1283, 230, 2.24},
          Case{8, 901, 250, 5.6}, Case{24, 700, 240, 0.9}, Case{24, 1119, 230, -4.4}}) {
        Bitmap page(c.width, c.height, c.bits, RB_ORDER_BGR, 0,
                    c.bits == 8 ? greyPalette(8) : std::vector<RasterColor>{});
        drawPage(page.get(), c.degrees);
        ASSERT_EQ(offsetOf(page.get()), plainOffset(page.get()))
            << c.bits << " bits, " << c.width << " x " << c.height << ", " << c.degrees;
    }
}

// Intensities for the search are the kernel's grey of the same pixels, in
// either colour order, over lengths with and without a tail.
TEST(Deskew, WidenedIntensitiesAreTheKernelsGrey) {
    for (int order : {RB_ORDER_BGR, RB_ORDER_RGB})
        for (int n : {1, 7, 8, 9, 61, 2480}) {
            std::vector<uint8_t> pixels(size_t(3 * n)), grey;
            uint32_t s = uint32_t(n * 7 + order);
            for (auto& v : pixels) {
                s = s * 1103515245u + 12345u;
                v = uint8_t(s >> 16);
            }
            pixels[0] = pixels[1] = pixels[2] = 255; // the largest sum
            grey = pixels;
            ASSERT_EQ(
                KConvertRow(grey.data(), n, 24, K_WORK_GREY, order, RB_ORDER_BGR, nullptr, nullptr),
                K_OK);
            std::vector<uint8_t> levels(static_cast<size_t>(n));
            FxIntensityLevels(pixels.data(), order, levels.data(), size_t(n));
            for (int x = 0; x < n; ++x)
                ASSERT_EQ(levels[size_t(x)], grey[size_t(x)]) << order << " " << n << " " << x;
        }
}

TEST(Deskew, TiesGoToTheEarliestOffsetAndNothingAlikeToZero) {
    Bitmap black(200, 60, 24), white(200, 60, 24);
    paint(white.get(), [](int, int) { return 255; });
    EXPECT_EQ(offsetOf(black.get()), 0);
    EXPECT_EQ(offsetOf(white.get()), -23);
}

TEST(Deskew, LevelLinesGiveOffsetZeroAndOnlyARotationByZero) {
    for (int rowOrder : {0, RB_ROWS_BOTTOM_UP}) {
        Bitmap bmp(300, 400, 8, RB_ORDER_BGR, rowOrder);
        paint(bmp.get(), [](int x, int y) { return slopingLines(x, y, 0); });
        const auto before = storedBytes(bmp.get());
        EXPECT_EQ(offsetOf(bmp.get()), 0);
        CallbackRecorder recorder;
        int angle = 99;
        ASSERT_EQ(R_DeskewBitmapAngle(bmp.get(), &angle), FX_OK);
        EXPECT_EQ(angle, 0);
        EXPECT_EQ(storedBytes(bmp.get()), before);
        // No histogram is counted: nothing between 34 and 66.
        for (int p : CallbackRecorder::calls)
            EXPECT_TRUE(p <= 33 || p >= 67) << p;
        EXPECT_EQ(CallbackRecorder::calls.back(), 100);
    }
}

TEST(Deskew, LinesDroppingTenRowsGiveOffsetTenInEveryFormat) {
    for (const Format& f : allFormats()) {
        SCOPED_TRACE(f.name());
        std::vector<RasterColor> palette;
        if (f.bits == 4 || f.bits == 8)
            palette = colorPalette(1 << f.bits);
        if (f.bits <= 8) { // black and white among the entries, white first
            palette.resize(size_t(1) << f.bits);
            palette[0] = {255, 255, 255, 0};
            palette[1] = {0, 0, 0, 0};
        }
        Bitmap bmp(602, 150, f, palette);
        paint(bmp.get(), [](int x, int y) { return slopingLines(x, y, 10); });
        // Falling to the right as shown: 10 stored rows further down for
        // top-down rows, 10 rows back for bottom-up ones.
        EXPECT_EQ(offsetOf(bmp.get()), f.rowOrder == RB_ROWS_BOTTOM_UP ? -10 : 10);
        int angle = 0;
        ASSERT_EQ(R_DeskewBitmapAngle(bmp.get(), &angle), FX_OK);
        EXPECT_EQ(angle, -447); // turned back counter-clockwise either way
    }
}

TEST(Deskew, OneBitCountsTheLighterColourWhicheverIndexItHas) {
    for (bool whiteFirst : {false, true}) {
        std::vector<RasterColor> palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
        if (whiteFirst)
            std::swap(palette[0], palette[1]);
        // 917 columns: the compared bits end inside a byte.
        Bitmap bmp(917, 90, 1, RB_ORDER_BGR, 0, palette);
        paint(bmp.get(), [](int x, int y) { return slopingLines(x, y, -6); });
        EXPECT_EQ(offsetOf(bmp.get()), -6) << whiteFirst;
    }
}

TEST(Deskew, PagesTooSmallAreNeverCompared) {
    // 46 rows: no row has all its 47 offsets inside the picture.
    for (int height : {46, 47}) {
        Bitmap bmp(300, height, 8);
        paint(bmp.get(), [](int x, int y) { return slopingLines(x, y, 10); });
        const auto before = storedBytes(bmp.get());
        int angle = 0;
        CallbackRecorder recorder;
        ASSERT_EQ(R_DeskewBitmapAngle(bmp.get(), &angle), FX_OK);
        const auto& calls = CallbackRecorder::calls;
        EXPECT_EQ(calls.front(), 0);
        if (height == 46) {
            EXPECT_EQ(angle, 0);
            EXPECT_EQ(storedBytes(bmp.get()), before);
            EXPECT_EQ(calls[1], 67); // the search reports only its start
        } else {
            EXPECT_NE(std::find(calls.begin(), calls.end(), 33), calls.end()); // one row compared
        }
    }
    Bitmap narrow(128, 200, 8);
    paint(narrow.get(), [](int x, int y) { return slopingLines(x, y, 10); });
    int angle = 1;
    ASSERT_EQ(R_DeskewBitmapAngle(narrow.get(), &angle), FX_OK);
    EXPECT_EQ(angle, 0);
}

TEST(Deskew, FillLevelCountsTheWholeBitmapDespiteARegion) {
    Bitmap bmp(602, 200, 8);
    // A ground of 230 with sloping lines, and a black block that a region
    // covers: inside the region black is the most common level.
    paint(bmp.get(), [](int x, int y) {
        if (x >= 100 && x < 200 && y >= 80 && y < 120)
            return 0;
        return slopingLines(x, y, 10) == 0 ? 0 : 230;
    });
    KRect block{100, 80, 200, 120};
    ASSERT_EQ(KSetRegionRect(bmp.get(), &block, K_REGION_SET), K_OK);
    const int hasRegion = bmp->HasRegion;
    CallbackRecorder recorder;
    int angle = 0;
    ASSERT_EQ(R_DeskewBitmapAngle(bmp.get(), &angle), FX_OK);
    EXPECT_EQ(angle, -447);
    EXPECT_EQ(bmp->HasRegion, hasRegion);
    KRect bounds{};
    KRegionBounds(bmp.get(), 0, &bounds);
    EXPECT_EQ(bounds.Left, 100);
    EXPECT_EQ(bounds.Bottom, 120);
    // The uncovered corners take the ground's level, and the rotation
    // reached beyond the region.
    const auto after = storedBytes(bmp.get());
    EXPECT_EQ(rawAt(after, bmp.get(), 0, 199), 230u);
    EXPECT_EQ(rawAt(after, bmp.get(), 601, 0), 230u);
    // Progress: the search to 33, the count from 34 to 66, the rotation
    // from 67 to 100, never falling back.
    const auto& calls = CallbackRecorder::calls;
    EXPECT_EQ(calls.front(), 0);
    EXPECT_EQ(calls.back(), 100);
    EXPECT_TRUE(std::is_sorted(calls.begin(), calls.end()));
    for (int mark : {33, 34, 66, 67})
        EXPECT_NE(std::find(calls.begin(), calls.end(), mark), calls.end()) << mark;
}

TEST(Deskew, StopsAndBadBitmaps) {
    Bitmap bmp(300, 120, 24);
    paint(bmp.get(), [](int x, int y) { return slopingLines(x, y, 10); });
    const auto before = storedBytes(bmp.get());
    {
        CallbackRecorder stopInTheSearch(3, 5);
        EXPECT_EQ(R_DeskewBitmap(bmp.get()), 5);
    }
    EXPECT_EQ(storedBytes(bmp.get()), before);
    EXPECT_EQ(R_DeskewBitmap(nullptr), FX_ERR_BAD_BITMAP);
    RasterBitmap unallocated{};
    EXPECT_EQ(R_DeskewBitmap(&unallocated), FX_ERR_BAD_BITMAP);
    Bitmap noPalette(300, 120, 4);
    KPalette* palette = noPalette->Palette;
    noPalette->Palette = nullptr;
    int angle = 7;
    EXPECT_EQ(R_DeskewBitmapAngle(noPalette.get(), &angle), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(angle, 0);
    noPalette->Palette = palette;
}

TEST(Deskew, AScannedPageAtTwoDegreesComesOutLevel) {
    // The table's step near 2 degrees is under 0.45 degrees.
    const double step = 0.45;
    for (const Format& f :
         {Format{8, RB_ORDER_BGR, 0}, Format{8, RB_ORDER_BGR, RB_ROWS_BOTTOM_UP},
          Format{1, RB_ORDER_BGR, 0}, Format{24, RB_ORDER_RGB, RB_ROWS_BOTTOM_UP}}) {
        SCOPED_TRACE(f.name());
        Bitmap page(900, 1100, f);
        drawPage(page.get(), 2.0);
        const double before = measuredSlope(page.get());
        EXPECT_NEAR(before, 2.0, 0.2); // the measure itself sees the skew
        int angle = 0;
        ASSERT_EQ(R_DeskewBitmapAngle(page.get(), &angle), FX_OK);
        EXPECT_TRUE(angle == -179 || angle == -224) << angle;
        EXPECT_LE(std::abs(measuredSlope(page.get())), step);
    }
}
