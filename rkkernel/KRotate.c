/* Rotation of a bitmap in place about its centre, keeping its size. */
#include "KInternal.h"
#include "KRotateSteps.h"

#include <math.h>
#include <stdlib.h>
#include <string.h>

typedef struct Rotation {
    const RasterBitmap* Bitmap;
    const uint8_t* Source; /* copy of the pixels before rotation */
    double Cos, Sin;
    int Bytes;       /* bytes per pixel for direct formats */
    int Nearest;     /* palette indices: nearest pixel */
    uint8_t Fill[4]; /* stored form of the fill: index, 16-bit word or bytes */
    int Wide;        /* the source is small enough for KWideBilinear's offsets */
} Rotation;

static const uint8_t* sourceRow(const Rotation* rot, int pictureRow) {
    const RasterBitmap* b = rot->Bitmap;
    int stored = b->RowOrder == RB_ROWS_BOTTOM_UP ? b->Height - 1 - pictureRow : pictureRow;
    return rot->Source + (size_t)stored * (size_t)b->BytesPerLine;
}

static unsigned getIndex(const uint8_t* row, int x, int bits) {
    if (bits == 8)
        return row[x];
    if (bits == 4)
        return (x & 1) ? row[x >> 1] & 15u : row[x >> 1] >> 4;
    return (row[x >> 3] >> (7 - (x & 7))) & 1u;
}

static void setIndex(uint8_t* row, int x, int bits, unsigned v) {
    if (bits == 8) {
        row[x] = (uint8_t)v;
    } else if (bits == 4) {
        int shift = (x & 1) ? 0 : 4;
        row[x >> 1] = (uint8_t)((row[x >> 1] & ~(15u << shift)) | ((v & 15u) << shift));
    } else {
        int shift = 7 - (x & 7);
        row[x >> 3] = (uint8_t)((row[x >> 3] & ~(1u << shift)) | ((v & 1u) << shift));
    }
}

/* Channel k of pixel x of a direct row, 16-bit words split into fields. */
static int channel(const Rotation* rot, const uint8_t* row, int x, int k) {
    if (rot->Bitmap->BitsPerPixel == 16) {
        unsigned w = (unsigned)row[2 * x] | ((unsigned)row[2 * x + 1] << 8);
        return (int)((w >> (5 * k)) & 31u);
    }
    return row[(size_t)rot->Bytes * x + k];
}

/* Nearest pixels, eight at a time: the indices of eight pixels make one
 * group of 8 * bits bits, most significant first, stored as bits whole
 * bytes. Over stretches where the positions ahead are exact sums
 * (KRotateSteps.h) they are worked out without the chain; there, a
 * stretch wholly to one side of the picture is fill, and in a stretch
 * wholly inside it eight pixels on consecutive source columns of one
 * source row (or of two rows next to each other, the first pixels on the
 * one) are whole stretches of that row's bits, taken eight bytes at once.
 * The source is readable 16 bytes past its end for those loads. Other
 * pixels are taken one by one, as the chain gives them. */
typedef struct NearestRow {
    const uint8_t* Top; /* picture row 0 of the source */
    ptrdiff_t Stride;   /* from one picture row to the next */
    int Width, Height, Bits;
    unsigned Fill; /* the fill index, masked to the depth */
} NearestRow;

static inline unsigned nearestAt(const NearestRow* n, double sx, double sy) {
    if (sx >= 0 && sx < n->Width && sy >= 0 && sy < n->Height)
        return getIndex(n->Top + (ptrdiff_t)(int)sy * n->Stride, (int)sx, n->Bits);
    return n->Fill;
}

/* The 8 * bits bits of eight pixels from source column x of row. */
static inline uint64_t nearestRun(const NearestRow* n, const uint8_t* row, int x) {
    const size_t bit = (size_t)x * (size_t)n->Bits;
    uint64_t w;
    memcpy(&w, row + (bit >> 3), 8);
    w = __builtin_bswap64(w) << (bit & 7);
    return n->Bits == 8 ? w : w >> (64 - 8 * n->Bits);
}

