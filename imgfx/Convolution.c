/* Convolution: the 3 x 3 path on padded stored rows, the general path on a
 * ring of picture rows with one accumulator per channel value. */
#include "imgfx/Convolution.h"

#include "imgfx/ConvolutionRows.h"
#include "imgfx/Window.h"

#include <string.h>

/* Channel values summed at a time on the general path, so that the
 * accumulators stay in the first-level cache. */
#define CHUNK 2048

/* Sums that fit 16 bits leave room for at most this many nonzero taps
 * (each adds at least 255 to the sums' span). */
#define SHORT_TAPS 128

/* A nonzero tap: window row, column offset from the output pixel. */
typedef struct ConvolveTap {
    int Row, Column;
    int16_t Coefficient;
} ConvolveTap;

typedef struct ConvolveJob {
    const FxKernel* Kernel;
    FxSumRange Range;
    void* Sums; /* CHUNK accumulators of the range's width */
    int TapCount;
    ConvolveTap Taps[SHORT_TAPS]; /* 16-bit sums: the nonzero taps */
} ConvolveJob;

FxSumRange FxSumRangeOf(const FxKernel* kernel) {
    /* Kernels whose coefficients add up beyond 2^40 need 64 bits anyway. */
    const int64_t cap = (int64_t)1 << 40;
    const size_t count = (size_t)kernel->Dimension * (size_t)kernel->Dimension;
    int64_t positive = 0, negative = 0;
    for (size_t i = 0; i < count; ++i) {
        int64_t c = kernel->Coefficients[i];
        if (c > 0)
            positive = positive + c > cap ? cap : positive + c;
        else
            negative = negative - c > cap ? cap : negative - c;
    }
    /* Sums lie in [-low, high]; a bias beyond them decides the level alone. */
    const int64_t low = 255 * negative, high = 255 * positive;
    int64_t bias = kernel->Bias;
    bias = bias < -high - 1 ? -high - 1 : bias > low + 256 ? low + 256 : bias;
    FxSumRange range = {FX_SUM_64, -bias, 255 - bias, bias};
    if (low + high + 512 <= INT16_MAX)
        range.Width = FX_SUM_16;
    else if (low + high + 512 <= INT32_MAX)
        range.Width = FX_SUM_32;
    return range;
}

/* The nonzero taps of a kernel whose sums fit 16 bits, in kernel order. */
static void collectTaps(ConvolveJob* job) {
    const FxKernel* kernel = job->Kernel;
    const int dim = kernel->Dimension, before = (dim - 1) / 2;
    job->TapCount = 0;
    for (int i = 0; i < dim; ++i)
        for (int j = 0; j < dim; ++j) {
            int32_t c = kernel->Coefficients[(size_t)i * (size_t)dim + (size_t)j];
            if (c != 0 && job->TapCount < SHORT_TAPS)
                job->Taps[job->TapCount++] = (ConvolveTap){i, j - before, (int16_t)c};
        }
}

/* The general loop for 16-bit sums: the nonzero taps five at a time, the
 * last group filled up with zero coefficients. */
static void convolveStretchShort(const ConvolveJob* job, const FxWindowRow* row, int k0, int n) {
    const int bpp = row->BytesPerPixel;
    int16_t* sums = job->Sums;
    const uint8_t* taps[5];
    int16_t c[5];
    int filled = 0, first = 1;
    for (int t = 0; t < job->TapCount; ++t) {
        const ConvolveTap* tap = &job->Taps[t];
        taps[filled] = row->Rows[tap->Row] + k0 + (ptrdiff_t)tap->Column * bpp;
        c[filled++] = tap->Coefficient;
        if (filled == 5 || t + 1 == job->TapCount) {
            for (; filled < 5; ++filled) {
                taps[filled] = taps[0];
                c[filled] = 0;
            }
            FxAccumulate5Short(sums, taps, c, n, first);
            filled = 0;
            first = 0;
        }
    }
    if (first)
        memset(sums, 0, (size_t)n * sizeof(int16_t));
    FxFinishShort(row->Out + k0, sums, n, &job->Range, job->Kernel->Divisor);
}

