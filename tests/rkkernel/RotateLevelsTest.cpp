// Kernel rotation: the bilinear bytes of whatever loop the processor level
// runs (IMGFX_ISA) against the plain double arithmetic, over random
// pictures, angles and fills.
#include "../imgfx/FxTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

using namespace fxtest;

namespace {

struct Random {
    uint64_t seed;
    uint32_t next() {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        return uint32_t(seed >> 33);
    }
    int below(int n) { return int(next() % uint32_t(n)); }
};

int storedRow(const RasterBitmap* bmp, int y) {
    return bmp->RowOrder == RB_ROWS_BOTTOM_UP ? bmp->Height - 1 - y : y;
}

// The rotated stored bytes of before (a w x h picture of bytes-byte
// pixels) as the plain loop works them out: positions stepped pixel by
// pixel, bilinear in doubles, a half added and truncated.
std::vector<uint8_t> plainRotation(const RasterBitmap* bmp, const std::vector<uint8_t>& before,
                                   int angle, const uint8_t fill[3]) {
    const int w = bmp->Width, h = bmp->Height, bytes = bmp->BitsPerPixel / 8;
    const size_t line = size_t(bmp->BytesPerLine);
    std::vector<uint8_t> after = before;
    const double radians = angle / 100.0 * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    auto at = [&](int px, int py, int k) {
        return double(before[size_t(storedRow(bmp, py)) * line + size_t(bytes * px + k)]);
    };
    for (int y = 0; y < h; ++y) {
        const double dy = y + 0.5 - h / 2.0;
        double sx = -(w / 2.0) * c + dy * s + w / 2.0 - 0.5 + 0.5 * c;
        double sy = (w / 2.0) * s + dy * c + h / 2.0 - 0.5 - 0.5 * s;
        uint8_t* out = after.data() + size_t(storedRow(bmp, y)) * line;
        for (int x = 0; x < w; ++x, sx += c, sy -= s) {
            const bool inside = sx >= -0.5 && sy >= -0.5 && sx <= w - 0.5 && sy <= h - 0.5;
            const int x0 = inside ? int(std::floor(sx)) : 0, y0 = inside ? int(std::floor(sy)) : 0;
            const double fx = sx - x0, fy = sy - y0;
            const int xa = std::max(x0, 0), xb = std::min(x0 + 1, w - 1);
            const int ya = std::max(y0, 0), yb = std::min(y0 + 1, h - 1);
            for (int k = 0; k < bytes; ++k) {
                if (!inside) {
                    out[bytes * x + k] = fill[k];
                    continue;
                }
                const double top = at(xa, ya, k) * (1 - fx) + at(xb, ya, k) * fx;
                const double bottom = at(xa, yb, k) * (1 - fx) + at(xb, yb, k) * fx;
                out[bytes * x + k] = uint8_t(unsigned(top * (1 - fy) + bottom * fy + 0.5));
            }
        }
    }
    return after;
}

// Picture content that stresses different parts of the vector loops:
// noise, smooth ramps (levels near halfway along whole lines), hard steps
// and a flat level (every sum a hair from halfway, so the single-precision
// shortcut must give way to the doubles at nearly every pixel).
void fillPicture(RasterBitmap* bmp, int kind, Random& random) {
    if (kind == 0) {
        fillPattern(bmp, random.next());
        return;
    }
    const int bytes = bmp->BitsPerPixel / 8;
    const int level = random.below(256), slope = 1 + random.below(7);
    uint8_t* bits = bmp->Bits;
    for (int y = 0; y < bmp->Height; ++y)
        for (int x = 0; x < bmp->Width * bytes; ++x) {
            uint8_t v = uint8_t(level);
            if (kind == 1)
                v = uint8_t(level + slope * (x / bytes) + 3 * y + 40 * (x % bytes));
            else if (kind == 2)
                v = ((x / bytes / 3 + y / 2) & 1) ? 255 : 0;
            bits[size_t(y) * size_t(bmp->BytesPerLine) + size_t(x)] = v;
        }
}

// Where the first byte of two stored pictures differs, for the message.
std::string firstDifference(const RasterBitmap* bmp, const std::vector<uint8_t>& got,
                            const std::vector<uint8_t>& want) {
    for (size_t i = 0; i < got.size(); ++i)
        if (got[i] != want[i]) {
            const size_t line = size_t(bmp->BytesPerLine);
            return "stored row " + std::to_string(i / line) + ", byte " + std::to_string(i % line) +
                   ": " + std::to_string(got[i]) + " instead of " + std::to_string(want[i]);
        }
    return "none";
}

} // namespace

