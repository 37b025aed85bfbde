/* Bilinear rotation with AVX2 (see KRotateWide.c). */
#include "KRotateLevels.h"

/* ---- AVX2: four pixels a step ---- */

typedef struct Four {
    const uint8_t* Source;
    int BottomUp;
    __m256d Right, Bottom;
    __m128i LastX, LastY, Stride;
    __m256d Fill[3];
} Four;

WIDE static INLINE __m128i wordsAt(const uint8_t* source, __m128i offsets) {
    return _mm_i32gather_epi32((const int*)source, offsets, 1);
}

/* Byte 8k of each word, as doubles. */
WIDE static INLINE __m256d byteOf(__m128i words, int k) {
    return _mm256_cvtepi32_pd(_mm_and_si128(_mm_srli_epi32(words, 8 * k), _mm_set1_epi32(255)));
}

WIDE static INLINE __m256d mix(__m256d a, __m256d b, __m256d f) {
    const __m256d one = _mm256_set1_pd(1.0);
    return _mm256_add_pd(_mm256_mul_pd(a, _mm256_sub_pd(one, f)), _mm256_mul_pd(b, f));
}

WIDE static INLINE __m128i levelOf(__m256d top, __m256d under, __m256d fy, __m256d outside,
                                   __m256d fill) {
    const __m256d v = _mm256_add_pd(mix(top, under, fy), _mm256_set1_pd(0.5));
    return _mm256_cvttpd_epi32(_mm256_blendv_pd(v, fill, outside));
}

/* The bytes at four offsets into source and the bytes after them, as
 * 32-bit lanes, picked out of the 16 bytes from the first offset and the
 * 16 bytes up to the last one's neighbour; 0 when some offset lies in
 * neither. */
