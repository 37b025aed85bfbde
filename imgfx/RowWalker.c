/* The row walker: opening, row reading and writing, and the row loop. */
#include "imgfx/RowWalker.h"

#include "imgfx/LookupTable.h"

#include <string.h>

void FxAlignColumns(int bits, int left, int right, int* firstColumn, int* width, int* storedBytes) {
    if (bits == 1) {
        *firstColumn = left & ~7;
        *width = right - *firstColumn;
        *storedBytes = (*width + 7) / 8;
    } else if (bits == 4) {
        *firstColumn = left & ~1;
        *width = right - *firstColumn;
        *storedBytes = (*width + 1) / 2;
    } else {
        *firstColumn = left;
        *width = right - left;
        *storedBytes = bits / 8 * *width;
    }
    if (*width < 0)
        *width = *storedBytes = 0;
}

/* Sets up a record that matches rows of width pixels to the palette (the
 * walker's own, or one for a table of values). */
static int prepareMatching(RowWalker* w, RasterBitmap* match, int width) {
    RasterBitmap* bitmap = w->Bitmap;
    const int grey = w->WorkFormat == K_WORK_GREY;
    int status = KInitBitmap(match, width, w->Rows, grey ? 8 : 24);
    if (status != K_OK)
        return status;
    if (grey) {
        if (!w->GreyPalette)
            w->GreyPalette = KGreyPalette(8);
        if (!w->GreyPalette)
            return FX_ERR_NO_MEMORY;
        match->Palette = w->GreyPalette;
        KTakePalette(match);
        match->Flags |= RB_FLAG_GREY_PALETTE;
    }
    int count = bitmap->ColorCount;
    if (count < 1 || count > 256 || KGetColors(bitmap, 0, count, w->Colors) != count)
        return FX_ERR_BAD_BITMAP;
    match->ColorOrder = RB_ORDER_BGR;
    match->MatchSetting = 1;
    return KPrepareMatch(match, w->Colors, count);
}

static int setUp(RowWalker* w, unsigned options) {
    RasterBitmap* bitmap = w->Bitmap;
    w->GreyKind = KGreyKind(bitmap);
    w->WorkFormat = (options & WALK_COLOR) || w->GreyKind == 0 ? K_WORK_BGR : K_WORK_GREY;
    w->SourceFormat = bitmap->BitsPerPixel;
    w->NeedsMatching = bitmap->BitsPerPixel <= 8;
    if (bitmap->BitsPerPixel == 8 && w->GreyKind == 1) {
        w->NeedsMatching = 0;
        w->SourceFormat = 0;
    }
    w->InPlace = (options & WALK_IN_PLACE) &&
                 (w->WorkFormat == K_WORK_BGR
                      ? bitmap->BitsPerPixel == 24 && bitmap->ColorOrder == RB_ORDER_BGR
                      : w->SourceFormat == 0);
    int status = K_OK;
    if (options & WALK_WHOLE_ROWS)
        w->Bounds = (KRect){0, 0, bitmap->Width, bitmap->Height};
    else
        status = KRegionBounds(bitmap, 0, &w->Bounds);
    if (status != K_OK)
        return status;
    w->Rows = w->Bounds.Bottom > w->Bounds.Top ? w->Bounds.Bottom - w->Bounds.Top : 0;
    FxAlignColumns(bitmap->BitsPerPixel, w->Bounds.Left, w->Bounds.Right, &w->FirstColumn,
                   &w->Width, &w->StoredBytes);
    status = KMaxSpanCount(bitmap, &w->MaxSpanCount);
    if (status != K_OK)
        return status;
    w->OwnSpans = KAlloc((size_t)w->MaxSpanCount * sizeof(int32_t), 0);
    if (!w->OwnSpans)
        return FX_ERR_NO_MEMORY;
    if (w->NeedsMatching) {
        status = prepareMatching(w, &w->Match, w->Width);
        if (status != K_OK)
            return status;
    }
    w->RowBufferSize = KRowBufferSize(w->Width, bitmap->BitsPerPixel, w->Width, w->WorkFormat);
    return FX_OK;
}

int RowWalkerOpen(RasterBitmap* bitmap, unsigned options, RowWalker** walker) {
    *walker = NULL;
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    switch (bitmap->BitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return FX_ERR_BAD_BITMAP;
    }
    RowWalker* w = KAlloc(sizeof(RowWalker), 1);
    if (!w)
        return FX_ERR_NO_MEMORY;
    w->Bitmap = bitmap;
    w->Token = KBeginAccess(bitmap);
    if (!w->Token) {
        KFree(w);
        return FX_ERR_BAD_BITMAP;
    }
    status = setUp(w, options);
    if (status != FX_OK) {
        RowWalkerClose(w);
        return status;
    }
    *walker = w;
    return FX_OK;
}

