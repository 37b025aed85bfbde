// Colour separation and merge: plane contents and order for every kind and
// every source format, round trips, sizes, argument checks, clean-up of
// planes after a failure, and partial results after a stop.
#include "FxTestSupport.h"

#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace fxtest;

namespace {

const int spaceOfKind[] = {K_SPACE_BGR, K_SPACE_CMYK, K_SPACE_HSV, K_SPACE_HLS, K_SPACE_CMY};
const int planesOfKind[] = {3, 4, 3, 3, 3};

// Four plane records, freed on destruction (freeing an unallocated record
// is harmless).
struct Planes {
    std::array<RasterBitmap, 4> records{};
    std::array<RasterBitmap*, 4> pointers{&records[0], &records[1], &records[2], &records[3]};
    ~Planes() {
        for (RasterBitmap& r : records)
            KFreeBitmap(&r);
    }
    RasterBitmap** get() { return pointers.data(); }
    RasterBitmap& operator[](int k) { return records[size_t(k)]; }
};

// The colour at picture position (x, y).
Bgr pictureColor(RasterBitmap* bmp, int x, int y) {
    return colorAt(storedBytes(bmp), bmp, x, storedRowOf(bmp, y));
}

// The bytes of a colour in a kind's space, as the kernel converts it.
std::array<uint8_t, 4> inSpace(Bgr c, int kind) {
    uint8_t bgr[3] = {c.b, c.g, c.r};
    std::array<uint8_t, 4> out{};
    KConvertColorSpace(bgr, out.data(), 1, K_SPACE_BGR, spaceOfKind[kind]);
    return out;
}

// A 24-bit bitmap of many colours, greys and extremes included.
void fillColours(RasterBitmap* bmp) {
    auto bytes = storedBytes(bmp);
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x) {
            const int i = row * bmp->Width + x;
            Bgr c{uint8_t(i * 37), uint8_t(i * 11 + row), uint8_t(255 - i * 5)};
            if (x % 7 == 0)
                c = Bgr{uint8_t(i * 13), uint8_t(i * 13), uint8_t(i * 13)};
            setRawAt(bytes, bmp, x, row, rawOf(bmp, c));
        }
    setStoredBytes(bmp, bytes);
}

// Whether every byte past the pixels of each stored row is 0: the planes
// and the merged bitmap are allocated uncleared and must clear it.
bool paddingIsClear(RasterBitmap* bmp) {
    const auto bytes = storedBytes(bmp);
    const size_t used = (size_t(bmp->Width) * size_t(bmp->BitsPerPixel) + 7) / 8;
    for (int row = 0; row < bmp->Height; ++row)
        for (size_t k = used; k < size_t(bmp->BytesPerLine); ++k)
            if (bytes[size_t(row) * size_t(bmp->BytesPerLine) + k] != 0)
                return false;
    return true;
}

} // namespace

TEST(ColorSeparate, KindZeroAndBackGivesTheSamePixels) {
    Bitmap source(37, 9, 24, RB_ORDER_BGR, RB_ROWS_BOTTOM_UP);
    fillPattern(source.get(), 3);
    Planes planes;
    ASSERT_EQ(R_ColorSeparateBitmap(source.get(), planes.get(), 0), FX_OK);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(planes[k].Flags & RB_FLAG_ALLOCATED, RB_FLAG_ALLOCATED);
        EXPECT_EQ(planes[k].Width, 37);
        EXPECT_EQ(planes[k].Height, 9);
        EXPECT_EQ(planes[k].BitsPerPixel, 8);
        EXPECT_EQ(planes[k].RowOrder, RB_ROWS_BOTTOM_UP);
        EXPECT_EQ(KGreyKind(&planes[k]), 1); // index = level
    }
    // Plane 0 blue, 1 green, 2 red, row for row as stored.
    const auto bytes = storedBytes(source.get());
    const auto blue = storedBytes(&planes[0]), red = storedBytes(&planes[2]);
    EXPECT_EQ(blue[size_t(3 * planes[0].BytesPerLine + 5)], colorAt(bytes, source.get(), 5, 3).b);
    EXPECT_EQ(red[size_t(8 * planes[2].BytesPerLine + 36)], colorAt(bytes, source.get(), 36, 8).r);

    RasterBitmap merged{};
    ASSERT_EQ(R_ColorMergeBitmap(&merged, planes.get(), 0), FX_OK);
    EXPECT_EQ(merged.BitsPerPixel, 24);
    EXPECT_EQ(merged.ColorOrder, RB_ORDER_BGR);
    EXPECT_EQ(merged.RowOrder, RB_ROWS_BOTTOM_UP);
    EXPECT_EQ(storedBytes(&merged), bytes);
    KFreeBitmap(&merged);
}

