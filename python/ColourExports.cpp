// Colour separation and merge (imgfx_colour.h) and deskew (imgfx_deskew.h)
// as Python functions.
#include "Exports.h"

#include <memory>
#include <vector>

namespace imgfxpy {

namespace {

using py::arg;

// Plane records the library fills, freed unless handed on as arrays.
struct PlaneRecords {
    RasterBitmap records[4] = {};
    ~PlaneRecords() {
        for (RasterBitmap& r : records)
            if (r.Flags & RB_FLAG_ALLOCATED)
                KFreeBitmap(&r);
    }
    // Plane k as an array over the library's memory; the array owns it.
    py::array take(int k) {
        ArrayBitmap plane(records[k]);
        records[k] = RasterBitmap{};
        return plane.result();
    }
};

py::list separate(const py::array& bitmap, unsigned kind, const py::object& progress) {
    ArrayBitmap source(bitmap);
    PlaneRecords planes;
    RasterBitmap* pointers[4] = {&planes.records[0], &planes.records[1], &planes.records[2],
                                 &planes.records[3]};
    runFilter(progress, [&] { return R_ColorSeparateBitmap(source.bitmap(), pointers, kind); });
    py::list result;
    for (int k = 0; k < (kind == 1 ? 4 : 3); ++k)
        result.append(planes.take(k));
    return result;
}

py::array merge(const py::list& planes, unsigned kind, const py::object& progress) {
    const size_t needed = kind == 1 ? 4 : 3;
    if (kind <= 4 && planes.size() != needed)
        throw py::value_error(kind == 1 ? "imgfx: kind 1 merges four planes"
                                        : "imgfx: this kind merges three planes");
    std::vector<std::unique_ptr<ArrayBitmap>> held;
    RasterBitmap* pointers[4] = {};
    for (size_t k = 0; k < planes.size() && k < 4; ++k) {
        const py::array plane = planes[k].cast<py::array>();
        if (channelsOf(plane) != 1)
            throw py::value_error("imgfx: planes are H x W arrays");
        held.push_back(std::make_unique<ArrayBitmap>(plane));
        pointers[k] = held.back()->bitmap();
    }
    PlaneRecords target;
    runFilter(progress, [&] { return R_ColorMergeBitmap(&target.records[0], pointers, kind); });
    return target.take(0);
}

} // namespace

void registerColourExports(py::module_& m) {
    m.def("R_ColorSeparateBitmap", separate,
          "The planes of kind (0 blue, green, red; 1 CMYK, four planes; 2 HSV; 3 HLS; 4 CMY) "
          "as a list of new H x W arrays.",
          arg("bitmap"), arg("kind"), py::kw_only(), arg("progress") = py::none());
    m.def("R_ColorMergeBitmap", merge,
          "Merges the planes of kind (a list of H x W arrays, four for kind 1) into a new "
          "H x W x 3 array of the smallest plane's size.",
          arg("planes"), arg("kind"), py::kw_only(), arg("progress") = py::none());
    m.def(
        "R_DeskewBitmap",
        [](const py::array& bitmap, const py::object& progress) {
            return filterArray(bitmap, py::none(), progress,
                               [](RasterBitmap* b) { return R_DeskewBitmap(b); });
        },
        "Finds the skew of a scanned page and rotates it level.", arg("bitmap"), py::kw_only(),
        arg("progress") = py::none());
    m.def(
        "R_DeskewBitmapAngle",
        [](const py::array& bitmap, const py::object& progress) {
            int angle = 0;
            py::array result = filterArray(bitmap, py::none(), progress, [&](RasterBitmap* b) {
                return R_DeskewBitmapAngle(b, &angle);
            });
            return py::make_tuple(result, angle);
        },
        "R_DeskewBitmap that also gives the angle, in hundredths of a degree: (array, angle).",
        arg("bitmap"), py::kw_only(), arg("progress") = py::none());
}

} // namespace imgfxpy
