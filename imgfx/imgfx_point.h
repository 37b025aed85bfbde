/* Point and colour operations: each pixel changes by a function of itself.
 *
 * Two paths, chosen by the bitmap: palette bitmaps (1, 4 or 8 bits) without
 * a region change only the ColorCount entries of their palette object in
 * use (and Colors, unless Flags bit 14 says it is not kept in step); the
 * callback then sees the start value and 100. Everything else changes pixel
 * by pixel, row by row inside the region, with progress rising from the
 * start value to 100.
 *
 * Levels are 0..255; "clamp" limits a value to that range. All divisions
 * truncate toward zero. Unless said otherwise an operation checks the
 * bitmap first (FX_ERR_BAD_BITMAP), then its arguments
 * (FX_ERR_BAD_PARAMETER); "arguments first" reverses that order, so that a
 * bad argument wins over a bad bitmap.
 *
 * Every operation returns FX_OK; FX_ERR_BAD_BITMAP for a null bitmap, one
 * whose Flags bit 0 is clear, a missing palette object or a palette that
 * holds fewer entries than ColorCount (nothing changed); FX_ERR_BAD_PARAMETER
 * for an argument out of range (nothing changed); FX_ERR_NO_MEMORY; or the
 * callback's stop value, with the rows written so far left written. */
#ifndef IMGFX_IMGFX_POINT_H
#define IMGFX_IMGFX_POINT_H

#include "imgfx/imgfx.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Adds (change * 255 + 500) / 1000 to every level of red, green and blue,
 * clamped: 1000 makes everything white, -1 changes nothing. change lies in
 * -1000..1000, arguments first. */
FX_API int R_ChangeBitmapIntensity(RasterBitmap* bitmap, int change);

/* Spreads levels away from 128 (change > 0) or pulls them toward it without
 * crossing it (change < 0) by d = (change * 128 + 500) / 1000: a level
 * i < 128 becomes max(min(i - d, 128), 0), a level i >= 128 becomes
 * min(max(i + d, 128), 255). change lies in -1000..1000, arguments first. */
FX_API int R_ChangeBitmapContrast(RasterBitmap* bitmap, int change);

/* Reduces every channel to levels evenly spread over 0..255:
 * i becomes ((levels - 1) / 2 + ((levels - 1) * i + 128) / 255 * 255) /
 * (levels - 1), worked without overflow for any count, so 2 levels split
 * at 127. levels >= 2, arguments first. */
FX_API int R_PosterizeBitmap(RasterBitmap* bitmap, unsigned levels);

/* Makes every level within low..high white and every other level black,
 * channel by channel; low above high makes everything black. low and high
 * at most 255, arguments first. */
FX_API int R_IntensityDetectBitmap(RasterBitmap* bitmap, unsigned low, unsigned high);

/* Gamma correction with gamma given times 100: i becomes
 * trunc(pow(i / 255, 100 / gamma) * 255 + 0.5), clamped. gamma 100 changes
 * nothing; a negative gamma gives levels of 255 and beyond, so everything
 * turns white; gamma 0 is rejected, arguments first. */
FX_API int R_GammaCorrectBitmap(RasterBitmap* bitmap, int gamma);

/* Maps levels through the caller's table of 256 output levels (entry i for
 * input level i; it must hold 256 entries), on every channel (channel 0),
 * or on red (1), green (2) or blue (3) only. The bitmap is checked first;
 * a null table or a channel above 3 is FX_ERR_BAD_PARAMETER. */
FX_API int R_RemapBitmapIntensity(RasterBitmap* bitmap, const uint8_t* table, unsigned channel);

/* Histogram equalisation: counts the intensity (5G + 2R + B + 4) >> 3 of
 * the pixels inside the region (progress 0 to 50), then maps every level i
 * of red, green and blue to (pixels of intensity at most i) * 255 /
 * (pixels in the region) (progress 51 to 100). A region without pixels
 * changes nothing. */
FX_API int R_HistoEqualizeBitmap(RasterBitmap* bitmap);

/* Stretches the intensities found inside the region: with low and high the
 * least and greatest intensity present and mid = (low + high) / 2, level j
 * becomes clamp((j - mid) * 128 / (high - mid) + 127). A bitmap of a
 * single intensity (high = mid) is left as it is. Progress as for
 * equalisation. */
FX_API int R_StretchBitmapIntensity(RasterBitmap* bitmap);

/* Contrast about the middle of the intensities found inside the region
 * (mid as for stretching) instead of 128, with d = (change * 128 + 500) /
 * 1000 as for R_ChangeBitmapContrast. change lies in -1000..1000, arguments
 * first. Progress as for equalisation. */
FX_API int R_HistoContrastBitmap(RasterBitmap* bitmap, int change);

/* Turns the hue of every colour by angle degrees: the hue, in 256 steps to
 * the full circle with red 0, green 85 and blue 171, gains the low 8 bits
 * of angle * 256 / 360 (so 360 changes nothing); saturation and value
 * stay. Greys keep their colour. Any angle is accepted. */
FX_API int R_ChangeBitmapHue(RasterBitmap* bitmap, int angle);

/* Adds (change * 255 + 500) / 1000 to the saturation (0..255) of every
 * colour, clamped; hue and value stay. Greys have no hue and stay grey.
 * change lies in -1000..1000; the bitmap is checked first. */
FX_API int R_ChangeBitmapSaturation(RasterBitmap* bitmap, int change);

/* Fills histogram[0..255] with the number of pixels inside the region at
 * each intensity (channel 0) or each level of red (1), green (2) or blue
 * (3); palette pixels count by the colour of their entry. The bitmap is not
 * changed. The bitmap is checked first; a null histogram or a channel above
 * 3 is FX_ERR_BAD_PARAMETER. Progress 0 to 100 over the region's rows. */
FX_API int R_GetBitmapHistogram(RasterBitmap* bitmap, uint32_t* histogram, unsigned channel);

/* Replaces every level v of red, green and blue by 255 - v. */
FX_API int R_InvertBitmap(RasterBitmap* bitmap);

#ifdef __cplusplus
}
#endif

#endif
