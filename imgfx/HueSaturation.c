/* Hue and saturation: every colour goes through its hue-saturation-value
 * form, on the palette or on the pixels (always in colour). */
#include "imgfx/HsvColor.h"
#include "imgfx/PalettePath.h"
#include "imgfx/PointTables.h"
#include "imgfx/RowWalker.h"

static void changeEntries(void* context, RasterColor* entries, int count) {
    const FxHsvChange* change = context;
    for (int i = 0; i < count; ++i)
        FxChangeColor(change, &entries[i].Red, &entries[i].Green, &entries[i].Blue);
}

static int changeRow(void* context, const FxRow* row) {
    for (int i = 0; i + 1 < row->SpanCount; i += 2)
        FxChangePixels(context, row->Pixels + (size_t)row->Spans[i] * 3,
                       (size_t)(row->Spans[i + 1] - row->Spans[i]));
    return FX_OK;
}

/* The bitmap must have passed FxCheckBitmap. With only 256 hues the
 * hue-saturation-value form does not give every colour back exactly (pure
 * green returns as 2, 255, 0), so a change of neither hue nor saturation
 * is not run at all: the bitmap stays as it is and progress goes from 0
 * straight to 100. */
static int changeColors(RasterBitmap* bitmap, FxHsvChange change) {
    if (change.HueShift == 0 && change.SaturationAdd == 0) {
        StatusCallback callback = KGetStatusCallback();
        int status = FxProgressReport(callback, 0);
        return status == FX_OK ? FxProgressReport(callback, 100) : status;
    }
    if (FxUsesPalettePath(bitmap))
        return FxChangePalette(bitmap, 0, changeEntries, &change);
    return RowWalkerRun(bitmap, WALK_COLOR | WALK_IN_PLACE | WALK_BY_COLOUR, 0, 100, changeRow,
                        &change);
}

int R_ChangeBitmapHue(RasterBitmap* bitmap, int angle) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    /* Worked in 64 bits so that no angle overflows; the low 8 bits of a
     * negative quotient turn the hue backwards. */
    FxHsvChange change = {(int)(((int64_t)angle * 256 / 360) & 255), 0};
    return changeColors(bitmap, change);
}

int R_ChangeBitmapSaturation(RasterBitmap* bitmap, int change) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    if (change < -1000 || change > 1000)
        return FX_ERR_BAD_PARAMETER;
    FxHsvChange saturation = {0, FxThousandthsOfRange(change)};
    return changeColors(bitmap, saturation);
}
