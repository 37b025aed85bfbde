/* The 3 x 3 median as a fixed network of minimum and maximum operations:
 * each column of three is sorted, and the median of nine is the median of
 * the largest column minimum, the median of the column medians and the
 * smallest column maximum. Each column is sorted once, into a pass held in
 * the first-level cache, for the three windows that share it. Byte
 * operations, written for the vectoriser. */
#include "imgfx/MedianRows.h"

#include "imgfx/Clones.h"

#include <immintrin.h>
#include <stdatomic.h>
#include <stddef.h>
#include <string.h>

static inline uint8_t lesser(uint8_t a, uint8_t b) {
    return a < b ? a : b;
}

static inline uint8_t greater(uint8_t a, uint8_t b) {
    return a > b ? a : b;
}

static inline uint8_t median3(uint8_t a, uint8_t b, uint8_t c) {
    return greater(lesser(a, b), lesser(greater(a, b), c));
}

/* Output bytes worked per pass, and room for the columns either side of
 * them that keeps each rank's row on whole cache lines: a vector stored or
 * loaded across a line costs a second access. */
enum { PASS = 2048, PASS_MARGIN = 64 };

/* lo, mid and hi[k] = the values of rank 0, 1 and 2 of the three rows'
 * bytes k. */
FX_BODY void sortColumns3Body(uint8_t* restrict lo, uint8_t* restrict mid, uint8_t* restrict hi,
                              const uint8_t* restrict r0, const uint8_t* restrict r1,
                              const uint8_t* restrict r2, int n) {
    for (int k = 0; k < n; ++k) {
        const uint8_t a = r0[k], b = r1[k], c = r2[k];
        const uint8_t low = lesser(a, b), high = greater(a, b);
        lo[k] = lesser(low, c);
        mid[k] = greater(low, lesser(high, c));
        hi[k] = greater(high, c);
    }
}

FX_LEVELS(static, sortColumns3,
          (uint8_t* restrict lo, uint8_t* restrict mid, uint8_t* restrict hi,
           const uint8_t* restrict r0, const uint8_t* restrict r1, const uint8_t* restrict r2,
           int n),
          (lo, mid, hi, r0, r1, r2, n))

/* out[k] = the median of the sorted columns at bytes k, k + bpp and
 * k + 2 bpp of s; with despeckle, only where the centre byte (centre[k])
 * lies more than 128 from it, else the centre byte. */
FX_BODY void network3Body(uint8_t* restrict out, const uint8_t (*restrict s)[PASS + PASS_MARGIN],
                          const uint8_t* restrict centre, int bpp, int n, int despeckle) {
    const uint8_t* restrict lo = s[0], * restrict mid = s[1], * restrict hi = s[2];
    if (!despeckle) {
        for (int k = 0; k < n; ++k) {
            const uint8_t low = greater(greater(lo[k], lo[k + bpp]), lo[k + 2 * bpp]);
            const uint8_t high = lesser(lesser(hi[k], hi[k + bpp]), hi[k + 2 * bpp]);
            out[k] = median3(low, median3(mid[k], mid[k + bpp], mid[k + 2 * bpp]), high);
        }
        return;
    }
    for (int k = 0; k < n; ++k) {
        const uint8_t low = greater(greater(lo[k], lo[k + bpp]), lo[k + 2 * bpp]);
        const uint8_t high = lesser(lesser(hi[k], hi[k + bpp]), hi[k + 2 * bpp]);
        const uint8_t m = median3(low, median3(mid[k], mid[k + bpp], mid[k + 2 * bpp]), high);
        const uint8_t c = centre[k];
        /* |c - m| > 128 */
        const uint8_t distance = (uint8_t)(greater(c, m) - lesser(c, m));
        out[k] = distance > 128 ? m : c;
    }
}

FX_LEVELS(static, network3,
          (uint8_t* restrict out, const uint8_t (*restrict s)[PASS + PASS_MARGIN],
           const uint8_t* restrict centre, int bpp, int n, int despeckle),
          (out, s, centre, bpp, n, despeckle))

/* The pass's sorted columns of bytes first .. first + count - 1 of rows
 * that hold rowBytes bytes: the columns of the pixels either side of the row
 * are those of its edge pixels, whose levels an edge window repeats. */
static void sortPass(uint8_t (*s)[PASS + PASS_MARGIN], const uint8_t* const* rows, int bpp,
                     int rowBytes, ptrdiff_t first, int count) {
    const int lead = first < 0 ? bpp : 0;
    const int tail = first + count > rowBytes ? bpp : 0;
    sortColumns3(s[0] + lead, s[1] + lead, s[2] + lead, rows[0] + first + lead,
                 rows[1] + first + lead, rows[2] + first + lead, count - lead - tail);
    for (int r = 0; r < 3; ++r) {
        if (lead)
            memcpy(s[r], s[r] + bpp, (size_t)bpp);
        if (tail)
            memcpy(s[r] + count - bpp, s[r] + count - 2 * bpp, (size_t)bpp);
    }
}