// Pictures too large for the caches are written past them, the vector
// forms starting at a line boundary of each row: the planes of every kind
// (the hue kinds converted over plane rows of many chunks) and the merged
// pixels of the kinds with exact round trips stay byte for byte those of
// small pictures, with an odd width whose rows begin at every offset
// within a line.
TEST(ColorSeparate, LargePicturesSeparateAndMergeExactly) {
    const int width = 2333, height = 2400;
    Bitmap source(width, height, 24, RB_ORDER_BGR, RB_ROWS_BOTTOM_UP);
    fillPattern(source.get(), 5);
    const auto bytes = storedBytes(source.get());
    const size_t sourceLine = size_t(source.get()->BytesPerLine);
    for (unsigned kind : {0u, 1u, 2u, 3u, 4u}) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        Planes planes;
        ASSERT_EQ(R_ColorSeparateBitmap(source.get(), planes.get(), kind), FX_OK);
        std::vector<std::vector<uint8_t>> planeBytes;
        for (int k = 0; k < planesOfKind[kind]; ++k) {
            planeBytes.push_back(storedBytes(&planes[k]));
            EXPECT_TRUE(paddingIsClear(&planes[k]));
        }
        const size_t line = size_t(planes[0].BytesPerLine);
        size_t wrong = 0;
        for (size_t row = 0; row < size_t(height); ++row)
            for (size_t x = 0; x < size_t(width); ++x) {
                const uint8_t* p = &bytes[row * sourceLine + 3 * x];
                const auto expected = inSpace(Bgr{p[0], p[1], p[2]}, int(kind));
                for (size_t k = 0; k < planeBytes.size(); ++k)
                    wrong += planeBytes[k][row * line + x] != expected[k];
            }
        EXPECT_EQ(wrong, 0u);
        if (kind == 2 || kind == 3)
            continue; // the hue spaces' round trips are not exact
        RasterBitmap merged{};
        ASSERT_EQ(R_ColorMergeBitmap(&merged, planes.get(), kind), FX_OK);
        EXPECT_TRUE(storedBytes(&merged) == bytes);
        KFreeBitmap(&merged);
    }
}

TEST(ColorSeparate, EveryKindSeparatesInPlaneOrderAndMergesBack) {
    // Both byte orders (blue, green, red rows are read in place), both row
    // orders, and a width of two vector blocks and a rest that leaves padding
    // in the planes and the target.
    for (int order : {RB_ORDER_RGB, RB_ORDER_BGR})
        for (int rowOrder : {0, RB_ROWS_BOTTOM_UP}) {
            Bitmap source(131, 7, 24, order, rowOrder);
            fillColours(source.get());
            for (unsigned kind = 0; kind <= 4; ++kind) {
                SCOPED_TRACE("kind " + std::to_string(kind) + " order " + std::to_string(order) +
                             " rows " + std::to_string(rowOrder));
                Planes planes;
                ASSERT_EQ(R_ColorSeparateBitmap(source.get(), planes.get(), kind), FX_OK);
                EXPECT_EQ((planes[3].Flags & RB_FLAG_ALLOCATED) != 0, planesOfKind[kind] == 4);
                std::vector<std::vector<uint8_t>> planeBytes;
                for (int k = 0; k < planesOfKind[kind]; ++k) {
                    planeBytes.push_back(storedBytes(&planes[k]));
                    EXPECT_TRUE(paddingIsClear(&planes[k])) << "plane " << k;
                }
                for (int y = 0; y < 7; ++y)
                    for (int x = 0; x < 131; ++x) {
                        const auto expected = inSpace(pictureColor(source.get(), x, y), kind);
                        for (int k = 0; k < planesOfKind[kind]; ++k)
                            ASSERT_EQ(rawAt(planeBytes[size_t(k)], &planes[k], x,
                                            storedRowOf(&planes[k], y)),
                                      expected[size_t(k)])
                                << "plane " << k << " at " << x << "," << y;
                    }

                RasterBitmap merged{};
                ASSERT_EQ(R_ColorMergeBitmap(&merged, planes.get(), kind), FX_OK);
                const bool exact = kind == 0 || kind == 1 || kind == 4;
                int worst = 0;
                for (int y = 0; y < 7; ++y)
                    for (int x = 0; x < 131; ++x) {
                        Bgr a = pictureColor(source.get(), x, y), b = pictureColor(&merged, x, y);
                        worst = std::max(
                            {worst, std::abs(a.b - b.b), std::abs(a.g - b.g), std::abs(a.r - b.r)});
                    }
                EXPECT_LE(worst, exact ? 0 : 4);
                EXPECT_TRUE(paddingIsClear(&merged));
                KFreeBitmap(&merged);
            }
        }
}

