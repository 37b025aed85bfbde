// Every neighbourhood filter on every pixel kind (1-, 4- and 8-bit with
// colour, ascending grey and descending grey palettes, 16-, 24- and 32-bit;
// both colour orders, both row orders; with and without a region) against
// the plain references of NeighbourReference.h.
#include "NeighbourReference.h"

#include "imgfx/MedianRows.h"
#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>

using namespace fxtest;
using namespace fxref;

namespace {

struct Outcome {
    int status;
    std::vector<uint8_t> bytes;
};

struct Case {
    std::string name;
    std::function<int(RasterBitmap*)> run;
    std::function<Outcome(RasterBitmap*, const std::vector<uint8_t>&)> expected;
};

// The built-in spatial filters as the documentation lists them.
const int32_t builtinSpatial[33][9] = {
    {0, 1, 0, 0, 0, 0, 0, -1, 0},      {0, 0, 1, 0, 0, 0, -1, 0, 0},
    {0, 0, 0, -1, 0, 1, 0, 0, 0},      {-1, 0, 0, 0, 0, 0, 0, 0, 1},
    {0, -1, 0, 0, 0, 0, 0, 1, 0},      {0, 0, -1, 0, 0, 0, 1, 0, 0},
    {0, 0, 0, 1, 0, -1, 0, 0, 0},      {1, 0, 0, 0, 0, 0, 0, 0, -1},
    {1, 1, 1, 1, -2, 1, -1, -1, -1},   {1, 1, 1, -1, -2, 1, -1, -1, 1},
    {-1, 1, 1, -1, -2, 1, -1, 1, 1},   {-1, -1, 1, -1, -2, 1, 1, 1, 1},
    {-1, -1, -1, 1, -2, 1, 1, 1, 1},   {1, -1, -1, 1, -2, -1, 1, 1, 1},
    {1, 1, -1, 1, -2, -1, 1, 1, -1},   {1, 1, 1, 1, -2, -1, 1, -1, -1},
    {0, -1, 0, -1, 4, -1, 0, -1, 0},   {-1, -1, -1, -1, 8, -1, -1, -1, -1},
    {1, -2, 1, -2, 4, -2, 1, -2, 1},   {-1, 0, -1, 0, 4, 0, -1, 0, -1},
    {0, -1, 0, 0, 2, 0, 0, -1, 0},     {0, 0, 0, -1, 2, -1, 0, 0, 0},
    {1, 2, 1, 0, 0, 0, -1, -2, -1},    {1, 0, -1, 2, 0, -2, 1, 0, -1},
    {-1, -1, -1, 0, 0, 0, 1, 1, 1},    {1, 0, -1, 1, 0, -1, 1, 0, -1},
    {-1, 0, 0, 0, 1, 0, 0, 0, 0},      {0, -1, 0, 0, 1, 0, 0, 0, 0},
    {0, 0, 0, -1, 1, 0, 0, 0, 0},      {-1, -1, -1, 2, 2, 2, -1, -1, -1},
    {-1, 2, -1, -1, 2, -1, -1, 2, -1}, {-1, -1, 2, -1, 2, -1, 2, -1, -1},
    {2, -1, -1, -1, 2, -1, -1, -1, 2},
};

const int32_t builtinShapes[4][9] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {256, 256, 256, 0, 0, 0, 256, 256, 256},
    {256, 0, 256, 256, 0, 256, 256, 0, 256},
    {256, 256, 0, 256, 0, 256, 0, 256, 256},
};

Outcome windowOutcome(RasterBitmap* bmp, const std::vector<uint8_t>& before, bool pictureOrder,
                      int n, const WindowFunction& f) {
    WorkImage in = workOf(bmp, before);
    return {FX_OK, writeBack(bmp, before, applyWindow(in, orderOf(bmp, pictureOrder), n, f))};
}

// A caller's record: header words, then values.
std::vector<int32_t> record(std::initializer_list<int32_t> header, const std::vector<int32_t>& v) {
    std::vector<int32_t> r(header);
    r.insert(r.end(), v.begin(), v.end());
    return r;
}

Case spatialCase(const std::string& name, std::vector<int32_t> coefficients, int32_t divisor,
                 int32_t bias) {
    const int n = int(std::lround(std::sqrt(double(coefficients.size()))));
    auto rec = std::make_shared<std::vector<int32_t>>(record({divisor, bias, n}, coefficients));
    return {
        name,
        [rec](RasterBitmap* b) {
            return R_SpatialFilterBitmap(b, reinterpret_cast<const SpatialFilter*>(rec->data()));
        },
        [=](RasterBitmap* b, const std::vector<uint8_t>& before) {
            return windowOutcome(b, before, n != 3, n, convolution(coefficients, divisor, bias));
        }};
}

