// Kernel row conversion, colour matching and colour spaces.
#include "../imgfx/FxTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace fxtest;

TEST(KernelConvert, EveryStoredFormatGoesToWorkFormatAndBackUnchanged) {
    // Long enough for the wide paths and several chunks of in-place expansion.
    const int width = 1100;
    for (const Format& f : allFormats()) {
        for (int work : {K_WORK_BGR, K_WORK_GREY}) {
            bool palette = f.bits <= 8;
            // Grey work rows of colour pixels are not reversible: only grey palettes.
            if (work == K_WORK_GREY && !palette)
                continue;
            std::vector<RasterColor> colors;
            if (palette)
                colors = work == K_WORK_GREY ? greyPalette(f.bits) : colorPalette(1 << f.bits);
            Bitmap bmp(width, 1, f, palette ? colors : std::vector<RasterColor>{});
            fillPattern(bmp.get(), 9);
            auto stored = storedBytes(bmp.get());
            std::vector<uint8_t> row(KRowBufferSize(width, f.bits, width, work));
            std::memcpy(row.data(), stored.data(), (size_t(width) * f.bits + 7) / 8);
            ASSERT_EQ(KConvertRow(row.data(), width, f.bits, work, f.colorOrder, RB_ORDER_BGR,
                                  bmp->Colors, nullptr),
                      K_OK);
            for (int x = 0; x < width; ++x) {
                Bgr c = colorAt(stored, bmp.get(), x, 0);
                if (work == K_WORK_BGR)
                    EXPECT_TRUE((Bgr{row[3 * x], row[3 * x + 1], row[3 * x + 2]} == c)) << f.name();
                else
                    EXPECT_EQ(row[x], c.r) << f.name();
            }
            if (palette) {
                RasterBitmap match;
                KInitBitmap(&match, width, 1, work == K_WORK_BGR ? 24 : 8);
                ASSERT_EQ(KPrepareMatch(&match, bmp->Colors, bmp->ColorCount), K_OK);
                ASSERT_EQ(KMatchRow(&match, row.data(), row.data()), K_OK);
                KEndMatch(&match);
                ASSERT_EQ(KPackIndices(row.data(), width, f.bits), K_OK);
            } else {
                ASSERT_EQ(KConvertRow(row.data(), width, work, f.bits, RB_ORDER_BGR, f.colorOrder,
                                      nullptr, nullptr),
                          K_OK);
            }
            for (int x = 0; x < width; ++x) {
                uint32_t mask = f.bits == 32 ? 0xffffffu : 0xffffffffu; // fourth byte not kept
                std::vector<uint8_t> back(row.begin(), row.end());
                back.resize(stored.size());
                EXPECT_EQ(rawAt(back, bmp.get(), x, 0) & mask,
                          rawAt(stored, bmp.get(), x, 0) & mask)
                    << f.name() << " work " << work << " x " << x;
            }
        }
    }
}

TEST(KernelConvert, GreyBytesComeFromTheIntensity) {
    uint8_t row[6] = {10, 20, 200, 0, 0, 0}; // blue 10, green 20, red 200
    ASSERT_EQ(KConvertRow(row, 1, 24, K_WORK_GREY, RB_ORDER_BGR, RB_ORDER_BGR, nullptr, nullptr),
              K_OK);
    EXPECT_EQ(row[0], (5 * 20 + 2 * 200 + 10 + 4) >> 3);
    uint8_t rgb[3] = {200, 20, 10}; // red first
    ASSERT_EQ(KConvertRow(rgb, 1, 24, K_WORK_BGR, RB_ORDER_RGB, RB_ORDER_BGR, nullptr, nullptr),
              K_OK);
    EXPECT_EQ(rgb[0], 10);
    EXPECT_EQ(rgb[2], 200);
    // Neither side a work format.
    EXPECT_EQ(KConvertRow(rgb, 1, 16, 32, 0, 0, nullptr, nullptr), K_ERR_BAD_PARAMETER);
}

