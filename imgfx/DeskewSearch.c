/* The skew search. Rows are held in a ring of buffers, row r in buffer
 * r mod the ring's size, each loaded at most once while it stays needed:
 * stored rows for 1-bit bitmaps, intensities for the others (converted
 * once on loading). Where rows are widened to 16 bits in pairs
 * (FxPairedDots) all 47 offsets are summed in one sweep down the page, the
 * 49 rows from a block of three to the farthest row any of them is
 * compared with held in a ring of 49: every row is widened once. The 49
 * rows are summed with the three three at a time, the last alone with the
 * only row of the three it is compared with. Where four rows are summed
 * against four (FxBlockDots) the sweep is one too, over a ring of 50.
 * Otherwise the offsets are summed in two sweeps, 0 to 23 and then -23 to
 * -1, either needing only a ring of 27; every row is then loaded twice.
 * The totals are the same as offset after offset. */
#include "imgfx/DeskewSearch.h"

#include "imgfx/DeskewScore.h"
#include "imgfx/PalettePath.h"

#include <string.h>

/* BLOCK rows compared at once need the REACH + BLOCK rows from the first
 * to the farthest either is compared with. */
enum {
    REACH = FX_SKEW_REACH,
    BLOCK = 4,
    RING = FX_SKEW_REACH + BLOCK,
    OFFSETS = 2 * FX_SKEW_REACH + 1,
    WIDE_BLOCK = 3,
    WIDE_RING = OFFSETS + WIDE_BLOCK - 1,
    BLOCK_RING = OFFSETS + BLOCK - 1
};

/* A row in pairs compared from pixel FX_SKEW_SHIFT on starts at a block. */
_Static_assert(FX_SKEW_SHIFT % FX_PAIRED_BLOCK == 0, "the shift is whole blocks of pairs");

/* round(100 * atan(s / 128)) in degrees for s = 0 .. 23. */
static const int16_t angles[REACH + 1] = {0,   45,  90,  134, 179, 224, 268, 313,
                                          358, 402, 447, 491, 536, 580, 624, 668,
                                          713, 757, 800, 844, 888, 932, 975, 1019};

int FxSkewAngle(int offset, int rowOrder) {
    int angle = angles[offset < 0 ? -offset : offset];
    if (offset < 0)
        angle = -angle;
    return rowOrder == RB_ROWS_BOTTOM_UP ? angle : -angle;
}

typedef struct Search {
    RasterBitmap* Bitmap;
    int Levels;  /* rows compared by intensity; else by bits (1-bit) */
    int Convert; /* loaded rows are converted to intensities */
    int Lighter; /* 1-bit: the lighter palette index */
    RasterColor Colors[256];
    int Ring; /* buffers in use: RING, or WIDE_RING or BLOCK_RING for one sweep */
    uint8_t* Rows[BLOCK_RING];
    const uint8_t* Held[BLOCK_RING]; /* the row as compared: a buffer or the stored row */
    uint16_t* Wide[BLOCK_RING];      /* the intensities in pairs, where FxPairedDots */
    /* FxPairedSelf of the widened row from its first pixel and from pixel
     * FX_SKEW_SHIFT: the row's own terms as compared and as compared with. */
    uint64_t SelfFirst[BLOCK_RING], SelfShifted[BLOCK_RING];
    int Loaded[BLOCK_RING]; /* stored row held by each buffer, -1 for none */
    uint64_t Totals[OFFSETS];
    FxProgress Progress;
    /* Steps reported a row compared: 1, or 2 in the one sweep, which
     * reports the first sweep's steps, then (from Next .. To) the
     * second's, as two sweeps would. Left: steps of the range started
     * left; Next is -1 once no range follows. */
    int Steps, Left, Next, To;
    /* Where the stored rows are levels (8-bit grey) and the caller wants
     * them counted: eight interleaved sub-histograms of the stored bytes,
     * each row counted the first time it is loaded (Counted), so that the
     * count of the whole bitmap comes with the search's own reading of it
     * instead of a second pass over the page: neighbouring levels in
     * pairs, the last few of a row singly (FxCountLevelPairs). */
    uint32_t (*Pairs)[FX_PAIR_TABLE];
    uint32_t Single[256];
    uint8_t* Counted;
    int CountedRows;
    /* With rows in pairs the levels are counted alongside their sums
     * instead (FxDotPairedBlock), the stored rows in order up to the
     * highest loaded (Highest, so that they are read from the cache): row
     * CountRow from word CountWord of eight levels on; the rows left at
     * the end of the search after it. */
    int CountRow, Highest;
    size_t CountWord;
} Search;