// The 3 x 3 kernel the sharpen filter documents.
std::vector<int32_t> sharpenKernel(int sharpness, int32_t* divisor) {
    std::vector<int32_t> c(9, sharpness < 0 ? 1 : -1);
    int k = sharpness < 0 ? (sharpness * 71 + 71000) / 999 : (71000 - sharpness * 71) / 999;
    c[4] = sharpness < 0 ? k + 1 : k + 9;
    *divisor = sharpness < 0 ? k + 9 : k + 1;
    return c;
}

// The 3 x 3 kernel the emboss filter documents.
std::vector<int32_t> embossKernel(int direction, int depth, int32_t* divisor) {
    const int plus[8] = {1, 2, 5, 8, 7, 6, 3, 0}, minus[8] = {7, 6, 3, 0, 1, 2, 5, 8};
    int w = depth > 500 ? (depth * 16 - 7750) / 500 + 1 : 1;
    *divisor = depth > 500 ? 1 : (8250 - depth * 16) / 500 + 1;
    std::vector<int32_t> c(9, 0);
    c[plus[direction]] = w;
    c[minus[direction]] = -w;
    return c;
}

Outcome binaryOutcome(RasterBitmap* bmp, const std::vector<uint8_t>& before,
                      const std::vector<int32_t>& elements, int n, bool maximum) {
    if (bmp->BitsPerPixel != 1)
        return windowOutcome(bmp, before, n != 3, n, morphology(elements, maximum));
    const int kind = KGreyKind(bmp);
    if (kind == 0)
        return {0, before};
    WorkImage out = applyWindow(bitsOf(bmp, before), orderOf(bmp, true), n,
                                morphologyBits(elements, maximum != (kind == 2)));
    return {FX_OK, writeBits(bmp, before, out)};
}

Case binaryCase(const std::string& name, std::vector<int32_t> elements, bool maximum) {
    const int n = int(std::lround(std::sqrt(double(elements.size()))));
    auto rec = std::make_shared<std::vector<int32_t>>(record({maximum ? 1 : 0, n}, elements));
    return {name,
            [rec](RasterBitmap* b) {
                return R_BinaryFilterBitmap(b, reinterpret_cast<const BinaryFilter*>(rec->data()));
            },
            [=](RasterBitmap* b, const std::vector<uint8_t>& before) {
                return binaryOutcome(b, before, elements, n, maximum);
            }};
}

std::vector<int32_t> patternValues(int count, int64_t low, int64_t high, uint64_t seed) {
    std::vector<int32_t> v(static_cast<size_t>(count));
    for (int32_t& x : v) {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        x = int32_t(low + int64_t((seed >> 11) % uint64_t(high - low + 1)));
    }
    return v;
}

void addSpatialCases(std::vector<Case>& cases) {
    for (int i = 0; i < 33; ++i) {
        std::vector<int32_t> c(builtinSpatial[i], builtinSpatial[i] + 9);
        cases.push_back(
            {"Builtin" + std::to_string(i),
             [i](RasterBitmap* b) { return R_SpatialFilterBitmap(b, FX_SPATIAL_FILTER(i)); },
             [c, i](RasterBitmap* b, const std::vector<uint8_t>& before) {
                 return windowOutcome(b, before, false, 3, convolution(c, 1, i < 8 ? 128 : 0));
             }});
    }
    cases.push_back(spatialCase("Record1x1", {3}, 2, -10));
    cases.push_back(spatialCase("Record2x2", {1, -2, 3, 1}, 1, 40));
    cases.push_back(spatialCase("Record3x3Divisor", patternValues(9, -9, 9, 3), -3, 100));
    cases.push_back(spatialCase("Record4x4", patternValues(16, -4, 5, 5), 5, 60));
    cases.push_back(spatialCase("Record5x5", patternValues(25, -3, 4, 7), 7, 20));
    cases.push_back(spatialCase("Record3x3Wide", patternValues(9, -300000, 300000, 11), 1000, 128));
    cases.push_back(
        spatialCase("Record3x3Huge", patternValues(9, -2000000000, 2000000000, 13), 123456789, 50));
    cases.push_back(spatialCase("Record6x6Huge", patternValues(36, -2000000000, 2000000000, 17),
                                -987654321, 9));
    for (int sharpness : {-1000, -300, 1, 500, 1000}) {
        int32_t divisor;
        std::vector<int32_t> c = sharpenKernel(sharpness, &divisor);
        cases.push_back({"Sharpen" + std::to_string(sharpness + 1000),
                         [sharpness](RasterBitmap* b) { return R_SharpenBitmap(b, sharpness); },
                         [=](RasterBitmap* b, const std::vector<uint8_t>& before) {
                             return windowOutcome(b, before, false, 3, convolution(c, divisor, 0));
                         }});
    }
    for (int direction = 0; direction < 8; ++direction) {
        const int depth = direction * 137 % 1001;
        int32_t divisor;
        std::vector<int32_t> c = embossKernel(direction, depth, &divisor);
        cases.push_back({"Emboss" + std::to_string(direction) + "Depth" + std::to_string(depth),
                         [=](RasterBitmap* b) { return R_EmbossBitmap(b, direction, depth); },
                         [=](RasterBitmap* b, const std::vector<uint8_t>& before) {
                             return windowOutcome(b, before, false, 3,
                                                  convolution(c, divisor, 128));
                         }});
    }
}

