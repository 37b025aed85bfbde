/* R_MedianFilterBitmap, on a ring of stored rows: the 3 x 3 and 5 x 5
 * networks; with AVX-512, bitwise selection in byte lanes up to dimension
 * 15; from 7 up to 181 otherwise, histograms kept for every column
 * (MedianColumns.c), whose work per pixel does not grow with the
 * dimension; and for the rest a sliding 256-level histogram per channel,
 * which costs work in proportion to the dimension. All give the smallest
 * level whose cumulative count reaches (N x N + 1) / 2. */
#include "imgfx/Median.h"

#include "imgfx/MedianColumns.h"
#include "imgfx/MedianRows.h"
#include "imgfx/Window.h"

#include <string.h>

static int medianRow3(void* context, const FxWindowRow* row) {
    const int despeckle = context != NULL, bpp = row->BytesPerPixel;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int x0 = row->Spans[s], n = (row->Spans[s + 1] - x0) * bpp;
        if (despeckle)
            FxDespeckle3(row->Out, row->Rows, bpp, row->Width * bpp, x0 * bpp, n);
        else
            FxMedian3(row->Out, row->Rows, bpp, row->Width * bpp, x0 * bpp, n);
    }
    return FX_OK;
}

int FxMedian3x3(RasterBitmap* bitmap, int despeckle) {
    const FxWindowLayout layout = {.Dimension = 3, .InPlace = 1, .Direct = 1};
    return FxRunWindow(bitmap, &layout, medianRow3, despeckle ? (void*)bitmap : NULL);
}

/* One channel's sliding histogram: the level of the median and how many
 * window values lie below it. */
typedef struct Histogram {
    uint32_t Count[256];
    int Median;
    uint32_t Below;
} Histogram;

typedef struct MedianJob {
    int Dimension;
    int Selects;              /* bitwise selection rather than the histograms */
    int WantsColumns;         /* column histograms rather than sliding ones */
    FxMedianColumns* Columns; /* made on the first row, which gives the row's shape */
    uint32_t Rank;            /* (N x N + 1) / 2 */
    Histogram Channels[3];    /* slid side by side, so that their updates overlap */
} MedianJob;

/* Moves the median to the smallest level whose cumulative count reaches
 * the rank. */
static inline void settle(Histogram* h, uint32_t rank) {
    while (h->Below >= rank)
        h->Below -= h->Count[--h->Median];
    while (h->Below + h->Count[h->Median] < rank)
        h->Below += h->Count[h->Median++];
}

/* Fills the histogram with the whole window of column x; columns past an
 * edge repeat the edge column, counted at once. */
static void fillWindow(Histogram* h, const FxWindowRow* row, const MedianJob* job, int x,
                       int channel) {
    const int dim = job->Dimension, bpp = row->BytesPerPixel, last = row->Width - 1;
    const int64_t first = (int64_t)x - (dim - 1) / 2, end = (int64_t)x + dim / 2;
    const uint32_t leftRepeats = first < 0 ? (uint32_t)-first : 0;
    const uint32_t rightRepeats = end > last ? (uint32_t)(end - last) : 0;
    const int from = first < 0 ? 0 : (int)first, to = end > last ? last : (int)end;
    memset(h->Count, 0, sizeof h->Count);
    for (int i = 0; i < dim; ++i) {
        const uint8_t* r = row->Rows[i] + channel;
        h->Count[r[0]] += leftRepeats;
        h->Count[r[(size_t)last * bpp]] += rightRepeats;
        for (int u = from; u <= to; ++u)
            ++h->Count[r[(size_t)u * bpp]];
    }
    h->Median = 0;
    h->Below = 0;
    settle(h, job->Rank);
}

/* Replaces column leaving by column entering in the window. */
static inline void slide(Histogram* h, const uint8_t* const* rows, int dim, size_t leaving,
                         size_t entering, uint32_t rank) {
    uint32_t below = h->Below;
    const int m = h->Median;
    for (int i = 0; i < dim; ++i) {
        const uint8_t out = rows[i][leaving], in = rows[i][entering];
        --h->Count[out];
        ++h->Count[in];
        below += (uint32_t)(in < m) - (uint32_t)(out < m);
    }
    h->Below = below;
    settle(h, rank);
}

/* The three channels of colour rows slid together: each row's six bytes
 * are read at once and the three histograms' updates, independent of one
 * another, overlap. */
