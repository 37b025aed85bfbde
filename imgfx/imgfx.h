/* imgfx: raster filters on the bitmaps of the imaging kernel.
 *
 * Every filter takes a RasterBitmap the caller owns (allocated through the
 * kernel, see rkkernel/rkkernel.h), changes it in place and returns a status
 * code. Progress is reported to the status callback the caller installed on
 * its thread with KSetStatusCallback; a callback result other than 1 stops
 * the filter, which then returns that value with the rows written so far
 * left written. Filters run on the caller's thread; two threads must not
 * filter the same bitmap at once.
 *
 * Processor levels: the library and its kernel choose once, when they
 * load, the widest vector code the processor has (AVX-512, AVX2 or plain
 * x86-64; KIsaLevel tells which), and every level gives the same pixels.
 * The environment variable IMGFX_ISA caps the choice: "avx512" (no cap),
 * "avx2" or "baseline"; any other value is ignored with one line on
 * standard error.
 *
 * This header holds the frame shared by all filters and includes one header
 * per filter family. */
#ifndef IMGFX_IMGFX_H
#define IMGFX_IMGFX_H

#include "rkkernel/rkkernel.h"

#define FX_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* Status codes. Any other value returned is a status callback's stop value
 * or a kernel failure code passed on unchanged. */
#define FX_OK 1
#define FX_ERR_NO_MEMORY (-1)
/* Null bitmap, Flags bit 0 clear, palette object in use missing, or fewer
 * palette entries readable than ColorCount. */
#define FX_ERR_BAD_BITMAP (-2)
#define FX_ERR_BAD_PARAMETER (-13)

/* Progress callback: percent done; return 1 to go on, anything else stops. */
typedef KStatusCallback StatusCallback;

/* The calling thread's noise seed, which the noise filter advances once per
 * pixel and never resets; 0 in every thread until set. */
FX_API uint32_t R_GetBitmapNoiseSeed(void);
FX_API void R_SetBitmapNoiseSeed(uint32_t seed);

#ifdef __cplusplus
}
#endif

#include "imgfx/imgfx_colour.h"
#include "imgfx/imgfx_deskew.h"
#include "imgfx/imgfx_neighbour.h"
#include "imgfx/imgfx_point.h"

#endif