void addWindowCases(std::vector<Case>& cases) {
    for (int n : {1, 2, 3, 4, 5, 8, 17}) {
        cases.push_back({"Average" + std::to_string(n),
                         [n](RasterBitmap* b) { return R_AverageFilterBitmap(b, n); },
                         [n](RasterBitmap* b, const std::vector<uint8_t>& before) {
                             return windowOutcome(b, before, false, n, average());
                         }});
        cases.push_back({"Median" + std::to_string(n),
                         [n](RasterBitmap* b) { return R_MedianFilterBitmap(b, n); },
                         [n](RasterBitmap* b, const std::vector<uint8_t>& before) {
                             return windowOutcome(b, before, false, n, median());
                         }});
    }
    cases.push_back({"Despeckle", [](RasterBitmap* b) { return R_DespeckleBitmap(b); },
                     [](RasterBitmap* b, const std::vector<uint8_t>& before) -> Outcome {
                         if (b->BitsPerPixel != 1)
                             return windowOutcome(b, before, false, 3, despeckle());
                         WorkImage out =
                             applyWindow(bitsOf(b, before), orderOf(b, false), 3, despeckleBits());
                         return {FX_OK, writeBits(b, before, out)};
                     }});
    for (int tile : {1, 3, 8, 100}) {
        cases.push_back({"Mosaic" + std::to_string(tile),
                         [tile](RasterBitmap* b) { return R_MosaicBitmap(b, tile); },
                         [tile](RasterBitmap* b, const std::vector<uint8_t>& before) {
                             WorkImage out = mosaic(workOf(b, before), orderOf(b, true), tile);
                             return Outcome{FX_OK, writeBack(b, before, out)};
                         }});
    }
}

void addBinaryCases(std::vector<Case>& cases) {
    for (int i = 0; i < 8; ++i) {
        std::vector<int32_t> e(builtinShapes[i % 4], builtinShapes[i % 4] + 9);
        cases.push_back(
            {"BinaryBuiltin" + std::to_string(i),
             [i](RasterBitmap* b) { return R_BinaryFilterBitmap(b, FX_BINARY_FILTER(i)); },
             [e, i](RasterBitmap* b, const std::vector<uint8_t>& before) {
                 return binaryOutcome(b, before, e, 3, i < 4);
             }});
    }
    const std::vector<int32_t> mixed = {0,    256, -40,  70,   300, -300, 0,  256, 128,
                                        -127, 127, 0,    -128, 256, 0,    -1, 1,   200,
                                        256,  0,   -200, 0,    50,  256,  -60};
    cases.push_back(binaryCase("BinaryMixedMaximum5x5", mixed, true));
    cases.push_back(binaryCase("BinaryMixedMinimum5x5", mixed, false));
    cases.push_back(binaryCase("BinaryOffsets3x3", {-20, 0, 35, 256, 0, 0, 90, -5, 256}, true));
    cases.push_back(
        binaryCase("BinaryOffsetsMinimum3x3", {-20, 0, 35, 256, 0, 0, 90, -5, 256}, false));
    cases.push_back(binaryCase("Binary2x2", {0, 256, 0, 0}, false));
    cases.push_back(binaryCase("Binary4x4", patternValues(16, -1, 1, 19), true));
    cases.push_back(binaryCase("BinaryAllIgnored", std::vector<int32_t>(9, 256), true));
    cases.push_back(binaryCase("BinaryAllIgnoredMinimum", std::vector<int32_t>(9, 256), false));
    cases.push_back(binaryCase("Binary1x1Offset", {-100}, false));
}

