/* Kinds of separation and the plane dealing loops: plain C that the
 * compiler vectorises, in the builds of Clones.h, around the vector forms
 * of ColorPlanesWide.c and ColorPlanesAvx2.c where those apply. */
#include "imgfx/ColorPlanes.h"

#include "imgfx/Clones.h"
#include "imgfx/ColorPlanesSse2.h"

#include <immintrin.h>

FxSeparation FxSeparationOf(unsigned kind) {
    static const FxSeparation separations[FX_LAST_SEPARATION + 1] = {
        {K_SPACE_BGR, 3}, {K_SPACE_CMYK, 4}, {K_SPACE_HSV, 3}, {K_SPACE_HLS, 3}, {K_SPACE_CMY, 3}};
    return separations[kind <= FX_LAST_SEPARATION ? kind : 0];
}

/* The three-plane loops XOR every byte with f: 0, or 255 to complement. */
FX_BODY void deal3Body(const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
                       uint8_t* restrict c, uint8_t f) {
    for (int x = 0; x < n; ++x) {
        a[x] = p[3 * x] ^ f;
        b[x] = p[3 * x + 1] ^ f;
        c[x] = p[3 * x + 2] ^ f;
    }
}

FX_LEVELS(static, deal3,
          (const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
           uint8_t* restrict c, uint8_t f),
          (p, n, a, b, c, f))

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
                         const uint8_t* restrict b, const uint8_t* restrict c, uint8_t f) {
    for (int x = 0; x < n; ++x) {
        p[3 * x] = a[x] ^ f;
        p[3 * x + 1] = b[x] ^ f;
        p[3 * x + 2] = c[x] ^ f;
    }
}

FX_LEVELS(static, gather3,
          (uint8_t* restrict p, int n, const uint8_t* restrict a, const uint8_t* restrict b,
           const uint8_t* restrict c, uint8_t f),
          (p, n, a, b, c, f))

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

static inline __attribute__((always_inline)) void putSse2(uint8_t* to, __m128i v, int stream,
                                                          int flip) {
    if (flip)
        v = _mm_xor_si128(v, _mm_set1_epi8(-1));
    if (stream)
        _mm_stream_si128((__m128i*)to, v);
    else
        _mm_storeu_si128((__m128i*)to, v);
}

/* The rows are held in locals: byte stores may alias the array of them,
 * which would be read again after every store. Sixteen pixels a step, each
 * plane's sixteen bytes stored as soon as they are dealt: SSE2 has too few registers to hold a
 * whole line of each plane (four steps) without spilling, and on AMD's Zen 5 the spills cost a
 * third of the time while the three lines streamed in parts cost nothing.
 * The store kind and the complement are fixed for the whole loop. */
static inline __attribute__((always_inline)) int
dealSse2Loop(const uint8_t* p, int n, uint8_t* const* planeRows, const int stream, const int flip) {
    uint8_t* const rows[3] = {planeRows[0], planeRows[1], planeRows[2]};
    int x = 0;
    for (; x + 16 <= n; x += 16, p += 48) {
        __m128i v[3] = {_mm_loadu_si128((const __m128i*)p),
                        _mm_loadu_si128((const __m128i*)(p + 16)),
                        _mm_loadu_si128((const __m128i*)(p + 32))};
        FxDeal3Sse2(v);
        for (int k = 0; k < 3; ++k)
            putSse2(rows[k] + x, v[k], stream, flip);
    }
    return x;
}

static int dealSse2(const uint8_t* p, int n, uint8_t* const* rows, int stream, uint8_t flip) {
    if (flip)
        return stream ? dealSse2Loop(p, n, rows, 1, 1) : dealSse2Loop(p, n, rows, 0, 1);
    return stream ? dealSse2Loop(p, n, rows, 1, 0) : dealSse2Loop(p, n, rows, 0, 0);
}

static inline __attribute__((always_inline)) void
gather16Sse2(uint8_t* p, const uint8_t* const* rows, int x, int stream, int flip) {
    __m128i out[3];
    FxInterleave3Sse2(_mm_loadu_si128((const __m128i*)(rows[0] + x)),
                      _mm_loadu_si128((const __m128i*)(rows[1] + x)),
                      _mm_loadu_si128((const __m128i*)(rows[2] + x)), out);
    putSse2(p, out[0], stream, flip);
    putSse2(p + 16, out[1], stream, flip);
    putSse2(p + 32, out[2], stream, flip);
}

/* SSE2 alone leaves gathering short of the processor's work rather than of
 * memory: blocks of 64 pixels ask for one line of each plane, and the
 * store kind is fixed for the whole loop, so that no test stands between
 * the steps. */
