/* Deskew: straightening a scanned page that lies slightly askew. */
#ifndef IMGFX_IMGFX_DESKEW_H
#define IMGFX_IMGFX_DESKEW_H

#include "imgfx/imgfx.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Finds the skew of the page and rotates the bitmap in place to undo it.
 *
 * Each stored row l from 23 to Height - 24 is compared with row l + s,
 * pixel x against pixel x + 128, for the 47 offsets s from -23 to 23; the
 * offset whose rows are most alike over the whole page wins (the earliest
 * on ties, 0 when nothing is alike). Alike means: for 1-bit bitmaps both
 * pixels are the lighter of the two palette colours; otherwise the sum of
 * the products of the two pixels' intensities (5G + 2R + B + 4) >> 3,
 * divided by 255 * 255 row by row. The offset becomes an angle of
 * round(100 * atan(|s| / 128)) hundredths of a degree (0, 45, 90, ..., 1019
 * for |s| = 23), negative for s < 0 and negated again unless rows are
 * stored bottom-up, so that the kernel's rotation (KRotateBitmap, positive
 * clockwise as shown) levels the lines. Pictures of fewer than 47 rows or
 * at most 128 columns are not compared: their angle is 0.
 *
 * The corners the rotation uncovers take the most common intensity of the
 * whole bitmap (the lowest on ties), counted with any region lifted for the
 * count and put back after it; the rotation itself ignores regions. The
 * bitmap is rotated even by 0 (which changes no pixel).
 *
 * Progress: 0 to 33 over the comparisons, 34 to 66 over the count (only
 * when the angle is not 0), 67 to 100 over the rotation.
 * Returns FX_OK; FX_ERR_BAD_BITMAP (null bitmap, Flags bit 0 clear, an
 * unknown depth, a missing palette object or a short palette);
 * FX_ERR_NO_MEMORY; a kernel code; or the callback's stop value (a stop
 * before the rotation leaves the bitmap as it was). */
FX_API int R_DeskewBitmap(RasterBitmap* bitmap);

/* R_DeskewBitmap that also tells the angle: when angle is not null it
 * receives the angle in hundredths of a degree the bitmap is rotated by,
 * once the search has found it (0 when the call fails before that). */
FX_API int R_DeskewBitmapAngle(RasterBitmap* bitmap, int* angle);

#ifdef __cplusplus
}
#endif

#endif
