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
        px = _mm512_maskz_mov_pd((__mmask8)~outside, sx);
        py = _mm512_maskz_mov_pd((__mmask8)~outside, sy);
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

/* The bytes of eight grey pixels a pixel inside the picture on every side
 * (v: the pixel, its right-hand neighbour, the two below them) and their
 * weights, as eightPixels takes them. */
WIDER static INLINE void pickEight(const Eight* f, __m512d sx, __m512d sy, __m256i v[4],
                                   __m512d* fx, __m512d* fy) {
    const __m512d fx0 = _mm512_roundscale_pd(sx, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    const __m512d fy0 = _mm512_roundscale_pd(sy, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    *fx = _mm512_sub_pd(sx, fx0), *fy = _mm512_sub_pd(sy, fy0);
    const __m256i xa = _mm512_cvttpd_epi32(fx0);
    __m256i ya = _mm512_cvttpd_epi32(fy0);
    if (f->BottomUp)
        ya = _mm256_sub_epi32(f->LastY, ya);
    const __m256i offA = _mm256_add_epi32(_mm256_mullo_epi32(ya, f->Stride), xa);
    const int stride = _mm256_cvtsi256_si32(f->Stride);
    const int apart = f->BottomUp ? -stride : stride;
    if (!nearRows8(f->Source, offA, apart, &v[0], &v[1], &v[2], &v[3])) {
        const __m256i low = _mm256_set1_epi32(255);
        const __m256i a = wordsAt8(f->Source, offA);
        const __m256i b = wordsAt8(f->Source, _mm256_add_epi32(offA, _mm256_set1_epi32(apart)));
        v[0] = _mm256_and_si256(a, low), v[2] = _mm256_and_si256(b, low);
        v[1] = _mm256_and_si256(_mm256_srli_epi32(a, 8), low);
        v[3] = _mm256_and_si256(_mm256_srli_epi32(b, 8), low);
    }
}

/* Sixteen lanes of two halves of eight. */
WIDER static INLINE __m512 singles16(__m512d low, __m512d high) {
    return _mm512_insertf32x8(_mm512_castps256_ps512(_mm512_cvtpd_ps(low)), _mm512_cvtpd_ps(high),
                              1);
}

WIDER static INLINE __m512 levels16(__m256i low, __m256i high) {
    return _mm512_cvtepi32_ps(_mm512_inserti64x4(_mm512_castsi256_si512(low), high, 1));
}

/* Sixteen grey pixels a pixel inside the picture on every side at source
 * positions (sx0, sx1), (sy0, sy1), lanes 0-7 and 8-15, stored at out:
 * the single-precision sums of singleLevels sixteen lanes at once, with
 * the same margin, and where some lane lies too near a whole number and a
 * half the doubles of eightPixels, eight at a time. */
WIDER static INLINE void sixteenInside(const Eight* f, __m512d sx0, __m512d sx1, __m512d sy0,
                                       __m512d sy1, uint8_t* out) {
    __m256i lo[4], hi[4];
    __m512d fx0, fy0, fx1, fy1;
    pickEight(f, sx0, sy0, lo, &fx0, &fy0);
    pickEight(f, sx1, sy1, hi, &fx1, &fy1);
    const __m512 fx = singles16(fx0, fx1), fy = singles16(fy0, fy1);
    const __m512 top =
        _mm512_fmadd_ps(levels16(_mm256_sub_epi32(lo[1], lo[0]), _mm256_sub_epi32(hi[1], hi[0])),
                        fx, levels16(lo[0], hi[0]));
    const __m512 under =
        _mm512_fmadd_ps(levels16(_mm256_sub_epi32(lo[3], lo[2]), _mm256_sub_epi32(hi[3], hi[2])),
                        fx, levels16(lo[2], hi[2]));
    const __m512 r = _mm512_fmadd_ps(_mm512_sub_ps(under, top), fy, top);
    const __m512 whole = _mm512_roundscale_ps(r, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    const __mmask16 close = _mm512_cmp_ps_mask(_mm512_abs_ps(_mm512_sub_ps(r, whole)),
                                               _mm512_set1_ps(0.5f - 0x1p-10f), _CMP_GT_OQ);
    if (!close) {
        _mm_storeu_si128((__m128i*)out, _mm512_cvtepi32_epi8(_mm512_cvttps_epi32(whole)));
        return;
    }
    const __m512d fxs[2] = {fx0, fx1}, fys[2] = {fy0, fy1};
    for (int h = 0; h < 2; ++h) {
        const __m256i* v = h ? hi : lo;
        const __m512d top8 = mix8(_mm512_cvtepi32_pd(v[0]), _mm512_cvtepi32_pd(v[1]), fxs[h]);
        const __m512d under8 = mix8(_mm512_cvtepi32_pd(v[2]), _mm512_cvtepi32_pd(v[3]), fxs[h]);
        const __m256i levels =
            _mm512_cvttpd_epi32(_mm512_add_pd(mix8(top8, under8, fys[h]), _mm512_set1_pd(0.5)));
        _mm_storel_epi64((__m128i*)(out + 8 * h), _mm256_cvtepi32_epi8(levels));
    }
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

/* Colour pixels take the AVX2 loop: its byte picking from loads four
 * pixels at a time and its single-precision levels run a quarter faster
 * here than eight pixels at a time in doubles with word gathers. */
WIDER int KBilinearAvx512(KBilinearRow* row, uint8_t* out) {
    return row->Bytes == 1 ? bilinearEight(row, out) : KBilinearAvx2(row, out);
}
