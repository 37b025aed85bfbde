// The point operations' argument rules, their notable levels, the palette
// path and its progress, and the region-limited pixel path.
#include "PointReference.h"

#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

#include <climits>

using namespace fxtest;

namespace {

// A 256 x 1 24-bit bitmap whose pixel x is the grey (x, x, x).
struct LevelRamp {
    Bitmap bmp{256, 1, 24};
    LevelRamp() {
        auto bytes = storedBytes(bmp.get());
        for (int x = 0; x < 256; ++x)
            setRawAt(bytes, bmp.get(), x, 0,
                     rawOf(bmp.get(), Bgr{uint8_t(x), uint8_t(x), uint8_t(x)}));
        setStoredBytes(bmp.get(), bytes);
    }
    // The level each input level became (read from blue).
    Table levels() {
        auto bytes = storedBytes(bmp.get());
        Table t;
        for (int x = 0; x < 256; ++x)
            t[x] = colorAt(bytes, bmp.get(), x, 0).b;
        return t;
    }
};

Table all(uint8_t level) {
    Table t;
    t.fill(level);
    return t;
}

Table identity() {
    Table t;
    for (int i = 0; i < 256; ++i)
        t[i] = uint8_t(i);
    return t;
}

const uint8_t reversed[256] = {
#define R4(n) 255 - (n), 254 - (n), 253 - (n), 252 - (n)
#define R16(n) R4(n), R4(n + 4), R4(n + 8), R4(n + 12)
#define R64(n) R16(n), R16(n + 16), R16(n + 32), R16(n + 48)
    R64(0), R64(64), R64(128), R64(192)
#undef R64
#undef R16
#undef R4
};

// Every operation with good arguments, for checks that apply to all.
const std::vector<std::pair<const char*, std::function<int(RasterBitmap*)>>> allOperations = {
    {"intensity", [](RasterBitmap* b) { return R_ChangeBitmapIntensity(b, 200); }},
    {"contrast", [](RasterBitmap* b) { return R_ChangeBitmapContrast(b, 200); }},
    {"posterize", [](RasterBitmap* b) { return R_PosterizeBitmap(b, 4); }},
    {"invert", R_InvertBitmap},
    {"detect", [](RasterBitmap* b) { return R_IntensityDetectBitmap(b, 10, 200); }},
    {"gamma", [](RasterBitmap* b) { return R_GammaCorrectBitmap(b, 150); }},
    {"remap", [](RasterBitmap* b) { return R_RemapBitmapIntensity(b, reversed, 2); }},
    {"equalize", R_HistoEqualizeBitmap},
    {"stretch", R_StretchBitmapIntensity},
    {"histo contrast", [](RasterBitmap* b) { return R_HistoContrastBitmap(b, 300); }},
    {"hue", [](RasterBitmap* b) { return R_ChangeBitmapHue(b, 90); }},
    {"saturation", [](RasterBitmap* b) { return R_ChangeBitmapSaturation(b, 300); }},
};

bool usesHistogram(const std::string& name) {
    return name == "equalize" || name == "stretch" || name == "histo contrast";
}

} // namespace

