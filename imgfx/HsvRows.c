/* Hue and saturation changes of rows for every processor level, in plain
 * C that the compiler vectorises: the lane arithmetic of the AVX-512 form
 * (HsvPixels.c), one pixel a 32-bit element, whose truncated single
 * precision quotients are the integer quotients of the plain formulas
 * (every dividend is below 2^24). Pixels go through 32-bit arrays a chunk
 * at a time so that every loop runs on whole vectors. */
#include "imgfx/HsvColor.h"

#include "imgfx/Clones.h"

enum { CHUNK = 128 };

static inline int32_t least(int32_t a, int32_t b) {
    return a < b ? a : b;
}

static inline int32_t most(int32_t a, int32_t b) {
    return a > b ? a : b;
}

/* a / b truncated, for 0 <= a < 2^24 and b >= 1. */
static inline int32_t quotient(int32_t a, int32_t b) {
    return (int32_t)((float)a / (float)b);
}

/* The changed colours of n pixels in place. Conditions are combined
 * without short circuits, so that the loop has no branches. */
FX_BODY void changeChunkBody(uint8_t* restrict blue, uint8_t* restrict green, uint8_t* restrict red,
                             int n, int32_t shift, int32_t add) {
    for (int i = 0; i < n; ++i) {
        const int32_t r = red[i], g = green[i], b = blue[i];
        const int32_t mn = least(least(r, g), b), mx = most(most(r, g), b);
        /* Hue and saturation; the hue's two divisions fold into one. */
        int32_t s = quotient((mx - mn) * 255, most(mx, 1));
        const int blueLeast = b == mn, redLeast = (r == mn) & !blueLeast;
        const int32_t a = blueLeast ? g : redLeast ? b : r;
        const int32_t other = blueLeast ? r : redLeast ? g : b;
        const int32_t offset = blueLeast ? 180 / 60 : redLeast ? 30900 / 60 : 61620 / 60;
        const int32_t excess = a - mn, divisor = most(excess + other - mn, 1);
        int32_t hue = quotient((excess << 9) + offset * divisor, divisor * 6);
        hue = (hue + shift) & 255;
        s = least(most(s + add, 0), 255);
        /* Back to red, green, blue by 60-degree sector. */
        const int32_t h = (hue * 360) >> 8;
        const int32_t m = ((255 - s) * mx * 32897) >> 23, d = mx - m;
        const int past120 = h > 120, past240 = h > 240;
        const int32_t u = h - (past240 ? 240 : past120 ? 120 : 0), rest = 120 - u;
        const int rising = u <= 60;
        const int32_t x = m + quotient(d * (rising ? u : rest), rising ? rest : u);
        const int first = !past120, second = past120 & !past240, third = past240;
        int32_t nr = (first & !rising) | (third & rising) ? x : mx;
        int32_t ng = (first & !rising) | (second & rising) ? mx : x;
        int32_t nb = (second & rising) | (third & !rising) ? x : mx;
        nr = second ? m : nr;
        ng = third ? m : ng;
        nb = first ? m : nb;
        /* Colours whose saturation fell to 0 become grey; greys stay. */
        const int grey = (s == 0) | (mn == mx);
        red[i] = (uint8_t)(grey ? mx : nr);
        green[i] = (uint8_t)(grey ? mx : ng);
        blue[i] = (uint8_t)(grey ? mx : nb);
    }
}

/* Pixels dealt to planes and back, whole vectors at a time. */
FX_BODY void changeRunBody(uint8_t* restrict p, int n, int32_t shift, int32_t add) {
    uint8_t blue[CHUNK], green[CHUNK], red[CHUNK];
    while (n > 0) {
        const int m = n < CHUNK ? n : CHUNK;
        for (int i = 0; i < m; ++i)
            blue[i] = p[3 * i], green[i] = p[3 * i + 1], red[i] = p[3 * i + 2];
        changeChunkBody(blue, green, red, m, shift, add);
        for (int i = 0; i < m; ++i)
            p[3 * i] = blue[i], p[3 * i + 1] = green[i], p[3 * i + 2] = red[i];
        p += 3 * m;
        n -= m;
    }
}

FX_LEVELS(static, changeRun, (uint8_t* restrict p, int n, int32_t shift, int32_t add),
          (p, n, shift, add))

void FxChangePixelsChunked(const FxHsvChange* change, uint8_t* p, size_t n) {
    const int32_t shift = change->HueShift & 255, add = change->SaturationAdd;
    for (size_t done = 0; done < n; done += 1 << 20) {
        const size_t m = n - done < (1 << 20) ? n - done : (1 << 20);
        changeRun(p + 3 * done, (int)m, shift, add);
    }
}