void addNoiseCases(std::vector<Case>& cases) {
    for (int channel = 0; channel < 4; ++channel)
        for (int range : {0, 137, 1000}) {
            if (channel != 0 && range == 0)
                continue;
            const uint32_t seed = 4242u + uint32_t(range);
            cases.push_back({"Noise" + std::to_string(range) + "Channel" + std::to_string(channel),
                             [=](RasterBitmap* b) {
                                 R_SetBitmapNoiseSeed(seed);
                                 return R_AddBitmapNoise(b, unsigned(range), unsigned(channel));
                             },
                             [=](RasterBitmap* b, const std::vector<uint8_t>& before) {
                                 uint32_t s = seed;
                                 WorkImage out =
                                     noise(b, workOf(b, before, channel != 0), range, channel, &s);
                                 return Outcome{FX_OK, writeBack(b, before, out)};
                             }});
        }
}

std::vector<Case> allCases() {
    std::vector<Case> cases;
    addSpatialCases(cases);
    addWindowCases(cases);
    addBinaryCases(cases);
    addNoiseCases(cases);
    return cases;
}

const std::vector<Case>& cases() {
    static const std::vector<Case> all = allCases();
    return all;
}

// A pixel kind to test on: a stored format and, for palette bitmaps, a
// colour (0), ascending grey (1) or descending grey (2) palette.
struct Kind {
    Format format;
    int palette;
    std::string name() const {
        static const char* names[] = {"", "grey", "greydown"};
        return format.name() + names[palette];
    }
    std::vector<RasterColor> colors() const {
        if (format.bits > 8)
            return {};
        return palette == 0 ? colorPalette(1 << format.bits)
                            : greyPalette(format.bits, palette == 2);
    }
};

std::vector<Kind> allKinds() {
    std::vector<Kind> kinds;
    for (const Format& f : allFormats())
        for (int palette = 0; palette < (f.bits <= 8 ? 3 : 1); ++palette)
            kinds.push_back({f, palette});
    return kinds;
}

// Where two stored images first differ, for the failure message.
std::string firstDifference(const RasterBitmap* bmp, const std::vector<uint8_t>& got,
                            const std::vector<uint8_t>& want) {
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x)
            if (rawAt(got, bmp, x, row) != rawAt(want, bmp, x, row)) {
                std::ostringstream s;
                s << "stored row " << row << " column " << x << ": got 0x" << std::hex
                  << rawAt(got, bmp, x, row) << ", want 0x" << rawAt(want, bmp, x, row);
                return s.str();
            }
    return "padding differs";
}

class NeighbourTable : public ::testing::TestWithParam<size_t> {};

} // namespace