TEST(ColorSeparate, EveryFormatSeparatesThroughItsColours) {
    for (const Format& f : allFormats()) {
        SCOPED_TRACE(f.name());
        Bitmap source(19, 5, f, colorPalette(1 << std::min(f.bits, 8)));
        fillPattern(source.get(), 7);
        Planes planes;
        ASSERT_EQ(R_ColorSeparateBitmap(source.get(), planes.get(), 0), FX_OK);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 19; ++x) {
                const Bgr c = pictureColor(source.get(), x, y);
                EXPECT_EQ(pictureColor(&planes[0], x, y).b, c.b);
                EXPECT_EQ(pictureColor(&planes[1], x, y).g, c.g);
                EXPECT_EQ(pictureColor(&planes[2], x, y).r, c.r);
            }
    }
}

TEST(ColorMerge, PlanesOfDifferentSizesAndDepthsMergeToTheSmallest) {
    Bitmap wide(40, 12, 8), tall(25, 30, 24), grey4(33, 15, 4);
    fillPattern(wide.get(), 1);
    fillPattern(tall.get(), 2);
    fillPattern(grey4.get(), 3);
    RasterBitmap* planes[] = {wide.get(), tall.get(), grey4.get()};
    RasterBitmap merged{};
    ASSERT_EQ(R_ColorMergeBitmap(&merged, planes, 0), FX_OK);
    EXPECT_EQ(merged.Width, 25);
    EXPECT_EQ(merged.Height, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 25; ++x) {
            // Each plane counts by the grey level of its pixel, from its
            // first rows and columns.
            const Bgr c = pictureColor(&merged, x, y);
            ASSERT_EQ(c.b, intensity(pictureColor(wide.get(), x, y)));
            ASSERT_EQ(c.g, intensity(pictureColor(tall.get(), x, y)));
            ASSERT_EQ(c.r, intensity(pictureColor(grey4.get(), x, y)));
        }
    KFreeBitmap(&merged);
}

