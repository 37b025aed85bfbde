/* What the AVX2 and AVX-512 loops of the bilinear rotation share (see
 * KRotateWide.c). Internal to the kernel. */
#ifndef RKKERNEL_KROTATELEVELS_H
#define RKKERNEL_KROTATELEVELS_H

#include "KInternal.h"
#include "KRotateSteps.h"

#include <immintrin.h>
#include <string.h>

#define WIDE __attribute__((target("avx2")))
#define WIDER __attribute__((target("avx2,avx512f,avx512bw,avx512vl,avx512dq")))
#define INLINE inline __attribute__((always_inline))

/* Bytes 0-2, 4-6, 8-10 and 12-14 of four 32-bit pixel words, packed. */
static const int8_t packThree[16] = {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1};

/* Pixels taken at once where every position of the stretch is an exact
 * sum (KStepsAhead): the lanes then step by eight deltas, each sum exact. */
enum { STRETCH = 64 };

/* The eight levels of the double arithmetic (levelOf, inside pixels)
 * taken from the same sums in single precision where that cannot differ.
 * With levels up to 255 and weights in [0, 1], the single sum plus 0.5
 * lies within 1.1e-4 of the exact one: the weights rounded to singles
 * (2^-24 each), three roundings of at most 2^-17 for each of the two rows
 * and three more and one for 0.5 for the mix of the rows. The double sum
 * lies within 1e-12 of the exact one. Where the single sum plus 0.5 lies
 * at least 2^-10 from every whole number, both sums truncate to the same
 * level; otherwise (about one pixel in 500 of a picture, every pixel
 * exactly halfway) the doubles are worked out. The weights fx and fy are
 * the doubles' rounded to singles; the levels come in eight 32-bit
 * lanes. */
WIDE static INLINE int singleLevels(__m256i a0, __m256i a1, __m256i b0, __m256i b1, __m256 fx,
                                    __m256 fy, __m256i* levels) {
    const __m256 one = _mm256_set1_ps(1.0f);
    const __m256 wx = _mm256_sub_ps(one, fx), wy = _mm256_sub_ps(one, fy);
    const __m256 top = _mm256_add_ps(_mm256_mul_ps(_mm256_cvtepi32_ps(a0), wx),
                                     _mm256_mul_ps(_mm256_cvtepi32_ps(a1), fx));
    const __m256 under = _mm256_add_ps(_mm256_mul_ps(_mm256_cvtepi32_ps(b0), wx),
                                       _mm256_mul_ps(_mm256_cvtepi32_ps(b1), fx));
    const __m256 r = _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(top, wy), _mm256_mul_ps(under, fy)),
                                   _mm256_set1_ps(0.5f));
    const __m256 whole = _mm256_floor_ps(r), part = _mm256_sub_ps(r, whole);
    const __m256 close =
        _mm256_or_ps(_mm256_cmp_ps(part, _mm256_set1_ps(0x1p-10f), _CMP_LT_OQ),
                     _mm256_cmp_ps(part, _mm256_set1_ps(1.0f - 0x1p-10f), _CMP_GT_OQ));
    if (!_mm256_testz_ps(close, close))
        return 0;
    *levels = _mm256_cvttps_epi32(whole);
    return 1;
}

/* The first pixels of a row, as KWideBilinear. */
WIDE int KBilinearAvx2(KBilinearRow* row, uint8_t* out);
WIDER int KBilinearAvx512(KBilinearRow* row, uint8_t* out);

#endif
