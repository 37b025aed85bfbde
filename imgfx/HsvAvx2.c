/* Hue and saturation changes with AVX2, for processors without AVX-512
 * VBMI: the 16-bit lane arithmetic of HsvSse2.c on vectors twice as wide,
 * thirty-two pixels an iteration in two groups of sixteen lanes. The
 * compiler's 32-bit vectors of HsvRows.c take eight pixels a vector and
 * measured slower at this level than the SSE2 form at the plain one. Each
 * 128-bit half of a vector holds 48 pixel bytes, which byte shuffles deal
 * to 16 bytes of each plane and gather back; every widening (unpack) is
 * undone by the matching pack within the half, so pixels keep their
 * places. */
#include "imgfx/HsvColor.h"

#include <immintrin.h>

#define AVX2 __attribute__((target("avx2")))

/* Shuffles of the three 16-byte chunks of 48 pixel bytes: Deal[k][j]
 * takes from chunk j the bytes of plane k to their pixel places, Gather[j]
 * [k] takes from plane k the bytes of chunk j to theirs (0x80 elsewhere,
 * which the shuffle makes zero). */
static struct {
    uint8_t Deal[3][3][32];
    uint8_t Gather[3][3][32];
} tables;

__attribute__((constructor)) static void buildTables(void) {
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 3; ++j)
            for (int b = 0; b < 32; ++b) {
                const int i = b & 15;
                /* Pixel i's plane k byte lies at 3i + k of the 48. */
                const int from = 3 * i + k;
                tables.Deal[k][j][b] = (uint8_t)(from / 16 == j ? from % 16 : 0x80);
                /* Byte i of chunk j is byte 16j + i: plane (16j + i) % 3 of
                 * pixel (16j + i) / 3. */
                const int at = 16 * j + i;
                tables.Gather[j][k][b] = (uint8_t)(at % 3 == k ? at / 3 : 0x80);
            }
}

AVX2 static inline __m256i set1(int v) {
    return _mm256_set1_epi16((short)v);
}

AVX2 static inline __m256i table(const uint8_t* t) {
    return _mm256_loadu_si256((const __m256i*)t);
}

/* mask ? b : a, lane by lane (masks are whole lanes). */
AVX2 static inline __m256i pick(__m256i mask, __m256i a, __m256i b) {
    return _mm256_blendv_epi8(a, b, mask);
}

/* Truncated quotients of sixteen 32-bit dividends (as the low and high
 * unpacked halves) by sixteen 16-bit divisors, as 16-bit lanes. */
AVX2 static inline __m256i quotient32(__m256i low, __m256i high, __m256i divisor) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256 dLow = _mm256_cvtepi32_ps(_mm256_unpacklo_epi16(divisor, zero));
    const __m256 dHigh = _mm256_cvtepi32_ps(_mm256_unpackhi_epi16(divisor, zero));
    const __m256i qLow = _mm256_cvttps_epi32(_mm256_div_ps(_mm256_cvtepi32_ps(low), dLow));
    const __m256i qHigh = _mm256_cvttps_epi32(_mm256_div_ps(_mm256_cvtepi32_ps(high), dHigh));
    return _mm256_packs_epi32(qLow, qHigh);
}

AVX2 static inline __m256i quotient16(__m256i a, __m256i divisor) {
    const __m256i zero = _mm256_setzero_si256();
    return quotient32(_mm256_unpacklo_epi16(a, zero), _mm256_unpackhi_epi16(a, zero), divisor);
}

typedef struct Change {
    __m256i Shift, Add;
} Change;

/* Sixteen colours, one a 16-bit lane, changed in place: changeEight of
 * HsvSse2.c step for step. */
