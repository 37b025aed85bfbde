/* R_AverageFilterBitmap: a box average with the same work per pixel
 * whatever its dimension. Per channel value the filter keeps the running
 * sum of its column's N window rows (an entering row is added, the leaving
 * row subtracted), and each row's prefix sums of those column sums give
 * every horizontal window sum by one subtraction. Rows are stored rows. */
#include "imgfx/Clones.h"
#include "imgfx/Window.h"
#include "imgfx/imgfx_neighbour.h"

#include <immintrin.h>

/* Up to this dimension window sums stay below 2^24: 32-bit prefix sums
 * (whose wrapping differences are exact) and float quotients do. */
#define NARROW_DIMENSION 256

typedef struct AverageJob {
    int Dimension;
    int Narrow;       /* dimension at most NARROW_DIMENSION */
    double Area;      /* N x N */
    uint32_t* Column; /* window column sums, one per channel value */
    void* Prefix;     /* (Width + 1) x channels prefix sums of Column, 32- or 64-bit */
} AverageJob;

FX_BODY void addRowBody(uint32_t* restrict column, const uint8_t* restrict in, int n) {
    for (int k = 0; k < n; ++k)
        column[k] += in[k];
}

FX_LEVELS(static, addRow, (uint32_t* restrict column, const uint8_t* restrict in, int n),
          (column, in, n))

/* Column sums stay below 2^32 (at most 255 x 65535), so the wrapping
 * difference is exact. */
FX_BODY void slideRowsLoopBody(uint32_t* restrict column, const uint8_t* restrict in,
                               const uint8_t* restrict out, int n) {
    for (int k = 0; k < n; ++k)
        column[k] += (uint32_t)in[k] - (uint32_t)out[k];
}

FX_LEVELS(static, slideRowsLoop,
          (uint32_t* restrict column, const uint8_t* restrict in, const uint8_t* restrict out,
           int n),
          (column, in, out, n))

/* With AVX2 alone the vectoriser widens bytes in two steps through words,
 * twice the shuffles of widening eight bytes at once from memory. */
FX_AVX2 static void slideRowsAvx2Wide(uint32_t* restrict column, const uint8_t* restrict in,
                                      const uint8_t* restrict out, int n) {
    int k = 0;
    for (; k + 8 <= n; k += 8) {
        const __m256i a = _mm256_cvtepu8_epi32(_mm_loadl_epi64((const __m128i*)(in + k)));
        const __m256i b = _mm256_cvtepu8_epi32(_mm_loadl_epi64((const __m128i*)(out + k)));
        __m256i* c = (__m256i*)(column + k);
        _mm256_storeu_si256(c, _mm256_add_epi32(_mm256_loadu_si256(c), _mm256_sub_epi32(a, b)));
    }
    for (; k < n; ++k)
        column[k] += (uint32_t)in[k] - (uint32_t)out[k];
}

static void slideRows(uint32_t* restrict column, const uint8_t* restrict in,
                      const uint8_t* restrict out, int n) {
    if (KIsaLevel() == K_ISA_AVX2)
        slideRowsAvx2Wide(column, in, out, n);
    else
        slideRowsLoop(column, in, out, n);
}

/* Window sums below 2^24 (float) or 2^53 (double) give exact quotients.
 * Sums and quotients go through signed conversions, which every level
 * has (the unsigned ones are longer sequences below AVX-512); both are
 * far below 2^31. */
FX_BODY void divideNarrowLoopBody(uint8_t* restrict out, const uint32_t* restrict upper,
                                  const uint32_t* restrict lower, int n, float area) {
    for (int k = 0; k < n; ++k)
        out[k] = (uint8_t)(int32_t)((float)(int32_t)(upper[k] - lower[k]) / area);
}

FX_LEVELS(static, divideNarrowLoop,
          (uint8_t* restrict out, const uint32_t* restrict upper, const uint32_t* restrict lower,
           int n, float area),
          (out, upper, lower, n, area))

/* The same quotients with AVX2 alone, narrowed by saturating packs (the
 * quotients lie in 0 .. 255), which the vectoriser does not see: it masks
 * and packs twice as often. */
