/* Blue, green, red towards HSV and HLS, and HLS back, in AVX2's 16-bit
 * lanes. */
#include "KHuePixels.h"

#include <immintrin.h>

/* The same in AVX2's 16-bit lanes, thirty-two pixels at a time, for the
 * AVX2 and AVX-512 levels: it measured 1.3 to 2.5 times as fast as the
 * compiler's 32-bit vectors of fromBgrBody at either.
 * Every widening (unpack) is undone by the matching pack within each
 * 128-bit half, so the pixels keep their places. */
#define V3 __attribute__((target("arch=x86-64-v3")))

V3 static inline __m256 lanesAsFloat256(__m256i x, int high) {
    const __m256i wide = high ? _mm256_unpackhi_epi16(x, x) : _mm256_unpacklo_epi16(x, x);
    return _mm256_cvtepi32_ps(_mm256_srai_epi32(wide, 16));
}

V3 static inline __m256i roundedShare256(__m256i diff, __m256i den) {
    const __m256 half = _mm256_set1_ps(0.5f), full = _mm256_set1_ps(255.0f);
    __m256i q[2];
    for (int k = 0; k < 2; ++k)
        q[k] = _mm256_cvttps_epi32(_mm256_add_ps(
            _mm256_div_ps(_mm256_mul_ps(full, lanesAsFloat256(diff, k)), lanesAsFloat256(den, k)),
            half));
    return _mm256_packs_epi32(q[0], q[1]);
}

V3 static inline void fromBgr16(__m256i b, __m256i g, __m256i r, __m256i* hue, __m256i* second,
                                __m256i* third, int hls) {
    const __m256i one = _mm256_set1_epi16(1);
    const __m256i mx = _mm256_max_epi16(_mm256_max_epi16(r, g), b);
    const __m256i mn = _mm256_min_epi16(_mm256_min_epi16(r, g), b);
    const __m256i grey = _mm256_cmpeq_epi16(mx, mn), redMost = _mm256_cmpeq_epi16(mx, r);
    const __m256i greenMost = _mm256_andnot_si256(redMost, _mm256_cmpeq_epi16(mx, g));
    const __m256i diff = _mm256_sub_epi16(mx, mn);
    const __m256i d = _mm256_add_epi16(diff, _mm256_and_si256(grey, one));
    const __m256i num = _mm256_blendv_epi8(
        _mm256_blendv_epi8(_mm256_sub_epi16(r, g), _mm256_sub_epi16(b, r), greenMost),
        _mm256_sub_epi16(g, b), redMost);
    const __m256i offset = _mm256_blendv_epi8(
        _mm256_blendv_epi8(_mm256_set1_epi16(4), _mm256_set1_epi16(2), greenMost),
        _mm256_setzero_si256(), redMost);
    __m256i h[2];
    for (int k = 0; k < 2; ++k) {
        __m256 f = _mm256_mul_ps(
            _mm256_add_ps(lanesAsFloat256(offset, k),
                          _mm256_div_ps(lanesAsFloat256(num, k), lanesAsFloat256(d, k))),
            _mm256_set1_ps(256.0f / 6.0f));
        const __m256 negative = _mm256_cmp_ps(f, _mm256_setzero_ps(), _CMP_LT_OQ);
        f = _mm256_blendv_ps(f, _mm256_add_ps(f, _mm256_set1_ps(256.0f)), negative);
        h[k] = _mm256_and_si256(_mm256_cvttps_epi32(_mm256_add_ps(f, _mm256_set1_ps(0.5f))),
                                _mm256_set1_epi32(255));
    }
    *hue = _mm256_andnot_si256(grey, _mm256_packs_epi32(h[0], h[1]));
    if (!hls) {
        *second = roundedShare256(diff, _mm256_max_epi16(mx, one));
        *third = mx;
    } else {
        const __m256i sum = _mm256_add_epi16(mx, mn);
        *second = _mm256_srli_epi16(_mm256_add_epi16(sum, one), 1);
        const __m256i span = _mm256_min_epi16(sum, _mm256_sub_epi16(_mm256_set1_epi16(510), sum));
        *third = _mm256_andnot_si256(grey, roundedShare256(diff, _mm256_max_epi16(span, one)));
    }
}

