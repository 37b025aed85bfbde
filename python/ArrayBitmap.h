// A NumPy array seen as a bitmap of the filter library.
#pragma once

#include "imgfx/imgfx.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

namespace imgfxpy {

namespace py = pybind11;

// uint8 arrays of shape H x W (8-bit grey), H x W x 3 (24-bit blue, green,
// red) or H x W x 4 (32-bit blue, green, red and a fourth byte the filters
// leave alone), rows top-down. An array whose rows lie as the library lays
// them out (pixels packed, rows a multiple of 4 bytes apart, the whole on
// a 16-byte boundary, writeable) is filtered where it lies; any other is
// copied once into the library's layout, and that copy is the result.
class ArrayBitmap {
public:
    // Throws TypeError or ValueError for arrays of another type or shape.
    explicit ArrayBitmap(const py::array& array);
    // A bitmap the library allocated (colour planes, merged colours),
    // handed to Python without a copy; owns the record.
    explicit ArrayBitmap(const RasterBitmap& allocated);
    ~ArrayBitmap();
    ArrayBitmap(const ArrayBitmap&) = delete;
    ArrayBitmap& operator=(const ArrayBitmap&) = delete;

    RasterBitmap* bitmap() { return &bitmap_; }
    // None, a mask (H x W, nonzero inside) or rectangles (left, top, right,
    // bottom; right and bottom exclusive), which unite.
    void setRegion(const py::object& region);
    // The array that holds the filtered pixels: the caller's own when it was
    // filtered in place, else the copy. Grey arrays hold levels: where a
    // filter changed the palette of a grey bitmap (point operations without
    // a region do), the pixels become the intensity of their entry.
    py::array result();
    // Whether the caller's array is filtered where it lies.
    bool inPlace() const { return inPlace_; }

private:
    void resolveGreyPalette();

    RasterBitmap bitmap_{};
    py::array array_; // the caller's array, or none for a copy
    bool inPlace_ = false;
    int channels_ = 1;
};

// The shape and channel count an array must have; throws when it is unfit.
int channelsOf(const py::array& array);

} // namespace imgfxpy
