/* Neighbourhood filters: each output pixel is computed from a square window
 * of input pixels (convolution, box average, median, speck removal,
 * grey-level morphology, mosaic tiles), plus additive noise.
 *
 * Window and edges: a window of dimension N covers offsets -(N-1)/2 to +N/2
 * in each direction (for even N one more after the centre than before).
 * Coordinates outside the bitmap take the nearest edge pixel. The window
 * filters read whole rows, so pixels outside a region take part in the
 * arithmetic while only pixels inside the region are written. Each channel
 * byte (one grey byte for grey bitmaps, else blue, green and red) is
 * filtered on its own, and results always come from the unfiltered input.
 *
 * Row order matters for windows that are not symmetric: the 3 x 3 paths,
 * the box average and the median take neighbours in stored-row order (on a
 * bitmap stored bottom-up the row "above" is the picture row below), while
 * the general spatial and binary paths and the mosaic work in picture order.
 *
 * Dimensions and tile sizes below 1 return FX_ERR_BAD_PARAMETER, and so do
 * window dimensions above FX_MAX_DIMENSION. Every filter returns FX_OK,
 * FX_ERR_BAD_BITMAP, FX_ERR_BAD_PARAMETER, FX_ERR_NO_MEMORY, a status
 * callback's stop value or a kernel failure code. "Checked first" below
 * means before the bitmap is looked at, so that a bad parameter wins over a
 * bad bitmap. */
#ifndef IMGFX_IMGFX_NEIGHBOUR_H
#define IMGFX_IMGFX_NEIGHBOUR_H

#include "imgfx/imgfx.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The largest window dimension the window filters accept. */
#define FX_MAX_DIMENSION 65535

/* A convolution kernel: output = sum / Divisor + Bias (without a division
 * when Divisor is 1), integer division truncating toward zero, limited to
 * 0..255. Coefficients hold Dimension x Dimension values in rows, top row
 * first, each row left to right. */
typedef struct SpatialFilter {
    int32_t Divisor;
    int32_t Bias;
    int32_t Dimension;
    int32_t Coefficients[];
} SpatialFilter;

/* A grey-level morphology element. Maximum nonzero takes the largest
 * candidate, 0 the smallest. Elements hold Dimension x Dimension values in
 * rows as above: 0, the position takes part with its level; 256, the
 * position is ignored; any other v, the position takes part with v + level
 * limited to 0..255. */
typedef struct BinaryFilter {
    int32_t Maximum;
    int32_t Dimension;
    int32_t Elements[];
} BinaryFilter;

/* Built-in records are chosen by passing a small number where the record
 * pointer goes: an argument whose value is below 65536 is always an index,
 * never a pointer. */
#define FX_SPATIAL_FILTER(index) ((const SpatialFilter*)(uintptr_t)(index))
#define FX_BINARY_FILTER(index) ((const BinaryFilter*)(uintptr_t)(index))

/* Built-in spatial filters, all 3 x 3: 0-7 emboss (north, north-east, east,
 * south-east, south, south-west, west, north-west; bias 128), 8-15 gradient
 * in the same directions, 16-21 Laplacian (four neighbours, eight,
 * weighted, diagonal, vertical, horizontal), 22-23 Sobel (horizontal,
 * vertical edges), 24-25 Prewitt (horizontal, vertical edges), 26-28 shift
 * and difference (diagonal, vertical, horizontal), 29-32 line (horizontal,
 * vertical, rising diagonal, falling diagonal). */
#define FX_SPATIAL_BUILTIN_COUNT 33
/* Built-in binary filters, all 3 x 3: 0-3 maximum over all directions,
 * horizontal, vertical, rising diagonal; 4-7 minimum over the same. */
#define FX_BINARY_BUILTIN_COUNT 8

/* Convolves with a built-in filter (index) or the caller's record. Checked
 * first, in this order: index >= 33, Divisor 0, Dimension below 1 or above
 * FX_MAX_DIMENSION. Dimension 3 takes the 3 x 3 path (stored rows), any
 * other the general path (picture rows). */