TEST_P(NeighbourTable, MatchesThePlainReferenceOnEveryPixelKind) {
    const Case& c = cases()[GetParam()];
    for (const Kind& kind : allKinds()) {
        for (bool region : {false, true}) {
            Bitmap bmp(29, 13, kind.format, kind.colors());
            ASSERT_EQ(bmp.status(), K_OK);
            fillPattern(bmp.get(), 7 + uint32_t(kind.format.bits));
            if (region) {
                // An ellipse, then a gap row, then a stretch of the last row.
                KRect ellipse{4, -3, 25, 11}, stretch{0, 12, 9, 13};
                ASSERT_EQ(KSetRegionEllipse(bmp.get(), &ellipse, K_REGION_SET), K_OK);
                ASSERT_EQ(KSetRegionRect(bmp.get(), &stretch, K_REGION_UNION), K_OK);
            }
            const std::vector<uint8_t> before = storedBytes(bmp.get());
            const Outcome want = c.expected(bmp.get(), before);
            const int status = c.run(bmp.get());
            const std::vector<uint8_t> got = storedBytes(bmp.get());
            const std::string where = kind.name() + (region ? " with region" : "");
            ASSERT_EQ(status, want.status) << where;
            ASSERT_TRUE(got == want.bytes)
                << where << ": " << firstDifference(bmp.get(), got, want.bytes);
            ASSERT_EQ(bmp->AccessCount, 0) << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFilter, NeighbourTable, ::testing::Range(size_t(0), cases().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return cases()[info.param].name;
                         });

// Rows far wider than the 5 x 5 network's passes of 1024 bytes, grey and
// colour: the pass edges meet the plain reference as the rest does.
TEST(NeighbourWideRows, MediansAcrossTheNetworksPassesMatchThePlainReference) {
    for (int bits : {8, 24}) {
        Bitmap bmp(bits == 8 ? 2100 : 700, 6, bits);
        fillPattern(bmp.get(), 11);
        const std::vector<uint8_t> before = storedBytes(bmp.get());
        const Outcome want = windowOutcome(bmp.get(), before, false, 5, median());
        ASSERT_EQ(R_MedianFilterBitmap(bmp.get(), 5), want.status);
        const std::vector<uint8_t> got = storedBytes(bmp.get());
        ASSERT_TRUE(got == want.bytes)
            << bits << ": " << firstDifference(bmp.get(), got, want.bytes);
    }
}

// A filter against its plain reference on random pictures: widths up to
// several of the row passes, few rows, grey, 24- and 32-bit pixels, in both
// row orders, over the whole picture or a random rectangle. Values are drawn
// from a narrow range half of the time, so that windows hold many ties.
void matchesOnRandomPictures(const Case& c, uint32_t seed, int trials) {
    uint32_t s = seed;
    auto next = [&s](uint32_t bound) {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) % bound;
    };
    for (int trial = 0; trial < trials; ++trial) {
        const int bits = trial % 3 == 0 ? 8 : trial % 3 == 1 ? 24 : 32;
        const int width = 1 + int(next(bits == 8 ? 5000 : 1700)), height = 1 + int(next(6));
        Bitmap bmp(width, height, bits, RB_ORDER_BGR, int(next(2)) ? RB_ROWS_BOTTOM_UP : 0,
                   bits == 8 ? greyPalette(8, false) : std::vector<RasterColor>{});
        ASSERT_EQ(bmp.status(), K_OK);
        fillPattern(bmp.get(), next(1000));
        if (next(2)) {
            std::vector<uint8_t> bytes = storedBytes(bmp.get());
            for (uint8_t& b : bytes)
                b = uint8_t(100 + b % 3);
            setStoredBytes(bmp.get(), bytes);
        }
        if (next(2)) {
            const int left = int(next(uint32_t(width))), top = int(next(uint32_t(height)));
            KRect rect{left, top, left + 1 + int(next(uint32_t(width - left))),
                       top + 1 + int(next(uint32_t(height - top)))};
            ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
        }
        const std::vector<uint8_t> before = storedBytes(bmp.get());
        const Outcome want = c.expected(bmp.get(), before);
        const std::string where = c.name + " trial " + std::to_string(trial) + " " +
                                  std::to_string(width) + " x " + std::to_string(height) + " " +
                                  std::to_string(bits);
        ASSERT_EQ(c.run(bmp.get()), want.status) << where;
        const std::vector<uint8_t> got = storedBytes(bmp.get());
        ASSERT_TRUE(got == want.bytes)
            << where << ": " << firstDifference(bmp.get(), got, want.bytes);
    }
}

Case windowCase(const std::string& name, std::function<int(RasterBitmap*)> run, int n,
                WindowFunction f) {
    return {name, std::move(run), [n, f](RasterBitmap* b, const std::vector<uint8_t>& before) {
                return windowOutcome(b, before, false, n, f);
            }};
}

// The 3 x 3 median and speck removal sort each column once per pass of
// row bytes: across pass edges, regions and ties they meet the plain
// median of nine.
TEST(NeighbourRandom, ThreeByThreeMediansMatchThePlainReference) {
    // At AVX2 the median keeps its sorted columns in registers or in passes,
    // by processor: both run here.
    for (int fused : {0, 1, 2}) {
        FxMedian3Choose(fused);
        matchesOnRandomPictures(
            windowCase(
                "Median3", [](RasterBitmap* b) { return R_MedianFilterBitmap(b, 3); }, 3, median()),
            101, 30);
    }
    FxMedian3Choose(-1);
    matchesOnRandomPictures(
        windowCase(
            "Despeckle", [](RasterBitmap* b) { return R_DespeckleBitmap(b); }, 3, despeckle()),
        202, 30);
}

// The plain 3 x 3 minimum and maximum take each column's extreme once and
// repeat the edge columns themselves, on rows read where they are stored.
TEST(NeighbourRandom, ThreeByThreeExtremesMatchThePlainReference) {
    matchesOnRandomPictures(binaryCase("Minimum3", std::vector<int32_t>(9, 0), false), 303, 30);
    matchesOnRandomPictures(binaryCase("Maximum3", std::vector<int32_t>(9, 0), true), 404, 30);
}

// The plain 3 x 3 median of bytes x0 * bpp .. x1 * bpp - 1 of three rows,
// each edge pixel's window repeating it; other bytes stay 7.
std::vector<uint8_t> plainMedian3(const std::vector<std::vector<uint8_t>>& rows, int bpp, int x0,
                                  int x1) {
    const int width = int(rows[0].size()) / bpp;
    std::vector<uint8_t> want(rows[0].size(), 7);
    for (int x = x0; x < x1; ++x)
        for (int c = 0; c < bpp; ++c) {
            uint8_t v[9];
            for (int i = 0; i < 9; ++i) {
                const int u = std::clamp(x + i % 3 - 1, 0, width - 1);
                v[i] = rows[size_t(i / 3)][size_t(u * bpp + c)];
            }
            std::nth_element(v, v + 4, v + 9);
            want[size_t(x * bpp + c)] = v[4];
        }
    return want;
}

// FxMedian3 on every path (passes, 128-bit lanes, whole registers of the
// level) against the plain median; rows hold exactly their pixels, so that
// a read past either end is a fault the sanitizers see.
void expectMedian3Paths(const std::vector<std::vector<uint8_t>>& rows, int bpp, int x0, int x1,
                        const std::string& where) {
    const std::vector<uint8_t> want = plainMedian3(rows, bpp, x0, x1);
    const uint8_t* window[3] = {rows[0].data(), rows[1].data(), rows[2].data()};
    const int rowBytes = int(rows[0].size());
    for (int path : {0, 1, 2}) {
        FxMedian3Choose(path);
        std::vector<uint8_t> got(size_t(rowBytes), 7);
        FxMedian3(got.data(), window, bpp, rowBytes, x0 * bpp, (x1 - x0) * bpp);
        EXPECT_TRUE(got == want) << where << " bpp " << bpp << " span " << x0 << ".." << x1
                                 << " path " << path;
    }
    FxMedian3Choose(-1);
}

// The 3 x 3 median of one span, grey and colour, from spans of one pixel
// to several of the fused steps and the passes.
TEST(NeighbourRandom, ThreeByThreeMedianSpansStayInsideTheirRows) {
    uint32_t s = 505;
    auto next = [&s](uint32_t bound) {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) % bound;
    };
    for (int trial = 0; trial < 400; ++trial) {
        const int bpp = trial % 2 ? 3 : 1;
        const int width = 1 + int(next(trial < 200 ? 40 : 1500));
        const int x0 = int(next(uint32_t(width))), x1 = x0 + 1 + int(next(uint32_t(width - x0)));
        std::vector<std::vector<uint8_t>> rows(3);
        const uint32_t spread = next(2) ? 3 : 256;
        for (auto& row : rows) {
            row.resize(size_t(width * bpp));
            for (uint8_t& b : row)
                b = uint8_t(next(spread));
        }
        expectMedian3Paths(rows, bpp, x0, x1, "trial " + std::to_string(trial));
        if (HasFailure())
            return;
    }
}

