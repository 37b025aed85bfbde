// Kernel bitmaps: records, allocation, access, row and span access, grey
// kinds and palettes as the bitmap sees them.
#include "../imgfx/FxTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

using namespace fxtest;

TEST(KernelBitmap, RecordsArePaddedToWholeWords) {
    RasterBitmap r;
    ASSERT_EQ(KInitBitmap(&r, 13, 2, 1), K_OK);
    EXPECT_EQ(r.BytesPerLine, 4);
    EXPECT_EQ(r.Flags, 0u);
    ASSERT_EQ(KInitBitmap(&r, 5, 2, 24), K_OK);
    EXPECT_EQ(r.BytesPerLine, 16);
    ASSERT_EQ(KInitBitmap(&r, 3, 1, 0), K_OK); // grey plane
    EXPECT_EQ(r.BitsPerPixel, 8);
    EXPECT_EQ(r.ColorCount, 256);
    EXPECT_EQ(r.Colors[200].Green, 200);
    EXPECT_EQ(KInitBitmap(&r, 3, 1, 12), K_ERR_BAD_PARAMETER);
    EXPECT_EQ(KInitBitmap(&r, -1, 1, 8), K_ERR_BAD_PARAMETER);
}

TEST(KernelBitmap, AllocationGivesPaletteBitmapsAPaletteOfTheirOwn) {
    auto colors = colorPalette(16);
    KPalette* given = KCreatePalette(16, colors.data());
    RasterBitmap b;
    ASSERT_EQ(KAllocBitmap(&b, 1, 7, 3, 4, RB_ORDER_RGB, given, RB_ROWS_BOTTOM_UP), K_OK);
    KDeletePalette(given); // the bitmap holds a copy
    EXPECT_EQ(b.Flags & RB_FLAG_ALLOCATED, RB_FLAG_ALLOCATED);
    EXPECT_EQ(b.ColorCount, 16);
    EXPECT_EQ(b.Colors[5].Red, colors[5].Red);
    EXPECT_EQ(b.RowOrder, RB_ROWS_BOTTOM_UP);
    EXPECT_EQ(b.ColorOrder, RB_ORDER_RGB);
    KFreeBitmap(&b);
    EXPECT_EQ(b.Flags & RB_FLAG_ALLOCATED, 0u);
    EXPECT_EQ(b.Palette, nullptr);

    ASSERT_EQ(KAllocBitmap(&b, 1, 4, 4, 0, 0, nullptr, 0), K_OK); // grey plane
    EXPECT_EQ(KGreyKind(&b), 1);
    KFreeBitmap(&b);
    EXPECT_EQ(KAllocBitmap(&b, 2, 4, 4, 8, 0, nullptr, 0), K_ERR_BAD_PARAMETER);
    EXPECT_EQ(KAllocBitmap(&b, 2 | K_ALLOC_UNCLEARED, 4, 4, 8, 0, nullptr, 0), K_ERR_BAD_PARAMETER);
    // Uncleared memory is a bitmap like any other but for its first contents.
    ASSERT_EQ(KAllocBitmap(&b, 1 | K_ALLOC_UNCLEARED, 5, 3, 0, 0, nullptr, 0), K_OK);
    EXPECT_EQ(b.Flags & RB_FLAG_ALLOCATED, RB_FLAG_ALLOCATED);
    EXPECT_EQ(b.BytesPerLine, 8);
    EXPECT_EQ(KGreyKind(&b), 1);
    KFreeBitmap(&b);
    EXPECT_EQ(KAllocBitmap(&b, 1, 0, 4, 8, 0, nullptr, 0), K_ERR_BAD_PARAMETER);
}

// Pixels start on a 64-byte line, cleared or not, and a bitmap freed and
// made again of the same size takes the same memory even where another
// allocation has come to lie behind it (the heap grew by a picture a time,
// every page of it touched afresh); under the address sanitizer, whose
// allocator keeps freed memory out of use on purpose, that reading past
// the pixels is still caught.
TEST(KernelBitmap, PixelsStartOnALineAndABitmapMadeAgainTakesTheFreedMemory) {
    for (unsigned kind : {1u, 1u | K_ALLOC_UNCLEARED})
        for (int width : {1, 3, 100, 1000}) {
            RasterBitmap b;
            ASSERT_EQ(KAllocBitmap(&b, int(kind), width, 7, 24, 0, nullptr, 0), K_OK);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(b.Bits) % 64, 0u) << kind << " " << width;
            if (kind == 1) {
                EXPECT_TRUE(std::all_of(b.Bits, b.Bits + size_t(b.BytesPerLine) * 7,
                                        [](uint8_t v) { return v == 0; }));
            }
            KFreeBitmap(&b);
        }