/* The general loop over one stretch of channel values [k0, k0 + n) of a
 * row, for kernels of any dimension. */
static void convolveStretch(const ConvolveJob* job, const FxWindowRow* row, int k0, int n) {
    if (job->Range.Width == FX_SUM_16) {
        convolveStretchShort(job, row, k0, n);
        return;
    }
    const FxKernel* kernel = job->Kernel;
    const int dim = kernel->Dimension, before = (dim - 1) / 2, bpp = row->BytesPerPixel;
    const int wide = job->Range.Width == FX_SUM_64;
    int32_t* sums = job->Sums;
    int64_t* longSums = job->Sums;
    memset(job->Sums, 0, (size_t)n * (wide ? sizeof(int64_t) : sizeof(int32_t)));
    for (int i = 0; i < dim; ++i) {
        for (int j = 0; j < dim; ++j) {
            int32_t c = kernel->Coefficients[(size_t)i * (size_t)dim + (size_t)j];
            if (c == 0)
                continue;
            const uint8_t* src = row->Rows[i] + k0 + (ptrdiff_t)(j - before) * bpp;
            if (wide)
                FxAccumulateLong(longSums, src, n, c);
            else
                FxAccumulateInt(sums, src, n, c);
        }
    }
    if (wide)
        FxFinishLong(row->Out + k0, longSums, n, kernel->Bias, kernel->Divisor);
    else
        FxFinishInt(row->Out + k0, sums, n, &job->Range, kernel->Divisor);
}

static int convolveRow(void* context, const FxWindowRow* row) {
    const ConvolveJob* job = context;
    const int bpp = row->BytesPerPixel;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int end = row->Spans[s + 1] * bpp;
        for (int k = row->Spans[s] * bpp; k < end; k += CHUNK)
            convolveStretch(job, row, k, end - k < CHUNK ? end - k : CHUNK);
    }
    return FX_OK;
}

/* The 3 x 3 path: the nine taps in one pass where the sums fit 32 bits. */
static int convolveRow3(void* context, const FxWindowRow* row) {
    const ConvolveJob* job = context;
    if (job->Range.Width == FX_SUM_64)
        return convolveRow(context, row);
    const int bpp = row->BytesPerPixel;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int x0 = row->Spans[s], n = (row->Spans[s + 1] - x0) * bpp;
        const uint8_t* taps[9];
        FxWindowTaps3(row, x0, taps);
        uint8_t* out = row->Out + (size_t)x0 * bpp;
        if (job->Range.Width == FX_SUM_16)
            FxConvolve3Short(out, taps, n, job->Kernel->Coefficients, &job->Range,
                             job->Kernel->Divisor);
        else
            FxConvolve3Int(out, taps, n, job->Kernel->Coefficients, &job->Range,
                           job->Kernel->Divisor);
    }
    return FX_OK;
}

int FxConvolve(RasterBitmap* bitmap, const FxKernel* kernel) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    ConvolveJob job = {.Kernel = kernel, .Range = FxSumRangeOf(kernel)};
    const int three = kernel->Dimension == 3;
    if (job.Range.Width == FX_SUM_16)
        collectTaps(&job);
    if (!three || job.Range.Width == FX_SUM_64) {
        job.Sums = KAllocRaw(CHUNK * sizeof(int64_t));
        if (!job.Sums)
            return FX_ERR_NO_MEMORY;
    }
    /* The 3 x 3 path takes its rows as stored, the general path in picture
     * order: on a bitmap stored bottom-up the two see "above" differently. */
    const FxWindowLayout layout = {
        .Dimension = kernel->Dimension, .PictureOrder = !three, .Padded = 1, .InPlace = 1};
    status = FxRunWindow(bitmap, &layout, three ? convolveRow3 : convolveRow, &job);
    KFree(job.Sums);
    return status;
}