// Every width up to past two 512-bit steps and a few more, with spans that
// start or end at the row's edge pixels or inside it: where the fused
// steps stop and the passes take the edges and the remainder.
TEST(NeighbourRandom, ThreeByThreeMedianStepEdgesMatchThePlainReference) {
    uint32_t s = 606;
    for (int bpp : {1, 3})
        for (int width = 1; width <= 2 * 128 / bpp + 20; ++width) {
            std::vector<std::vector<uint8_t>> rows(3, std::vector<uint8_t>(size_t(width * bpp)));
            for (auto& row : rows)
                for (uint8_t& b : row) {
                    s = s * 1664525u + 1013904223u;
                    b = uint8_t(s >> 24);
                }
            const int spans[][2] = {{0, width},
                                    {width > 1 ? 1 : 0, width},
                                    {0, width > 1 ? width - 1 : 1},
                                    {width / 3, width - width / 4}};
            for (const auto& span : spans)
                expectMedian3Paths(rows, bpp, span[0], span[1], "width " + std::to_string(width));
            if (HasFailure())
                return;
        }
}

// The box average of colour rows slides, sums and divides in steps of
// pixels: outputs whose windows straddle a step, regions that start or end
// inside one meet the plain average.
TEST(NeighbourRandom, BoxAveragesInStepsMatchThePlainReference) {
    for (int n : {2, 3, 15, 51})
        matchesOnRandomPictures(windowCase(
                                    "Average" + std::to_string(n),
                                    [n](RasterBitmap* b) { return R_AverageFilterBitmap(b, n); }, n,
                                    average()),
                                uint32_t(300 + n), n > 20 ? 3 : 12);
}

