// Kernel rotation: direction, fill, size, resampling and progress.
#include "../imgfx/FxTestSupport.h"
#include "rkkernel/KRotateSteps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace fxtest;

namespace {

// Stored row of picture row y.
int stored(const RasterBitmap* bmp, int y) {
    return bmp->RowOrder == RB_ROWS_BOTTOM_UP ? bmp->Height - 1 - y : y;
}

// The bytes the plain double arithmetic gives for a bilinear rotation of
// before (grey or colour, stored bytes) by angle onto fill 0x00BBGGRR: the
// positions stepped pixel by pixel, the neighbours clamped at the edges,
// the mix truncated after adding a half.
std::vector<uint8_t> plainRotation(RasterBitmap* bmp, const std::vector<uint8_t>& before, int angle,
                                   uint32_t fillColour) {
    const int w = bmp->Width, h = bmp->Height, bytes = bmp->BitsPerPixel / 8;
    std::vector<uint8_t> after = before;
    const double radians = angle / 100.0 * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    const int r = fillColour & 255, g = (fillColour >> 8) & 255, b = (fillColour >> 16) & 255;
    const int fill[3] = {b, g, r};
    for (int y = 0; y < h; ++y) {
        const double dy = y + 0.5 - h / 2.0;
        double sx = -(w / 2.0) * c + dy * s + w / 2.0 - 0.5 + 0.5 * c;
        double sy = (w / 2.0) * s + dy * c + h / 2.0 - 0.5 - 0.5 * s;
        for (int x = 0; x < w; ++x, sx += c, sy -= s) {
            for (int k = 0; k < bytes; ++k) {
                int expected = bytes == 1 ? (r * 2 + g * 5 + b + 4) >> 3 : fill[k];
                if (sx >= -0.5 && sy >= -0.5 && sx <= w - 0.5 && sy <= h - 0.5) {
                    const int x0 = int(std::floor(sx)), y0 = int(std::floor(sy));
                    const double fx = sx - x0, fy = sy - y0;
                    const int xa = std::max(x0, 0), xb = std::min(x0 + 1, w - 1);
                    const int ya = std::max(y0, 0), yb = std::min(y0 + 1, h - 1);
                    auto at = [&](int px, int py) {
                        return double(before[size_t(stored(bmp, py)) * size_t(bmp->BytesPerLine) +
                                             size_t(bytes * px + k)]);
                    };
                    const double top = at(xa, ya) * (1 - fx) + at(xb, ya) * fx;
                    const double bottom = at(xa, yb) * (1 - fx) + at(xb, yb) * fx;
                    expected = int(unsigned(top * (1 - fy) + bottom * fy + 0.5));
                }
                after[size_t(stored(bmp, y)) * size_t(bmp->BytesPerLine) + size_t(bytes * x + k)] =
                    uint8_t(expected);
            }
        }
    }
    return after;
}

} // namespace

TEST(KernelRotate, ZeroAngleChangesNothingButReportsProgress) {
    Bitmap bmp(9, 3, 24);
    fillPattern(bmp.get());
    auto before = storedBytes(bmp.get());
    CallbackRecorder recorder;
    EXPECT_EQ(KRotateBitmap(bmp.get(), 36000, 0, 0, 67, 100), K_OK);
    EXPECT_EQ(storedBytes(bmp.get()), before);
    EXPECT_EQ(recorder.calls, (std::vector<int>{67, 78, 89, 100}));
}

TEST(KernelRotate, PositiveAnglesTurnThePictureClockwiseAsShown) {
    for (int rowOrder : {0, RB_ROWS_BOTTOM_UP}) {
        for (int bits : {8, 24}) {
            std::vector<RasterColor> palette =
                bits == 8 ? colorPalette(256) : std::vector<RasterColor>{};
            Bitmap bmp(8, 8, bits, RB_ORDER_BGR, rowOrder, palette);
            auto bytes = storedBytes(bmp.get());
            // One marked pixel in the top-left quarter of the picture.
            uint32_t mark = bits == 8 ? 5u : 0xffffffu;
            setRawAt(bytes, bmp.get(), 1, stored(bmp.get(), 2), mark);
            setStoredBytes(bmp.get(), bytes);
            ASSERT_EQ(KRotateBitmap(bmp.get(), 9000, 0, 0, 0, 100), K_OK);
            auto after = storedBytes(bmp.get());
            // A quarter turn clockwise takes (x, y) to (7 - y, x).
            EXPECT_EQ(rawAt(after, bmp.get(), 5, stored(bmp.get(), 1)), mark)
                << bits << " bits, row order " << rowOrder;
            EXPECT_EQ(rawAt(after, bmp.get(), 1, stored(bmp.get(), 2)), bits == 8 ? 0u : 0u);
        }
    }
}

