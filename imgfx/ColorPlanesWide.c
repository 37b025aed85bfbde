/* Three-plane dealing of 64 pixels at a time with AVX-512 VBMI byte
 * permutes, chosen once when the library loads. A block is three vectors
 * of pixel bytes against one vector of each plane: every plane vector
 * takes its bytes from two of the three vectors in one permute and the
 * rest from the third in a masked one. Without those instructions the
 * form does nothing and the loops of ColorPlanes.c do all the work.
 * Gathering has no such form: the same permutes backwards, with 64-byte
 * streamed stores, measured about a tenth slower on Zen 4 than the AVX2
 * form. Streaming writes go past the caches and need the written rows
 * 64-byte aligned. */
#include "imgfx/ColorPlanes.h"

#include <immintrin.h>

#define WIDE __attribute__((target("avx512f,avx512bw,avx512vbmi")))

static struct {
    uint8_t Deal[3][64];  /* plane k: bytes 3x + k of 192 pixel bytes, mod 128 */
    uint64_t DealHigh[3]; /* the lanes of plane k whose byte is past the first 128 */
    uint8_t Ramp[64];     /* byte j: j */
} tables;

static int wide;

static void buildTables(void) {
    for (int j = 0; j < 64; ++j) {
        tables.Ramp[j] = (uint8_t)j;
        for (int v = 0; v < 3; ++v) {
            const int dealt = 3 * j + v;
            tables.Deal[v][j] = (uint8_t)(dealt & 127);
            if (dealt >= 128)
                tables.DealHigh[v] |= 1ull << j;
        }
    }
}

__attribute__((constructor)) static void chooseWide(void) {
    wide = KIsaVbmi();
    if (wide)
        buildTables();
}

WIDE static inline void put(uint8_t* to, __m512i v, int stream) {
    if (stream)
        _mm512_stream_si512((void*)to, v);
    else
        _mm512_storeu_si512(to, v);
}

/* The 64 pixels of a, b, c (192 pixel bytes) to their planes' rows. */
WIDE static inline __attribute__((always_inline)) void deal64(__m512i a, __m512i b, __m512i c,
                                                              const __m512i* index,
                                                              uint8_t* const* rows, int x,
                                                              int stream, __m512i flips) {
    for (int k = 0; k < 3; ++k) {
        const __m512i low = _mm512_permutex2var_epi8(a, index[k], b);
        const __m512i plane = _mm512_mask_permutexvar_epi8(low, tables.DealHigh[k], index[k], c);
        put(rows[k] + x, _mm512_xor_si512(plane, flips), stream);
    }
}

/* Pixels that start inside a 64-byte line are read a line at a time, each
 * vector of pixel bytes put together from two lines by one permute: this
 * core pays a load across lines as two, and the three of every block held
 * dealing a fifth slower than pixels that start a line. A block's last
 * line is the next block's first. The first line's bytes before the
 * pixels and the last block's bytes past them may lie outside the
 * bitmap's memory (its first and last stored rows), so those two lines
 * are read by masks that leave such bytes untouched. */
WIDE static int deal3Wide(const uint8_t* p, int n, uint8_t* const* rows, int stream, uint8_t flip) {
    const __m512i flips = _mm512_set1_epi8((char)flip);
    __m512i index[3];
    for (int k = 0; k < 3; ++k)
        index[k] = _mm512_loadu_si512(tables.Deal[k]);
    const int offset = (int)((uintptr_t)p & 63);
    int x = 0;
    if (offset == 0) {
        for (; x + 64 <= n; x += 64, p += 192) {
            deal64(_mm512_load_si512(p), _mm512_load_si512(p + 64), _mm512_load_si512(p + 128),
                   index, rows, x, stream, flips);
        }
        return x;
    }
    /* Byte j of a pixel vector is byte offset + j of two lines. */
    const __m512i shift =
        _mm512_add_epi8(_mm512_loadu_si512(tables.Ramp), _mm512_set1_epi8((char)offset));
    const uint8_t* line = p - offset;
    const __mmask64 after = ~0ull << offset, before = ~after;
    __m512i first = n >= 64 ? _mm512_maskz_loadu_epi8(after, line) : _mm512_setzero_si512();
    for (; x + 64 <= n; x += 64, line += 192) {
        const __m512i l1 = _mm512_load_si512(line + 64), l2 = _mm512_load_si512(line + 128);
        const __m512i l3 = x + 128 <= n ? _mm512_load_si512(line + 192)
                                        : _mm512_maskz_loadu_epi8(before, line + 192);
        deal64(_mm512_permutex2var_epi8(first, shift, l1), _mm512_permutex2var_epi8(l1, shift, l2),
               _mm512_permutex2var_epi8(l2, shift, l3), index, rows, x, stream, flips);
        first = l3;
    }
    return x;
}

int FxWideDeal3(const uint8_t* pixels, int width, uint8_t* const* rows, int stream, uint8_t flip) {
    return wide ? deal3Wide(pixels, width, rows, stream, flip) : 0;
}
