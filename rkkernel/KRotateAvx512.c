/* Bilinear rotation with AVX-512 (see KRotateWide.c). */
#include "KRotateLevels.h"

/* ---- AVX-512: eight grey pixels a step ---- */

typedef struct Eight {
    const uint8_t* Source;
    int BottomUp;
    __m512d Right, Bottom;
    __m256i LastX, LastY, Stride;
    __m512d Fill;
} Eight;

WIDER static INLINE __m256i wordsAt8(const uint8_t* source, __m256i offsets) {
    return _mm256_i32gather_epi32((const int*)source, offsets, 1);
}

WIDER static INLINE __m512d mix8(__m512d a, __m512d b, __m512d f) {
    const __m512d one = _mm512_set1_pd(1.0);
    return _mm512_add_pd(_mm512_mul_pd(a, _mm512_sub_pd(one, f)), _mm512_mul_pd(b, f));
}

WIDER static INLINE __m256i levelOf8(__m512d top, __m512d under, __m512d fy, __mmask8 outside,
                                     __m512d fill) {
    const __m512d v = _mm512_add_pd(mix8(top, under, fy), _mm512_set1_pd(0.5));
    return _mm512_cvttpd_epi32(_mm512_mask_blend_pd(outside, v, fill));
}

/* As nearBytes, eight at once, for the rows at offsets and the rows
 * apart bytes further on (the pixels below them), the byte indices worked
 * out once for both. */
WIDER static INLINE int nearRows8(const uint8_t* source, __m256i offsets, int apart, __m256i* at,
                                  __m256i* next, __m256i* under, __m256i* underNext) {
    const int first = _mm256_cvtsi256_si32(offsets);
    int last = _mm256_extract_epi32(offsets, 7) - 14;
    last = last < 0 ? 0 : last;
    const __m256i span = _mm256_set1_epi32(14);
    const __m256i fromFirst = _mm256_sub_epi32(offsets, _mm256_set1_epi32(first));
    const __m256i fromLast = _mm256_sub_epi32(offsets, _mm256_set1_epi32(last));
    const __mmask8 nearFirst = _mm256_cmple_epu32_mask(fromFirst, span);
    const __mmask8 nearLast = _mm256_cmple_epu32_mask(fromLast, span);
    if ((__mmask8)(nearFirst | nearLast) != 0xFF || last + apart < 0)
        return 0;
    const __m128i one = _mm_set1_epi8(1);
    const __m128i indexA = _mm256_cvtepi32_epi8(fromFirst);
    const __m128i indexB = _mm256_cvtepi32_epi8(fromLast);
    const __m128i nextA = _mm_add_epi8(indexA, one), nextB = _mm_add_epi8(indexB, one);
    const uint8_t* row = source;
    __m256i* out[4] = {at, next, under, underNext};
    for (int k = 0; k < 4; k += 2, row += apart) {
        const __m128i fromA = _mm_loadu_si128((const __m128i*)(row + first));
        const __m128i fromB = _mm_loadu_si128((const __m128i*)(row + last));
        *out[k] = _mm256_cvtepu8_epi32(_mm_mask_blend_epi8(
            nearFirst, _mm_shuffle_epi8(fromB, indexB), _mm_shuffle_epi8(fromA, indexA)));
        *out[k + 1] = _mm256_cvtepu8_epi32(_mm_mask_blend_epi8(
            nearFirst, _mm_shuffle_epi8(fromB, nextB), _mm_shuffle_epi8(fromA, nextA)));
    }
    return 1;
}

