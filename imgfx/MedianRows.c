/* The 3 x 3 median as a fixed network of minimum and maximum operations:
 * each column of three is sorted, and the median of nine is the median of
 * the largest column minimum, the median of the column medians and the
 * smallest column maximum. Byte operations, written for the vectoriser. */
#include "imgfx/MedianRows.h"

#include "imgfx/Clones.h"

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

static inline uint8_t median9(const uint8_t* restrict const* t, int k) {
    uint8_t low = 0, mid[3], high = 255;
    for (int j = 0; j < 3; ++j) {
        uint8_t a = t[j][k], b = t[3 + j][k], c = t[6 + j][k];
        low = greater(low, lesser(lesser(a, b), c));
        mid[j] = median3(a, b, c);
        high = lesser(high, greater(greater(a, b), c));
    }
    return median3(low, median3(mid[0], mid[1], mid[2]), high);
}

FX_BODY void median3x3Body(uint8_t* restrict out, const uint8_t* const* taps, int n,
                           int despeckle) {
    const uint8_t* restrict t[9];
    for (int i = 0; i < 9; ++i)
        t[i] = taps[i];
    if (!despeckle) {
        for (int k = 0; k < n; ++k)
            out[k] = median9(t, k);
        return;
    }
    for (int k = 0; k < n; ++k) {
        uint8_t m = median9(t, k), c = t[4][k];
        /* |c - m| > 128 */
        uint8_t distance = (uint8_t)(greater(c, m) - lesser(c, m));
        out[k] = distance > 128 ? m : c;
    }
}

FX_LEVELS(static, median3x3,
          (uint8_t* restrict out, const uint8_t* const* taps, int n, int despeckle),
          (out, taps, n, despeckle))

void FxMedian3(uint8_t* out, const uint8_t* const taps[9], int n) {
    median3x3(out, taps, n, 0);
}

void FxDespeckle3(uint8_t* out, const uint8_t* const taps[9], int n) {
    median3x3(out, taps, n, 1);
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
