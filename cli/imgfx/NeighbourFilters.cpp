// Neighbourhood filters as imgfx-cli runs them.
#include "FilterRegistry.h"

namespace imgfxcli {
namespace {

using Args = std::vector<long long>;

// A number given for a record pointer is a built-in index; numbers that no
// index can be still reach the filter as an index, which it refuses.
uintptr_t indexOf(long long value) {
    return value >= 0 && value <= 0xFFFF ? uintptr_t(value) : uintptr_t(0xFFFF);
}

const FilterEntry entries[] = {
    {.name = "R_SpatialFilterBitmap",
     .argCount = 1,
     .argNames = "index|record-file",
     .run =
         [](RasterBitmap* b, const Args& a) {
             return R_SpatialFilterBitmap(b, FX_SPATIAL_FILTER(indexOf(a[0])));
         },
     .recordHeader = 3,
     .runRecord =
         [](RasterBitmap* b, const std::vector<int32_t>& record) {
             return R_SpatialFilterBitmap(b, reinterpret_cast<const SpatialFilter*>(record.data()));
         }},
    {"R_SharpenBitmap", 1, "sharpness",
     [](RasterBitmap* b, const Args& a) { return R_SharpenBitmap(b, int(a[0])); }},
    {"R_EmbossBitmap", 2, "direction depth",
     [](RasterBitmap* b, const Args& a) {
         return R_EmbossBitmap(b, unsigned(a[0]), unsigned(a[1]));
     }},
    {"R_AverageFilterBitmap", 1, "dimension",
     [](RasterBitmap* b, const Args& a) { return R_AverageFilterBitmap(b, int(a[0])); }},
    {"R_MedianFilterBitmap", 1, "dimension",
     [](RasterBitmap* b, const Args& a) { return R_MedianFilterBitmap(b, int(a[0])); }},
    {"R_DespeckleBitmap", 0, "", [](RasterBitmap* b, const Args&) { return R_DespeckleBitmap(b); }},
    {.name = "R_BinaryFilterBitmap",
     .argCount = 1,
     .argNames = "index|record-file",
     .run = [](RasterBitmap* b,
               const Args& a) { return R_BinaryFilterBitmap(b, FX_BINARY_FILTER(indexOf(a[0]))); },
     .recordHeader = 2,
     .runRecord =
         [](RasterBitmap* b, const std::vector<int32_t>& record) {
             return R_BinaryFilterBitmap(b, reinterpret_cast<const BinaryFilter*>(record.data()));
         }},
    {"R_MosaicBitmap", 1, "tile-size",
     [](RasterBitmap* b, const Args& a) { return R_MosaicBitmap(b, int(a[0])); }},
    {"R_AddBitmapNoise", 2, "range channel",
     [](RasterBitmap* b, const Args& a) {
         return R_AddBitmapNoise(b, unsigned(a[0]), unsigned(a[1]));
     }},
};

} // namespace

extern const FilterFamily neighbourFilters{entries, std::size(entries)};

} // namespace imgfxcli