// Random sizes (odd widths, single pixels, single rows and columns, tall
// and wide strips, pages), random angles of every size, and the small ones
// a deskew turns by, both row orders, grey and colour: every byte is the
// plain loop's.
TEST(KernelRotateLevels, RandomRotationsGiveThePlainLoopsBytes) {
    Random random{20261209};
    const struct {
        int w, h;
    } fixed[] = {{1, 1},   {1, 40},   {40, 1},  {3, 3},    {5, 700},
                 {700, 5}, {17, 611}, {613, 9}, {255, 257}};
    int cases = 0;
    for (int trial = 0; trial < 180; ++trial) {
        const int bits = trial % 2 ? 24 : 8;
        const int order = (trial / 2) % 2 ? RB_ROWS_BOTTOM_UP : 0;
        int w, h;
        if (trial < 2 * int(std::size(fixed)) * 2) {
            w = fixed[trial / 4 % std::size(fixed)].w, h = fixed[trial / 4 % std::size(fixed)].h;
        } else {
            w = 1 + random.below(trial % 7 == 0 ? 900 : 160);
            h = 1 + random.below(trial % 5 == 0 ? 600 : 120);
        }
        int angle;
        switch (trial % 4) {
        case 0:
            angle = random.below(72001) - 36000;
            break; // any
        case 1:
            angle = random.below(1001) - 500;
            break; // a deskew's
        case 2:
            angle = 9000 * random.below(4) + random.below(41) - 20;
            break; // near quarter turns
        default:
            angle = random.below(201) - 100;
            break; // tiny
        }
        if (angle % 36000 == 0)
            angle = 7;
        Bitmap bmp(w, h, bits, RB_ORDER_BGR, order);
        ASSERT_EQ(bmp.status(), K_OK);
        fillPicture(bmp.get(), trial / 4 % 4, random);
        const uint32_t fillColour = random.next() & 0xFFFFFFu;
        const uint8_t grey = uint8_t(((fillColour & 255) * 2 + ((fillColour >> 8) & 255) * 5 +
                                      ((fillColour >> 16) & 255) + 4) >>
                                     3);
        const uint8_t fill[3] = {bits == 8 ? grey : uint8_t(fillColour >> 16),
                                 uint8_t(fillColour >> 8), uint8_t(fillColour)};
        const auto before = storedBytes(bmp.get());
        const auto want = plainRotation(bmp.get(), before, angle, fill);
        ASSERT_EQ(KRotateBitmap(bmp.get(), angle, 0, fillColour, 0, 100), K_OK);
        const auto got = storedBytes(bmp.get());
        ASSERT_TRUE(got == want) << bits << " bits, " << (order ? "bottom-up" : "top-down") << ", "
                                 << w << " x " << h << ", angle " << angle << ", first difference "
                                 << firstDifference(bmp.get(), got, want);
        ++cases;
    }
    EXPECT_EQ(cases, 180);
}

// A page at a deskew's angle, large enough that its rows cross many binades
// of the positions and its inside stretches are long: grey and colour, both
// row orders.
TEST(KernelRotateLevels, PagesAtADeskewsAnglesGiveThePlainLoopsBytes) {
    Random random{77};
    for (int bits : {8, 24})
        for (int order : {0, RB_ROWS_BOTTOM_UP})
            for (int angle : {-224, 131}) {
                Bitmap bmp(1237, 931, bits, RB_ORDER_BGR, order);
                fillPicture(bmp.get(), angle < 0 ? 0 : 1, random);
                const uint8_t fill[3] = {0xEB, 0xEB, 0xEB};
                const auto before = storedBytes(bmp.get());
                const auto want = plainRotation(bmp.get(), before, angle, fill);
                ASSERT_EQ(KRotateBitmap(bmp.get(), angle, 0, 0xEBEBEB, 0, 100), K_OK);
                const auto got = storedBytes(bmp.get());
                ASSERT_TRUE(got == want) << bits << " bits, order " << order << ", angle " << angle
                                         << ": " << firstDifference(bmp.get(), got, want);
            }
}

