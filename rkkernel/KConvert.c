/* Row conversion between the stored pixel formats and the work formats.
 * Conversions that widen a row run from its last pixel backwards so that
 * they can work in place; those that narrow it run forwards. */
#include "KInternal.h"

#include <string.h>

static inline uint8_t widen5(unsigned v) {
    return (uint8_t)((v << 3) | (v >> 2));
}

static inline void putBGR(uint8_t* p, const RasterColor c) {
    p[0] = c.Blue;
    p[1] = c.Green;
    p[2] = c.Red;
}

/* Palette index of pixel x of a packed row. */
static inline unsigned indexAt(const uint8_t* row, int x, int bits) {
    if (bits == 8)
        return row[x];
    if (bits == 4)
        return (x & 1) ? row[x >> 1] & 15u : row[x >> 1] >> 4;
    return (row[x >> 3] >> (7 - (x & 7))) & 1u;
}

/* Lookup tables of a palette's colours. The rows of one bitmap arrive with
 * the same colours, and building the tables costs as much as converting a
 * row of a few hundred pixels, so each thread keeps those of the last
 * colours it converted from. */
typedef struct PaletteTables {
    int Count; /* entries the tables describe; 0 before the first row */
    RasterColor Colors[256];
    uint8_t Grey[256];      /* grey level of every index */
    uint32_t Packed[256];   /* blue, green, red in the low three bytes */
    uint8_t Planes[3][256]; /* blue, green and red of every index */
} PaletteTables;

static _Thread_local PaletteTables lastTables;

static const PaletteTables* tablesOf(const RasterColor* colors, int count) {
    PaletteTables* t = &lastTables;
    const size_t bytes = (size_t)count * sizeof(RasterColor);
    if (t->Count == count && memcmp(t->Colors, colors, bytes) == 0)
        return t;
    memcpy(t->Colors, colors, bytes);
    for (int i = 0; i < count; ++i) {
        const RasterColor c = colors[i];
        t->Grey[i] = (uint8_t)KIntensity(c.Red, c.Green, c.Blue);
        t->Packed[i] = c.Blue | ((uint32_t)c.Green << 8) | ((uint32_t)c.Red << 16);
        t->Planes[0][i] = c.Blue, t->Planes[1][i] = c.Green, t->Planes[2][i] = c.Red;
    }
    t->Count = count;
    return t;
}

/* 8-bit indices to BGR in chunks from the end of the row: each chunk's
 * indices are copied aside, then its pixels are written front to back (four
 * bytes at a time where the fourth lands on the next pixel, still to be
 * written). A chunk's pixels start at three times its first index, past
 * every index still to be read. */
static void indicesToBGR(uint8_t* b, int width, const RasterColor* colors) {
    const PaletteTables* t = tablesOf(colors, 256);
    enum { CHUNK = 512 };
    uint8_t indices[CHUNK];
    for (int end = width; end > 0; end -= CHUNK) {
        int start = end > CHUNK ? end - CHUNK : 0, n = end - start;
        memcpy(indices, b + start, (size_t)n);
        uint8_t* out = b + 3 * (size_t)start;
        int k = KWideExpand(out, indices, n, &t->Planes[0][0]);
        for (; k + 1 < n; ++k)
            memcpy(out + 3 * k, &t->Packed[indices[k]], 4);
        if (k < n)
            putBGR(out + 3 * k, colors[indices[k]]);
    }
}

static void paletteToBGR(uint8_t* b, int width, int bits, const RasterColor* colors) {
    if (bits == 8) {
        indicesToBGR(b, width, colors);
        return;
    }
    for (int x = width - 1; x >= 0; --x)
        putBGR(b + 3 * x, colors[indexAt(b, x, bits)]);
}

static void paletteToGrey(uint8_t* b, int width, int bits, const RasterColor* colors) {
    /* A local copy: the compiler then knows the row's stores leave it be. */
    uint8_t grey[256];
    memcpy(grey, tablesOf(colors, 1 << bits)->Grey, sizeof grey);
    if (bits == 8) {
        for (int x = 0; x < width; ++x)
            b[x] = grey[b[x]];
        return;
    }
    for (int x = width - 1; x >= 0; --x)
        b[x] = grey[indexAt(b, x, bits)];
}

/* The three widened fields of a 16-bit pixel as blue, green, red. */
static inline void unpack16(const uint8_t* p, int order, uint8_t* bgr) {
    unsigned w = (unsigned)p[0] | ((unsigned)p[1] << 8);
    uint8_t low = widen5(w & 31u), mid = widen5((w >> 5) & 31u), high = widen5((w >> 10) & 31u);
    bgr[0] = order == RB_ORDER_BGR ? low : high;
    bgr[1] = mid;
    bgr[2] = order == RB_ORDER_BGR ? high : low;
}

