#include "FilterRegistry.h"

namespace imgfxcli {

#define IMGFX_FAMILY(family) extern const FilterFamily family;
#include "Families.def"
#undef IMGFX_FAMILY

namespace {
#define IMGFX_FAMILY(family) &family,
const FilterFamily* const families[] = {
#include "Families.def"
};
#undef IMGFX_FAMILY
} // namespace

const FilterEntry* findFilter(std::string_view name) {
    for (const FilterFamily* family : families)
        for (std::size_t i = 0; i < family->count; ++i)
            if (name == family->entries[i].name)
                return &family->entries[i];
    return nullptr;
}

std::vector<const FilterEntry*> allFilters() {
    std::vector<const FilterEntry*> filters;
    for (const FilterFamily* family : families)
        for (std::size_t i = 0; i < family->count; ++i)
            filters.push_back(&family->entries[i]);
    return filters;
}

} // namespace imgfxcli
