/* The column histograms of MedianColumns.h. Counts are cumulative within
 * their sixteen places (place i counts the values whose nibble is at most
 * i), so that one vector add counts a value in or out and one compare
 * finds the place where the count reaches the rank. SSE2 vectors of 16
 * bytes, which every level has; each level gets its own copy. */
#include "imgfx/MedianColumns.h"

#include "imgfx/Clones.h"

#include <emmintrin.h>
#include <limits.h>
#include <string.h>

struct FxMedianColumns {
    int Dimension, Width, Bpp;
    int Row;    /* the window row the counts hold, or -1 */
    int Lo, Hi; /* the pixel columns counted: Lo .. Hi - 1 */
    /* [byte column][high nibble]: the column's values whose high nibble is
     * at most the index. */
    uint8_t (*Coarse)[16];
    /* [byte column][high nibble][low nibble]: the values with that high
     * nibble whose low nibble is at most the index. */
    uint8_t (*Fine)[16][16];
};

/* Places i .. 15 of row i: adding a row takes a value of nibble i out of
 * cumulative byte counts (0xFF is -1), subtracting it counts one in. */
static const uint8_t Masks[16][16] __attribute__((aligned(16))) = {
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    {0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF},
};

static inline __m128i maskOf(unsigned nibble) {
    return _mm_load_si128((const __m128i*)Masks[nibble]);
}

static inline __m128i load16(const uint8_t* p) {
    return _mm_loadu_si128((const __m128i*)p);
}

static inline void store16(uint8_t* p, __m128i v) {
    _mm_storeu_si128((__m128i*)p, v);
}

/* Byte columns k0 .. k1 - 1 move down a row: out's values leave, in's
 * enter. */
FX_BODY void moveColumnsBody(uint8_t (*restrict coarse)[16], uint8_t (*restrict fine)[16][16],
                             const uint8_t* out, const uint8_t* in, int k0, int k1) {
    for (int k = k0; k < k1; ++k) {
        const unsigned o = out[k], i = in[k];
        store16(coarse[k],
                _mm_sub_epi8(_mm_add_epi8(load16(coarse[k]), maskOf(o >> 4)), maskOf(i >> 4)));
        uint8_t* f = fine[k][o >> 4];
        store16(f, _mm_add_epi8(load16(f), maskOf(o & 15)));
        f = fine[k][i >> 4];
        store16(f, _mm_sub_epi8(load16(f), maskOf(i & 15)));
    }
}

FX_LEVELS(static, moveColumns,
          (uint8_t(*restrict coarse)[16], uint8_t (*restrict fine)[16][16], const uint8_t* out,
           const uint8_t* in, int k0, int k1),
          (coarse, fine, out, in, k0, k1))

/* Counts byte columns k0 .. k1 - 1 afresh from the window's rows. */
FX_BODY void countColumnsBody(uint8_t (*restrict coarse)[16], uint8_t (*restrict fine)[16][16],
                              const uint8_t* const* rows, int dim, int k0, int k1) {
    if (k0 >= k1)
        return;
    memset(coarse[k0], 0, (size_t)(k1 - k0) * sizeof *coarse);
    memset(fine[k0], 0, (size_t)(k1 - k0) * sizeof *fine);
    for (int r = 0; r < dim; ++r) {
        const uint8_t* in = rows[r];
        for (int k = k0; k < k1; ++k) {
            const unsigned i = in[k];
            store16(coarse[k], _mm_sub_epi8(load16(coarse[k]), maskOf(i >> 4)));
            uint8_t* f = fine[k][i >> 4];
            store16(f, _mm_sub_epi8(load16(f), maskOf(i & 15)));
        }
    }
}

FX_LEVELS(static, countColumns,
          (uint8_t(*restrict coarse)[16], uint8_t (*restrict fine)[16][16],
           const uint8_t* const* rows, int dim, int k0, int k1),
          (coarse, fine, rows, dim, k0, k1))

