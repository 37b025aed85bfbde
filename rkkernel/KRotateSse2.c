/* Bilinear rotation of 1- and 3-byte pixels at the plain x86-64 level, in
 * SSE2 alone: four pixels a step where the source positions ahead are
 * exact sums (KStepRun), or where four positions stepped add by add (across
 * a binade) are, and every pixel of the step lies a pixel inside the
 * picture on every side, so that no edge test and no clamping is needed;
 * the plain double arithmetic of KRotate.c pixel by pixel near the edges.
 * Inside, the pixels' levels come from single-precision sums four lanes at
 * a time wherever those cannot truncate otherwise than the doubles (the
 * margin is proved at singleFour), and from the doubles, two lanes at a
 * time, where they might. The source bytes are loaded at once where the
 * pixels lie side by side on one source row (the usual case at a deskew's
 * small angles), else pixel by pixel. The source is readable 16 bytes past
 * its end for these loads, and its lines are fetched two rows ahead as the
 * wide loops fetch them (KAhead): the loads had waited on memory. */
#include "KRotateSse2.h"
#include "KRotateLevels.h"

#include <emmintrin.h>
#include <string.h>

/* Pixels taken at once where a stretch of STRETCH is not all exact sums. */
enum { GROUP = 4 };

/* ---- The plain arithmetic, one pixel ---- */

static INLINE const uint8_t* sourceRow(const KBilinearRow* row, int y) {
    const int stored = row->BottomUp ? row->Height - 1 - y : y;
    return row->Source + (size_t)stored * (size_t)row->BytesPerLine;
}

/* The pixel at source position sx, sy, stored at p, as bilinearBytes of
 * KRotate.c works it out. */
static INLINE void plainPixel(const KBilinearRow* row, uint8_t* p, double sx, double sy,
                              const int bytes) {
    const int w = row->Width, h = row->Height;
    if (sx < -0.5 || sy < -0.5 || sx > w - 0.5 || sy > h - 0.5) {
        memcpy(p, row->Fill, (size_t)bytes);
        return;
    }
    const int x0 = KFloorOf(sx), y0 = KFloorOf(sy);
    const double fx = sx - x0, fy = sy - y0;
    const int xa = x0 < 0 ? 0 : x0, xb = x0 + 1 >= w ? w - 1 : x0 + 1;
    const int ya = y0 < 0 ? 0 : y0, yb = y0 + 1 >= h ? h - 1 : y0 + 1;
    const uint8_t* ra = sourceRow(row, ya);
    const uint8_t* rb = sourceRow(row, yb);
    KBilinearMix(ra, rb, xa, xb, fx, fy, bytes, p);
}

/* ---- Four pixels inside the picture ---- */

typedef struct Inside {
    const uint8_t* Source;
    double Base; /* offset of picture row 0 */
    double Down; /* from one picture row to the next below, bytes */
    int Apart;   /* the same as a whole number */
} Inside;

/* Levels of four lanes from single-precision sums (levels up to 255 in
 * 32-bit lanes, weights in [0, 1]) and the lanes where they might not be
 * the doubles'. The rows are mixed as a0 + (a1 - a0) fx, the difference
 * a whole number, and then top + (under - top) fy: fewer operations than
 * the weighted sums, and as close. The weights rounded to singles lie
 * within 2^-25 of the doubles', which moves each product by at most
 * 255 * 2^-25; every rounding of a sum or product under 256 is at most
 * 2^-17. So top and under lie within E = 255 * 2^-25 + 2 * 2^-17 of the
 * exact sums, and the mix within 3E + 255 * 2^-25 + 3 * 2^-17, under
 * 1.2e-4; the doubles lie within 1e-12. Where the single mix lies at
 * least 2^-10 from every whole number and a half, its nearest whole
 * number is the level the doubles truncate to once a half is added. The
 * levels become singles and the mix its nearest whole number without a
 * conversion (as plus23 and K_ROUND23 of KRotateLevels.h: the same
 * values): the lanes a0 to b1 come with the bits of 2^23 (BIAS), unpacked
 * so from bytes at no cost. */
