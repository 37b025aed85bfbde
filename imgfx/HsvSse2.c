/* Hue and saturation changes with SSE2 alone, for processors without
 * AVX2: one pixel a 16-bit lane, eight at a time, following the lane
 * arithmetic of HsvRows.c exactly. Every product and sum but the hue's
 * dividend fits 16 bits; the three quotients are taken in single
 * precision four lanes at a time, truncated, which for dividends below
 * 2^24 and divisors of at least 1 are the integer quotients. The compiler
 * cannot do this itself: without 32-bit multiplies, minima and blends the
 * 32-bit lanes of the plain loop are emulated instruction by instruction. */
#include "imgfx/ColorPlanesSse2.h"
#include "imgfx/HsvColor.h"

#include <emmintrin.h>

static inline __m128i set1(int v) {
    return _mm_set1_epi16((short)v);
}

/* mask ? b : a, lane by lane. */
static inline __m128i pick(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, b), _mm_andnot_si128(mask, a));
}

/* Truncated quotients of eight 32-bit dividends (as low and high halves)
 * by eight 16-bit divisors, as 16-bit lanes (all below 2^15). */
static inline __m128i quotient32(__m128i low, __m128i high, __m128i divisor) {
    const __m128i zero = _mm_setzero_si128();
    const __m128 dLow = _mm_cvtepi32_ps(_mm_unpacklo_epi16(divisor, zero));
    const __m128 dHigh = _mm_cvtepi32_ps(_mm_unpackhi_epi16(divisor, zero));
    const __m128i qLow = _mm_cvttps_epi32(_mm_div_ps(_mm_cvtepi32_ps(low), dLow));
    const __m128i qHigh = _mm_cvttps_epi32(_mm_div_ps(_mm_cvtepi32_ps(high), dHigh));
    return _mm_packs_epi32(qLow, qHigh);
}

/* The same for 16-bit dividends (unsigned). */
static inline __m128i quotient16(__m128i a, __m128i divisor) {
    const __m128i zero = _mm_setzero_si128();
    return quotient32(_mm_unpacklo_epi16(a, zero), _mm_unpackhi_epi16(a, zero), divisor);
}

typedef struct Change {
    __m128i Shift, Add;
} Change;

