/* Pixels to planes and back with SSE2 alone, shared by the kernel's colour
 * spaces and the filter library's colour planes: four rounds of dealRound,
 * each interleaving the bytes of the low half of one vector with the high
 * half of another, take 48 pixel bytes to 16 bytes of each plane, and four
 * rounds of gatherRound (even and odd bytes packed apart) take them back.
 * The compiler's stride-3 loops are three times slower without byte
 * shuffles; with AVX2 its own shuffles measure as fast. */
#ifndef K_PLANE_ROUNDS_H
#define K_PLANE_ROUNDS_H

#include <emmintrin.h>

static inline void dealRound(__m128i* x0, __m128i* x1, __m128i* x2) {
    const __m128i y0 = _mm_unpacklo_epi8(*x0, _mm_unpackhi_epi64(*x1, *x1));
    const __m128i y1 = _mm_unpacklo_epi8(_mm_unpackhi_epi64(*x0, *x0), *x2);
    const __m128i y2 = _mm_unpacklo_epi8(*x1, _mm_unpackhi_epi64(*x2, *x2));
    *x0 = y0, *x1 = y1, *x2 = y2;
}

static inline void gatherRound(__m128i* y0, __m128i* y1, __m128i* y2) {
    const __m128i low = _mm_set1_epi16(0xff);
    const __m128i x0 = _mm_packus_epi16(_mm_and_si128(*y0, low), _mm_and_si128(*y1, low));
    const __m128i x1 = _mm_packus_epi16(_mm_and_si128(*y2, low), _mm_srli_epi16(*y0, 8));
    const __m128i x2 = _mm_packus_epi16(_mm_srli_epi16(*y1, 8), _mm_srli_epi16(*y2, 8));
    *y0 = x0, *y1 = x1, *y2 = x2;
}

#endif
