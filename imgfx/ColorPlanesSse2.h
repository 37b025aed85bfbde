/* Pixels of three bytes to planes and back with SSE2 alone, which every
 * level has, sixteen pixels at a time: for the colour planes' dealing and
 * gathering and for the filters that work plane by plane. Internal to the
 * library. */
#ifndef IMGFX_COLORPLANESSSE2_H
#define IMGFX_COLORPLANESSSE2_H

#include "rkkernel/KPlaneRounds.h"

#include <emmintrin.h>

/* The 48 bytes of v[0..2] to sixteen bytes of each plane in v[0..2]. */
static inline void FxDeal3Sse2(__m128i v[3]) {
    for (int r = 0; r < 4; ++r)
        dealRound(&v[0], &v[1], &v[2]);
}

/* Sixteen pixels from sixteen bytes of each plane in three steps, each
 * interleaving three vectors by threes of ever wider elements: bytes into
 * words (blue and green of even pixels, red of even and blue of odd, green
 * and red of odd), words into double words, double words into the pixel
 * vectors. A third fewer instructions than four rounds of packing. */
static inline void FxInterleave3Sse2(__m128i a, __m128i b, __m128i c, __m128i out[3]) {
    const __m128i lowBytes = _mm_set1_epi16(0x00ff), lowWords = _mm_set1_epi32(0xffff);
    const __m128i x = _mm_or_si128(_mm_and_si128(a, lowBytes), _mm_slli_epi16(b, 8));
    const __m128i y = _mm_or_si128(_mm_and_si128(c, lowBytes), _mm_andnot_si128(lowBytes, a));
    const __m128i z = _mm_or_si128(_mm_srli_epi16(b, 8), _mm_andnot_si128(lowBytes, c));
    const __m128i p = _mm_or_si128(_mm_and_si128(x, lowWords), _mm_slli_epi32(y, 16));
    const __m128i q = _mm_or_si128(_mm_and_si128(z, lowWords), _mm_andnot_si128(lowWords, x));
    const __m128i r = _mm_or_si128(_mm_srli_epi32(y, 16), _mm_andnot_si128(lowWords, z));
    /* Double words p0 q0 r0 p1 | q1 r1 p2 q2 | r2 p3 q3 r3. */
    const __m128 pq = _mm_castsi128_ps(_mm_unpacklo_epi32(p, q));
    const __m128 pqHigh = _mm_castsi128_ps(_mm_unpackhi_epi32(p, q));
    const __m128 qrHigh = _mm_castsi128_ps(_mm_unpackhi_epi32(q, r));
    const __m128 fp = _mm_castsi128_ps(p), fq = _mm_castsi128_ps(q), fr = _mm_castsi128_ps(r);
    const __m128 rp = _mm_shuffle_ps(fr, fp, _MM_SHUFFLE(1, 1, 0, 0));
    const __m128 qr = _mm_shuffle_ps(fq, fr, _MM_SHUFFLE(1, 1, 1, 1));
    const __m128 rpHigh = _mm_shuffle_ps(fr, fp, _MM_SHUFFLE(3, 3, 2, 2));
    out[0] = _mm_castps_si128(_mm_shuffle_ps(pq, rp, _MM_SHUFFLE(2, 0, 1, 0)));
    out[1] = _mm_castps_si128(_mm_shuffle_ps(qr, pqHigh, _MM_SHUFFLE(1, 0, 2, 0)));
    out[2] = _mm_castps_si128(_mm_shuffle_ps(rpHigh, qrHigh, _MM_SHUFFLE(3, 2, 2, 0)));
}

#endif
