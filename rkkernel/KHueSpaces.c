/* HSV and HLS to and from blue, green, red for every processor level, in
 * plain C that the compiler vectorises: the double arithmetic of the
 * per-pixel forms in KColorSpace.c, operation for operation (never fused),
 * with their branches turned into selections, so the bytes are the same.
 * Two of those steps are rewritten exactly: fmod(h, 2) of the hue's
 * sixths (a multiple of 1/128 from 0 to below 6) is h - 2 trunc(h / 2), and a hue
 * quotient q stands as 0 + q, which differs only in the sign of a zero
 * that the rounding ignores. HSV back to blue, green, red is worked in
 * integers that give the same bytes (see hsvToBgrBody). Pixels go through
 * planes a chunk at a time. At the plain x86-64 level, where SSE2 lacks the
 * 32-bit multiplies, comparisons and byte shuffles that the compiler's
 * vectors want, the planes are dealt and gathered, and HSV goes back to
 * blue, green, red, in SSE2 code of their own that works the same
 * integers. */
#include "KInternal.h"
#include "KPlaneRounds.h"

#include <immintrin.h>
#include <math.h>
#include <string.h>

enum { CHUNK = 256 };

static inline uint8_t clampRound(double v) {
    return v <= 0 ? 0 : v >= 255 ? 255 : (uint8_t)(v + 0.5);
}

static inline int32_t largest(int32_t a, int32_t b) {
    return a > b ? a : b;
}

static inline int32_t smallest(int32_t a, int32_t b) {
    return a < b ? a : b;
}

static inline uint8_t clampRoundSingle(float v) {
    return v <= 0 ? 0 : v >= 255 ? 255 : (uint8_t)(v + 0.5f);
}

/* Planes of blue, green, red to hue and the space's other two planes:
 * HSV saturation and value, or HLS lightness and saturation.
 *
 * In single precision, which gives the bytes of the double arithmetic for
 * every colour (the test of every colour checks it): each result is a
 * rounded quotient of integers, which lies at least 1/1530 from a half
 * (hue: 256 (offset d + num) = 3 d (2k + 1) has no solution for d below
 * 256) or is exactly a half (saturations: both precisions then hold it
 * exactly), while single-precision errors stay below 1/30000 at these
 * sizes. Eight lanes to a vector of AVX2 instead of four. */
K_BODY void fromBgrBody(const uint8_t* restrict blue, const uint8_t* restrict green,
                        const uint8_t* restrict red, uint8_t* restrict hue,
                        uint8_t* restrict second, uint8_t* restrict third, int n, int hls) {
    for (int i = 0; i < n; ++i) {
        const int32_t r = red[i], g = green[i], b = blue[i];
        const int32_t mx = largest(largest(r, g), b), mn = smallest(smallest(r, g), b);
        const int grey = mx == mn, redMost = mx == r, greenMost = (mx == g) & !redMost;
        const float d = (float)(grey ? 1 : mx - mn);
        const int32_t num = redMost ? g - b : greenMost ? b - r : r - g;
        const float offset = redMost ? 0.0f : greenMost ? 2.0f : 4.0f;
        float h = (offset + (float)num / d) * (256.0f / 6.0f);
        h = h < 0 ? h + 256.0f : h;
        hue[i] = grey ? 0 : (uint8_t)((int32_t)(h + 0.5f) & 255);
        if (!hls) {
            second[i] =
                mx == 0 ? 0 : clampRoundSingle(255.0f * (float)(mx - mn) / (float)largest(mx, 1));
            third[i] = (uint8_t)mx;
        } else {
            const int32_t sum = mx + mn;
            second[i] = clampRoundSingle((float)sum / 2.0f);
            const int32_t span = sum <= 255 ? sum : 510 - sum;
            third[i] =
                grey ? 0 : clampRoundSingle(255.0f * (float)(mx - mn) / (float)largest(span, 1));
        }
    }
}

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

