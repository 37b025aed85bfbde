/* R_SpatialFilterBitmap with its 33 built-in filters, and the two filters
 * that build a 3 x 3 kernel for it: R_SharpenBitmap and R_EmbossBitmap. */
#include "imgfx/Convolution.h"
#include "imgfx/imgfx_neighbour.h"

/* Divisor 1 throughout; bias 128 for the emboss filters 0-7, else 0. */
static const int32_t builtins[FX_SPATIAL_BUILTIN_COUNT][9] = {
    {0, 1, 0, 0, 0, 0, 0, -1, 0},      {0, 0, 1, 0, 0, 0, -1, 0, 0},
    {0, 0, 0, -1, 0, 1, 0, 0, 0},      {-1, 0, 0, 0, 0, 0, 0, 0, 1},
    {0, -1, 0, 0, 0, 0, 0, 1, 0},      {0, 0, -1, 0, 0, 0, 1, 0, 0},
    {0, 0, 0, 1, 0, -1, 0, 0, 0},      {1, 0, 0, 0, 0, 0, 0, 0, -1},
    {1, 1, 1, 1, -2, 1, -1, -1, -1},   {1, 1, 1, -1, -2, 1, -1, -1, 1},
    {-1, 1, 1, -1, -2, 1, -1, 1, 1},   {-1, -1, 1, -1, -2, 1, 1, 1, 1},
    {-1, -1, -1, 1, -2, 1, 1, 1, 1},   {1, -1, -1, 1, -2, -1, 1, 1, 1},
    {1, 1, -1, 1, -2, -1, 1, 1, -1},   {1, 1, 1, 1, -2, -1, 1, -1, -1},
    {0, -1, 0, -1, 4, -1, 0, -1, 0},   {-1, -1, -1, -1, 8, -1, -1, -1, -1},
    {1, -2, 1, -2, 4, -2, 1, -2, 1},   {-1, 0, -1, 0, 4, 0, -1, 0, -1},
    {0, -1, 0, 0, 2, 0, 0, -1, 0},     {0, 0, 0, -1, 2, -1, 0, 0, 0},
    {1, 2, 1, 0, 0, 0, -1, -2, -1},    {1, 0, -1, 2, 0, -2, 1, 0, -1},
    {-1, -1, -1, 0, 0, 0, 1, 1, 1},    {1, 0, -1, 1, 0, -1, 1, 0, -1},
    {-1, 0, 0, 0, 1, 0, 0, 0, 0},      {0, -1, 0, 0, 1, 0, 0, 0, 0},
    {0, 0, 0, -1, 1, 0, 0, 0, 0},      {-1, -1, -1, 2, 2, 2, -1, -1, -1},
    {-1, 2, -1, -1, 2, -1, -1, 2, -1}, {-1, -1, 2, -1, 2, -1, 2, -1, -1},
    {2, -1, -1, -1, 2, -1, -1, -1, 2},
};

/* Small numbers passed for the record pointer are indexes. */
static inline int isIndex(const void* record) {
    return (uintptr_t)record < 0x10000u;
}

int R_SpatialFilterBitmap(RasterBitmap* bitmap, const SpatialFilter* filter) {
    FxKernel kernel;
    if (isIndex(filter)) {
        const uintptr_t index = (uintptr_t)filter;
        if (index >= FX_SPATIAL_BUILTIN_COUNT)
            return FX_ERR_BAD_PARAMETER;
        kernel = (FxKernel){1, index < 8 ? 128 : 0, 3, builtins[index]};
    } else {
        kernel = (FxKernel){filter->Divisor, filter->Bias, filter->Dimension, filter->Coefficients};
    }
    if (kernel.Divisor == 0)
        return FX_ERR_BAD_PARAMETER;
    if (kernel.Dimension < 1 || kernel.Dimension > FX_MAX_DIMENSION)
        return FX_ERR_BAD_PARAMETER;
    return FxConvolve(bitmap, &kernel);
}

/* A 3 x 3 record from the kernel's allocator, as the library has always
 * built them (its failure is FX_ERR_NO_MEMORY). */
static SpatialFilter* newRecord3(int32_t divisor, int32_t bias, int32_t fill) {
    SpatialFilter* record = KAlloc(sizeof(SpatialFilter) + 9 * sizeof(int32_t), 0);
    if (!record)
        return NULL;
    record->Divisor = divisor;
    record->Bias = bias;
    record->Dimension = 3;
    for (int i = 0; i < 9; ++i)
        record->Coefficients[i] = fill;
    return record;
}

int R_SharpenBitmap(RasterBitmap* bitmap, int sharpness) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    if (sharpness == 0)
        return FX_OK;
    if (sharpness < -1000 || sharpness > 1000)
        return FX_ERR_BAD_PARAMETER;
    SpatialFilter* record;
    if (sharpness < 0) {
        const int k = (sharpness * 71 + 71000) / 999;
        record = newRecord3(k + 9, 0, 1);
        if (record)
            record->Coefficients[4] = k + 1;
    } else {
        const int k = (71000 - sharpness * 71) / 999;
        record = newRecord3(k + 1, 0, -1);
        if (record)
            record->Coefficients[4] = k + 9;
    }
    if (!record)
        return FX_ERR_NO_MEMORY;
    status = R_SpatialFilterBitmap(bitmap, record);
    KFree(record);
    return status;
}

/* Positions of +w and -w (row-major in the 3 x 3 record) by direction:
 * north, north-east, east, south-east, south, south-west, west, north-west. */
static const int8_t embossPlus[8] = {1, 2, 5, 8, 7, 6, 3, 0};
static const int8_t embossMinus[8] = {7, 6, 3, 0, 1, 2, 5, 8};

int R_EmbossBitmap(RasterBitmap* bitmap, unsigned direction, unsigned depth) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    if (direction > 7 || depth > 1000)
        return FX_ERR_BAD_PARAMETER;
    const int d = (int)depth;
    int32_t divisor = 1, weight = 1;
    if (d > 500)
        weight = (d * 16 - 7750) / 500 + 1;
    else
        divisor = (8250 - d * 16) / 500 + 1;
    SpatialFilter* record = newRecord3(divisor, 128, 0);
    if (!record)
        return FX_ERR_NO_MEMORY;
    record->Coefficients[embossPlus[direction]] = weight;
    record->Coefficients[embossMinus[direction]] = -weight;
    status = R_SpatialFilterBitmap(bitmap, record);
    KFree(record);
    return status;
}
