/* Point and colour operations: each pixel changes by a function of itself.
 * Palette bitmaps without a region change only their palette (the callback
 * sees the start value and 100); everything else changes row by row inside
 * the region. */
#ifndef IMGFX_IMGFX_POINT_H
#define IMGFX_IMGFX_POINT_H

#include "imgfx/imgfx.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces every level v of red, green and blue by 255 - v. Returns FX_OK,
 * FX_ERR_BAD_BITMAP, FX_ERR_NO_MEMORY or a stop value. */
FX_API int R_InvertBitmap(RasterBitmap* bitmap);

#ifdef __cplusplus
}
#endif

#endif
