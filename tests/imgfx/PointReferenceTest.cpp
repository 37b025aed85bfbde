// Every point and colour operation on every pixel kind, with and without a
// region, against the plain per-colour references of PointReference.h:
// palette kinds without a region through their palette, everything else
// pixel by pixel (16-bit through its widened fields).
#include "PointReference.h"

#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

using namespace fxtest;

namespace {

struct PointKind {
    std::string name;
    Format format;
    std::vector<RasterColor> palette;
};

std::vector<PointKind> pixelKinds() {
    std::vector<PointKind> kinds;
    for (const Format& f : allFormats())
        kinds.push_back(
            {f.name(), f, f.bits <= 8 ? colorPalette(1 << f.bits) : std::vector<RasterColor>{}});
    for (int bits : {1, 4, 8})
        for (bool descending : {false, true})
            kinds.push_back({std::to_string(bits) + (descending ? "grey-down" : "grey-up"),
                             {bits, RB_ORDER_BGR, descending ? RB_ROWS_BOTTOM_UP : 0},
                             greyPalette(bits, descending)});
    kinds.push_back({"8-100colours", {8}, colorPalette(100)});
    return kinds;
}

using ColourMap = std::function<Bgr(Bgr)>;
using Before = const std::vector<uint8_t>&;

struct Operation {
    std::string name;
    std::function<int(RasterBitmap*)> run;
    // The map of colours the operation applies to this bitmap as it was.
    std::function<ColourMap(const RasterBitmap*, Before)> expected;
};

ColourMap fixed(ColourMap map) {
    return map;
}

Operation tableOp(std::string name, std::function<int(RasterBitmap*)> run, Table table,
                  int channel = 0) {
    return {std::move(name), std::move(run),
            [table, channel](const RasterBitmap*, Before) { return throughTable(table, channel); }};
}

const Table scrambled = [] {
    Table t;
    for (int i = 0; i < 256; ++i)
        t[i] = uint8_t(i * 167 + 13);
    return t;
}();

std::vector<Operation> operations() {
    std::vector<Operation> ops;
    for (int change : {300, -700, 1000})
        ops.push_back(tableOp(
            "intensity " + std::to_string(change),
            [change](RasterBitmap* b) { return R_ChangeBitmapIntensity(b, change); },
            intensityTable(change)));
    for (int change : {400, -600})
        ops.push_back(tableOp(
            "contrast " + std::to_string(change),
            [change](RasterBitmap* b) { return R_ChangeBitmapContrast(b, change); },
            contrastTable(128, change)));
    for (unsigned levels : {2u, 5u})
        ops.push_back(tableOp(
            "posterize " + std::to_string(levels),
            [levels](RasterBitmap* b) { return R_PosterizeBitmap(b, levels); },
            posterizeTable(levels)));
    ops.push_back(tableOp(
        "detect", [](RasterBitmap* b) { return R_IntensityDetectBitmap(b, 60, 180); },
        detectTable(60, 180)));
    for (int gamma : {45, 220, -100})
        ops.push_back(tableOp(
            "gamma " + std::to_string(gamma),
            [gamma](RasterBitmap* b) { return R_GammaCorrectBitmap(b, gamma); },
            gammaTable(gamma)));
    for (unsigned channel : {0u, 1u, 2u, 3u})
        ops.push_back(tableOp(
            "remap " + std::to_string(channel),
            [channel](RasterBitmap* b) {
                return R_RemapBitmapIntensity(b, scrambled.data(), channel);
            },
            scrambled, int(channel)));
    ops.push_back(tableOp("invert", R_InvertBitmap, [] {
        Table t;
        for (int i = 0; i < 256; ++i)
            t[i] = uint8_t(255 - i);
        return t;
    }()));
    ops.push_back({"equalize", R_HistoEqualizeBitmap, [](const RasterBitmap* b, Before before) {
                       return throughTable(equalizeTable(plainHistogram(b, before)));
                   }});
    ops.push_back({"stretch", R_StretchBitmapIntensity, [](const RasterBitmap* b, Before before) {
                       auto h = plainHistogram(b, before);
                       int low, high, mid;
                       levelRange(h, &low, &high, &mid);
                       return high == mid ? fixed([](Bgr c) { return c; })
                                          : throughTable(stretchTable(h));
                   }});
    for (int change : {500, -300})
        ops.push_back({"histo contrast " + std::to_string(change),
                       [change](RasterBitmap* b) { return R_HistoContrastBitmap(b, change); },
                       [change](const RasterBitmap* b, Before before) {
                           int low, high, mid;
                           levelRange(plainHistogram(b, before), &low, &high, &mid);
                           return throughTable(contrastTable(mid, change));
                       }});
    for (int angle : {100, -45})
        ops.push_back({"hue " + std::to_string(angle),
                       [angle](RasterBitmap* b) { return R_ChangeBitmapHue(b, angle); },
                       [angle](const RasterBitmap*, Before) { return hueTurn(angle); }});
    for (int change : {600, -400})
        ops.push_back({"saturation " + std::to_string(change),
                       [change](RasterBitmap* b) { return R_ChangeBitmapSaturation(b, change); },
                       [change](const RasterBitmap*, Before) { return saturationChange(change); }});
    return ops;
}

// An ellipse and a rectangle beside it: rows of one and of two spans, with
// edges inside bytes of 1- and 4-bit rows.
void setRegion(RasterBitmap* bmp) {
    KRect ellipse{2, -1, 90, 8}, rect{101, 1, 147, 4};
    ASSERT_EQ(KSetRegionEllipse(bmp, &ellipse, K_REGION_SET), K_OK);
    ASSERT_EQ(KSetRegionRect(bmp, &rect, K_REGION_UNION), K_OK);
}

std::vector<RasterColor> mapped(std::vector<RasterColor> entries, int count, const ColourMap& f) {
    for (int i = 0; i < count; ++i) {
        Bgr c = f({entries[i].Blue, entries[i].Green, entries[i].Red});
        entries[i].Blue = c.b, entries[i].Green = c.g, entries[i].Red = c.r;
    }
    return entries;
}

bool samePalette(const std::vector<RasterColor>& a, const std::vector<RasterColor>& b) {
    return a.size() == b.size() && sameColors(a.data(), b.data(), a.size());
}

// Runs op on a fresh bitmap of kind and compares pixels, palette and
// Colors with the reference; returns a description of the first mismatch.
std::string check(const Operation& op, const PointKind& kind, bool region) {
    Bitmap bmp(150, 5, kind.format, kind.palette);
    fillPattern(bmp.get(), 41);
    if (region)
        setRegion(bmp.get());
    const auto before = storedBytes(bmp.get());
    const auto palette = paletteOf(bmp.get());
    const ColourMap f = op.expected(bmp.get(), before);
    const int status = op.run(bmp.get());
    if (status != FX_OK)
        return "status " + std::to_string(status);
    const bool palettePath = kind.format.bits <= 8 && !region;
    const auto expectedPalette = palettePath ? mapped(palette, bmp->ColorCount, f) : palette;
    if (!samePalette(paletteOf(bmp.get()), expectedPalette))
        return "palette";
    if (!sameColors(bmp->Colors, expectedPalette.data(), size_t(bmp->ColorCount)))
        return "Colors";
    const auto expected = palettePath ? before : referenceApply(bmp.get(), before, f);
    const auto after = storedBytes(bmp.get());
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x)
            if (rawAt(after, bmp.get(), x, row) != rawAt(expected, bmp.get(), x, row))
                return "pixel " + std::to_string(x) + "," + std::to_string(row) + " is " +
                       std::to_string(rawAt(after, bmp.get(), x, row)) + ", expected " +
                       std::to_string(rawAt(expected, bmp.get(), x, row));
    return after == expected ? "" : "padding";
}

} // namespace

