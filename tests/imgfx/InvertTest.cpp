// R_InvertBitmap on its two paths: the palette of palette bitmaps without a
// region, and the pixels of everything else.
#include "FxTestSupport.h"

#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

using namespace fxtest;

namespace {

Bgr inverted(Bgr c) {
    return {uint8_t(255 - c.b), uint8_t(255 - c.g), uint8_t(255 - c.r)};
}

} // namespace

TEST(InvertBitmap, RejectsNullAndUnallocatedBitmaps) {
    EXPECT_EQ(R_InvertBitmap(nullptr), FX_ERR_BAD_BITMAP);
    for (int bits : {8, 24}) {
        Bitmap bmp(4, 4, bits);
        fillPattern(bmp.get());
        auto before = storedBytes(bmp.get());
        auto colors = paletteOf(bmp->Palette);
        bmp->Flags &= ~RB_FLAG_ALLOCATED;
        EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_ERR_BAD_BITMAP);
        bmp->Flags |= RB_FLAG_ALLOCATED;
        EXPECT_EQ(storedBytes(bmp.get()), before);
        EXPECT_EQ(paletteOf(bmp->Palette).size(), colors.size());
    }
}

TEST(InvertBitmap, PaletteBitmapWithoutRegionChangesOnlyItsPalette) {
    for (int bits : {1, 4, 8}) {
        Bitmap bmp(13, 5, bits, RB_ORDER_BGR, 0, colorPalette(1 << bits));
        fillPattern(bmp.get());
        auto before = storedBytes(bmp.get());
        auto palette = paletteOf(bmp->Palette);
        CallbackRecorder recorder;
        EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_OK);
        EXPECT_EQ(recorder.calls, (std::vector<int>{0, 100}));
        EXPECT_EQ(storedBytes(bmp.get()), before);
        auto after = paletteOf(bmp->Palette);
        ASSERT_EQ(after.size(), palette.size());
        for (size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(after[i].Red, 255 - palette[i].Red);
            EXPECT_EQ(after[i].Blue, 255 - palette[i].Blue);
        }
        EXPECT_TRUE(sameColors(bmp->Colors, after.data(), bmp->ColorCount));
    }
}

TEST(InvertBitmap, PalettePathHonoursAltPaletteAndUnsyncedColors) {
    Bitmap bmp(4, 4, 8, RB_ORDER_BGR, 0, colorPalette(256));
    auto colors = colorPalette(256);
    KPalette* alt = KCreatePalette(256, colors.data());
    bmp->AltPalette = alt;
    bmp->Flags |= RB_FLAG_ALT_PALETTE | RB_FLAG_COLORS_UNSYNCED;
    EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_OK);
    EXPECT_EQ(paletteOf(alt)[3].Green, 255 - colors[3].Green);
    EXPECT_TRUE(sameColors(paletteOf(bmp->Palette).data(), colors.data(), 256));
    EXPECT_TRUE(sameColors(bmp->Colors, colors.data(), 256));
    bmp->AltPalette = nullptr;
    KDeletePalette(alt);
}

TEST(InvertBitmap, MissingOrShortPaletteIsABadBitmapAndChangesNothing) {
    Bitmap bmp(4, 4, 4, RB_ORDER_BGR, 0, colorPalette(16));
    auto colors = colorPalette(16);
    CallbackRecorder recorder;
    bmp->Flags |= RB_FLAG_ALT_PALETTE; // no AltPalette
    EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_ERR_BAD_BITMAP);
    bmp->Flags &= ~RB_FLAG_ALT_PALETTE;
    bmp->ColorCount = 17; // more than the palette object holds
    EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_ERR_BAD_BITMAP);
    bmp->ColorCount = 300; // more than any palette: never read past 256 entries
    EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_ERR_BAD_BITMAP);
    bmp->ColorCount = 16;
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_TRUE(sameColors(paletteOf(bmp->Palette).data(), colors.data(), 16));
}

TEST(InvertBitmap, PixelsOfEveryFormatInvertInsideTheRegionOnly) {
    for (const Format& f : allFormats()) {
        // Wide enough for the vector paths of conversion and matching.
        Bitmap bmp(150, 7, f, f.bits <= 8 ? colorPalette(1 << f.bits) : std::vector<RasterColor>{});
        fillPattern(bmp.get(), 23);
        KRect ellipse{2, -1, 145, 8};
        ASSERT_EQ(KSetRegionEllipse(bmp.get(), &ellipse, K_REGION_SET), K_OK);
        auto before = storedBytes(bmp.get());
        auto palette = paletteOf(bmp->Palette);
        EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_OK) << f.name();
        EXPECT_EQ(storedBytes(bmp.get()), referenceApply(bmp.get(), before, inverted)) << f.name();
        EXPECT_EQ(paletteOf(bmp->Palette).size(), palette.size());
    }
}

