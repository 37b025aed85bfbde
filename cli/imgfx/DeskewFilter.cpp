// Deskew as imgfx-cli runs it, telling the angle it rotated by.
#include "FilterRegistry.h"

#include <string>

namespace imgfxcli {
namespace {

const FilterEntry entries[] = {
    {"R_DeskewBitmap", 0, "", nullptr,
     [](RasterBitmap* b, const std::vector<long long>&, FilterIo& io) {
         int angle = 0;
         const int status = R_DeskewBitmapAngle(b, &angle);
         io.note = "rotated by " + std::to_string(angle) + " hundredths of a degree";
         return status;
     }},
};

} // namespace

extern const FilterFamily deskewFilters{entries, std::size(entries)};

} // namespace imgfxcli