WIDE static INLINE int nearBytes(const uint8_t* source, __m128i offsets, __m128i* at,
                                 __m128i* next) {
    const int first = _mm_cvtsi128_si32(offsets);
    int last = _mm_extract_epi32(offsets, 3) - 14;
    last = last < 0 ? 0 : last;
    const __m128i span = _mm_set1_epi32(14);
    const __m128i fromFirst = _mm_sub_epi32(offsets, _mm_set1_epi32(first));
    const __m128i fromLast = _mm_sub_epi32(offsets, _mm_set1_epi32(last));
    const __m128i nearFirst = _mm_cmpeq_epi32(_mm_min_epu32(fromFirst, span), fromFirst);
    const __m128i nearLast = _mm_cmpeq_epi32(_mm_min_epu32(fromLast, span), fromLast);
    if (_mm_movemask_ps(_mm_castsi128_ps(_mm_or_si128(nearFirst, nearLast))) != 15)
        return 0;
    const __m128i lowBytes =
        _mm_setr_epi8(0, 4, 8, 12, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i one = _mm_set1_epi8(1);
    const __m128i fromA = _mm_loadu_si128((const __m128i*)(source + first));
    const __m128i fromB = _mm_loadu_si128((const __m128i*)(source + last));
    const __m128i indexA = _mm_shuffle_epi8(fromFirst, lowBytes);
    const __m128i indexB = _mm_shuffle_epi8(fromLast, lowBytes);
    const __m128i choose = _mm_shuffle_epi8(nearFirst, lowBytes);
    *at = _mm_cvtepu8_epi32(
        _mm_blendv_epi8(_mm_shuffle_epi8(fromB, indexB), _mm_shuffle_epi8(fromA, indexA), choose));
    *next = _mm_cvtepu8_epi32(_mm_blendv_epi8(_mm_shuffle_epi8(fromB, _mm_add_epi8(indexB, one)),
                                              _mm_shuffle_epi8(fromA, _mm_add_epi8(indexA, one)),
                                              choose));
    return 1;
}

/* The coordinates v, those of outside lanes moved to the nearest of 0 and
 * last - 0.5 (the picture's last row or column), where the pixels are
 * computed and then replaced by the fill: the rows read there are rows the
 * pixels inside read too, or would (the source may hold only the rows a
 * rotated row reads; KRotate.c). */
WIDE static INLINE __m256d nearestInside(__m256d v, __m256d outside, __m256d last) {
    const __m256d half = _mm256_set1_pd(0.5);
    const __m256d near =
        _mm256_min_pd(_mm256_max_pd(v, _mm256_setzero_pd()), _mm256_sub_pd(last, half));
    return _mm256_blendv_pd(v, near, outside);
}

/* Four pixels at source positions sx, sy: grey levels, or blue, green and
 * red in bytes 0-2 of each lane. Outside pixels are computed at the
 * nearest position inside (nearestInside) and replaced by the fill. */
WIDE static INLINE __m128i fourPixels(const Four* f, __m256d sx, __m256d sy, const int bytes) {
    const __m256d lowest = _mm256_set1_pd(-0.5);
    const __m256d outside = _mm256_or_pd(
        _mm256_or_pd(_mm256_cmp_pd(sx, lowest, _CMP_LT_OQ), _mm256_cmp_pd(sy, lowest, _CMP_LT_OQ)),
        _mm256_or_pd(_mm256_cmp_pd(sx, f->Right, _CMP_GT_OQ),
                     _mm256_cmp_pd(sy, f->Bottom, _CMP_GT_OQ)));
    const __m256d px = nearestInside(sx, outside, f->Right),
                  py = nearestInside(sy, outside, f->Bottom);
    const __m256d fx0 = _mm256_floor_pd(px), fy0 = _mm256_floor_pd(py);
    const __m256d fx = _mm256_sub_pd(px, fx0), fy = _mm256_sub_pd(py, fy0);
    const __m128i x0 = _mm256_cvttpd_epi32(fx0), y0 = _mm256_cvttpd_epi32(fy0);
    const __m128i zero = _mm_setzero_si128(), next = _mm_set1_epi32(1);
    const __m128i xa = _mm_max_epi32(x0, zero);
    const __m128i xb = _mm_min_epi32(_mm_add_epi32(x0, next), f->LastX);
    __m128i ya = _mm_max_epi32(y0, zero);
    __m128i yb = _mm_min_epi32(_mm_add_epi32(y0, next), f->LastY);
    if (f->BottomUp) {
        ya = _mm_sub_epi32(f->LastY, ya);
        yb = _mm_sub_epi32(f->LastY, yb);
    }
    const __m128i rowA = _mm_mullo_epi32(ya, f->Stride), rowB = _mm_mullo_epi32(yb, f->Stride);
    if (bytes == 1) {
        /* The right-hand pixel is the next byte, or the left one again at
         * the picture's edges. */
        const __m128i same = _mm_cmpeq_epi32(xa, xb), low = _mm_set1_epi32(255);
        const __m128i offA = _mm_add_epi32(rowA, xa), offB = _mm_add_epi32(rowB, xa);
        __m128i a0, a1, b0, b1;
        if (!nearBytes(f->Source, offA, &a0, &a1) || !nearBytes(f->Source, offB, &b0, &b1)) {
            const __m128i a = wordsAt(f->Source, offA), b = wordsAt(f->Source, offB);
            a0 = _mm_and_si128(a, low), b0 = _mm_and_si128(b, low);
            a1 = _mm_and_si128(_mm_srli_epi32(a, 8), low);
            b1 = _mm_and_si128(_mm_srli_epi32(b, 8), low);
        }
        a1 = _mm_blendv_epi8(a1, a0, same);
        b1 = _mm_blendv_epi8(b1, b0, same);
        const __m256d top = mix(_mm256_cvtepi32_pd(a0), _mm256_cvtepi32_pd(a1), fx);
        const __m256d under = mix(_mm256_cvtepi32_pd(b0), _mm256_cvtepi32_pd(b1), fx);
        return levelOf(top, under, fy, outside, f->Fill[0]);
    }
    const __m128i three = _mm_set1_epi32(3);
    const __m128i colA = _mm_mullo_epi32(xa, three), colB = _mm_mullo_epi32(xb, three);
    const __m128i aa = wordsAt(f->Source, _mm_add_epi32(rowA, colA));
    const __m128i ab = wordsAt(f->Source, _mm_add_epi32(rowA, colB));
    const __m128i ba = wordsAt(f->Source, _mm_add_epi32(rowB, colA));
    const __m128i bb = wordsAt(f->Source, _mm_add_epi32(rowB, colB));
    __m128i pixels = _mm_setzero_si128();
    for (int k = 0; k < 3; ++k) {
        const __m256d top = mix(byteOf(aa, k), byteOf(ab, k), fx);
        const __m256d under = mix(byteOf(ba, k), byteOf(bb, k), fx);
        const __m128i level = levelOf(top, under, fy, outside, f->Fill[k]);
        pixels = _mm_or_si128(pixels, _mm_slli_epi32(level, 8 * k));
    }
    return pixels;
}

/* The next four positions, each the one before plus step. */
WIDE static INLINE __m256d fourSteps(double* at, double step) {
    const double p0 = *at, p1 = p0 + step, p2 = p1 + step, p3 = p2 + step;
    *at = p3 + step;
    return _mm256_setr_pd(p0, p1, p2, p3);
}

/* The next four positions, at once where they are exact sums. */
WIDE static INLINE __m256d fourAhead(KStepRun* run, double* at) {
    double delta;
    if (!KStepsAhead(run, *at, 4, &delta))
        return fourSteps(at, run->Step);
    const __m256d lanes = _mm256_add_pd(
        _mm256_set1_pd(*at), _mm256_mul_pd(_mm256_setr_pd(0, 1, 2, 3), _mm256_set1_pd(delta)));
    *at += 4 * delta;
    return lanes;
}

/* Eight grey pixels at source positions (sx0, sx1), (sy0, sy1), lanes 0-3
 * and 4-7: the index arithmetic in eight 32-bit lanes at once, and where
 * every pixel's lower row lies the same distance on (the usual case) the
 * bytes of both rows picked out of loads at the same byte indices, worked
 * out once. The doubles are those of fourPixels, four lanes at a time. */
WIDE static INLINE __m128i eightGrey(const Four* f, __m256d sx0, __m256d sx1, __m256d sy0,
                                     __m256d sy1, const int edges) {
    /* Outside pixels (only where the positions reach past the edges) are
     * computed at the nearest position inside and replaced by the fill. */
    __m256d out0 = _mm256_setzero_pd(), out1 = out0;
    __m256d px0 = sx0, py0 = sy0, px1 = sx1, py1 = sy1;
    if (edges) {
        const __m256d lowest = _mm256_set1_pd(-0.5);
        out0 = _mm256_or_pd(_mm256_or_pd(_mm256_cmp_pd(sx0, lowest, _CMP_LT_OQ),
                                         _mm256_cmp_pd(sy0, lowest, _CMP_LT_OQ)),
                            _mm256_or_pd(_mm256_cmp_pd(sx0, f->Right, _CMP_GT_OQ),
                                         _mm256_cmp_pd(sy0, f->Bottom, _CMP_GT_OQ)));
        out1 = _mm256_or_pd(_mm256_or_pd(_mm256_cmp_pd(sx1, lowest, _CMP_LT_OQ),
                                         _mm256_cmp_pd(sy1, lowest, _CMP_LT_OQ)),
                            _mm256_or_pd(_mm256_cmp_pd(sx1, f->Right, _CMP_GT_OQ),
                                         _mm256_cmp_pd(sy1, f->Bottom, _CMP_GT_OQ)));
        px0 = nearestInside(sx0, out0, f->Right), py0 = nearestInside(sy0, out0, f->Bottom);
        px1 = nearestInside(sx1, out1, f->Right), py1 = nearestInside(sy1, out1, f->Bottom);
    }
    /* Inside the picture the positions are not negative: truncation is
     * their floor, and the indices need not wait for the rounding. */
    const __m128i ix0 = _mm256_cvttpd_epi32(edges ? _mm256_floor_pd(px0) : px0);
    const __m128i iy0 = _mm256_cvttpd_epi32(edges ? _mm256_floor_pd(py0) : py0);
    const __m128i ix1 = _mm256_cvttpd_epi32(edges ? _mm256_floor_pd(px1) : px1);
    const __m128i iy1 = _mm256_cvttpd_epi32(edges ? _mm256_floor_pd(py1) : py1);
    const __m256d fx00 = edges ? _mm256_floor_pd(px0) : _mm256_cvtepi32_pd(ix0);
    const __m256d fy00 = edges ? _mm256_floor_pd(py0) : _mm256_cvtepi32_pd(iy0);
    const __m256d fx01 = edges ? _mm256_floor_pd(px1) : _mm256_cvtepi32_pd(ix1);
    const __m256d fy01 = edges ? _mm256_floor_pd(py1) : _mm256_cvtepi32_pd(iy1);
    const __m256i x0 = _mm256_set_m128i(ix1, ix0), y0 = _mm256_set_m128i(iy1, iy0);
    const __m256i zero = _mm256_setzero_si256(), next = _mm256_set1_epi32(1);
    const __m256i lastY = _mm256_set_m128i(f->LastY, f->LastY);
    const __m256i stride = _mm256_set_m128i(f->Stride, f->Stride);
    /* Inside the picture by a pixel's width (no edges) the pixels right of
     * and below need no clamping, and the lower row lies one row on. */
    __m256i xa = x0, ya = y0, yb = _mm256_add_epi32(y0, next), same = zero;
    if (edges) {
        const __m256i lastX = _mm256_set_m128i(f->LastX, f->LastX);
        xa = _mm256_max_epi32(x0, zero);
        const __m256i xb = _mm256_min_epi32(_mm256_add_epi32(x0, next), lastX);
        ya = _mm256_max_epi32(y0, zero);
        yb = _mm256_min_epi32(yb, lastY);
        /* The right-hand pixel is the next byte, or the left one again at
         * the picture's edges. */
        same = _mm256_cmpeq_epi32(xa, xb);
    }
    if (f->BottomUp) {
        ya = _mm256_sub_epi32(lastY, ya);
        yb = _mm256_sub_epi32(lastY, yb);
    }
    const __m256i offA = _mm256_add_epi32(_mm256_mullo_epi32(ya, stride), xa);
    const int first = _mm256_cvtsi256_si32(offA);
    int apart = f->BottomUp ? -_mm_cvtsi128_si32(f->Stride) : _mm_cvtsi128_si32(f->Stride);
    __m256i offB = _mm256_add_epi32(offA, _mm256_set1_epi32(apart));
    __m256i alike = _mm256_cmpeq_epi32(zero, zero);
    if (edges) {
        offB = _mm256_add_epi32(_mm256_mullo_epi32(yb, stride), xa);
        apart = _mm256_cvtsi256_si32(offB) - first;
        alike = _mm256_cmpeq_epi32(offB, _mm256_add_epi32(offA, _mm256_set1_epi32(apart)));
    }
    __m256i a0, a1, b0, b1;
    int last = _mm256_extract_epi32(offA, 7) - 14;
    last = last < 0 ? 0 : last;
    const __m256i span = _mm256_set1_epi32(14);
    const __m256i fromFirst = _mm256_sub_epi32(offA, _mm256_set1_epi32(first));
    const __m256i fromLast = _mm256_sub_epi32(offA, _mm256_set1_epi32(last));
    const __m256i nearFirst = _mm256_cmpeq_epi32(_mm256_min_epu32(fromFirst, span), fromFirst);
    const __m256i nearLast = _mm256_cmpeq_epi32(_mm256_min_epu32(fromLast, span), fromLast);
    const __m256i ok = _mm256_and_si256(alike, _mm256_or_si256(nearFirst, nearLast));
    if (_mm256_movemask_ps(_mm256_castsi256_ps(ok)) == 0xFF && last + apart >= 0) {
        /* Lanes to bytes: indices of at most 14 where they are chosen. */
        const __m128i indexA =
            _mm_packus_epi16(_mm_packus_epi32(_mm256_castsi256_si128(fromFirst),
                                              _mm256_extracti128_si256(fromFirst, 1)),
                             _mm_setzero_si128());
        const __m128i indexB =
            _mm_packus_epi16(_mm_packus_epi32(_mm256_castsi256_si128(fromLast),
                                              _mm256_extracti128_si256(fromLast, 1)),
                             _mm_setzero_si128());
        const __m128i choose =
            _mm_packs_epi16(_mm_packs_epi32(_mm256_castsi256_si128(nearFirst),
                                            _mm256_extracti128_si256(nearFirst, 1)),
                            _mm_setzero_si128());
        const __m128i one = _mm_set1_epi8(1);
        const __m128i nextA = _mm_add_epi8(indexA, one), nextB = _mm_add_epi8(indexB, one);
        const uint8_t* row = f->Source;
        __m256i* picked[4] = {&a0, &a1, &b0, &b1};
        for (int k = 0; k < 4; k += 2, row += apart) {
            const __m128i fromA = _mm_loadu_si128((const __m128i*)(row + first));
            const __m128i fromB = _mm_loadu_si128((const __m128i*)(row + last));
            *picked[k] = _mm256_cvtepu8_epi32(_mm_blendv_epi8(
                _mm_shuffle_epi8(fromB, indexB), _mm_shuffle_epi8(fromA, indexA), choose));
            *picked[k + 1] = _mm256_cvtepu8_epi32(_mm_blendv_epi8(
                _mm_shuffle_epi8(fromB, nextB), _mm_shuffle_epi8(fromA, nextA), choose));
        }
    } else {
        const __m256i low = _mm256_set1_epi32(255);
        const __m256i a = _mm256_i32gather_epi32((const int*)f->Source, offA, 1);
        const __m256i b = _mm256_i32gather_epi32((const int*)f->Source, offB, 1);
        a0 = _mm256_and_si256(a, low), b0 = _mm256_and_si256(b, low);
        a1 = _mm256_and_si256(_mm256_srli_epi32(a, 8), low);
        b1 = _mm256_and_si256(_mm256_srli_epi32(b, 8), low);
    }
    if (edges) {
        a1 = _mm256_blendv_epi8(a1, a0, same);
        b1 = _mm256_blendv_epi8(b1, b0, same);
    }
    const __m256d fx0 = _mm256_sub_pd(px0, fx00), fy0 = _mm256_sub_pd(py0, fy00);
    const __m256d fx1 = _mm256_sub_pd(px1, fx01), fy1 = _mm256_sub_pd(py1, fy01);
    __m256i levels;
    if (!edges &&
        singleLevels(a0, a1, b0, b1, _mm256_set_m128(_mm256_cvtpd_ps(fx1), _mm256_cvtpd_ps(fx0)),
                     _mm256_set_m128(_mm256_cvtpd_ps(fy1), _mm256_cvtpd_ps(fy0)), &levels))
        return _mm_packus_epi32(_mm256_castsi256_si128(levels),
                                _mm256_extracti128_si256(levels, 1));
#define LANES(v, half)                                                                             \
    _mm256_cvtepi32_pd(half ? _mm256_extracti128_si256(v, 1) : _mm256_castsi256_si128(v))
    const __m256d top0 = mix(LANES(a0, 0), LANES(a1, 0), fx0);
    const __m256d under0 = mix(LANES(b0, 0), LANES(b1, 0), fx0);
    const __m256d top1 = mix(LANES(a0, 1), LANES(a1, 1), fx1);
    const __m256d under1 = mix(LANES(b0, 1), LANES(b1, 1), fx1);
    const __m256d half = _mm256_set1_pd(0.5);
    const __m128i level0 = edges ? levelOf(top0, under0, fy0, out0, f->Fill[0])
                                 : _mm256_cvttpd_epi32(_mm256_add_pd(mix(top0, under0, fy0), half));
    const __m128i level1 = edges ? levelOf(top1, under1, fy1, out1, f->Fill[0])
                                 : _mm256_cvttpd_epi32(_mm256_add_pd(mix(top1, under1, fy1), half));
#undef LANES
    return _mm_packus_epi32(level0, level1);
}

/* Whole pixels (truncated, the floor of positions not negative) of the
 * eight positions lanes 0-3 and 4-7, and the fractions left as singles. */
WIDE static INLINE __m256i wholeAndPart(__m256d p0, __m256d p1, __m256* part) {
    const __m128i i0 = _mm256_cvttpd_epi32(p0), i1 = _mm256_cvttpd_epi32(p1);
    *part = _mm256_set_m128(_mm256_cvtpd_ps(_mm256_sub_pd(p1, _mm256_cvtepi32_pd(i1))),
                            _mm256_cvtpd_ps(_mm256_sub_pd(p0, _mm256_cvtepi32_pd(i0))));
    return _mm256_set_m128i(i1, i0);
}

/* Sixteen 32-bit lanes (lanes 0-7 of low, then of high) as bytes. */
WIDE static INLINE __m128i bytesOf16(__m256i low, __m256i high) {
    return _mm_packus_epi16(
        _mm_packus_epi32(_mm256_castsi256_si128(low), _mm256_extracti128_si256(low, 1)),
        _mm_packus_epi32(_mm256_castsi256_si128(high), _mm256_extracti128_si256(high, 1)));
}

/* Sixteen grey pixels a pixel inside the picture on every side, at source
 * positions sx[k], sy[k] (lanes 4k to 4k + 3), stored at out: as eightGrey
 * twice, the bytes of both rows picked out of loads at the first pixel and
 * up to the last one's neighbour, their indices worked out once for all
 * sixteen. Returns which eights (bit 0 the first, bit 1 the second) are
 * left for eightGrey to redo: all where some pixel lies near neither, an
 * eight whose single sums lie too near a half. Those ways out are rare at
 * a deskew's angles and are taken after the loop over the stretch: inside
 * it, as calls or inlined, they had the loop keep its positions and whole
 * pixels in memory and store its vector registers every step. */
WIDE static INLINE int sixteenGrey(const Four* f, const __m256d sx[4], const __m256d sy[4],
                                   uint8_t* out) {
    __m256 fx[2], fy[2];
    const __m256i x0 = wholeAndPart(sx[0], sx[1], &fx[0]), x1 = wholeAndPart(sx[2], sx[3], &fx[1]);
    __m256i y0 = wholeAndPart(sy[0], sy[1], &fy[0]), y1 = wholeAndPart(sy[2], sy[3], &fy[1]);
    const __m256i stride = _mm256_set_m128i(f->Stride, f->Stride);
    int apart = _mm_cvtsi128_si32(f->Stride);
    if (f->BottomUp) {
        const __m256i lastY = _mm256_set_m128i(f->LastY, f->LastY);
        y0 = _mm256_sub_epi32(lastY, y0), y1 = _mm256_sub_epi32(lastY, y1);
        apart = -apart;
    }
    const __m256i off0 = _mm256_add_epi32(_mm256_mullo_epi32(y0, stride), x0);
    const __m256i off1 = _mm256_add_epi32(_mm256_mullo_epi32(y1, stride), x1);
    const int first = _mm256_cvtsi256_si32(off0);
    int last = _mm256_extract_epi32(off1, 7) - 14;
    last = last < 0 ? 0 : last;
    const __m256i span = _mm256_set1_epi32(14), atFirst = _mm256_set1_epi32(first);
    const __m256i atLast = _mm256_set1_epi32(last);
    const __m256i first0 = _mm256_sub_epi32(off0, atFirst),
                  first1 = _mm256_sub_epi32(off1, atFirst);
    const __m256i last0 = _mm256_sub_epi32(off0, atLast), last1 = _mm256_sub_epi32(off1, atLast);
    const __m256i near0 = _mm256_cmpeq_epi32(_mm256_min_epu32(first0, span), first0);
    const __m256i near1 = _mm256_cmpeq_epi32(_mm256_min_epu32(first1, span), first1);
    const __m256i ok0 =
        _mm256_or_si256(near0, _mm256_cmpeq_epi32(_mm256_min_epu32(last0, span), last0));
    const __m256i ok1 =
        _mm256_or_si256(near1, _mm256_cmpeq_epi32(_mm256_min_epu32(last1, span), last1));
    if (_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_and_si256(ok0, ok1))) != 0xFF ||
        last + apart < 0) {
        return 3;
    }
    /* Indices of at most 14 where they are chosen. */
    const __m128i indexA = bytesOf16(first0, first1), indexB = bytesOf16(last0, last1);
    const __m128i choose = _mm_packs_epi16(
        _mm_packs_epi32(_mm256_castsi256_si128(near0), _mm256_extracti128_si256(near0, 1)),
        _mm_packs_epi32(_mm256_castsi256_si128(near1), _mm256_extracti128_si256(near1, 1)));
    const __m128i one = _mm_set1_epi8(1);
    const __m128i nextA = _mm_add_epi8(indexA, one), nextB = _mm_add_epi8(indexB, one);
    __m256i v[4][2]; /* the pixel, right of it, below, below right; lanes 0-7, 8-15 */
    const uint8_t* row = f->Source;
    for (int k = 0; k < 4; k += 2, row += apart) {
        const __m128i fromA = _mm_loadu_si128((const __m128i*)(row + first));
        const __m128i fromB = _mm_loadu_si128((const __m128i*)(row + last));
        const __m128i at = _mm_blendv_epi8(_mm_shuffle_epi8(fromB, indexB),
                                           _mm_shuffle_epi8(fromA, indexA), choose);
        const __m128i next =
            _mm_blendv_epi8(_mm_shuffle_epi8(fromB, nextB), _mm_shuffle_epi8(fromA, nextA), choose);
        v[k][0] = _mm256_cvtepu8_epi32(at), v[k][1] = _mm256_cvtepu8_epi32(_mm_srli_si128(at, 8));
        v[k + 1][0] = _mm256_cvtepu8_epi32(next);
        v[k + 1][1] = _mm256_cvtepu8_epi32(_mm_srli_si128(next, 8));
    }
    __m256i levels[2];
    int redo = 0;
    for (int h = 0; h < 2; ++h)
        if (!singleLevels(v[0][h], v[1][h], v[2][h], v[3][h], fx[h], fy[h], &levels[h]))
            redo |= 1 << h;
    _mm_storeu_si128((__m128i*)out, bytesOf16(levels[0], levels[1]));
    return redo;
}