TEST(InvertBitmap, DirectFormatsWithoutRegionInvertEveryPixel) {
    for (const Format& f : allFormats()) {
        if (f.bits < 16)
            continue;
        Bitmap bmp(70, 3, f);
        fillPattern(bmp.get(), 29);
        auto before = storedBytes(bmp.get());
        CallbackRecorder recorder;
        EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_OK);
        EXPECT_EQ(recorder.calls, (std::vector<int>{0, 33, 66, 100}));
        EXPECT_EQ(storedBytes(bmp.get()), referenceApply(bmp.get(), before, inverted)) << f.name();
    }
}

TEST(InvertBitmap, GreyBitmapWithRegionInvertsItsLevels) {
    Bitmap bmp(300, 2, 8);
    fillPattern(bmp.get(), 31);
    KRect rect{1, 0, 299, 2};
    ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
    auto before = storedBytes(bmp.get());
    EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_OK);
    auto after = storedBytes(bmp.get());
    for (int row = 0; row < 2; ++row)
        for (int x = 0; x < 300; ++x) {
            uint32_t v = rawAt(before, bmp.get(), x, row);
            EXPECT_EQ(rawAt(after, bmp.get(), x, row), x == 0 || x == 299 ? v : 255 - v);
        }
}

TEST(InvertBitmap, CallbackStoppingAtOnceLeavesTheBitmapUnchanged) {
    for (int bits : {8, 24}) {
        Bitmap bmp(6, 6, bits, RB_ORDER_BGR, 0,
                   bits == 8 ? colorPalette(256) : std::vector<RasterColor>{});
        fillPattern(bmp.get());
        if (bits == 8) {
            KRect rect{0, 0, 6, 6}; // a region forces the pixel path
            KSetRegionRect(bmp.get(), &rect, K_REGION_SET);
        }
        auto before = storedBytes(bmp.get());
        CallbackRecorder recorder(0, 0);
        EXPECT_EQ(R_InvertBitmap(bmp.get()), 0);
        EXPECT_EQ(recorder.calls, std::vector<int>{0});
        EXPECT_EQ(storedBytes(bmp.get()), before);
        EXPECT_EQ(bmp->AccessCount, 0);
    }
    Bitmap pal(6, 6, 8, RB_ORDER_BGR, 0, colorPalette(256));
    CallbackRecorder recorder(0, -5);
    EXPECT_EQ(R_InvertBitmap(pal.get()), -5);
    EXPECT_TRUE(sameColors(paletteOf(pal->Palette).data(), colorPalette(256).data(), 256));
}

// Whole 24-bit bitmaps without a callback are complemented in one run
// over rows that follow each other without padding, and row by row
// otherwise: every width around the vector lengths, with and without row
// padding, must change every pixel byte, up to the last of the bitmap,
// and no padding.
TEST(InvertBitmap, WholeBitmapsOfAnyWidthInvertEveryByteAndNoPadding) {
    for (int bits : {24})
        for (int width : {1, 2, 5, 16, 31, 64, 65, 127, 128, 171, 257}) {
            Bitmap bmp(width, 5, bits);
            fillPattern(bmp.get(), width);
            auto before = storedBytes(bmp.get());
            EXPECT_EQ(R_InvertBitmap(bmp.get()), FX_OK);
            auto after = storedBytes(bmp.get());
            const size_t rowBytes = size_t(width) * size_t(bits / 8);
            for (size_t k = 0; k < after.size(); ++k) {
                const bool pixel = k % size_t(bmp->BytesPerLine) < rowBytes;
                ASSERT_EQ(after[k], pixel ? uint8_t(~before[k]) : before[k])
                    << bits << "-bit, width " << width << ", byte " << k;
            }
        }
}

TEST(InvertBitmap, CallbackStoppingAfterSomeRowsLeavesTheRestUnchanged) {
    for (int bits : {24}) {
        Bitmap bmp(43, 6, bits);
        fillPattern(bmp.get());
        auto before = storedBytes(bmp.get());
        CallbackRecorder recorder(2, 7); // the start, two rows, then stop
        EXPECT_EQ(R_InvertBitmap(bmp.get()), 7);
        auto after = storedBytes(bmp.get());
        const size_t line = size_t(bmp->BytesPerLine), rowBytes = 43 * 3;
        for (size_t k = 0; k < after.size(); ++k) {
            const bool changed = k < 2 * line && k % line < rowBytes;
            ASSERT_EQ(after[k], changed ? uint8_t(~before[k]) : before[k]) << bits << " " << k;
        }
    }
}