static void from16(uint8_t* b, int width, int order, int targetBits) {
    uint8_t bgr[3];
    if (targetBits == K_WORK_BGR) {
        for (int x = KWideFrom16(b, width, order) - 1; x >= 0; --x) {
            unpack16(b + 2 * x, order, bgr);
            memcpy(b + 3 * x, bgr, 3);
        }
    } else {
        for (int x = 0; x < width; ++x) {
            unpack16(b + 2 * x, order, bgr);
            b[x] = (uint8_t)KIntensity(bgr[2], bgr[1], bgr[0]);
        }
    }
}

/* Grey levels to blue-green-red in chunks from the end of the row, as
 * indicesToBGR does. */
static void greyToBGR(uint8_t* b, int width) {
    enum { CHUNK = 512 };
    uint8_t levels[CHUNK];
    for (int end = width; end > 0; end -= CHUNK) {
        int start = end > CHUNK ? end - CHUNK : 0, n = end - start;
        memcpy(levels, b + start, (size_t)n);
        uint8_t* out = b + 3 * (size_t)start;
        for (int k = KWideTriple(out, levels, n); k < n; ++k)
            out[3 * k] = out[3 * k + 1] = out[3 * k + 2] = levels[k];
    }
}

/* 24- or 32-bit pixels (bytes apart) to work format, forwards. */
static void fromDirect(uint8_t* b, int width, int bytes, int order, int targetBits) {
    int blue = order == RB_ORDER_BGR ? 0 : 2, red = 2 - blue;
    if (targetBits == K_WORK_GREY) {
        for (int x = KWideIntensity(b, width, bytes, order); x < width; ++x) {
            const uint8_t* p = b + (size_t)bytes * x;
            b[x] = (uint8_t)KIntensity(p[red], p[1], p[blue]);
        }
        return;
    }
    if (bytes == 3 && order == RB_ORDER_BGR)
        return;
    int done = bytes == 4 ? KWideFrom32(b, width, order) : KWideSwap3(b, width);
    for (int x = done; x < width; ++x) {
        const uint8_t* p = b + (size_t)bytes * x;
        uint8_t c0 = p[blue], c1 = p[1], c2 = p[red];
        b[3 * x] = c0;
        b[3 * x + 1] = c1;
        b[3 * x + 2] = c2;
    }
}

static inline void pack16(uint8_t* p, const uint8_t* bgr, int order) {
    unsigned r = bgr[2] >> 3, g = bgr[1] >> 3, bl = bgr[0] >> 3;
    unsigned w = order == RB_ORDER_BGR ? (r << 10) | (g << 5) | bl : (bl << 10) | (g << 5) | r;
    p[0] = (uint8_t)w;
    p[1] = (uint8_t)(w >> 8);
}

/* Work format (grey or BGR) to 16-, 24- or 32-bit. */
static void toDirect(uint8_t* b, int width, int sourceBits, int bits, int order) {
    int step = sourceBits == K_WORK_BGR ? 3 : 1;
    int bytes = bits / 8;
    int blue = order == RB_ORDER_BGR ? 0 : 2, red = 2 - blue;
    uint8_t bgr[3];
    if (step == 3 && bytes == 3 && order == RB_ORDER_BGR)
        return;
    if (step == 1 && bytes == 3) {
        greyToBGR(b, width);
        return;
    }
    if (bytes <= step) {
        /* Narrower or equal: forwards (24 from BGR, 16 from BGR). */
        const int done = bytes == 3 ? KWideSwap3(b, width) : KWideTo16(b, width, order);
        for (int x = done; x < width; ++x) {
            memcpy(bgr, b + 3 * x, 3);
            uint8_t* p = b + (size_t)bytes * x;
            if (bytes == 2) {
                pack16(p, bgr, order);
            } else {
                p[blue] = bgr[0];
                p[1] = bgr[1];
                p[red] = bgr[2];
            }
        }
        return;
    }
    /* Wider: backwards; the vector form does the highest pixels. */
    const int rest = step == 3 && bytes == 4 ? KWideTo32(b, width, order) : width;
    for (int x = rest - 1; x >= 0; --x) {
        if (step == 3)
            memcpy(bgr, b + 3 * x, 3);
        else
            bgr[0] = bgr[1] = bgr[2] = b[x];
        uint8_t* p = b + (size_t)bytes * x;
        if (bytes == 2) {
            pack16(p, bgr, order);
            continue;
        }
        p[blue] = bgr[0];
        p[1] = bgr[1];
        p[red] = bgr[2];
        if (bytes == 4)
            p[3] = 0;
    }
}