static inline void storeGroup(const NearestRow* n, uint8_t* out, int x, uint64_t v) {
    if (n->Bits == 1) {
        out[x >> 3] = (uint8_t)v;
    } else if (n->Bits == 4) {
        const uint32_t w = __builtin_bswap32((uint32_t)v);
        memcpy(out + (x >> 1), &w, 4);
    } else {
        const uint64_t w = __builtin_bswap64(v);
        memcpy(out + x, &w, 8);
    }
}

/* Pixels k0 .. k0 + 7 of an exact stretch, one by one. */
static uint64_t groupOneByOne(const NearestRow* n, double sx, double dx, double sy, double dy,
                              int k0) {
    uint64_t v = 0;
    for (int k = k0; k < k0 + 8; ++k)
        v = (v << n->Bits) | nearestAt(n, sx + k * dx, sy + k * dy);
    return v;
}

/* Pixels k0 .. k0 + 7 of an exact stretch wholly inside the picture. */
static uint64_t groupInside(const NearestRow* n, double sx, double dx, double sy, double dy,
                            int k0) {
    const int x0 = (int)(sx + k0 * dx), x7 = (int)(sx + (k0 + 7) * dx);
    const int y0 = (int)(sy + k0 * dy), y7 = (int)(sy + (k0 + 7) * dy);
    /* Columns step by at most one a pixel: seven apart over eight pixels,
     * they are consecutive; rows likewise, and monotonic. */
    if (x7 - x0 != 7 || (y7 - y0 != 0 && y7 - y0 != 1 && y7 - y0 != -1))
        return groupOneByOne(n, sx, dx, sy, dy, k0);
    const uint8_t* first = n->Top + (ptrdiff_t)y0 * n->Stride;
    const uint64_t v = nearestRun(n, first, x0);
    if (y7 == y0)
        return v;
    int m = 1; /* pixels on row y0 */
    while ((int)(sy + (k0 + m) * dy) == y0)
        ++m;
    const int group = 8 * n->Bits;
    const uint64_t all = group == 64 ? ~(uint64_t)0 : ((uint64_t)1 << group) - 1;
    const uint64_t head = all & ~(all >> (m * n->Bits));
    return (v & head) | (nearestRun(n, first + (y7 - y0) * n->Stride, x0) & ~head & all);
}

static uint64_t fillGroup(const NearestRow* n) {
    uint64_t v = 0;
    for (int k = 0; k < 8; ++k)
        v = (v << n->Bits) | n->Fill;
    return v;
}