V3 void KHueFromBgrAvx2(const uint8_t* restrict blue, const uint8_t* restrict green,
                        const uint8_t* restrict red, uint8_t* restrict hue,
                        uint8_t* restrict second, uint8_t* restrict third, int n, int hls) {
    const __m256i zero = _mm256_setzero_si256();
    int i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i b = _mm256_loadu_si256((const __m256i*)(blue + i)),
                      g = _mm256_loadu_si256((const __m256i*)(green + i)),
                      r = _mm256_loadu_si256((const __m256i*)(red + i));
        __m256i h0, s0, t0, h1, s1, t1;
        fromBgr16(_mm256_unpacklo_epi8(b, zero), _mm256_unpacklo_epi8(g, zero),
                  _mm256_unpacklo_epi8(r, zero), &h0, &s0, &t0, hls);
        fromBgr16(_mm256_unpackhi_epi8(b, zero), _mm256_unpackhi_epi8(g, zero),
                  _mm256_unpackhi_epi8(r, zero), &h1, &s1, &t1, hls);
        _mm256_storeu_si256((__m256i*)(hue + i), _mm256_packus_epi16(h0, h1));
        _mm256_storeu_si256((__m256i*)(second + i), _mm256_packus_epi16(s0, s1));
        _mm256_storeu_si256((__m256i*)(third + i), _mm256_packus_epi16(t0, t1));
    }
    if (i < n)
        fromBgrBody(blue + i, green + i, red + i, hue + i, second + i, third + i, n - i, hls);
}

/* HLS back to blue, green, red in 16-bit lanes, the integers of
 * hlsToBgrBody (KHuePixels.h) kept within 16 bits: with P = A S, the
 * channels m and m + c are L -+ floor((P + 255) / 510), and m + x is L +
 * floor((B S + 16320) / 32640) for B = A (64 - |3H mod 256 - 128|), which
 * for B below 0 is L - floor((|B| S + 16320) / 32640) wherever the value
 * is not a half. |B| S reaches 22 bits: its halves give the quotient by
 * 128 first, then by 255 through the exact multiply for dividends up to
 * 65025. The halves (m + x at exactly .5) take the double form. */
V3 static inline void hlsToBgr16(__m256i h, __m256i l, __m256i s, __m256i* red, __m256i* green,
                                 __m256i* blue, __m256i* halves) {
    const __m256i per255 = _mm256_set1_epi16((short)32897);
    const __m256i a = _mm256_sub_epi16(
        _mm256_set1_epi16(255),
        _mm256_abs_epi16(_mm256_sub_epi16(_mm256_add_epi16(l, l), _mm256_set1_epi16(255))));
    const __m256i p = _mm256_mullo_epi16(a, s);
    const __m256i q = _mm256_srli_epi16(
        _mm256_mulhi_epu16(_mm256_srli_epi16(_mm256_add_epi16(p, _mm256_set1_epi16(255)), 1),
                           per255),
        7);
    const __m256i low = _mm256_sub_epi16(l, q), high = _mm256_add_epi16(l, q);
    const __m256i three =
        _mm256_and_si256(_mm256_mullo_epi16(h, _mm256_set1_epi16(3)), _mm256_set1_epi16(255));
    const __m256i slope = _mm256_sub_epi16(
        _mm256_set1_epi16(64), _mm256_abs_epi16(_mm256_sub_epi16(three, _mm256_set1_epi16(128))));
    const __m256i b = _mm256_mullo_epi16(a, slope), size = _mm256_abs_epi16(b);
    const __m256i lo = _mm256_mullo_epi16(size, s), hi = _mm256_mulhi_epu16(size, s);
    const __m256i rest = _mm256_and_si256(lo, _mm256_set1_epi16(127));
    const __m256i per128 =
        _mm256_add_epi16(_mm256_add_epi16(_mm256_slli_epi16(hi, 9), _mm256_srli_epi16(lo, 7)),
                         _mm256_srli_epi16(_mm256_add_epi16(rest, _mm256_set1_epi16(16320)), 7));
    const __m256i share = _mm256_srli_epi16(_mm256_mulhi_epu16(per128, per255), 7);
    const __m256i negative = _mm256_srai_epi16(b, 15);
    const __m256i x =
        _mm256_add_epi16(l, _mm256_sub_epi16(_mm256_xor_si256(share, negative), negative));
    *halves = _mm256_and_si256(
        _mm256_cmpeq_epi16(rest, _mm256_set1_epi16(64)),
        _mm256_cmpeq_epi16(_mm256_mullo_epi16(share, _mm256_set1_epi16(255)), per128));
    /* By sector: red takes m + c in 0 and 5, m + x in 1 and 4; green and
     * blue two and four sectors on; the rest take m. */
    const __m256i sector = _mm256_srli_epi16(_mm256_mullo_epi16(h, _mm256_set1_epi16(6)), 8);
    __m256i in[6];
    for (int k = 0; k < 6; ++k)
        in[k] = _mm256_cmpeq_epi16(sector, _mm256_set1_epi16((short)k));
    *red = _mm256_blendv_epi8(_mm256_blendv_epi8(low, high, _mm256_or_si256(in[0], in[5])), x,
                              _mm256_or_si256(in[1], in[4]));
    *green = _mm256_blendv_epi8(_mm256_blendv_epi8(low, high, _mm256_or_si256(in[1], in[2])), x,
                                _mm256_or_si256(in[0], in[3]));
    *blue = _mm256_blendv_epi8(_mm256_blendv_epi8(low, high, _mm256_or_si256(in[3], in[4])), x,
                               _mm256_or_si256(in[2], in[5]));
}

