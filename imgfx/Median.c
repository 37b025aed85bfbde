/* R_MedianFilterBitmap: the 3 x 3 network on padded stored rows, and for
 * other dimensions a sliding 256-level histogram per channel over a ring of
 * stored rows. */
#include "imgfx/Median.h"

#include "imgfx/MedianRows.h"
#include "imgfx/Window.h"

/* The nine taps of a 3 x 3 window at column x0 of padded rows. */
static void taps3(const FxWindowRow* row, int x0, const uint8_t* taps[9]) {
    const int bpp = row->BytesPerPixel;
    for (int i = 0; i < 9; ++i)
        taps[i] = row->Rows[i / 3] + (ptrdiff_t)(x0 + i % 3 - 1) * bpp;
}

static int medianRow3(void* context, const FxWindowRow* row) {
    const int despeckle = context != NULL;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int x0 = row->Spans[s], n = (row->Spans[s + 1] - x0) * row->BytesPerPixel;
        const uint8_t* taps[9];
        taps3(row, x0, taps);
        uint8_t* out = row->Out + (size_t)x0 * row->BytesPerPixel;
        if (despeckle)
            FxDespeckle3(out, taps, n);
        else
            FxMedian3(out, taps, n);
    }
    return FX_OK;
}

int FxMedian3x3(RasterBitmap* bitmap, int despeckle) {
    const FxWindowSpec spec = {.Dimension = 3, .Padded = 1};
    return FxRunWindow(bitmap, &spec, medianRow3, despeckle ? (void*)bitmap : NULL);
}

/* One channel's sliding histogram: the level of the median and how many
 * window values lie below it. */
typedef struct Histogram {
    uint32_t Count[256];
    int Median;
    uint32_t Below;
    uint32_t Rank; /* (N x N + 1) / 2 */
    int Dimension;
} Histogram;

/* Moves the median to the smallest level whose cumulative count reaches
 * the rank. */
static inline void settle(Histogram* h) {
    while (h->Below >= h->Rank)
        h->Below -= h->Count[--h->Median];
    while (h->Below + h->Count[h->Median] < h->Rank)
        h->Below += h->Count[h->Median++];
}

static inline int clampColumn(int x, int width) {
    return x < 0 ? 0 : x >= width ? width - 1 : x;
}

/* Fills the histogram with the whole window of column x. */
static void fillWindow(Histogram* h, const FxWindowRow* row, int dim, int x, int channel) {
    const int before = (dim - 1) / 2, bpp = row->BytesPerPixel;
    for (int v = 0; v < 256; ++v)
        h->Count[v] = 0;
    for (int i = 0; i < dim; ++i)
        for (int u = x - before; u <= x + dim / 2; ++u)
            ++h->Count[row->Rows[i][(size_t)clampColumn(u, row->Width) * bpp + channel]];
    h->Median = 0;
    h->Below = 0;
    settle(h);
}

/* Replaces column leaving by column entering in the window. */
static inline void slide(Histogram* h, const uint8_t* const* rows, int dim, size_t leaving,
                         size_t entering) {
    uint32_t below = h->Below;
    const int m = h->Median;
    for (int i = 0; i < dim; ++i) {
        const uint8_t out = rows[i][leaving], in = rows[i][entering];
        --h->Count[out];
        ++h->Count[in];
        below += (uint32_t)(in < m) - (uint32_t)(out < m);
    }
    h->Below = below;
    settle(h);
}

static void medianSpan(Histogram* h, const FxWindowRow* row, int dim, int x0, int x1, int channel) {
    const int before = (dim - 1) / 2, after = dim / 2, bpp = row->BytesPerPixel;
    fillWindow(h, row, dim, x0, channel);
    row->Out[(size_t)x0 * bpp + channel] = (uint8_t)h->Median;
    for (int x = x0 + 1; x < x1; ++x) {
        const int leaving = clampColumn(x - 1 - before, row->Width);
        const int entering = clampColumn(x + after, row->Width);
        if (leaving != entering)
            slide(h, row->Rows, dim, (size_t)leaving * bpp + channel,
                  (size_t)entering * bpp + channel);
        row->Out[(size_t)x * bpp + channel] = (uint8_t)h->Median;
    }
}

static int medianRow(void* context, const FxWindowRow* row) {
    Histogram* h = context;
    const int dim = h->Dimension, bpp = row->BytesPerPixel;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int x0 = row->Spans[s], x1 = row->Spans[s + 1];
        if (dim <= FX_SELECT_MAX_DIMENSION) {
            FxMedianSelect(row->Out, row->Rows, dim, bpp, x0 * bpp, (x1 - x0) * bpp);
            continue;
        }
        for (int c = 0; c < bpp; ++c)
            medianSpan(h, row, dim, x0, x1, c);
    }
    return FX_OK;
}

int R_MedianFilterBitmap(RasterBitmap* bitmap, int dimension) {
    if (dimension == 3)
        return FxMedian3x3(bitmap, 0);
    if (dimension < 1 || dimension > FX_MAX_DIMENSION)
        return FX_ERR_BAD_PARAMETER;
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    Histogram* h = KAlloc(sizeof(Histogram), 1);
    if (!h)
        return FX_ERR_NO_MEMORY;
    h->Dimension = dimension;
    h->Rank = (uint32_t)(((uint64_t)dimension * (uint64_t)dimension + 1) / 2);
    const FxWindowSpec spec = {.Dimension = dimension, .Padded = 1};
    status = FxRunWindow(bitmap, &spec, medianRow, h);
    KFree(h);
    return status;
}