TEST(KernelRotate, UncoveredCornersTakeTheFillColour) {
    Bitmap rgb(40, 20, 24);
    auto bytes = storedBytes(rgb.get());
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            setRawAt(bytes, rgb.get(), x, y, 0x808080);
    setStoredBytes(rgb.get(), bytes);
    ASSERT_EQ(KRotateBitmap(rgb.get(), 4500, 0, 0x0000FF, 0, 100), K_OK); // red fill
    auto after = storedBytes(rgb.get());
    EXPECT_EQ(rgb->Width, 40);
    EXPECT_EQ(rgb->Height, 20);
    EXPECT_TRUE((colorAt(after, rgb.get(), 0, 0) == Bgr{0, 0, 255}));
    EXPECT_TRUE((colorAt(after, rgb.get(), 20, 10) == Bgr{128, 128, 128}));

    Bitmap pal(40, 20, 4, RB_ORDER_BGR, 0, colorPalette(16));
    auto colors = colorPalette(16);
    uint32_t fill = colors[9].Red | (colors[9].Green << 8) | (colors[9].Blue << 16);
    ASSERT_EQ(KRotateBitmap(pal.get(), -4500, 0, fill, 0, 100), K_OK);
    auto palAfter = storedBytes(pal.get());
    EXPECT_EQ(rawAt(palAfter, pal.get(), 39, 0), 9u);
    EXPECT_EQ(rawAt(palAfter, pal.get(), 20, 10), 0u);
}

TEST(KernelRotate, SmallAnglesResampleSmoothlyAndStopsAreReturned) {
    Bitmap grey(64, 64, 8); // grey levels are interpolated
    auto bytes = storedBytes(grey.get());
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            setRawAt(bytes, grey.get(), x, y, uint32_t(x * 4));
    setStoredBytes(grey.get(), bytes);
    ASSERT_EQ(KRotateBitmap(grey.get(), 300, 0, 0, 0, 100), K_OK);
    auto after = storedBytes(grey.get());
    // Along the centre row the ramp stays a ramp within a level or two.
    for (int x = 10; x < 54; ++x)
        EXPECT_NEAR(int(rawAt(after, grey.get(), x, 32)), x * 4, 6) << x;

    CallbackRecorder recorder(1, 42);
    Bitmap other(8, 8, 24);
    EXPECT_EQ(KRotateBitmap(other.get(), 1000, 0, 0, 0, 100), 42);
    EXPECT_EQ(recorder.calls.size(), 2u);
}

// The resampling is the plain double arithmetic, pixel by pixel, whatever
// loop the processor level runs: every byte of grey and colour pictures,
// stored either way up, corners and edges included, with rows padded or
// not (64 pixels end exactly at the last byte of the bitmap). The wide
// pictures carry source positions through many binades of the doubles and
// the small angles a deskew turns by.
TEST(KernelRotate, BilinearBytesFollowThePlainArithmeticExactly) {
    const struct { int w, h; } sizes[] = {{61, 37}, {64, 37}, {2085, 23}, {23, 1500}, {1201, 1601}};
    for (int bits : {8, 24})
        for (int order : {0, RB_ROWS_BOTTOM_UP})
            for (int angle : {1234, -250, 9000, -17995, -224, 1, 1019})
                for (const auto size : sizes) {
                    const int w = size.w, h = size.h;
                    if (w * h > 10000 && angle % 9000 == 0)
                        continue;
                    // A page of grey or colour levels at a deskew's angles:
                    // stretches far inside it, pixels four at a time on one
                    // source row or across two, and enough pixels near a
                    // halfway level that the vector loops' single-precision
                    // shortcut must give way to the doubles many times.
                    if (w * h > 100000 && std::abs(angle) > 1100)
                        continue;
                    Bitmap bmp(w, h, bits, RB_ORDER_BGR, order);
                    fillPattern(bmp.get(), uint32_t(angle + bits));
                    const auto before = storedBytes(bmp.get());
                    ASSERT_EQ(KRotateBitmap(bmp.get(), angle, 0, 0x00804020u, 0, 100), K_OK);
                    const auto after = storedBytes(bmp.get());
                    const auto expected = plainRotation(bmp.get(), before, angle, 0x00804020u);
                    for (size_t i = 0; i < after.size(); ++i)
                        ASSERT_EQ(int(after[i]), int(expected[i]))
                            << bits << " " << order << " " << angle << " " << w << " x " << h
                            << ", byte " << i;
                }
}