// Pixels whose single-precision sums lie too near a half are taken after
// the rest of their stretch, from positions worked out again. On a ramp of
// one level a pixel along the rows (and a level every three rows down) the
// bilinear level is the position itself, so it comes near a half at a few
// isolated pixels of every row, and a pixel redone at any other position
// than its own takes another level. Grey and colour (the channels a ramp
// each), both row orders, a deskew's angles both ways.
TEST(KernelRotateLevels, PixelsNearAHalfAlongRampsGiveThePlainLoopsBytes) {
    for (int bits : {8, 24})
        for (int order : {0, RB_ROWS_BOTTOM_UP})
            for (int angle : {-224, 37, 480}) {
                Bitmap bmp(1100, 240, bits, RB_ORDER_BGR, order);
                ASSERT_EQ(bmp.status(), K_OK);
                const int bytes = bits / 8;
                for (int y = 0; y < 240; ++y)
                    for (int x = 0; x < 1100 * bytes; ++x)
                        bmp.get()->Bits[size_t(y) * size_t(bmp.get()->BytesPerLine) + size_t(x)] =
                            uint8_t(x / bytes + y / 3 + 85 * (x % bytes));
                const uint8_t fill[3] = {0x40, 0x40, 0x40};
                const auto before = storedBytes(bmp.get());
                const auto want = plainRotation(bmp.get(), before, angle, fill);
                ASSERT_EQ(KRotateBitmap(bmp.get(), angle, 0, 0x404040, 0, 100), K_OK);
                const auto got = storedBytes(bmp.get());
                ASSERT_TRUE(got == want) << bits << " bits, order " << order << ", angle " << angle
                                         << ": " << firstDifference(bmp.get(), got, want);
            }
}

// Strips wider than 2048 pixels and pictures taller than 1024 rows: along
// a row the positions cross binades (at 2, 4, ... 2048), where the steps
// are taken add by add and four pixels inside the picture are still
// resampled at once; steep angles make the source rows alternate within a
// step. Shallow ramps make the bilinear level a linear function of the
// position, which passes halfway between two levels again and again along
// a row. Grey and colour, both row orders, many random angles.
TEST(KernelRotateLevels, StepsAcrossBinadesGiveThePlainLoopsBytes) {
    Random random{4099};
    for (int trial = 0; trial < 24; ++trial) {
        const int bits = trial % 2 ? 24 : 8;
        const int order = (trial / 2) % 2 ? RB_ROWS_BOTTOM_UP : 0;
        const bool wide = trial % 3 != 2;
        const int w = wide ? 2049 + random.below(200) : 3 + random.below(30);
        const int h = wide ? 3 + random.below(12) : 1025 + random.below(80);
        int angle = trial % 4 < 2 ? random.below(1001) - 500 : random.below(72001) - 36000;
        if (angle % 36000 == 0)
            angle = 3;
        Bitmap bmp(w, h, bits, RB_ORDER_BGR, order);
        ASSERT_EQ(bmp.status(), K_OK);
        const int bytes = bits / 8, across = 1 + random.below(3), down = 1 + random.below(5);
        const int base = random.below(256);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w * bytes; ++x)
                bmp.get()->Bits[size_t(y) * size_t(bmp.get()->BytesPerLine) + size_t(x)] =
                    uint8_t(base + across * (x / bytes) + down * y + 50 * (x % bytes));
        const uint8_t fill[3] = {bits == 8 ? uint8_t(0x80) : uint8_t(0x10), 0x20, 0x30};
        const uint32_t fillColour = bits == 8 ? 0x808080u : 0x102030u;
        const auto before = storedBytes(bmp.get());
        const auto want = plainRotation(bmp.get(), before, angle, fill);
        ASSERT_EQ(KRotateBitmap(bmp.get(), angle, 0, fillColour, 0, 100), K_OK);
        const auto got = storedBytes(bmp.get());
        ASSERT_TRUE(got == want) << bits << " bits, " << (order ? "bottom-up" : "top-down") << ", "
                                 << w << " x " << h << ", angle " << angle << ": "
                                 << firstDifference(bmp.get(), got, want);
    }
}

// Colour and grey pictures wide and tall enough for long stretches inside
// the picture, at angles of every size: at steep angles the pixels of one
// step lie on different source rows, too far apart to be picked out of
// loads, and the loops gather them; near a quarter turn one coordinate
// hardly moves along a row.
TEST(KernelRotateLevels, SteepAnglesInsideLargePicturesGiveThePlainLoopsBytes) {
    Random random{5150};
    for (int trial = 0; trial < 24; ++trial) {
        const int bits = trial % 2 ? 24 : 8;
        const int order = (trial / 2) % 2 ? RB_ROWS_BOTTOM_UP : 0;
        const int angle = trial % 3 == 0 ? 9000 * random.below(4) + random.below(301) - 150
                                         : random.below(36000 - 1) + 1;
        Bitmap bmp(200 + random.below(200), 150 + random.below(150), bits, RB_ORDER_BGR, order);
        ASSERT_EQ(bmp.status(), K_OK);
        fillPicture(bmp.get(), trial / 4 % 3, random);
        const uint8_t fill[3] = {0x10, 0x20, 0x30};
        const uint32_t fillColour = bits == 8 ? 0x101010u : 0x102030u;
        const uint8_t greyFill[3] = {0x10, 0, 0};
        const auto before = storedBytes(bmp.get());
        const auto want = plainRotation(bmp.get(), before, angle, bits == 8 ? greyFill : fill);
        ASSERT_EQ(KRotateBitmap(bmp.get(), angle, 0, fillColour, 0, 100), K_OK);
        const auto got = storedBytes(bmp.get());
        ASSERT_TRUE(got == want) << bits << " bits, " << (order ? "bottom-up" : "top-down") << ", "
                                 << bmp.get()->Width << " x " << bmp.get()->Height << ", angle "
                                 << angle << ": " << firstDifference(bmp.get(), got, want);
    }
}