FX_AVX2 static void divideNarrowAvx2Packs(uint8_t* restrict out, const uint32_t* restrict upper,
                                          const uint32_t* restrict lower, int n, float area) {
    const __m256 a = _mm256_set1_ps(area);
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    int k = 0;
    for (; k + 32 <= n; k += 32) {
        __m256i q[4];
        for (int j = 0; j < 4; ++j) {
            const __m256i u = _mm256_loadu_si256((const __m256i*)(upper + k + 8 * j));
            const __m256i l = _mm256_loadu_si256((const __m256i*)(lower + k + 8 * j));
            q[j] =
                _mm256_cvttps_epi32(_mm256_div_ps(_mm256_cvtepi32_ps(_mm256_sub_epi32(u, l)), a));
        }
        /* Packs work within 128-bit lanes: the dwords end up in the order
         * 0 4 1 5 2 6 3 7 of the eight groups of four. */
        const __m256i words01 = _mm256_packs_epi32(q[0], q[1]);
        const __m256i words23 = _mm256_packs_epi32(q[2], q[3]);
        const __m256i bytes = _mm256_packus_epi16(words01, words23);
        _mm256_storeu_si256((__m256i*)(out + k), _mm256_permutevar8x32_epi32(bytes, order));
    }
    for (; k < n; ++k)
        out[k] = (uint8_t)(int32_t)((float)(int32_t)(upper[k] - lower[k]) / area);
}

static void divideNarrow(uint8_t* restrict out, const uint32_t* restrict upper,
                         const uint32_t* restrict lower, int n, float area) {
    if (KIsaLevel() == K_ISA_AVX2)
        divideNarrowAvx2Packs(out, upper, lower, n, area);
    else
        divideNarrowLoop(out, upper, lower, n, area);
}

FX_BODY void divideWideBody(uint8_t* restrict out, const uint64_t* restrict upper,
                            const uint64_t* restrict lower, int n, double area) {
    for (int k = 0; k < n; ++k)
        out[k] = (uint8_t)(uint32_t)((double)(upper[k] - lower[k]) / area);
}

FX_LEVELS(static, divideWide,
          (uint8_t* restrict out, const uint64_t* restrict upper, const uint64_t* restrict lower,
           int n, double area),
          (out, upper, lower, n, area))

/* prefix[x * c + ch] = sum of column[u * c + ch] over u < x, for one prefix
 * type T; three channels run as three independent sums. */
#define PREFIX_SUMS(T, prefix, column, width, c)                                                   \
    do {                                                                                           \
        T b = 0, g = 0, r = 0;                                                                     \
        prefix[0] = prefix[1] = prefix[2] = 0;                                                     \
        if (c == 3) {                                                                              \
            for (int x = 0; x < width; ++x) {                                                      \
                b += column[3 * x], g += column[3 * x + 1], r += column[3 * x + 2];                \
                prefix[3 * x + 3] = b, prefix[3 * x + 4] = g, prefix[3 * x + 5] = r;               \
            }                                                                                      \
        } else {                                                                                   \
            for (int x = 0; x < width; ++x)                                                        \
                prefix[x + 1] = b += column[x];                                                    \
        }                                                                                          \
    } while (0)

/* Narrow prefix sums of three channels, four pixels (three vectors) a
 * step: within the step, the sums at distance three and then six lanes
 * are added in (shifts across the three vectors), then the running sums
 * in the lane pattern of each vector. With prefix + 3 on 16 bytes the
 * stores never straddle a cache line. The last width % 4 pixels go one at
 * a time. */