void RowWalkerClose(RowWalker* walker) {
    if (!walker)
        return;
    KEndMatch(&walker->Match);
    KDeletePalette(walker->GreyPalette);
    KFree(walker->OwnSpans);
    KEndAccess(walker->Bitmap, walker->Token);
    KFree(walker);
}

uint8_t* RowWalkerAllocRow(const RowWalker* walker) {
    return KAllocRaw(walker->RowBufferSize);
}

int32_t* RowWalkerAllocSpans(const RowWalker* walker) {
    return KAlloc((size_t)walker->MaxSpanCount * sizeof(int32_t), 0);
}

int RowWalkerStartProgress(RowWalker* walker, int from, int to) {
    return FxProgressStart(&walker->Progress, from, to, walker->Rows);
}

/* The row's spans, made relative to the aligned first column. */
static int fetchSpans(RowWalker* w, int row, int32_t* spans, int* count) {
    int status = KRowSpans(w->Bitmap, row, spans, count);
    if (status != K_OK)
        return status;
    for (int i = 0; i < *count; ++i)
        spans[i] -= w->FirstColumn;
    return FX_OK;
}

int RowWalkerReadRow(RowWalker* w, uint8_t* buffer, int row, int32_t* spans, int* count) {
    int status = FX_OK;
    if (spans) {
        status = fetchSpans(w, row, spans, count);
        if (status != FX_OK)
            return status;
    }
    status = KReadRowPart(w->Bitmap, buffer, row, w->FirstColumn, w->StoredBytes);
    if (status != K_OK)
        return status;
    status = KConvertRow(buffer, w->Width, w->SourceFormat, w->WorkFormat, w->Bitmap->ColorOrder,
                         RB_ORDER_BGR, w->Colors, NULL);
    return status == K_OK ? FX_OK : status;
}

int RowWalkerWriteRow(RowWalker* w, uint8_t* buffer, int row, const int32_t* spans, int count) {
    int status;
    if (w->NeedsMatching) {
        status = KMatchRow(&w->Match, buffer, buffer);
        if (status == K_OK)
            status = KPackIndices(buffer, w->Width, w->Bitmap->BitsPerPixel);
    } else {
        status = KConvertRow(buffer, w->Width, w->WorkFormat, w->SourceFormat, RB_ORDER_BGR,
                             w->Bitmap->ColorOrder, NULL, w->Colors);
    }
    if (status != K_OK)
        return status;
    if (!spans) {
        status = fetchSpans(w, row, w->OwnSpans, &count);
        if (status != FX_OK)
            return status;
        spans = w->OwnSpans;
    }
    status = KWriteRowSpans(w->Bitmap, buffer, row, w->FirstColumn, spans, count);
    if (status != K_OK)
        return status;
    return FxProgressStep(&w->Progress);
}

static int walkRows(RowWalker* w, uint8_t* buffer, int32_t* spans, FxRowFunction function,
                    void* context) {
    FxRow row = {buffer, RowWalkerBytesPerPixel(w), spans, 0, 0, w->FirstColumn, w->Width};
    for (int r = w->Bounds.Top; r < w->Bounds.Bottom; ++r) {
        int status = fetchSpans(w, r, spans, &row.SpanCount);
        if (status != FX_OK)
            return status;
        if (row.SpanCount == 0) {
            status = FxProgressStep(&w->Progress);
        } else if (w->InPlace) {
            row.Row = r;
            row.Pixels = KRowAddress(w->Bitmap, r) + (size_t)w->FirstColumn * row.BytesPerPixel;
            status = function(context, &row);
            if (status == FX_OK)
                status = FxProgressStep(&w->Progress);
        } else {
            row.Row = r;
            status = RowWalkerReadRow(w, buffer, r, NULL, NULL);
            if (status == FX_OK)
                status = function(context, &row);
            if (status == FX_OK)
                status = RowWalkerWriteRow(w, buffer, r, spans, row.SpanCount);
        }
        if (status != FX_OK)
            return status;
    }
    return FX_OK;
}

/* What each of the 256 stored values (palette index, or grey level of rows
 * that pass unconverted) becomes: a row of all of them read, changed and
 * written back as any row is, through the same conversions and matching. */