static INLINE __m128 singleFour(__m128i a0, __m128i a1, __m128i b0, __m128i b1, __m128 fx,
                                __m128 fy, __m128i* levels) {
    const __m128 big = _mm_set1_ps(0x1p23f), round = _mm_set1_ps(K_ROUND23);
    const __m128 ta0 = _mm_castsi128_ps(a0), ta1 = _mm_castsi128_ps(a1);
    const __m128 tb0 = _mm_castsi128_ps(b0), tb1 = _mm_castsi128_ps(b1);
    const __m128 top = _mm_add_ps(_mm_sub_ps(ta0, big), _mm_mul_ps(_mm_sub_ps(ta1, ta0), fx));
    const __m128 under = _mm_add_ps(_mm_sub_ps(tb0, big), _mm_mul_ps(_mm_sub_ps(tb1, tb0), fx));
    const __m128 r = _mm_add_ps(top, _mm_mul_ps(_mm_sub_ps(under, top), fy));
    const __m128 sum = _mm_add_ps(r, round);
    const __m128 off = _mm_sub_ps(r, _mm_sub_ps(sum, round));
    *levels = _mm_sub_epi32(_mm_castps_si128(sum), _mm_castps_si128(round));
    return _mm_cmpgt_ps(_mm_andnot_ps(_mm_set1_ps(-0.0f), off), _mm_set1_ps(0.5f - 0x1p-10f));
}

/* Levels in 32-bit lanes with the bits of 2^23 as singles (K_PLUS23), or
 * the levels alone: 16-bit levels unpacked with BIAS, or with zero. */
#define BIAS _mm_set1_epi16(K_PLUS23 >> 16)

static INLINE __m128i unbiased(__m128i lanes) {
    return _mm_and_si128(lanes, _mm_set1_epi32(255));
}

/* Levels of four lanes from the doubles, as the plain loop works them
 * out: lanes 0-1 with weights fx[0], fy[0], lanes 2-3 with fx[1], fy[1]. */
static INLINE __m128i doubleFour(__m128i a0, __m128i a1, __m128i b0, __m128i b1,
                                 const __m128d fx[2], const __m128d fy[2]) {
    const __m128d one = _mm_set1_pd(1.0), half = _mm_set1_pd(0.5);
    __m128i level[2];
    for (int h = 0; h < 2; ++h) {
#define LANES(v) _mm_cvtepi32_pd(h ? _mm_shuffle_epi32(v, 0xEE) : v)
        const __m128d wx = _mm_sub_pd(one, fx[h]), wy = _mm_sub_pd(one, fy[h]);
        const __m128d top = _mm_add_pd(_mm_mul_pd(LANES(a0), wx), _mm_mul_pd(LANES(a1), fx[h]));
        const __m128d under = _mm_add_pd(_mm_mul_pd(LANES(b0), wx), _mm_mul_pd(LANES(b1), fx[h]));
#undef LANES
        level[h] = _mm_cvttpd_epi32(
            _mm_add_pd(_mm_add_pd(_mm_mul_pd(top, wy), _mm_mul_pd(under, fy[h])), half));
    }
    return _mm_unpacklo_epi64(level[0], level[1]);
}

static INLINE __m128i levelsOf(__m128i a0, __m128i a1, __m128i b0, __m128i b1, __m128 fx, __m128 fy,
                               const __m128d fxd[2], const __m128d fyd[2]) {
    __m128i levels;
    if (_mm_movemask_ps(singleFour(a0, a1, b0, b1, fx, fy, &levels)))
        levels = doubleFour(unbiased(a0), unbiased(a1), unbiased(b0), unbiased(b1), fxd, fyd);
    return levels;
}

/* The top-left source byte offsets of four pixels at source positions
 * (sx01, sx23), (sy01, sy23) and their weights, as singles and as the
 * doubles (lanes 0-1, 2-3). Inside the picture the positions are not
 * negative: truncation is their floor, and the weights are exact. */