static void rotateRowNearest(const Rotation* rot, uint8_t* out, int y) {
    const RasterBitmap* b = rot->Bitmap;
    double dy = y + 0.5 - b->Height / 2.0;
    double sx = -(b->Width / 2.0) * rot->Cos + dy * rot->Sin + b->Width / 2.0;
    double sy = (b->Width / 2.0) * rot->Sin + dy * rot->Cos + b->Height / 2.0;
    sx += 0.5 * rot->Cos, sy -= 0.5 * rot->Sin;
    const int bottomUp = b->RowOrder == RB_ROWS_BOTTOM_UP;
    const int w = b->Width, h = b->Height, bits = b->BitsPerPixel;
    const NearestRow n = {rot->Source + (bottomUp ? (size_t)(h - 1) * (size_t)b->BytesPerLine : 0),
                          bottomUp ? -(ptrdiff_t)b->BytesPerLine : (ptrdiff_t)b->BytesPerLine,
                          w,
                          h,
                          bits,
                          rot->Fill[0] & (bits == 8 ? 255u : (1u << bits) - 1)};
    const uint64_t fill = fillGroup(&n);
    KStepRun runX = KStepRunOf(rot->Cos), runY = KStepRunOf(-rot->Sin);
    int x = 0;
    while (x + 8 <= w) {
        const int count = w - x >= 64 ? 64 : (w - x) / 8 * 8;
        double ddx, ddy;
        if (count >= 16 && KStepsAhead(&runX, sx, count, &ddx) &&
            KStepsAhead(&runY, sy, count, &ddy)) {
            const double ex = sx + (count - 1) * ddx, ey = sy + (count - 1) * ddy;
            const double loX = sx < ex ? sx : ex, hiX = sx < ex ? ex : sx;
            const double loY = sy < ey ? sy : ey, hiY = sy < ey ? ey : sy;
            if (hiX < 0 || loX >= w || hiY < 0 || loY >= h) {
                for (int k = 0; k < count; k += 8)
                    storeGroup(&n, out, x + k, fill);
            } else if (loX >= 0 && hiX < w && loY >= 0 && hiY < h) {
                for (int k = 0; k < count; k += 8)
                    storeGroup(&n, out, x + k, groupInside(&n, sx, ddx, sy, ddy, k));
            } else {
                for (int k = 0; k < count; k += 8)
                    storeGroup(&n, out, x + k, groupOneByOne(&n, sx, ddx, sy, ddy, k));
            }
            sx += count * ddx, sy += count * ddy;
            x += count;
            continue;
        }
        uint64_t v = 0;
        for (int k = 0; k < 8; ++k, sx += rot->Cos, sy -= rot->Sin)
            v = (v << bits) | nearestAt(&n, sx, sy);
        storeGroup(&n, out, x, v);
        x += 8;
    }
    /* The last pixels share their byte with the row's unused bits, which
     * stay as they were. */
    for (; x < w; ++x, sx += rot->Cos, sy -= rot->Sin)
        setIndex(out, x, bits, nearestAt(&n, sx, sy));
}

/* Bilinear resampling of pixels from..width-1 of a row of pixels of bytes
 * bytes each (1, 3 or 4, every byte interpolated), pixel from at source
 * position sx, sy. Inlined once for each size, so that the byte loop is
 * unrolled. */
static inline __attribute__((always_inline)) void
bilinearBytes(const Rotation* rot, uint8_t* out, int from, double sx, double sy, const int bytes) {
    const RasterBitmap* b = rot->Bitmap;
    const int w = b->Width, h = b->Height;
    for (int x = from; x < w; ++x, sx += rot->Cos, sy -= rot->Sin) {
        uint8_t* p = out + (size_t)bytes * x;
        if (sx < -0.5 || sy < -0.5 || sx > w - 0.5 || sy > h - 0.5) {
            memcpy(p, rot->Fill, (size_t)bytes);
            continue;
        }
        int x0 = KFloorOf(sx), y0 = KFloorOf(sy);
        double fx = sx - x0, fy = sy - y0;
        int xa = x0 < 0 ? 0 : x0, xb = x0 + 1 >= w ? w - 1 : x0 + 1;
        int ya = y0 < 0 ? 0 : y0, yb = y0 + 1 >= h ? h - 1 : y0 + 1;
        const uint8_t* ra = sourceRow(rot, ya);
        const uint8_t* rb = sourceRow(rot, yb);
        KBilinearMix(ra, rb, xa, xb, fx, fy, bytes, p);
    }
}

/* 16-bit pixels: the three 5-bit fields interpolated one by one. */
static void bilinearWords(const Rotation* rot, uint8_t* out, double sx, double sy) {
    const RasterBitmap* b = rot->Bitmap;
    for (int x = 0; x < b->Width; ++x, sx += rot->Cos, sy -= rot->Sin) {
        uint8_t* p = out + (size_t)2 * x;
        if (sx < -0.5 || sy < -0.5 || sx > b->Width - 0.5 || sy > b->Height - 0.5) {
            memcpy(p, rot->Fill, 2);
            continue;
        }
        int x0 = KFloorOf(sx), y0 = KFloorOf(sy);
        double fx = sx - x0, fy = sy - y0;
        int xa = x0 < 0 ? 0 : x0, xb = x0 + 1 >= b->Width ? b->Width - 1 : x0 + 1;
        int ya = y0 < 0 ? 0 : y0, yb = y0 + 1 >= b->Height ? b->Height - 1 : y0 + 1;
        const uint8_t* ra = sourceRow(rot, ya);
        const uint8_t* rb = sourceRow(rot, yb);
        unsigned word = 0;
        for (int k = 0; k < 3; ++k) {
            double top = channel(rot, ra, xa, k) * (1 - fx) + channel(rot, ra, xb, k) * fx;
            double bottom = channel(rot, rb, xa, k) * (1 - fx) + channel(rot, rb, xb, k) * fx;
            word |= (unsigned)(top * (1 - fy) + bottom * fy + 0.5) << (5 * k);
        }
        p[0] = (uint8_t)word, p[1] = (uint8_t)(word >> 8);
    }
}

