// The filter exports as Python functions, one registration a family.
#pragma once

#include "ArrayBitmap.h"
#include "FilterCall.h"

namespace imgfxpy {

// Filters a picture where it lies (or its one copy) with the region and
// progress callback given, and returns the filtered array.
template <class Call>
py::array filterArray(const py::array& bitmap, const py::object& region, const py::object& progress,
                      Call call) {
    ArrayBitmap b(bitmap);
    b.setRegion(region);
    runFilter(progress, [&] { return call(b.bitmap()); });
    return b.result();
}

void registerPointExports(py::module_& m);
void registerNeighbourExports(py::module_& m);
void registerColourExports(py::module_& m);

} // namespace imgfxpy