/* The next eight positions as lanes 0-3 and 4-7, at once where they are
 * exact sums. */
WIDE static INLINE void eightAheadAvx2(KStepRun* run, double* at, __m256d* low, __m256d* high) {
    double delta;
    if (!KStepsAhead(run, *at, 8, &delta)) {
        *low = fourSteps(at, run->Step);
        *high = fourSteps(at, run->Step);
        return;
    }
    const __m256d base = _mm256_set1_pd(*at), d = _mm256_set1_pd(delta);
    *low = _mm256_add_pd(base, _mm256_mul_pd(_mm256_setr_pd(0, 1, 2, 3), d));
    *high = _mm256_add_pd(base, _mm256_mul_pd(_mm256_setr_pd(4, 5, 6, 7), d));
    *at += 8 * delta;
}

/* Lanes 0-3 and 4-7 of at + k * delta. */
WIDE static INLINE void stretchLanes(double at, double delta, __m256d* low, __m256d* high) {
    const __m256d base = _mm256_set1_pd(at), d = _mm256_set1_pd(delta);
    *low = _mm256_add_pd(base, _mm256_mul_pd(_mm256_setr_pd(0, 1, 2, 3), d));
    *high = _mm256_add_pd(base, _mm256_mul_pd(_mm256_setr_pd(4, 5, 6, 7), d));
}

