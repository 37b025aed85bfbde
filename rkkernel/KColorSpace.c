/* Colour spaces of colour separation. Every space converts both ways with
 * blue-green-red bytes:
 * - CMYK (4 bytes C, M, Y, K): K = 255 - max(R, G, B) and C, M, Y = max minus
 *   R, G, B (full grey-component replacement), so the round trip is exact.
 * - CMY: 255 minus R, G, B; exact.
 * - HSV and HLS: hue in 256 steps to the full circle (0 red, 85 green, 171
 *   blue), the other two 0..255; the round trip is within a few levels
 *   because hue has only 256 steps. */
#include "KInternal.h"

#include <math.h>
#include <string.h>

static int bytesOf(int space) {
    switch (space) {
    case K_SPACE_BGR:
    case K_SPACE_HSV:
    case K_SPACE_HLS:
    case K_SPACE_CMY:
        return 3;
    case K_SPACE_CMYK:
        return 4;
    default:
        return 0;
    }
}

static uint8_t clampRound(double v) {
    return v <= 0 ? 0 : v >= 255 ? 255 : (uint8_t)(v + 0.5);
}

/* Hue of a colour in 256 steps to the circle; 0 for greys. */
static uint8_t hueOf(int r, int g, int b, int mx, int mn) {
    if (mx == mn)
        return 0;
    double d = mx - mn, h;
    if (mx == r)
        h = (g - b) / d;
    else if (mx == g)
        h = 2.0 + (b - r) / d;
    else
        h = 4.0 + (r - g) / d;
    h *= 256.0 / 6.0;
    if (h < 0)
        h += 256.0;
    return (uint8_t)((int)(h + 0.5) & 255);
}

/* Red, green, blue of hue h (256 steps) at full chroma c over a base m. */
static void fromHue(int hue, double c, double m, uint8_t* rgb) {
    double h = hue * 6.0 / 256.0;
    double x = c * (1.0 - fabs(fmod(h, 2.0) - 1.0));
    double r = 0, g = 0, b = 0;
    switch ((int)h) {
    case 0:
        r = c, g = x;
        break;
    case 1:
        r = x, g = c;
        break;
    case 2:
        g = c, b = x;
        break;
    case 3:
        g = x, b = c;
        break;
    case 4:
        r = x, b = c;
        break;
    default:
        r = c, b = x;
        break;
    }
    rgb[0] = clampRound(r + m);
    rgb[1] = clampRound(g + m);
    rgb[2] = clampRound(b + m);
}

/* One pixel of space to red, green, blue. */
static void toRGB(const uint8_t* p, int space, uint8_t* rgb) {
    switch (space) {
    case K_SPACE_BGR:
        rgb[0] = p[2], rgb[1] = p[1], rgb[2] = p[0];
        return;
    case K_SPACE_CMY:
        rgb[0] = (uint8_t)(255 - p[0]), rgb[1] = (uint8_t)(255 - p[1]),
        rgb[2] = (uint8_t)(255 - p[2]);
        return;
    case K_SPACE_CMYK:
        for (int k = 0; k < 3; ++k) {
            int v = 255 - p[3] - p[k];
            rgb[k] = (uint8_t)(v < 0 ? 0 : v);
        }
        return;
    case K_SPACE_HSV: {
        double v = p[2], c = v * p[1] / 255.0;
        fromHue(p[0], c, v - c, rgb);
        return;
    }
    default: { /* HLS */
        double l = p[1] / 255.0, s = p[2] / 255.0;
        double c = (1.0 - fabs(2.0 * l - 1.0)) * s * 255.0;
        fromHue(p[0], c, l * 255.0 - c / 2.0, rgb);
        return;
    }
    }
}

/* Red, green, blue to one pixel of space. */
static void fromRGB(const uint8_t* rgb, int space, uint8_t* p) {
    int r = rgb[0], g = rgb[1], b = rgb[2];
    int mx = r > g ? (r > b ? r : b) : (g > b ? g : b);
    int mn = r < g ? (r < b ? r : b) : (g < b ? g : b);
    switch (space) {
    case K_SPACE_BGR:
        p[0] = (uint8_t)b, p[1] = (uint8_t)g, p[2] = (uint8_t)r;
        return;
    case K_SPACE_CMY:
        p[0] = (uint8_t)(255 - r), p[1] = (uint8_t)(255 - g), p[2] = (uint8_t)(255 - b);
        return;
    case K_SPACE_CMYK:
        p[0] = (uint8_t)(mx - r), p[1] = (uint8_t)(mx - g), p[2] = (uint8_t)(mx - b);
        p[3] = (uint8_t)(255 - mx);
        return;
    case K_SPACE_HSV:
        p[0] = hueOf(r, g, b, mx, mn);
        p[1] = mx == 0 ? 0 : clampRound(255.0 * (mx - mn) / mx);
        p[2] = (uint8_t)mx;
        return;
    default: { /* HLS */
        int sum = mx + mn;
        p[0] = hueOf(r, g, b, mx, mn);
        p[1] = clampRound(sum / 2.0);
        if (mx == mn)
            p[2] = 0;
        else
            p[2] = clampRound(255.0 * (mx - mn) / (sum <= 255 ? sum : 510 - sum));
        return;
    }
    }
}

