#include "ArrayBitmap.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace imgfxpy {

namespace {

// The bytes of a row as the kernel pads it.
py::ssize_t paddedRow(py::ssize_t width, int channels) {
    return (width * channels + 3) / 4 * 4;
}

bool libraryLayout(const py::array& a, int channels) {
    const py::ssize_t w = a.shape(1);
    return a.writeable() && (reinterpret_cast<uintptr_t>(a.data()) & 15) == 0 &&
           a.strides(0) == paddedRow(w, channels) && a.strides(1) == channels &&
           (a.ndim() == 2 || a.strides(2) == 1);
}

// Frees a library bitmap once the last array over its pixels is gone.
void freeBitmap(PyObject* capsule) {
    auto* record = static_cast<RasterBitmap*>(PyCapsule_GetPointer(capsule, nullptr));
    KFreeBitmap(record);
    delete record;
}

} // namespace

int channelsOf(const py::array& array) {
    if (!py::isinstance<py::array_t<uint8_t>>(array) || array.dtype().kind() != 'u' ||
        array.itemsize() != 1)
        throw py::type_error("imgfx: pictures are uint8 arrays");
    const int channels = array.ndim() == 2 ? 1 : array.ndim() == 3 ? int(array.shape(2)) : 0;
    if (channels != 1 && channels != 3 && channels != 4)
        throw py::value_error("imgfx: pictures have the shape H x W, H x W x 3 or H x W x 4");
    if (array.shape(0) < 1 || array.shape(1) < 1 || array.shape(0) > INT32_MAX / 4 ||
        array.shape(1) > INT32_MAX / 4)
        throw py::value_error("imgfx: a picture has at least one row and one column");
    return channels;
}

ArrayBitmap::ArrayBitmap(const py::array& array) : channels_(channelsOf(array)) {
    const int height = int(array.shape(0)), width = int(array.shape(1));
    const int bits = channels_ * 8;
    if (libraryLayout(array, channels_)) {
        if (KAttachBitmap(&bitmap_, width, height, bits, RB_ORDER_BGR,
                          const_cast<void*>(array.data()), 0) != K_OK)
            throw std::bad_alloc();
        array_ = array;
        inPlace_ = true;
        return;
    }
    if (KAllocBitmap(&bitmap_, 1, width, height, bits, RB_ORDER_BGR, nullptr, 0) != K_OK)
        throw std::bad_alloc();
    // The one copy, element by element whatever the caller's strides.
    const intptr_t token = KBeginAccess(&bitmap_);
    const py::ssize_t rowBytes = py::ssize_t(width) * channels_;
    for (int y = 0; y < height; ++y) {
        uint8_t* row = KRowAddress(&bitmap_, y);
        const auto* base = static_cast<const uint8_t*>(array.data());
        for (py::ssize_t i = 0; i < rowBytes; ++i) {
            const py::ssize_t x = i / channels_, c = i % channels_;
            row[i] = base[y * array.strides(0) + x * array.strides(1) +
                          (channels_ > 1 ? c * array.strides(2) : 0)];
        }
    }
    KEndAccess(&bitmap_, token);
}

ArrayBitmap::ArrayBitmap(const RasterBitmap& allocated)
    : bitmap_(allocated), channels_(allocated.BitsPerPixel / 8) {}

ArrayBitmap::~ArrayBitmap() {
    KFreeBitmap(&bitmap_);
}

void ArrayBitmap::setRegion(const py::object& region) {
    if (region.is_none())
        return;
    if (py::isinstance<py::array>(region)) {
        const auto mask = py::array_t<uint8_t, py::array::c_style | py::array::forcecast>(
            region.attr("astype")("bool"));
        if (mask.ndim() != 2 || mask.shape(0) != bitmap_.Height || mask.shape(1) != bitmap_.Width)
            throw py::value_error("imgfx: a region mask has the picture's height and width");
        if (KSetRegionMask(&bitmap_, mask.data(), mask.strides(0), K_REGION_SET) != K_OK)
            throw std::bad_alloc();
        return;
    }
    int mode = K_REGION_SET;
    for (const py::handle item : region) {
        const auto r = item.cast<std::vector<int32_t>>();
        if (r.size() != 4)
            throw py::value_error("imgfx: a region rectangle is (left, top, right, bottom)");
        const KRect rect{r[0], r[1], r[2], r[3]};
        if (KSetRegionRect(&bitmap_, &rect, mode) != K_OK)
            throw std::bad_alloc();
        mode = K_REGION_UNION;
    }
    if (mode == K_REGION_SET) { // no rectangle at all: nothing is inside
        const KRect none{0, 0, 0, 0};
        KSetRegionRect(&bitmap_, &none, K_REGION_SET);
    }
}

void ArrayBitmap::resolveGreyPalette() {
    if (bitmap_.BitsPerPixel != 8 || KGreyKind(&bitmap_) == 1)
        return;
    RasterColor colors[256] = {};
    KGetColors(&bitmap_, 0, 256, colors);
    uint8_t levels[256];
    for (int i = 0; i < 256; ++i)
        levels[i] = uint8_t((5 * colors[i].Green + 2 * colors[i].Red + colors[i].Blue + 4) >> 3);
    const intptr_t token = KBeginAccess(&bitmap_);
    for (int y = 0; y < bitmap_.Height; ++y) {
        uint8_t* row = KRowAddress(&bitmap_, y);
        for (int x = 0; x < bitmap_.Width; ++x)
            row[x] = levels[row[x]];
    }
    KEndAccess(&bitmap_, token);
    // The pixels are levels again: the palette goes back to the grey ramp.
    KPalette* ramp = KGreyPalette(8);
    RasterColor entries[256];
    KGetPaletteEntries(ramp, 0, 256, entries);
    KDeletePalette(ramp);
    KPalette* inUse = bitmap_.Palette ? bitmap_.Palette : bitmap_.OwnedPalette;
    if (inUse)
        KSetPaletteEntries(inUse, 0, 256, entries);
    KTakePalette(&bitmap_);
}

py::array ArrayBitmap::result() {
    resolveGreyPalette();
    if (inPlace_)
        return array_;
    // Hand the library's bitmap over to an array; the capsule frees it.
    auto* owned = new RasterBitmap(bitmap_);
    std::memset(&bitmap_, 0, sizeof bitmap_);
    py::capsule base(owned, nullptr, freeBitmap);
    const py::ssize_t h = owned->Height, w = owned->Width, line = owned->BytesPerLine;
    const bool bottomUp = owned->RowOrder == RB_ROWS_BOTTOM_UP;
    uint8_t* first = owned->Bits + (bottomUp ? (h - 1) * line : 0);
    const py::ssize_t rowStride = bottomUp ? -line : line;
    if (channels_ == 1)
        return py::array_t<uint8_t>({h, w}, {rowStride, py::ssize_t(1)}, first, base);
    return py::array_t<uint8_t>({h, w, py::ssize_t(channels_)},
                                {rowStride, py::ssize_t(channels_), py::ssize_t(1)}, first, base);
}

} // namespace imgfxpy