/* As fourPixels (KRotateAvx2.c) for grey pixels, eight at once. */
WIDER static INLINE __m256i eightPixels(const Eight* f, __m512d sx, __m512d sy, const int edges) {
    const __m512d lowest = _mm512_set1_pd(-0.5);
    __mmask8 outside = 0;
    __m512d px = sx, py = sy;
    if (edges) {
        outside = _mm512_cmp_pd_mask(sx, lowest, _CMP_LT_OQ) |
                  _mm512_cmp_pd_mask(sy, lowest, _CMP_LT_OQ) |
                  _mm512_cmp_pd_mask(sx, f->Right, _CMP_GT_OQ) |
                  _mm512_cmp_pd_mask(sy, f->Bottom, _CMP_GT_OQ);
        /* Outside lanes at the nearest position inside (nearestInside in
         * KRotateAvx2.c). */
        const __m512d zero = _mm512_setzero_pd(), half = _mm512_set1_pd(0.5);
        px = _mm512_mask_mov_pd(
            sx, outside, _mm512_min_pd(_mm512_max_pd(sx, zero), _mm512_sub_pd(f->Right, half)));
        py = _mm512_mask_mov_pd(
            sy, outside, _mm512_min_pd(_mm512_max_pd(sy, zero), _mm512_sub_pd(f->Bottom, half)));
    }
    const __m512d fx0 = _mm512_roundscale_pd(px, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    const __m512d fy0 = _mm512_roundscale_pd(py, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    const __m512d fx = _mm512_sub_pd(px, fx0), fy = _mm512_sub_pd(py, fy0);
    const __m256i x0 = _mm512_cvttpd_epi32(fx0), y0 = _mm512_cvttpd_epi32(fy0);
    const __m256i zero = _mm256_setzero_si256(), next = _mm256_set1_epi32(1);
    /* A pixel inside the picture on every side (no edges), the pixels
     * right of and below need no clamping. */
    const __m256i xa = edges ? _mm256_max_epi32(x0, zero) : x0;
    __m256i xb = _mm256_add_epi32(x0, next), ya = y0, yb = _mm256_add_epi32(y0, next);
    if (edges) {
        xb = _mm256_min_epi32(xb, f->LastX);
        ya = _mm256_max_epi32(y0, zero);
        yb = _mm256_min_epi32(yb, f->LastY);
    }
    if (f->BottomUp) {
        ya = _mm256_sub_epi32(f->LastY, ya);
        yb = _mm256_sub_epi32(f->LastY, yb);
    }
    const __m256i rowA = _mm256_mullo_epi32(ya, f->Stride);
    const __m256i rowB = _mm256_mullo_epi32(yb, f->Stride);
    const __mmask8 same = edges ? _mm256_cmpeq_epi32_mask(xa, xb) : 0;
    const __m256i low = _mm256_set1_epi32(255);
    const __m256i offA = _mm256_add_epi32(rowA, xa), offB = _mm256_add_epi32(rowB, xa);
    __m256i a0, a1, b0, b1;
    const int apart = _mm256_cvtsi256_si32(offB) - _mm256_cvtsi256_si32(offA);
    const __mmask8 alike =
        _mm256_cmpeq_epi32_mask(offB, _mm256_add_epi32(offA, _mm256_set1_epi32(apart)));
    if (alike != 0xFF || !nearRows8(f->Source, offA, apart, &a0, &a1, &b0, &b1)) {
        const __m256i a = wordsAt8(f->Source, offA), b = wordsAt8(f->Source, offB);
        a0 = _mm256_and_si256(a, low), b0 = _mm256_and_si256(b, low);
        a1 = _mm256_and_si256(_mm256_srli_epi32(a, 8), low);
        b1 = _mm256_and_si256(_mm256_srli_epi32(b, 8), low);
    }
    a1 = _mm256_mask_blend_epi32(same, a1, a0);
    b1 = _mm256_mask_blend_epi32(same, b1, b0);
    __m256i levels;
    if (!edges && singleLevels(a0, a1, b0, b1, _mm512_cvtpd_ps(fx), _mm512_cvtpd_ps(fy), &levels))
        return levels;
    const __m512d top = mix8(_mm512_cvtepi32_pd(a0), _mm512_cvtepi32_pd(a1), fx);
    const __m512d under = mix8(_mm512_cvtepi32_pd(b0), _mm512_cvtepi32_pd(b1), fx);
    return levelOf8(top, under, fy, outside, f->Fill);
}

/* The offsets of eight grey pixels a pixel inside the picture on every
 * side and their weights, as eightPixels takes them. */
WIDER static INLINE __m256i offsetsEight(const Eight* f, __m512d sx, __m512d sy, __m512d* fx,
                                         __m512d* fy) {
    const __m512d fx0 = _mm512_roundscale_pd(sx, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    const __m512d fy0 = _mm512_roundscale_pd(sy, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    *fx = _mm512_sub_pd(sx, fx0), *fy = _mm512_sub_pd(sy, fy0);
    const __m256i xa = _mm512_cvttpd_epi32(fx0);
    __m256i ya = _mm512_cvttpd_epi32(fy0);
    if (f->BottomUp)
        ya = _mm256_sub_epi32(f->LastY, ya);
    return _mm256_add_epi32(_mm256_mullo_epi32(ya, f->Stride), xa);
}

/* The bytes of eight grey pixels at offsets (v: the pixel, its right-hand
 * neighbour, the two below them, apart bytes on). */
WIDER static INLINE void pickEight(const Eight* f, __m256i offA, int apart, __m256i v[4]) {
    if (!nearRows8(f->Source, offA, apart, &v[0], &v[1], &v[2], &v[3])) {
        const __m256i low = _mm256_set1_epi32(255);
        const __m256i a = wordsAt8(f->Source, offA);
        const __m256i b = wordsAt8(f->Source, _mm256_add_epi32(offA, _mm256_set1_epi32(apart)));
        v[0] = _mm256_and_si256(a, low), v[2] = _mm256_and_si256(b, low);
        v[1] = _mm256_and_si256(_mm256_srli_epi32(a, 8), low);
        v[3] = _mm256_and_si256(_mm256_srli_epi32(b, 8), low);
    }
}

/* As nearRows8 for sixteen pixels at once: the bytes of both rows picked
 * out of 16 bytes loaded at the first pixel and 16 up to the last one's
 * neighbour, with one set of indices; 0 where some pixel lies near
 * neither. */
WIDER static INLINE int nearRows16(const uint8_t* source, __m512i offsets, int apart,
                                   __m512i v[4]) {
    const int first = _mm512_cvtsi512_si32(offsets);
    int last = _mm_extract_epi32(_mm512_extracti32x4_epi32(offsets, 3), 3) - 14;
    last = last < 0 ? 0 : last;
    const __m512i span = _mm512_set1_epi32(14);
    const __m512i fromFirst = _mm512_sub_epi32(offsets, _mm512_set1_epi32(first));
    const __m512i fromLast = _mm512_sub_epi32(offsets, _mm512_set1_epi32(last));
    const __mmask16 nearFirst = _mm512_cmple_epu32_mask(fromFirst, span);
    const __mmask16 nearLast = _mm512_cmple_epu32_mask(fromLast, span);
    if ((__mmask16)(nearFirst | nearLast) != 0xFFFF || last + apart < 0)
        return 0;
    const __m128i one = _mm_set1_epi8(1);
    const __m128i indexA = _mm512_cvtepi32_epi8(fromFirst);
    const __m128i indexB = _mm512_cvtepi32_epi8(fromLast);
    const __m128i nextA = _mm_add_epi8(indexA, one), nextB = _mm_add_epi8(indexB, one);
    const uint8_t* row = source;
    for (int k = 0; k < 4; k += 2, row += apart) {
        const __m128i fromA = _mm_loadu_si128((const __m128i*)(row + first));
        const __m128i fromB = _mm_loadu_si128((const __m128i*)(row + last));
        v[k] = _mm512_cvtepu8_epi32(_mm_mask_blend_epi8(nearFirst, _mm_shuffle_epi8(fromB, indexB),
                                                        _mm_shuffle_epi8(fromA, indexA)));
        v[k + 1] = _mm512_cvtepu8_epi32(_mm_mask_blend_epi8(
            nearFirst, _mm_shuffle_epi8(fromB, nextB), _mm_shuffle_epi8(fromA, nextA)));
    }
    return 1;
}

/* Levels of sixteen pixels in the doubles of the plain loop (lanes 0-7
 * with weights fx[0], fy[0], lanes 8-15 with fx[1], fy[1]). */
WIDER static INLINE __m512i doubleLevels16(__m512i a0, __m512i a1, __m512i b0, __m512i b1,
                                           const __m512d fx[2], const __m512d fy[2]) {
    __m256i level[2];
    for (int h = 0; h < 2; ++h) {
#define LANES(v) _mm512_cvtepi32_pd(h ? _mm512_extracti64x4_epi64(v, 1) : _mm512_castsi512_si256(v))
        const __m512d top = mix8(LANES(a0), LANES(a1), fx[h]);
        const __m512d under = mix8(LANES(b0), LANES(b1), fx[h]);
#undef LANES
        level[h] = _mm512_cvttpd_epi32(_mm512_add_pd(mix8(top, under, fy[h]), _mm512_set1_pd(0.5)));
    }
    return _mm512_inserti64x4(_mm512_castsi256_si512(level[0]), level[1], 1);
}

/* Sixteen lanes of two halves of eight. */
WIDER static INLINE __m512 singles16(__m512d low, __m512d high) {
    return _mm512_insertf32x8(_mm512_castps256_ps512(_mm512_cvtpd_ps(low)), _mm512_cvtpd_ps(high),
                              1);
}

/* Sixteen grey pixels a pixel inside the picture on every side at source
 * positions (sx0, sx1), (sy0, sy1), lanes 0-7 and 8-15, stored at out:
 * the single-precision sums of singleLevels sixteen lanes at once, with
 * the same margin, and where some lane lies too near a whole number and a
 * half the doubles. The bytes of both rows come from two loads a row for
 * all sixteen (nearRows16), or else eight at a time (nearRows8, gathers). */
WIDER static INLINE void sixteenInside(const Eight* f, __m512d sx0, __m512d sx1, __m512d sy0,
                                       __m512d sy1, uint8_t* out) {
    __m512d fx0, fy0, fx1, fy1;
    const __m256i off0 = offsetsEight(f, sx0, sy0, &fx0, &fy0);
    const __m256i off1 = offsetsEight(f, sx1, sy1, &fx1, &fy1);
    const int stride = _mm256_cvtsi256_si32(f->Stride);
    const int apart = f->BottomUp ? -stride : stride;
    __m512i v[4]; /* the pixel, right of it, below, below right */
    if (!nearRows16(f->Source, _mm512_inserti64x4(_mm512_castsi256_si512(off0), off1, 1), apart,
                    v)) {
        __m256i lo[4], hi[4];
        pickEight(f, off0, apart, lo);
        pickEight(f, off1, apart, hi);
        for (int k = 0; k < 4; ++k)
            v[k] = _mm512_inserti64x4(_mm512_castsi256_si512(lo[k]), hi[k], 1);
    }
    const __m512 fx = singles16(fx0, fx1), fy = singles16(fy0, fy1);
    const __m512 top = _mm512_fmadd_ps(_mm512_cvtepi32_ps(_mm512_sub_epi32(v[1], v[0])), fx,
                                       _mm512_cvtepi32_ps(v[0]));
    const __m512 under = _mm512_fmadd_ps(_mm512_cvtepi32_ps(_mm512_sub_epi32(v[3], v[2])), fx,
                                         _mm512_cvtepi32_ps(v[2]));
    const __m512 r = _mm512_fmadd_ps(_mm512_sub_ps(under, top), fy, top);
    const __m512 whole = _mm512_roundscale_ps(r, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    const __mmask16 close = _mm512_cmp_ps_mask(_mm512_abs_ps(_mm512_sub_ps(r, whole)),
                                               _mm512_set1_ps(0.5f - 0x1p-10f), _CMP_GT_OQ);
    if (!close) {
        _mm_storeu_si128((__m128i*)out, _mm512_cvtepi32_epi8(_mm512_cvttps_epi32(whole)));
        return;
    }
    const __m512d fxs[2] = {fx0, fx1}, fys[2] = {fy0, fy1};
    _mm_storeu_si128((__m128i*)out,
                     _mm512_cvtepi32_epi8(doubleLevels16(v[0], v[1], v[2], v[3], fxs, fys)));
}

WIDER static INLINE __m512d eightSteps(double* at, double step) {
    const double p0 = *at, p1 = p0 + step, p2 = p1 + step, p3 = p2 + step;
    const double p4 = p3 + step, p5 = p4 + step, p6 = p5 + step, p7 = p6 + step;
    *at = p7 + step;
    return _mm512_setr_pd(p0, p1, p2, p3, p4, p5, p6, p7);
}

WIDER static INLINE __m512d eightAhead(KStepRun* run, double* at) {
    double delta;
    if (!KStepsAhead(run, *at, 8, &delta))
        return eightSteps(at, run->Step);
    const __m512d lanes =
        _mm512_add_pd(_mm512_set1_pd(*at),
                      _mm512_mul_pd(_mm512_setr_pd(0, 1, 2, 3, 4, 5, 6, 7), _mm512_set1_pd(delta)));
    *at += 8 * delta;
    return lanes;
}

WIDER static INLINE void storeEight(uint8_t* out, int x, __m256i levels) {
    _mm_storel_epi64((__m128i*)(out + x), _mm256_cvtepi32_epi8(levels));
}

WIDER static INLINE int bilinearEight(KBilinearRow* row, uint8_t* out) {
    const int w = row->Width, h = row->Height;
    Eight f = {row->Source,
               row->BottomUp,
               _mm512_set1_pd(w - 0.5),
               _mm512_set1_pd(h - 0.5),
               _mm256_set1_epi32(w - 1),
               _mm256_set1_epi32(h - 1),
               _mm256_set1_epi32(row->BytesPerLine),
               _mm512_set1_pd(row->Fill[0])};
    KStepRun runX = KStepRunOf(row->Cos), runY = KStepRunOf(-row->Sin);
    const KAhead ahead = KAheadOf(row);
    double sx = row->Sx, sy = row->Sy;
    int x = 0;
    while (x + 8 <= w) {
        const int count = w - x >= STRETCH ? STRETCH : (w - x) / 8 * 8;
        double dx, dy;
        if (count >= 16 && KStepsAhead(&runX, sx, count, &dx) &&
            KStepsAhead(&runY, sy, count, &dy)) {
            /* As in bilinearFour (KRotateAvx2.c). */
            const double ex = sx + (count - 1) * dx, ey = sy + (count - 1) * dy;
            const int inside = (sx < ex ? sx : ex) >= 0 && (sx < ex ? ex : sx) < w - 1 &&
                               (sy < ey ? sy : ey) >= 0 && (sy < ey ? ey : sy) < h - 1;
            const __m512d k = _mm512_setr_pd(0, 1, 2, 3, 4, 5, 6, 7);
            __m512d px = _mm512_add_pd(_mm512_set1_pd(sx), _mm512_mul_pd(k, _mm512_set1_pd(dx)));
            __m512d py = _mm512_add_pd(_mm512_set1_pd(sy), _mm512_mul_pd(k, _mm512_set1_pd(dy)));
            const __m512d stepX = _mm512_set1_pd(8 * dx), stepY = _mm512_set1_pd(8 * dy);
            const int end = x + count;
            if (inside) {
                /* Sixteen pixels a step: lanes 8-15 eight deltas on, each
                 * sum exact as the lanes' own. */
                __m512d qx = _mm512_add_pd(px, stepX), qy = _mm512_add_pd(py, stepY);
                const __m512d twiceX = _mm512_set1_pd(16 * dx), twiceY = _mm512_set1_pd(16 * dy);
                for (; x + 16 <= end; x += 16) {
                    KFetchAhead(&ahead, _mm512_cvtsd_f64(px), _mm512_cvtsd_f64(py));
                    sixteenInside(&f, px, qx, py, qy, out + x);
                    px = _mm512_add_pd(px, twiceX), py = _mm512_add_pd(py, twiceY);
                    qx = _mm512_add_pd(qx, twiceX), qy = _mm512_add_pd(qy, twiceY);
                }
            }
            for (; x < end; x += 8) {
                KFetchAhead(&ahead, _mm512_cvtsd_f64(px), _mm512_cvtsd_f64(py));
                const __m256i pixels =
                    inside ? eightPixels(&f, px, py, 0) : eightPixels(&f, px, py, 1);
                storeEight(out, x, pixels);
                px = _mm512_add_pd(px, stepX), py = _mm512_add_pd(py, stepY);
            }
            sx += count * dx, sy += count * dy;
            continue;
        }
        KFetchAhead(&ahead, sx, sy);
        const __m512d px = eightAhead(&runX, &sx), py = eightAhead(&runY, &sy);
        storeEight(out, x, eightPixels(&f, px, py, 1));
        x += 8;
    }
    row->Sx = sx, row->Sy = sy;
    return x;
}

/* ---- AVX-512: sixteen colour pixels a step inside the picture ---- */

/* The six bytes of each of sixteen pixels at offsets into source and of
 * the pixels apart bytes on (bytes[row][byte], in 32-bit lanes), as
 * eightColour picks them: four pixels a 128-bit lane from 16 bytes loaded
 * at the first of them and up to the last; 0 where some pixel lies in
 * neither. */
WIDER static INLINE int pickSixteen(const uint8_t* source, __m512i offsets, int apart,
                                    __m512i bytes[2][6]) {
    const __m512i span = _mm512_set1_epi32(10);
    const __m512i firsts = _mm512_shuffle_epi32(offsets, _MM_PERM_AAAA);
    const __m512i lasts =
        _mm512_max_epi32(_mm512_sub_epi32(_mm512_shuffle_epi32(offsets, _MM_PERM_DDDD), span),
                         _mm512_setzero_si512());
    const __m512i fromFirst = _mm512_sub_epi32(offsets, firsts);
    const __m512i fromLast = _mm512_sub_epi32(offsets, lasts);
    const __mmask16 nearFirst = _mm512_cmple_epu32_mask(fromFirst, span);
    const __mmask16 nearLast = _mm512_cmple_epu32_mask(fromLast, span);
    if ((__mmask16)(nearFirst | nearLast) != 0xFFFF ||
        _mm512_cmplt_epi32_mask(_mm512_add_epi32(lasts, _mm512_set1_epi32(apart)),
                                _mm512_setzero_si512()))
        return 0;
    int32_t at[2][16];
    _mm512_storeu_si512(at[0], firsts);
    _mm512_storeu_si512(at[1], lasts);
    /* Byte indices in the low byte of each lane, the others cleared. */
    const __m512i clear = _mm512_set1_epi32((int)0xFFFFFF00u);
    const __m512i indexF = _mm512_or_si512(fromFirst, clear);
    const __m512i indexL = _mm512_or_si512(fromLast, clear);
    for (int r = 0; r < 2; ++r) {
        const uint8_t* row = source + r * apart;
        __m512i from[2];
        for (int e = 0; e < 2; ++e) {
            const int* o = at[e];
            __m512i v = _mm512_castsi128_si512(_mm_loadu_si128((const __m128i*)(row + o[0])));
            v = _mm512_inserti32x4(v, _mm_loadu_si128((const __m128i*)(row + o[4])), 1);
            v = _mm512_inserti32x4(v, _mm_loadu_si128((const __m128i*)(row + o[8])), 2);
            from[e] = _mm512_inserti32x4(v, _mm_loadu_si128((const __m128i*)(row + o[12])), 3);
        }
        for (int c = 0; c < 6; ++c) {
            const __m512i k = _mm512_set1_epi32(c);
            const __m512i f = _mm512_shuffle_epi8(from[0], _mm512_add_epi32(indexF, k));
            bytes[r][c] =
                nearFirst == 0xFFFF
                    ? f
                    : _mm512_mask_blend_epi32(
                          nearFirst, _mm512_shuffle_epi8(from[1], _mm512_add_epi32(indexL, k)), f);
        }
    }
    return 1;
}

/* Sixteen colour pixels a pixel inside the picture on every side at source
 * positions (sx0, sx1), (sy0, sy1), lanes 0-7 and 8-15, stored at out:
 * bytes picked from loads (pickSixteen) or else gathered as 32-bit words,
 * levels from the single-precision sums of singleLevels sixteen lanes at
 * once, with the same margin, and the doubles where some lane lies too
 * near a whole number and a half. */
WIDER static INLINE void sixteenColour(const Eight* f, __m512d sx0, __m512d sx1, __m512d sy0,
                                       __m512d sy1, uint8_t* out) {
    /* Not negative: truncation is the floor. */
    const __m256i ix0 = _mm512_cvttpd_epi32(sx0), iy0 = _mm512_cvttpd_epi32(sy0);
    const __m256i ix1 = _mm512_cvttpd_epi32(sx1), iy1 = _mm512_cvttpd_epi32(sy1);
    const __m512d fx[2] = {_mm512_sub_pd(sx0, _mm512_cvtepi32_pd(ix0)),
                           _mm512_sub_pd(sx1, _mm512_cvtepi32_pd(ix1))};
    const __m512d fy[2] = {_mm512_sub_pd(sy0, _mm512_cvtepi32_pd(iy0)),
                           _mm512_sub_pd(sy1, _mm512_cvtepi32_pd(iy1))};
    const __m512i x0 = _mm512_inserti64x4(_mm512_castsi256_si512(ix0), ix1, 1);
    __m512i y0 = _mm512_inserti64x4(_mm512_castsi256_si512(iy0), iy1, 1);
    const int stride = _mm256_cvtsi256_si32(f->Stride);
    if (f->BottomUp)
        y0 = _mm512_sub_epi32(_mm512_broadcastd_epi32(_mm256_castsi256_si128(f->LastY)), y0);
    const __m512i offsets = _mm512_add_epi32(_mm512_mullo_epi32(y0, _mm512_set1_epi32(stride)),
                                             _mm512_add_epi32(x0, _mm512_add_epi32(x0, x0)));
    const int apart = f->BottomUp ? -stride : stride;
    __m512i bytes[2][6];
    if (!pickSixteen(f->Source, offsets, apart, bytes)) {
        const __m512i low = _mm512_set1_epi32(255), three = _mm512_set1_epi32(3);
        for (int r = 0; r < 2; ++r) {
            const __m512i at = _mm512_add_epi32(offsets, _mm512_set1_epi32(r * apart));
            const __m512i left = _mm512_i32gather_epi32(at, f->Source, 1);
            const __m512i right = _mm512_i32gather_epi32(_mm512_add_epi32(at, three), f->Source, 1);
            for (int c = 0; c < 3; ++c) {
                bytes[r][c] = _mm512_and_si512(_mm512_srli_epi32(left, 8 * c), low);
                bytes[r][c + 3] = _mm512_and_si512(_mm512_srli_epi32(right, 8 * c), low);
            }
        }
    }
    const __m512 fxs = singles16(fx[0], fx[1]), fys = singles16(fy[0], fy[1]);
    __m512i pixels = _mm512_setzero_si512();
    for (int k = 0; k < 3; ++k) {
        const __m512i a0 = bytes[0][k], a1 = bytes[0][k + 3], b0 = bytes[1][k],
                      b1 = bytes[1][k + 3];
        const __m512 top = _mm512_fmadd_ps(_mm512_cvtepi32_ps(_mm512_sub_epi32(a1, a0)), fxs,
                                           _mm512_cvtepi32_ps(a0));
        const __m512 under = _mm512_fmadd_ps(_mm512_cvtepi32_ps(_mm512_sub_epi32(b1, b0)), fxs,
                                             _mm512_cvtepi32_ps(b0));
        const __m512 r = _mm512_fmadd_ps(_mm512_sub_ps(under, top), fys, top);
        const __m512 whole = _mm512_roundscale_ps(r, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
        const __mmask16 close = _mm512_cmp_ps_mask(_mm512_abs_ps(_mm512_sub_ps(r, whole)),
                                                   _mm512_set1_ps(0.5f - 0x1p-10f), _CMP_GT_OQ);
        const __m512i level =
            close ? doubleLevels16(a0, a1, b0, b1, fx, fy) : _mm512_cvttps_epi32(whole);
        pixels = _mm512_or_si512(pixels, _mm512_slli_epi32(level, 8 * k));
    }
    const __m512i pack = _mm512_broadcast_i32x4(_mm_loadu_si128((const __m128i*)packThree));
    const __m512i packed = _mm512_permutexvar_epi32(
        _mm512_setr_epi32(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 3, 7, 11, 15),
        _mm512_shuffle_epi8(pixels, pack));
    _mm256_storeu_si256((__m256i*)out, _mm512_castsi512_si256(packed));
    _mm_storeu_si128((__m128i*)(out + 32), _mm512_extracti32x4_epi32(packed, 2));
}

/* The AVX2 colour loop's stretches inside the picture, sixteen pixels a
 * step (KInsideColour). */
WIDER static int insideColour(const KBilinearRow* row, const KAhead* ahead, double sx, double dx,
                              double sy, double dy, int count, uint8_t* out) {
    const Eight f = {row->Source,
                     row->BottomUp,
                     _mm512_set1_pd(row->Width - 0.5),
                     _mm512_set1_pd(row->Height - 0.5),
                     _mm256_set1_epi32(row->Width - 1),
                     _mm256_set1_epi32(row->Height - 1),
                     _mm256_set1_epi32(row->BytesPerLine),
                     _mm512_set1_pd(row->Fill[0])};
    const __m512d k = _mm512_setr_pd(0, 1, 2, 3, 4, 5, 6, 7);
    /* Lanes 8-15 eight deltas on, each sum exact as in bilinearEight. */
    __m512d px = _mm512_add_pd(_mm512_set1_pd(sx), _mm512_mul_pd(k, _mm512_set1_pd(dx)));
    __m512d py = _mm512_add_pd(_mm512_set1_pd(sy), _mm512_mul_pd(k, _mm512_set1_pd(dy)));
    __m512d qx = _mm512_add_pd(px, _mm512_set1_pd(8 * dx));
    __m512d qy = _mm512_add_pd(py, _mm512_set1_pd(8 * dy));
    const __m512d twiceX = _mm512_set1_pd(16 * dx), twiceY = _mm512_set1_pd(16 * dy);
    const int done = count / 16 * 16;
    for (int x = 0; x < done; x += 16) {
        KFetchAhead(ahead, _mm512_cvtsd_f64(px), _mm512_cvtsd_f64(py));
        sixteenColour(&f, px, qx, py, qy, out + 3 * x);
        px = _mm512_add_pd(px, twiceX), py = _mm512_add_pd(py, twiceY);
        qx = _mm512_add_pd(qx, twiceX), qy = _mm512_add_pd(qy, twiceY);
    }
    return done;
}

/* Colour pixels take the AVX2 loop (its byte picking from loads four
 * pixels at a time ran a quarter faster here than eight pixels at a time
 * in doubles with word gathers), its stretches inside the picture sixteen
 * pixels a step. */
WIDER int KBilinearAvx512(KBilinearRow* row, uint8_t* out) {
    return row->Bytes == 1 ? bilinearEight(row, out) : KColourAvx2(row, out, insideColour);
}
