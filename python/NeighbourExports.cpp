// Neighbourhood filters (imgfx_neighbour.h) as Python functions.
#include "Exports.h"

#include <cmath>
#include <vector>

namespace imgfxpy {

namespace {

using py::arg;

// A built-in record's index, or the fields of the caller's record in
// order: header fields (all but the dimension) by their C names, then the
// dimension (given, or the square root of the value count), then the
// values, flat or in rows. Records live in record's storage.
struct Record {
    std::vector<int32_t> fields;
    uintptr_t index = 0;
    const void* pointer() const {
        return fields.empty() ? reinterpret_cast<const void*>(index) : fields.data();
    }
};

Record recordOf(const py::object& filter, std::initializer_list<const char*> header,
                const char* valuesName) {
    Record record;
    if (py::isinstance<py::int_>(filter)) {
        const long long index = filter.cast<long long>();
        if (index < 0 || index > 65535)
            throw py::value_error("imgfx: a built-in filter index lies in 0..65535");
        record.index = uintptr_t(index);
        return record;
    }
    const auto get = [&](const char* name) {
        return py::isinstance<py::dict>(filter) ? py::object(filter[name])
                                                : py::object(filter.attr(name));
    };
    for (const char* name : header)
        record.fields.push_back(get(name).cast<int32_t>());
    const auto values = py::array_t<int32_t, py::array::c_style | py::array::forcecast>(
        py::module_::import("numpy").attr("ravel")(get(valuesName)));
    const bool hasDimension = py::isinstance<py::dict>(filter) ? filter.contains("Dimension")
                                                               : py::hasattr(filter, "Dimension");
    const auto n = int32_t(std::lround(std::sqrt(double(values.size()))));
    const int32_t dimension = hasDimension ? get("Dimension").cast<int32_t>() : n;
    record.fields.push_back(dimension);
    // A dimension out of range is the filter's to reject, with its status.
    if (hasDimension && (dimension < 1 || dimension > FX_MAX_DIMENSION))
        return record;
    record.fields.pop_back();
    if (dimension < 1 || int64_t(dimension) * dimension != values.size())
        throw py::value_error("imgfx: a filter record holds Dimension x Dimension values");
    record.fields.push_back(dimension);
    record.fields.insert(record.fields.end(), values.data(), values.data() + values.size());
    return record;
}

template <class... Args>
void window(py::module_& m, const char* name, int (*fn)(RasterBitmap*, Args...),
            std::initializer_list<const char*> names, const char* doc) {
    static_assert(sizeof...(Args) <= 2);
    auto body = [fn](const py::array& bitmap, Args... a, const py::object& region,
                     const py::object& progress) {
        return filterArray(bitmap, region, progress, [&](RasterBitmap* b) { return fn(b, a...); });
    };
    if constexpr (sizeof...(Args) == 0)
        m.def(name, body, doc, arg("bitmap"), py::kw_only(), arg("region") = py::none(),
              arg("progress") = py::none());
    else if constexpr (sizeof...(Args) == 1)
        m.def(name, body, doc, arg("bitmap"), arg(names.begin()[0]), py::kw_only(),
              arg("region") = py::none(), arg("progress") = py::none());
    else
        m.def(name, body, doc, arg("bitmap"), arg(names.begin()[0]), arg(names.begin()[1]),
              py::kw_only(), arg("region") = py::none(), arg("progress") = py::none());
}

} // namespace

void registerNeighbourExports(py::module_& m) {
    m.attr("FX_MAX_DIMENSION") = FX_MAX_DIMENSION;
    m.attr("FX_SPATIAL_BUILTIN_COUNT") = FX_SPATIAL_BUILTIN_COUNT;
    m.attr("FX_BINARY_BUILTIN_COUNT") = FX_BINARY_BUILTIN_COUNT;
    m.def(
        "R_SpatialFilterBitmap",
        [](const py::array& bitmap, const py::object& filter, const py::object& region,
           const py::object& progress) {
            const Record r = recordOf(filter, {"Divisor", "Bias"}, "Coefficients");
            return filterArray(bitmap, region, progress, [&](RasterBitmap* b) {
                return R_SpatialFilterBitmap(b, static_cast<const SpatialFilter*>(r.pointer()));
            });
        },
        "Convolves with a built-in filter (an index) or a record: a dict or object with "
        "Divisor, Bias, Coefficients (Dimension x Dimension values) and optionally Dimension.",
        arg("bitmap"), arg("filter"), py::kw_only(), arg("region") = py::none(),
        arg("progress") = py::none());
    m.def(
        "R_BinaryFilterBitmap",
        [](const py::array& bitmap, const py::object& filter, const py::object& region,
           const py::object& progress) {
            const Record r = recordOf(filter, {"Maximum"}, "Elements");
            return filterArray(bitmap, region, progress, [&](RasterBitmap* b) {
                return R_BinaryFilterBitmap(b, static_cast<const BinaryFilter*>(r.pointer()));
            });
        },
        "Grey-level dilation or erosion with a built-in element (an index) or a record: a dict "
        "or object with Maximum, Elements (Dimension x Dimension values) and optionally "
        "Dimension.",
        arg("bitmap"), arg("filter"), py::kw_only(), arg("region") = py::none(),
        arg("progress") = py::none());
    window(m, "R_SharpenBitmap", R_SharpenBitmap, {"sharpness"},
           "Sharpens (1..1000) or blurs (-1000..-1) through a 3 x 3 filter.");
    window(m, "R_EmbossBitmap", R_EmbossBitmap, {"direction", "depth"},
           "Embosses towards direction 0..7 with depth 0..1000.");
    window(m, "R_AverageFilterBitmap", R_AverageFilterBitmap, {"dimension"},
           "Box average of the dimension x dimension window.");
    window(m, "R_MedianFilterBitmap", R_MedianFilterBitmap, {"dimension"},
           "Median of the dimension x dimension window.");
    window(m, "R_DespeckleBitmap", R_DespeckleBitmap, {},
           "Channel bytes further than 128 from their 3 x 3 median take the median.");
    window(m, "R_MosaicBitmap", R_MosaicBitmap, {"tileSize"},
           "Fills tiles of tileSize x tileSize pixels with their average colour.");
    window(m, "R_AddBitmapNoise", R_AddBitmapNoise, {"range", "channel"},
           "Adds noise within +-(range x 255 + 500) / 1000 from this thread's noise seed.");
}

} // namespace imgfxpy
