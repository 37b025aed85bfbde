/* R_MosaicBitmap: tiles of N x N pixels from the picture's top-left corner
 * take their average colour. Each band of N picture rows is summed column
 * by column as it is read; the column sums then add up to the tile sums,
 * and one row of tile averages is written to every row of the band. */
#include "imgfx/Clones.h"
#include "imgfx/Window.h"

#include <string.h>

typedef struct Mosaic {
    RowWalker* Walker;
    int Tile, Bpp, Width, Height;
    uint8_t* Row;     /* read and written rows */
    uint8_t* Copy;    /* the band's row of tile averages */
    uint64_t* Column; /* the band's sum of every channel value */
    int32_t* Spans;
} Mosaic;

FX_BODY void addRowBody(uint64_t* restrict column, const uint8_t* restrict in, int n) {
    for (int k = 0; k < n; ++k)
        column[k] += in[k];
}

FX_LEVELS(static, addRow, (uint64_t* restrict column, const uint8_t* restrict in, int n),
          (column, in, n))

/* Fills m->Copy with the tile averages of a band of the given height.
 * Sums are 64-bit, so that a tile may cover any picture. */
static void tileAverages(Mosaic* m, int bandHeight) {
    const int bpp = m->Bpp;
    for (int x0 = 0; x0 < m->Width; x0 += m->Tile) {
        const int x1 = m->Width - x0 > m->Tile ? x0 + m->Tile : m->Width;
        const uint64_t area = (uint64_t)(x1 - x0) * (uint64_t)bandHeight;
        for (int c = 0; c < bpp; ++c) {
            uint64_t sum = 0;
            for (int x = x0; x < x1; ++x)
                sum += m->Column[(size_t)x * bpp + c];
            const uint8_t level = (uint8_t)(sum / area);
            for (int x = x0; x < x1; ++x)
                m->Copy[(size_t)x * bpp + c] = level;
        }
    }
}

static int readBand(Mosaic* m, int band, int bandHeight) {
    const size_t n = (size_t)m->Width * m->Bpp;
    memset(m->Column, 0, n * sizeof(uint64_t));
    for (int r = band; r < band + bandHeight; ++r) {
        int status =
            RowWalkerReadRow(m->Walker, m->Row, FxStoredRow(m->Walker->Bitmap, r, 1), NULL, NULL);
        if (status != FX_OK)
            return status;
        addRow(m->Column, m->Row, (int)n);
    }
    tileAverages(m, bandHeight);
    return FX_OK;
}

static int writeBand(Mosaic* m, int band, int bandHeight, int haveAverages) {
    for (int r = band; r < band + bandHeight; ++r) {
        const int stored = FxStoredRow(m->Walker->Bitmap, r, 1);
        int count = 0;
        int status = KRowSpans(m->Walker->Bitmap, stored, m->Spans, &count);
        if (status == K_OK && (count == 0 || !haveAverages)) {
            status = FxProgressStep(&m->Walker->Progress);
        } else if (status == K_OK) {
            memcpy(m->Row, m->Copy, (size_t)m->Width * m->Bpp);
            status = RowWalkerWriteRow(m->Walker, m->Row, stored, m->Spans, count);
        }
        if (status != FX_OK)
            return status;
    }
    return FX_OK;
}

/* Whether any row of the band (picture rows) meets the region's rows. */
static int bandMeetsRegion(const Mosaic* m, const KRect* region, int band, int bandHeight) {
    int first = FxStoredRow(m->Walker->Bitmap, band, 1);
    int last = FxStoredRow(m->Walker->Bitmap, band + bandHeight - 1, 1);
    if (first > last) {
        int t = first;
        first = last, last = t;
    }
    return first < region->Bottom && last >= region->Top;
}

static int walkBands(Mosaic* m) {
    KRect region;
    int status = KRegionBounds(m->Walker->Bitmap, 0, &region);
    if (status == K_OK)
        status = RowWalkerStartProgress(m->Walker, 0, 100);
    for (int band = 0; status == FX_OK && band < m->Height; band += m->Tile) {
        const int bandHeight = m->Height - band > m->Tile ? m->Tile : m->Height - band;
        const int meets = bandMeetsRegion(m, &region, band, bandHeight);
        if (meets)
            status = readBand(m, band, bandHeight);
        if (status == FX_OK)
            status = writeBand(m, band, bandHeight, meets);
        if (m->Height - band <= m->Tile)
            break;
    }
    return status;
}

int R_MosaicBitmap(RasterBitmap* bitmap, int tileSize) {
    if (tileSize < 1)
        return FX_ERR_BAD_PARAMETER;
    Mosaic m = {.Tile = tileSize};
    int status = RowWalkerOpen(bitmap, WALK_WHOLE_ROWS, &m.Walker);
    if (status != FX_OK)
        return status;
    m.Bpp = RowWalkerBytesPerPixel(m.Walker);
    m.Width = m.Walker->Width;
    m.Height = m.Walker->Rows;
    m.Row = RowWalkerAllocRow(m.Walker);
    m.Copy = RowWalkerAllocRow(m.Walker);
    m.Column = KAllocRaw((size_t)m.Width * m.Bpp * sizeof(uint64_t) + 1);
    m.Spans = RowWalkerAllocSpans(m.Walker);
    status = m.Row && m.Copy && m.Column && m.Spans ? walkBands(&m) : FX_ERR_NO_MEMORY;
    KFree(m.Row);
    KFree(m.Copy);
    KFree(m.Column);
    KFree(m.Spans);
    RowWalkerClose(m.Walker);
    return status;
}