/* One channel's window: cumulative coarse counts in 16-bit lanes (places
 * 0-7 and 8-15), and the fine counts of each group with the column whose
 * window they hold. */
typedef struct Channel {
    __m128i Low, High;
    __m128i FineLow[16], FineHigh[16];
    int Last[16];
} Channel;

static inline __m128i lowWords(__m128i v) {
    return _mm_unpacklo_epi8(v, _mm_setzero_si128());
}

static inline __m128i highWords(__m128i v) {
    return _mm_unpackhi_epi8(v, _mm_setzero_si128());
}

/* The first place whose cumulative count reaches the rank: the places
 * below it are those under the rank, and the last place never is. */
static inline int placeOf(__m128i low, __m128i high, __m128i rank) {
    const int under =
        _mm_movemask_epi8(_mm_packs_epi16(_mm_cmplt_epi16(low, rank), _mm_cmplt_epi16(high, rank)));
    return __builtin_ctz(~(unsigned)under);
}

static inline int clampColumn(int x, int last) {
    return x < 0 ? 0 : x > last ? last : x;
}

FX_BODY void scanChannels(const FxMedianColumns* s, uint8_t* out, int x0, int x1, const int bpp) {
    const int dim = s->Dimension, before = (dim - 1) / 2, after = dim / 2, last = s->Width - 1;
    const int rank = (dim * dim + 1) / 2;
    const __m128i rankWords = _mm_set1_epi16((short)rank);
    const uint8_t(*coarse)[16] = (const uint8_t(*)[16])s->Coarse;
    const uint8_t(*fine)[16][16] = (const uint8_t(*)[16][16])s->Fine;
    Channel ch[3];
    for (int c = 0; c < bpp; ++c) {
        ch[c].Low = ch[c].High = _mm_setzero_si128();
        for (int j = -before; j <= after; ++j) {
            const __m128i v = load16(coarse[(size_t)clampColumn(x0 + j, last) * bpp + c]);
            ch[c].Low = _mm_add_epi16(ch[c].Low, lowWords(v));
            ch[c].High = _mm_add_epi16(ch[c].High, highWords(v));
        }
        for (int g = 0; g < 16; ++g)
            ch[c].Last[g] = INT_MIN / 2;
    }
    for (int x = x0; x < x1; ++x) {
        const size_t entering = (size_t)clampColumn(x + after, last) * bpp;
        const size_t leaving = (size_t)clampColumn(x - 1 - before, last) * bpp;
        for (int c = 0; c < bpp; ++c) {
            Channel* h = &ch[c];
            if (x > x0) {
                const __m128i in = load16(coarse[entering + c]);
                const __m128i gone = load16(coarse[leaving + c]);
                h->Low = _mm_sub_epi16(_mm_add_epi16(h->Low, lowWords(in)), lowWords(gone));
                h->High = _mm_sub_epi16(_mm_add_epi16(h->High, highWords(in)), highWords(gone));
            }
            const int g = placeOf(h->Low, h->High, rankWords);
            int below = 0;
            if (g > 0) {
                uint16_t words[16];
                _mm_storeu_si128((__m128i*)words, h->Low);
                _mm_storeu_si128((__m128i*)(words + 8), h->High);
                below = words[g - 1];
            }
            __m128i low = h->FineLow[g], high = h->FineHigh[g];
            /* Stepping a column costs twice a column of the recount. */
            if ((int64_t)x - h->Last[g] > dim / 2) {
                low = high = _mm_setzero_si128();
                for (int j = -before; j <= after; ++j) {
                    const __m128i v = load16(fine[(size_t)clampColumn(x + j, last) * bpp + c][g]);
                    low = _mm_add_epi16(low, lowWords(v));
                    high = _mm_add_epi16(high, highWords(v));
                }
            } else {
                for (int u = h->Last[g] + 1; u <= x; ++u) {
                    const __m128i in =
                        load16(fine[(size_t)clampColumn(u + after, last) * bpp + c][g]);
                    const __m128i gone =
                        load16(fine[(size_t)clampColumn(u - 1 - before, last) * bpp + c][g]);
                    low = _mm_sub_epi16(_mm_add_epi16(low, lowWords(in)), lowWords(gone));
                    high = _mm_sub_epi16(_mm_add_epi16(high, highWords(in)), highWords(gone));
                }
            }
            h->FineLow[g] = low, h->FineHigh[g] = high, h->Last[g] = x;
            const int j = placeOf(low, high, _mm_set1_epi16((short)(rank - below)));
            out[(size_t)x * bpp + c] = (uint8_t)(16 * g + j);
        }
    }
}