V3 void KHlsToBgrAvx2(const uint8_t* restrict hue, const uint8_t* restrict lightness,
                      const uint8_t* restrict saturation, uint8_t* restrict blue,
                      uint8_t* restrict green, uint8_t* restrict red, int n) {
    const __m256i zero = _mm256_setzero_si256();
    int i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i h = _mm256_loadu_si256((const __m256i*)(hue + i)),
                      l = _mm256_loadu_si256((const __m256i*)(lightness + i)),
                      s = _mm256_loadu_si256((const __m256i*)(saturation + i));
        __m256i r0, g0, b0, t0, r1, g1, b1, t1;
        hlsToBgr16(_mm256_unpacklo_epi8(h, zero), _mm256_unpacklo_epi8(l, zero),
                   _mm256_unpacklo_epi8(s, zero), &r0, &g0, &b0, &t0);
        hlsToBgr16(_mm256_unpackhi_epi8(h, zero), _mm256_unpackhi_epi8(l, zero),
                   _mm256_unpackhi_epi8(s, zero), &r1, &g1, &b1, &t1);
        _mm256_storeu_si256((__m256i*)(red + i), _mm256_packus_epi16(r0, r1));
        _mm256_storeu_si256((__m256i*)(green + i), _mm256_packus_epi16(g0, g1));
        _mm256_storeu_si256((__m256i*)(blue + i), _mm256_packus_epi16(b0, b1));
        unsigned any = (unsigned)_mm256_movemask_epi8(_mm256_packs_epi16(t0, t1));
        for (; any; any &= any - 1)
            toBgrPixel(hue, lightness, saturation, blue, green, red, i + __builtin_ctz(any), 1);
    }
    if (i < n)
        hlsToBgrBody(hue + i, lightness + i, saturation + i, blue + i, green + i, red + i, n - i);
}

/* HSV back to blue, green, red in AVX2's 16-bit lanes, sixteen pixels a
 * vector: the steps of hsvToBgr8 (KHueSse2.c), the same integers, for the
 * AVX2 level, where the compiler's 32-bit vectors of hsvToBgrBody measured
 * no faster than the SSE2 form at the plain level. */
V3 static inline __m256i hsvPer65280x16(__m256i shifted) {
    return _mm256_srli_epi16(_mm256_mulhi_epu16(shifted, _mm256_set1_epi16((short)32897)), 7);
}

