/* Convolution with a kernel of any dimension: the engine behind
 * R_SpatialFilterBitmap, R_SharpenBitmap and R_EmbossBitmap. Internal to
 * the library. */
#ifndef IMGFX_CONVOLUTION_H
#define IMGFX_CONVOLUTION_H

#include "imgfx/Frame.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A resolved spatial filter: output = sum / Divisor + Bias (no division
 * when Divisor is 1), truncating toward zero, limited to 0..255. */
typedef struct FxKernel {
    int32_t Divisor; /* nonzero */
    int32_t Bias;
    int32_t Dimension;           /* 1 .. FX_MAX_DIMENSION */
    const int32_t* Coefficients; /* Dimension x Dimension, top row first */
} FxKernel;

/* Convolves the bitmap: dimension 3 on stored rows, others on picture
 * rows. The kernel must have passed the parameter checks. */
int FxConvolve(RasterBitmap* bitmap, const FxKernel* kernel);

/* Widths of the arithmetic a kernel's sums need: the extreme sums of
 * levels 0..255 (plus bias margins) decide. */
typedef enum FxSumWidth { FX_SUM_16, FX_SUM_32, FX_SUM_64 } FxSumWidth;

/* The output levels' arithmetic for one kernel: sums are limited to
 * [Low, High] and then Bias is added, which gives the same level as adding
 * the caller's bias and limiting to 0..255, in the narrowest width. */
typedef struct FxSumRange {
    FxSumWidth Width;
    int64_t Low, High, Bias;
} FxSumRange;

FxSumRange FxSumRangeOf(const FxKernel* kernel);

#ifdef __cplusplus
}
#endif

#endif