TEST(PointOps, ArgumentsCheckedFirstWinOverABadBitmap) {
    CallbackRecorder recorder;
    EXPECT_EQ(R_ChangeBitmapIntensity(nullptr, 1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_ChangeBitmapIntensity(nullptr, -1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_ChangeBitmapContrast(nullptr, 1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_ChangeBitmapContrast(nullptr, -1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_PosterizeBitmap(nullptr, 1), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_PosterizeBitmap(nullptr, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_IntensityDetectBitmap(nullptr, 256, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_IntensityDetectBitmap(nullptr, 0, 256), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_GammaCorrectBitmap(nullptr, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_HistoContrastBitmap(nullptr, 1001), FX_ERR_BAD_PARAMETER);
    // The bitmap comes first for these.
    EXPECT_EQ(R_RemapBitmapIntensity(nullptr, reversed, 4), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_ChangeBitmapSaturation(nullptr, 1001), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_GetBitmapHistogram(nullptr, nullptr, 4), FX_ERR_BAD_BITMAP);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST(PointOps, BadArgumentsOnAGoodBitmapChangeNothing) {
    Bitmap bmp(9, 3, 24);
    fillPattern(bmp.get());
    const auto before = storedBytes(bmp.get());
    CallbackRecorder recorder;
    uint32_t histogram[256];
    EXPECT_EQ(R_ChangeBitmapIntensity(bmp.get(), 1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_PosterizeBitmap(bmp.get(), 1), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_GammaCorrectBitmap(bmp.get(), 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_RemapBitmapIntensity(bmp.get(), reversed, 4), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_RemapBitmapIntensity(bmp.get(), nullptr, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_ChangeBitmapSaturation(bmp.get(), -1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_HistoContrastBitmap(bmp.get(), -1001), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_GetBitmapHistogram(bmp.get(), nullptr, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_GetBitmapHistogram(bmp.get(), histogram, 4), FX_ERR_BAD_PARAMETER);
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(storedBytes(bmp.get()), before);
    EXPECT_EQ(bmp->AccessCount, 0);
}

TEST(PointOps, EveryOperationRejectsNullAndUnallocatedBitmaps) {
    Bitmap bmp(4, 4, 24);
    bmp->Flags &= ~RB_FLAG_ALLOCATED;
    for (const auto& [name, run] : allOperations) {
        EXPECT_EQ(run(nullptr), FX_ERR_BAD_BITMAP) << name;
        EXPECT_EQ(run(bmp.get()), FX_ERR_BAD_BITMAP) << name;
    }
    uint32_t histogram[256];
    EXPECT_EQ(R_GetBitmapHistogram(bmp.get(), histogram, 0), FX_ERR_BAD_BITMAP);
    bmp->Flags |= RB_FLAG_ALLOCATED;
}

TEST(PointOps, IntensityChangesByThousandthsOfTheRange) {
    for (int change : {0, -1}) {
        LevelRamp ramp;
        EXPECT_EQ(R_ChangeBitmapIntensity(ramp.bmp.get(), change), FX_OK);
        EXPECT_EQ(ramp.levels(), identity()) << change;
    }
    LevelRamp white;
    EXPECT_EQ(R_ChangeBitmapIntensity(white.bmp.get(), 1000), FX_OK);
    EXPECT_EQ(white.levels(), all(255)); // 0 included
    LevelRamp darker;
    EXPECT_EQ(R_ChangeBitmapIntensity(darker.bmp.get(), -1000), FX_OK);
    EXPECT_EQ(darker.levels()[254], 0); // -254500 / 1000 truncates to -254
    EXPECT_EQ(darker.levels()[255], 1);
}

TEST(PointOps, TablesHoldTheirNotableLevels) {
    LevelRamp two;
    EXPECT_EQ(R_PosterizeBitmap(two.bmp.get(), 2), FX_OK);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(two.levels()[i], i < 127 ? 0 : 255) << i;

    LevelRamp none;
    EXPECT_EQ(R_IntensityDetectBitmap(none.bmp.get(), 200, 100), FX_OK);
    EXPECT_EQ(none.levels(), all(0));

    LevelRamp band;
    EXPECT_EQ(R_IntensityDetectBitmap(band.bmp.get(), 100, 100), FX_OK);
    EXPECT_EQ(band.levels()[99], 0);
    EXPECT_EQ(band.levels()[100], 255);
    EXPECT_EQ(band.levels()[101], 0);

    LevelRamp same;
    EXPECT_EQ(R_GammaCorrectBitmap(same.bmp.get(), 100), FX_OK);
    EXPECT_EQ(same.levels(), identity());

    LevelRamp lifted;
    EXPECT_EQ(R_GammaCorrectBitmap(lifted.bmp.get(), 200), FX_OK);
    EXPECT_EQ(lifted.levels()[64], 128); // sqrt(64 / 255) * 255 = 127.75

    LevelRamp contrast;
    EXPECT_EQ(R_ChangeBitmapContrast(contrast.bmp.get(), -1000), FX_OK);
    // d = -127500 / 1000 = -127: levels are pulled to the centre, never past it.
    EXPECT_EQ(contrast.levels()[0], 127);
    EXPECT_EQ(contrast.levels()[127], 128);
    EXPECT_EQ(contrast.levels()[255], 128);
}

// Beyond the range of 32-bit arithmetic the formulas still hold: a negative
// gamma sends level 0 to infinity (clamped to white) and a huge level count
// posterizes to the levels themselves.
TEST(PointOps, ExtremeArgumentsStayWithinTheLevels) {
    LevelRamp white;
    EXPECT_EQ(R_GammaCorrectBitmap(white.bmp.get(), -100), FX_OK);
    EXPECT_EQ(white.levels(), all(255));
    LevelRamp many;
    EXPECT_EQ(R_PosterizeBitmap(many.bmp.get(), UINT_MAX), FX_OK);
    EXPECT_EQ(many.levels(), identity());
    LevelRamp turned;
    EXPECT_EQ(R_ChangeBitmapHue(turned.bmp.get(), INT_MIN), FX_OK); // greys stay
    EXPECT_EQ(turned.levels(), identity());
}

TEST(PointOps, RemapChangesOnlyTheSelectedChannelOfPaletteEntries) {
    for (unsigned channel : {0u, 1u, 2u, 3u}) {
        Bitmap bmp(5, 5, 8, RB_ORDER_BGR, 0, colorPalette(256));
        const auto palette = paletteOf(bmp.get());
        EXPECT_EQ(R_RemapBitmapIntensity(bmp.get(), reversed, channel), FX_OK);
        const auto after = paletteOf(bmp.get());
        for (int i = 0; i < 256; ++i) {
            const RasterColor& a = palette[i];
            const RasterColor& e = after[i];
            EXPECT_EQ(e.Red, channel == 0 || channel == 1 ? 255 - a.Red : a.Red);
            EXPECT_EQ(e.Green, channel == 0 || channel == 2 ? 255 - a.Green : a.Green);
            EXPECT_EQ(e.Blue, channel == 0 || channel == 3 ? 255 - a.Blue : a.Blue);
        }
    }
}

// Palette bitmaps without a region change only their palette: the callback
// sees the start value and 100 (after the histogram's 0 to 50), no pixel is
// written, and the entries past ColorCount stay.
TEST(PointOps, PalettePathChangesOnlyTheEntriesInUse) {
    for (const auto& [name, run] : allOperations) {
        Bitmap bmp(40, 7, 8, RB_ORDER_BGR, 0, colorPalette(256));
        fillPattern(bmp.get(), 3);
        bmp->ColorCount = 200;
        const auto before = storedBytes(bmp.get());
        const auto palette = paletteOf(bmp.get());
        CallbackRecorder recorder;
        EXPECT_EQ(run(bmp.get()), FX_OK) << name;
        EXPECT_EQ(storedBytes(bmp.get()), before) << name;
        const auto after = paletteOf(bmp.get());
        EXPECT_NE(std::memcmp(after.data(), palette.data(), 200 * sizeof(RasterColor)), 0) << name;
        EXPECT_EQ(std::memcmp(after.data() + 200, palette.data() + 200, 56 * sizeof(RasterColor)),
                  0)
            << name;
        const std::vector<int> tail = {51, 100};
        if (usesHistogram(name)) {
            ASSERT_GE(recorder.calls.size(), 4u) << name;
            EXPECT_EQ(recorder.calls.front(), 0);
            EXPECT_EQ(recorder.calls[recorder.calls.size() - 3], 50) << name;
            EXPECT_EQ(std::vector<int>(recorder.calls.end() - 2, recorder.calls.end()), tail);
        } else {
            EXPECT_EQ(recorder.calls, (std::vector<int>{0, 100})) << name;
        }
    }
}

TEST(PointOps, PalettePathStopsBeforeChangingAnything) {
    for (const auto& [name, run] : allOperations) {
        Bitmap bmp(8, 8, 4, RB_ORDER_BGR, 0, colorPalette(16));
        fillPattern(bmp.get(), 5);
        const auto palette = paletteOf(bmp.get());
        // Stop at the palette path's first report (after the histogram's).
        CallbackRecorder recorder(usesHistogram(name) ? 9 : 0, 42);
        EXPECT_EQ(run(bmp.get()), 42) << name;
        EXPECT_EQ(recorder.calls.back(), usesHistogram(name) ? 51 : 0) << name;
        const auto after = paletteOf(bmp.get());
        EXPECT_EQ(std::memcmp(after.data(), palette.data(), 16 * sizeof(RasterColor)), 0) << name;
        EXPECT_EQ(bmp->AccessCount, 0) << name;
    }
}

// The palette path and the histogram read the palette object in use; the
// row walker reads the colours of palette bitmaps with a region, from
// Colors when there is no palette object, but never more than 256.
TEST(PointOps, MissingOrShortPaletteIsABadBitmapWithOrWithoutRegion) {
    for (bool region : {false, true})
        for (const auto& [name, run] : allOperations) {
            Bitmap bmp(8, 8, 8, RB_ORDER_BGR, 0, colorPalette(256));
            if (region) {
                KRect rect{1, 1, 5, 5};
                ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
            }
            const auto before = storedBytes(bmp.get());
            if (!region || usesHistogram(name)) {
                bmp->Flags |= RB_FLAG_ALT_PALETTE; // without an AltPalette
                EXPECT_EQ(run(bmp.get()), FX_ERR_BAD_BITMAP) << name;
                bmp->Flags &= ~RB_FLAG_ALT_PALETTE;
            }
            bmp->ColorCount = 257;
            EXPECT_EQ(run(bmp.get()), FX_ERR_BAD_BITMAP) << name;
            bmp->ColorCount = 256;
            EXPECT_EQ(storedBytes(bmp.get()), before) << name;
            EXPECT_EQ(bmp->AccessCount, 0) << name;
        }
}

TEST(PointOps, PixelPathKeepsToTheRegionAndReportsRowByRow) {
    for (const auto& [name, run] : allOperations) {
        Bitmap bmp(30, 3, 8, RB_ORDER_BGR, 0, colorPalette(256));
        fillPattern(bmp.get(), 9);
        KRect rect{5, 0, 20, 3};
        ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
        const auto before = storedBytes(bmp.get());
        CallbackRecorder recorder;
        EXPECT_EQ(run(bmp.get()), FX_OK) << name;
        const auto after = storedBytes(bmp.get());
        int changed = 0;
        for (int row = 0; row < 3; ++row)
            for (int x = 0; x < 30; ++x) {
                bool same = rawAt(after, bmp.get(), x, row) == rawAt(before, bmp.get(), x, row);
                if (x < 5 || x >= 20) {
                    EXPECT_TRUE(same) << name << " at " << x;
                }
                changed += !same;
            }
        EXPECT_GT(changed, 0) << name;
        if (usesHistogram(name))
            EXPECT_EQ(recorder.calls, (std::vector<int>{0, 16, 33, 50, 51, 67, 83, 100})) << name;
        else
            EXPECT_EQ(recorder.calls, (std::vector<int>{0, 33, 66, 100})) << name;
    }
}

TEST(PointOps, PixelPathStoppedAtOnceLeavesTheBitmapUnchanged) {
    for (const auto& [name, run] : allOperations) {
        Bitmap bmp(12, 4, 24);
        fillPattern(bmp.get(), 15);
        const auto before = storedBytes(bmp.get());
        CallbackRecorder recorder(0, 0);
        EXPECT_EQ(run(bmp.get()), 0) << name;
        EXPECT_EQ(storedBytes(bmp.get()), before) << name;
        EXPECT_EQ(bmp->AccessCount, 0) << name;
    }
}
