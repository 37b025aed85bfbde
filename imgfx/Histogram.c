/* Histograms of the levels inside a bitmap's region, read straight from the
 * stored rows (nothing is written, so the row walker's conversions are not
 * needed): palette pixels are counted by index and folded into bins through
 * their entries at the end, direct pixels by level. */
#include "imgfx/Histogram.h"

#include "imgfx/Clones.h"
#include "imgfx/ColorPlanes.h"
#include "imgfx/PalettePath.h"
#include "imgfx/RowWalker.h"

#include <string.h>

enum { CHUNK = 1024 };

typedef struct Counting {
    int Bits;
    /* Byte weights of a 16-, 24- or 32-bit pixel's blue-, green- and
     * red-carrying positions (16-bit: low, middle, high field); the level
     * is (weighted sum + 4) >> 3. */
    uint8_t Weights[4];
    /* Eight interleaved sub-histograms of palette indices (bits < 16) or of
     * levels, so that runs of one value do not wait on one counter. */
    uint32_t Counts[8][256];
    uint8_t Levels[CHUNK];
} Counting;

static void countBits(Counting* c, const uint8_t* row, int start, int end) {
    const uint8_t* bitCount = KBitCountTable();
    const int first = start >> 3, last = (end - 1) >> 3;
    const uint8_t head = (uint8_t)(0xFFu >> (start & 7));
    const uint8_t tail = (uint8_t)(0xFFu << ((8 - (end & 7)) & 7));
    uint32_t ones;
    if (first == last) {
        ones = bitCount[row[first] & head & tail];
    } else {
        ones = bitCount[row[first] & head] + bitCount[row[last] & tail];
        for (int b = first + 1; b < last; ++b)
            ones += bitCount[row[b]];
    }
    c->Counts[0][1] += ones;
    c->Counts[0][0] += (uint32_t)(end - start) - ones;
}

static void countNibbles(Counting* c, const uint8_t* row, int start, int end) {
    for (int x = start; x < end; ++x)
        ++c->Counts[x & 7][(x & 1) ? row[x >> 1] & 15u : row[x >> 1] >> 4];
}

/* The two low bytes of w as indices, in one instruction each through the
 * processor's low- and high-byte registers: compilers take bytes out of a
 * word by shift and mask, three instructions a byte, and the counting is
 * bound by the instructions it issues besides its one write a byte. */
static inline void countPair(uint32_t (*counts)[256], uint64_t w) {
    uint64_t low, high;
    /* A high-byte register cannot go with the registers that need an
     * instruction prefix (r8 to r15): both the word and the second index
     * stay in a, b, c or d. */
    __asm__("movzbl %b2, %k0\n\tmovzbl %h2, %k1" : "=&r"(low), "=&Q"(high) : "Q"(w));
    ++counts[0][low];
    ++counts[1][high];
}

/* Eight bytes a load, each to its own sub-histogram. */
static void countBytes(Counting* c, const uint8_t* p, int n) {
    int x = 0;
    for (; x + 8 <= n; x += 8) {
        uint64_t v;
        memcpy(&v, p + x, 8);
        countPair(c->Counts, v);
        countPair(c->Counts + 2, v >> 16);
        countPair(c->Counts + 4, v >> 32);
        countPair(c->Counts + 6, v >> 48);
    }
    for (; x < n; ++x)
        ++c->Counts[0][p[x]];
}

static inline unsigned weighted(const uint8_t* w, unsigned a, unsigned b, unsigned c) {
    return (w[0] * a + w[1] * b + w[2] * c + 4) >> 3;
}

static void levels16(const Counting* c, const uint8_t* p, int n, uint8_t* out) {
    for (int x = 0; x < n; ++x) {
        unsigned v = p[2 * x] | ((unsigned)p[2 * x + 1] << 8);
        unsigned low = v & 31u, mid = (v >> 5) & 31u, high = (v >> 10) & 31u;
        out[x] = (uint8_t)weighted(c->Weights, (low << 3) | (low >> 2), (mid << 3) | (mid >> 2),
                                   (high << 3) | (high >> 2));
    }
}

