/* Kinds of separation and the plane dealing loops: plain C that the
 * compiler vectorises, in the builds of Clones.h, after the vector forms of
 * ColorPlanesWide.c where those apply. */
#include "imgfx/ColorPlanes.h"

#include "imgfx/Clones.h"

FxSeparation FxSeparationOf(unsigned kind) {
    static const FxSeparation separations[FX_LAST_SEPARATION + 1] = {
        {K_SPACE_BGR, 3}, {K_SPACE_CMYK, 4}, {K_SPACE_HSV, 3}, {K_SPACE_HLS, 3}, {K_SPACE_CMY, 3}};
    return separations[kind <= FX_LAST_SEPARATION ? kind : 0];
}

FX_BODY void deal3Body(const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
                       uint8_t* restrict c) {
    for (int x = 0; x < n; ++x) {
        a[x] = p[3 * x];
        b[x] = p[3 * x + 1];
        c[x] = p[3 * x + 2];
    }
}

FX_LEVELS(static, deal3,
          (const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
           uint8_t* restrict c),
          (p, n, a, b, c))

FX_BODY void deal4Body(const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
                       uint8_t* restrict c, uint8_t* restrict d) {
    for (int x = 0; x < n; ++x) {
        a[x] = p[4 * x];
        b[x] = p[4 * x + 1];
        c[x] = p[4 * x + 2];
        d[x] = p[4 * x + 3];
    }
}

FX_LEVELS(static, deal4,
          (const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
           uint8_t* restrict c, uint8_t* restrict d),
          (p, n, a, b, c, d))

FX_BODY void gather3Body(uint8_t* restrict p, int n, const uint8_t* restrict a,
                         const uint8_t* restrict b, const uint8_t* restrict c) {
    for (int x = 0; x < n; ++x) {
        p[3 * x] = a[x];
        p[3 * x + 1] = b[x];
        p[3 * x + 2] = c[x];
    }
}

FX_LEVELS(static, gather3,
          (uint8_t* restrict p, int n, const uint8_t* restrict a, const uint8_t* restrict b,
           const uint8_t* restrict c),
          (p, n, a, b, c))

FX_BODY void gather4Body(uint8_t* restrict p, int n, const uint8_t* restrict a,
                         const uint8_t* restrict b, const uint8_t* restrict c,
                         const uint8_t* restrict d) {
    for (int x = 0; x < n; ++x) {
        p[4 * x] = a[x];
        p[4 * x + 1] = b[x];
        p[4 * x + 2] = c[x];
        p[4 * x + 3] = d[x];
    }
}

FX_LEVELS(static, gather4,
          (uint8_t* restrict p, int n, const uint8_t* restrict a, const uint8_t* restrict b,
           const uint8_t* restrict c, const uint8_t* restrict d),
          (p, n, a, b, c, d))

void FxDealPlanes(const uint8_t* pixels, int width, int planes, uint8_t* const* rows) {
    if (planes == 4) {
        deal4(pixels, width, rows[0], rows[1], rows[2], rows[3]);
        return;
    }
    const int x = FxWideDeal3(pixels, width, rows);
    deal3(pixels + 3 * x, width - x, rows[0] + x, rows[1] + x, rows[2] + x);
}

void FxGatherPlanes(uint8_t* pixels, int width, int planes, const uint8_t* const* rows) {
    if (planes == 4) {
        gather4(pixels, width, rows[0], rows[1], rows[2], rows[3]);
        return;
    }
    const int x = FxWideGather3(pixels, width, rows);
    gather3(pixels + 3 * x, width - x, rows[0] + x, rows[1] + x, rows[2] + x);
}