// Pictures over the caller's memory of exactly their size, rows without
// padding: the rotation reads the picture itself where it turns by a small
// angle, and must read nothing past its last stored row (the sanitized
// build checks) while every byte is the plain loop's. The larger angles
// rotate from a copy of the whole picture.
TEST(KernelRotateLevels, CallersMemoryOfExactlyThePicturesSizeIsReadInBounds) {
    Random random{4242};
    for (int trial = 0; trial < 16; ++trial) {
        const int bits = trial % 2 ? 24 : 8;
        const int order = (trial / 2) % 2 ? RB_ROWS_BOTTOM_UP : 0;
        const int w = 64 * (1 + random.below(6)), h = 64 + random.below(300);
        const int angle = trial < 12 ? random.below(1001) - 500 : random.below(9000) - 4500;
        const size_t size = size_t(w) * size_t(bits / 8) * size_t(h);
        uint8_t* pixels = static_cast<uint8_t*>(::operator new[](size, std::align_val_t(16)));
        RasterBitmap bmp{};
        ASSERT_EQ(KAttachBitmap(&bmp, w, h, bits, RB_ORDER_BGR, pixels, order), K_OK);
        ASSERT_EQ(size_t(bmp.BytesPerLine) * size_t(h), size);
        fillPicture(&bmp, trial % 3, random);
        const uint8_t fill[3] = {0xEB, 0xEB, 0xEB};
        const auto before = storedBytes(&bmp);
        const auto want = plainRotation(&bmp, before, angle == 0 ? 1 : angle, fill);
        ASSERT_EQ(KRotateBitmap(&bmp, angle == 0 ? 1 : angle, 0, 0xEBEBEB, 0, 100), K_OK);
        const auto got = storedBytes(&bmp);
        EXPECT_TRUE(got == want) << bits << " bits, order " << order << ", " << w << " x " << h
                                 << ", angle " << angle << ": " << firstDifference(&bmp, got, want);
        KFreeBitmap(&bmp);
        ::operator delete[](pixels, std::align_val_t(16));
    }
}

// A rotation stopped by its progress callback leaves a run of rows from
// the top rotated and the others as they were, whichever way up the rows
// are stored (rotated rows wait a while before they replace the source
// rows later rows still read).
TEST(KernelRotateLevels, AStoppedRotationLeavesTheTopRowsRotatedAndTheRestAsTheyWere) {
    Random random{99};
    for (int bits : {8, 24})
        for (int order : {0, RB_ROWS_BOTTOM_UP})
            for (int stopAt : {1, 30}) {
                Bitmap bmp(300, 400, bits, RB_ORDER_BGR, order);
                fillPicture(bmp.get(), 0, random);
                const uint8_t fill[3] = {0xEB, 0xEB, 0xEB};
                const auto before = storedBytes(bmp.get());
                const auto want = plainRotation(bmp.get(), before, -224, fill);
                {
                    CallbackRecorder recorder(stopAt, 42);
                    ASSERT_EQ(KRotateBitmap(bmp.get(), -224, 0, 0xEBEBEB, 0, 100), 42);
                }
                const auto got = storedBytes(bmp.get());
                const size_t line = size_t(bmp->BytesPerLine);
                int rotated = 0;
                for (int y = 0; y < 400; ++y) {
                    const size_t at = size_t(storedRow(bmp.get(), y)) * line;
                    const auto row = [&](const std::vector<uint8_t>& v) {
                        return std::vector<uint8_t>(v.begin() + ptrdiff_t(at),
                                                    v.begin() + ptrdiff_t(at + line));
                    };
                    if (row(got) == row(want) && rotated == y)
                        ++rotated;
                    else
                        ASSERT_EQ(row(got), row(before))
                            << "picture row " << y << ", " << bits << " bits, order " << order;
                }
                EXPECT_GT(rotated, 0);
                EXPECT_LT(rotated, 400);
            }
}
