// Point and colour operations as imgfx-cli runs them.
#include "FilterRegistry.h"

namespace imgfxcli {
namespace {

int asInt(long long v) {
    return static_cast<int>(v);
}

unsigned asUnsigned(long long v) {
    return static_cast<unsigned>(v);
}

using Args = const std::vector<long long>&;

const FilterEntry entries[] = {
    {"R_ChangeBitmapIntensity", 1, "change",
     [](RasterBitmap* b, Args a) { return R_ChangeBitmapIntensity(b, asInt(a[0])); }},
    {"R_ChangeBitmapContrast", 1, "change",
     [](RasterBitmap* b, Args a) { return R_ChangeBitmapContrast(b, asInt(a[0])); }},
    {"R_PosterizeBitmap", 1, "levels",
     [](RasterBitmap* b, Args a) { return R_PosterizeBitmap(b, asUnsigned(a[0])); }},
    {"R_InvertBitmap", 0, "", [](RasterBitmap* b, Args) { return R_InvertBitmap(b); }},
    {"R_IntensityDetectBitmap", 2, "low high",
     [](RasterBitmap* b, Args a) {
         return R_IntensityDetectBitmap(b, asUnsigned(a[0]), asUnsigned(a[1]));
     }},
    {"R_GammaCorrectBitmap", 1, "gamma-times-100",
     [](RasterBitmap* b, Args a) { return R_GammaCorrectBitmap(b, asInt(a[0])); }},
    {"R_RemapBitmapIntensity", 2, "TABLE-FILE channel", nullptr,
     [](RasterBitmap* b, Args a, FilterIo& io) {
         return R_RemapBitmapIntensity(b, io.table.data(), asUnsigned(a[1]));
     },
     0},
    {"R_HistoEqualizeBitmap", 0, "",
     [](RasterBitmap* b, Args) { return R_HistoEqualizeBitmap(b); }},
    {"R_StretchBitmapIntensity", 0, "",
     [](RasterBitmap* b, Args) { return R_StretchBitmapIntensity(b); }},
    {"R_HistoContrastBitmap", 1, "change",
     [](RasterBitmap* b, Args a) { return R_HistoContrastBitmap(b, asInt(a[0])); }},
    {"R_ChangeBitmapHue", 1, "angle",
     [](RasterBitmap* b, Args a) { return R_ChangeBitmapHue(b, asInt(a[0])); }},
    {"R_ChangeBitmapSaturation", 1, "change",
     [](RasterBitmap* b, Args a) { return R_ChangeBitmapSaturation(b, asInt(a[0])); }},
    {"R_GetBitmapHistogram", 1, "channel", nullptr,
     [](RasterBitmap* b, Args a, FilterIo& io) {
         io.numbers.assign(256, 0);
         return R_GetBitmapHistogram(b, io.numbers.data(), asUnsigned(a[0]));
     },
     -1, true},
};

} // namespace

extern const FilterFamily pointFilters{entries, std::size(entries)};

} // namespace imgfxcli
