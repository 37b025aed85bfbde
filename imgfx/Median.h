/* The 3 x 3 median walk, shared by R_MedianFilterBitmap and
 * R_DespeckleBitmap. Internal to the library. */
#ifndef IMGFX_MEDIAN_H
#define IMGFX_MEDIAN_H

#include "imgfx/imgfx_neighbour.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces every channel byte inside the region by the median of its 3 x 3
 * window on stored rows, or (despeckle nonzero) only where it lies more
 * than 128 from that median. Checks the bitmap. */
int FxMedian3x3(RasterBitmap* bitmap, int despeckle);

#ifdef __cplusplus
}
#endif

#endif
