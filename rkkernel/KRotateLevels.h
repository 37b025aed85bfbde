/* What the AVX2 and AVX-512 loops of the bilinear rotation share (see
 * KRotateWide.c). Internal to the kernel. */
#ifndef RKKERNEL_KROTATELEVELS_H
#define RKKERNEL_KROTATELEVELS_H

#include "KInternal.h"
#include "KRotateSteps.h"

#include <immintrin.h>
#include <string.h>

#define WIDE __attribute__((target("avx2,fma")))
#define WIDER __attribute__((target("avx2,fma,avx512f,avx512bw,avx512vl,avx512dq")))
#define INLINE inline __attribute__((always_inline))

/* Bytes 0-2, 4-6, 8-10 and 12-14 of four 32-bit pixel words, packed. */
static const int8_t packThree[16] = {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1};

/* Pixels taken at once where every position of the stretch is an exact
 * sum (KStepsAhead): the lanes then step by eight deltas, each sum exact. */
enum { STRETCH = 64 };

/* The source lines a later row will read, fetched into the cache while
 * this row is resampled. A rotated row crosses the source rows on a slant,
 * a few bytes of each, which the processor's own prefetching does not
 * foresee: loads then wait on memory. The row AHEAD_ROWS on passes the
 * same source position moved by AHEAD_ROWS times (sin, cos), and reads the
 * source row below it as its lower row. */
enum { AHEAD_ROWS = 2 };

typedef struct KAhead {
    const uint8_t* Source;
    int Stride, LastX, LastY, BottomUp, Bytes;
    double Dx, Dy; /* position moved on by the rows ahead */
} KAhead;

static inline KAhead KAheadOf(const KBilinearRow* row) {
    KAhead a = {
        row->Source,   row->BytesPerLine, row->Width - 1,        row->Height - 1,
        row->BottomUp, row->Bytes,        AHEAD_ROWS * row->Sin, AHEAD_ROWS * row->Cos + 1.0};
    return a;
}

/* Fetches the source line AHEAD_ROWS rows on from position sx, sy. */
static INLINE void KFetchAhead(const KAhead* a, double sx, double sy) {
    const double qx = sx + a->Dx, qy = sy + a->Dy;
    int x = qx > 0 ? (qx < a->LastX ? (int)qx : a->LastX) : 0;
    int y = qy > 0 ? (qy < a->LastY ? (int)qy : a->LastY) : 0;
    if (a->BottomUp)
        y = a->LastY - y;
    _mm_prefetch((const char*)(a->Source + (size_t)y * (size_t)a->Stride + (size_t)x * a->Bytes),
                 _MM_HINT_T0);
}

/* Levels of 0 to 255 in 32-bit lanes read as singles once their bits are
 * those of 2^23 + level (the level in the low bits of the significand):
 * the difference of two such and the single less 2^23 are exact, and an
 * integer or and a subtraction take the place of a conversion. On
 * processors whose conversions all run on one unit (AMD's first Zen)
 * these loops were bound by the conversions. */
#define K_PLUS23 0x4B000000
#define K_ROUND23 0x1.8p23f

WIDE static INLINE __m256 plus23(__m256i level) {
    return _mm256_castsi256_ps(_mm256_or_si256(level, _mm256_set1_epi32(K_PLUS23)));
}

/* The eight levels of the double arithmetic (levelOf, inside pixels)
 * taken from single-precision sums where that cannot differ. With levels
 * a up to 255 and weights in [0, 1] rounded to singles (2^-25 at most
 * each), each row's level a0 + (a1 - a0) fx is one fused product and sum,
 * within 255 * 2^-25 + 2^-17 (its rounding) of the exact one, so 1.6e-5;
 * their difference u - t rounds once more (3.9e-5 all told), and the mix
 * t + (u - t) fy, fused again, lies within 1.6e-5 + 3.9e-5 + 255 * 2^-25 +
 * 2^-17 < 7e-5 of the exact one. The double sum plus 0.5 lies within 1e-12
 * of the exact one. Where the single mix lies at least 2^-10 from every
 * whole number and a half, its nearest whole number is the level both sums
 * truncate to; otherwise (about one pixel in 500 of a picture, every pixel
 * exactly halfway) the doubles are worked out. The weights fx and fy are
 * the doubles' rounded to singles; the levels come in eight 32-bit
 * lanes. */