FX_BODY void scanBody(const FxMedianColumns* s, uint8_t* out, int x0, int x1) {
    if (s->Bpp == 3)
        scanChannels(s, out, x0, x1, 3);
    else
        scanChannels(s, out, x0, x1, 1);
}

FX_LEVELS(static, scan, (const FxMedianColumns* s, uint8_t* out, int x0, int x1), (s, out, x0, x1))

FxMedianColumns* FxMedianColumnsNew(int dim, int width, int bpp) {
    FxMedianColumns* s = KAlloc(sizeof *s, 1);
    if (!s)
        return NULL;
    const size_t columns = (size_t)width * (size_t)bpp;
    s->Dimension = dim, s->Width = width, s->Bpp = bpp, s->Row = -1;
    s->Coarse = KAllocRaw(columns * sizeof *s->Coarse);
    s->Fine = KAllocRaw(columns * sizeof *s->Fine);
    if (!s->Coarse || !s->Fine) {
        FxMedianColumnsFree(s);
        return NULL;
    }
    return s;
}

void FxMedianColumnsFree(FxMedianColumns* s) {
    if (!s)
        return;
    KFree(s->Coarse);
    KFree(s->Fine);
    KFree(s);
}

/* Brings the counts to the row's window for the columns its spans' windows
 * take: moved down a row where the row follows the one counted, counted
 * afresh otherwise and for columns not held yet. */
static void prepare(FxMedianColumns* s, const FxWindowRow* row) {
    const int dim = s->Dimension, before = (dim - 1) / 2, after = dim / 2, bpp = s->Bpp;
    int lo = INT_MAX, hi = INT_MIN;
    for (int i = 0; i + 1 < row->SpanCount; i += 2) {
        if (row->Spans[i] >= row->Spans[i + 1])
            continue;
        lo = row->Spans[i] - before < lo ? row->Spans[i] - before : lo;
        hi = row->Spans[i + 1] + after > hi ? row->Spans[i + 1] + after : hi;
    }
    lo = lo < 0 ? 0 : lo;
    hi = hi > s->Width ? s->Width : hi;
    if (lo >= hi)
        return;
    if (row->Leaving && s->Row == row->Index - 1 && s->Lo < s->Hi) {
        moveColumns(s->Coarse, s->Fine, row->Leaving, row->Rows[dim - 1], s->Lo * bpp, s->Hi * bpp);
        if (lo < s->Lo)
            countColumns(s->Coarse, s->Fine, row->Rows, dim, lo * bpp, s->Lo * bpp), s->Lo = lo;
        if (hi > s->Hi)
            countColumns(s->Coarse, s->Fine, row->Rows, dim, s->Hi * bpp, hi * bpp), s->Hi = hi;
    } else {
        countColumns(s->Coarse, s->Fine, row->Rows, dim, lo * bpp, hi * bpp);
        s->Lo = lo, s->Hi = hi;
    }
    s->Row = row->Index;
}

void FxMedianColumnsRow(FxMedianColumns* s, const FxWindowRow* row) {
    prepare(s, row);
    for (int i = 0; i + 1 < row->SpanCount; i += 2)
        if (row->Spans[i] < row->Spans[i + 1])
            scan(s, row->Out, row->Spans[i], row->Spans[i + 1]);
}