/* Eight colour pixels at source positions (sx0, sx1), (sy0, sy1) four at a
 * time by fourPixels, where eightColourInside cannot take them. */
WIDE static INLINE void eightColourApart(const Four* f, __m256d sx0, __m256d sx1, __m256d sy0,
                                         __m256d sy1, uint8_t* out) {
    const __m128i pack = _mm_loadu_si128((const __m128i*)packThree);
    for (int h = 0; h < 2; ++h) {
        const __m128i packed =
            _mm_shuffle_epi8(fourPixels(f, h ? sx1 : sx0, h ? sy1 : sy0, 3), pack);
        _mm_storel_epi64((__m128i*)(out + 12 * h), packed);
        const int32_t last = _mm_extract_epi32(packed, 2);
        memcpy(out + 12 * h + 8, &last, 4);
    }
}

/* Eight colour pixels a pixel inside the picture at source positions
 * (sx0, sx1), (sy0, sy1), lanes 0-3 and 4-7, stored at out by
 * eightColour, whose answer it returns. */
WIDE static INLINE int eightColourInside(const Four* f, __m256d sx0, __m256d sx1, __m256d sy0,
                                         __m256d sy1, uint8_t* out, const int doubles) {
    /* Not negative: truncation is the floor (as in eightGrey). */
    const __m128i ix0 = _mm256_cvttpd_epi32(sx0), iy0 = _mm256_cvttpd_epi32(sy0);
    const __m128i ix1 = _mm256_cvttpd_epi32(sx1), iy1 = _mm256_cvttpd_epi32(sy1);
    const __m256d fx00 = _mm256_cvtepi32_pd(ix0), fy00 = _mm256_cvtepi32_pd(iy0);
    const __m256d fx01 = _mm256_cvtepi32_pd(ix1), fy01 = _mm256_cvtepi32_pd(iy1);
    const __m256i x0 = _mm256_set_m128i(ix1, ix0);
    __m256i y0 = _mm256_set_m128i(iy1, iy0);
    const int stride = _mm_cvtsi128_si32(f->Stride);
    if (f->BottomUp)
        y0 = _mm256_sub_epi32(_mm256_set_m128i(f->LastY, f->LastY), y0);
    const __m256i offsets = _mm256_add_epi32(_mm256_mullo_epi32(y0, _mm256_set1_epi32(stride)),
                                             _mm256_add_epi32(x0, _mm256_add_epi32(x0, x0)));
    const __m256d fx[2] = {_mm256_sub_pd(sx0, fx00), _mm256_sub_pd(sx1, fx01)};
    const __m256d fy[2] = {_mm256_sub_pd(sy0, fy00), _mm256_sub_pd(sy1, fy01)};
    return eightColour(f->Source, offsets, f->BottomUp ? -stride : stride, fx, fy, out, doubles);
}