#ifndef TESSARY_ASAN
    RasterBitmap b;
    ASSERT_EQ(KAllocBitmap(&b, 1 | K_ALLOC_UNCLEARED, 100, 100, 24, 0, nullptr, 0), K_OK);
    const uint8_t* first = b.Bits;
    auto behind = std::make_unique<char[]>(64);
    KFreeBitmap(&b);
    ASSERT_EQ(KAllocBitmap(&b, 1 | K_ALLOC_UNCLEARED, 100, 100, 24, 0, nullptr, 0), K_OK);
    EXPECT_EQ(b.Bits, first);
    KFreeBitmap(&b);
#else
    // The memory around the pixels is the allocator's: reading past the
    // last row is caught as before.
    RasterBitmap b;
    ASSERT_EQ(KAllocBitmap(&b, 1 | K_ALLOC_UNCLEARED, 5, 3, 24, 0, nullptr, 0), K_OK);
    const volatile uint8_t* pixels = b.Bits;
    EXPECT_DEATH((void)pixels[3 * b.BytesPerLine], "use-after-poison");
    EXPECT_DEATH((void)pixels[-1], "use-after-poison");
    KFreeBitmap(&b);
#endif
}

TEST(KernelBitmap, AttachedPixelsAreTheCallersAndOutliveTheRecord) {
    alignas(16) uint8_t pixels[3 * 8];
    for (int i = 0; i < 24; ++i)
        pixels[i] = uint8_t(i);
    RasterBitmap b;
    ASSERT_EQ(KAttachBitmap(&b, 5, 3, 8, RB_ORDER_BGR, pixels, 0), K_OK);
    EXPECT_EQ(b.BytesPerLine, 8);
    EXPECT_EQ(KGreyKind(&b), 1); // the grey palette, as allocation gives
    const intptr_t token = KBeginAccess(&b);
    EXPECT_EQ(KRowAddress(&b, 2), pixels + 16);
    KRowAddress(&b, 1)[0] = 200;
    KEndAccess(&b, token);
    EXPECT_EQ(pixels[8], 200);
    KFreeBitmap(&b); // leaves the pixels alone (a free of them would crash here)
    EXPECT_EQ(b.Flags & (RB_FLAG_ALLOCATED | RB_FLAG_CALLER_PIXELS), 0u);
    EXPECT_EQ(pixels[23], 23);
    // The same record allocated afterwards is the kernel's again.
    ASSERT_EQ(KAllocBitmap(&b, 1, 2, 2, 24, RB_ORDER_BGR, nullptr, 0), K_OK);
    EXPECT_EQ(b.Flags & RB_FLAG_CALLER_PIXELS, 0u);
    KFreeBitmap(&b);
    EXPECT_EQ(KAttachBitmap(&b, 5, 3, 8, RB_ORDER_BGR, nullptr, 0), K_ERR_BAD_PARAMETER);
    EXPECT_EQ(KAttachBitmap(&b, 5, 3, 12, RB_ORDER_BGR, pixels, 0), K_ERR_BAD_PARAMETER);
    EXPECT_EQ(b.Flags, 0u);
}

