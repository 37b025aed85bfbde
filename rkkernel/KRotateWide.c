/* Bilinear rotation of 1- and 3-byte pixels, four at a time with AVX2
 * (chosen once at load): the same double arithmetic as the plain loop of
 * KRotate.c, operation for operation and never fused, on source positions
 * the plain loop has already stepped through, so the bytes are the same.
 * Source bytes are read as 32-bit words, which is why the source copy has
 * 4 bytes to spare. */
#include "KInternal.h"

#include <immintrin.h>
#include <string.h>

#define WIDE __attribute__((target("avx2")))

/* Channel k (0, 1, 2) of each gathered word, as doubles. */
WIDE static inline __m256d channelOf(__m128i words, int k) {
    const __m128i bytes = _mm_and_si128(_mm_srli_epi32(words, 8 * k), _mm_set1_epi32(255));
    return _mm256_cvtepi32_pd(bytes);
}

static inline int32_t wordAt(const uint8_t* source, int32_t offset) {
    int32_t word;
    memcpy(&word, source + offset, sizeof word);
    return word;
}

WIDE static inline __m256d mix(__m256d a, __m256d b, __m256d f, __m256d one) {
    return _mm256_add_pd(_mm256_mul_pd(a, _mm256_sub_pd(one, f)), _mm256_mul_pd(b, f));
}

WIDE static int bilinearWide(const KBilinearRow* row, uint8_t* out) {
    const int w = row->Width, h = row->Height, bytes = row->Bytes;
    const __m256d one = _mm256_set1_pd(1.0), half = _mm256_set1_pd(0.5);
    const __m256d lowest = _mm256_set1_pd(-0.5);
    const __m256d right = _mm256_set1_pd(w - 0.5), bottom = _mm256_set1_pd(h - 0.5);
    const __m128i zero = _mm_setzero_si128(), lastX = _mm_set1_epi32(w - 1);
    const __m128i lastY = _mm_set1_epi32(h - 1), stride = _mm_set1_epi32(row->BytesPerLine);
    const __m128i pixel = _mm_set1_epi32(bytes);
    const uint8_t* source = row->Source;
    int x = 0;
    for (; x + 4 <= w; x += 4) {
        const __m256d sx = _mm256_loadu_pd(row->Sx + x), sy = _mm256_loadu_pd(row->Sy + x);
        const __m256d outside = _mm256_or_pd(_mm256_or_pd(_mm256_cmp_pd(sx, lowest, _CMP_LT_OQ),
                                                          _mm256_cmp_pd(sy, lowest, _CMP_LT_OQ)),
                                             _mm256_or_pd(_mm256_cmp_pd(sx, right, _CMP_GT_OQ),
                                                          _mm256_cmp_pd(sy, bottom, _CMP_GT_OQ)));
        const int fill = _mm256_movemask_pd(outside);
        /* Outside pixels are computed at position 0 and replaced. */
        const __m256d px = _mm256_andnot_pd(outside, sx), py = _mm256_andnot_pd(outside, sy);
        const __m256d fx0 = _mm256_floor_pd(px), fy0 = _mm256_floor_pd(py);
        const __m256d fx = _mm256_sub_pd(px, fx0), fy = _mm256_sub_pd(py, fy0);
        const __m128i x0 = _mm256_cvttpd_epi32(fx0), y0 = _mm256_cvttpd_epi32(fy0);
        const __m128i xa = _mm_max_epi32(x0, zero);
        const __m128i xb = _mm_min_epi32(_mm_add_epi32(x0, _mm_set1_epi32(1)), lastX);
        __m128i ya = _mm_max_epi32(y0, zero);
        __m128i yb = _mm_min_epi32(_mm_add_epi32(y0, _mm_set1_epi32(1)), lastY);
        if (row->BottomUp) {
            ya = _mm_sub_epi32(lastY, ya);
            yb = _mm_sub_epi32(lastY, yb);
        }
        const __m128i rowA = _mm_mullo_epi32(ya, stride), rowB = _mm_mullo_epi32(yb, stride);
        const __m128i colA = _mm_mullo_epi32(xa, pixel), colB = _mm_mullo_epi32(xb, pixel);
        int32_t offsets[4][4];
        _mm_storeu_si128((__m128i*)offsets[0], _mm_add_epi32(rowA, colA));
        _mm_storeu_si128((__m128i*)offsets[1], _mm_add_epi32(rowA, colB));
        _mm_storeu_si128((__m128i*)offsets[2], _mm_add_epi32(rowB, colA));
        _mm_storeu_si128((__m128i*)offsets[3], _mm_add_epi32(rowB, colB));
        /* Plain word loads: gathers cost more than they save here. */
        __m128i corner[4];
        for (int c = 0; c < 4; ++c)
            corner[c] =
                _mm_setr_epi32(wordAt(source, offsets[c][0]), wordAt(source, offsets[c][1]),
                               wordAt(source, offsets[c][2]), wordAt(source, offsets[c][3]));
        const __m128i aa = corner[0], ab = corner[1], ba = corner[2], bb = corner[3];
        int32_t levels[3][4];
        for (int k = 0; k < bytes; ++k) {
            const __m256d top = mix(channelOf(aa, k), channelOf(ab, k), fx, one);
            const __m256d under = mix(channelOf(ba, k), channelOf(bb, k), fx, one);
            const __m256d v = _mm256_add_pd(mix(top, under, fy, one), half);
            _mm_storeu_si128((__m128i*)levels[k], _mm256_cvttpd_epi32(v));
        }
        uint8_t* p = out + (size_t)bytes * x;
        for (int i = 0; i < 4; ++i, p += bytes)
            for (int k = 0; k < bytes; ++k)
                p[k] = fill & (1 << i) ? row->Fill[k] : (uint8_t)levels[k][i];
    }
    return x;
}

static int bilinearNone(const KBilinearRow* row, uint8_t* out) {
    (void)row, (void)out;
    return 0;
}

static int (*bilinear)(const KBilinearRow*, uint8_t*) = bilinearNone;

__attribute__((constructor)) static void chooseBilinear(void) {
    if (KIsaLevel() >= K_ISA_AVX2)
        bilinear = bilinearWide;
}

int KWideBilinear(const KBilinearRow* row, uint8_t* out) {
    return row->Bytes == 1 || row->Bytes == 3 ? bilinear(row, out) : 0;
}