// Rows of one palette come one after another; a palette changed in one
// entry, in place or at another address, must be seen at once.
TEST(KernelConvert, PaletteRowsFollowEveryChangeOfTheColours) {
    std::vector<RasterColor> colors(256);
    for (int i = 0; i < 256; ++i)
        colors[i] = RasterColor{uint8_t(i), uint8_t(255 - i), uint8_t(3 * i), 0};
    auto convert = [](const std::vector<RasterColor>& c, int bits, int work) {
        std::vector<uint8_t> row(3 * 130, 0);
        for (int x = 0; x < 130; ++x)
            row[x] = bits == 8 ? uint8_t(x + 60) : uint8_t(0x5A);
        EXPECT_EQ(
            KConvertRow(row.data(), 130, bits, work, RB_ORDER_BGR, RB_ORDER_BGR, c.data(), nullptr),
            K_OK);
        return row;
    };
    for (int bits : {8, 4}) {
        const int entry = bits == 8 ? 100 : 5; // pixel 40 (8-bit) and every even pixel (4-bit)
        const int pixel = bits == 8 ? 40 : 0;
        for (int work : {K_WORK_GREY, K_WORK_BGR}) {
            std::vector<RasterColor> c = colors;
            convert(c, bits, work);
            c[entry] = RasterColor{7, 8, 9, 0};
            auto row = convert(c, bits, work);
            if (work == K_WORK_BGR) {
                EXPECT_EQ(row[3 * pixel], 7) << bits;
                EXPECT_EQ(row[3 * pixel + 2], 9) << bits;
            } else {
                EXPECT_EQ(row[pixel], (5 * 8 + 2 * 9 + 7 + 4) >> 3) << bits;
            }
            std::vector<RasterColor> other = colors; // same address history, old colours
            row = convert(other, bits, work);
            EXPECT_EQ(row[work == K_WORK_BGR ? 3 * pixel : pixel],
                      work == K_WORK_BGR ? colors[entry].Blue
                                         : (5 * colors[entry].Green + 2 * colors[entry].Red +
                                            colors[entry].Blue + 4) >>
                                               3)
                << bits;
        }
    }
}

TEST(KernelConvert, SixteenBitFieldsWidenByRepeatingTheirTopBits) {
    // Red 31, green 1, blue 16 with red in the high field.
    uint16_t word = uint16_t((31 << 10) | (1 << 5) | 16);
    uint8_t row[3] = {uint8_t(word), uint8_t(word >> 8), 0};
    ASSERT_EQ(KConvertRow(row, 1, 16, K_WORK_BGR, RB_ORDER_BGR, RB_ORDER_BGR, nullptr, nullptr),
              K_OK);
    EXPECT_EQ(row[2], 255);
    EXPECT_EQ(row[1], (1 << 3) | 0);
    EXPECT_EQ(row[0], (16 << 3) | 4);
}

TEST(KernelMatch, MatchingFindsTheNearestEntryLikeAFullSearch) {
    std::vector<RasterColor> palette(200);
    uint32_t s = 99;
    auto next = [&] {
        s = s * 1664525u + 1013904223u;
        return uint8_t(s >> 24);
    };
    for (auto& e : palette)
        e = {next(), next(), next(), 0};
    palette[7] = palette[3]; // a duplicate: the lower index wins
    const int width = 5000;
    std::vector<uint8_t> row(size_t(width) * 3);
    std::vector<uint8_t> out(static_cast<size_t>(width));
    for (auto& b : row)
        b = next();
    for (int k = 0; k < 3; ++k)
        row[size_t(k)] =
            std::array<uint8_t, 3>{palette[3].Blue, palette[3].Green, palette[3].Red}[size_t(k)];
    RasterBitmap match;
    KInitBitmap(&match, width, 1, 24);
    ASSERT_EQ(KPrepareMatch(&match, palette.data(), 200), K_OK);
    // Twice, so that the second pass runs from the cache.
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_EQ(KMatchRow(&match, row.data(), out.data()), K_OK);
        for (int x = 0; x < width; ++x) {
            int best = 0, bestD = 1 << 30;
            for (int i = 0; i < 200; ++i) {
                int dr = palette[size_t(i)].Red - row[3 * x + 2],
                    dg = palette[size_t(i)].Green - row[3 * x + 1],
                    db = palette[size_t(i)].Blue - row[3 * x];
                if (dr * dr + dg * dg + db * db < bestD)
                    bestD = dr * dr + dg * dg + db * db, best = i;
            }
            ASSERT_EQ(out[size_t(x)], best) << "pixel " << x;
        }
    }
    EXPECT_EQ(out[0], 3);
    KEndMatch(&match);
    EXPECT_EQ(KMatchRow(&match, row.data(), out.data()), K_ERR_BAD_PARAMETER);
}

