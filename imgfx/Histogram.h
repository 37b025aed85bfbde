/* Counting the levels of a bitmap's pixels inside its region. Internal to
 * the library. */
#ifndef IMGFX_HISTOGRAM_H
#define IMGFX_HISTOGRAM_H

#include "imgfx/Frame.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Fills histogram[0..255] with the number of pixels inside the region at
 * each intensity (channel 0) or each level of red (1), green (2) or blue
 * (3). Palette pixels count by their entry's colour (entries past
 * ColorCount as black), 16-bit pixels by their widened fields. Progress
 * runs from from to to over the rows of the region's bounds.
 * Returns FX_OK; FX_ERR_BAD_BITMAP (checked first: also for an unknown
 * depth, a missing palette object or a short palette);
 * FX_ERR_BAD_PARAMETER for a null histogram or a channel above 3;
 * FX_ERR_NO_MEMORY; a kernel code; or the callback's stop value. */
int FxCollectHistogram(RasterBitmap* bitmap, uint32_t histogram[256], unsigned channel, int from,
                       int to);

#ifdef __cplusplus
}
#endif

#endif
