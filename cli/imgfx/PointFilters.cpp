// Point and colour operations as imgfx-cli runs them.
#include "FilterRegistry.h"

namespace imgfxcli {
namespace {

const FilterEntry entries[] = {
    {"R_InvertBitmap", 0, "",
     [](RasterBitmap* b, const std::vector<long long>&) { return R_InvertBitmap(b); }},
};

} // namespace

extern const FilterFamily pointFilters{entries, std::size(entries)};

} // namespace imgfxcli
