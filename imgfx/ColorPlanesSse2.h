/* Pixels of three bytes to planes and back with SSE2 alone, which every
 * level has, sixteen pixels at a time: for the colour planes' dealing and
 * gathering and for the filters that work plane by plane. Internal to the
 * library. */
#ifndef IMGFX_COLORPLANESSSE2_H
#define IMGFX_COLORPLANESSSE2_H

#include <emmintrin.h>
#include <xmmintrin.h>

/* The 48 bytes of v[0..2] to sixteen bytes of each plane in v[0..2]: the
 * steps of FxInterleave3Sse2 backwards. Five double-word shuffles take
 * every third double word of the pixels (p, q, r: double words 0, 3, 6, 9;
 * 1, 4, 7, 10; 2, 5, 8, 11), masks and shifts then part them into words
 * (x: blue and green of even pixels, y: red of even and blue of odd, z:
 * green and red of odd) and those into the planes' bytes. A third of the
 * instructions of four rounds of unpacking, and mostly ones that any of
 * the processor's vector units runs, where unpacking waits on the two
 * that shuffle: dealing then keeps up with memory. */
static inline void FxDeal3Sse2(__m128i v[3]) {
    const __m128 v0 = _mm_castsi128_ps(v[0]), v1 = _mm_castsi128_ps(v[1]),
                 v2 = _mm_castsi128_ps(v[2]);
    const __m128 t = _mm_shuffle_ps(v1, v2, _MM_SHUFFLE(2, 1, 3, 2)); /* 6 7 9 10 */
    const __m128 s = _mm_shuffle_ps(v0, v1, _MM_SHUFFLE(1, 0, 2, 1)); /* 1 2 4 5 */
    const __m128i p = _mm_castps_si128(_mm_shuffle_ps(v0, t, _MM_SHUFFLE(2, 0, 3, 0)));
    const __m128i q = _mm_castps_si128(_mm_shuffle_ps(s, t, _MM_SHUFFLE(3, 1, 2, 0)));
    const __m128i r = _mm_castps_si128(_mm_shuffle_ps(s, v2, _MM_SHUFFLE(3, 0, 3, 1)));
    /* Both halves' masks, rather than one and its complement: the
     * complementing AND overwrites the mask, which SSE2 then copies first.
     * The right shift of the green plane's bytes is a multiplication by 256
     * (the product's high half), which runs beside the shuffles and shifts
     * rather than queueing with them. */
    const __m128i lowWords = _mm_set1_epi32(0xffff), highWords = _mm_set1_epi32((int)0xffff0000u);
    const __m128i lowBytes = _mm_set1_epi16(0x00ff), highBytes = _mm_set1_epi16((short)0xff00);
    const __m128i byteShift = _mm_set1_epi16(256);
    const __m128i x = _mm_or_si128(_mm_and_si128(p, lowWords), _mm_and_si128(q, highWords));
    const __m128i y = _mm_or_si128(_mm_srli_epi32(p, 16), _mm_slli_epi32(r, 16));
    const __m128i z = _mm_or_si128(_mm_and_si128(q, lowWords), _mm_and_si128(r, highWords));
    v[0] = _mm_or_si128(_mm_and_si128(x, lowBytes), _mm_and_si128(y, highBytes));
    v[1] = _mm_or_si128(_mm_mulhi_epu16(x, byteShift), _mm_slli_epi16(z, 8));
    v[2] = _mm_or_si128(_mm_and_si128(y, lowBytes), _mm_and_si128(z, highBytes));
}

/* Sixteen pixels from sixteen bytes of each plane in three steps, each
 * interleaving three vectors by threes of ever wider elements: bytes into
 * words (blue and green of even pixels, red of even and blue of odd, green
 * and red of odd), words into double words, double words into the pixel
 * vectors. A third fewer instructions than four rounds of packing. The
 * masks and the right shift of bytes as in FxDeal3Sse2. */
static inline void FxInterleave3Sse2(__m128i a, __m128i b, __m128i c, __m128i out[3]) {
    const __m128i lowBytes = _mm_set1_epi16(0x00ff), highBytes = _mm_set1_epi16((short)0xff00);
    const __m128i lowWords = _mm_set1_epi32(0xffff), highWords = _mm_set1_epi32((int)0xffff0000u);
    const __m128i byteShift = _mm_set1_epi16(256);
    const __m128i x = _mm_or_si128(_mm_and_si128(a, lowBytes), _mm_slli_epi16(b, 8));
    const __m128i y = _mm_or_si128(_mm_and_si128(c, lowBytes), _mm_and_si128(a, highBytes));
    const __m128i z = _mm_or_si128(_mm_mulhi_epu16(b, byteShift), _mm_and_si128(c, highBytes));
    const __m128i p = _mm_or_si128(_mm_and_si128(x, lowWords), _mm_slli_epi32(y, 16));
    const __m128i q = _mm_or_si128(_mm_and_si128(z, lowWords), _mm_and_si128(x, highWords));
    const __m128i r = _mm_or_si128(_mm_srli_epi32(y, 16), _mm_and_si128(z, highWords));
    /* Double words p0 q0 r0 p1 | q1 r1 p2 q2 | r2 p3 q3 r3: each pixel
     * vector's halves from two of pq (p0 p2 q0 q2), rp (r0 r2 p1 p3) and
     * qr (q1 q3 r1 r3), each of which holds two of the six pairs, six
     * shuffles in all. */
    const __m128 fp = _mm_castsi128_ps(p), fq = _mm_castsi128_ps(q), fr = _mm_castsi128_ps(r);
    const __m128 pq = _mm_shuffle_ps(fp, fq, _MM_SHUFFLE(2, 0, 2, 0));
    const __m128 rp = _mm_shuffle_ps(fr, fp, _MM_SHUFFLE(3, 1, 2, 0));
    const __m128 qr = _mm_shuffle_ps(fq, fr, _MM_SHUFFLE(3, 1, 3, 1));
    out[0] = _mm_castps_si128(_mm_shuffle_ps(pq, rp, _MM_SHUFFLE(2, 0, 2, 0)));
    out[1] = _mm_castps_si128(_mm_shuffle_ps(qr, pq, _MM_SHUFFLE(3, 1, 2, 0)));
    out[2] = _mm_castps_si128(_mm_shuffle_ps(rp, qr, _MM_SHUFFLE(3, 1, 3, 1)));
}

#endif