FX_BODY void prefixSums3NarrowBody(uint32_t* restrict prefix, const uint32_t* restrict column,
                                   int from, int to) {
    if (from == 0)
        prefix[0] = prefix[1] = prefix[2] = 0;
    /* The running sums so far, in the lane patterns b g r b, g r b g, r b g r. */
    const int b0 = (int)prefix[3 * from], g0 = (int)prefix[3 * from + 1];
    const int r0 = (int)prefix[3 * from + 2];
    __m128i s0 = _mm_setr_epi32(b0, g0, r0, b0), s1 = _mm_setr_epi32(g0, r0, b0, g0);
    __m128i s2 = _mm_setr_epi32(r0, b0, g0, r0);
    int x = from;
    for (; x + 4 <= to; x += 4) {
        const uint32_t* in = column + 3 * x;
        const __m128i v0 = _mm_loadu_si128((const __m128i*)in);
        const __m128i v1 = _mm_loadu_si128((const __m128i*)(in + 4));
        const __m128i v2 = _mm_loadu_si128((const __m128i*)(in + 8));
        const __m128i a0 = _mm_add_epi32(v0, _mm_slli_si128(v0, 12));
        const __m128i a1 =
            _mm_add_epi32(v1, _mm_or_si128(_mm_srli_si128(v0, 4), _mm_slli_si128(v1, 12)));
        const __m128i a2 =
            _mm_add_epi32(v2, _mm_or_si128(_mm_srli_si128(v1, 4), _mm_slli_si128(v2, 12)));
        const __m128i q1 = _mm_add_epi32(a1, _mm_slli_si128(a0, 8));
        const __m128i q2 = _mm_add_epi32(
            a2, _mm_castpd_si128(_mm_shuffle_pd(_mm_castsi128_pd(a0), _mm_castsi128_pd(a1), 1)));
        const __m128i o0 = _mm_add_epi32(a0, s0), o1 = _mm_add_epi32(q1, s1);
        const __m128i o2 = _mm_add_epi32(q2, s2);
        uint32_t* out = prefix + 3 * x + 3;
        _mm_storeu_si128((__m128i*)out, o0);
        _mm_storeu_si128((__m128i*)(out + 4), o1);
        _mm_storeu_si128((__m128i*)(out + 8), o2);
        s0 = _mm_shuffle_epi32(o2, _MM_SHUFFLE(1, 3, 2, 1));
        s1 = _mm_shuffle_epi32(o2, _MM_SHUFFLE(2, 1, 3, 2));
        s2 = _mm_shuffle_epi32(o2, _MM_SHUFFLE(3, 2, 1, 3));
    }
    uint32_t b = (uint32_t)_mm_cvtsi128_si32(s0), g = (uint32_t)_mm_cvtsi128_si32(s1);
    uint32_t r = (uint32_t)_mm_cvtsi128_si32(s2);
    for (; x < to; ++x) {
        b += column[3 * x], g += column[3 * x + 1], r += column[3 * x + 2];
        prefix[3 * x + 3] = b, prefix[3 * x + 4] = g, prefix[3 * x + 5] = r;
    }
}

/* Built for each level too: with AVX the same steps take the
 * three-operand forms, without the register copies. */
FX_LEVELS(static, prefixSums3Narrow,
          (uint32_t* restrict prefix, const uint32_t* restrict column, int from, int to),
          (prefix, column, from, to))

static void prefixSums(const AverageJob* job, int width, int c) {
    if (job->Narrow && c == 3) {
        prefixSums3Narrow(job->Prefix, job->Column, 0, width);
    } else if (job->Narrow) {
        uint32_t* prefix = job->Prefix;
        PREFIX_SUMS(uint32_t, prefix, job->Column, width, c);
    } else {
        uint64_t* prefix = job->Prefix;
        PREFIX_SUMS(uint64_t, prefix, job->Column, width, c);
    }
}

/* The sum of the column sums from index lower up to index upper. */
static inline uint64_t between(const AverageJob* job, size_t upper, size_t lower) {
    if (job->Narrow)
        return (uint32_t)(((const uint32_t*)job->Prefix)[upper] -
                          ((const uint32_t*)job->Prefix)[lower]);
    return ((const uint64_t*)job->Prefix)[upper] - ((const uint64_t*)job->Prefix)[lower];
}

/* The output of column x where its window reaches past an edge column. */
static void averageAtEdge(const AverageJob* job, const FxWindowRow* row, int x) {
    const int c = row->BytesPerPixel, w = row->Width;
    const int lo = x - (job->Dimension - 1) / 2, hi = x + job->Dimension / 2;
    for (int ch = 0; ch < c; ++ch) {
        uint64_t sum = between(job, (size_t)((hi < w ? hi : w - 1) + 1) * c + ch,
                               (size_t)(lo > 0 ? lo : 0) * c + ch);
        if (lo < 0)
            sum += (uint64_t)(-lo) * job->Column[ch];
        if (hi >= w)
            sum += (uint64_t)(hi - w + 1) * job->Column[(size_t)(w - 1) * c + ch];
        row->Out[(size_t)x * c + ch] = (uint8_t)(uint32_t)((double)sum / job->Area);
    }
}

