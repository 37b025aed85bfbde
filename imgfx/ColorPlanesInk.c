/* CMYK's ink planes straight from blue, green, red plane rows, as the
 * kernel's colour space gives them: full grey-component replacement (C,
 * M, Y the channels' maximum minus red, green, blue; K 255 minus the
 * maximum). CMY, 255 minus each, is dealt and gathered complemented
 * (ColorPlanes.c) with no rows between. SSE2
 * vectors, which every level has: the rows are in the caches, and the
 * planes' writes, not the arithmetic, set the pace. */
#include "imgfx/ColorPlanes.h"

#include <immintrin.h>

static inline void putInk(uint8_t* to, __m128i v, int stream) {
    if (stream)
        _mm_stream_si128((__m128i*)to, v);
    else
        _mm_storeu_si128((__m128i*)to, v);
}

static void inkPixels(const uint8_t* const* bgr, int from, int to, uint8_t* const* rows) {
    for (int x = from; x < to; ++x) {
        const uint8_t b = bgr[0][x], g = bgr[1][x], r = bgr[2][x];
        const uint8_t rg = r > g ? r : g, mx = rg > b ? rg : b;
        rows[0][x] = (uint8_t)(mx - r), rows[1][x] = (uint8_t)(mx - g);
        rows[2][x] = (uint8_t)(mx - b), rows[3][x] = (uint8_t)(255 - mx);
    }
}

static inline __attribute__((always_inline)) void inkBlock(const uint8_t* const* bgr, int x,
                                                           __m128i* out) {
    const __m128i ones = _mm_set1_epi8(-1);
    const __m128i b = _mm_loadu_si128((const __m128i*)(bgr[0] + x)),
                  g = _mm_loadu_si128((const __m128i*)(bgr[1] + x)),
                  r = _mm_loadu_si128((const __m128i*)(bgr[2] + x));
    const __m128i mx = _mm_max_epu8(_mm_max_epu8(r, g), b);
    out[0] = _mm_sub_epi8(mx, r), out[1] = _mm_sub_epi8(mx, g), out[2] = _mm_sub_epi8(mx, b);
    out[3] = _mm_xor_si128(mx, ones);
}

/* Blocks of 64 pixels store each plane's line whole before the next
 * plane's: streamed quarters of four lines left open at once make the
 * processor write lines out in parts. Streaming starts where the first
 * plane's row starts a line. */
static int inkLoop(const uint8_t* const* bgr, int x, int width, uint8_t* const* rows, int stream) {
    for (; x + 64 <= width; x += 64) {
        __m128i v[4][4];
        for (int j = 0; j < 4; ++j)
            inkBlock(bgr, x + 16 * j, v[j]);
        for (int k = 0; k < 4; ++k)
            for (int j = 0; j < 4; ++j)
                putInk(rows[k] + x + 16 * j, v[j][k], stream);
    }
    for (; x + 16 <= width; x += 16) {
        __m128i v[4];
        inkBlock(bgr, x, v);
        for (int k = 0; k < 4; ++k)
            putInk(rows[k] + x, v[k], stream);
    }
    return x;
}

void FxInkPlanes(const uint8_t* const* bgr, int width, uint8_t* const* rows, int stream) {
    const uintptr_t first = (uintptr_t)rows[0];
    for (int k = 1; k < 4; ++k)
        stream = stream && (((uintptr_t)rows[k] ^ first) & 15) == 0;
    int x = stream ? (int)(-first & 63) : 0;
    x = x < width ? x : width;
    inkPixels(bgr, 0, x, rows);
    x = inkLoop(bgr, x, width, rows, stream);
    inkPixels(bgr, x, width, rows);
}

/* Back: blue, green, red plane rows from CMYK (white, 255 minus K, less
 * Y, M and C, at least 0), as the kernel's space converts the pixels. The rows are written into the
 * caches for the gather that follows. */
static void bgrPixels(const uint8_t* const* ink, int from, int to, uint8_t* const* bgr) {
    for (int x = from; x < to; ++x) {
        const uint8_t white = (uint8_t)(255 - ink[3][x]);
        for (int k = 0; k < 3; ++k) {
            const uint8_t v = ink[2 - k][x];
            bgr[k][x] = (uint8_t)(white > v ? white - v : 0);
        }
    }
}

void FxBgrOfInk(const uint8_t* const* ink, int width, uint8_t* const* bgr) {
    const __m128i ones = _mm_set1_epi8(-1);
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        const __m128i white = _mm_xor_si128(_mm_loadu_si128((const __m128i*)(ink[3] + x)), ones);
        for (int k = 0; k < 3; ++k)
            _mm_storeu_si128(
                (__m128i*)(bgr[k] + x),
                _mm_subs_epu8(white, _mm_loadu_si128((const __m128i*)(ink[2 - k] + x))));
    }
    bgrPixels(ink, x, width, bgr);
}
