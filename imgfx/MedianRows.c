/* The 3 x 3 median as a fixed network of minimum and maximum operations:
 * each column of three is sorted, and the median of nine is the median of
 * the largest column minimum, the median of the column medians and the
 * smallest column maximum. Each column is sorted once, into a pass held in
 * the first-level cache, for the three windows that share it. Byte
 * operations, written for the vectoriser. The processor's model chooses
 * whether the median keeps the sorted columns in registers instead
 * (MedianFused.c). */
#include "imgfx/MedianRows.h"

#include "imgfx/Clones.h"
#include "imgfx/MedianFused.h"

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

/* The path the median takes: 0 (the passes) or an FX_FUSED kind, or -1
 * until first asked. The 128-bit lanes measured fastest at AVX2 on AMD's
 * first Zen cores, which split every 256-bit operation in two (0.8 of the
 * passes' time); on later Zen cores whole registers (Zen 4: 0.6 of the
 * passes' time at AVX2 and AVX-512, 0.7 with SSE2 alone), whose moves
 * between lanes and byte alignments two of their vector units take.
 * Elsewhere the passes run: Intel's cores have one unit for those moves,
 * where a step's nine of them would likely cost more than the passes'
 * loads (not measured). */
static atomic_int chosenPath = -1;

void FxMedian3Choose(int path) {
    atomic_store(&chosenPath,
                 path == FX_FUSED_LANES || path == FX_FUSED_WHOLE || path == 0 ? path : -1);
}

static int pathChosen(void) {
    int path = atomic_load_explicit(&chosenPath, memory_order_relaxed);
    if (path < 0) {
        __builtin_cpu_init();
        path = __builtin_cpu_is("znver1") ? FX_FUSED_LANES
               : __builtin_cpu_is("amd")  ? FX_FUSED_WHOLE
                                          : 0;
        int unset = -1;
        atomic_compare_exchange_strong(&chosenPath, &unset, path);
    }
    return path;
}

static void median3x3(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes, int k0,
                      int n, int despeckle) {
    /* Without AVX2 the lanes' byte alignment is missing: only the whole
     * kind is fused there (by its loop for SSE2). */
    const int path = despeckle ? 0 : pathChosen();
    if (path == FX_FUSED_WHOLE || (path == FX_FUSED_LANES && KIsaLevel() != K_ISA_BASELINE)) {
        /* The first pixel's windows reach past the row's start and the last
         * bytes' fused loads past its end: those stay on the passes. */
        const ptrdiff_t end = (ptrdiff_t)k0 + n;
        const ptrdiff_t start = k0 < bpp ? (bpp < end ? bpp : end) : k0;
        const ptrdiff_t done = FxMedian3Fused(path, out, rows, bpp, rowBytes, start, end);
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
