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
            for (const int end = x + count; x < end; x += 8) {
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