/* Levels of 24- or 32-bit pixels dealt to blue-, green- and red-carrying
 * planes (the fourth byte of 32-bit pixels dealt and left), in plain C
 * that the compiler vectorises for each level: every sum fits 16 bits. */
FX_BODY void levelsOfPlanesBody(const uint8_t* restrict w, const uint8_t* restrict a,
                                const uint8_t* restrict b, const uint8_t* restrict c, int n,
                                uint8_t* restrict out) {
    const uint16_t wa = w[0], wb = w[1], wc = w[2];
    for (int x = 0; x < n; ++x)
        out[x] = (uint8_t)((uint16_t)(wa * a[x] + wb * b[x] + wc * c[x] + 4) >> 3);
}

FX_LEVELS(static, levelsOfPlanes,
          (const uint8_t* restrict w, const uint8_t* restrict a, const uint8_t* restrict b,
           const uint8_t* restrict c, int n, uint8_t* restrict out),
          (w, a, b, c, n, out))

/* Levels of n 24- or 32-bit pixels: dealt to planes by the processor's
 * best form (ColorPlanes.c), then weighted plane by plane. That measures
 * faster at every level than weighing the pixels where they lie, even
 * with AVX-512 byte permutes. */
static void levelsDirect(const uint8_t* w, const uint8_t* p, int n, int bytes, uint8_t* out) {
    uint8_t planes[4][CHUNK];
    uint8_t* const rows[4] = {planes[0], planes[1], planes[2], planes[3]};
    FxDealPlanes(p, n, bytes, rows, 0);
    levelsOfPlanes(w, planes[0], planes[1], planes[2], n, out);
}

/* Levels of 16-, 24- or 32-bit pixels, a chunk at a time. */
static void countDirect(Counting* c, const uint8_t* row, int start, int end) {
    const int bytes = c->Bits / 8;
    for (int x = start; x < end; x += CHUNK) {
        int n = end - x < CHUNK ? end - x : CHUNK;
        const uint8_t* p = row + (size_t)bytes * x;
        if (bytes == 2) {
            levels16(c, p, n, c->Levels);
        } else {
            levelsDirect(c->Weights, p, n, bytes, c->Levels);
        }
        countBytes(c, c->Levels, n);
    }
}

static void countSpan(Counting* c, const uint8_t* row, int start, int end) {
    if (start >= end)
        return;
    switch (c->Bits) {
    case 1:
        countBits(c, row, start, end);
        break;
    case 4:
        countNibbles(c, row, start, end);
        break;
    case 8:
        countBytes(c, row + start, end - start);
        break;
    default:
        countDirect(c, row, start, end);
        break;
    }
}

/* Weights of the positions holding blue, green and red, as the colour
 * order places them, for intensity or one channel. */
static void setWeights(Counting* c, unsigned channel, int colorOrder) {
    uint8_t blue = 1, green = 5, red = 2;
    if (channel != 0) {
        red = channel == 1 ? 8 : 0;
        green = channel == 2 ? 8 : 0;
        blue = channel == 3 ? 8 : 0;
    }
    const int bgr = colorOrder == RB_ORDER_BGR;
    c->Weights[0] = bgr ? blue : red;
    c->Weights[1] = green;
    c->Weights[2] = bgr ? red : blue;
    c->Weights[3] = 0;
}

/* The bin of every palette index: its entry's intensity or channel level;
 * indices past the palette's entries count as black. */
static int paletteBins(const RasterBitmap* bitmap, unsigned channel, uint8_t bins[256]) {
    RasterColor entries[256];
    int count = FxReadPalette(bitmap, entries);
    if (count < 0)
        return FX_ERR_BAD_BITMAP;
    memset(bins, 0, 256);
    for (int i = 0; i < count; ++i) {
        const RasterColor e = entries[i];
        bins[i] = channel == 1   ? e.Red
                  : channel == 2 ? e.Green
                  : channel == 3 ? e.Blue
                                 : (uint8_t)((5 * e.Green + 2 * e.Red + e.Blue + 4) >> 3);
    }
    return FX_OK;
}