static int isDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

static int intensityOf(RasterColor c) {
    return (5 * c.Green + 2 * c.Red + c.Blue + 4) >> 3;
}

/* The palette of 1-, 4- and 8-bit bitmaps (entries past ColorCount read as
 * black) and how rows are compared. */
static int prepare(Search* s) {
    const RasterBitmap* b = s->Bitmap;
    const int bits = b->BitsPerPixel;
    if (!isDepth(bits))
        return FX_ERR_BAD_BITMAP;
    if (bits <= 8 && FxReadPalette(b, s->Colors) < 0)
        return FX_ERR_BAD_BITMAP;
    s->Levels = bits != 1;
    s->Convert = s->Levels && !(bits == 8 && KGreyKind(b) == 1);
    s->Lighter = intensityOf(s->Colors[1]) < intensityOf(s->Colors[0]) ? 0 : 1;
    return FX_OK;
}

static int allocRows(Search* s) {
    const RasterBitmap* b = s->Bitmap;
    const size_t size = KRowBufferSize(b->Width, b->BitsPerPixel, b->Width, K_WORK_GREY);
    s->Ring = !s->Levels ? RING : FxPairedDots() ? WIDE_RING : FxBlockDots() ? BLOCK_RING : RING;
    for (int k = 0; k < s->Ring; ++k) {
        s->Loaded[k] = -1;
        if (!(s->Rows[k] =
                  KAllocRaw(size > (size_t)b->BytesPerLine ? size : (size_t)b->BytesPerLine)))
            return FX_ERR_NO_MEMORY;
        if (s->Levels && FxPairedDots() &&
            !(s->Wide[k] = KAllocRaw(FxPairedWords((size_t)b->Width) * sizeof(uint16_t))))
            return FX_ERR_NO_MEMORY;
    }
    return FX_OK;
}

/* Widens the row's levels in pairs into buffer k, with the row's own
 * terms of the sums in pairs as compared from its first pixel and from
 * pixel FX_SKEW_SHIFT. */
static void pair(Search* s, int k, const uint8_t* levels) {
    const size_t width = (size_t)s->Bitmap->Width, n = width - FX_SKEW_SHIFT;
    FxPairLevels(levels, s->Wide[k], width);
    s->SelfFirst[k] = FxPairedSelf(s->Wide[k], n);
    s->SelfShifted[k] = FxPairedSelf(s->Wide[k] + FX_SKEW_SHIFT, n);
}

/* Stored row r as compared: its bytes, or its intensities (and those
 * widened in pairs, or NULL). */
static int load(Search* s, int r, const uint8_t** row, const uint16_t** wide) {
    RasterBitmap* b = s->Bitmap;
    const int k = r % s->Ring;
    *wide = s->Wide[k];
    if (s->Loaded[k] == r) {
        *row = s->Held[k];
        return FX_OK;
    }
    s->Loaded[k] = -1;
    *row = s->Held[k] = s->Rows[k];
    if (r > s->Highest)
        s->Highest = r;
    /* A row without an address is left uncounted: the deskew then counts
     * the bitmap itself. */
    const uint8_t* levels = s->Pairs && !s->Wide[k] && !s->Counted[r] ? KRowAddress(b, r) : NULL;
    if (levels) {
        FxCountLevelPairs(s->Pairs, s->Single, levels, (size_t)b->Width);
        s->Counted[r] = 1;
        ++s->CountedRows;
    }
    /* Stored rows compared as they are are read where they lie, not
     * copied. */
    const uint8_t* lying = !s->Convert && !s->Wide[k] ? KRowAddress(b, r) : NULL;
    if (lying) {
        *row = s->Held[k] = lying;
        s->Loaded[k] = r;
        return FX_OK;
    }
    /* Stored levels, and the intensities of 24-bit pixels, are widened
     * straight from the bitmap: only the widened rows are compared. (A row
     * without an address is left to KReadRow, which reports why.) */
    const int direct = !s->Convert || b->BitsPerPixel == 24;
    const uint8_t* stored = s->Wide[k] && direct ? KRowAddress(b, r) : NULL;
    if (stored) {
        if (s->Convert) {
            FxIntensityLevels(stored, b->ColorOrder, s->Rows[k], (size_t)b->Width);
            stored = s->Rows[k];
        }
        pair(s, k, stored);
        s->Loaded[k] = r;
        return FX_OK;
    }
    int status = KReadRow(b, s->Rows[k], r, b->BytesPerLine);
    if (status == K_OK && s->Convert)
        status = KConvertRow(s->Rows[k], b->Width, b->BitsPerPixel, K_WORK_GREY, b->ColorOrder,
                             RB_ORDER_BGR, s->Colors, NULL);
    if (status == K_OK && s->Wide[k])
        pair(s, k, s->Rows[k]);
    if (status == K_OK)
        s->Loaded[k] = r;
    return status;
}