TEST(KernelBitmap, PixelsAreReachableOnlyUnderAccess) {
    Bitmap bmp(8, 2, 8);
    uint8_t row[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(KWriteRow(bmp.get(), row, 0, 8), K_ERR_NO_ACCESS);
    intptr_t token = KBeginAccess(bmp.get());
    ASSERT_NE(token, 0);
    EXPECT_EQ(KWriteRow(bmp.get(), row, 0, 8), K_OK);
    EXPECT_EQ(KWriteRow(bmp.get(), row, 2, 8), K_ERR_BAD_PARAMETER);
    EXPECT_EQ(KWriteRow(bmp.get(), row, 0, 9), K_ERR_BAD_PARAMETER);
    uint8_t part[3];
    ASSERT_EQ(KReadRowPart(bmp.get(), part, 0, 5, 3), K_OK);
    EXPECT_EQ(part[0], 6);
    EXPECT_EQ(KReadRowPart(bmp.get(), part, 0, 6, 3), K_ERR_BAD_PARAMETER);
    // The row in place is the stored row, and only under access.
    uint8_t* stored = KRowAddress(bmp.get(), 0);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored[7], 8);
    stored[1] = 42;
    ASSERT_EQ(KReadRowPart(bmp.get(), part, 0, 0, 3), K_OK);
    EXPECT_EQ(part[1], 42);
    EXPECT_EQ(KRowAddress(bmp.get(), 1), stored + bmp->BytesPerLine);
    EXPECT_EQ(KRowAddress(bmp.get(), 2), nullptr);
    EXPECT_EQ(KRowAddress(bmp.get(), -1), nullptr);
    KEndAccess(bmp.get(), token);
    EXPECT_EQ(KReadRow(bmp.get(), part, 0, 3), K_ERR_NO_ACCESS);
    EXPECT_EQ(KRowAddress(bmp.get(), 0), nullptr);
    EXPECT_EQ(KRowAddress(nullptr, 0), nullptr);

    RasterBitmap unallocated;
    KInitBitmap(&unallocated, 4, 4, 8);
    EXPECT_EQ(KBeginAccess(&unallocated), 0);
}

TEST(KernelBitmap, PartRowsOfPackedBitmapsStartOnByteBoundaries) {
    Bitmap one(20, 1, 1), four(20, 1, 4);
    intptr_t t1 = KBeginAccess(one.get()), t4 = KBeginAccess(four.get());
    uint8_t buffer[4];
    EXPECT_EQ(KReadRowPart(one.get(), buffer, 0, 8, 2), K_OK);
    EXPECT_EQ(KReadRowPart(one.get(), buffer, 0, 12, 1), K_ERR_BAD_PARAMETER);
    EXPECT_EQ(KReadRowPart(four.get(), buffer, 0, 6, 2), K_OK);
    EXPECT_EQ(KReadRowPart(four.get(), buffer, 0, 7, 1), K_ERR_BAD_PARAMETER);
    KEndAccess(one.get(), t1);
    KEndAccess(four.get(), t4);
}

TEST(KernelBitmap, SpanWritesKeepEveryPixelOutsideTheSpans) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        Bitmap bmp(40, 1, bits, RB_ORDER_BGR, 0,
                   bits <= 8 ? colorPalette(1 << bits) : std::vector<RasterColor>{});
        fillPattern(bmp.get(), 3);
        auto before = storedBytes(bmp.get());
        int first = bits == 1 ? 8 : bits == 4 ? 2 : 3;
        // A buffer of the opposite of every stored byte, from the first column.
        size_t offset = size_t(first) * bits / 8;
        std::vector<uint8_t> buffer(before.begin() + long(offset), before.end());
        for (auto& byte : buffer)
            byte = uint8_t(~byte);
        int32_t spans[] = {1, 4, 9, 30, 33, 60}; // relative; the last runs past the width
        intptr_t token = KBeginAccess(bmp.get());
        ASSERT_EQ(KWriteRowSpans(bmp.get(), buffer.data(), 0, first, spans, 6), K_OK);
        KEndAccess(bmp.get(), token);
        auto after = storedBytes(bmp.get());
        for (int x = 0; x < 40; ++x) {
            int rel = x - first;
            bool inside = (rel >= 1 && rel < 4) || (rel >= 9 && rel < 30) || rel >= 33;
            uint32_t was = rawAt(before, bmp.get(), x, 0);
            uint32_t mask = bits == 32   ? 0xffffffu
                            : bits == 16 ? 0xffffu
                                         : (1u << std::min(bits, 31)) - 1;
            uint32_t expected = inside ? (~was & mask) | (was & ~mask) : was;
            EXPECT_EQ(rawAt(after, bmp.get(), x, 0), expected) << bits << " bits, x " << x;
        }
        // Row padding past the width stays as it was.
        for (size_t k = (size_t(40) * bits + 7) / 8; k < after.size(); ++k)
            EXPECT_EQ(after[k], before[k]);
    }
}

