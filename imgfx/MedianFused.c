/* The fused 3 x 3 median: sort three rows' columns of a vector, then the
 * median of the largest column minimum, the median of the column medians
 * and the smallest column maximum across the columns at 0, 1 and 2
 * pixels. Each kind and pixel size (1 or 3 bytes) is its own loop, so that
 * the shifts are constants. */
#include "imgfx/MedianFused.h"

#include "imgfx/Clones.h"

#include <immintrin.h>

/* lo, mid, hi = ranks 0, 1 and 2 of a, b and c, byte by byte. */
#define SORT3(MIN, MAX, a, b, c, lo, mid, hi)                                                      \
    do {                                                                                           \
        const __typeof__(a) low_ = MIN(a, b), high_ = MAX(a, b);                                   \
        lo = MIN(low_, c);                                                                         \
        mid = MAX(low_, MIN(high_, c));                                                            \
        hi = MAX(high_, c);                                                                        \
    } while (0)

#define MEDIAN3(MIN, MAX, a, b, c) MAX(MIN(a, b), MIN(MAX(a, b), c))

/* One step's loop: T the register, W its bytes, LOAD and STORE unaligned,
 * NEXT(x0, x1) the register one lane (16 bytes) on from x0 where a byte
 * alignment needs it (else x1), SHIFT(xn, x0, n) the register n bytes on
 * from x0. Outputs bytes k .. last + W - 1 (k >= bpp), reading bytes
 * k - bpp .. last + 2 W - 1 - bpp. AHEAD nonzero fetches the bottom row
 * that many bytes ahead into the cache. */
#define FUSED_LOOP(ATTR, NAME, B, T, W, LOAD, STORE, MIN, MAX, NEXT, SHIFT, AHEAD)                 \
    ATTR static void NAME(uint8_t* out, const uint8_t* r0, const uint8_t* r1, const uint8_t* r2,   \
                          ptrdiff_t k, ptrdiff_t last) {                                           \
        T lo0, mid0, hi0;                                                                          \
        SORT3(MIN, MAX, LOAD(r0 + k - B), LOAD(r1 + k - B), LOAD(r2 + k - B), lo0, mid0, hi0);     \
        for (; k <= last; k += W) {                                                                \
            T lo1, mid1, hi1;                                                                      \
            if (AHEAD)                                                                             \
                _mm_prefetch((const char*)((uintptr_t)r2 + (uintptr_t)k + (AHEAD)), _MM_HINT_T0);  \
            SORT3(MIN, MAX, LOAD(r0 + k - B + W), LOAD(r1 + k - B + W), LOAD(r2 + k - B + W), lo1, \
                  mid1, hi1);                                                                      \
            const T loN = NEXT(lo0, lo1), midN = NEXT(mid0, mid1), hiN = NEXT(hi0, hi1);           \
            const T low = MAX(MAX(lo0, SHIFT(loN, lo0, B)), SHIFT(loN, lo0, 2 * B));               \
            const T high = MIN(MIN(hi0, SHIFT(hiN, hi0, B)), SHIFT(hiN, hi0, 2 * B));              \
            const T middle =                                                                       \
                MEDIAN3(MIN, MAX, mid0, SHIFT(midN, mid0, B), SHIFT(midN, mid0, 2 * B));           \
            STORE(out + k, MEDIAN3(MIN, MAX, low, middle, high));                                  \
            lo0 = lo1, mid0 = mid1, hi0 = hi1;                                                     \
        }                                                                                          \
    }

#define LOAD128(p) _mm_loadu_si128((const __m128i*)(p))
#define STORE128(p, v) _mm_storeu_si128((__m128i*)(p), v)
#define LOAD256(p) _mm256_loadu_si256((const __m256i*)(p))
#define STORE256(p, v) _mm256_storeu_si256((__m256i*)(p), v)
#define LOAD512(p) _mm512_loadu_si512((const void*)(p))
#define STORE512(p, v) _mm512_storeu_si512((void*)(p), v)
#define SAME(x0, x1) (x1)

/* On the walk's direct rows the bottom row comes from memory, the others
 * from the cache. With the network in registers the processor's own
 * fetching ahead fell behind that row: on Zen 4 half of the loop's time
 * waited on its loads, and fetching it 2 KB ahead in software took a fifth
 * off the median's time at AVX2 and AVX-512, a tenth with SSE2 alone. On
 * AMD's first Zen cores fetching ahead in software measured slower, so
 * their lanes do without. */
enum { AHEAD = 2048 };

/* 128-bit lanes with AVX2: one byte alignment a shifted register, which
 * pays where the processor splits 256-bit operations in two. */
#define ALIGN128(xn, x0, n) _mm_alignr_epi8(xn, x0, n)
FUSED_LOOP(FX_AVX2, lanes1, 1, __m128i, 16, LOAD128, STORE128, _mm_min_epu8, _mm_max_epu8, SAME,
           ALIGN128, 0)
FUSED_LOOP(FX_AVX2, lanes3, 3, __m128i, 16, LOAD128, STORE128, _mm_min_epu8, _mm_max_epu8, SAME,
           ALIGN128, 0)

/* 256 bits: the upper half of this step's register and the lower half of
 * the next one's, then byte alignment within each half. */
