// Hue and saturation: the integer hue-saturation-value form at its notable
// colours, whole turns, greys, and the row conversion over every colour.
#include "PointReference.h"

#include "imgfx/HsvColor.h"
#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

#include <array>

using namespace fxtest;

namespace {

// A 24-bit bitmap of varied colours, greys among them.
struct Colours {
    Bitmap bmp{90, 4, 24};
    Colours() {
        fillPattern(bmp.get(), 77);
        auto bytes = storedBytes(bmp.get());
        for (int x = 0; x < 90; x += 9)
            setRawAt(bytes, bmp.get(), x, 1,
                     rawOf(bmp.get(), Bgr{uint8_t(x), uint8_t(x), uint8_t(x)}));
        setStoredBytes(bmp.get(), bytes);
    }
};

} // namespace

TEST(HueSaturation, PureRedGreenAndBlueSitAtAThirdOfTheCircleEach) {
    const struct {
        int r, g, b, hue;
    } primaries[] = {{255, 0, 0, 0}, {0, 255, 0, 85}, {0, 0, 255, 171}};
    for (const auto& p : primaries) {
        FxHsv hsv = FxRgbToHsv(p.r, p.g, p.b);
        EXPECT_EQ(hsv.H, p.hue);
        EXPECT_EQ(hsv.S, 255);
        EXPECT_EQ(hsv.V, 255);
    }
    // Back from 256 hues: red and blue exactly, green from 119 degrees.
    uint8_t r, g, b;
    FxHsvToRgb({0, 255, 255}, &r, &g, &b);
    EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{255, 0, 0}));
    FxHsvToRgb({171, 255, 255}, &r, &g, &b);
    EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{0, 0, 255}));
    FxHsvToRgb({85, 255, 255}, &r, &g, &b);
    EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{2, 255, 0}));
    EXPECT_EQ(FxRgbToHsv(90, 90, 90).S, 0);
    EXPECT_EQ(FxRgbToHsv(90, 90, 90).H, 0);
}

// Colours do not all survive the trip through 256 hues, so changes that
// round to nothing are not made at all, on pixels or palette.
TEST(HueSaturation, WholeTurnsAndNoSaturationChangeChangeNothing) {
    const std::vector<std::function<int(RasterBitmap*)>> nothing = {
        [](RasterBitmap* b) { return R_ChangeBitmapHue(b, 0); },
        [](RasterBitmap* b) { return R_ChangeBitmapHue(b, 360); },
        [](RasterBitmap* b) { return R_ChangeBitmapHue(b, -360); },
        [](RasterBitmap* b) { return R_ChangeBitmapHue(b, 721); }, // 512.7 steps: two whole turns
        [](RasterBitmap* b) { return R_ChangeBitmapSaturation(b, 1); },
        [](RasterBitmap* b) { return R_ChangeBitmapSaturation(b, -1); }};
    for (const auto& run : nothing) {
        Colours c;
        const auto before = storedBytes(c.bmp.get());
        CallbackRecorder recorder;
        EXPECT_EQ(run(c.bmp.get()), FX_OK);
        EXPECT_EQ(storedBytes(c.bmp.get()), before);
        EXPECT_EQ(recorder.calls, (std::vector<int>{0, 100}));

        Bitmap pal(4, 4, 8, RB_ORDER_BGR, 0, colorPalette(256));
        EXPECT_EQ(run(pal.get()), FX_OK);
        EXPECT_EQ(std::memcmp(pal->Colors, colorPalette(256).data(), 256 * sizeof(RasterColor)), 0);
    }
    EXPECT_EQ(R_ChangeBitmapHue(nullptr, 360), FX_ERR_BAD_BITMAP);
}

// Greys have no hue (it reads as red): more saturation must not tint them.
TEST(HueSaturation, GreysStayGreyWhateverTheSaturation) {
    for (int change : {1000, -1000, 300}) {
        Colours c;
        const auto before = storedBytes(c.bmp.get());
        EXPECT_EQ(R_ChangeBitmapSaturation(c.bmp.get(), change), FX_OK);
        const auto after = storedBytes(c.bmp.get());
        for (int x = 0; x < 90; x += 9)
            EXPECT_EQ(rawAt(after, c.bmp.get(), x, 1), rawAt(before, c.bmp.get(), x, 1)) << x;
    }
    Bitmap white(1, 1, 24);
    auto bytes = storedBytes(white.get());
    setRawAt(bytes, white.get(), 0, 0, 0xFFFFFF);
    setStoredBytes(white.get(), bytes);
    EXPECT_EQ(R_ChangeBitmapSaturation(white.get(), 1000), FX_OK);
    EXPECT_EQ(rawAt(storedBytes(white.get()), white.get(), 0, 0), 0xFFFFFFu);
}