TEST(PointReference, EveryOperationOnEveryPixelKindMatchesThePlainReference) {
    for (const Operation& op : operations())
        for (const PointKind& kind : pixelKinds())
            for (bool region : {false, true})
                EXPECT_EQ(check(op, kind, region), "")
                    << op.name << " on " << kind.name << (region ? " with region" : "");
}

TEST(PointReference, HistogramsOfEveryPixelKindCountLikeThePlainReference) {
    for (const PointKind& kind : pixelKinds())
        for (bool region : {false, true})
            for (unsigned channel : {0u, 1u, 2u, 3u}) {
                Bitmap bmp(150, 5, kind.format, kind.palette);
                fillPattern(bmp.get(), 43);
                if (region)
                    setRegion(bmp.get());
                const auto before = storedBytes(bmp.get());
                uint32_t histogram[256];
                std::memset(histogram, 0xEE, sizeof histogram);
                ASSERT_EQ(R_GetBitmapHistogram(bmp.get(), histogram, channel), FX_OK);
                const auto expected = plainHistogram(bmp.get(), before, int(channel));
                EXPECT_TRUE(std::equal(expected.begin(), expected.end(), histogram))
                    << kind.name << (region ? " with region" : "") << " channel " << channel;
                EXPECT_EQ(storedBytes(bmp.get()), before);
            }
}