/* Work format to palette indices by the nearest of 256 target colours. */
static void toPalette(uint8_t* b, int width, int sourceBits, int bits, const RasterColor* colors) {
    int count = 1 << bits;
    int lastKey = -1, lastIndex = 0;
    for (int x = 0; x < width; ++x) {
        int r, g, bl;
        if (sourceBits == K_WORK_BGR) {
            bl = b[3 * x], g = b[3 * x + 1], r = b[3 * x + 2];
        } else {
            r = g = bl = b[x];
        }
        int key = (r << 16) | (g << 8) | bl;
        if (key != lastKey) {
            lastKey = key;
            lastIndex = KNearestEntry(colors, count, r, g, bl);
        }
        b[x] = (uint8_t)lastIndex;
    }
    KPackIndices(b, width, bits);
}

/* Swaps the first and third byte of width three-byte pixels. */
static void swapOrder(uint8_t* b, int width) {
    for (int x = KWideSwap3(b, width); x < width; ++x) {
        uint8_t t = b[3 * x];
        b[3 * x] = b[3 * x + 2];
        b[3 * x + 2] = t;
    }
}

/* Stored pixels (not grey bytes, not 24-bit) to a work format. */
static int toWork(uint8_t* b, int width, int sourceBits, int targetBits, int sourceOrder,
                  const RasterColor* sourceColors) {
    switch (sourceBits) {
    case 1:
    case 4:
    case 8:
        if (!sourceColors)
            return K_ERR_BAD_PARAMETER;
        if (targetBits == K_WORK_BGR)
            paletteToBGR(b, width, sourceBits, sourceColors);
        else
            paletteToGrey(b, width, sourceBits, sourceColors);
        return K_OK;
    case 16:
        from16(b, width, sourceOrder, targetBits);
        return K_OK;
    case 32:
        fromDirect(b, width, 4, sourceOrder, targetBits);
        return K_OK;
    default:
        return K_ERR_BAD_PARAMETER;
    }
}

int KConvertRow(void* buffer, int width, int sourceBits, int targetBits, int sourceOrder,
                int targetOrder, const RasterColor* sourceColors, const RasterColor* targetColors) {
    uint8_t* b = buffer;
    if (!b || width < 0)
        return K_ERR_BAD_PARAMETER;
    if (sourceBits == K_WORK_GREY || sourceBits == 24) {
        /* From a work format (24-bit rows in either order) to any form. */
        if (sourceBits == 24 && targetBits == K_WORK_GREY) {
            fromDirect(b, width, 3, sourceOrder, K_WORK_GREY);
            return K_OK;
        }
        if (targetBits == K_WORK_GREY) {
            return K_OK;
        }
        if (!KValidBits(targetBits))
            return K_ERR_BAD_PARAMETER;
        if (sourceBits == 24 && sourceOrder != RB_ORDER_BGR)
            swapOrder(b, width);
        if (targetBits <= 8) {
            if (!targetColors)
                return K_ERR_BAD_PARAMETER;
            toPalette(b, width, sourceBits, targetBits, targetColors);
            return K_OK;
        }
        toDirect(b, width, sourceBits, targetBits, targetOrder);
        return K_OK;
    }
    if (targetBits != K_WORK_GREY && targetBits != 24)
        return K_ERR_BAD_PARAMETER;
    int status = toWork(b, width, sourceBits, targetBits, sourceOrder, sourceColors);
    if (status == K_OK && targetBits == 24 && targetOrder != RB_ORDER_BGR)
        swapOrder(b, width);
    return status;
}

int KPackIndices(void* buffer, int width, int bits) {
    uint8_t* b = buffer;
    if (!b || width < 0 || (bits != 1 && bits != 4 && bits != 8))
        return K_ERR_BAD_PARAMETER;
    if (bits == 4) {
        for (int x = 0; x < width; x += 2) {
            uint8_t high = (uint8_t)(b[x] & 15u);
            uint8_t low = x + 1 < width ? (uint8_t)(b[x + 1] & 15u) : 0;
            b[x >> 1] = (uint8_t)((high << 4) | low);
        }
    } else if (bits == 1) {
        for (int x = 0; x < width; x += 8) {
            unsigned byte = 0;
            for (int k = 0; k < 8; ++k)
                byte = (byte << 1) | (x + k < width ? b[x + k] & 1u : 0u);
            b[x >> 3] = (uint8_t)byte;
        }
    }
    return K_OK;
}
