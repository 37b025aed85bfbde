#include "imgfx/PalettePath.h"

#include <string.h>

static KPalette* paletteInUse(const RasterBitmap* bitmap) {
    return (bitmap->Flags & RB_FLAG_ALT_PALETTE) ? bitmap->AltPalette : bitmap->Palette;
}

int FxReadPalette(const RasterBitmap* bitmap, RasterColor entries[256]) {
    const KPalette* palette = paletteInUse(bitmap);
    const int count = bitmap->ColorCount;
    if (!palette || count < 0 || count > 256 ||
        KGetPaletteEntries(palette, 0, count, entries) != count)
        return -1;
    return count;
}

int FxChangePalette(RasterBitmap* bitmap, int from, FxPaletteChange change, void* context) {
    RasterColor entries[256];
    const int count = FxReadPalette(bitmap, entries);
    if (count < 0)
        return FX_ERR_BAD_BITMAP;
    StatusCallback callback = KGetStatusCallback();
    int status = FxProgressReport(callback, from);
    if (status != FX_OK)
        return status;
    change(context, entries, count);
    if (!(bitmap->Flags & RB_FLAG_COLORS_UNSYNCED))
        memcpy(bitmap->Colors, entries, (size_t)count * sizeof(RasterColor));
    KSetPaletteEntries(paletteInUse(bitmap), 0, count, entries);
    return FxProgressReport(callback, 100);
}