// Random pictures, sizes, fills and angles (most of them a deskew's small
// ones, where the vector loops take their widest steps and their
// shortcuts), stored either way up: every byte at the processor level the
// suite runs at is the plain arithmetic's, row padding left as it was.
TEST(KernelRotate, RandomRotationsFollowThePlainArithmetic) {
    uint64_t seed = 987654321;
    auto next = [&seed](int n) {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        return int((seed >> 33) % uint64_t(n));
    };
    for (int trial = 0; trial < 120; ++trial) {
        const int bits = trial % 2 ? 24 : 8;
        const int order = trial % 4 < 2 ? 0 : RB_ROWS_BOTTOM_UP;
        const int w = 1 + next(trial % 3 ? 300 : 40), h = 1 + next(trial % 5 ? 200 : 30);
        int angle = next(1201) - 600;
        if (trial % 6 == 5)
            angle = next(72001) - 36000;
        if (angle % 36000 == 0)
            angle = 7;
        Bitmap bmp(w, h, bits, RB_ORDER_BGR, order);
        if (trial % 3 == 0) {
            fillPattern(bmp.get(), uint32_t(trial));
        } else {
            // Noise, or flat ground with a few dark marks, as a scanned page.
            auto bytes = storedBytes(bmp.get());
            const bool page = trial % 3 == 2;
            for (auto& v : bytes)
                v = uint8_t(page ? (next(20) ? 235 + next(9) : 30) : next(256));
            setStoredBytes(bmp.get(), bytes);
        }
        const uint32_t fill = uint32_t(next(1 << 24));
        const auto before = storedBytes(bmp.get());
        ASSERT_EQ(KRotateBitmap(bmp.get(), angle, 0, fill, 0, 100), K_OK);
        const auto expected = plainRotation(bmp.get(), before, angle, fill);
        const auto after = storedBytes(bmp.get());
        for (size_t i = 0; i < after.size(); ++i)
            ASSERT_EQ(int(after[i]), int(expected[i]))
                << bits << " bits, order " << order << ", " << w << " x " << h << ", angle "
                << angle << ", fill " << fill << ", byte " << i;
    }
}

// Positions taken several pixels ahead are the chain of rounded sums bit
// for bit, wherever they are allowed: random starts of both signs over
// many binades, the steps of random angles, and steps halfway between two
// multiples of a binade's grid (which round differently from odd and even
// positions and must be left to the chain).
TEST(KernelRotate, PositionsAheadAreTheChainOfRoundedSums) {
    uint64_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        return double(seed >> 11) * 0x1p-53;
    };
    int jumps = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        double step = std::cos(next() * 6.3);
        if (trial % 4 == 1)
            step = -std::sin(next() * 0.2);
        if (trial % 4 == 2)
            step = std::ldexp(1.0 + 0x1p-10 * std::floor(next() * 1024), -int(next() * 4)) +
                   std::ldexp(1.0, -43 - int(next() * 8)); // halfway in some binade
        KStepRun run = KStepRunOf(step);
        double at = (next() - 0.3) * std::ldexp(1.0, int(next() * 16));
        for (int group = 0; group < 40; ++group) {
            const int count = group % 2 ? 8 : 4;
            double chain[9] = {at};
            for (int k = 1; k <= count; ++k)
                chain[k] = chain[k - 1] + step;
            double delta = 0;
            if (KStepsAhead(&run, at, count, &delta)) {
                ++jumps;
                for (int k = 0; k < count; ++k)
                    ASSERT_EQ(at + k * delta, chain[k]) << at << " " << step << " " << k;
                ASSERT_EQ(at + count * delta, chain[count]) << at << " " << step;
            }
            at = chain[count];
        }
    }
    EXPECT_GT(jumps, 400000); // most groups jump
}

