/* Three-plane dealing (64 pixels a step) and gathering (32) with AVX2 byte
 * shuffles, for processors without AVX-512 VBMI. Each 128-bit lane holds
 * 48 pixel bytes, three 16-byte chunks. Byte i of chunk j belongs to plane
 * (i + j) mod 3 (16 is 1 mod 3), so two blends take from the chunks one
 * vector holding all 16 bytes of plane k, byte i the one of pixel t where
 * 3t + k = i mod 16, and one shuffle puts them in pixel order. Gathering
 * runs the same steps backwards. Streaming writes go past the caches and
 * need the written rows 32-byte aligned. */
#include "imgfx/ColorPlanes.h"

#include <immintrin.h>

#define AVX2 __attribute__((target("avx2")))

static struct {
    uint8_t Order[3][32];  /* plane k's bytes of the blended vector in pixel order */
    uint8_t Spread[3][32]; /* pixel bytes of plane k to the chunk bytes they go to */
    uint8_t From1[3][32];  /* 0x80 where byte i of the blended plane k comes from chunk 1 */
    uint8_t From2[3][32];  /* ... from chunk 2 */
} tables;

__attribute__((constructor)) static void buildTables(void) {
    for (int k = 0; k < 3; ++k)
        for (int b = 0; b < 32; ++b) {
            const int i = b & 15, chunk = (k - i % 3 + 3) % 3;
            tables.Order[k][b] = (uint8_t)((3 * i + k) & 15);
            tables.Spread[k][b] = (uint8_t)((11 * (i - k + 16)) & 15);
            tables.From1[k][b] = chunk == 1 ? 0x80 : 0;
            tables.From2[k][b] = chunk == 2 ? 0x80 : 0;
        }
}

AVX2 static inline __m256i load(const uint8_t* table) {
    return _mm256_loadu_si256((const __m256i*)table);
}

AVX2 static inline void put(uint8_t* to, __m256i v, int stream, __m256i flips) {
    v = _mm256_xor_si256(v, flips);
    if (stream)
        _mm256_stream_si256((__m256i*)to, v);
    else
        _mm256_storeu_si256((__m256i*)to, v);
}

/* The 32 pixels at p as plane vectors out[0..2]. */
AVX2 static inline void deal32(const uint8_t* p, const __m256i* order, const __m256i* from1,
                               const __m256i* from2, __m256i* out) {
    const __m256i v0 = _mm256_loadu_si256((const __m256i*)p),
                  v1 = _mm256_loadu_si256((const __m256i*)(p + 32)),
                  v2 = _mm256_loadu_si256((const __m256i*)(p + 64));
    /* Chunks 0, 1, 2 of pixels 0-15 in the low lanes, of 16-31 in the high. */
    const __m256i c0 = _mm256_blend_epi32(v0, v1, 0xf0),
                  c1 = _mm256_permute2x128_si256(v0, v2, 0x21),
                  c2 = _mm256_blend_epi32(v1, v2, 0xf0);
    for (int k = 0; k < 3; ++k)
        out[k] = _mm256_shuffle_epi8(
            _mm256_blendv_epi8(_mm256_blendv_epi8(c0, c1, from1[k]), c2, from2[k]), order[k]);
}

/* 64 pixels a step, so that both halves of a plane's line are stored one
 * after the other: streamed halves of three lines left open at once make
 * the processor write lines out in parts. */
AVX2 static int deal3(const uint8_t* p, int n, uint8_t* const* planeRows, int stream,
                      uint8_t flip) {
    const __m256i flips = _mm256_set1_epi8((char)flip);
    uint8_t* const rows[3] = {planeRows[0], planeRows[1], planeRows[2]};
    __m256i order[3], from1[3], from2[3];
    for (int k = 0; k < 3; ++k)
        order[k] = load(tables.Order[k]), from1[k] = load(tables.From1[k]),
        from2[k] = load(tables.From2[k]);
    int x = 0;
    for (; x + 64 <= n; x += 64, p += 192) {
        __m256i low[3], high[3];
        deal32(p, order, from1, from2, low);
        deal32(p + 96, order, from1, from2, high);
        for (int k = 0; k < 3; ++k) {
            put(rows[k] + x, low[k], stream, flips);
            put(rows[k] + x + 32, high[k], stream, flips);
        }
    }
    for (; x + 32 <= n; x += 32, p += 96) {
        __m256i v[3];
        deal32(p, order, from1, from2, v);
        for (int k = 0; k < 3; ++k)
            put(rows[k] + x, v[k], stream, flips);
    }
    return x;
}

AVX2 static int gather3(uint8_t* p, int n, const uint8_t* const* rows, int stream, uint8_t flip) {
    const __m256i flips = _mm256_set1_epi8((char)flip);
    const __m256i one = load(tables.From1[2]), two = load(tables.From2[1]);
    __m256i spread[3];
    for (int k = 0; k < 3; ++k)
        spread[k] = load(tables.Spread[k]);
    int x = 0;
    for (; x + 32 <= n; x += 32, p += 96) {
        __m256i s[3], c[3];
        for (int k = 0; k < 3; ++k)
            s[k] =
                _mm256_shuffle_epi8(_mm256_loadu_si256((const __m256i*)(rows[k] + x)), spread[k]);
        /* Byte i of chunk j is plane (i + j) mod 3: where i is 1 mod 3 the
         * blended plane 2 comes from chunk 1, where it is 2 plane 1 from 2. */
        c[0] = _mm256_blendv_epi8(_mm256_blendv_epi8(s[0], s[1], one), s[2], two);
        c[1] = _mm256_blendv_epi8(_mm256_blendv_epi8(s[1], s[2], one), s[0], two);
        c[2] = _mm256_blendv_epi8(_mm256_blendv_epi8(s[2], s[0], one), s[1], two);
        put(p, _mm256_permute2x128_si256(c[0], c[1], 0x20), stream, flips);
        put(p + 32, _mm256_blend_epi32(c[2], c[0], 0xf0), stream, flips);
        put(p + 64, _mm256_permute2x128_si256(c[1], c[2], 0x31), stream, flips);
    }
    return x;
}

int FxAvx2Deal3(const uint8_t* pixels, int width, uint8_t* const* rows, int stream, uint8_t flip) {
    return deal3(pixels, width, rows, stream, flip);
}

int FxAvx2Gather3(uint8_t* pixels, int width, const uint8_t* const* rows, int stream,
                  uint8_t flip) {
    return gather3(pixels, width, rows, stream, flip);
}