/* Four colour pixels at source positions px, py, stored at out. */
WIDE static INLINE void fourColour(const Four* f, __m256d px, __m256d py, __m128i pack,
                                   uint8_t* out) {
    const __m128i packed = _mm_shuffle_epi8(fourPixels(f, px, py, 3), pack);
    _mm_storel_epi64((__m128i*)out, packed);
    const int32_t last = _mm_extract_epi32(packed, 2);
    memcpy(out + 8, &last, 4);
}

WIDE static INLINE int bilinearFour(KBilinearRow* row, uint8_t* out, const int bytes,
                                    KInsideColour wide) {
    const int w = row->Width, h = row->Height;
    Four f = {
        row->Source,
        row->BottomUp,
        _mm256_set1_pd(w - 0.5),
        _mm256_set1_pd(h - 0.5),
        _mm_set1_epi32(w - 1),
        _mm_set1_epi32(h - 1),
        _mm_set1_epi32(row->BytesPerLine),
        {_mm256_set1_pd(row->Fill[0]), _mm256_set1_pd(row->Fill[1]), _mm256_set1_pd(row->Fill[2])}};
    KStepRun runX = KStepRunOf(row->Cos), runY = KStepRunOf(-row->Sin);
    const KAhead ahead = KAheadOf(row);
    double sx = row->Sx, sy = row->Sy;
    const __m128i pack = _mm_loadu_si128((const __m128i*)packThree);
    int x = 0;
    if (bytes == 1) {
        while (x + 8 <= w) {
            const int count = w - x >= STRETCH ? STRETCH : (w - x) / 8 * 8;
            double dx, dy;
            if (count >= 16 && KStepsAhead(&runX, sx, count, &dx) &&
                KStepsAhead(&runY, sy, count, &dy)) {
                /* Exact sums all along: the lanes step by eight deltas, and
                 * where both ends lie a pixel inside the picture (the
                 * positions are monotonic) no pixel of the stretch reaches
                 * an edge. */
                const double ex = sx + (count - 1) * dx, ey = sy + (count - 1) * dy;
                const int inside = (sx < ex ? sx : ex) >= 0 && (sx < ex ? ex : sx) < w - 1 &&
                                   (sy < ey ? sy : ey) >= 0 && (sy < ey ? ey : sy) < h - 1;
                __m256d sx0, sx1, sy0, sy1;
                stretchLanes(sx, dx, &sx0, &sx1);
                stretchLanes(sy, dy, &sy0, &sy1);
                const __m256d stepX = _mm256_set1_pd(8 * dx), stepY = _mm256_set1_pd(8 * dy);
                const int end = x + count;
                if (inside) {
                    /* Sixteen pixels a step: lanes 8-15 eight deltas on,
                     * each sum exact as the lanes' own. */
                    __m256d px[4] = {sx0, sx1, _mm256_add_pd(sx0, stepX),
                                     _mm256_add_pd(sx1, stepX)};
                    __m256d py[4] = {sy0, sy1, _mm256_add_pd(sy0, stepY),
                                     _mm256_add_pd(sy1, stepY)};
                    const __m256d twiceX = _mm256_set1_pd(16 * dx);
                    const __m256d twiceY = _mm256_set1_pd(16 * dy);
                    const int start = x;
                    unsigned redo[STRETCH / 16];
                    int redone = 0;
                    for (; x + 16 <= end; x += 16) {
                        KFetchAhead(&ahead, _mm256_cvtsd_f64(px[0]), _mm256_cvtsd_f64(py[0]));
                        const int eights = sixteenGrey(&f, px, py, out + x);
                        redo[redone] = (unsigned)x | (unsigned)eights << 30;
                        redone += eights != 0;
                        for (int k = 0; k < 4; ++k)
                            px[k] = _mm256_add_pd(px[k], twiceX),
                            py[k] = _mm256_add_pd(py[k], twiceY);
                    }
                    sx0 = px[0], sx1 = px[1], sy0 = py[0], sy1 = py[1];
                    /* The eights left, from their positions: exact sums
                     * too, the same as the lanes stepped to. */
                    for (int k = 0; k < redone; ++k)
                        for (int e = 0; e < 2; ++e) {
                            const int at = (int)(redo[k] & 0x3FFFFFFFu) + 8 * e;
                            if (!(redo[k] >> (30 + e) & 1))
                                continue;
                            __m256d qx0, qx1, qy0, qy1;
                            stretchLanes(sx + (at - start) * dx, dx, &qx0, &qx1);
                            stretchLanes(sy + (at - start) * dy, dy, &qy0, &qy1);
                            const __m128i words = eightGrey(&f, qx0, qx1, qy0, qy1, 0);
                            _mm_storel_epi64((__m128i*)(out + at), _mm_packus_epi16(words, words));
                        }
                }
                for (; x < end; x += 8) {
                    KFetchAhead(&ahead, _mm256_cvtsd_f64(sx0), _mm256_cvtsd_f64(sy0));
                    const __m128i words = inside ? eightGrey(&f, sx0, sx1, sy0, sy1, 0)
                                                 : eightGrey(&f, sx0, sx1, sy0, sy1, 1);
                    _mm_storel_epi64((__m128i*)(out + x), _mm_packus_epi16(words, words));
                    sx0 = _mm256_add_pd(sx0, stepX), sx1 = _mm256_add_pd(sx1, stepX);
                    sy0 = _mm256_add_pd(sy0, stepY), sy1 = _mm256_add_pd(sy1, stepY);
                }
                sx += count * dx, sy += count * dy;
                continue;
            }
            __m256d sx0, sx1, sy0, sy1;
            KFetchAhead(&ahead, sx, sy);
            eightAheadAvx2(&runX, &sx, &sx0, &sx1);
            eightAheadAvx2(&runY, &sy, &sy0, &sy1);
            const __m128i words = eightGrey(&f, sx0, sx1, sy0, sy1, 1);
            _mm_storel_epi64((__m128i*)(out + x), _mm_packus_epi16(words, words));
            x += 8;
        }
    } else {
        while (x + 8 <= w) {
            const int count = w - x >= STRETCH ? STRETCH : (w - x) / 8 * 8;
            double dx, dy;
            if (count >= 16 && KStepsAhead(&runX, sx, count, &dx) &&
                KStepsAhead(&runY, sy, count, &dy)) {
                /* As for grey pixels above. */
                const double ex = sx + (count - 1) * dx, ey = sy + (count - 1) * dy;
                const int inside = (sx < ex ? sx : ex) >= 0 && (sx < ex ? ex : sx) < w - 1 &&
                                   (sy < ey ? sy : ey) >= 0 && (sy < ey ? ey : sy) < h - 1;
                /* A wider level's loop takes what it can of a stretch
                 * inside the picture; its positions there are exact sums
                 * too, and so are those from where it stops. */
                const int done =
                    inside && wide ? wide(row, &ahead, sx, dx, sy, dy, count, out + 3 * x) : 0;
                __m256d sx0, sx1, sy0, sy1;
                stretchLanes(sx + done * dx, dx, &sx0, &sx1);
                stretchLanes(sy + done * dy, dy, &sy0, &sy1);
                const __m256d stepX = _mm256_set1_pd(8 * dx), stepY = _mm256_set1_pd(8 * dy);
                const int end = x + count;
                const int start = x;
                if (inside) {
                    /* The eights eightColour leaves are taken after the
                     * loop (as sixteenGrey's), from their positions. */
                    unsigned redo[STRETCH / 8];
                    int redone = 0;
                    for (x += done; x < end; x += 8) {
                        KFetchAhead(&ahead, _mm256_cvtsd_f64(sx0), _mm256_cvtsd_f64(sy0));
                        const int way = eightColourInside(&f, sx0, sx1, sy0, sy1, out + 3 * x, 0);
                        redo[redone] = (unsigned)x | (unsigned)(way < 0) << 31;
                        redone += way != 1;
                        sx0 = _mm256_add_pd(sx0, stepX), sx1 = _mm256_add_pd(sx1, stepX);
                        sy0 = _mm256_add_pd(sy0, stepY), sy1 = _mm256_add_pd(sy1, stepY);
                    }
                    for (int k = 0; k < redone; ++k) {
                        const int at = (int)(redo[k] & 0x7FFFFFFFu);
                        __m256d qx0, qx1, qy0, qy1;
                        stretchLanes(sx + (at - start) * dx, dx, &qx0, &qx1);
                        stretchLanes(sy + (at - start) * dy, dy, &qy0, &qy1);
                        if (!(redo[k] >> 31) ||
                            !eightColourInside(&f, qx0, qx1, qy0, qy1, out + 3 * at, 1))
                            eightColourApart(&f, qx0, qx1, qy0, qy1, out + 3 * at);
                    }
                } else {
                    for (x += done; x < end; x += 8) {
                        KFetchAhead(&ahead, _mm256_cvtsd_f64(sx0), _mm256_cvtsd_f64(sy0));
                        fourColour(&f, sx0, sy0, pack, out + 3 * x);
                        fourColour(&f, sx1, sy1, pack, out + 3 * x + 12);
                        sx0 = _mm256_add_pd(sx0, stepX), sx1 = _mm256_add_pd(sx1, stepX);
                        sy0 = _mm256_add_pd(sy0, stepY), sy1 = _mm256_add_pd(sy1, stepY);
                    }
                }
                sx += count * dx, sy += count * dy;
                continue;
            }
            __m256d sx0, sx1, sy0, sy1;
            KFetchAhead(&ahead, sx, sy);
            eightAheadAvx2(&runX, &sx, &sx0, &sx1);
            eightAheadAvx2(&runY, &sy, &sy0, &sy1);
            fourColour(&f, sx0, sy0, pack, out + 3 * x);
            fourColour(&f, sx1, sy1, pack, out + 3 * x + 12);
            x += 8;
        }
        for (; x + 4 <= w; x += 4) {
            const __m256d px = fourAhead(&runX, &sx), py = fourAhead(&runY, &sy);
            const __m128i packed = _mm_shuffle_epi8(fourPixels(&f, px, py, 3), pack);
            _mm_storel_epi64((__m128i*)(out + 3 * x), packed);
            const int32_t last = _mm_extract_epi32(packed, 2);
            memcpy(out + 3 * x + 8, &last, 4);
        }
    }
    row->Sx = sx, row->Sy = sy;
    return x;
}

WIDE int KBilinearAvx2(KBilinearRow* row, uint8_t* out) {
    return row->Bytes == 1 ? bilinearFour(row, out, 1, 0) : bilinearFour(row, out, 3, 0);
}

WIDE int KColourAvx2(KBilinearRow* row, uint8_t* out, KInsideColour wide) {
    return bilinearFour(row, out, 3, wide);
}