static INLINE __m128i fourIndices(const Inside* in, __m128d sx01, __m128d sx23, __m128d sy01,
                                  __m128d sy23, const int bytes, __m128d fxd[2], __m128d fyd[2],
                                  __m128* fx, __m128* fy) {
    const __m128d x01 = _mm_cvtepi32_pd(_mm_cvttpd_epi32(sx01));
    const __m128d x23 = _mm_cvtepi32_pd(_mm_cvttpd_epi32(sx23));
    const __m128d y01 = _mm_cvtepi32_pd(_mm_cvttpd_epi32(sy01));
    const __m128d y23 = _mm_cvtepi32_pd(_mm_cvttpd_epi32(sy23));
    fxd[0] = _mm_sub_pd(sx01, x01), fxd[1] = _mm_sub_pd(sx23, x23);
    fyd[0] = _mm_sub_pd(sy01, y01), fyd[1] = _mm_sub_pd(sy23, y23);
    *fx = _mm_movelh_ps(_mm_cvtpd_ps(fxd[0]), _mm_cvtpd_ps(fxd[1]));
    *fy = _mm_movelh_ps(_mm_cvtpd_ps(fyd[0]), _mm_cvtpd_ps(fyd[1]));
    /* Whole numbers under 2^31 in doubles: every sum exact. */
    const __m128d base = _mm_set1_pd(in->Base), down = _mm_set1_pd(in->Down);
    const __m128d width = _mm_set1_pd(bytes);
    const __m128d o01 = _mm_add_pd(_mm_add_pd(_mm_mul_pd(y01, down), _mm_mul_pd(x01, width)), base);
    const __m128d o23 = _mm_add_pd(_mm_add_pd(_mm_mul_pd(y23, down), _mm_mul_pd(x23, width)), base);
    return _mm_unpacklo_epi64(_mm_cvttpd_epi32(o01), _mm_cvttpd_epi32(o23));
}

static INLINE uint16_t wordAt(const uint8_t* p) {
    uint16_t v;
    memcpy(&v, p, sizeof v);
    return v;
}

/* Four grey pixels, stored at out. */
static INLINE void fourGrey(const Inside* in, __m128d sx01, __m128d sx23, __m128d sy01,
                            __m128d sy23, uint8_t* out) {
    __m128d fxd[2], fyd[2];
    __m128 fx, fy;
    const __m128i offsets = fourIndices(in, sx01, sx23, sy01, sy23, 1, fxd, fyd, &fx, &fy);
    const int first = _mm_cvtsi128_si32(offsets);
    const __m128i zero = _mm_setzero_si128();
    const __m128i side =
        _mm_cmpeq_epi32(offsets, _mm_add_epi32(_mm_set1_epi32(first), _mm_setr_epi32(0, 1, 2, 3)));
    __m128i a0, a1, b0, b1;
    if (_mm_movemask_epi8(side) == 0xFFFF) {
        /* Side by side: the pixels and their right-hand neighbours are
         * bytes 0-3 and 1-4 from the first, on its row and the next. */
        const uint8_t* at = in->Source + first;
        const __m128i top = _mm_unpacklo_epi8(_mm_loadl_epi64((const __m128i*)at), zero);
        const __m128i under =
            _mm_unpacklo_epi8(_mm_loadl_epi64((const __m128i*)(at + in->Apart)), zero);
        a0 = _mm_unpacklo_epi16(top, BIAS), a1 = _mm_unpacklo_epi16(_mm_srli_si128(top, 2), BIAS);
        b0 = _mm_unpacklo_epi16(under, BIAS);
        b1 = _mm_unpacklo_epi16(_mm_srli_si128(under, 2), BIAS);
    } else {
        /* Each pixel and its right-hand neighbour as one 16-bit word. */
        int at[4];
        _mm_storeu_si128((__m128i*)at, offsets);
        const uint8_t* s = in->Source;
        const int d = in->Apart;
        __m128i words = _mm_cvtsi32_si128(wordAt(s + at[0]));
        words = _mm_insert_epi16(words, wordAt(s + at[1]), 1);
        words = _mm_insert_epi16(words, wordAt(s + at[2]), 2);
        words = _mm_insert_epi16(words, wordAt(s + at[3]), 3);
        words = _mm_insert_epi16(words, wordAt(s + at[0] + d), 4);
        words = _mm_insert_epi16(words, wordAt(s + at[1] + d), 5);
        words = _mm_insert_epi16(words, wordAt(s + at[2] + d), 6);
        words = _mm_insert_epi16(words, wordAt(s + at[3] + d), 7);
        const __m128i left = _mm_and_si128(words, _mm_set1_epi16(255));
        const __m128i right = _mm_srli_epi16(words, 8);
        a0 = _mm_unpacklo_epi16(left, BIAS), b0 = _mm_unpackhi_epi16(left, BIAS);
        a1 = _mm_unpacklo_epi16(right, BIAS), b1 = _mm_unpackhi_epi16(right, BIAS);
    }
    const __m128i levels = levelsOf(a0, a1, b0, b1, fx, fy, fxd, fyd);
    const __m128i words = _mm_packs_epi32(levels, levels);
    const int packed = _mm_cvtsi128_si32(_mm_packus_epi16(words, words));
    memcpy(out, &packed, 4);
}