// Palette pictures of 1, 4 and 8 bits turn by nearest pixels eight at a
// time over exact stretches: every byte must be that of the plain loop,
// which steps the positions one add after another and sets pixel by pixel
// (the bits past the last pixel of a row left as they were). Random
// angles (a deskew's small ones, near and past quarter turns), sizes with
// widths off a multiple of 8, fills, both row orders, every stored byte
// random.
TEST(KernelRotate, NearestPixelsFollowThePlainLoopExactly) {
    uint32_t seed = 2024;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    for (int trial = 0; trial < 240; ++trial) {
        const int bits = trial % 3 == 0 ? 1 : trial % 3 == 1 ? 4 : 8;
        const int order = trial / 3 % 2 ? RB_ROWS_BOTTOM_UP : 0;
        const int w = 1 + int(next(trial % 7 == 0 ? 1300 : 300));
        const int h = 1 + int(next(trial % 5 == 0 ? 700 : 200));
        int angle = int(next(2039)) - 1019;
        if (trial % 4 == 1)
            angle = int(next(72000)) - 36000;
        else if (trial % 4 == 2)
            angle = 9000 * int(next(4)) + int(next(41)) - 20;
        const uint32_t fill = next(1u << 24);
        Bitmap bmp(w, h, bits, RB_ORDER_BGR, order, colorPalette(1 << bits));
        auto before = storedBytes(bmp.get());
        for (auto& byte : before)
            byte = uint8_t(next(256));
        setStoredBytes(bmp.get(), before);
        ASSERT_EQ(KRotateBitmap(bmp.get(), angle, 0, fill, 0, 100), K_OK);
        const auto after = storedBytes(bmp.get());

        // The plain loop, with the fill index the kernel chose for the
        // fill colour: that of the first pixel the plain loop fills.
        const size_t line = size_t(bmp->BytesPerLine);
        auto index = [&](const std::vector<uint8_t>& bytes, int x, int row) {
            const uint8_t byte = bytes[size_t(row) * line + size_t(x * bits / 8)];
            return bits == 8   ? unsigned(byte)
                   : bits == 4 ? (x & 1 ? byte & 15u : byte >> 4u)
                               : (byte >> (7 - x % 8)) & 1u;
        };
        auto expected = before;
        bool haveFill = false;
        unsigned fillIndex = 0;
        const double radians = angle % 36000 / 100.0 * 3.14159265358979323846 / 180.0;
        const double c = std::cos(radians), s = std::sin(radians);
        for (int y = 0; y < h && angle % 36000 != 0; ++y) {
            const double dy = y + 0.5 - h / 2.0;
            double sx = -(w / 2.0) * c + dy * s + w / 2.0 + 0.5 * c;
            double sy = (w / 2.0) * s + dy * c + h / 2.0 - 0.5 * s;
            const int out = stored(bmp.get(), y);
            for (int x = 0; x < w; ++x, sx += c, sy -= s) {
                unsigned v;
                if (sx >= 0 && sx < w && sy >= 0 && sy < h) {
                    v = index(before, int(sx), stored(bmp.get(), int(sy)));
                } else {
                    if (!haveFill)
                        fillIndex = index(after, x, out);
                    haveFill = true;
                    v = fillIndex;
                }
                uint8_t& byte = expected[size_t(out) * line + size_t(x * bits / 8)];
                const int shift = bits == 8 ? 0 : bits == 4 ? (x & 1 ? 0 : 4) : 7 - x % 8;
                const unsigned mask = ((1u << bits) - 1) << shift;
                byte = uint8_t((byte & ~mask) | (v << shift));
            }
        }
        ASSERT_EQ(after, expected) << bits << " bits, " << w << " x " << h << ", angle " << angle
                                   << ", row order " << order;
    }
}
