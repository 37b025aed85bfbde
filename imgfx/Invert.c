#include "imgfx/LookupTable.h"

int R_InvertBitmap(RasterBitmap* bitmap) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    uint8_t table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = (uint8_t)(255 - i);
    return FxApplyTable(bitmap, table, FX_CHANNEL_ALL, 0);
}