TEST(KernelBitmap, GreyKindsAreTheFixedRampsOfTheirDepth) {
    for (int bits : {1, 4, 8}) {
        Bitmap up(2, 2, bits, RB_ORDER_BGR, 0, greyPalette(bits));
        Bitmap down(2, 2, bits, RB_ORDER_BGR, 0, greyPalette(bits, true));
        Bitmap colour(2, 2, bits, RB_ORDER_BGR, 0, colorPalette(1 << bits));
        EXPECT_EQ(KGreyKind(up.get()), 1);
        EXPECT_EQ(KGreyKind(down.get()), 2);
        EXPECT_EQ(KGreyKind(colour.get()), 0);
    }
    auto partial = greyPalette(8);
    partial.resize(200);
    Bitmap shortGrey(2, 2, 8, RB_ORDER_BGR, 0, partial);
    EXPECT_EQ(KGreyKind(shortGrey.get()), 0);
    Bitmap direct(2, 2, 24);
    EXPECT_EQ(KGreyKind(direct.get()), 0);
}

TEST(KernelBitmap, ColoursComeFromThePaletteInUse) {
    Bitmap bmp(2, 2, 8, RB_ORDER_BGR, 0, colorPalette(256));
    auto alt = greyPalette(8);
    KPalette* altPalette = KCreatePalette(256, alt.data());
    bmp->AltPalette = altPalette;
    bmp->Flags |= RB_FLAG_ALT_PALETTE | RB_FLAG_COLORS_UNSYNCED;
    RasterColor c[2];
    EXPECT_EQ(KGetColors(bmp.get(), 254, 5, c), 2);
    EXPECT_EQ(c[0].Red, 254);
    EXPECT_EQ(KGreyKind(bmp.get()), 1);
    KTakePalette(bmp.get());
    EXPECT_EQ(bmp->Colors[10].Red, 10);
    EXPECT_EQ(bmp->Flags & RB_FLAG_COLORS_UNSYNCED, 0u);
    bmp->AltPalette = nullptr;
    KDeletePalette(altPalette);

    RasterBitmap plane;
    KInitBitmap(&plane, 2, 2, 4);
    KPreparePlane(&plane);
    EXPECT_EQ(plane.ColorCount, 16);
    EXPECT_EQ(plane.Colors[15].Blue, 255);
}

TEST(KernelPalette, EntriesAreClippedToThePalette) {
    KPalette* p = KGreyPalette(4);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(KPaletteSize(p), 16);
    RasterColor e[4] = {};
    EXPECT_EQ(KGetPaletteEntries(p, 14, 4, e), 2);
    EXPECT_EQ(e[1].Red, 255);
    RasterColor red[3] = {{0, 0, 255, 0}, {0, 0, 255, 0}, {0, 0, 255, 0}};
    EXPECT_EQ(KSetPaletteEntries(p, 15, 3, red), 1);
    EXPECT_EQ(KGetPaletteEntries(p, 16, 1, e), 0);
    KDeletePalette(p);
    EXPECT_EQ(KGreyPalette(2), nullptr);
    EXPECT_EQ(KCreatePalette(257, nullptr), nullptr);
}

TEST(KernelMemory, StatusCallbackIsKeptPerThreadAndBitsAreCounted) {
    KStatusCallback mine = [](int) { return 1; };
    KSetStatusCallback(mine);
    KStatusCallback seen = mine;
    std::thread([&] { seen = KGetStatusCallback(); }).join();
    EXPECT_EQ(seen, nullptr);
    EXPECT_EQ(KGetStatusCallback(), mine);
    KSetStatusCallback(nullptr);
    const uint8_t* table = KBitCountTable();
    EXPECT_EQ(table[0], 0);
    EXPECT_EQ(table[0xB5], 5);
    EXPECT_EQ(table[255], 8);
    void* zeroSize = KAlloc(0, 1);
    EXPECT_NE(zeroSize, nullptr);
    KFree(zeroSize);
}

// The reruns of the filter tests under IMGFX_ISA only mean something if the
// cap really holds the level down.
TEST(KernelLevel, NeverExceedsTheCapAskedFor) {
    const char* cap = std::getenv("IMGFX_ISA");
    const int level = KIsaLevel();
    EXPECT_GE(level, K_ISA_BASELINE);
    EXPECT_LE(level, K_ISA_AVX512);
    const std::string asked = cap ? cap : "";
    EXPECT_TRUE(asked != "baseline" || level == K_ISA_BASELINE);
    EXPECT_TRUE(asked != "avx2" || level <= K_ISA_AVX2);
    EXPECT_TRUE(!KIsaVbmi() || level == K_ISA_AVX512);
}