/* Eight colours, one a 16-bit lane, changed in place. */
static inline void changeEight(const Change* c, __m128i* red, __m128i* green, __m128i* blue) {
    const __m128i r = *red, g = *green, b = *blue, zero = _mm_setzero_si128();
    const __m128i mn = _mm_min_epi16(_mm_min_epi16(r, g), b);
    const __m128i mx = _mm_max_epi16(_mm_max_epi16(r, g), b);
    /* Saturation: (mx - mn) * 255 stays below 2^16. */
    __m128i s =
        quotient16(_mm_mullo_epi16(_mm_sub_epi16(mx, mn), set1(255)), _mm_max_epi16(mx, set1(1)));
    /* Hue, its two divisions folded into one as in HsvRows.c. */
    const __m128i blueLeast = _mm_cmpeq_epi16(b, mn);
    const __m128i redLeast = _mm_andnot_si128(blueLeast, _mm_cmpeq_epi16(r, mn));
    const __m128i a = pick(blueLeast, pick(redLeast, r, b), g);
    /* The offsets 61620 / 60 = 1027, 30900 / 60 = 1027 - 512 and 180 / 60
     * = 1027 - 1024; a and the other channel not the least sum to r + g +
     * b - mn. */
    const __m128i offset =
        _mm_sub_epi16(_mm_sub_epi16(set1(1027), _mm_and_si128(redLeast, set1(512))),
                      _mm_and_si128(blueLeast, set1(1024)));
    const __m128i excess = _mm_sub_epi16(a, mn);
    const __m128i threeLeast = _mm_add_epi16(_mm_add_epi16(mn, mn), mn);
    const __m128i divisor =
        _mm_max_epi16(_mm_sub_epi16(_mm_add_epi16(_mm_add_epi16(r, g), b), threeLeast), set1(1));
    const __m128i productLow = _mm_mullo_epi16(offset, divisor);
    const __m128i productHigh = _mm_mulhi_epu16(offset, divisor);
    const __m128i dividendLow = _mm_add_epi32(_mm_slli_epi32(_mm_unpacklo_epi16(excess, zero), 9),
                                              _mm_unpacklo_epi16(productLow, productHigh));
    const __m128i dividendHigh = _mm_add_epi32(_mm_slli_epi32(_mm_unpackhi_epi16(excess, zero), 9),
                                               _mm_unpackhi_epi16(productLow, productHigh));
    __m128i hue = quotient32(dividendLow, dividendHigh, _mm_mullo_epi16(divisor, set1(6)));
    hue = _mm_and_si128(_mm_add_epi16(hue, c->Shift), set1(255));
    /* Greys keep saturation 0 whatever is added: with saturation 0, m and
     * x are V and every channel is V, as for colours whose saturation
     * fell to 0. */
    s = _mm_min_epi16(_mm_max_epi16(_mm_add_epi16(s, c->Add), zero), set1(255));
    s = _mm_andnot_si128(_mm_cmpeq_epi16(mn, mx), s);
    /* Back by 60-degree sector: hue * 360 >> 8 is hue * 45 >> 5, and
     * x / 255 is x * 32897 >> 23 for x <= 65025. */
    const __m128i h = _mm_srli_epi16(_mm_mullo_epi16(hue, set1(45)), 5);
    const __m128i m = _mm_srli_epi16(
        _mm_mulhi_epu16(_mm_mullo_epi16(_mm_sub_epi16(set1(255), s), mx), set1(32897)), 7);
    const __m128i d = _mm_sub_epi16(mx, m);
    const __m128i past120 = _mm_cmpgt_epi16(h, set1(120));
    const __m128i past240 = _mm_cmpgt_epi16(h, set1(240));
    const __m128i u = _mm_sub_epi16(h, pick(past240, _mm_and_si128(past120, set1(120)), set1(240)));
    const __m128i rest = _mm_sub_epi16(set1(120), u);
    const __m128i rising = _mm_cmplt_epi16(u, set1(61));
    const __m128i x = _mm_add_epi16(
        m, quotient16(_mm_mullo_epi16(d, pick(rising, rest, u)), pick(rising, u, rest)));
    const __m128i second = _mm_andnot_si128(past240, past120), third = past240;
    const __m128i firstFalling = _mm_andnot_si128(_mm_or_si128(past120, rising), set1(-1));
    __m128i nr = pick(_mm_or_si128(firstFalling, _mm_and_si128(third, rising)), mx, x);
    __m128i ng = pick(_mm_or_si128(firstFalling, _mm_and_si128(second, rising)), x, mx);
    __m128i nb =
        pick(_mm_or_si128(_mm_and_si128(second, rising), _mm_andnot_si128(rising, third)), mx, x);
    *red = pick(second, nr, m);
    *green = pick(third, ng, m);
    *blue = pick(past120, m, nb);
}

size_t FxChangePixelsSse2(const FxHsvChange* change, uint8_t* p, size_t n) {
    const Change c = {set1(change->HueShift & 255), set1(change->SaturationAdd)};
    const __m128i zero = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 16 <= n; i += 16, p += 48) {
        __m128i v[3] = {_mm_loadu_si128((const __m128i*)p),
                        _mm_loadu_si128((const __m128i*)(p + 16)),
                        _mm_loadu_si128((const __m128i*)(p + 32))};
        FxDeal3Sse2(v);
        __m128i b0 = _mm_unpacklo_epi8(v[0], zero), b1 = _mm_unpackhi_epi8(v[0], zero);
        __m128i g0 = _mm_unpacklo_epi8(v[1], zero), g1 = _mm_unpackhi_epi8(v[1], zero);
        __m128i r0 = _mm_unpacklo_epi8(v[2], zero), r1 = _mm_unpackhi_epi8(v[2], zero);
        changeEight(&c, &r0, &g0, &b0);
        changeEight(&c, &r1, &g1, &b1);
        FxInterleave3Sse2(_mm_packus_epi16(b0, b1), _mm_packus_epi16(g0, g1),
                          _mm_packus_epi16(r0, r1), v);
        _mm_storeu_si128((__m128i*)p, v[0]);
        _mm_storeu_si128((__m128i*)(p + 16), v[1]);
        _mm_storeu_si128((__m128i*)(p + 32), v[2]);
    }
    return i;
}