static void fromBgrSse2(const uint8_t* restrict blue, const uint8_t* restrict green,
                        const uint8_t* restrict red, uint8_t* restrict hue,
                        uint8_t* restrict second, uint8_t* restrict third, int n, int hls) {
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

V3 static void fromBgrAvx2(const uint8_t* restrict blue, const uint8_t* restrict green,
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

/* And back, pixel i, in the per-pixel forms' double arithmetic. */
K_BODY void toBgrPixel(const uint8_t* restrict hue, const uint8_t* restrict second,
                       const uint8_t* restrict third, uint8_t* restrict blue,
                       uint8_t* restrict green, uint8_t* restrict red, int i, int hls) {
    double c, m;
    if (!hls) {
        const double v = third[i];
        c = v * second[i] / 255.0;
        m = v - c;
    } else {
        const double l = second[i] / 255.0, s = third[i] / 255.0;
        c = (1.0 - fabs(2.0 * l - 1.0)) * s * 255.0;
        m = l * 255.0 - c / 2.0;
    }
    const double h = hue[i] * 6.0 / 256.0;
    const double x = c * (1.0 - fabs((h - 2.0 * (int32_t)(h * 0.5)) - 1.0));
    const int32_t sector = (int32_t)h;
    /* Each channel is c, x or 0 by sector, chosen by factors of 1 and
     * 0 (exact: c and x are finite and not negative). */
    const double r = c * ((sector == 0) | (sector == 5)) + x * ((sector == 1) | (sector == 4));
    const double g = c * ((sector == 1) | (sector == 2)) + x * ((sector == 0) | (sector == 3));
    const double b = c * ((sector == 3) | (sector == 4)) + x * ((sector == 2) | (sector == 5));
    red[i] = clampRound(r + m);
    green[i] = clampRound(g + m);
    blue[i] = clampRound(b + m);
}

K_BODY void toBgrBody(const uint8_t* restrict hue, const uint8_t* restrict second,
                      const uint8_t* restrict third, uint8_t* restrict blue,
                      uint8_t* restrict green, uint8_t* restrict red, int n, int hls) {
    for (int i = 0; i < n; ++i)
        toBgrPixel(hue, second, third, blue, green, red, i, hls);
}

/* floor(n / 65280) for n below 2^24: n / 256 / 255, the second division
 * by the multiply and shift that is exact for every dividend below 2^16. */
static inline uint32_t per65280(uint32_t n) {
    return ((n >> 8) * 32897u) >> 23;
}

/* HSV back to blue, green, red in integers. With hue h, the double form's
 * channels are v (c + m), v - vs/255 (m) and v - vs k/32640 (x + m), where
 * k = |6h mod 512 - 256| / 2 (exact: x = c (1 - k/128)), rounded half up:
 * v - floor((2P + 32639) / 65280) for P = vs k (k = 128 for m), without a
 * clamp, since that never exceeds v. The double form gives those bytes
 * wherever the exact value is not a half (its errors are far smaller than
 * the distance to one), and m never is; x + m is a half for about one
 * pixel in 450, and there the double form's errors decide, so those pixels
 * take the double form itself. The test of every triple checks the
 * bytes. */
K_BODY void hsvToBgrBody(const uint8_t* restrict hue, const uint8_t* restrict saturation,
                         const uint8_t* restrict value, uint8_t* restrict blue,
                         uint8_t* restrict green, uint8_t* restrict red, int n,
                         const int byShifts) {
    uint8_t halves[CHUNK + 8];
    for (int i = 0; i < n; ++i) {
        const int32_t v = value[i], vs = v * saturation[i], six = hue[i] * 6;
        const int32_t sector = six >> 8, t = (six & 511) - 256, k = (t < 0 ? -t : t) >> 1;
        const uint32_t nx = (uint32_t)(2 * vs * k + 32639);
        const uint32_t rx = per65280(nx);
        const int32_t m = v - (int32_t)per65280((uint32_t)(256 * vs + 32639));
        const int32_t x = v - (int32_t)rx;
        halves[i] = (uint8_t)(nx - rx * 65280u == 65279u);
        /* Each channel is m, plus v - m or x - m by sector, under masks of
         * 0 or all ones: red is v in sectors 0 and 5 and x + m in 1 and 4,
         * green and blue likewise two and four sectors on. With AVX2 the
         * masks are bit sector of each set of sectors (shifts lane by
         * lane); without, comparisons of the sector folded to f = 0 for v
         * and 1 for x + m. */
        int32_t cr, xr, cg, xg, cb, xb;
        if (byShifts) {
            cr = -(int32_t)((0x21u >> sector) & 1), xr = -(int32_t)((0x12u >> sector) & 1);
            cg = -(int32_t)((0x06u >> sector) & 1), xg = -(int32_t)((0x09u >> sector) & 1);
            cb = -(int32_t)((0x18u >> sector) & 1), xb = -(int32_t)((0x24u >> sector) & 1);
        } else {
            const int32_t fr = sector <= 2 ? sector : 5 - sector;
            const int32_t sg = sector >= 2 ? sector - 2 : sector + 4, fg = sg <= 2 ? sg : 5 - sg;
            const int32_t sb = sector >= 4 ? sector - 4 : sector + 2, fb = sb <= 2 ? sb : 5 - sb;
            cr = -(fr == 0), xr = -(fr == 1), cg = -(fg == 0), xg = -(fg == 1);
            cb = -(fb == 0), xb = -(fb == 1);
        }
        red[i] = (uint8_t)(m + ((v - m) & cr) + ((x - m) & xr));
        green[i] = (uint8_t)(m + ((v - m) & cg) + ((x - m) & xg));
        blue[i] = (uint8_t)(m + ((v - m) & cb) + ((x - m) & xb));
    }
    memset(halves + n, 0, 8);
    for (int i = 0; i < n; i += 8) {
        uint64_t any;
        memcpy(&any, halves + i, 8);
        for (int j = i; any && j < i + 8 && j < n; ++j)
            if (halves[j])
                toBgrPixel(hue, saturation, value, blue, green, red, j, 0);
    }
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

static void hsvToBgrSse2(const uint8_t* restrict hue, const uint8_t* restrict saturation,
                         const uint8_t* restrict value, uint8_t* restrict blue,
                         uint8_t* restrict green, uint8_t* restrict red, int n) {
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

enum { TO_HSV, TO_HLS, FROM_HSV, FROM_HSV_COMPARED, FROM_HLS };

/* Pixels to planes, 16 pixels at a time in the rounds of KPlaneRounds.h
 * where the caller asks for them, byte by byte for the rest. */
K_BODY void dealPlanes(const uint8_t* p, int n, uint8_t* a, uint8_t* b, uint8_t* c, int rounds) {
    int i = 0;
    if (rounds == 1)
        for (; i + 16 <= n; i += 16) {
            __m128i x = _mm_loadu_si128((const __m128i*)(p + 3 * i)),
                    y = _mm_loadu_si128((const __m128i*)(p + 3 * i + 16)),
                    z = _mm_loadu_si128((const __m128i*)(p + 3 * i + 32));
            for (int r = 0; r < 4; ++r)
                dealRound(&x, &y, &z);
            _mm_storeu_si128((__m128i*)(a + i), x);
            _mm_storeu_si128((__m128i*)(b + i), y);
            _mm_storeu_si128((__m128i*)(c + i), z);
        }
    for (; i < n; ++i)
        a[i] = p[3 * i], b[i] = p[3 * i + 1], c[i] = p[3 * i + 2];
}

K_BODY void gatherPlanes(uint8_t* q, int n, const uint8_t* a, const uint8_t* b, const uint8_t* c,
                         int rounds) {
    int i = 0;
    if (rounds == 1)
        for (; i + 16 <= n; i += 16) {
            __m128i x = _mm_loadu_si128((const __m128i*)(a + i)),
                    y = _mm_loadu_si128((const __m128i*)(b + i)),
                    z = _mm_loadu_si128((const __m128i*)(c + i));
            for (int r = 0; r < 4; ++r)
                gatherRound(&x, &y, &z);
            _mm_storeu_si128((__m128i*)(q + 3 * i), x);
            _mm_storeu_si128((__m128i*)(q + 3 * i + 16), y);
            _mm_storeu_si128((__m128i*)(q + 3 * i + 32), z);
        }
    for (; i < n; ++i)
        q[3 * i] = a[i], q[3 * i + 1] = b[i], q[3 * i + 2] = c[i];
}

/* A run of pixels a chunk at a time, dealt to planes, converted and
 * gathered back; in and out may be the same buffer, since every chunk is
 * read whole before it is written. kind and rounds are constants in each
 * copy: rounds 1 deals and gathers by SSE2 rounds and converts in SSE2 (the
 * plain x86-64 level), 2 converts towards the spaces in AVX2's 16-bit
 * lanes, 0 leaves all to the compiler. */
K_BODY void convertRunBody(const uint8_t* in, uint8_t* out, int width, int kind, int rounds) {
    uint8_t planes[6][CHUNK];
    for (int done = 0; done < width; done += CHUNK) {
        const int n = width - done < CHUNK ? width - done : CHUNK;
        dealPlanes(in + 3 * (size_t)done, n, planes[0], planes[1], planes[2], rounds);
        if ((kind == TO_HSV || kind == TO_HLS) && rounds == 2)
            fromBgrAvx2(planes[0], planes[1], planes[2], planes[3], planes[4], planes[5], n,
                        kind == TO_HLS);
        else if ((kind == TO_HSV || kind == TO_HLS) && rounds)
            fromBgrSse2(planes[0], planes[1], planes[2], planes[3], planes[4], planes[5], n,
                        kind == TO_HLS);
        else if (kind == TO_HSV || kind == TO_HLS)
            fromBgrBody(planes[0], planes[1], planes[2], planes[3], planes[4], planes[5], n,
                        kind == TO_HLS);
        else if (kind == FROM_HSV)
            hsvToBgrBody(planes[0], planes[1], planes[2], planes[3], planes[4], planes[5], n, 1);
        else if (kind == FROM_HSV_COMPARED)
            hsvToBgrSse2(planes[0], planes[1], planes[2], planes[3], planes[4], planes[5], n);
        else
            toBgrBody(planes[0], planes[1], planes[2], planes[3], planes[4], planes[5], n, 1);
        gatherPlanes(out + 3 * (size_t)done, n, planes[3], planes[4], planes[5], rounds);
    }
}

K_BODY void toHsvBody(const uint8_t* in, uint8_t* out, int width) {
    convertRunBody(in, out, width, TO_HSV, 0);
}
K_BODY void toHlsBody(const uint8_t* in, uint8_t* out, int width) {
    convertRunBody(in, out, width, TO_HLS, 0);
}
K_BODY void fromHsvBody(const uint8_t* in, uint8_t* out, int width) {
    convertRunBody(in, out, width, FROM_HSV, 0);
}
K_BODY void fromHlsBody(const uint8_t* in, uint8_t* out, int width) {
    convertRunBody(in, out, width, FROM_HLS, 0);
}
K_LEVELS(toHsv, (const uint8_t* in, uint8_t* out, int width), (in, out, width))
K_LEVELS(toHls, (const uint8_t* in, uint8_t* out, int width), (in, out, width))
K_LEVELS(fromHsv, (const uint8_t* in, uint8_t* out, int width), (in, out, width))
K_LEVELS(fromHls, (const uint8_t* in, uint8_t* out, int width), (in, out, width))

/* The plain x86-64 level: SSE2 dealing and gathering, and HSV back to
 * blue, green, red in 16-bit lanes. */
static void convertRunPlain(const uint8_t* in, uint8_t* out, int width, int kind) {
    switch (kind) {
    case TO_HSV:
        convertRunBody(in, out, width, TO_HSV, 1);
        break;
    case TO_HLS:
        convertRunBody(in, out, width, TO_HLS, 1);
        break;
    case FROM_HLS:
        convertRunBody(in, out, width, FROM_HLS, 1);
        break;
    default:
        convertRunBody(in, out, width, FROM_HSV_COMPARED, 1);
    }
}

/* Towards the spaces at the AVX2 and AVX-512 levels: the 16-bit lane form. */
V3 static void toHueSpaceAvx2(const uint8_t* in, uint8_t* out, int width, int hls) {
    if (hls)
        convertRunBody(in, out, width, TO_HLS, 2);
    else
        convertRunBody(in, out, width, TO_HSV, 2);
}

int KConvertHueSpace(const uint8_t* in, uint8_t* out, int width, int fromSpace, int toSpace) {
    const int hls = fromSpace == K_SPACE_HLS || toSpace == K_SPACE_HLS;
    const int forwards = fromSpace == K_SPACE_BGR;
    if (!(forwards
              ? toSpace == K_SPACE_HSV || toSpace == K_SPACE_HLS
              : (fromSpace == K_SPACE_HSV || fromSpace == K_SPACE_HLS) && toSpace == K_SPACE_BGR))
        return 0;
    /* The same buffer or separate ones; chunks are read whole before they
     * are written. */
    const uintptr_t a = (uintptr_t)in, b = (uintptr_t)out, bytes = 3 * (uintptr_t)width;
    if (in != out && a < b + bytes && b < a + bytes)
        return 0;
    if (KIsaLevel() < K_ISA_AVX2)
        convertRunPlain(in, out, width,
                        forwards ? (hls ? TO_HLS : TO_HSV)
                        : hls    ? FROM_HLS
                                 : FROM_HSV_COMPARED);
    else if (forwards && KIsaLevel() >= K_ISA_AVX2)
        toHueSpaceAvx2(in, out, width, hls);
    else if (forwards)
        (hls ? toHls : toHsv)(in, out, width);
    else
        (hls ? fromHls : fromHsv)(in, out, width);
    return 1;
}
