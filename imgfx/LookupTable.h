/* Lookup tables of output levels: applying them to bytes, palette entries
 * and bitmaps. The common pixel path of the point operations. */
#ifndef IMGFX_LOOKUPTABLE_H
#define IMGFX_LOOKUPTABLE_H

#include "imgfx/Frame.h"

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Channel selectors: all three channels, or one of them. */
#define FX_CHANNEL_ALL 0
#define FX_CHANNEL_RED 1
#define FX_CHANNEL_GREEN 2
#define FX_CHANNEL_BLUE 3

/* Replaces each of n bytes b by table[b]. */
void FxMapBytes(uint8_t* bytes, size_t n, const uint8_t table[256]);
/* Replaces one byte of each of n pixels, stride bytes apart from first. */
void FxMapChannel(uint8_t* first, size_t n, size_t stride, const uint8_t table[256]);
/* Maps the selected channel(s) of count palette entries. */
void FxMapEntries(RasterColor* entries, int count, const uint8_t table[256], int channel);

/* The pixel path: walks the bitmap's region (in colour for channels 1 to 3,
 * so that grey bitmaps arrive as grey bytes only for channel 0) and maps
 * the selected bytes of every pixel inside the spans, with progress from
 * from to to. Returns FX_OK, a walker failure or a stop value. */
int FxApplyLookupTable(RasterBitmap* bitmap, const uint8_t table[256], int channel, int from,
                       int to);

/* Applies a table by the path the bitmap calls for: its palette (progress
 * from, then 100) or its pixels (progress from to 100). The bitmap must have
 * passed FxCheckBitmap. */
int FxApplyTable(RasterBitmap* bitmap, const uint8_t table[256], int channel, int from);

#ifdef __cplusplus
}
#endif

#endif