// The column histograms of larger windows move down a row at a time and
// count columns afresh where a row does not follow the one before or needs
// columns not held: tall pictures, pictures narrower or shorter than the
// window, regions that skip rows, change width from row to row or hold two
// spans a row, and narrow ranges of values (ties, one coarse group) all
// meet the plain median.
TEST(NeighbourRandom, ColumnHistogramMediansMatchThePlainReference) {
    uint32_t s = 4242;
    auto next = [&s](uint32_t bound) {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) % bound;
    };
    const int dims[] = {6, 7, 8, 9, 15, 16, 17, 24, 31, 40};
    for (int trial = 0; trial < 60; ++trial) {
        const int n = dims[trial % 10];
        const int bits = trial % 3 == 0 ? 8 : trial % 3 == 1 ? 24 : 32;
        const int width = 1 + int(next(trial % 4 == 0 ? 20 : 260));
        const int height = 1 + int(next(trial % 5 == 0 ? 12 : 70));
        Bitmap bmp(width, height, bits, RB_ORDER_BGR, int(next(2)) ? RB_ROWS_BOTTOM_UP : 0,
                   bits == 8 ? greyPalette(8, false) : std::vector<RasterColor>{});
        ASSERT_EQ(bmp.status(), K_OK);
        fillPattern(bmp.get(), next(1000));
        const uint32_t range = next(3) == 0 ? 3 : next(2) ? 16 : 256;
        if (range < 256) {
            std::vector<uint8_t> bytes = storedBytes(bmp.get());
            const uint32_t base = next(240);
            for (uint8_t& b : bytes)
                b = uint8_t(base + b % range);
            setStoredBytes(bmp.get(), bytes);
        }
        const int shape = int(next(4));
        if (shape == 1) {
            const int left = int(next(uint32_t(width))), top = int(next(uint32_t(height)));
            KRect rect{left, top, left + 1 + int(next(uint32_t(width - left))),
                       top + 1 + int(next(uint32_t(height - top)))};
            ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
        } else if (shape == 2) {
            KRect ellipse{-3, 1, width + 2, height - 1};
            KRect stripe{width / 3, 0, width / 3 + 1 + int(next(3)), height};
            ASSERT_EQ(KSetRegionEllipse(bmp.get(), &ellipse, K_REGION_SET), K_OK);
            ASSERT_EQ(KSetRegionRect(bmp.get(), &stripe, K_REGION_UNION), K_OK);
        } else if (shape == 3) {
            KRect upper{0, 0, width / 2 + 1, height / 3 + 1};
            KRect lower{width / 2, height / 2, width, height};
            ASSERT_EQ(KSetRegionRect(bmp.get(), &upper, K_REGION_SET), K_OK);
            ASSERT_EQ(KSetRegionRect(bmp.get(), &lower, K_REGION_UNION), K_OK);
        }
        const std::vector<uint8_t> before = storedBytes(bmp.get());
        const Outcome want = windowOutcome(bmp.get(), before, false, n, median());
        const std::string where = "trial " + std::to_string(trial) + ": " + std::to_string(n) +
                                  " on " + std::to_string(width) + " x " + std::to_string(height) +
                                  " " + std::to_string(bits) + " shape " + std::to_string(shape);
        ASSERT_EQ(R_MedianFilterBitmap(bmp.get(), n), want.status) << where;
        const std::vector<uint8_t> got = storedBytes(bmp.get());
        ASSERT_TRUE(got == want.bytes)
            << where << ": " << firstDifference(bmp.get(), got, want.bytes);
    }
}

// The largest window the column histograms take, whose counts fill their
// 16-bit lanes furthest, and the first beyond it, on the sliding histogram.
TEST(NeighbourRandom, TheLargestColumnHistogramWindowsMatchThePlainReference) {
    for (int n : {181, 182}) {
        Bitmap bmp(13, 6, 24);
        fillPattern(bmp.get(), uint32_t(n));
        const std::vector<uint8_t> before = storedBytes(bmp.get());
        const Outcome want = windowOutcome(bmp.get(), before, false, n, median());
        ASSERT_EQ(R_MedianFilterBitmap(bmp.get(), n), want.status);
        ASSERT_TRUE(storedBytes(bmp.get()) == want.bytes) << n;
    }
}

// The 5 x 5 network over every window of levels 0 and 255 whose columns
// are sorted (each column's count of 255s, 6^5 windows): with the column
// sort in front, this covers every input by the 0-1 principle.
TEST(NeighbourWideRows, TheFiveByFiveNetworkFindsEveryZeroOneMedian) {
    const int windows = 7776, width = 5 * windows;
    std::vector<std::vector<uint8_t>> rows(5, std::vector<uint8_t>(size_t(width) + 4 + 64));
    std::vector<int> expected(windows);
    for (int w = 0; w < windows; ++w) {
        int ones = 0;
        for (int j = 0, code = w; j < 5; ++j, code /= 6) {
            const int count = code % 6; // the column's 255s, at its bottom
            ones += count;
            for (int r = 0; r < 5; ++r)
                rows[size_t(r)][size_t(2 + 5 * w + j)] = r >= 5 - count ? 255 : 0;
        }
        expected[size_t(w)] = ones >= 13 ? 255 : 0;
    }
    const uint8_t* windowRows[5];
    for (int r = 0; r < 5; ++r)
        windowRows[r] = rows[size_t(r)].data() + 2;
    std::vector<uint8_t> out(static_cast<size_t>(width));
    FxMedian5(out.data(), windowRows, 1, 0, width);
    for (int w = 0; w < windows; ++w)
        ASSERT_EQ(out[size_t(5 * w + 2)], expected[size_t(w)]) << "window " << w;
}