static inline __attribute__((always_inline)) int gatherSse2Loop(uint8_t* p, int n,
                                                                const uint8_t* const* planeRows,
                                                                const int stream, const int flip) {
    const uint8_t* const rows[3] = {planeRows[0], planeRows[1], planeRows[2]};
    int x = 0;
    for (; x + 64 <= n; x += 64, p += 192) {
        for (int j = 0; j < 4; ++j)
            gather16Sse2(p + 48 * j, rows, x + 16 * j, stream, flip);
    }
    for (; x + 16 <= n; x += 16, p += 48)
        gather16Sse2(p, rows, x, stream, flip);
    return x;
}

static int gatherSse2(uint8_t* p, int n, const uint8_t* const* rows, int stream, uint8_t flip) {
    if (flip)
        return stream ? gatherSse2Loop(p, n, rows, 1, 1) : gatherSse2Loop(p, n, rows, 0, 1);
    return stream ? gatherSse2Loop(p, n, rows, 1, 0) : gatherSse2Loop(p, n, rows, 0, 0);
}

/* The processor's best vector form for three planes. */
static int dealVector(const uint8_t* p, int n, uint8_t* const* rows, int stream, uint8_t flip) {
    if (KIsaVbmi())
        return FxWideDeal3(p, n, rows, stream, flip);
    if (KIsaLevel() >= K_ISA_AVX2)
        return FxAvx2Deal3(p, n, rows, stream, flip);
    return dealSse2(p, n, rows, stream, flip);
}

static int gatherVector(uint8_t* p, int n, const uint8_t* const* rows, int stream, uint8_t flip) {
    if (KIsaLevel() >= K_ISA_AVX2)
        return FxAvx2Gather3(p, n, rows, stream, flip);
    return gatherSse2(p, n, rows, stream, flip);
}

static int aligned(uintptr_t a, uintptr_t b) {
    return ((a ^ b) & 63) == 0;
}

/* Streaming: the plain loop does the pixels before the first whose plane
 * bytes start a 64-byte line, the vector forms stream from there (the
 * planes' rows all alike placed in their lines, else nothing streams). */
static void deal3Planes(const uint8_t* pixels, int width, uint8_t* const* rows, int stream,
                        uint8_t flip) {
    const uintptr_t first = (uintptr_t)rows[0];
    int x = 0;
    stream = stream && aligned(first, (uintptr_t)rows[1]) && aligned(first, (uintptr_t)rows[2]);
    if (stream) {
        x = (int)(-first & 63) < width ? (int)(-first & 63) : width;
        deal3(pixels, x, rows[0], rows[1], rows[2], flip);
    }
    uint8_t* const from[3] = {rows[0] + x, rows[1] + x, rows[2] + x};
    x += dealVector(pixels + 3 * (size_t)x, width - x, from, stream, flip);
    deal3(pixels + 3 * (size_t)x, width - x, rows[0] + x, rows[1] + x, rows[2] + x, flip);
}

/* Streaming as dealing: 43 is the inverse of 3 modulo 64. */
static void gather3Planes(uint8_t* pixels, int width, const uint8_t* const* rows, int stream,
                          uint8_t flip) {
    int x = 0;
    if (stream) {
        const int head = (int)(((-(uintptr_t)pixels & 63) * 43) & 63);
        x = head < width ? head : width;
        gather3(pixels, x, rows[0], rows[1], rows[2], flip);
    }
    const uint8_t* const from[3] = {rows[0] + x, rows[1] + x, rows[2] + x};
    x += gatherVector(pixels + 3 * (size_t)x, width - x, from, stream, flip);
    gather3(pixels + 3 * (size_t)x, width - x, rows[0] + x, rows[1] + x, rows[2] + x, flip);
}

void FxDealPlanes(const uint8_t* pixels, int width, int planes, uint8_t* const* rows, int stream) {
    if (planes == 4)
        deal4(pixels, width, rows[0], rows[1], rows[2], rows[3]);
    else
        deal3Planes(pixels, width, rows, stream, 0);
}

void FxGatherPlanes(uint8_t* pixels, int width, int planes, const uint8_t* const* rows,
                    int stream) {
    if (planes == 4)
        gather4(pixels, width, rows[0], rows[1], rows[2], rows[3]);
    else
        gather3Planes(pixels, width, rows, stream, 0);
}

void FxDealComplement3(const uint8_t* pixels, int width, uint8_t* const* rows, int stream) {
    deal3Planes(pixels, width, rows, stream, 255);
}

void FxGatherComplement3(uint8_t* pixels, int width, const uint8_t* const* rows, int stream) {
    gather3Planes(pixels, width, rows, stream, 255);
}

void FxStreamDone(void) {
    _mm_sfence();
}
