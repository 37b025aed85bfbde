#pragma once

#include "imgfx/imgfx.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace imgfxcli {

// What a filter reads besides its numeric arguments, and what it reports
// besides its status.
struct FilterIo {
    std::vector<uint8_t> table;    // the levels of the table file, for a table argument
    std::vector<uint32_t> numbers; // printed one a line after the status, when FX_OK
};

// One filter export as the tool runs it: its own name, its arguments in
// order, and a call of the export with them. Numeric arguments arrive
// checked to lie in the 32-bit signed or unsigned range; run casts them to
// the export's parameter types. A filter that takes a table file or reports
// numbers has runIo instead of run; the table argument's slot in args holds
// 0 and its levels arrive in io.table.
struct FilterEntry {
    const char* name;
    int argCount;
    const char* argNames; // for the usage text, e.g. "change" or ""
    int (*run)(RasterBitmap* bitmap, const std::vector<long long>& args);
    int (*runIo)(RasterBitmap* bitmap, const std::vector<long long>& args, FilterIo& io) = nullptr;
    // Index of the argument that names a table file (256 levels), or -1.
    int tableArg = -1;
    // The filter leaves the picture as it is: it takes no OUT.
    bool readsOnly = false;
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
