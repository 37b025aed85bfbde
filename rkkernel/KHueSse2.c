/* The hue spaces' conversions at the plain x86-64 level, where SSE2 lacks
 * the 32-bit multiplies, comparisons and byte shuffles that the compiler's
 * vectors want: towards the spaces, HSV back and HLS back, in SSE2 code of
 * their own that works the same arithmetic as the bodies of KHuePixels.h. */
#include "KHuePixels.h"

#include <immintrin.h>

/* fromBgrBody without AVX2, sixteen pixels at a time: the extremes,
 * selections and sums in SSE2's 16-bit lanes, the same single-precision
 * operations on four lanes at a time. Two steps are exact rewrites: the
 * rounded half sum is (sum + 1) >> 1, and clampRoundSingle of a quotient
 * from 0 to 255 (as these are) is the truncation of it plus a half. */
static inline __m128 lanesAsFloat(__m128i x, int high) {
    const __m128i wide = high ? _mm_unpackhi_epi16(x, x) : _mm_unpacklo_epi16(x, x);
    return _mm_cvtepi32_ps(_mm_srai_epi32(wide, 16));
}

static inline __m128i select16(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}

/* round(255 diff / den) of eight lanes, as clampRoundSingle rounds it. */
static inline __m128i roundedShare(__m128i diff, __m128i den) {
    const __m128 half = _mm_set1_ps(0.5f), full = _mm_set1_ps(255.0f);
    __m128i q[2];
    for (int k = 0; k < 2; ++k)
        q[k] = _mm_cvttps_epi32(_mm_add_ps(
            _mm_div_ps(_mm_mul_ps(full, lanesAsFloat(diff, k)), lanesAsFloat(den, k)), half));
    return _mm_packs_epi32(q[0], q[1]);
}

static inline void fromBgr8(__m128i b, __m128i g, __m128i r, __m128i* hue, __m128i* second,
                            __m128i* third, int hls) {
    const __m128i one = _mm_set1_epi16(1);
    const __m128i mx = _mm_max_epi16(_mm_max_epi16(r, g), b);
    const __m128i mn = _mm_min_epi16(_mm_min_epi16(r, g), b);
    const __m128i grey = _mm_cmpeq_epi16(mx, mn), redMost = _mm_cmpeq_epi16(mx, r);
    const __m128i greenMost = _mm_andnot_si128(redMost, _mm_cmpeq_epi16(mx, g));
    const __m128i diff = _mm_sub_epi16(mx, mn), d = _mm_add_epi16(diff, _mm_and_si128(grey, one));
    const __m128i num = select16(redMost, _mm_sub_epi16(g, b),
                                 select16(greenMost, _mm_sub_epi16(b, r), _mm_sub_epi16(r, g)));
    const __m128i offset = select16(redMost, _mm_setzero_si128(),
                                    select16(greenMost, _mm_set1_epi16(2), _mm_set1_epi16(4)));
    __m128i h[2];
    for (int k = 0; k < 2; ++k) {
        __m128 f = _mm_mul_ps(_mm_add_ps(lanesAsFloat(offset, k),
                                         _mm_div_ps(lanesAsFloat(num, k), lanesAsFloat(d, k))),
                              _mm_set1_ps(256.0f / 6.0f));
        const __m128 negative = _mm_cmplt_ps(f, _mm_setzero_ps());
        f = _mm_or_ps(_mm_and_ps(negative, _mm_add_ps(f, _mm_set1_ps(256.0f))),
                      _mm_andnot_ps(negative, f));
        h[k] =
            _mm_and_si128(_mm_cvttps_epi32(_mm_add_ps(f, _mm_set1_ps(0.5f))), _mm_set1_epi32(255));
    }
    *hue = _mm_andnot_si128(grey, _mm_packs_epi32(h[0], h[1]));
    if (!hls) {
        *second = roundedShare(diff, _mm_max_epi16(mx, one));
        *third = mx;
    } else {
        const __m128i sum = _mm_add_epi16(mx, mn);
        *second = _mm_srli_epi16(_mm_add_epi16(sum, one), 1);
        const __m128i span = _mm_min_epi16(sum, _mm_sub_epi16(_mm_set1_epi16(510), sum));
        *third = _mm_andnot_si128(grey, roundedShare(diff, _mm_max_epi16(span, one)));
    }
}