AVX2 static inline __attribute__((always_inline)) void
changeSixteen(const Change* c, __m256i* red, __m256i* green, __m256i* blue) {
    const __m256i r = *red, g = *green, b = *blue, zero = _mm256_setzero_si256();
    const __m256i mn = _mm256_min_epi16(_mm256_min_epi16(r, g), b);
    const __m256i mx = _mm256_max_epi16(_mm256_max_epi16(r, g), b);
    __m256i s = quotient16(_mm256_mullo_epi16(_mm256_sub_epi16(mx, mn), set1(255)),
                           _mm256_max_epi16(mx, set1(1)));
    const __m256i blueLeast = _mm256_cmpeq_epi16(b, mn);
    const __m256i redLeast = _mm256_andnot_si256(blueLeast, _mm256_cmpeq_epi16(r, mn));
    const __m256i a = pick(blueLeast, pick(redLeast, r, b), g);
    const __m256i offset =
        _mm256_sub_epi16(_mm256_sub_epi16(set1(1027), _mm256_and_si256(redLeast, set1(512))),
                         _mm256_and_si256(blueLeast, set1(1024)));
    const __m256i excess = _mm256_sub_epi16(a, mn);
    const __m256i threeLeast = _mm256_add_epi16(_mm256_add_epi16(mn, mn), mn);
    const __m256i divisor = _mm256_max_epi16(
        _mm256_sub_epi16(_mm256_add_epi16(_mm256_add_epi16(r, g), b), threeLeast), set1(1));
    const __m256i productLow = _mm256_mullo_epi16(offset, divisor);
    const __m256i productHigh = _mm256_mulhi_epu16(offset, divisor);
    const __m256i dividendLow =
        _mm256_add_epi32(_mm256_slli_epi32(_mm256_unpacklo_epi16(excess, zero), 9),
                         _mm256_unpacklo_epi16(productLow, productHigh));
    const __m256i dividendHigh =
        _mm256_add_epi32(_mm256_slli_epi32(_mm256_unpackhi_epi16(excess, zero), 9),
                         _mm256_unpackhi_epi16(productLow, productHigh));
    __m256i hue = quotient32(dividendLow, dividendHigh, _mm256_mullo_epi16(divisor, set1(6)));
    hue = _mm256_and_si256(_mm256_add_epi16(hue, c->Shift), set1(255));
    s = _mm256_min_epi16(_mm256_max_epi16(_mm256_add_epi16(s, c->Add), zero), set1(255));
    s = _mm256_andnot_si256(_mm256_cmpeq_epi16(mn, mx), s);
    const __m256i h = _mm256_srli_epi16(_mm256_mullo_epi16(hue, set1(45)), 5);
    const __m256i m = _mm256_srli_epi16(
        _mm256_mulhi_epu16(_mm256_mullo_epi16(_mm256_sub_epi16(set1(255), s), mx), set1(32897)), 7);
    const __m256i d = _mm256_sub_epi16(mx, m);
    const __m256i past120 = _mm256_cmpgt_epi16(h, set1(120));
    const __m256i past240 = _mm256_cmpgt_epi16(h, set1(240));
    const __m256i u =
        _mm256_sub_epi16(h, pick(past240, _mm256_and_si256(past120, set1(120)), set1(240)));
    const __m256i rest = _mm256_sub_epi16(set1(120), u);
    const __m256i rising = _mm256_cmpgt_epi16(set1(61), u);
    const __m256i x = _mm256_add_epi16(
        m, quotient16(_mm256_mullo_epi16(d, pick(rising, rest, u)), pick(rising, u, rest)));
    const __m256i second = _mm256_andnot_si256(past240, past120), third = past240;
    const __m256i firstFalling = _mm256_andnot_si256(_mm256_or_si256(past120, rising), set1(-1));
    const __m256i nr = pick(_mm256_or_si256(firstFalling, _mm256_and_si256(third, rising)), mx, x);
    const __m256i ng = pick(_mm256_or_si256(firstFalling, _mm256_and_si256(second, rising)), x, mx);
    const __m256i nb =
        pick(_mm256_or_si256(_mm256_and_si256(second, rising), _mm256_andnot_si256(rising, third)),
             mx, x);
    *red = pick(second, nr, m);
    *green = pick(third, ng, m);
    *blue = pick(past120, m, nb);
}

/* One plane's 16 bytes in each half from the half's three chunks. */
AVX2 static inline __m256i dealPlane(const __m256i chunk[3], const __m256i* deal) {
    return _mm256_or_si256(_mm256_or_si256(_mm256_shuffle_epi8(chunk[0], deal[0]),
                                           _mm256_shuffle_epi8(chunk[1], deal[1])),
                           _mm256_shuffle_epi8(chunk[2], deal[2]));
}

AVX2 size_t FxChangePixelsAvx2(const FxHsvChange* change, uint8_t* p, size_t n) {
    const Change c = {set1(change->HueShift & 255), set1(change->SaturationAdd)};
    __m256i deal[3][3], gather[3][3];
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 3; ++j)
            deal[k][j] = table(tables.Deal[k][j]), gather[k][j] = table(tables.Gather[k][j]);
    const __m256i zero = _mm256_setzero_si256();
    size_t i = 0;
    for (; i + 32 <= n; i += 32, p += 96) {
        const __m256i v0 = _mm256_loadu_si256((const __m256i*)p),
                      v1 = _mm256_loadu_si256((const __m256i*)(p + 32)),
                      v2 = _mm256_loadu_si256((const __m256i*)(p + 64));
        /* Chunks 0, 1, 2 of pixels 0-15 in the low halves, of 16-31 in the
         * high. */
        const __m256i chunk[3] = {_mm256_blend_epi32(v0, v1, 0xf0),
                                  _mm256_permute2x128_si256(v0, v2, 0x21),
                                  _mm256_blend_epi32(v1, v2, 0xf0)};
        const __m256i blue = dealPlane(chunk, deal[0]), green = dealPlane(chunk, deal[1]),
                      red = dealPlane(chunk, deal[2]);
        __m256i b0 = _mm256_unpacklo_epi8(blue, zero), b1 = _mm256_unpackhi_epi8(blue, zero);
        __m256i g0 = _mm256_unpacklo_epi8(green, zero), g1 = _mm256_unpackhi_epi8(green, zero);
        __m256i r0 = _mm256_unpacklo_epi8(red, zero), r1 = _mm256_unpackhi_epi8(red, zero);
        changeSixteen(&c, &r0, &g0, &b0);
        changeSixteen(&c, &r1, &g1, &b1);
        const __m256i planes[3] = {_mm256_packus_epi16(b0, b1), _mm256_packus_epi16(g0, g1),
                                   _mm256_packus_epi16(r0, r1)};
        __m256i out[3];
        for (int j = 0; j < 3; ++j)
            out[j] = dealPlane(planes, gather[j]);
        _mm256_storeu_si256((__m256i*)p, _mm256_permute2x128_si256(out[0], out[1], 0x20));
        _mm256_storeu_si256((__m256i*)(p + 32), _mm256_blend_epi32(out[2], out[0], 0xf0));
        _mm256_storeu_si256((__m256i*)(p + 64), _mm256_permute2x128_si256(out[1], out[2], 0x31));
    }
    return i + FxChangePixelsSse2(change, p, n - i);
}