#define NEXT256(x0, x1) _mm256_permute2x128_si256(x0, x1, 0x21)
#define ALIGN256(xn, x0, n) _mm256_alignr_epi8(xn, x0, n)
FUSED_LOOP(FX_AVX2, whole256x1, 1, __m256i, 32, LOAD256, STORE256, _mm256_min_epu8, _mm256_max_epu8,
           NEXT256, ALIGN256, AHEAD)
FUSED_LOOP(FX_AVX2, whole256x3, 3, __m256i, 32, LOAD256, STORE256, _mm256_min_epu8, _mm256_max_epu8,
           NEXT256, ALIGN256, AHEAD)

/* 512 bits: the two registers shifted by four 32-bit elements (one lane),
 * then byte alignment within each lane. */
#define NEXT512(x0, x1) _mm512_alignr_epi32(x1, x0, 4)
#define ALIGN512(xn, x0, n) _mm512_alignr_epi8(xn, x0, n)
FUSED_LOOP(FX_AVX512, whole512x1, 1, __m512i, 64, LOAD512, STORE512, _mm512_min_epu8,
           _mm512_max_epu8, NEXT512, ALIGN512, AHEAD)
FUSED_LOOP(FX_AVX512, whole512x3, 3, __m512i, 64, LOAD512, STORE512, _mm512_min_epu8,
           _mm512_max_epu8, NEXT512, ALIGN512, AHEAD)

/* SSE2 alone has no byte alignment of two registers (a shifted register
 * would be two byte shifts and an or): each step sorts the columns at the
 * three offsets from rows loaded there, which measured 0.9 of the shifts'
 * time on Zen 4. Outputs bytes k .. last + 15, reading bytes k - bpp ..
 * last + 15 + bpp. */
#define RESORT_LOOP(NAME, B)                                                                       \
    static void NAME(uint8_t* out, const uint8_t* r0, const uint8_t* r1, const uint8_t* r2,        \
                     ptrdiff_t k, ptrdiff_t last) {                                                \
        for (; k <= last; k += 16) {                                                               \
            __m128i lo0, mid0, hi0, lo1, mid1, hi1, lo2, mid2, hi2;                                \
            _mm_prefetch((const char*)((uintptr_t)r2 + (uintptr_t)k + AHEAD), _MM_HINT_T0);        \
            SORT3(_mm_min_epu8, _mm_max_epu8, LOAD128(r0 + k - B), LOAD128(r1 + k - B),            \
                  LOAD128(r2 + k - B), lo0, mid0, hi0);                                            \
            SORT3(_mm_min_epu8, _mm_max_epu8, LOAD128(r0 + k), LOAD128(r1 + k), LOAD128(r2 + k),   \
                  lo1, mid1, hi1);                                                                 \
            SORT3(_mm_min_epu8, _mm_max_epu8, LOAD128(r0 + k + B), LOAD128(r1 + k + B),            \
                  LOAD128(r2 + k + B), lo2, mid2, hi2);                                            \
            const __m128i low = _mm_max_epu8(_mm_max_epu8(lo0, lo1), lo2);                         \
            const __m128i high = _mm_min_epu8(_mm_min_epu8(hi0, hi1), hi2);                        \
            const __m128i middle = MEDIAN3(_mm_min_epu8, _mm_max_epu8, mid0, mid1, mid2);          \
            STORE128(out + k, MEDIAN3(_mm_min_epu8, _mm_max_epu8, low, middle, high));             \
        }                                                                                          \
    }

RESORT_LOOP(resort1, 1)
RESORT_LOOP(resort3, 3)

typedef void (*FusedLoop)(uint8_t*, const uint8_t*, const uint8_t*, const uint8_t*, ptrdiff_t,
                          ptrdiff_t);

/* Runs loop over as many whole steps of step bytes from k before end as
 * keep its loads inside the rows (they reach the bytes before last +
 * reach); returns the first byte after its outputs. */
static ptrdiff_t runSteps(FusedLoop loop, ptrdiff_t step, ptrdiff_t reach, uint8_t* out,
                          const uint8_t* const* rows, int rowBytes, ptrdiff_t k, ptrdiff_t end) {
    ptrdiff_t last = end - step;
    if (last > (ptrdiff_t)rowBytes - reach)
        last = (ptrdiff_t)rowBytes - reach;
    if (last < k)
        return k;
    loop(out, rows[0], rows[1], rows[2], k, last);
    return k + ((last - k) / step + 1) * step;
}

ptrdiff_t FxMedian3Fused(int kind, uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes,
                         ptrdiff_t start, ptrdiff_t end) {
    const int level = KIsaLevel(), three = bpp == 3;
    if (level == K_ISA_BASELINE)
        return runSteps(three ? resort3 : resort1, 16, 16 + bpp, out, rows, rowBytes, start, end);
    /* Whole registers step down to narrower ones for the bytes that their
     * last loads leave before the row's end. */
    ptrdiff_t k = start;
    if (kind == FX_FUSED_WHOLE && level == K_ISA_AVX512)
        k = runSteps(three ? whole512x3 : whole512x1, 64, 128 - bpp, out, rows, rowBytes, k, end);
    if (kind == FX_FUSED_WHOLE)
        k = runSteps(three ? whole256x3 : whole256x1, 32, 64 - bpp, out, rows, rowBytes, k, end);
    return runSteps(three ? lanes3 : lanes1, 16, 32 - bpp, out, rows, rowBytes, k, end);
}