WIDE static INLINE __m256 singleMix(__m256i a0, __m256i a1, __m256i b0, __m256i b1, __m256 fx,
                                    __m256 fy) {
    const __m256 big = _mm256_set1_ps(0x1p23f);
    const __m256 ta0 = plus23(a0), ta1 = plus23(a1), tb0 = plus23(b0), tb1 = plus23(b1);
    const __m256 top = _mm256_fmadd_ps(_mm256_sub_ps(ta1, ta0), fx, _mm256_sub_ps(ta0, big));
    const __m256 under = _mm256_fmadd_ps(_mm256_sub_ps(tb1, tb0), fx, _mm256_sub_ps(tb0, big));
    return _mm256_fmadd_ps(_mm256_sub_ps(under, top), fy, top);
}

/* Whether some lane of the single mix r lies too near a whole number and
 * a half (singleLevels); *levels the whole numbers nearest r. Adding
 * 1.5 * 2^23 rounds r (well inside (-2^22, 2^22)) to its nearest whole
 * number, ties to even as the rounding instruction would, and leaves that
 * number in the low bits of the sum, without a conversion. */
WIDE static INLINE int singlesClose(__m256 r, __m256i* levels) {
    const __m256 round = _mm256_set1_ps(K_ROUND23);
    const __m256 sum = _mm256_add_ps(r, round);
    const __m256 nearest = _mm256_sub_ps(sum, round);
    const __m256 off = _mm256_andnot_ps(_mm256_set1_ps(-0.0f), _mm256_sub_ps(r, nearest));
    const __m256 close = _mm256_cmp_ps(off, _mm256_set1_ps(0.5f - 0x1p-10f), _CMP_GT_OQ);
    *levels = _mm256_sub_epi32(_mm256_castps_si256(sum), _mm256_castps_si256(round));
    return !_mm256_testz_ps(close, close);
}

WIDE static INLINE int singleLevels(__m256i a0, __m256i a1, __m256i b0, __m256i b1, __m256 fx,
                                    __m256 fy, __m256i* levels) {
    return !singlesClose(singleMix(a0, a1, b0, b1, fx, fy), levels);
}

/* Levels of eight pixels from the doubles, as the plain loop works them
 * out: lanes 0-3 with weights fx0, fy0, lanes 4-7 with fx1, fy1. */
WIDE static INLINE __m256i doubleLevels(__m256i a0, __m256i a1, __m256i b0, __m256i b1,
                                        const __m256d fx[2], const __m256d fy[2]) {
    const __m256d one = _mm256_set1_pd(1.0), half = _mm256_set1_pd(0.5);
    __m128i level[2];
    for (int h = 0; h < 2; ++h) {
#define LANES(v) _mm256_cvtepi32_pd(h ? _mm256_extracti128_si256(v, 1) : _mm256_castsi256_si128(v))
        const __m256d wx = _mm256_sub_pd(one, fx[h]), wy = _mm256_sub_pd(one, fy[h]);
        const __m256d top =
            _mm256_add_pd(_mm256_mul_pd(LANES(a0), wx), _mm256_mul_pd(LANES(a1), fx[h]));
        const __m256d under =
            _mm256_add_pd(_mm256_mul_pd(LANES(b0), wx), _mm256_mul_pd(LANES(b1), fx[h]));
#undef LANES
        level[h] = _mm256_cvttpd_epi32(_mm256_add_pd(
            _mm256_add_pd(_mm256_mul_pd(top, wy), _mm256_mul_pd(under, fy[h])), half));
    }
    return _mm256_set_m128i(level[1], level[0]);
}

/* Eight colour pixels (3 bytes each) a pixel inside the picture on every
 * side, stored at out: the pixels' top-left source bytes at offsets, the
 * row below apart bytes on, the weights as doubles (lanes 0-3 and 4-7).
 * Pixels four at a time lie within a few bytes of each other on one or two
 * source rows (small angles): the six bytes of each pixel and of the pixel
 * below are picked out of 16 bytes loaded at the first of each four and
 * up to the last, straight into 32-bit lanes; 0 (nothing stored) where
 * some pixel lies in neither. Levels come from single-precision sums
 * where those cannot truncate otherwise than the doubles (singleLevels),
 * else from the doubles where doubles is set; where it is not, -1
 * (nothing stored): the loops take those rare pixels again after the
 * rest of a stretch, which keeps the doubles' arithmetic and its
 * registers out of their loop. */