FX_API int R_SpatialFilterBitmap(RasterBitmap* bitmap, const SpatialFilter* filter);

/* Sharpens (sharpness 1..1000, 1000 the eight-neighbour sharpen) or blurs
 * (-1000..-1, -1000 the 3 x 3 box blur) through a built 3 x 3 spatial
 * filter. The bitmap is checked first; then sharpness 0 returns FX_OK at
 * once, and sharpness outside -1000..1000 FX_ERR_BAD_PARAMETER. */
FX_API int R_SharpenBitmap(RasterBitmap* bitmap, int sharpness);

/* Embosses towards direction 0..7 (north, then clockwise) with depth
 * 0..1000 (500 is built-in spatial filter 0 to 7) through a built 3 x 3
 * spatial filter with bias 128. The bitmap is checked first, then direction
 * and depth. */
FX_API int R_EmbossBitmap(RasterBitmap* bitmap, unsigned direction, unsigned depth);

/* Box average of dimension N: window sum / (N x N), truncated; the same
 * work per pixel whatever N. Dimension checked first. */
FX_API int R_AverageFilterBitmap(RasterBitmap* bitmap, int dimension);

/* Median of the N x N window: the smallest level whose cumulative count
 * reaches (N x N + 1) / 2. Dimension checked first; 3 takes the 3 x 3 path. */
FX_API int R_MedianFilterBitmap(RasterBitmap* bitmap, int dimension);

/* Removes specks. 1-bit bitmaps: a set pixel with at most one set neighbour
 * among its eight is cleared, a clear pixel with at most one clear neighbour
 * is set (on the stored bits, whatever the palette). Other bitmaps: a
 * channel byte further than 128 from the median of its 3 x 3 window takes
 * the median. */
FX_API int R_DespeckleBitmap(RasterBitmap* bitmap);

/* Grey-level dilation (maximum) or erosion (minimum) with a built-in
 * element (index) or the caller's record. The bitmap is checked first, then
 * index >= 8, then a Dimension below 1 or above FX_MAX_DIMENSION. All
 * positions ignored leaves 0 (maximum) or 255 (minimum) everywhere.
 *
 * 1-bit bitmaps are filtered on their bits as levels 0 (bit 0) and 255
 * (bit 1) when index 0 is black (grey kind 1), and the same with maximum
 * and minimum exchanged when index 0 is white (grey kind 2), in picture
 * rows whatever the dimension; a result level of 128 or more gives bit 1. So element values above
 * 127 force every bit to 1 under the maximum, values below -127 force 0 under the minimum, and
 * other values act as 0 or as ignored. A 1-bit bitmap with any other
 * palette is left alone and its grey kind (0) is returned. */
FX_API int R_BinaryFilterBitmap(RasterBitmap* bitmap, const BinaryFilter* filter);

/* Fills tiles of tileSize x tileSize pixels, counted from the picture's
 * top-left corner (the last column and row of tiles may be smaller), with
 * their average colour; only pixels inside the region change, but every
 * pixel of a tile counts. Tile size checked first. */
FX_API int R_MosaicBitmap(RasterBitmap* bitmap, int tileSize);

/* Adds noise within +-(range x 255 + 500) / 1000 (range 0..1000) to all
 * channels alike (channel 0) or to red (1), green (2) or blue (3) only,
 * pixel by pixel inside the region, left to right, top stored row first.
 * Every pixel advances this thread's noise seed once, even with range 0:
 * seed = (seed x 1366 + 150889) mod 714025 in unsigned 32-bit arithmetic,
 * noise = seed mod (2b + 1) - b. Range and channel checked first. */
FX_API int R_AddBitmapNoise(RasterBitmap* bitmap, unsigned range, unsigned channel);

#ifdef __cplusplus
}
#endif

#endif