static int valueTable(RowWalker* w, FxRowFunction function, void* context, uint8_t table[256]) {
    uint8_t row[256 * 3];
    for (int i = 0; i < 256; ++i)
        row[i] = (uint8_t)i;
    const int source = w->SourceFormat == 0 ? 0 : 8; /* 1- and 4-bit read the same colours */
    int status = KConvertRow(row, 256, source, w->WorkFormat, w->Bitmap->ColorOrder, RB_ORDER_BGR,
                             w->Colors, NULL);
    if (status != K_OK)
        return status;
    const int32_t all[2] = {0, 256};
    FxRow values = {row, RowWalkerBytesPerPixel(w), all, 2, w->Bounds.Top, 0, 256};
    status = function(context, &values);
    if (status != FX_OK)
        return status;
    if (w->NeedsMatching) {
        RasterBitmap match = {0};
        status = prepareMatching(w, &match, 256);
        if (status == K_OK)
            status = KMatchRow(&match, row, table);
        KEndMatch(&match);
    } else {
        status = KConvertRow(row, 256, w->WorkFormat, 0, RB_ORDER_BGR, w->Bitmap->ColorOrder, NULL,
                             w->Colors);
        memcpy(table, row, 256);
    }
    return status == K_OK ? FX_OK : status;
}

/* The stored-byte form of a value table: for 1- and 4-bit rows each byte's
 * pixels mapped at once (indices cut to the depth, as packing does). */
static void storedByteTable(int bits, const uint8_t values[256], uint8_t bytes[256]) {
    for (int b = 0; b < 256; ++b) {
        if (bits == 4) {
            bytes[b] = (uint8_t)((values[b >> 4] & 15u) << 4 | (values[b & 15] & 15u));
        } else if (bits == 1) {
            unsigned mapped = 0;
            for (int k = 0; k < 8; ++k)
                mapped |= (values[(b >> k) & 1] & 1u) << k;
            bytes[b] = (uint8_t)mapped;
        } else {
            bytes[b] = values[b];
        }
    }
}

/* The rows of a WALK_BY_COLOUR walk: 8-bit rows mapped in place inside the
 * spans, packed rows mapped whole and written inside the spans. */
static int walkValues(RowWalker* w, uint8_t* buffer, int32_t* spans, const uint8_t table[256]) {
    RasterBitmap* bitmap = w->Bitmap;
    for (int r = w->Bounds.Top; r < w->Bounds.Bottom; ++r) {
        int count;
        int status = fetchSpans(w, r, spans, &count);
        if (status != FX_OK)
            return status;
        if (count && bitmap->BitsPerPixel == 8) {
            uint8_t* pixels = KRowAddress(bitmap, r) + w->FirstColumn;
            for (int i = 0; i + 1 < count; i += 2)
                FxMapBytes(pixels + spans[i], (size_t)(spans[i + 1] - spans[i]), table);
        } else if (count) {
            status = KReadRowPart(bitmap, buffer, r, w->FirstColumn, w->StoredBytes);
            if (status == K_OK) {
                FxMapBytes(buffer, (size_t)w->StoredBytes, table);
                status = KWriteRowSpans(bitmap, buffer, r, w->FirstColumn, spans, count);
            }
            if (status != K_OK)
                return status;
        }
        status = FxProgressStep(&w->Progress);
        if (status != FX_OK)
            return status;
    }
    return FX_OK;
}

static int walk(RowWalker* w, unsigned options, uint8_t* buffer, int32_t* spans,
                FxRowFunction function, void* context) {
    if (!(options & WALK_BY_COLOUR) || w->Bitmap->BitsPerPixel > 8 || w->InPlace || w->Rows == 0)
        return walkRows(w, buffer, spans, function, context);
    uint8_t values[256], table[256];
    int status = valueTable(w, function, context, values);
    if (status != FX_OK)
        return status;
    storedByteTable(w->Bitmap->BitsPerPixel, values, table);
    return walkValues(w, buffer, spans, table);
}

int RowWalkerRun(RasterBitmap* bitmap, unsigned options, int from, int to, FxRowFunction function,
                 void* context) {
    RowWalker* w;
    int status = RowWalkerOpen(bitmap, options, &w);
    if (status != FX_OK)
        return status;
    uint8_t* buffer = RowWalkerAllocRow(w);
    int32_t* spans = RowWalkerAllocSpans(w);
    if (!buffer || !spans)
        status = FX_ERR_NO_MEMORY;
    else
        status = RowWalkerStartProgress(w, from, to);
    if (status == FX_OK)
        status = walk(w, options, buffer, spans, function, context);
    KFree(buffer);
    KFree(spans);
    RowWalkerClose(w);
    return status;
}
