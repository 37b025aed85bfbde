/* The median networks and the bitwise selection, shared by the median and
 * speck removal. Rows are a window's rows, top first, with pixel 0 at
 * column 0; k0 and n count bytes. Internal to the library. */
#ifndef IMGFX_MEDIANROWS_H
#define IMGFX_MEDIANROWS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* out[k] = the fifth smallest of the 3 x 3 window's bytes around k for
 * k0 <= k < k0 + n, on three unpadded rows of rowBytes bytes, read only
 * inside them: windows at the row's ends repeat its edge pixels. */
void FxMedian3(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes, int k0, int n);
/* The path of the 3 x 3 median: 0 sorts the columns into passes through
 * the first-level cache; FX_FUSED_LANES (1) keeps them in 128-bit
 * registers with AVX2 or AVX-512 (passes without), FX_FUSED_WHOLE (2) in
 * the level's whole registers (512, 256 or, with SSE2 alone, 128 bits); -1
 * goes back to the choice for the processor. The same bytes on every
 * path; speck removal always takes the passes. For the tests, which run
 * each. */
void FxMedian3Choose(int path);
/* out[k] = that median where the centre byte lies more than 128 from it,
 * else the centre byte. */
void FxDespeckle3(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes, int k0, int n);

/* The largest dimension FxMedianSelect takes: its counts are bytes. */
#define FX_SELECT_MAX_DIMENSION 15

/* Medians of dim x dim windows (dim at most FX_SELECT_MAX_DIMENSION) for
 * the bytes k0 .. k0 + n - 1 of a row: rows are the window's padded rows
 * (pixel 0 at column 0, (dim - 1) / 2 pixels of padding in front, dim / 2
 * behind), each readable for 63 bytes past its padding. The level is found
 * bit by bit from the top, counting the window values at or below each
 * trial level, 64 bytes at a time. */
void FxMedianSelect(uint8_t* out, const uint8_t* const* rows, int dim, int bpp, int k0, int n);

/* Medians of 5 x 5 windows, with the rows of FxMedianSelect (only 2 pixels
 * of padding read beyond the window on either side), by a network of
 * minima and maxima. */
void FxMedian5(uint8_t* out, const uint8_t* const* rows, int bpp, int k0, int n);

#ifdef __cplusplus
}
#endif

#endif
