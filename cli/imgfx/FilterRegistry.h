#pragma once

#include "imgfx/imgfx.h"

#include <cstddef>
#include <cstdint>
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
    // Filters that take a caller's record (one argument, a record pointer or
    // a built-in index): instead of a number the argument may name a text
    // file of whole numbers, the record's fields in order. recordHeader
    // counts the fields before the dimension x dimension values, the last of
    // them being the dimension; runRecord calls the export with the record.
    int recordHeader = 0;
    int (*runRecord)(RasterBitmap* bitmap, const std::vector<int32_t>& record) = nullptr;
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
