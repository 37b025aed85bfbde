/* Deskew: the skew search, the fill level from the whole bitmap's
 * intensity histogram, and the kernel's rotation. */
#include "imgfx/DeskewSearch.h"
#include "imgfx/Histogram.h"
#include "imgfx/imgfx_deskew.h"

/* The most common intensity of the whole bitmap, the lowest on ties. The
 * region is lifted for the count and put back whatever the count gives. */
static int fillLevel(RasterBitmap* bitmap, uint32_t* histogram, int* level) {
    const int32_t hasRegion = bitmap->HasRegion;
    bitmap->HasRegion = 0;
    const int status = FxCollectHistogram(bitmap, histogram, 0, 34, 66);
    bitmap->HasRegion = hasRegion;
    if (status != FX_OK)
        return status;
    *level = 0;
    for (int i = 1; i < 256; ++i)
        if (histogram[i] > histogram[*level])
            *level = i;
    return FX_OK;
}

int R_DeskewBitmapAngle(RasterBitmap* bitmap, int* angle) {
    if (angle)
        *angle = 0;
    uint32_t* histogram = KAlloc(256 * sizeof(uint32_t), 0);
    if (!histogram)
        return FX_ERR_NO_MEMORY;
    int offset = 0, level = 0;
    int status = FxFindSkew(bitmap, 0, 33, &offset);
    const int rotation = status == FX_OK ? FxSkewAngle(offset, bitmap->RowOrder) : 0;
    if (angle)
        *angle = rotation;
    if (status == FX_OK && rotation != 0)
        status = fillLevel(bitmap, histogram, &level);
    if (status == FX_OK)
        status = KRotateBitmap(bitmap, rotation, 0, (uint32_t)level * 0x010101u, 67, 100);
    KFree(histogram);
    return status;
}

int R_DeskewBitmap(RasterBitmap* bitmap) {
    return R_DeskewBitmapAngle(bitmap, NULL);
}