/* Takes the words of eight levels counted alongside the sums: the row's
 * last levels past its last whole word are counted singly once its words
 * are. */
static void countedWords(Search* s, size_t words) {
    RasterBitmap* b = s->Bitmap;
    const size_t whole = (size_t)b->Width / 8;
    s->CountWord += words;
    if (s->CountWord < whole)
        return;
    FxCountLevelPairs(s->Pairs, s->Single, KRowAddress(b, s->CountRow) + 8 * whole,
                      (size_t)b->Width - 8 * whole);
    ++s->CountedRows;
    ++s->CountRow;
    s->CountWord = 0;
}

/* The next words (at most max) to count alongside the sums, *words of
 * them, or NULL for none. A row without an address is left uncounted: the
 * deskew then counts the bitmap itself. */
static const uint8_t* countNext(Search* s, size_t max, size_t* words) {
    *words = 0;
    while (s->Pairs && s->Wide[0] && s->CountRow <= s->Highest) {
        const uint8_t* row = KRowAddress(s->Bitmap, s->CountRow);
        const size_t left = (size_t)s->Bitmap->Width / 8 - s->CountWord;
        if (!row) {
            ++s->CountRow;
            s->CountWord = 0;
        } else if (left == 0) {
            countedWords(s, 0);
        } else {
            *words = left < max ? left : max;
            return row + 8 * s->CountWord;
        }
    }
    return NULL;
}

/* Counts the rows not counted alongside the sums. */
static void countRest(Search* s) {
    s->Highest = s->Bitmap->Height - 1;
    size_t words;
    const uint8_t* levels;
    while ((levels = countNext(s, (size_t)-1, &words)) != NULL) {
        FxCountLevelPairs(s->Pairs, s->Single, levels, 8 * words);
        countedWords(s, words);
    }
}

/* How alike pixel x of row a and pixel x + 128 of row b are over the
 * row. */
static uint64_t score(const Search* s, const uint8_t* a, const uint8_t* b) {
    const size_t n = (size_t)s->Bitmap->Width - FX_SKEW_SHIFT;
    if (!s->Levels)
        return FxCountBothLighter(a, b + FX_SKEW_SHIFT / 8, n, s->Lighter);
    return FxDotLevels(a, b + FX_SKEW_SHIFT, n) / (255 * 255);
}

/* The score of stored rows ra and rb (pixel x against pixel x + 128) from
 * their rows in pairs wa, wb. */
static uint64_t scorePaired(const Search* s, int ra, const uint16_t* wa, int rb,
                            const uint16_t* wb) {
    const size_t n = (size_t)s->Bitmap->Width - FX_SKEW_SHIFT;
    return FxDotPaired(wa, s->SelfFirst[ra % s->Ring], wb + FX_SKEW_SHIFT,
                       s->SelfShifted[rb % s->Ring], n) /
           (255 * 255);
}

/* Adds the scores of row a (stored row l) against rows b[0] ..
 * b[count - 1] (stored rows from first on) to totals, intensities four
 * rows at a time, from the rows in pairs wa, wb where they are held. */
static void scoreRows(const Search* s, int l, const uint8_t* a, int first, const uint8_t* const* b,
                      const uint16_t* wa, const uint16_t* const* wb, int count, uint64_t* totals) {
    const size_t n = (size_t)s->Bitmap->Width - FX_SKEW_SHIFT;
    int k = 0;
    if (wa) {
        for (; k < count; ++k)
            totals[k] += scorePaired(s, l, wa, first + k, wb[k]);
        return;
    }
    if (s->Levels)
        for (; k + 4 <= count; k += 4) {
            const uint8_t* shifted[4];
            uint64_t sums[4];
            for (int j = 0; j < 4; ++j)
                shifted[j] = b[k + j] + FX_SKEW_SHIFT;
            FxDotLevelsFour(a, shifted, n, sums);
            for (int j = 0; j < 4; ++j)
                totals[k + j] += sums[j] / (255 * 255);
        }
    for (; k < count; ++k)
        totals[k] += score(s, a, b[k]);
}