TEST(KernelColorSpace, EverySpaceConvertsBothWays) {
    const int width = 4096;
    std::vector<uint8_t> bgr(size_t(width) * 3);
    for (int i = 0; i < width; ++i) {
        bgr[3 * size_t(i)] = uint8_t(i * 7);
        bgr[3 * size_t(i) + 1] = uint8_t(i / 16);
        bgr[3 * size_t(i) + 2] = uint8_t(i * 13 + 5);
    }
    for (int space : {K_SPACE_CMYK, K_SPACE_HSV, K_SPACE_HLS, K_SPACE_CMY}) {
        std::vector<uint8_t> converted(size_t(width) * 4), back(size_t(width) * 3);
        ASSERT_EQ(KConvertColorSpace(bgr.data(), converted.data(), width, K_SPACE_BGR, space),
                  K_OK);
        ASSERT_EQ(KConvertColorSpace(converted.data(), back.data(), width, space, K_SPACE_BGR),
                  K_OK);
        int worst = 0;
        for (size_t k = 0; k < back.size(); ++k)
            worst = std::max(worst, std::abs(int(back[k]) - int(bgr[k])));
        bool exact = space == K_SPACE_CMYK || space == K_SPACE_CMY;
        EXPECT_LE(worst, exact ? 0 : 4) << "space " << space;
        // A space to itself is a copy, also where the trip through red,
        // green and blue would round.
        std::vector<uint8_t> same(converted.size());
        ASSERT_EQ(KConvertColorSpace(converted.data(), same.data(), width, space, space), K_OK);
        EXPECT_EQ(same, converted) << "space " << space;
        // In place (a row widening or narrowing in its own buffer) gives
        // the bytes of separate buffers.
        std::vector<uint8_t> inPlace(bgr);
        inPlace.resize(converted.size());
        ASSERT_EQ(KConvertColorSpace(inPlace.data(), inPlace.data(), width, K_SPACE_BGR, space),
                  K_OK);
        EXPECT_EQ(inPlace, converted) << "space " << space;
        ASSERT_EQ(KConvertColorSpace(inPlace.data(), inPlace.data(), width, space, K_SPACE_BGR),
                  K_OK);
        EXPECT_TRUE(std::equal(back.begin(), back.end(), inPlace.begin())) << "space " << space;
    }
    uint8_t pixel[4] = {0, 0, 255, 0}; // pure red
    ASSERT_EQ(KConvertColorSpace(pixel, pixel, 1, K_SPACE_BGR, K_SPACE_CMYK), K_OK);
    EXPECT_EQ(pixel[0], 0);
    EXPECT_EQ(pixel[1], 255);
    EXPECT_EQ(pixel[2], 255);
    EXPECT_EQ(pixel[3], 0);
    uint8_t green[3] = {0, 255, 0};
    KConvertColorSpace(green, green, 1, K_SPACE_BGR, K_SPACE_HSV);
    EXPECT_EQ(green[0], 85);
    EXPECT_EQ(KConvertColorSpace(green, green, 1, K_SPACE_BGR, 5), K_ERR_BAD_PARAMETER);
}

// Blue, green, red to and from HSV and HLS run in vector loops of their
// own; the per-pixel forms still convert those spaces to and from CMY. Over
// every colour (and every triple of the spaces' bytes, back) the two routes
// agree byte for byte, at whatever processor level the tests run.
TEST(KernelColorSpace, HueSpacesGiveThePerPixelBytesForEveryColour) {
    const int width = 1 << 16;
    std::vector<uint8_t> bgr(size_t(width) * 3), cmy(bgr.size()), fast(bgr.size()),
        plain(bgr.size());
    for (int space : {K_SPACE_HSV, K_SPACE_HLS})
        for (int high = 0; high < 256; ++high) {
            for (int i = 0; i < width; ++i) {
                bgr[3 * size_t(i)] = uint8_t(i), bgr[3 * size_t(i) + 1] = uint8_t(i >> 8);
                bgr[3 * size_t(i) + 2] = uint8_t(high);
            }
            // Cyan, magenta, yellow: 255 minus red, green, blue.
            for (size_t k = 0; k < bgr.size(); k += 3)
                for (size_t c = 0; c < 3; ++c)
                    cmy[k + c] = uint8_t(255 - bgr[k + 2 - c]);
            ASSERT_EQ(KConvertColorSpace(bgr.data(), fast.data(), width, K_SPACE_BGR, space), K_OK);
            ASSERT_EQ(KConvertColorSpace(cmy.data(), plain.data(), width, K_SPACE_CMY, space),
                      K_OK);
            ASSERT_EQ(fast, plain) << "to space " << space << ", red " << high;
            // The same bytes read as the space's own, back to colours.
            ASSERT_EQ(KConvertColorSpace(bgr.data(), fast.data(), width, space, K_SPACE_BGR), K_OK);
            ASSERT_EQ(KConvertColorSpace(bgr.data(), plain.data(), width, space, K_SPACE_CMY),
                      K_OK);
            for (size_t k = 0; k < plain.size(); k += 3)
                for (size_t c = 0; c < 3; ++c)
                    ASSERT_EQ(fast[k + c], 255 - plain[k + 2 - c])
                        << "from space " << space << ", red " << high << ", byte " << k + c;
        }
}