static void rotateRowBilinear(const Rotation* rot, uint8_t* out, int y) {
    const RasterBitmap* b = rot->Bitmap;
    double dy = y + 0.5 - b->Height / 2.0;
    /* Source position in pixel-index coordinates (centre of pixel 0 is 0). */
    double sx = -(b->Width / 2.0) * rot->Cos + dy * rot->Sin + b->Width / 2.0 - 0.5;
    double sy = (b->Width / 2.0) * rot->Sin + dy * rot->Cos + b->Height / 2.0 - 0.5;
    sx += 0.5 * rot->Cos, sy -= 0.5 * rot->Sin;
    if (b->BitsPerPixel == 16) {
        bilinearWords(rot, out, sx, sy);
        return;
    }
    /* The positions step pixel by pixel, as they always have, whatever
     * loop resamples them. */
    KBilinearRow row = {rot->Source,
                        b->BytesPerLine,
                        b->Width,
                        b->Height,
                        b->RowOrder == RB_ROWS_BOTTOM_UP,
                        rot->Bytes,
                        sx,
                        sy,
                        rot->Cos,
                        rot->Sin,
                        rot->Fill};
    const int done = rot->Wide ? KWideBilinear(&row, out) : 0;
    if (rot->Bytes == 1)
        bilinearBytes(rot, out, done, row.Sx, row.Sy, 1);
    else if (rot->Bytes == 3)
        bilinearBytes(rot, out, done, row.Sx, row.Sy, 3);
    else
        bilinearBytes(rot, out, done, row.Sx, row.Sy, 4);
}

/* The fill colour 0x00BBGGRR in the bitmap's stored form. */
static void storedFill(Rotation* rot, uint32_t color) {
    const RasterBitmap* b = rot->Bitmap;
    int r = color & 255, g = (color >> 8) & 255, bl = (color >> 16) & 255;
    memset(rot->Fill, 0, sizeof rot->Fill);
    if (b->BitsPerPixel <= 8) {
        RasterColor colors[256];
        int count = KGetColors(b, 0, b->ColorCount > 256 ? 256 : b->ColorCount, colors);
        rot->Fill[0] = count > 0 ? (uint8_t)KNearestEntry(colors, count, r, g, bl) : 0;
        if (!rot->Nearest)
            rot->Fill[0] = (uint8_t)KIntensity(r, g, bl);
    } else if (b->BitsPerPixel == 16) {
        unsigned hi = b->ColorOrder == RB_ORDER_BGR ? (unsigned)r : (unsigned)bl;
        unsigned lo = b->ColorOrder == RB_ORDER_BGR ? (unsigned)bl : (unsigned)r;
        unsigned w = ((hi >> 3) << 10) | (((unsigned)g >> 3) << 5) | (lo >> 3);
        rot->Fill[0] = (uint8_t)w, rot->Fill[1] = (uint8_t)(w >> 8);
    } else {
        int blue = b->ColorOrder == RB_ORDER_BGR ? 0 : 2;
        rot->Fill[blue] = (uint8_t)bl, rot->Fill[1] = (uint8_t)g, rot->Fill[2 - blue] = (uint8_t)r;
    }
}