TEST(HueSaturation, FullSaturationAndNoSaturation) {
    Bitmap bmp(2, 1, 24);
    auto bytes = storedBytes(bmp.get());
    setRawAt(bytes, bmp.get(), 0, 0, rawOf(bmp.get(), Bgr{100, 150, 200}));
    setRawAt(bytes, bmp.get(), 1, 0, rawOf(bmp.get(), Bgr{10, 250, 40}));
    setStoredBytes(bmp.get(), bytes);
    Bitmap copy(2, 1, 24);
    setStoredBytes(copy.get(), bytes);
    EXPECT_EQ(R_ChangeBitmapSaturation(bmp.get(), 1000), FX_OK);
    auto full = storedBytes(bmp.get());
    EXPECT_EQ(colorAt(full, bmp.get(), 0, 0).b, 0); // the least channel drops to 0
    EXPECT_EQ(colorAt(full, bmp.get(), 0, 0).r, 200);
    EXPECT_EQ(R_ChangeBitmapSaturation(copy.get(), -1000), FX_OK);
    auto none = storedBytes(copy.get());
    EXPECT_EQ(colorAt(none, copy.get(), 1, 0), (Bgr{250, 250, 250}));
}

// The row conversion (sixteen pixels at a time where the processor allows)
// against the plain reference, for every one of the 2^24 colours.
TEST(HueSaturation, RowConversionMatchesThePlainReferenceForEveryColour) {
    const size_t n = size_t(1) << 24;
    std::vector<uint8_t> pixels(3 * n);
    const FxHsvChange changes[] = {{1, 0}, {171, 0}, {0, 255}, {0, -128}, {200, 37}};
    for (const FxHsvChange& change : changes) {
        for (size_t i = 0; i < n; ++i) {
            pixels[3 * i] = uint8_t(i), pixels[3 * i + 1] = uint8_t(i >> 8);
            pixels[3 * i + 2] = uint8_t(i >> 16);
        }
        FxChangePixels(&change, pixels.data(), n);
        size_t wrong = 0, first = 0;
        for (size_t i = 0; i < n; ++i) {
            Bgr c{uint8_t(i), uint8_t(i >> 8), uint8_t(i >> 16)};
            Hsv hsv = toHsv(c);
            if (hsv.s != 0) {
                hsv.h = (hsv.h + change.HueShift) & 255;
                hsv.s = clampLevel(hsv.s + change.SaturationAdd);
                c = fromHsv(hsv);
            }
            if (pixels[3 * i] != c.b || pixels[3 * i + 1] != c.g || pixels[3 * i + 2] != c.r)
                first = wrong++ ? first : i;
        }
        EXPECT_EQ(wrong, 0u) << "first wrong colour " << std::hex << first << " for shift "
                             << change.HueShift << " add " << change.SaturationAdd;
    }
}

// The vector forms take sixteen, thirty-two or sixty-four pixels at a time
// and leave the rest to the chunked loop: runs of every length around those, from
// any byte offset, change each pixel as FxChangeColor does and write
// nothing past the run.
TEST(HueSaturation, RunsOfEveryLengthAndOffsetChangeAsOneColourAtATime) {
    uint32_t seed = 5;
    const FxHsvChange changes[] = {{37, 0}, {0, -90}, {250, 200}};
    for (const FxHsvChange& change : changes)
        for (size_t n = 0; n <= 140; ++n)
            for (size_t offset : {0u, 1u, 7u}) {
                std::vector<uint8_t> bytes(offset + 3 * n + 3);
                for (uint8_t& b : bytes)
                    b = uint8_t((seed = seed * 1103515245u + 12345u) >> 24);
                std::vector<uint8_t> expected = bytes;
                for (size_t i = 0; i < n; ++i) {
                    uint8_t* p = &expected[offset + 3 * i];
                    FxChangeColor(&change, &p[2], &p[1], &p[0]);
                }
                FxChangePixels(&change, bytes.data() + offset, n);
                ASSERT_EQ(bytes, expected)
                    << "run of " << n << " from byte " << offset << ", shift " << change.HueShift
                    << " add " << change.SaturationAdd;
            }
}

// The AVX2 form wherever the processor has it, whatever level the library
// runs at: random pixels under random changes, as one colour at a time,
// and the pixels it leaves (fewer than sixteen) untouched.
TEST(HueSaturation, Avx2FormChangesRandomPixelsAsOneColourAtATime) {
    if (!__builtin_cpu_supports("avx2"))
        GTEST_SKIP() << "no AVX2";
    uint32_t seed = 11;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 200; ++round) {
        const FxHsvChange change{int(next() & 255), int(next() % 511) - 255};
        const size_t n = next() % 700;
        std::vector<uint8_t> bytes(3 * n);
        for (uint8_t& b : bytes)
            b = uint8_t(next());
        // Some greys and some colours with two equal channels.
        for (size_t i = 0; i + 2 < n; i += 7)
            bytes[3 * i + 1] = bytes[3 * i + (i % 2 ? 0 : 2)];
        for (size_t i = 0; i < n; i += 11)
            bytes[3 * i] = bytes[3 * i + 1] = bytes[3 * i + 2];
        std::vector<uint8_t> expected = bytes;
        const size_t done = FxChangePixelsAvx2(&change, bytes.data(), n);
        ASSERT_EQ(done, n / 16 * 16);
        for (size_t i = 0; i < done; ++i) {
            uint8_t* p = &expected[3 * i];
            FxChangeColor(&change, &p[2], &p[1], &p[0]);
        }
        ASSERT_EQ(bytes, expected)
            << "run of " << n << ", shift " << change.HueShift << " add " << change.SaturationAdd;
    }
}
