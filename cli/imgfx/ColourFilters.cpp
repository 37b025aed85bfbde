// Colour separation and merge as imgfx-cli runs them: each plane is a file
// of its own, a grey picture.
#include "FilterRegistry.h"

namespace imgfxcli {
namespace {

using Args = const std::vector<long long>&;

// Files a kind takes besides the planes' (kind 1 has four planes, the
// other kinds three); 0 for a kind the exports reject, which then runs and
// reports FX_ERR_BAD_PARAMETER.
int filesForKind(Args a) {
    const long long kind = a[0];
    return kind == 1 ? 5 : kind >= 0 && kind <= 4 ? 4 : 0;
}

// IN, then the planes it is split into.
int separate(Args a, PictureFiles& files) {
    RasterBitmap* in = files.read(0);
    if (!in)
        return FX_ERR_BAD_BITMAP;
    RasterBitmap* planes[4] = {};
    for (int k = 1; k < files.count(); ++k)
        planes[k - 1] = files.write(k);
    return R_ColorSeparateBitmap(in, planes, static_cast<unsigned>(a[0]));
}

// The planes, then OUT merged from them.
int merge(Args a, PictureFiles& files) {
    RasterBitmap* planes[4] = {};
    const int last = files.count() - 1;
    for (int k = 0; k < last; ++k)
        if (!(planes[k] = files.read(k)))
            return FX_ERR_BAD_BITMAP;
    return R_ColorMergeBitmap(files.write(last), planes, static_cast<unsigned>(a[0]));
}

const FilterEntry entries[] = {
    {.name = "R_ColorSeparateBitmap",
     .argCount = 1,
     .argNames = "kind IN PLANE0 PLANE1 PLANE2 [PLANE3]",
     .run = nullptr,
     .runFiles = separate,
     .minFiles = 4,
     .maxFiles = 5,
     .filesFor = filesForKind},
    {.name = "R_ColorMergeBitmap",
     .argCount = 1,
     .argNames = "kind PLANE0 PLANE1 PLANE2 [PLANE3] OUT",
     .run = nullptr,
     .runFiles = merge,
     .minFiles = 4,
     .maxFiles = 5,
     .filesFor = filesForKind},
};

} // namespace

extern const FilterFamily colourFilters{entries, std::size(entries)};

} // namespace imgfxcli
