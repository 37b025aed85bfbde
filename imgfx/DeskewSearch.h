/* The skew search of deskew. Internal to the library. */
#ifndef IMGFX_DESKEWSEARCH_H
#define IMGFX_DESKEWSEARCH_H

#include "imgfx/Frame.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Offsets are searched from -FX_SKEW_REACH to FX_SKEW_REACH rows, with rows
 * compared FX_SKEW_SHIFT pixels apart. */
#define FX_SKEW_REACH 23
#define FX_SKEW_SHIFT 128

/* The angle of a vertical offset in hundredths of a degree:
 * round(100 * atan(|offset| / 128)) in degrees, negative for a negative
 * offset, then negated again unless rows are stored bottom-up (rowOrder 2),
 * so that the kernel's rotation levels the rows. |offset| at most 23. */
int FxSkewAngle(int offset, int rowOrder);

/* Finds the offset whose rows are most alike (see R_DeskewBitmap) with
 * progress from from to to. Returns FX_OK with *offset; FX_ERR_BAD_BITMAP
 * (null bitmap, Flags bit 0 clear, an unknown depth, a missing palette
 * object or a short palette); FX_ERR_NO_MEMORY; a kernel code; or the
 * callback's stop value. */
int FxFindSkew(RasterBitmap* bitmap, int from, int to, int* offset);

/* FxFindSkew that, for 8-bit grey bitmaps large enough to compare, counts
 * the stored levels of the whole bitmap as it reads them (ignoring any
 * region): *counted is then 1 and histogram holds what FxCollectHistogram
 * would give for the bitmap without its region; otherwise *counted is 0
 * and histogram is left as it was. */
int FxFindSkewCounting(RasterBitmap* bitmap, int from, int to, int* offset, uint32_t histogram[256],
                       int* counted);

#ifdef __cplusplus
}
#endif

#endif