V3 static inline void hsvToBgr16(__m256i h, __m256i sat, __m256i v, __m256i* red, __m256i* green,
                                 __m256i* blue, __m256i* halves) {
    const __m256i vs = _mm256_mullo_epi16(v, sat),
                  six = _mm256_mullo_epi16(h, _mm256_set1_epi16(6));
    const __m256i sector = _mm256_srli_epi16(six, 8);
    const __m256i t =
        _mm256_sub_epi16(_mm256_and_si256(six, _mm256_set1_epi16(511)), _mm256_set1_epi16(256));
    const __m256i k = _mm256_srli_epi16(_mm256_abs_epi16(t), 1);
    const __m256i low = _mm256_mullo_epi16(vs, k), high = _mm256_mulhi_epu16(vs, k);
    const __m256i bias = _mm256_set1_epi32(32639);
    const __m256i nxLo =
        _mm256_add_epi32(_mm256_slli_epi32(_mm256_unpacklo_epi16(low, high), 1), bias);
    const __m256i nxHi =
        _mm256_add_epi32(_mm256_slli_epi32(_mm256_unpackhi_epi16(low, high), 1), bias);
    /* Below 2^16 after the shift: the unsigned pack keeps them. */
    const __m256i rx =
        hsvPer65280x16(_mm256_packus_epi32(_mm256_srli_epi32(nxLo, 8), _mm256_srli_epi32(nxHi, 8)));
    const __m256i m =
        _mm256_sub_epi16(v, hsvPer65280x16(_mm256_add_epi16(vs, _mm256_set1_epi16(127))));
    const __m256i x = _mm256_sub_epi16(v, rx);
    const __m256i rxLo = _mm256_unpacklo_epi16(rx, _mm256_setzero_si256()),
                  rxHi = _mm256_unpackhi_epi16(rx, _mm256_setzero_si256());
    const __m256i restLo = _mm256_sub_epi32(
        nxLo, _mm256_sub_epi32(_mm256_slli_epi32(rxLo, 16), _mm256_slli_epi32(rxLo, 8)));
    const __m256i restHi = _mm256_sub_epi32(
        nxHi, _mm256_sub_epi32(_mm256_slli_epi32(rxHi, 16), _mm256_slli_epi32(rxHi, 8)));
    const __m256i last = _mm256_set1_epi32(65279);
    *halves =
        _mm256_packs_epi32(_mm256_cmpeq_epi32(restLo, last), _mm256_cmpeq_epi32(restHi, last));
    __m256i is[6];
    for (int j = 0; j < 6; ++j)
        is[j] = _mm256_cmpeq_epi16(sector, _mm256_set1_epi16((short)j));
    const __m256i cm = _mm256_sub_epi16(v, m), xm = _mm256_sub_epi16(x, m);
    *red =
        _mm256_add_epi16(m, _mm256_add_epi16(_mm256_and_si256(cm, _mm256_or_si256(is[0], is[5])),
                                             _mm256_and_si256(xm, _mm256_or_si256(is[1], is[4]))));
    *green =
        _mm256_add_epi16(m, _mm256_add_epi16(_mm256_and_si256(cm, _mm256_or_si256(is[1], is[2])),
                                             _mm256_and_si256(xm, _mm256_or_si256(is[0], is[3]))));
    *blue =
        _mm256_add_epi16(m, _mm256_add_epi16(_mm256_and_si256(cm, _mm256_or_si256(is[3], is[4])),
                                             _mm256_and_si256(xm, _mm256_or_si256(is[2], is[5]))));
}

V3 void KHsvToBgrAvx2(const uint8_t* restrict hue, const uint8_t* restrict saturation,
                      const uint8_t* restrict value, uint8_t* restrict blue,
                      uint8_t* restrict green, uint8_t* restrict red, int n) {
    const __m256i zero = _mm256_setzero_si256();
    int i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i h = _mm256_loadu_si256((const __m256i*)(hue + i)),
                      s = _mm256_loadu_si256((const __m256i*)(saturation + i)),
                      v = _mm256_loadu_si256((const __m256i*)(value + i));
        __m256i r0, g0, b0, t0, r1, g1, b1, t1;
        hsvToBgr16(_mm256_unpacklo_epi8(h, zero), _mm256_unpacklo_epi8(s, zero),
                   _mm256_unpacklo_epi8(v, zero), &r0, &g0, &b0, &t0);
        hsvToBgr16(_mm256_unpackhi_epi8(h, zero), _mm256_unpackhi_epi8(s, zero),
                   _mm256_unpackhi_epi8(v, zero), &r1, &g1, &b1, &t1);
        _mm256_storeu_si256((__m256i*)(red + i), _mm256_packus_epi16(r0, r1));
        _mm256_storeu_si256((__m256i*)(green + i), _mm256_packus_epi16(g0, g1));
        _mm256_storeu_si256((__m256i*)(blue + i), _mm256_packus_epi16(b0, b1));
        unsigned any = (unsigned)_mm256_movemask_epi8(_mm256_packs_epi16(t0, t1));
        for (; any; any &= any - 1)
            toBgrPixel(hue, saturation, value, blue, green, red, i + __builtin_ctz(any), 0);
    }
    if (i < n)
        hsvToBgrBody(hue + i, saturation + i, value + i, blue + i, green + i, red + i, n - i, 1);
}
