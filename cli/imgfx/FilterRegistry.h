#pragma once

#include "imgfx/imgfx.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace imgfxcli {

// One filter export as the tool runs it: its own name, its numeric
// arguments in order, and a call of the export with them. Arguments arrive
// checked to lie in the 32-bit signed or unsigned range; run casts them to
// the export's parameter types.
struct FilterEntry {
    const char* name;
    int argCount;
    const char* argNames; // for the usage text, e.g. "change" or ""
    int (*run)(RasterBitmap* bitmap, const std::vector<long long>& args);
};

// The filters of one family, defined in the family's own source file.
struct FilterFamily {
    const FilterEntry* entries;
    std::size_t count;
};

// The filter of that name, or null.
const FilterEntry* findFilter(std::string_view name);
// Every filter of every family, in family order.
std::vector<const FilterEntry*> allFilters();

} // namespace imgfxcli
