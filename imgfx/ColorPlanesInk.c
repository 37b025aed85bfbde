/* The ink planes of the subtractive kinds straight from blue, green, red
 * plane rows, as the kernel's colour spaces give them: CMYK with full
 * grey-component replacement (C, M, Y the channels' maximum minus red,
 * green, blue; K 255 minus the maximum) and CMY (255 minus each). SSE2
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

static void inkPixels(const uint8_t* const* bgr, int from, int to, int planes,
                      uint8_t* const* rows) {
    for (int x = from; x < to; ++x) {
        const uint8_t b = bgr[0][x], g = bgr[1][x], r = bgr[2][x];
        if (planes == 3) {
            rows[0][x] = (uint8_t)(255 - r), rows[1][x] = (uint8_t)(255 - g),
            rows[2][x] = (uint8_t)(255 - b);
            continue;
        }
        const uint8_t rg = r > g ? r : g, mx = rg > b ? rg : b;
        rows[0][x] = (uint8_t)(mx - r), rows[1][x] = (uint8_t)(mx - g);
        rows[2][x] = (uint8_t)(mx - b), rows[3][x] = (uint8_t)(255 - mx);
    }
}

static inline __attribute__((always_inline)) void inkBlock(const uint8_t* const* bgr, int x,
                                                           int planes, __m128i* out) {
    const __m128i ones = _mm_set1_epi8(-1);
    const __m128i b = _mm_loadu_si128((const __m128i*)(bgr[0] + x)),
                  g = _mm_loadu_si128((const __m128i*)(bgr[1] + x)),
                  r = _mm_loadu_si128((const __m128i*)(bgr[2] + x));
    if (planes == 3) {
        out[0] = _mm_xor_si128(r, ones), out[1] = _mm_xor_si128(g, ones),
        out[2] = _mm_xor_si128(b, ones);
        return;
    }
    const __m128i mx = _mm_max_epu8(_mm_max_epu8(r, g), b);
    out[0] = _mm_sub_epi8(mx, r), out[1] = _mm_sub_epi8(mx, g), out[2] = _mm_sub_epi8(mx, b);
    out[3] = _mm_xor_si128(mx, ones);
}

/* Blocks of 64 pixels store each plane's line whole before the next
 * plane's: streamed quarters of three or four lines left open at once make
 * the processor write lines out in parts. Streaming starts where the first
 * plane's row starts a line. */
static inline __attribute__((always_inline)) int inkLoop(const uint8_t* const* bgr, int x,
                                                         int width, const int planes,
                                                         uint8_t* const* rows, int stream) {
    for (; x + 64 <= width; x += 64) {
        __m128i v[4][4];
        for (int j = 0; j < 4; ++j)
            inkBlock(bgr, x + 16 * j, planes, v[j]);
        for (int k = 0; k < planes; ++k)
            for (int j = 0; j < 4; ++j)
                putInk(rows[k] + x + 16 * j, v[j][k], stream);
    }
    for (; x + 16 <= width; x += 16) {
        __m128i v[4];
        inkBlock(bgr, x, planes, v);
        for (int k = 0; k < planes; ++k)
            putInk(rows[k] + x, v[k], stream);
    }
    return x;
}

void FxInkPlanes(const uint8_t* const* bgr, int width, int planes, uint8_t* const* rows,
                 int stream) {
    const uintptr_t first = (uintptr_t)rows[0];
    for (int k = 1; k < planes; ++k)
        stream = stream && (((uintptr_t)rows[k] ^ first) & 15) == 0;
    int x = stream ? (int)(-first & 63) : 0;
    x = x < width ? x : width;
    inkPixels(bgr, 0, x, planes, rows);
    x = planes == 3 ? inkLoop(bgr, x, width, 3, rows, stream)
                    : inkLoop(bgr, x, width, 4, rows, stream);
    inkPixels(bgr, x, width, planes, rows);
}

/* Back: blue, green, red plane rows from CMYK (white, 255 minus K, less
 * Y, M and C, at least 0) or CMY (255 minus Y, M, C), as the kernel's
 * spaces convert the pixels. The rows are written into the caches for the
 * gather that follows. */
static void bgrPixels(const uint8_t* const* ink, int from, int to, int planes,
                      uint8_t* const* bgr) {
    for (int x = from; x < to; ++x) {
        const uint8_t white = planes == 3 ? 255 : (uint8_t)(255 - ink[3][x]);
        for (int k = 0; k < 3; ++k) {
            const uint8_t v = ink[2 - k][x];
            bgr[k][x] = (uint8_t)(white > v ? white - v : 0);
        }
    }
}

void FxBgrOfInk(const uint8_t* const* ink, int width, int planes, uint8_t* const* bgr) {
    const __m128i ones = _mm_set1_epi8(-1);
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        const __m128i white =
            planes == 3 ? ones : _mm_xor_si128(_mm_loadu_si128((const __m128i*)(ink[3] + x)), ones);
        for (int k = 0; k < 3; ++k)
            _mm_storeu_si128(
                (__m128i*)(bgr[k] + x),
                _mm_subs_epu8(white, _mm_loadu_si128((const __m128i*)(ink[2 - k] + x))));
    }
    bgrPixels(ink, x, width, planes, bgr);
}
