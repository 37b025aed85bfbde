// The Python module imgfx: every filter export of the library as a function
// over NumPy arrays (ArrayBitmap.h tells which arrays and when they are
// copied), the interpreter's lock released while a filter runs.
#include "Exports.h"

namespace imgfxpy {
namespace {

const char* levelName() {
    switch (KIsaLevel()) {
    case K_ISA_AVX512:
        return "avx512";
    case K_ISA_AVX2:
        return "avx2";
    default:
        return "baseline";
    }
}

} // namespace
} // namespace imgfxpy

PYBIND11_MODULE(imgfx, m) {
    using namespace imgfxpy;
    m.doc() = "Raster filters of the imgfx library over NumPy uint8 arrays: H x W grey, "
              "H x W x 3 blue, green, red, H x W x 4 blue, green, red and a fourth byte.";
    registerFilterError(m);
    m.attr("FX_OK") = FX_OK;
    m.attr("FX_ERR_NO_MEMORY") = FX_ERR_NO_MEMORY;
    m.attr("FX_ERR_BAD_BITMAP") = FX_ERR_BAD_BITMAP;
    m.attr("FX_ERR_BAD_PARAMETER") = FX_ERR_BAD_PARAMETER;
    m.def("isa_level", levelName,
          "The processor level the library runs at: avx512, avx2 or baseline (IMGFX_ISA caps it).");
    m.def("R_GetBitmapNoiseSeed", R_GetBitmapNoiseSeed, "This thread's noise seed.");
    m.def("R_SetBitmapNoiseSeed", R_SetBitmapNoiseSeed, "Sets this thread's noise seed.",
          py::arg("seed"));
    registerPointExports(m);
    registerNeighbourExports(m);
    registerColourExports(m);
}