TEST(ColorSeparate, BadArgumentsAllocateNothing) {
    Bitmap source(8, 4, 24);
    Planes planes;
    EXPECT_EQ(R_ColorSeparateBitmap(nullptr, planes.get(), 5), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(R_ColorSeparateBitmap(source.get(), planes.get(), 5), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_ColorSeparateBitmap(source.get(), nullptr, 0), FX_ERR_BAD_PARAMETER);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(planes[k].Flags, 0u);

    // A plane record that is the source, or one given twice, would be
    // overwritten while in use.
    RasterBitmap* aliasSource[] = {&planes[0], source.get(), &planes[2]};
    RasterBitmap* twice[] = {&planes[0], &planes[1], &planes[0]};
    EXPECT_EQ(R_ColorSeparateBitmap(source.get(), aliasSource, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_ColorSeparateBitmap(source.get(), twice, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(source->Flags & RB_FLAG_ALLOCATED, RB_FLAG_ALLOCATED);
    EXPECT_EQ(planes[0].Flags, 0u);

    // A palette bitmap whose palette object is gone.
    Bitmap noPalette(8, 4, 8);
    KPalette* palette = noPalette->Palette;
    noPalette->Palette = nullptr;
    EXPECT_EQ(R_ColorSeparateBitmap(noPalette.get(), planes.get(), 0), FX_ERR_BAD_BITMAP);
    noPalette->Palette = palette;
}

TEST(ColorSeparate, ANullPlaneFreesThePlanesAlreadyAllocated) {
    Bitmap source(8, 4, 24);
    Planes planes;
    RasterBitmap* withNull[] = {&planes[0], &planes[1], nullptr, &planes[3]};
    EXPECT_EQ(R_ColorSeparateBitmap(source.get(), withNull, 1), FX_ERR_BAD_PARAMETER);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(planes[k].Flags & RB_FLAG_ALLOCATED, 0u) << k;
        EXPECT_EQ(planes[k].Bits, nullptr) << k;
    }
}

TEST(ColorMerge, BadArgumentsAndPlanes) {
    Bitmap a(4, 4, 8), b(4, 4, 8), c(4, 4, 8);
    RasterBitmap* planes[] = {a.get(), b.get(), c.get(), nullptr};
    RasterBitmap merged{};
    EXPECT_EQ(R_ColorMergeBitmap(nullptr, planes, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_ColorMergeBitmap(&merged, nullptr, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(R_ColorMergeBitmap(&merged, planes, 5), FX_ERR_BAD_PARAMETER);
    // Kind 1 takes a fourth plane, which is missing.
    EXPECT_EQ(R_ColorMergeBitmap(&merged, planes, 1), FX_ERR_BAD_BITMAP);
    RasterBitmap unallocated{};
    RasterBitmap* withUnallocated[] = {a.get(), &unallocated, c.get()};
    EXPECT_EQ(R_ColorMergeBitmap(&merged, withUnallocated, 0), FX_ERR_BAD_BITMAP);
    // The target must not be one of the planes it is read from.
    EXPECT_EQ(R_ColorMergeBitmap(b.get(), planes, 0), FX_ERR_BAD_PARAMETER);
    EXPECT_EQ(b->BitsPerPixel, 8);
    EXPECT_EQ(merged.Flags, 0u);
}

TEST(ColorPlanes, ProgressAndStopsKeepTheRowsWritten) {
    Bitmap source(6, 3, 24);
    fillPattern(source.get(), 5);
    {
        CallbackRecorder recorder;
        Planes planes;
        ASSERT_EQ(R_ColorSeparateBitmap(source.get(), planes.get(), 0), FX_OK);
        EXPECT_EQ(CallbackRecorder::calls, (std::vector<int>{0, 33, 66, 100}));
        RasterBitmap merged{};
        CallbackRecorder::calls.clear();
        ASSERT_EQ(R_ColorMergeBitmap(&merged, planes.get(), 0), FX_OK);
        EXPECT_EQ(CallbackRecorder::calls, (std::vector<int>{0, 33, 66, 100}));
        KFreeBitmap(&merged);
    }
    Planes planes;
    {
        CallbackRecorder stopAfterFirstRow(1, 7);
        EXPECT_EQ(R_ColorSeparateBitmap(source.get(), planes.get(), 0), 7);
    }
    for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(planes[k].Flags & RB_FLAG_ALLOCATED, RB_FLAG_ALLOCATED);
        EXPECT_EQ(KBeginAccess(&planes[k]), 1); // access was ended
        KEndAccess(&planes[k], 1);
    }
    const auto source0 = storedBytes(source.get());
    const auto green = storedBytes(&planes[1]);
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(green[size_t(x)], colorAt(source0, source.get(), x, 0).g);
        EXPECT_EQ(green[size_t(2 * planes[1].BytesPerLine + x)], 0);
    }
    RasterBitmap merged{};
    {
        CallbackRecorder stopAfterFirstRow(1, 9);
        EXPECT_EQ(R_ColorMergeBitmap(&merged, planes.get(), 0), 9);
    }
    ASSERT_EQ(merged.Flags & RB_FLAG_ALLOCATED, RB_FLAG_ALLOCATED);
    EXPECT_EQ(pictureColor(&merged, 2, 0).g, colorAt(source0, source.get(), 2, 0).g);
    for (int x = 0; x < 6; ++x) // rows not reached are black, not whatever memory held
        EXPECT_EQ(pictureColor(&merged, x, 2).r, 0);
    KFreeBitmap(&merged);
}

// Merge fills the bottom-up target a band of rows at a time; a stop at any
// row still keeps exactly the picture rows above it, with progress as row
// by row, in every kind. Up to 100 rows the callback hears of every row;
// past that of every hundredth of them, and a stop at call s keeps the
// rows up to the one that reached s percent: stops on both sides of the
// bands' edges.
TEST(ColorMerge, AStopAtAnyRowOfATallPictureKeepsTheRowsAboveIt) {
    const struct {
        int height;
        std::vector<int> stops;
    } cases[] = {{70, {1, 31, 32, 33, 64, 69}}, {600, {1, 5, 6, 42, 43, 85, 86, 100}}};
    for (const auto& c : cases) {
        const int height = c.height;
        Bitmap source(5, height, 24, RB_ORDER_BGR, RB_ROWS_BOTTOM_UP);
        fillPattern(source.get(), 8);
        for (unsigned kind = 0; kind <= 4; ++kind) {
            Planes planes;
            ASSERT_EQ(R_ColorSeparateBitmap(source.get(), planes.get(), kind), FX_OK);
            RasterBitmap whole{};
            std::vector<int> allCalls;
            {
                CallbackRecorder recorder;
                ASSERT_EQ(R_ColorMergeBitmap(&whole, planes.get(), kind), FX_OK);
                allCalls = CallbackRecorder::calls;
            }
            for (int stop : c.stops) {
                const int kept = height <= 100 ? stop : (stop * height + 99) / 100;
                RasterBitmap merged{};
                CallbackRecorder recorder(stop, 5);
                ASSERT_EQ(R_ColorMergeBitmap(&merged, planes.get(), kind), 5);
                EXPECT_EQ(CallbackRecorder::calls,
                          std::vector<int>(allCalls.begin(), allCalls.begin() + stop + 1));
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < 5; ++x) {
                        const Bgr got = pictureColor(&merged, x, y);
                        const Bgr want = y < kept ? pictureColor(&whole, x, y) : Bgr{0, 0, 0};
                        ASSERT_TRUE(got.b == want.b && got.g == want.g && got.r == want.r)
                            << "kind " << kind << " height " << height << " stop " << stop << " at "
                            << x << "," << y;
                    }
                KFreeBitmap(&merged);
            }
            KFreeBitmap(&whole);
        }
    }
}

// Any planes, not only those a separation makes (CMYK ink past its white,
// hues of any level), merge in every kind to what the kernel's conversion
// makes of their levels gathered into pixels: widths around the
// vector lengths, and a picture large enough to be written past the
// caches.
TEST(ColorMerge, RandomPlanesMergeAsThePixelConversionMakesThem) {
    uint32_t seed = 99;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return uint8_t(seed >> 24);
    };
    const struct {
        int w, h;
    } sizes[] = {{1, 2}, {15, 3}, {16, 2}, {17, 3}, {47, 2}, {64, 3}, {131, 2}, {2333, 2400}};
    for (unsigned kind = 0; kind <= 4; ++kind)
        for (const auto size : sizes) {
            SCOPED_TRACE("kind " + std::to_string(kind) + " width " + std::to_string(size.w));
            Bitmap source(size.w, size.h, 24, RB_ORDER_BGR, RB_ROWS_BOTTOM_UP);
            Planes planes;
            ASSERT_EQ(R_ColorSeparateBitmap(source.get(), planes.get(), kind), FX_OK);
            const int count = planesOfKind[kind];
            std::vector<std::vector<uint8_t>> levels(static_cast<size_t>(count));
            for (int k = 0; k < count; ++k) {
                auto bytes = storedBytes(&planes[k]);
                for (int row = 0; row < size.h; ++row)
                    for (int x = 0; x < size.w; ++x)
                        bytes[size_t(row) * size_t(planes[k].BytesPerLine) + size_t(x)] = next();
                setStoredBytes(&planes[k], bytes);
                levels[size_t(k)] = bytes;
            }
            RasterBitmap merged{};
            ASSERT_EQ(R_ColorMergeBitmap(&merged, planes.get(), kind), FX_OK);
            const auto out = storedBytes(&merged);
            // The reference converts each row's gathered pixels at once
            // (the row form, which another test holds to the per-pixel one).
            size_t wrong = 0;
            std::vector<uint8_t> pixels(size_t(4 * size.w)), bgr(size_t(3 * size.w));
            for (int row = 0; row < size.h; ++row) {
                for (int x = 0; x < size.w; ++x)
                    for (int k = 0; k < count; ++k)
                        pixels[size_t(count * x + k)] =
                            levels[size_t(k)]
                                  [size_t(row) * size_t(planes[k].BytesPerLine) + size_t(x)];
                KConvertColorSpace(pixels.data(), bgr.data(), size.w, spaceOfKind[kind],
                                   K_SPACE_BGR);
                wrong += !std::equal(bgr.begin(), bgr.end(),
                                     out.begin() + ptrdiff_t(row) * merged.BytesPerLine);
            }
            EXPECT_EQ(wrong, 0u);
            EXPECT_TRUE(paddingIsClear(&merged));
            KFreeBitmap(&merged);
        }
}
