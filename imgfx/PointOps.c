/* The point operations whose table depends only on their arguments. */
#include "imgfx/LookupTable.h"
#include "imgfx/PointTables.h"

static int inThousandths(int change) {
    return change >= -1000 && change <= 1000;
}

/* Checks the bitmap and applies the table to all three channels. */
static int applyToAll(RasterBitmap* bitmap, const uint8_t table[256]) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    return FxApplyTable(bitmap, table, FX_CHANNEL_ALL, 0);
}

int R_ChangeBitmapIntensity(RasterBitmap* bitmap, int change) {
    if (!inThousandths(change))
        return FX_ERR_BAD_PARAMETER;
    uint8_t table[256];
    FxShiftTable(FxThousandthsOfRange(change), table);
    return applyToAll(bitmap, table);
}

int R_ChangeBitmapContrast(RasterBitmap* bitmap, int change) {
    if (!inThousandths(change))
        return FX_ERR_BAD_PARAMETER;
    uint8_t table[256];
    FxContrastTable(128, (change * 128 + 500) / 1000, table);
    return applyToAll(bitmap, table);
}

int R_PosterizeBitmap(RasterBitmap* bitmap, unsigned levels) {
    if (levels < 2)
        return FX_ERR_BAD_PARAMETER;
    uint8_t table[256];
    FxPosterizeTable(levels, table);
    return applyToAll(bitmap, table);
}

int R_IntensityDetectBitmap(RasterBitmap* bitmap, unsigned low, unsigned high) {
    if (low > 255 || high > 255)
        return FX_ERR_BAD_PARAMETER;
    uint8_t table[256];
    FxDetectTable(low, high, table);
    return applyToAll(bitmap, table);
}

int R_GammaCorrectBitmap(RasterBitmap* bitmap, int gamma) {
    if (gamma == 0)
        return FX_ERR_BAD_PARAMETER;
    uint8_t table[256];
    FxGammaTable(gamma, table);
    return applyToAll(bitmap, table);
}

int R_RemapBitmapIntensity(RasterBitmap* bitmap, const uint8_t* table, unsigned channel) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    /* A null table would be read 256 times over: refused like a bad
     * channel. */
    if (!table || channel > FX_CHANNEL_BLUE)
        return FX_ERR_BAD_PARAMETER;
    return FxApplyTable(bitmap, table, (int)channel, 0);
}