static inline void slide3(Histogram* h, const uint8_t* const* rows, int dim, size_t leaving,
                          size_t entering, uint32_t rank) {
    uint32_t *c0 = h[0].Count, *c1 = h[1].Count, *c2 = h[2].Count;
    const int m0 = h[0].Median, m1 = h[1].Median, m2 = h[2].Median;
    uint32_t b0 = h[0].Below, b1 = h[1].Below, b2 = h[2].Below;
    for (int i = 0; i < dim; ++i) {
        const uint8_t* r = rows[i];
        const uint8_t o0 = r[leaving], o1 = r[leaving + 1], o2 = r[leaving + 2];
        const uint8_t n0 = r[entering], n1 = r[entering + 1], n2 = r[entering + 2];
        --c0[o0], ++c0[n0], --c1[o1], ++c1[n1], --c2[o2], ++c2[n2];
        b0 += (uint32_t)(n0 < m0) - (uint32_t)(o0 < m0);
        b1 += (uint32_t)(n1 < m1) - (uint32_t)(o1 < m1);
        b2 += (uint32_t)(n2 < m2) - (uint32_t)(o2 < m2);
    }
    h[0].Below = b0, h[1].Below = b1, h[2].Below = b2;
    settle(&h[0], rank), settle(&h[1], rank), settle(&h[2], rank);
}

static inline int clampColumn(int x, int width) {
    return x < 0 ? 0 : x >= width ? width - 1 : x;
}

static void medianSpan(MedianJob* job, const FxWindowRow* row, int x0, int x1) {
    const int dim = job->Dimension, before = (dim - 1) / 2, after = dim / 2;
    const int bpp = row->BytesPerPixel;
    for (int c = 0; c < bpp; ++c) {
        fillWindow(&job->Channels[c], row, job, x0, c);
        row->Out[(size_t)x0 * bpp + c] = (uint8_t)job->Channels[c].Median;
    }
    for (int x = x0 + 1; x < x1; ++x) {
        const size_t leaving = (size_t)clampColumn(x - 1 - before, row->Width) * bpp;
        const size_t entering = (size_t)clampColumn(x + after, row->Width) * bpp;
        if (bpp == 3) {
            if (leaving != entering)
                slide3(job->Channels, row->Rows, dim, leaving, entering, job->Rank);
            for (int c = 0; c < 3; ++c)
                row->Out[(size_t)x * 3 + c] = (uint8_t)job->Channels[c].Median;
            continue;
        }
        for (int c = 0; c < bpp; ++c) {
            Histogram* h = &job->Channels[c];
            if (leaving != entering)
                slide(h, row->Rows, dim, leaving + c, entering + c, job->Rank);
            row->Out[(size_t)x * bpp + c] = (uint8_t)h->Median;
        }
    }
}

enum { COLUMNS_FROM = 7 };

static int medianRow(void* context, const FxWindowRow* row) {
    MedianJob* job = context;
    const int bpp = row->BytesPerPixel;
    if (job->WantsColumns && !job->Columns) {
        job->Columns = FxMedianColumnsNew(job->Dimension, row->Width, bpp);
        job->WantsColumns = job->Columns != NULL;
    }
    if (job->Columns) {
        FxMedianColumnsRow(job->Columns, row);
        return FX_OK;
    }
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int x0 = row->Spans[s], x1 = row->Spans[s + 1];
        if (job->Dimension == 5)
            FxMedian5(row->Out, row->Rows, bpp, x0 * bpp, (x1 - x0) * bpp);
        else if (job->Selects)
            FxMedianSelect(row->Out, row->Rows, job->Dimension, bpp, x0 * bpp, (x1 - x0) * bpp);
        else
            medianSpan(job, row, x0, x1);
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
    MedianJob* job = KAlloc(sizeof(MedianJob), 1);
    if (!job)
        return FX_ERR_NO_MEMORY;
    job->Dimension = dimension;
    /* The selection's byte counting is fast only with AVX-512 (its vector
     * compares of 64 bytes); elsewhere the histograms take every dimension
     * but 3 and 5, which have their networks. */
    job->Selects = KIsaLevel() == K_ISA_AVX512 && dimension <= FX_SELECT_MAX_DIMENSION;
    job->Rank = (uint32_t)(((uint64_t)dimension * (uint64_t)dimension + 1) / 2);
    /* The column histograms cost the same work for every dimension, the
     * sliding one work in proportion to it: they take over from
     * COLUMNS_FROM up, where they measure faster. Without the memory for
     * them the sliding histogram still works. */
    job->WantsColumns =
        !job->Selects && dimension >= COLUMNS_FROM && dimension <= FX_COLUMNS_MAX_DIMENSION;
    /* Only the selection reads padding; the histograms clamp columns. */
    const FxWindowLayout layout = {.Dimension = dimension,
                                   .Padded = job->Selects || dimension == 5,
                                   .ExtraRows = job->WantsColumns,
                                   .InPlace = 1};
    status = FxRunWindow(bitmap, &layout, medianRow, job);
    FxMedianColumnsFree(job->Columns);
    KFree(job);
    return status;
}
