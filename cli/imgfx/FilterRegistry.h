#pragma once

#include "imgfx/imgfx.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace imgfxcli {

// What a filter reads besides its numeric arguments, and what it reports
// besides its status.
struct FilterIo {
    std::vector<uint8_t> table;    // the levels of the table file, for a table argument
    std::vector<uint32_t> numbers; // printed one a line after the status, when FX_OK
    std::string note;              // printed on standard error after the status, when FX_OK
};

// The pictures of a filter that reads or writes several of them (runFiles):
// the files named after its numeric arguments, in order.
class PictureFiles {
public:
    virtual int count() const = 0;
    // File i read as a bitmap of the file's own kind, with the command
    // line's region and row order; null when it cannot be read (the tool then reports it
    // and exits with ExitInput, whatever the filter returns).
    virtual RasterBitmap* read(int i) = 0;
    // An empty record for the filter to allocate a bitmap in; once the
    // filter returns FX_OK that bitmap is written to file i.
    virtual RasterBitmap* write(int i) = 0;

protected:
    ~PictureFiles() = default;
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
    // A filter over several pictures has runFiles instead of run: after its
    // numeric arguments come minFiles to maxFiles file names (argNames
    // names them too), and filesFor, given the arguments, says how many
    // they must be (0: any count in that range).
    int (*runFiles)(const std::vector<long long>& args, PictureFiles& files) = nullptr;
    int minFiles = 0, maxFiles = 0;
    int (*filesFor)(const std::vector<long long>& args) = nullptr;
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
