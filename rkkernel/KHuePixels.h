/* The per-pixel arithmetic of HSV and HLS to and from blue, green, red
 * over planes, as plain C bodies that every level's loops inline, and the
 * vector forms beside them (KHueSse2.c, KHueAvx2.c): the double arithmetic
 * of the per-pixel forms in KColorSpace.c, operation for operation (never
 * fused), with their branches turned into selections, so the bytes are
 * the same. Two of those steps are rewritten exactly: fmod(h, 2) of the
 * hue's sixths (a multiple of 1/128 from 0 to below 6) is h - 2 trunc(h /
 * 2), and a hue quotient q stands as 0 + q, which differs only in the sign
 * of a zero that the rounding ignores. HSV and HLS back to blue, green,
 * red are worked in integers that give the same bytes (see hsvToBgrBody
 * and hlsToBgrBody). Internal to the kernel. */
#ifndef RKKERNEL_KHUEPIXELS_H
#define RKKERNEL_KHUEPIXELS_H

#include "KInternal.h"

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

/* floor(n / 65280) for n below 2^24: n / 256 / 255, the second division
 * by the multiply and shift that is exact for every dividend below 2^16. */
static inline uint32_t per65280(uint32_t n) {
    return ((n >> 8) * 32897u) >> 23;
}

/* The pixels whose exact value is a half (halves[i] set, the array n + 8
 * long) taken again in the double form, eight flags read at a time: they
 * are a few in hundreds. */
K_BODY void redoHalves(uint8_t* restrict halves, int n, const uint8_t* restrict hue,
                       const uint8_t* restrict second, const uint8_t* restrict third,
                       uint8_t* restrict blue, uint8_t* restrict green, uint8_t* restrict red,
                       int hls) {
    memset(halves + n, 0, 8);
    for (int i = 0; i < n; i += 8) {
        uint64_t any;
        memcpy(&any, halves + i, 8);
        for (int j = i; any && j < i + 8 && j < n; ++j)
            if (halves[j])
                toBgrPixel(hue, second, third, blue, green, red, j, hls);
    }
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
    redoHalves(halves, n, hue, saturation, value, blue, green, red, 0);
}

/* HLS back to blue, green, red in integers. With lightness L, saturation
 * S and A = 255 - |2L - 255| (even for every L), the double form's c is
 * A S / 255 and m = L - c / 2; a channel is m, m + c or m + x with x = c
 * k / 128 (k = 128 - |3H mod 256 - 128|, exact), that is L + A S j / 65280
 * for j = -128, 128 or 2k - 128, which lies between 0 and 255, so the
 * rounding half up is floor((65280 L + A S j + 32640) / 65280) without a
 * clamp. The double form gives those bytes wherever the exact value is
 * not a half; m and m + c never are (A S is even), m + x is for a few
 * pixels, and those take the double form itself. The test of every
 * triple checks the bytes. */
K_BODY void hlsToBgrBody(const uint8_t* restrict hue, const uint8_t* restrict lightness,
                         const uint8_t* restrict saturation, uint8_t* restrict blue,
                         uint8_t* restrict green, uint8_t* restrict red, int n) {
    uint8_t halves[CHUNK + 8];
    for (int i = 0; i < n; ++i) {
        const int32_t l = lightness[i], twice = 2 * l - 255;
        const int32_t as = (255 - (twice < 0 ? -twice : twice)) * saturation[i];
        const int32_t three = (3 * hue[i]) & 255, t = three - 128;
        const int32_t sector = (6 * hue[i]) >> 8, j = 128 - 2 * (t < 0 ? -t : t);
        const int32_t base = 65280 * l + 32640;
        const uint32_t nx = (uint32_t)(base + as * j);
        const int32_t low = (int32_t)per65280((uint32_t)(base - 128 * as));
        const int32_t high = (int32_t)per65280((uint32_t)(base + 128 * as));
        const int32_t x = (int32_t)per65280(nx);
        halves[i] = (uint8_t)(nx - (uint32_t)x * 65280u == 0u);
        /* Masks of 0 or all ones as for HSV: red takes c in sectors 0 and
         * 5 and x in 1 and 4, green and blue two and four sectors on. */
        const int32_t cr = -(int32_t)((0x21u >> sector) & 1),
                      xr = -(int32_t)((0x12u >> sector) & 1);
        const int32_t cg = -(int32_t)((0x06u >> sector) & 1),
                      xg = -(int32_t)((0x09u >> sector) & 1);
        const int32_t cb = -(int32_t)((0x18u >> sector) & 1),
                      xb = -(int32_t)((0x24u >> sector) & 1);
        red[i] = (uint8_t)(low + ((high - low) & cr) + ((x - low) & xr));
        green[i] = (uint8_t)(low + ((high - low) & cg) + ((x - low) & xg));
        blue[i] = (uint8_t)(low + ((high - low) & cb) + ((x - low) & xb));
    }
    redoHalves(halves, n, hue, lightness, saturation, blue, green, red, 1);
}

/* The vector forms of fromBgrBody (SSE2 in KHueSse2.c, AVX2's 16-bit lanes
 * in KHueAvx2.c, only where the processor has AVX2) and of hsvToBgrBody
 * (SSE2), with the same bytes. */
void KHueFromBgrSse2(const uint8_t* restrict blue, const uint8_t* restrict green,
                     const uint8_t* restrict red, uint8_t* restrict hue, uint8_t* restrict second,
                     uint8_t* restrict third, int n, int hls);
void KHueFromBgrAvx2(const uint8_t* restrict blue, const uint8_t* restrict green,
                     const uint8_t* restrict red, uint8_t* restrict hue, uint8_t* restrict second,
                     uint8_t* restrict third, int n, int hls);
/* hlsToBgrBody in AVX2's and SSE2's 16-bit lanes (KHueAvx2.c, KHueSse2.c),
 * with the same bytes. */
void KHlsToBgrSse2(const uint8_t* restrict hue, const uint8_t* restrict lightness,
                   const uint8_t* restrict saturation, uint8_t* restrict blue,
                   uint8_t* restrict green, uint8_t* restrict red, int n);
void KHlsToBgrAvx2(const uint8_t* restrict hue, const uint8_t* restrict lightness,
                   const uint8_t* restrict saturation, uint8_t* restrict blue,
                   uint8_t* restrict green, uint8_t* restrict red, int n);
/* hsvToBgrBody in AVX2's 16-bit lanes (KHueAvx2.c), with the same bytes. */
void KHsvToBgrAvx2(const uint8_t* restrict hue, const uint8_t* restrict saturation,
                   const uint8_t* restrict value, uint8_t* restrict blue, uint8_t* restrict green,
                   uint8_t* restrict red, int n);
void KHsvToBgrSse2(const uint8_t* restrict hue, const uint8_t* restrict saturation,
                   const uint8_t* restrict value, uint8_t* restrict blue, uint8_t* restrict green,
                   uint8_t* restrict red, int n);

#endif
