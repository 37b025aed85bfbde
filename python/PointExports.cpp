// Point and colour operations (imgfx_point.h) as Python functions.
#include "Exports.h"

#include <vector>

namespace imgfxpy {

namespace {

using py::arg;

// A point operation with the arguments of its export after the bitmap.
template <class... Args>
void point(py::module_& m, const char* name, int (*fn)(RasterBitmap*, Args...),
           std::initializer_list<const char*> names, const char* doc) {
    if constexpr (sizeof...(Args) == 0) {
        m.def(
            name,
            [fn](const py::array& bitmap, const py::object& region, const py::object& progress) {
                return filterArray(bitmap, region, progress,
                                   [&](RasterBitmap* b) { return fn(b); });
            },
            doc, arg("bitmap"), py::kw_only(), arg("region") = py::none(),
            arg("progress") = py::none());
    } else if constexpr (sizeof...(Args) == 1) {
        m.def(
            name,
            [fn](const py::array& bitmap, Args... a, const py::object& region,
                 const py::object& progress) {
                return filterArray(bitmap, region, progress,
                                   [&](RasterBitmap* b) { return fn(b, a...); });
            },
            doc, arg("bitmap"), arg(names.begin()[0]), py::kw_only(), arg("region") = py::none(),
            arg("progress") = py::none());
    } else {
        m.def(
            name,
            [fn](const py::array& bitmap, Args... a, const py::object& region,
                 const py::object& progress) {
                return filterArray(bitmap, region, progress,
                                   [&](RasterBitmap* b) { return fn(b, a...); });
            },
            doc, arg("bitmap"), arg(names.begin()[0]), arg(names.begin()[1]), py::kw_only(),
            arg("region") = py::none(), arg("progress") = py::none());
    }
}

// The 256 levels of a remapping table; null (which the filter rejects) for None.
std::vector<uint8_t> tableOf(const py::object& table, bool* given) {
    *given = !table.is_none();
    if (!*given)
        return {};
    const auto levels = table.cast<std::vector<int>>();
    if (levels.size() != 256)
        throw py::value_error("imgfx: a remapping table holds 256 levels");
    std::vector<uint8_t> bytes(256);
    for (int i = 0; i < 256; ++i) {
        if (levels[size_t(i)] < 0 || levels[size_t(i)] > 255)
            throw py::value_error("imgfx: table levels lie in 0..255");
        bytes[size_t(i)] = uint8_t(levels[size_t(i)]);
    }
    return bytes;
}

} // namespace

void registerPointExports(py::module_& m) {
    point(m, "R_ChangeBitmapIntensity", R_ChangeBitmapIntensity, {"change"},
          "Adds (change * 255 + 500) / 1000 to every level; change in -1000..1000.");
    point(m, "R_ChangeBitmapContrast", R_ChangeBitmapContrast, {"change"},
          "Spreads levels away from 128 or pulls them toward it; change in -1000..1000.");
    point(m, "R_PosterizeBitmap", R_PosterizeBitmap, {"levels"},
          "Reduces every channel to levels evenly spread levels (levels >= 2).");
    point(m, "R_IntensityDetectBitmap", R_IntensityDetectBitmap, {"low", "high"},
          "Levels within low..high become white, the others black.");
    point(m, "R_GammaCorrectBitmap", R_GammaCorrectBitmap, {"gamma"},
          "Gamma correction, gamma given times 100 (100 changes nothing).");
    point(m, "R_HistoEqualizeBitmap", R_HistoEqualizeBitmap, {},
          "Histogram equalisation over the region's intensities.");
    point(m, "R_StretchBitmapIntensity", R_StretchBitmapIntensity, {},
          "Stretches the intensities found in the region over 0..255.");
    point(m, "R_HistoContrastBitmap", R_HistoContrastBitmap, {"change"},
          "Contrast about the middle of the region's intensities; change in -1000..1000.");
    point(m, "R_ChangeBitmapHue", R_ChangeBitmapHue, {"angle"},
          "Turns the hue of every colour by angle degrees.");
    point(m, "R_ChangeBitmapSaturation", R_ChangeBitmapSaturation, {"change"},
          "Adds (change * 255 + 500) / 1000 to the saturation; change in -1000..1000.");
    point(m, "R_InvertBitmap", R_InvertBitmap, {}, "Replaces every level v by 255 - v.");
    m.def(
        "R_RemapBitmapIntensity",
        [](const py::array& bitmap, const py::object& table, unsigned channel,
           const py::object& region, const py::object& progress) {
            bool given = false;
            const std::vector<uint8_t> levels = tableOf(table, &given);
            return filterArray(bitmap, region, progress, [&](RasterBitmap* b) {
                return R_RemapBitmapIntensity(b, given ? levels.data() : nullptr, channel);
            });
        },
        "Maps levels through table (256 levels) on every channel (channel 0) or on red (1), "
        "green (2) or blue (3) only.",
        arg("bitmap"), arg("table"), arg("channel"), py::kw_only(), arg("region") = py::none(),
        arg("progress") = py::none());
    m.def(
        "R_GetBitmapHistogram",
        [](const py::array& bitmap, unsigned channel, const py::object& region,
           const py::object& progress) {
            py::array_t<uint32_t> histogram(256);
            uint32_t* counts = histogram.mutable_data();
            filterArray(bitmap, region, progress,
                        [&](RasterBitmap* b) { return R_GetBitmapHistogram(b, counts, channel); });
            return histogram;
        },
        "The pixels of the region at each intensity (channel 0) or level of red (1), green (2) "
        "or blue (3), as 256 uint32 counts; the picture is not changed.",
        arg("bitmap"), arg("channel"), py::kw_only(), arg("region") = py::none(),
        arg("progress") = py::none());
}

} // namespace imgfxpy