void KHueFromBgrSse2(const uint8_t* restrict blue, const uint8_t* restrict green,
                     const uint8_t* restrict red, uint8_t* restrict hue, uint8_t* restrict second,
                     uint8_t* restrict third, int n, int hls) {
    const __m128i zero = _mm_setzero_si128();
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i b = _mm_loadu_si128((const __m128i*)(blue + i)),
                      g = _mm_loadu_si128((const __m128i*)(green + i)),
                      r = _mm_loadu_si128((const __m128i*)(red + i));
        __m128i h0, s0, t0, h1, s1, t1;
        fromBgr8(_mm_unpacklo_epi8(b, zero), _mm_unpacklo_epi8(g, zero), _mm_unpacklo_epi8(r, zero),
                 &h0, &s0, &t0, hls);
        fromBgr8(_mm_unpackhi_epi8(b, zero), _mm_unpackhi_epi8(g, zero), _mm_unpackhi_epi8(r, zero),
                 &h1, &s1, &t1, hls);
        _mm_storeu_si128((__m128i*)(hue + i), _mm_packus_epi16(h0, h1));
        _mm_storeu_si128((__m128i*)(second + i), _mm_packus_epi16(s0, s1));
        _mm_storeu_si128((__m128i*)(third + i), _mm_packus_epi16(t0, t1));
    }
    if (i < n)
        fromBgrBody(blue + i, green + i, red + i, hue + i, second + i, third + i, n - i, hls);
}

/* hsvToBgrBody without AVX2, sixteen pixels at a time in SSE2's 16-bit
 * lanes, where the compiler's own vectors want 32-bit multiplies and
 * comparisons that SSE2 lacks. The same integers: v s and 6 h fit 16
 * bits; per65280 of n below 2^24 is the high half of (n >> 8) 32897,
 * shifted by 7; and for m, (256 v s + 32639) >> 8 is v s + 127. Only
 * 2 v s k + 32639 (below 2^24) is formed in 32 bits, for its quotient and
 * the halves. Pixels past the last sixteen, and the halves, go as in
 * hsvToBgrBody. */
static inline __m128i hsvPer65280(__m128i shifted) {
    return _mm_srli_epi16(_mm_mulhi_epu16(shifted, _mm_set1_epi16((short)32897)), 7);
}

/* Unsigned 32-bit lanes below 2^16 to 16 bits (the signed pack, offset). */
static inline __m128i hsvPack32(__m128i lo, __m128i hi) {
    const __m128i half = _mm_set1_epi32(32768);
    return _mm_xor_si128(_mm_packs_epi32(_mm_sub_epi32(lo, half), _mm_sub_epi32(hi, half)),
                         _mm_set1_epi16((short)0x8000));
}

