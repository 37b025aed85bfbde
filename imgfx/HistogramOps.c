/* The point operations whose table comes from the bitmap's intensity
 * histogram: equalisation, stretching and histogram contrast. Each counts
 * the intensities inside the region (progress 0 to 50), builds its table
 * and applies it to all three channels by the bitmap's path (progress 51 to
 * 100). */
#include "imgfx/Histogram.h"
#include "imgfx/LookupTable.h"
#include "imgfx/PointTables.h"

enum { EQUALIZE, STRETCH, CONTRAST };

/* Running sums times 255 over the region's pixel count, in 64 bits so that
 * regions of any size hold. */
static int equalizeTable(const RasterBitmap* bitmap, const uint32_t* histogram, uint8_t* table) {
    int64_t area = 0;
    int status = KRegionArea(bitmap, &area);
    if (status != K_OK)
        return status;
    uint64_t sum = 0;
    for (int i = 0; i < 256; ++i) {
        sum += histogram[i];
        uint64_t v = area > 0 ? sum * 255u / (uint64_t)area : 0;
        table[i] = (uint8_t)(v < 255 ? v : 255);
    }
    return FX_OK;
}

/* The least level present (255 when none is), the greatest (0 when none
 * above 0 is) and their middle. */
static void levelRange(const uint32_t* histogram, int* low, int* high, int* mid) {
    *low = 0;
    while (*low < 255 && histogram[*low] == 0)
        ++*low;
    *high = 255;
    while (*high > 0 && histogram[*high] == 0)
        --*high;
    *mid = (*low + *high) / 2;
}

static void stretchTable(int mid, int high, uint8_t* table) {
    for (int j = 0; j < 256; ++j) {
        int v = (j - mid) * 128 / (high - mid) + 127;
        table[j] = (uint8_t)(v < 0 ? 0 : v > 255 ? 255 : v);
    }
}

/* Builds the table of kind into table; *apply is 0 when the bitmap is to
 * stay as it is. */
static int buildTable(RasterBitmap* bitmap, int kind, int change, const uint32_t* histogram,
                      uint8_t* table, int* apply) {
    uint64_t pixels = 0;
    for (int i = 0; i < 256; ++i)
        pixels += histogram[i];
    *apply = pixels > 0;
    if (!*apply)
        return FX_OK;
    if (kind == EQUALIZE)
        return equalizeTable(bitmap, histogram, table);
    int low, high, mid;
    levelRange(histogram, &low, &high, &mid);
    if (kind == STRETCH) {
        *apply = high != mid;
        if (*apply)
            stretchTable(mid, high, table);
    } else {
        FxContrastTable(mid, (change * 128 + 500) / 1000, table);
    }
    return FX_OK;
}

static int histogramOperation(RasterBitmap* bitmap, int kind, int change) {
    uint32_t* histogram = KAlloc(256 * sizeof(uint32_t), 0);
    uint8_t* table = histogram ? KAlloc(256, 0) : NULL;
    if (!table) {
        KFree(histogram);
        return FX_ERR_NO_MEMORY;
    }
    int apply = 0;
    int status = FxCollectHistogram(bitmap, histogram, 0, 0, 50);
    if (status == FX_OK)
        status = buildTable(bitmap, kind, change, histogram, table, &apply);
    if (status == FX_OK && apply)
        status = FxApplyTable(bitmap, table, FX_CHANNEL_ALL, 51);
    KFree(table);
    KFree(histogram);
    return status;
}

int R_HistoEqualizeBitmap(RasterBitmap* bitmap) {
    return histogramOperation(bitmap, EQUALIZE, 0);
}

int R_StretchBitmapIntensity(RasterBitmap* bitmap) {
    return histogramOperation(bitmap, STRETCH, 0);
}

int R_HistoContrastBitmap(RasterBitmap* bitmap, int change) {
    if (change < -1000 || change > 1000)
        return FX_ERR_BAD_PARAMETER;
    return histogramOperation(bitmap, CONTRAST, change);
}