/* Adds the scores of offsets low .. high of rows l .. l + BLOCK - 1 (four
 * against four) or l .. l + 2 (widened rows, three against three): every
 * row from l + low to the block's last row + high is summed with each of
 * the block's rows and kept where its offset lies in low .. high (the
 * last group filled up with the last row again). */
static int scoreBlock(Search* s, int l, int low, int high, int wide) {
    const size_t n = (size_t)s->Bitmap->Width - FX_SKEW_SHIFT;
    const int group = wide ? 3 : 4, rows = high - low + group;
    const uint8_t* a[BLOCK];
    const uint8_t* b[OFFSETS + BLOCK];
    const uint16_t* wa[BLOCK];
    const uint16_t* wb[OFFSETS + BLOCK];
    int status = FX_OK;
    for (int i = 0; status == FX_OK && i < group; ++i)
        status = load(s, l + i, &a[i], &wa[i]);
    for (int j = 0; status == FX_OK && j < rows; ++j)
        status = load(s, l + low + j, &b[j], &wb[j]);
    for (int g = 0; status == FX_OK && g < rows; g += group) {
        uint64_t sums[16];
        if (wide && rows - g < group) {
            /* A last group short of three rows: only its pairs in reach. */
            for (int j = g; j < rows; ++j)
                for (int i = 0; i < group; ++i) {
                    const int offset = low + j - i;
                    if (offset >= low && offset <= high)
                        s->Totals[offset + REACH] +=
                            scorePaired(s, l + i, wa[i], l + low + j, wb[j]);
                }
            break;
        }
        if (wide) {
            const uint16_t* shifted[3];
            uint64_t selfA[3], selfB[3];
            for (int k = 0; k < 3; ++k) {
                const int j = g + k < rows ? g + k : rows - 1;
                shifted[k] = wb[j] + FX_SKEW_SHIFT;
                selfA[k] = s->SelfFirst[(l + k) % s->Ring];
                selfB[k] = s->SelfShifted[(l + low + j) % s->Ring];
            }
            size_t words;
            const uint8_t* levels = countNext(s, FxPairedWords(n) / FX_PAIRED_BLOCK, &words);
            FxDotPairedBlock(wa, selfA, shifted, selfB, n, sums, s->Pairs, levels, words);
            if (words)
                countedWords(s, words);
        } else {
            const uint8_t* shifted[4];
            for (int k = 0; k < 4; ++k)
                shifted[k] = b[g + k < rows ? g + k : rows - 1] + FX_SKEW_SHIFT;
            FxDotLevelsBlock(a, shifted, n, sums);
        }
        for (int i = 0; i < group; ++i)
            for (int k = 0; k < group && g + k < rows; ++k) {
                const int offset = low + g + k - i;
                if (offset >= low && offset <= high)
                    s->Totals[offset + REACH] += sums[group * i + k] / (255 * 255);
            }
    }
    return status;
}

/* Reports the progress of one row compared. */
static int step(Search* s) {
    int status = FX_OK;
    for (int k = 0; status == FX_OK && k < s->Steps; ++k) {
        if (s->Left == 0 && s->Next >= 0) {
            s->Left = s->Bitmap->Height - 2 * REACH;
            status = FxProgressStart(&s->Progress, s->Next, s->To, s->Left);
            s->Next = -1;
        }
        if (status == FX_OK) {
            status = FxProgressStep(&s->Progress);
            --s->Left;
        }
    }
    return status;
}

/* Adds the scores of offsets low .. high (0 .. 23, -23 .. -1, or all) of
 * every compared row to their totals, with progress from from to to. The
 * rows compared with row l all stay loaded together: they are 24 (or 47)
 * rows in a row, one to a buffer of the ring (and with the rows compared
 * with the block of rows from l, the block's size less one more). */