/* The stored rows are read where they are, from the byte holding the
 * first column of the region's bounds. */
typedef struct Walk {
    RasterBitmap* Bitmap;
    KRect Bounds;
    int FirstColumn;
    size_t FirstByte;
    int32_t* Spans;
} Walk;

static int countRows(Walk* w, Counting* c, int from, int to) {
    FxProgress progress;
    int rows = w->Bounds.Bottom > w->Bounds.Top ? w->Bounds.Bottom - w->Bounds.Top : 0;
    int status = FxProgressStart(&progress, from, to, rows);
    for (int r = w->Bounds.Top; status == FX_OK && r < w->Bounds.Bottom; ++r) {
        int count = 0;
        status = KRowSpans(w->Bitmap, r, w->Spans, &count);
        const uint8_t* row = NULL;
        if (status == K_OK && count > 0 && !(row = KRowAddress(w->Bitmap, r)))
            status = FX_ERR_BAD_BITMAP;
        if (status != K_OK)
            return status;
        for (int i = 0; i + 1 < count; i += 2)
            countSpan(c, row + w->FirstByte, w->Spans[i] - w->FirstColumn,
                      w->Spans[i + 1] - w->FirstColumn);
        status = FxProgressStep(&progress);
    }
    return status;
}

/* Sums the sub-histograms into the bins, through the palette for palette
 * indices. */
static void fold(const Counting* c, const uint8_t bins[256], uint32_t histogram[256]) {
    memset(histogram, 0, 256 * sizeof(uint32_t));
    for (int v = 0; v < 256; ++v) {
        uint32_t n = 0;
        for (int k = 0; k < 8; ++k)
            n += c->Counts[k][v];
        histogram[bins ? bins[v] : v] += n;
    }
}

static int isValidDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

int FxCollectHistogram(RasterBitmap* bitmap, uint32_t histogram[256], unsigned channel, int from,
                       int to) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    if (!histogram || channel > 3)
        return FX_ERR_BAD_PARAMETER;
    if (!isValidDepth(bitmap->BitsPerPixel))
        return FX_ERR_BAD_BITMAP;
    Counting c;
    uint8_t bins[256];
    const int palette = bitmap->BitsPerPixel < 16;
    c.Bits = bitmap->BitsPerPixel;
    if (palette)
        status = paletteBins(bitmap, channel, bins);
    else
        setWeights(&c, channel, bitmap->ColorOrder);
    Walk w = {bitmap, {0, 0, 0, 0}, 0, 0, NULL};
    int maxSpans = 0, width = 0;
    if (status == FX_OK)
        status = KRegionBounds(bitmap, 0, &w.Bounds);
    if (status == K_OK)
        status = KMaxSpanCount(bitmap, &maxSpans);
    if (status != K_OK)
        return status;
    int storedBytes = 0;
    FxAlignColumns(bitmap->BitsPerPixel, w.Bounds.Left, w.Bounds.Right, &w.FirstColumn, &width,
                   &storedBytes);
    w.FirstByte = (size_t)w.FirstColumn * (size_t)bitmap->BitsPerPixel / 8;
    w.Spans = KAlloc((size_t)maxSpans * sizeof(int32_t), 0);
    intptr_t token = w.Spans ? KBeginAccess(bitmap) : 0;
    if (!w.Spans) {
        status = FX_ERR_NO_MEMORY;
    } else if (!token) {
        status = FX_ERR_BAD_BITMAP;
    } else {
        memset(c.Counts, 0, sizeof c.Counts);
        status = countRows(&w, &c, from, to);
        fold(&c, palette ? bins : NULL, histogram);
        KEndAccess(bitmap, token);
    }
    KFree(w.Spans);
    return status;
}

int R_GetBitmapHistogram(RasterBitmap* bitmap, uint32_t* histogram, unsigned channel) {
    return FxCollectHistogram(bitmap, histogram, channel, 0, 100);
}