/* Eight grey pixels, stored at out: where they lie side by side on one
 * source row (and so their neighbours on the row below), from one 16-byte
 * load of each row; else four by four. */
static INLINE void eightGrey(const Inside* in, const __m128d sx[4], const __m128d sy[4],
                             uint8_t* out) {
    __m128d fxd[2][2], fyd[2][2];
    __m128 fx[2], fy[2];
    const __m128i low =
        fourIndices(in, sx[0], sx[1], sy[0], sy[1], 1, fxd[0], fyd[0], &fx[0], &fy[0]);
    const __m128i high =
        fourIndices(in, sx[2], sx[3], sy[2], sy[3], 1, fxd[1], fyd[1], &fx[1], &fy[1]);
    const int first = _mm_cvtsi128_si32(low);
    const __m128i from = _mm_set1_epi32(first);
    const __m128i side =
        _mm_and_si128(_mm_cmpeq_epi32(low, _mm_add_epi32(from, _mm_setr_epi32(0, 1, 2, 3))),
                      _mm_cmpeq_epi32(high, _mm_add_epi32(from, _mm_setr_epi32(4, 5, 6, 7))));
    if (_mm_movemask_epi8(side) != 0xFFFF) {
        fourGrey(in, sx[0], sx[1], sy[0], sy[1], out);
        fourGrey(in, sx[2], sx[3], sy[2], sy[3], out + 4);
        return;
    }
    const __m128i zero = _mm_setzero_si128();
    const uint8_t* at = in->Source + first;
    const __m128i top = _mm_loadu_si128((const __m128i*)at);
    const __m128i under = _mm_loadu_si128((const __m128i*)(at + in->Apart));
    const __m128i topWords = _mm_unpacklo_epi8(top, zero);
    const __m128i topNext = _mm_unpacklo_epi8(_mm_srli_si128(top, 1), zero);
    const __m128i underWords = _mm_unpacklo_epi8(under, zero);
    const __m128i underNext = _mm_unpacklo_epi8(_mm_srli_si128(under, 1), zero);
    __m128i levels[2];
    for (int h = 0; h < 2; ++h) {
#define HALF(v) (h ? _mm_unpackhi_epi16(v, BIAS) : _mm_unpacklo_epi16(v, BIAS))
        levels[h] = levelsOf(HALF(topWords), HALF(topNext), HALF(underWords), HALF(underNext),
                             fx[h], fy[h], fxd[h], fyd[h]);
#undef HALF
    }
    const __m128i words = _mm_packs_epi32(levels[0], levels[1]);
    _mm_storel_epi64((__m128i*)out, _mm_packus_epi16(words, words));
}

/* Bytes 0-2 of pixel k's 8 bytes v moved to bytes 3k-3k+2. */
#define PLACE(v, k) _mm_slli_si128(_mm_and_si128(v, _mm_cvtsi32_si128(0xFFFFFF)), 3 * (k))

/* The twelve bytes of four colour pixels of a source row (bytes 0-11 of
 * *bytes) and of their right-hand neighbours (*next), the pixels at
 * offsets at from s. */
static INLINE void gatherColour(const uint8_t* s, const int at[4], __m128i* bytes, __m128i* next) {
    const __m128i p0 = _mm_loadl_epi64((const __m128i*)(s + at[0]));
    const __m128i p1 = _mm_loadl_epi64((const __m128i*)(s + at[1]));
    const __m128i p2 = _mm_loadl_epi64((const __m128i*)(s + at[2]));
    const __m128i p3 = _mm_loadl_epi64((const __m128i*)(s + at[3]));
    *bytes = _mm_or_si128(_mm_or_si128(PLACE(p0, 0), PLACE(p1, 1)),
                          _mm_or_si128(PLACE(p2, 2), PLACE(p3, 3)));
    *next = _mm_or_si128(
        _mm_or_si128(PLACE(_mm_srli_si128(p0, 3), 0), PLACE(_mm_srli_si128(p1, 3), 1)),
        _mm_or_si128(PLACE(_mm_srli_si128(p2, 3), 2), PLACE(_mm_srli_si128(p3, 3), 3)));
}
#undef PLACE