static int sweep(Search* s, int low, int high, int from, int to) {
    const int first = REACH, last = s->Bitmap->Height - 1 - REACH;
    const int wide = s->Wide[0] != NULL;
    const int group = wide ? WIDE_BLOCK : BLOCK;
    const int blocks = s->Levels && (wide || FxBlockDots());
    s->Left = last - first + 1;
    int status = FxProgressStart(&s->Progress, from, to, s->Left);
    int l = first;
    for (; blocks && status == FX_OK && l + group - 1 <= last; l += group) {
        status = scoreBlock(s, l, low, high, wide);
        for (int i = 0; status == FX_OK && i < group; ++i)
            status = step(s);
    }
    for (; status == FX_OK && l <= last; ++l) {
        const uint8_t* a;
        const uint8_t* b[OFFSETS];
        const uint16_t* wa;
        const uint16_t* wb[OFFSETS];
        status = load(s, l, &a, &wa);
        for (int offset = low; status == FX_OK && offset <= high; ++offset)
            status = load(s, l + offset, &b[offset - low], &wb[offset - low]);
        if (status == FX_OK) {
            scoreRows(s, l, a, l + low, b, wa, wb, high - low + 1, &s->Totals[low + REACH]);
            status = step(s);
        }
    }
    return status;
}

/* Progress rises through the first sweep's share of from .. to (24 of the
 * 47 offsets), then through the rest; the one sweep reports the same. A
 * page too small to compare reports only from. */
static int searchRows(Search* s, int from, int to) {
    const RasterBitmap* b = s->Bitmap;
    if (b->Width <= FX_SKEW_SHIFT || b->Height < OFFSETS)
        return FxProgressStart(&s->Progress, from, to, 0);
    const int middle = from + (to - from) * RING / OFFSETS;
    s->Steps = 1;
    s->Next = -1;
    if (s->Ring != RING) {
        s->Steps = 2;
        s->Next = middle + 1;
        s->To = to;
        return sweep(s, -REACH, REACH, from, middle);
    }
    int status = sweep(s, 0, REACH, from, middle);
    if (status == FX_OK)
        status = sweep(s, -REACH, -1, middle + 1, to);
    return status;
}

/* The offset with the largest total; an offset replaces the one kept only
 * with a strictly larger total, starting from offset 0 with total 0. */
static int bestOffset(const Search* s) {
    int kept = 0;
    uint64_t keptTotal = 0;
    for (int offset = -REACH; offset <= REACH; ++offset)
        if (s->Totals[offset + REACH] > keptTotal) {
            kept = offset;
            keptTotal = s->Totals[offset + REACH];
        }
    return kept;
}

/* The histogram of the counted levels through the palette's intensities,
 * as the library's histogram of the bitmap would give it. */
static void foldCounts(const Search* s, uint32_t histogram[256]) {
    uint32_t counts[256];
    FxFoldLevelPairs((const uint32_t(*)[FX_PAIR_TABLE])s->Pairs, s->Single, counts);
    memset(histogram, 0, 256 * sizeof(uint32_t));
    for (int v = 0; v < 256; ++v)
        histogram[intensityOf(s->Colors[v])] += counts[v];
}

int FxFindSkewCounting(RasterBitmap* bitmap, int from, int to, int* offset, uint32_t histogram[256],
                       int* counted) {
    *offset = 0;
    if (counted)
        *counted = 0;
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    Search s;
    memset(&s, 0, sizeof s);
    s.Bitmap = bitmap;
    status = prepare(&s);
    intptr_t token = 0;
    if (status == FX_OK && !(token = KBeginAccess(bitmap)))
        status = FX_ERR_BAD_BITMAP;
    if (status == FX_OK)
        status = allocRows(&s);
    const int counting = status == FX_OK && histogram && counted && bitmap->BitsPerPixel == 8 &&
                         !s.Convert && bitmap->Width > FX_SKEW_SHIFT && bitmap->Height >= OFFSETS;
    if (counting) {
        s.Pairs = KAlloc(4 * sizeof *s.Pairs, 1);
        s.Counted = KAlloc((size_t)bitmap->Height, 1);
        if (!s.Pairs || !s.Counted)
            status = FX_ERR_NO_MEMORY;
    }
    s.Highest = -1;
    if (status == FX_OK)
        status = searchRows(&s, from, to);
    if (status == FX_OK && counting)
        countRest(&s);
    if (status == FX_OK)
        *offset = bestOffset(&s);
    if (status == FX_OK && counting && s.CountedRows == bitmap->Height) {
        foldCounts(&s, histogram);
        *counted = 1;
    }
    if (token)
        KEndAccess(bitmap, token);
    for (int k = 0; k < BLOCK_RING; ++k) {
        KFree(s.Rows[k]);
        KFree(s.Wide[k]);
    }
    KFree(s.Pairs);
    KFree(s.Counted);
    return status;
}

int FxFindSkew(RasterBitmap* bitmap, int from, int to, int* offset) {
    return FxFindSkewCounting(bitmap, from, to, offset, NULL, NULL);
}