#define SORT3(a, b, c, lo, mid, hi)                                                                \
    do {                                                                                           \
        const __m128i low_ = _mm_min_epu8(a, b), high_ = _mm_max_epu8(a, b);                       \
        lo = _mm_min_epu8(low_, c);                                                                \
        mid = _mm_max_epu8(low_, _mm_min_epu8(high_, c));                                          \
        hi = _mm_max_epu8(high_, c);                                                               \
    } while (0)

FX_AVX2 static inline __m128i median3v(__m128i a, __m128i b, __m128i c) {
    return _mm_max_epu8(_mm_min_epu8(a, b), _mm_min_epu8(_mm_max_epu8(a, b), c));
}

/* The network on 16 output bytes at a time with the sorted columns kept in
 * registers: each step sorts the next 16 columns and takes the shifted
 * columns from the two steps' vectors by byte alignment, which a 128-bit
 * lane does in one operation, instead of storing the sorted columns and
 * loading them back at three offsets. Outputs bytes k .. last + 15
 * (k >= bpp), reading bytes k - bpp .. last + 31 - bpp. */
#define FUSED3(B)                                                                                  \
    FX_AVX2 static void fused3x##B(uint8_t* out, const uint8_t* r0, const uint8_t* r1,             \
                                   const uint8_t* r2, ptrdiff_t k, ptrdiff_t last) {               \
        __m128i lo0, mid0, hi0;                                                                    \
        SORT3(_mm_loadu_si128((const __m128i*)(r0 + k - B)),                                       \
              _mm_loadu_si128((const __m128i*)(r1 + k - B)),                                       \
              _mm_loadu_si128((const __m128i*)(r2 + k - B)), lo0, mid0, hi0);                      \
        for (; k <= last; k += 16) {                                                               \
            __m128i lo1, mid1, hi1;                                                                \
            SORT3(_mm_loadu_si128((const __m128i*)(r0 + k - B + 16)),                              \
                  _mm_loadu_si128((const __m128i*)(r1 + k - B + 16)),                              \
                  _mm_loadu_si128((const __m128i*)(r2 + k - B + 16)), lo1, mid1, hi1);             \
            const __m128i low = _mm_max_epu8(_mm_max_epu8(lo0, _mm_alignr_epi8(lo1, lo0, B)),      \
                                             _mm_alignr_epi8(lo1, lo0, 2 * B));                    \
            const __m128i high = _mm_min_epu8(_mm_min_epu8(hi0, _mm_alignr_epi8(hi1, hi0, B)),     \
                                              _mm_alignr_epi8(hi1, hi0, 2 * B));                   \
            const __m128i middle = median3v(mid0, _mm_alignr_epi8(mid1, mid0, B),                  \
                                            _mm_alignr_epi8(mid1, mid0, 2 * B));                   \
            _mm_storeu_si128((__m128i*)(out + k), median3v(low, middle, high));                    \
            lo0 = lo1, mid0 = mid1, hi0 = hi1;                                                     \
        }                                                                                          \
    }

FUSED3(1)
FUSED3(3)

/* The fused network over as many whole steps of the bytes start .. end - 1
 * (start >= bpp) as keep its last load inside rows of rowBytes bytes.
 * Returns the first byte after its outputs (start when it does not run). */
static ptrdiff_t fusedMedians(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes,
                              ptrdiff_t start, ptrdiff_t end) {
    ptrdiff_t last = end - 16;
    if (last > (ptrdiff_t)rowBytes - 32 + bpp)
        last = (ptrdiff_t)rowBytes - 32 + bpp;
    if (last < start)
        return start;
    if (bpp == 3)
        fused3x3(out, rows[0], rows[1], rows[2], start, last);
    else
        fused3x1(out, rows[0], rows[1], rows[2], start, last);
    return start + ((last - start) / 16 + 1) * 16;
}

static void median3x3Passes(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes, int k0,
                            int n, int despeckle) {
    _Alignas(64) uint8_t sorted[3][PASS + PASS_MARGIN];
    for (int done = 0; done < n; done += PASS) {
        const int m = n - done < PASS ? n - done : PASS;
        sortPass(sorted, rows, bpp, rowBytes, (ptrdiff_t)k0 + done - bpp, m + 2 * bpp);
        network3(out + k0 + done, (const uint8_t(*)[PASS + PASS_MARGIN]) sorted,
                 rows[1] + k0 + done, bpp, m, despeckle);
    }
}

/* Whether the fused network runs at AVX2: 1 or 0, or -1 until first asked. It
 * measured faster only where the processor splits a 256-bit operation in
 * two 128-bit halves (AMD's first Zen cores: 0.8 of the passes' time);
 * where whole 256-bit operations are cheap, the passes, on twice as many
 * bytes an operation, do fewer operations a byte. */
static atomic_int fusedChoice = -1;