/* Bytes 0-3, 4-7 and 8-11 of v as 32-bit lanes with BIAS. */
static INLINE void lanesOf(__m128i v, __m128i lanes[3]) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_unpacklo_epi8(v, zero), high = _mm_unpackhi_epi8(v, zero);
    lanes[0] = _mm_unpacklo_epi16(low, BIAS);
    lanes[1] = _mm_unpackhi_epi16(low, BIAS);
    lanes[2] = _mm_unpacklo_epi16(high, BIAS);
}

/* Four colour pixels, stored at out (12 bytes). Their twelve bytes are
 * worked out in the order they are stored, three lanes of four, each with
 * the weights of its pixel. Where some single sum lies too near a half,
 * the doubles are worked out if doubles is set; else 0 is returned and
 * nothing stored (the loop over a stretch takes those few pixels after
 * the rest: the doubles' arithmetic inside it had made it keep its values
 * in memory). */
static INLINE int fourColour(const Inside* in, __m128d sx01, __m128d sx23, __m128d sy01,
                             __m128d sy23, uint8_t* out, const int doubles) {
    __m128d fxd[2], fyd[2];
    __m128 fx, fy;
    const __m128i offsets = fourIndices(in, sx01, sx23, sy01, sy23, 3, fxd, fyd, &fx, &fy);
    const int first = _mm_cvtsi128_si32(offsets);
    const __m128i side =
        _mm_cmpeq_epi32(offsets, _mm_add_epi32(_mm_set1_epi32(first), _mm_setr_epi32(0, 3, 6, 9)));
    __m128i top, topNext, under, underNext;
    if (_mm_movemask_epi8(side) == 0xFFFF) {
        const uint8_t* at = in->Source + first;
        top = _mm_loadu_si128((const __m128i*)at);
        under = _mm_loadu_si128((const __m128i*)(at + in->Apart));
        topNext = _mm_srli_si128(top, 3), underNext = _mm_srli_si128(under, 3);
    } else {
        int at[4];
        _mm_storeu_si128((__m128i*)at, offsets);
        gatherColour(in->Source, at, &top, &topNext);
        gatherColour(in->Source + in->Apart, at, &under, &underNext);
    }
    __m128i a0[3], a1[3], b0[3], b1[3];
    lanesOf(top, a0), lanesOf(topNext, a1), lanesOf(under, b0), lanesOf(underNext, b1);
    /* The pixels of the lanes: 0 0 0 1, 1 1 2 2, 2 3 3 3. */
    const __m128 wx[3] = {_mm_shuffle_ps(fx, fx, _MM_SHUFFLE(1, 0, 0, 0)),
                          _mm_shuffle_ps(fx, fx, _MM_SHUFFLE(2, 2, 1, 1)),
                          _mm_shuffle_ps(fx, fx, _MM_SHUFFLE(3, 3, 3, 2))};
    const __m128 wy[3] = {_mm_shuffle_ps(fy, fy, _MM_SHUFFLE(1, 0, 0, 0)),
                          _mm_shuffle_ps(fy, fy, _MM_SHUFFLE(2, 2, 1, 1)),
                          _mm_shuffle_ps(fy, fy, _MM_SHUFFLE(3, 3, 3, 2))};
    __m128i levels[3];
    __m128 close = _mm_setzero_ps();
    for (int j = 0; j < 3; ++j)
        close = _mm_or_ps(close, singleFour(a0[j], a1[j], b0[j], b1[j], wx[j], wy[j], &levels[j]));
    if (_mm_movemask_ps(close)) {
        if (!doubles)
            return 0;
        /* The pixels of the lanes in doubles, lanes 0-1 and 2-3. */
        const __m128d dx[3][2] = {
            {_mm_unpacklo_pd(fxd[0], fxd[0]), fxd[0]},
            {_mm_unpackhi_pd(fxd[0], fxd[0]), _mm_unpacklo_pd(fxd[1], fxd[1])},
            {fxd[1], _mm_unpackhi_pd(fxd[1], fxd[1])}};
        const __m128d dy[3][2] = {
            {_mm_unpacklo_pd(fyd[0], fyd[0]), fyd[0]},
            {_mm_unpackhi_pd(fyd[0], fyd[0]), _mm_unpacklo_pd(fyd[1], fyd[1])},
            {fyd[1], _mm_unpackhi_pd(fyd[1], fyd[1])}};
        for (int j = 0; j < 3; ++j)
            levels[j] = doubleFour(unbiased(a0[j]), unbiased(a1[j]), unbiased(b0[j]),
                                   unbiased(b1[j]), dx[j], dy[j]);
    }
    const __m128i packed = _mm_packus_epi16(_mm_packs_epi32(levels[0], levels[1]),
                                            _mm_packs_epi32(levels[2], levels[2]));
    _mm_storel_epi64((__m128i*)out, packed);
    const int last = _mm_cvtsi128_si32(_mm_srli_si128(packed, 8));
    memcpy(out + 8, &last, 4);
    return 1;
}

