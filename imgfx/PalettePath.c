#include "imgfx/PalettePath.h"

#include <string.h>

int FxChangePalette(RasterBitmap* bitmap, int from, FxPaletteChange change, void* context) {
    KPalette* palette =
        (bitmap->Flags & RB_FLAG_ALT_PALETTE) ? bitmap->AltPalette : bitmap->Palette;
    if (!palette)
        return FX_ERR_BAD_BITMAP;
    const int count = bitmap->ColorCount;
    RasterColor entries[256];
    if (count < 0 || count > 256 || KGetPaletteEntries(palette, 0, count, entries) != count)
        return FX_ERR_BAD_BITMAP;
    StatusCallback callback = KGetStatusCallback();
    int status = FxProgressReport(callback, from);
    if (status != FX_OK)
        return status;
    change(context, entries, count);
    if (!(bitmap->Flags & RB_FLAG_COLORS_UNSYNCED))
        memcpy(bitmap->Colors, entries, (size_t)count * sizeof(RasterColor));
    KSetPaletteEntries(palette, 0, count, entries);
    return FxProgressReport(callback, 100);
}