void FxMedian3ChooseFused(int choice) {
    atomic_store(&fusedChoice, choice < 0 ? -1 : choice != 0);
}

static int fusedChosen(void) {
    int choice = atomic_load_explicit(&fusedChoice, memory_order_relaxed);
    if (choice < 0) {
        __builtin_cpu_init();
        choice = __builtin_cpu_is("znver1") != 0;
        int unset = -1;
        atomic_compare_exchange_strong(&fusedChoice, &unset, choice);
    }
    return choice;
}

static void median3x3(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes, int k0,
                      int n, int despeckle) {
    if (!despeckle && KIsaLevel() == K_ISA_AVX2 && fusedChosen()) {
        /* The first pixel's windows reach past the row's start and the last
         * bytes' fused loads past its end: those stay on the passes. */
        const ptrdiff_t end = (ptrdiff_t)k0 + n;
        const ptrdiff_t start = k0 < bpp ? (bpp < end ? bpp : end) : k0;
        const ptrdiff_t done = fusedMedians(out, rows, bpp, rowBytes, start, end);
        if (done > start) {
            if (start > k0)
                median3x3Passes(out, rows, bpp, rowBytes, k0, (int)(start - k0), 0);
            if (end > done)
                median3x3Passes(out, rows, bpp, rowBytes, (int)done, (int)(end - done), 0);
            return;
        }
    }
    median3x3Passes(out, rows, bpp, rowBytes, k0, n, despeckle);
}

void FxMedian3(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes, int k0, int n) {
    median3x3(out, rows, bpp, rowBytes, k0, n, 0);
}

void FxDespeckle3(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes, int k0, int n) {
    median3x3(out, rows, bpp, rowBytes, k0, n, 1);
}

typedef uint8_t Bytes64 __attribute__((vector_size(64)));

/* The medians of 64 bytes: counting bytes that stay in registers across
 * the window (GCC vector types compile to one AVX-512 register, or two
 * AVX2 or four SSE2 registers). Inlined with a constant dimension the
 * window loops unroll completely. */
static inline __attribute__((always_inline)) void selectChunk(uint8_t* out, size_t count,
                                                              const uint8_t* const* rows,
                                                              const int dim, int bpp, ptrdiff_t k) {
    const uint8_t rank = (uint8_t)((dim * dim + 1) / 2);
    Bytes64 median = {0};
#pragma GCC unroll 1
    for (int bit = 7; bit >= 0; --bit) {
        /* The largest level with the bits found so far and this bit 0. */
        const Bytes64 trial = median | (uint8_t)((1u << bit) - 1u);
        Bytes64 atOrBelow = {0};
        for (int i = 0; i < dim; ++i) {
            const uint8_t* p = rows[i] + k;
            for (int j = 0; j < dim; ++j) {
                Bytes64 v;
                memcpy(&v, p + (ptrdiff_t)j * bpp, sizeof v);
                atOrBelow -= (Bytes64)(v <= trial);
            }
        }
        median |= (Bytes64)(atOrBelow < rank) & (uint8_t)(1u << bit);
    }
    memcpy(out, &median, count);
}

#define SELECT_LOOP(dim)                                                                           \
    for (; n > 0; k0 += 64, n -= 64)                                                               \
        selectChunk(out + k0, n < 64 ? (size_t)n : 64, rows, dim, bpp,                             \
                    k0 - (ptrdiff_t)(((dim)-1) / 2) * bpp);

/* With AVX-512 the usual dimensions get loops unrolled for them; narrower
 * vectors would need too many registers for that, so the other builds keep
 * one general loop. */
__attribute__((target("arch=x86-64-v4"))) static void
selectMediansWide(uint8_t* out, const uint8_t* const* rows, int dim, int bpp, int k0, int n) {
    switch (dim) {
    case 2:
        SELECT_LOOP(2)
        break;
    case 4:
        SELECT_LOOP(4)
        break;
    case 5:
        SELECT_LOOP(5)
        break;
    case 7:
        SELECT_LOOP(7)
        break;
    case 9:
        SELECT_LOOP(9)
        break;
    case 11:
        SELECT_LOOP(11)
        break;
    case 15:
        SELECT_LOOP(15)
        break;
    default:
        SELECT_LOOP(dim)
        break;
    }
}

FX_BODY void selectMediansBody(uint8_t* out, const uint8_t* const* rows, int dim, int bpp, int k0,
                               int n){SELECT_LOOP(dim)}

FX_LEVELS(static, selectMedians,
          (uint8_t * out, const uint8_t* const* rows, int dim, int bpp, int k0, int n),
          (out, rows, dim, bpp, k0, n))

    void FxMedianSelect(uint8_t* out, const uint8_t* const* rows, int dim, int bpp, int k0, int n) {
    if (KIsaLevel() == K_ISA_AVX512)
        selectMediansWide(out, rows, dim, bpp, k0, n);
    else
        selectMedians(out, rows, dim, bpp, k0, n);
}