// The vector loops take 16 pixels at a time within chunks of 256: runs of
// every length around those, in place and apart, convert each pixel as the
// per-pixel forms do, up to the last byte and nothing past it.
TEST(KernelColorSpace, HueSpacesGiveThePerPixelBytesForEveryRunLength) {
    std::vector<int> widths;
    for (int w = 1; w <= 40; ++w)
        widths.push_back(w);
    for (int w : {255, 256, 257, 271, 300, 529})
        widths.push_back(w);
    uint32_t noise = 7;
    for (int space : {K_SPACE_HSV, K_SPACE_HLS})
        for (int width : widths) {
            const size_t bytes = size_t(width) * 3;
            std::vector<uint8_t> in(bytes + 3), cmy(bytes), fast(bytes + 3, 0xa5), plain(bytes);
            for (uint8_t& b : in) {
                noise = noise * 1103515245u + 12345u;
                b = uint8_t(noise >> 24);
            }
            for (size_t k = 0; k < bytes; k += 3)
                for (size_t c = 0; c < 3; ++c)
                    cmy[k + c] = uint8_t(255 - in[k + 2 - c]);
            ASSERT_EQ(KConvertColorSpace(in.data(), fast.data(), width, K_SPACE_BGR, space), K_OK);
            ASSERT_EQ(KConvertColorSpace(cmy.data(), plain.data(), width, K_SPACE_CMY, space),
                      K_OK);
            EXPECT_TRUE(std::equal(plain.begin(), plain.end(), fast.begin()))
                << "to space " << space << ", width " << width;
            EXPECT_EQ(fast[bytes], 0xa5);
            // Back, in place: the bytes read as the space's own.
            std::vector<uint8_t> back(in.begin(), in.end());
            ASSERT_EQ(KConvertColorSpace(back.data(), back.data(), width, space, K_SPACE_BGR),
                      K_OK);
            ASSERT_EQ(KConvertColorSpace(in.data(), plain.data(), width, space, K_SPACE_CMY), K_OK);
            for (size_t k = 0; k < bytes; k += 3)
                for (size_t c = 0; c < 3; ++c)
                    ASSERT_EQ(back[k + c], 255 - plain[k + 2 - c])
                        << "from space " << space << ", width " << width << ", byte " << k + c;
            EXPECT_EQ(back[bytes], in[bytes]);
        }
}

// Planes convert between blue, green, red and HSV or HLS, either way, to
// the bytes of the pixels' conversion, over widths around the chunks and
// vectors; other spaces and missing rows are refused.
TEST(KernelColorPlanes, PlanesConvertAsThePixelsDo) {
    uint32_t seed = 7;
    for (int width : {0, 1, 15, 31, 33, 255, 256, 257, 1000}) {
        // One byte to spare, so that no row of an empty picture is null.
        std::vector<uint8_t> in(size_t(3 * width + 1)), out(size_t(3 * width + 1)),
            pixels(size_t(3 * width + 1)), expected(size_t(3 * width + 1));
        for (uint8_t& v : in)
            v = uint8_t((seed = seed * 1664525u + 1013904223u) >> 24);
        const uint8_t* from[3] = {in.data(), in.data() + width, in.data() + 2 * width};
        uint8_t* to[3] = {out.data(), out.data() + width, out.data() + 2 * width};
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < 3; ++k)
                pixels[size_t(3 * x + k)] = from[k][x];
        for (auto [a, b] : {std::pair{K_SPACE_BGR, K_SPACE_HSV},
                            {K_SPACE_BGR, K_SPACE_HLS},
                            {K_SPACE_HSV, K_SPACE_BGR},
                            {K_SPACE_HLS, K_SPACE_BGR}}) {
            ASSERT_EQ(KConvertColorPlanes(from, to, width, a, b), K_OK);
            KConvertColorSpace(pixels.data(), expected.data(), width, a, b);
            for (int x = 0; x < width; ++x)
                for (int k = 0; k < 3; ++k)
                    ASSERT_EQ(to[k][x], expected[size_t(3 * x + k)])
                        << width << " " << a << "->" << b << " at " << x;
        }
    }
    const uint8_t row[4] = {};
    uint8_t target[4];
    const uint8_t* from[3] = {row, row, row};
    uint8_t* to[3] = {target, target, nullptr};
    uint8_t* fine[3] = {target, target, target};
    EXPECT_EQ(KConvertColorPlanes(from, fine, 4, K_SPACE_BGR, K_SPACE_CMY), K_ERR_BAD_PARAMETER);
    EXPECT_EQ(KConvertColorPlanes(from, fine, 4, K_SPACE_HSV, K_SPACE_HLS), K_ERR_BAD_PARAMETER);
    EXPECT_EQ(KConvertColorPlanes(from, to, 4, K_SPACE_BGR, K_SPACE_HSV), K_ERR_BAD_PARAMETER);
    EXPECT_EQ(KConvertColorPlanes(from, fine, -1, K_SPACE_BGR, K_SPACE_HSV), K_ERR_BAD_PARAMETER);
}