/* The subtractive spaces to and from blue, green, red, by the formulas of
 * toRGB and fromRGB in loops of their own over separate buffers, which the
 * compiler vectorises (built for AVX2 and AVX-512 too, the processor's
 * best form chosen at load). CMY is its own inverse with the byte order
 * turned round. */
K_BODY void toCMYBody(const uint8_t* restrict in, uint8_t* restrict out, int n) {
    for (int x = 0; x < n; ++x) {
        out[3 * x] = (uint8_t)(255 - in[3 * x + 2]);
        out[3 * x + 1] = (uint8_t)(255 - in[3 * x + 1]);
        out[3 * x + 2] = (uint8_t)(255 - in[3 * x]);
    }
}

K_LEVELS(toCMY, (const uint8_t* restrict in, uint8_t* restrict out, int n), (in, out, n))

K_BODY void toCMYKBody(const uint8_t* restrict in, uint8_t* restrict out, int n) {
    for (int x = 0; x < n; ++x) {
        const uint8_t b = in[3 * x], g = in[3 * x + 1], r = in[3 * x + 2];
        const uint8_t rg = r > g ? r : g, mx = rg > b ? rg : b;
        out[4 * x] = (uint8_t)(mx - r);
        out[4 * x + 1] = (uint8_t)(mx - g);
        out[4 * x + 2] = (uint8_t)(mx - b);
        out[4 * x + 3] = (uint8_t)(255 - mx);
    }
}

K_LEVELS(toCMYK, (const uint8_t* restrict in, uint8_t* restrict out, int n), (in, out, n))

K_BODY void fromCMYKBody(const uint8_t* restrict in, uint8_t* restrict out, int n) {
    for (int x = 0; x < n; ++x) {
        const uint8_t white = (uint8_t)(255 - in[4 * x + 3]);
        const uint8_t c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2];
        out[3 * x] = (uint8_t)(white > y ? white - y : 0);
        out[3 * x + 1] = (uint8_t)(white > m ? white - m : 0);
        out[3 * x + 2] = (uint8_t)(white > c ? white - c : 0);
    }
}

K_LEVELS(fromCMYK, (const uint8_t* restrict in, uint8_t* restrict out, int n), (in, out, n))

/* Converts between blue, green, red and CMY or CMYK: separate buffers in
 * one pass, in memory order; a buffer converted in place a chunk at a
 * time, each chunk's pixels copied aside first (widening runs from the end
 * of the row, narrowing from its start). Returns 0 for other pairs of
 * spaces. */
static int subtractive(const uint8_t* in, uint8_t* out, int width, int fromSpace, int toSpace) {
    void (*convert)(const uint8_t* restrict, uint8_t* restrict, int) = NULL;
    int inBytes = 3, outBytes = 3;
    if ((fromSpace == K_SPACE_BGR && toSpace == K_SPACE_CMY) ||
        (fromSpace == K_SPACE_CMY && toSpace == K_SPACE_BGR))
        convert = toCMY;
    else if (fromSpace == K_SPACE_BGR && toSpace == K_SPACE_CMYK)
        convert = toCMYK, outBytes = 4;
    else if (fromSpace == K_SPACE_CMYK && toSpace == K_SPACE_BGR)
        convert = fromCMYK, inBytes = 4;
    else
        return 0;
    const uintptr_t inStart = (uintptr_t)in, outStart = (uintptr_t)out;
    if (inStart + (size_t)inBytes * (size_t)width <= outStart ||
        outStart + (size_t)outBytes * (size_t)width <= inStart) {
        convert(in, out, width);
        return 1;
    }
    enum { CHUNK = 256 };
    uint8_t aside[4 * CHUNK];
    for (int done = 0; done < width; done += CHUNK) {
        const int n = width - done < CHUNK ? width - done : CHUNK;
        const int first = outBytes > inBytes ? width - done - n : done;
        memcpy(aside, in + (size_t)inBytes * first, (size_t)inBytes * n);
        convert(aside, out + (size_t)outBytes * first, n);
    }
    return 1;
}

int KConvertColorSpace(const void* source, void* target, int width, int fromSpace, int toSpace) {
    int inBytes = bytesOf(fromSpace), outBytes = bytesOf(toSpace);
    if (!source || !target || width < 0 || !inBytes || !outBytes)
        return K_ERR_BAD_PARAMETER;
    /* A space to itself is a copy; separation and merge in blue, green, red
     * pass every row through it. */
    if (fromSpace == toSpace) {
        if (target != source)
            memmove(target, source, (size_t)inBytes * (size_t)width);
        return K_OK;
    }
    const uint8_t* in = source;
    uint8_t* out = target;
    if (subtractive(in, out, width, fromSpace, toSpace) ||
        KConvertHueSpace(in, out, width, fromSpace, toSpace))
        return K_OK;
    /* Backwards when widening so that the same buffer serves both sides. */
    int backwards = outBytes > inBytes;
    for (int i = 0; i < width; ++i) {
        int x = backwards ? width - 1 - i : i;
        uint8_t rgb[3], pixel[4];
        toRGB(in + (size_t)inBytes * x, fromSpace, rgb);
        fromRGB(rgb, toSpace, pixel);
        for (int k = 0; k < outBytes; ++k)
            out[(size_t)outBytes * x + k] = pixel[k];
    }
    return K_OK;
}