/* Eight pixels in 16-bit lanes: red, green, blue and a mask of the halves. */
static inline void hsvToBgr8(__m128i h, __m128i sat, __m128i v, __m128i* red, __m128i* green,
                             __m128i* blue, __m128i* halves) {
    const __m128i vs = _mm_mullo_epi16(v, sat), six = _mm_mullo_epi16(h, _mm_set1_epi16(6));
    const __m128i sector = _mm_srli_epi16(six, 8);
    const __m128i t = _mm_sub_epi16(_mm_and_si128(six, _mm_set1_epi16(511)), _mm_set1_epi16(256));
    const __m128i k = _mm_srli_epi16(_mm_max_epi16(t, _mm_sub_epi16(_mm_setzero_si128(), t)), 1);
    const __m128i low = _mm_mullo_epi16(vs, k), high = _mm_mulhi_epu16(vs, k);
    const __m128i bias = _mm_set1_epi32(32639);
    const __m128i nxLo = _mm_add_epi32(_mm_slli_epi32(_mm_unpacklo_epi16(low, high), 1), bias);
    const __m128i nxHi = _mm_add_epi32(_mm_slli_epi32(_mm_unpackhi_epi16(low, high), 1), bias);
    const __m128i rx = hsvPer65280(hsvPack32(_mm_srli_epi32(nxLo, 8), _mm_srli_epi32(nxHi, 8)));
    const __m128i m = _mm_sub_epi16(v, hsvPer65280(_mm_add_epi16(vs, _mm_set1_epi16(127))));
    const __m128i x = _mm_sub_epi16(v, rx);
    /* nx - 65280 rx == 65279, in 32 bits. */
    const __m128i rxLo = _mm_unpacklo_epi16(rx, _mm_setzero_si128()),
                  rxHi = _mm_unpackhi_epi16(rx, _mm_setzero_si128());
    const __m128i restLo =
        _mm_sub_epi32(nxLo, _mm_sub_epi32(_mm_slli_epi32(rxLo, 16), _mm_slli_epi32(rxLo, 8)));
    const __m128i restHi =
        _mm_sub_epi32(nxHi, _mm_sub_epi32(_mm_slli_epi32(rxHi, 16), _mm_slli_epi32(rxHi, 8)));
    const __m128i last = _mm_set1_epi32(65279);
    *halves = _mm_packs_epi32(_mm_cmpeq_epi32(restLo, last), _mm_cmpeq_epi32(restHi, last));
    __m128i is[6];
    for (int j = 0; j < 6; ++j)
        is[j] = _mm_cmpeq_epi16(sector, _mm_set1_epi16((short)j));
    const __m128i cm = _mm_sub_epi16(v, m), xm = _mm_sub_epi16(x, m);
    /* Red is v in sectors 0 and 5 and x + m in 1 and 4; green and blue
     * likewise two and four sectors on. */
    *red = _mm_add_epi16(m, _mm_add_epi16(_mm_and_si128(cm, _mm_or_si128(is[0], is[5])),
                                          _mm_and_si128(xm, _mm_or_si128(is[1], is[4]))));
    *green = _mm_add_epi16(m, _mm_add_epi16(_mm_and_si128(cm, _mm_or_si128(is[1], is[2])),
                                            _mm_and_si128(xm, _mm_or_si128(is[0], is[3]))));
    *blue = _mm_add_epi16(m, _mm_add_epi16(_mm_and_si128(cm, _mm_or_si128(is[3], is[4])),
                                           _mm_and_si128(xm, _mm_or_si128(is[2], is[5]))));
}

void KHsvToBgrSse2(const uint8_t* restrict hue, const uint8_t* restrict saturation,
                   const uint8_t* restrict value, uint8_t* restrict blue, uint8_t* restrict green,
                   uint8_t* restrict red, int n) {
    const __m128i zero = _mm_setzero_si128();
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i h = _mm_loadu_si128((const __m128i*)(hue + i)),
                      s = _mm_loadu_si128((const __m128i*)(saturation + i)),
                      v = _mm_loadu_si128((const __m128i*)(value + i));
        __m128i r0, g0, b0, h0, r1, g1, b1, h1;
        hsvToBgr8(_mm_unpacklo_epi8(h, zero), _mm_unpacklo_epi8(s, zero),
                  _mm_unpacklo_epi8(v, zero), &r0, &g0, &b0, &h0);
        hsvToBgr8(_mm_unpackhi_epi8(h, zero), _mm_unpackhi_epi8(s, zero),
                  _mm_unpackhi_epi8(v, zero), &r1, &g1, &b1, &h1);
        _mm_storeu_si128((__m128i*)(red + i), _mm_packus_epi16(r0, r1));
        _mm_storeu_si128((__m128i*)(green + i), _mm_packus_epi16(g0, g1));
        _mm_storeu_si128((__m128i*)(blue + i), _mm_packus_epi16(b0, b1));
        unsigned any = (unsigned)_mm_movemask_epi8(_mm_packs_epi16(h0, h1));
        for (; any; any &= any - 1)
            toBgrPixel(hue, saturation, value, blue, green, red, i + __builtin_ctz(any), 0);
    }
    if (i < n)
        hsvToBgrBody(hue + i, saturation + i, value + i, blue + i, green + i, red + i, n - i, 0);
}

/* HLS back in SSE2's 16-bit lanes, eight pixels a vector: the steps of
 * the AVX2 form (KHueAvx2.c), with absolute values as maxima of x and -x
 * and selections by masks. */
static inline __m128i abs16(__m128i x) {
    return _mm_max_epi16(x, _mm_sub_epi16(_mm_setzero_si128(), x));
}