// Rows wider than the convolution's stretches of 2048 channel values, and
// odd, so that every vector loop ends in a partial step: the 16-bit sums of
// kernels with 5, 25 and 31 nonzero taps (with and without a divisor) and
// the box average's prefix sums, inside a region starting at an odd column,
// meet the plain reference.
TEST(NeighbourWideRows, ConvolutionsAndAveragesOnLongOddRowsMatchThePlainReference) {
    const std::vector<Case> wide = {
        spatialCase("Laplace5x5",
                    {1, 1, 1, 1, 1, 1, 2, 2, 2, 1, 1, 2, -24, 2, 1, 1, 2, 2, 2, 1, 1, 1, 1, 1, 1},
                    5, 128),
        spatialCase("Cross5x5",
                    {0, 0, 1, 0, 0, 0, 0, 2, 0, 0, 1, 2, -7, 2, 1, 0, 0, 2, 0, 0, 0, 0, 1, 0, 0}, 1,
                    30),
        spatialCase("Pattern7x7", patternValues(49, -1, 1, 23), -3, 77),
        {"Average3", [](RasterBitmap* b) { return R_AverageFilterBitmap(b, 3); },
         [](RasterBitmap* b, const std::vector<uint8_t>& before) {
             return windowOutcome(b, before, false, 3, average());
         }},
        {"Average15", [](RasterBitmap* b) { return R_AverageFilterBitmap(b, 15); },
         [](RasterBitmap* b, const std::vector<uint8_t>& before) {
             return windowOutcome(b, before, false, 15, average());
         }},
    };
    for (const Case& c : wide)
        for (int bits : {8, 24}) {
            Bitmap bmp(bits == 8 ? 2101 : 703, 9, bits, RB_ORDER_BGR,
                       bits == 8 ? 0 : RB_ROWS_BOTTOM_UP);
            fillPattern(bmp.get(), 31 + uint32_t(bits));
            KRect rect{5, 1, bmp->Width - 2, 8};
            ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
            const std::vector<uint8_t> before = storedBytes(bmp.get());
            const Outcome want = c.expected(bmp.get(), before);
            ASSERT_EQ(c.run(bmp.get()), want.status) << c.name << " " << bits;
            const std::vector<uint8_t> got = storedBytes(bmp.get());
            ASSERT_TRUE(got == want.bytes)
                << c.name << " " << bits << ": " << firstDifference(bmp.get(), got, want.bytes);
        }
}

// Noise over long rows in a region, from seeds below the modulus, at its
// last value and far above it (whose first step wraps 32 bits): every
// pixel takes the seed the plain one-step-at-a-time sequence gives it,
// across the filter's blocks of seeds, and the seed carries on from there.
TEST(NeighbourWideRows, NoiseOnLongRowsFollowsTheSeedSequenceFromAnySeed) {
    for (uint32_t seed0 : {12345u, 714024u, 4000000000u})
        for (int bits : {8, 24})
            for (int channel : {0, 2}) {
                Bitmap bmp(bits == 8 ? 2101 : 703, 5, bits, RB_ORDER_BGR, 0,
                           bits == 8 ? greyPalette(8, false) : std::vector<RasterColor>{});
                fillPattern(bmp.get(), 5 + seed0 % 7);
                KRect ellipse{3, -1, bmp->Width - 1, 6};
                ASSERT_EQ(KSetRegionEllipse(bmp.get(), &ellipse, K_REGION_SET), K_OK);
                const std::vector<uint8_t> before = storedBytes(bmp.get());
                uint32_t seed = seed0;
                WorkImage want =
                    noise(bmp.get(), workOf(bmp.get(), before, channel != 0), 1000, channel, &seed);
                R_SetBitmapNoiseSeed(seed0);
                ASSERT_EQ(R_AddBitmapNoise(bmp.get(), 1000, unsigned(channel)), FX_OK);
                const std::vector<uint8_t> got = storedBytes(bmp.get());
                const std::vector<uint8_t> expected = writeBack(bmp.get(), before, want);
                ASSERT_TRUE(got == expected) << seed0 << " " << bits << " " << channel << ": "
                                             << firstDifference(bmp.get(), got, expected);
                EXPECT_EQ(R_GetBitmapNoiseSeed(), seed);
            }
}