/* ---- The row ---- */

/* What a stretch of count pixels from sx, sy is: positions that are
 * exact sums dx, dy apart all along and, the positions being monotonic,
 * a pixel inside the picture at both ends (so every pixel is), or past
 * one edge at both ends (every pixel takes the fill); or neither. */
enum { CHAIN, INSIDE, OUTSIDE };

static INLINE int stretchOf(KStepRun* runX, KStepRun* runY, double sx, double sy, int count, int w,
                            int h, double* dx, double* dy) {
    if (!KStepsAhead(runX, sx, count, dx) || !KStepsAhead(runY, sy, count, dy))
        return CHAIN;
    const double ex = sx + (count - 1) * *dx, ey = sy + (count - 1) * *dy;
    const double lowX = sx < ex ? sx : ex, highX = sx < ex ? ex : sx;
    const double lowY = sy < ey ? sy : ey, highY = sy < ey ? ey : sy;
    if (lowX >= 0 && highX < w - 1 && lowY >= 0 && highY < h - 1)
        return INSIDE;
    if (highX < -0.5 || highY < -0.5 || lowX > w - 0.5 || lowY > h - 0.5)
        return OUTSIDE;
    return CHAIN;
}

static INLINE int bilinearRow(KBilinearRow* row, uint8_t* out, const int bytes) {
    const int w = row->Width, h = row->Height;
    const int stride = row->BytesPerLine;
    const Inside in = {row->Source, row->BottomUp ? (double)(h - 1) * stride : 0.0,
                       row->BottomUp ? -(double)stride : (double)stride,
                       row->BottomUp ? -stride : stride};
    KStepRun runX = KStepRunOf(row->Cos), runY = KStepRunOf(-row->Sin);
    const KAhead ahead = KAheadOf(row);
    double sx = row->Sx, sy = row->Sy;
    int x = 0;
    while (x + GROUP <= w) {
        int count = w - x >= STRETCH ? STRETCH : (w - x) / GROUP * GROUP;
        double dx, dy;
        int kind = stretchOf(&runX, &runY, sx, sy, count, w, h, &dx, &dy);
        if (kind == CHAIN && count > GROUP) {
            /* Across a binade or an edge: four pixels might not be. */
            count = GROUP;
            kind = stretchOf(&runX, &runY, sx, sy, count, w, h, &dx, &dy);
        }
        if (kind == INSIDE) {
            const __m128d ddx = _mm_set1_pd(dx), ddy = _mm_set1_pd(dy);
            __m128d sx01 = _mm_add_pd(_mm_set1_pd(sx), _mm_mul_pd(_mm_setr_pd(0, 1), ddx));
            __m128d sx23 = _mm_add_pd(_mm_set1_pd(sx), _mm_mul_pd(_mm_setr_pd(2, 3), ddx));
            __m128d sy01 = _mm_add_pd(_mm_set1_pd(sy), _mm_mul_pd(_mm_setr_pd(0, 1), ddy));
            __m128d sy23 = _mm_add_pd(_mm_set1_pd(sy), _mm_mul_pd(_mm_setr_pd(2, 3), ddy));
            const __m128d stepX = _mm_set1_pd(GROUP * dx), stepY = _mm_set1_pd(GROUP * dy);
            const int start = x, end = x + count;
            if (bytes == 1) {
                /* Grey pixels eight at a time, the lanes four apart. */
                __m128d px[4] = {sx01, sx23, _mm_add_pd(sx01, stepX), _mm_add_pd(sx23, stepX)};
                __m128d py[4] = {sy01, sy23, _mm_add_pd(sy01, stepY), _mm_add_pd(sy23, stepY)};
                const __m128d stepX8 = _mm_add_pd(stepX, stepX), stepY8 = _mm_add_pd(stepY, stepY);
                for (; x + 2 * GROUP <= end; x += 2 * GROUP) {
                    KFetchAhead(&ahead, _mm_cvtsd_f64(px[0]), _mm_cvtsd_f64(py[0]));
                    eightGrey(&in, px, py, out + x);
                    for (int k = 0; k < 4; ++k)
                        px[k] = _mm_add_pd(px[k], stepX8), py[k] = _mm_add_pd(py[k], stepY8);
                }
                sx01 = px[0], sx23 = px[1], sy01 = py[0], sy23 = py[1];
            }
            /* Colour fours left by fourColour, taken after the rest. */
            int redo[STRETCH / GROUP], redone = 0;
            for (; x < end; x += GROUP) {
                if (bytes == 3 && (x & GROUP) == 0)
                    KFetchAhead(&ahead, _mm_cvtsd_f64(sx01), _mm_cvtsd_f64(sy01));
                if (bytes == 1) {
                    fourGrey(&in, sx01, sx23, sy01, sy23, out + x);
                } else {
                    redo[redone] = x;
                    redone += !fourColour(&in, sx01, sx23, sy01, sy23, out + 3 * x, 0);
                }
                sx01 = _mm_add_pd(sx01, stepX), sx23 = _mm_add_pd(sx23, stepX);
                sy01 = _mm_add_pd(sy01, stepY), sy23 = _mm_add_pd(sy23, stepY);
            }
            /* Their positions are exact sums too, the lanes' values. */
            for (int k = 0; k < redone; ++k) {
                const double qx = sx + (redo[k] - start) * dx, qy = sy + (redo[k] - start) * dy;
                const __m128d qx01 =
                    _mm_add_pd(_mm_set1_pd(qx), _mm_mul_pd(_mm_setr_pd(0, 1), ddx));
                const __m128d qx23 =
                    _mm_add_pd(_mm_set1_pd(qx), _mm_mul_pd(_mm_setr_pd(2, 3), ddx));
                const __m128d qy01 =
                    _mm_add_pd(_mm_set1_pd(qy), _mm_mul_pd(_mm_setr_pd(0, 1), ddy));
                const __m128d qy23 =
                    _mm_add_pd(_mm_set1_pd(qy), _mm_mul_pd(_mm_setr_pd(2, 3), ddy));
                fourColour(&in, qx01, qx23, qy01, qy23, out + 3 * redo[k], 1);
            }
            sx += count * dx, sy += count * dy;
        } else if (kind == OUTSIDE) {
            for (const int end = x + count; x < end; ++x)
                memcpy(out + (size_t)bytes * x, row->Fill, (size_t)bytes);
            sx += count * dx, sy += count * dy;
        } else {
            /* Where the chain is stepped add by add (across a binade): four
             * pixels a pixel inside the picture are still resampled at
             * once; near the edges, one by one. */
            double px[GROUP], py[GROUP];
            px[0] = sx, py[0] = sy;
            for (int k = 1; k < GROUP; ++k)
                px[k] = px[k - 1] + row->Cos, py[k] = py[k - 1] - row->Sin;
            const double lowX = px[0] < px[3] ? px[0] : px[3],
                         highX = px[0] < px[3] ? px[3] : px[0];
            const double lowY = py[0] < py[3] ? py[0] : py[3],
                         highY = py[0] < py[3] ? py[3] : py[0];
            if (lowX >= 0 && highX < w - 1 && lowY >= 0 && highY < h - 1) {
                const __m128d sx01 = _mm_setr_pd(px[0], px[1]), sx23 = _mm_setr_pd(px[2], px[3]);
                const __m128d sy01 = _mm_setr_pd(py[0], py[1]), sy23 = _mm_setr_pd(py[2], py[3]);
                if (bytes == 1)
                    fourGrey(&in, sx01, sx23, sy01, sy23, out + x);
                else
                    fourColour(&in, sx01, sx23, sy01, sy23, out + 3 * x, 1);
                x += GROUP, sx = px[3] + row->Cos, sy = py[3] - row->Sin;
                continue;
            }
            for (int k = 0; k < GROUP; ++k, ++x, sx += row->Cos, sy -= row->Sin)
                plainPixel(row, out + (size_t)bytes * x, sx, sy, bytes);
        }
    }
    row->Sx = sx, row->Sy = sy;
    return x;
}

int KBilinearSse2(KBilinearRow* row, uint8_t* out) {
    return row->Bytes == 1 ? bilinearRow(row, out, 1) : bilinearRow(row, out, 3);
}