static inline void hlsToBgr8(__m128i h, __m128i l, __m128i s, __m128i* red, __m128i* green,
                             __m128i* blue, __m128i* halves) {
    const __m128i per255 = _mm_set1_epi16((short)32897);
    const __m128i a = _mm_sub_epi16(_mm_set1_epi16(255),
                                    abs16(_mm_sub_epi16(_mm_add_epi16(l, l), _mm_set1_epi16(255))));
    const __m128i p = _mm_mullo_epi16(a, s);
    const __m128i q = _mm_srli_epi16(
        _mm_mulhi_epu16(_mm_srli_epi16(_mm_add_epi16(p, _mm_set1_epi16(255)), 1), per255), 7);
    const __m128i low = _mm_sub_epi16(l, q), high = _mm_add_epi16(l, q);
    const __m128i three = _mm_and_si128(_mm_mullo_epi16(h, _mm_set1_epi16(3)), _mm_set1_epi16(255));
    const __m128i slope =
        _mm_sub_epi16(_mm_set1_epi16(64), abs16(_mm_sub_epi16(three, _mm_set1_epi16(128))));
    const __m128i b = _mm_mullo_epi16(a, slope), size = abs16(b);
    const __m128i lo = _mm_mullo_epi16(size, s), hi = _mm_mulhi_epu16(size, s);
    const __m128i rest = _mm_and_si128(lo, _mm_set1_epi16(127));
    const __m128i per128 =
        _mm_add_epi16(_mm_add_epi16(_mm_slli_epi16(hi, 9), _mm_srli_epi16(lo, 7)),
                      _mm_srli_epi16(_mm_add_epi16(rest, _mm_set1_epi16(16320)), 7));
    const __m128i share = _mm_srli_epi16(_mm_mulhi_epu16(per128, per255), 7);
    const __m128i negative = _mm_srai_epi16(b, 15);
    const __m128i x = _mm_add_epi16(l, _mm_sub_epi16(_mm_xor_si128(share, negative), negative));
    *halves = _mm_and_si128(_mm_cmpeq_epi16(rest, _mm_set1_epi16(64)),
                            _mm_cmpeq_epi16(_mm_mullo_epi16(share, _mm_set1_epi16(255)), per128));
    const __m128i sector = _mm_srli_epi16(_mm_mullo_epi16(h, _mm_set1_epi16(6)), 8);
    __m128i in[6];
    for (int k = 0; k < 6; ++k)
        in[k] = _mm_cmpeq_epi16(sector, _mm_set1_epi16((short)k));
    *red = select16(_mm_or_si128(in[1], in[4]), x, select16(_mm_or_si128(in[0], in[5]), high, low));
    *green =
        select16(_mm_or_si128(in[0], in[3]), x, select16(_mm_or_si128(in[1], in[2]), high, low));
    *blue =
        select16(_mm_or_si128(in[2], in[5]), x, select16(_mm_or_si128(in[3], in[4]), high, low));
}

void KHlsToBgrSse2(const uint8_t* restrict hue, const uint8_t* restrict lightness,
                   const uint8_t* restrict saturation, uint8_t* restrict blue,
                   uint8_t* restrict green, uint8_t* restrict red, int n) {
    const __m128i zero = _mm_setzero_si128();
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i h = _mm_loadu_si128((const __m128i*)(hue + i)),
                      l = _mm_loadu_si128((const __m128i*)(lightness + i)),
                      s = _mm_loadu_si128((const __m128i*)(saturation + i));
        __m128i r0, g0, b0, t0, r1, g1, b1, t1;
        hlsToBgr8(_mm_unpacklo_epi8(h, zero), _mm_unpacklo_epi8(l, zero),
                  _mm_unpacklo_epi8(s, zero), &r0, &g0, &b0, &t0);
        hlsToBgr8(_mm_unpackhi_epi8(h, zero), _mm_unpackhi_epi8(l, zero),
                  _mm_unpackhi_epi8(s, zero), &r1, &g1, &b1, &t1);
        _mm_storeu_si128((__m128i*)(red + i), _mm_packus_epi16(r0, r1));
        _mm_storeu_si128((__m128i*)(green + i), _mm_packus_epi16(g0, g1));
        _mm_storeu_si128((__m128i*)(blue + i), _mm_packus_epi16(b0, b1));
        unsigned any = (unsigned)_mm_movemask_epi8(_mm_packs_epi16(t0, t1));
        for (; any; any &= any - 1)
            toBgrPixel(hue, lightness, saturation, blue, green, red, i + __builtin_ctz(any), 1);
    }
    if (i < n)
        hlsToBgrBody(hue + i, lightness + i, saturation + i, blue + i, green + i, red + i, n - i);
}
