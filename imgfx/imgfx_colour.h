/* Colour separation and merge: a bitmap split into grey planes, one per
 * channel of a colour space, and planes merged back into a colour bitmap.
 *
 * Kinds (both exports) and their planes, plane k holding byte k of each
 * pixel in the kind's space (the kernel's KConvertColorSpace):
 *   0  blue, green, red                         3 planes
 *   1  cyan, magenta, yellow, black (CMYK)      4 planes
 *   2  hue, saturation, value (HSV)             3 planes
 *   3  hue, lightness, saturation (HLS)         3 planes
 *   4  cyan, magenta, yellow (CMY)              3 planes
 * Kinds 0, 1 and 4 give the colours back exactly; 2 and 3 within a few
 * levels, since hue has 256 steps to the circle.
 *
 * Neither export looks at regions; both work on whole stored rows. Progress
 * runs from 0 to 100 over the rows; a callback stop returns the callback's
 * value and leaves the rows written so far in place (in the planes, or in
 * the merged bitmap, which the caller then owns and frees as usual). */
#ifndef IMGFX_IMGFX_COLOUR_H
#define IMGFX_IMGFX_COLOUR_H

#include "imgfx/imgfx.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Splits bitmap into the planes of kind. planes holds one record pointer a
 * plane, in plane order; each record is overwritten with a new 8-bit grey
 * bitmap (index = level) of the bitmap's width, height and row order, which
 * the caller owns and frees with KFreeBitmap. Palette bitmaps separate
 * through their palette colours (indices past ColorCount read as black).
 * Returns FX_OK; FX_ERR_BAD_BITMAP (checked first: null bitmap, Flags bit 0
 * clear, an unknown depth, a missing palette object or a short palette);
 * FX_ERR_BAD_PARAMETER for a kind above 4, a null planes array, or a plane
 * pointer that is the bitmap itself or repeats an earlier one (nothing
 * allocated), or for a null plane pointer (the planes before it are freed
 * again); a kernel code when a plane cannot be allocated (likewise);
 * FX_ERR_NO_MEMORY; or the callback's stop value. */
FX_API int R_ColorSeparateBitmap(RasterBitmap* bitmap, RasterBitmap** planes, unsigned kind);

/* Merges the planes of kind (3, or 4 for kind 1) into target, which is
 * overwritten with a new 24-bit bitmap (blue, green, red; rows stored
 * bottom-up) that the caller owns and frees with KFreeBitmap. Planes may be
 * of any depth: each pixel counts by its grey level (the intensity of its
 * colour). The target takes the smallest plane width and height; a plane
 * larger than that gives its first stored rows and first columns, so
 * planes of one row order stay aligned.
 * Returns FX_OK; FX_ERR_BAD_PARAMETER (checked first) for a null target, a
 * null planes array, a kind above 4 or a target that is one of the planes;
 * FX_ERR_BAD_BITMAP for a null plane, one whose Flags bit 0 is clear or one
 * of an unknown depth; FX_ERR_NO_MEMORY when the target or a buffer cannot
 * be had (target left unallocated); or the callback's stop value. */
FX_API int R_ColorMergeBitmap(RasterBitmap* target, RasterBitmap** planes, unsigned kind);

#ifdef __cplusplus
}
#endif

#endif