WIDE static INLINE int eightColour(const uint8_t* source, __m256i offsets, int apart,
                                   const __m256d fx[2], const __m256d fy[2], uint8_t* out,
                                   const int doubles) {
    const __m256i span = _mm256_set1_epi32(10);
    const __m256i firsts = _mm256_shuffle_epi32(offsets, 0x00);
    const __m256i lasts = _mm256_max_epi32(
        _mm256_sub_epi32(_mm256_shuffle_epi32(offsets, 0xFF), span), _mm256_setzero_si256());
    const __m256i fromFirst = _mm256_sub_epi32(offsets, firsts);
    const __m256i fromLast = _mm256_sub_epi32(offsets, lasts);
    const __m256i nearFirst = _mm256_cmpeq_epi32(_mm256_min_epu32(fromFirst, span), fromFirst);
    const __m256i nearLast = _mm256_cmpeq_epi32(_mm256_min_epu32(fromLast, span), fromLast);
    if (_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_or_si256(nearFirst, nearLast))) != 0xFF)
        return 0;
    const int firstLow = _mm256_cvtsi256_si32(firsts), firstHigh = _mm256_extract_epi32(firsts, 4);
    const int lastLow = _mm256_cvtsi256_si32(lasts), lastHigh = _mm256_extract_epi32(lasts, 4);
    if (lastLow + apart < 0 || lastHigh + apart < 0)
        return 0;
    /* Byte indices in the low byte of each lane, the others cleared. */
    const __m256i clear = _mm256_set1_epi32((int)0xFFFFFF00u);
    const __m256i indexF = _mm256_or_si256(fromFirst, clear);
    const __m256i indexL = _mm256_or_si256(fromLast, clear);
    const int allFirst = _mm256_movemask_ps(_mm256_castsi256_ps(nearFirst)) == 0xFF;
    __m256i bytes[2][6]; /* row, byte of the two pixels side by side */
    for (int r = 0; r < 2; ++r) {
        const uint8_t* row = source + r * apart;
        const __m256i fromF = _mm256_loadu2_m128i((const __m128i*)(row + firstHigh),
                                                  (const __m128i*)(row + firstLow));
        const __m256i fromL =
            _mm256_loadu2_m128i((const __m128i*)(row + lastHigh), (const __m128i*)(row + lastLow));
        for (int c = 0; c < 6; ++c) {
            const __m256i at = _mm256_set1_epi32(c);
            const __m256i f = _mm256_shuffle_epi8(fromF, _mm256_add_epi32(indexF, at));
            bytes[r][c] =
                allFirst
                    ? f
                    : _mm256_blendv_epi8(_mm256_shuffle_epi8(fromL, _mm256_add_epi32(indexL, at)),
                                         f, nearFirst);
        }
    }
    const __m256 fxs = _mm256_set_m128(_mm256_cvtpd_ps(fx[1]), _mm256_cvtpd_ps(fx[0]));
    const __m256 fys = _mm256_set_m128(_mm256_cvtpd_ps(fy[1]), _mm256_cvtpd_ps(fy[0]));
    __m256i pixels = _mm256_setzero_si256();
    for (int k = 0; k < 3; ++k) {
        __m256i level;
        if (!singleLevels(bytes[0][k], bytes[0][k + 3], bytes[1][k], bytes[1][k + 3], fxs, fys,
                          &level)) {
            if (!doubles)
                return -1;
            level =
                doubleLevels(bytes[0][k], bytes[0][k + 3], bytes[1][k], bytes[1][k + 3], fx, fy);
        }
        pixels = _mm256_or_si256(pixels, _mm256_slli_epi32(level, 8 * k));
    }
    const __m256i pack = _mm256_broadcastsi128_si256(_mm_loadu_si128((const __m128i*)packThree));
    const __m256i packed = _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(pixels, pack),
                                                       _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 3, 7));
    _mm_storeu_si128((__m128i*)out, _mm256_castsi256_si128(packed));
    _mm_storel_epi64((__m128i*)(out + 16), _mm256_extracti128_si256(packed, 1));
    return 1;
}

/* Colour pixels of a stretch wholly a pixel inside the picture, from
 * source position sx, sy on by dx, dy a pixel (exact sums), count of them
 * at most, stored at out, by a wider level's loop; returns how many, a
 * multiple of 8. */
typedef int (*KInsideColour)(const KBilinearRow* row, const KAhead* ahead, double sx, double dx,
                             double sy, double dy, int count, uint8_t* out);

/* The first pixels of a row, as KWideBilinear; KColourAvx2 for colour
 * pixels, its stretches inside the picture taken by wide where that is not
 * null. */
WIDE int KColourAvx2(KBilinearRow* row, uint8_t* out, KInsideColour wide);
WIDE int KBilinearAvx2(KBilinearRow* row, uint8_t* out);
WIDER int KBilinearAvx512(KBilinearRow* row, uint8_t* out);

#endif