/* Where the rotated rows are made and where they read from. Rotated rows
 * go to a ring of a few rows and are written back once no later row reads
 * the source row they replace: with the angle under a quarter turn either
 * way the rows each rotated row reads move on with it, a band as deep as
 * the picture's width times the angle's sine. The rows then read the
 * bitmap itself, except those reading its last stored row: the vector
 * loops read up to 16 bytes past the pixels they need, past the bitmap's
 * end there (its memory may be the caller's), so those rows read a copy of
 * the last stored rows, with 16 bytes to spare either side. Larger angles
 * (the band as deep as much of the picture) rotate from a copy of the
 * whole picture. */
typedef struct RowPlan {
    uint8_t* Ring;         /* NULL: every row reads Copy */
    int Rows;              /* of the ring */
    int* Lowest;           /* lowest picture row read by this row or any after it */
    int* Tail;             /* whether the row reads the last stored row */
    uint8_t* Copy;         /* the whole picture, or the last stored rows */
    const uint8_t* Source; /* Copy as if it held the whole picture */
} RowPlan;

/* The picture rows output row y reads, with a margin for the positions'
 * rounding and the nearest pixel's half; *lo > *hi when it reads none. */
static void rowsRead(const Rotation* rot, int y, int* lo, int* hi) {
    const RasterBitmap* b = rot->Bitmap;
    const double dy = y + 0.5 - b->Height / 2.0;
    const double first = (b->Width / 2.0) * rot->Sin + dy * rot->Cos + b->Height / 2.0 - 0.5;
    const double last = first - (b->Width - 1) * rot->Sin - 0.5 * rot->Sin;
    const double top = first < last ? first : last, bottom = first < last ? last : first;
    *lo = b->Height, *hi = -1;
    if (bottom < -2 || top > b->Height + 1)
        return;
    *lo = top < 2 ? 0 : (int)top - 2;
    *hi = bottom > b->Height - 4 ? b->Height - 1 : (int)bottom + 3;
}

static void freePlan(RowPlan* plan) {
    KFree(plan->Ring), KFree(plan->Lowest), KFree(plan->Copy);
}

/* Copies stored rows from .. Height - 1 with 16 bytes to spare either side;
 * 0 when out of memory. */
static int copyRows(RowPlan* plan, const RasterBitmap* b, int from) {
    const size_t line = (size_t)b->BytesPerLine;
    const size_t size = line * (size_t)(b->Height - from);
    plan->Copy = KAllocRaw(size + 32);
    if (!plan->Copy)
        return 0;
    memcpy(plan->Copy + 16, b->Bits + line * (size_t)from, size);
    memset(plan->Copy, 0, 16), memset(plan->Copy + 16 + size, 0, 16);
    plan->Source = plan->Copy + 16 - line * (size_t)from;
    return 1;
}

/* The ring where the angle allows it, else the copy; 0 when out of
 * memory. */
static int planRows(RowPlan* plan, const Rotation* rot) {
    const RasterBitmap* b = rot->Bitmap;
    const int h = b->Height;
    memset(plan, 0, sizeof *plan);
    if (rot->Cos > 0 && h >= 64) {
        plan->Lowest = malloc(2 * (size_t)h * sizeof(int));
        if (!plan->Lowest)
            return 0;
        plan->Tail = plan->Lowest + h;
        const int lastRow = b->RowOrder == RB_ROWS_BOTTOM_UP ? 0 : h - 1;
        int span = 0, lowest = h;
        for (int y = h - 1; y >= 0; --y) {
            int lo, hi;
            rowsRead(rot, y, &lo, &hi);
            span = hi - lo + 1 > span ? hi - lo + 1 : span;
            lowest = lo < lowest ? lo : lowest;
            plan->Lowest[y] = lowest;
            plan->Tail[y] = lo <= lastRow && lastRow <= hi;
        }
        /* Rows waiting in the ring after each row, written back in order. */
        int rows = 1;
        for (int y = 0, done = 0; y < h; ++y) {
            rows = y - done + 1 > rows ? y - done + 1 : rows;
            const int free = y + 1 < h ? plan->Lowest[y + 1] : h;
            done = free > y + 1 ? y + 1 : free > done ? free : done;
        }
        if (rows + span + 2 <= h / 2) {
            plan->Rows = rows;
            plan->Ring = KAllocRaw((size_t)rows * (size_t)b->BytesPerLine);
            if (!plan->Ring || !copyRows(plan, b, h - span - 2)) {
                freePlan(plan);
                return 0;
            }
            return 1;
        }
        KFree(plan->Lowest);
        plan->Lowest = plan->Tail = NULL;
    }
    return copyRows(plan, b, 0);
}

