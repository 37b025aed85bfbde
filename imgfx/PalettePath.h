/* The palette path of the point operations: palette bitmaps without a
 * region change at most 256 palette entries instead of their pixels. */
#ifndef IMGFX_PALETTEPATH_H
#define IMGFX_PALETTEPATH_H

#include "imgfx/Frame.h"

#ifdef __cplusplus
extern "C" {
#endif

/* True when a point operation takes the palette path: fewer than 16 bits per
 * pixel and no region. */
static inline int FxUsesPalettePath(const RasterBitmap* bitmap) {
    return bitmap->BitsPerPixel < 16 && bitmap->HasRegion == 0;
}

/* Reads the ColorCount entries of the palette object in use (AltPalette
 * when Flags bit 10 is set) into entries; returns their count, or -1 when
 * there is no palette object or it holds fewer entries than ColorCount. */
int FxReadPalette(const RasterBitmap* bitmap, RasterColor entries[256]);

/* Changes count palette entries in place. */
typedef void (*FxPaletteChange)(void* context, RasterColor* entries, int count);

/* Reads the ColorCount entries of the palette object in use, reports from to
 * the callback, lets change alter them, keeps Colors in step (unless Flags
 * bit 14 says otherwise), writes the entries back and reports 100. Returns
 * FX_OK, FX_ERR_BAD_BITMAP (no palette object, or a short read; nothing
 * changed) or a stop value (before the change: nothing changed). */
int FxChangePalette(RasterBitmap* bitmap, int from, FxPaletteChange change, void* context);

#ifdef __cplusplus
}
#endif

#endif