static void averageSpan(const AverageJob* job, const FxWindowRow* row, int x0, int x1) {
    const int c = row->BytesPerPixel, before = (job->Dimension - 1) / 2;
    const int after = job->Dimension / 2;
    /* Columns whose window lies inside the row take one subtraction each. */
    const int first = x0 > before ? x0 : before;
    const int last = x1 < row->Width - after ? x1 : row->Width - after;
    if (first >= last) {
        for (int x = x0; x < x1; ++x)
            averageAtEdge(job, row, x);
        return;
    }
    for (int x = x0; x < first; ++x)
        averageAtEdge(job, row, x);
    const size_t upper = (size_t)(first + after + 1) * c, lower = (size_t)(first - before) * c;
    uint8_t* out = row->Out + (size_t)first * c;
    if (job->Narrow)
        divideNarrow(out, (const uint32_t*)job->Prefix + upper,
                     (const uint32_t*)job->Prefix + lower, (last - first) * c, (float)job->Area);
    else
        divideWide(out, (const uint64_t*)job->Prefix + upper, (const uint64_t*)job->Prefix + lower,
                   (last - first) * c, job->Area);
    for (int x = last; x < x1; ++x)
        averageAtEdge(job, row, x);
}

/* Pixels a step of the narrow colour rows: a step's column sums and prefix
 * sums stay in the first-level cache from the slide through the sums to the
 * quotients, where whole rows of them (12 bytes a pixel each) would not. A
 * multiple of 4, so that every step's prefix stores keep their alignment
 * (see prefixSums3Narrow). */
enum { STEP = 512 };

/* Slides (with a leaving row), sums and divides step by step: the outputs
 * whose windows end inside the sums so far go as each step ends. */
static void averageInSteps(const AverageJob* job, const FxWindowRow* row) {
    const int w = row->Width, after = job->Dimension / 2;
    int done = 0; /* output columns below this are written */
    for (int x = 0; x < w; x += STEP) {
        const int end = x + STEP < w ? x + STEP : w;
        if (row->Leaving)
            slideRows(job->Column + (size_t)x * 3, row->Rows[job->Dimension - 1] + (size_t)x * 3,
                      row->Leaving + (size_t)x * 3, (end - x) * 3);
        prefixSums3Narrow(job->Prefix, job->Column, x, end);
        const int ready = end == w ? w : end - after;
        if (ready <= done)
            continue;
        for (int s = 0; s + 1 < row->SpanCount; s += 2) {
            const int x0 = row->Spans[s] > done ? row->Spans[s] : done;
            const int x1 = row->Spans[s + 1] < ready ? row->Spans[s + 1] : ready;
            if (x0 < x1)
                averageSpan(job, row, x0, x1);
        }
        done = ready;
    }
}

static int averageRow(void* context, const FxWindowRow* row) {
    AverageJob* job = context;
    const int n = row->Width * row->BytesPerPixel;
    if (!job->Column) {
        /* One block, the prefix sums half a page on from the column sums:
         * had both started at the same place within a page, as separate
         * large blocks do, every prefix step's load would wait on the
         * store before it to an address that looks the same. */
        const size_t columnBytes = ((size_t)n * sizeof(uint32_t) + 4095) & ~(size_t)4095;
        job->Column = KAllocRaw(columnBytes + 2048 + ((size_t)n + 4) * sizeof(uint64_t));
        if (!job->Column)
            return FX_ERR_NO_MEMORY;
        /* Narrow sums also put prefix + 3 on 16 bytes (see prefixSums3Narrow). */
        job->Prefix = (uint8_t*)job->Column + columnBytes + 2048 + (job->Narrow ? 4 : 0);
    }
    const int steps = job->Narrow && row->BytesPerPixel == 3;
    if (!row->Leaving) {
        for (int k = 0; k < n; ++k)
            job->Column[k] = 0;
        for (int i = 0; i < job->Dimension; ++i)
            addRow(job->Column, row->Rows[i], n);
    } else if (!steps) {
        slideRows(job->Column, row->Rows[job->Dimension - 1], row->Leaving, n);
    }
    if (steps) {
        averageInSteps(job, row);
        return FX_OK;
    }
    prefixSums(job, row->Width, row->BytesPerPixel);
    for (int s = 0; s + 1 < row->SpanCount; s += 2)
        averageSpan(job, row, row->Spans[s], row->Spans[s + 1]);
    return FX_OK;
}

int R_AverageFilterBitmap(RasterBitmap* bitmap, int dimension) {
    if (dimension < 1 || dimension > FX_MAX_DIMENSION)
        return FX_ERR_BAD_PARAMETER;
    AverageJob job = {dimension, dimension <= NARROW_DIMENSION,
                      (double)dimension * (double)dimension, NULL, NULL};
    const FxWindowLayout layout = {.Dimension = dimension, .ExtraRows = 1, .InPlace = 1};
    int status = FxRunWindow(bitmap, &layout, averageRow, &job);
    KFree(job.Column);
    return status;
}