static uint8_t* storedRow(const RasterBitmap* b, int y) {
    const int stored = b->RowOrder == RB_ROWS_BOTTOM_UP ? b->Height - 1 - y : y;
    return b->Bits + (size_t)stored * (size_t)b->BytesPerLine;
}

int KRotateBitmap(RasterBitmap* bitmap, int angle, int reserved, uint32_t fillColor,
                  int progressFrom, int progressTo) {
    (void)reserved;
    if (!bitmap || !(bitmap->Flags & RB_FLAG_ALLOCATED) || !bitmap->Bits ||
        !KValidBits(bitmap->BitsPerPixel))
        return K_ERR_BAD_BITMAP;
    KProgress progress;
    int status = KProgressStart(&progress, progressFrom, progressTo, bitmap->Height);
    angle %= 36000;
    if (status != K_OK || angle == 0) {
        for (int y = 0; status == K_OK && y < bitmap->Height; ++y)
            status = KProgressStep(&progress);
        return status;
    }
    const size_t line = (size_t)bitmap->BytesPerLine;
    const size_t size = line * (size_t)bitmap->Height;
    double radians = angle / 100.0 * 3.14159265358979323846 / 180.0;
    Rotation rot = {bitmap,
                    NULL,
                    cos(radians),
                    sin(radians),
                    bitmap->BitsPerPixel / 8,
                    0,
                    {0},
                    size < ((size_t)1 << 31) - 16};
    rot.Nearest = bitmap->BitsPerPixel < 8 || (bitmap->BitsPerPixel == 8 && KGreyKind(bitmap) != 1);
    storedFill(&rot, fillColor);
    RowPlan plan;
    if (!planRows(&plan, &rot))
        return K_ERR_NO_MEMORY;
    /* The rotated rows write every byte of their pixels but for the last
     * byte of a row of small indices, whose unused bits stay as they were:
     * a ring row starts as the row it replaces there, and only the pixels'
     * bytes go back (the padding after them stays). */
    const size_t pixelBytes = ((size_t)bitmap->Width * (size_t)bitmap->BitsPerPixel + 7) / 8;
    const int partial = bitmap->Width * bitmap->BitsPerPixel % 8 != 0;
    int y = 0, done = 0;
    for (; y < bitmap->Height; ++y) {
        uint8_t* out = storedRow(bitmap, y);
        rot.Source = plan.Source;
        if (plan.Ring) {
            uint8_t* ring = plan.Ring + (size_t)(y % plan.Rows) * line;
            if (partial)
                memcpy(ring, out, pixelBytes);
            out = ring;
            if (!plan.Tail[y])
                rot.Source = bitmap->Bits;
        }
        if (rot.Nearest)
            rotateRowNearest(&rot, out, y);
        else
            rotateRowBilinear(&rot, out, y);
        if (plan.Ring) {
            const int free = y + 1 < bitmap->Height ? plan.Lowest[y + 1] : bitmap->Height;
            for (; done < free && done <= y; ++done)
                memcpy(storedRow(bitmap, done), plan.Ring + (size_t)(done % plan.Rows) * line,
                       pixelBytes);
        }
        status = KProgressStep(&progress);
        if (status != K_OK)
            break;
    }
    /* A stop leaves the rows rotated so far rotated, the others as they were. */
    for (; plan.Ring && done <= y && done < bitmap->Height; ++done)
        memcpy(storedRow(bitmap, done), plan.Ring + (size_t)(done % plan.Rows) * line, pixelBytes);
    freePlan(&plan);
    return status;
}
