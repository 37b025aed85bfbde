/* Deskew: the skew search, the fill level from the whole bitmap's
 * intensity histogram, and the kernel's rotation. */
#include "imgfx/DeskewSearch.h"
#include "imgfx/Histogram.h"
#include "imgfx/imgfx_deskew.h"

/* The count's progress, 34 to 66 a row at a time, where the search counted
 * the levels already. */
static int countedProgress(const RasterBitmap* bitmap) {
    FxProgress progress;
    int status = FxProgressStart(&progress, 34, 66, bitmap->Height);
    for (int r = 0; status == FX_OK && r < bitmap->Height; ++r)
        status = FxProgressStep(&progress);
    return status;
}

static int mostCommon(const uint32_t* histogram) {
    int level = 0;
    for (int i = 1; i < 256; ++i)
        if (histogram[i] > histogram[level])
            level = i;
    return level;
}

/* The most common intensity of the whole bitmap, the lowest on ties. The
 * region is lifted for the count and put back whatever the count gives. */
static int fillLevel(RasterBitmap* bitmap, uint32_t* histogram, int* level) {
    const int32_t hasRegion = bitmap->HasRegion;
    bitmap->HasRegion = 0;
    const int status = FxCollectHistogram(bitmap, histogram, 0, 34, 66);
    bitmap->HasRegion = hasRegion;
    if (status != FX_OK)
        return status;
    *level = mostCommon(histogram);
    return FX_OK;
}

int R_DeskewBitmapAngle(RasterBitmap* bitmap, int* angle) {
    if (angle)
        *angle = 0;
    uint32_t* histogram = KAlloc(256 * sizeof(uint32_t), 0);
    if (!histogram)
        return FX_ERR_NO_MEMORY;
    int offset = 0, level = 0, counted = 0;
    int status = FxFindSkewCounting(bitmap, 0, 33, &offset, histogram, &counted);
    const int rotation = status == FX_OK ? FxSkewAngle(offset, bitmap->RowOrder) : 0;
    if (angle)
        *angle = rotation;
    if (status == FX_OK && rotation != 0 && counted) {
        status = countedProgress(bitmap);
        level = mostCommon(histogram);
    } else if (status == FX_OK && rotation != 0) {
        status = fillLevel(bitmap, histogram, &level);
    }
    if (status == FX_OK)
        status = KRotateBitmap(bitmap, rotation, 0, (uint32_t)level * 0x010101u, 67, 100);
    KFree(histogram);
    return status;
}

int R_DeskewBitmap(RasterBitmap* bitmap) {
    return R_DeskewBitmapAngle(bitmap, NULL);
}
