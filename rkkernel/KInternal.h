/* Kernel-private helpers shared by the kernel's source files. */
#ifndef RKKERNEL_KINTERNAL_H
#define RKKERNEL_KINTERNAL_H

#include "rkkernel/rkkernel.h"

/* Region: per stored row in [Top, Bottom) a sorted list of disjoint spans. */
struct KRegion {
    KRect Bounds;     /* exclusive; all zero when empty */
    int32_t Top;      /* first row that has an entry in Offsets */
    int32_t Rows;     /* rows covered by Offsets */
    int32_t* Offsets; /* Rows + 1 offsets into Spans */
    int32_t* Spans;
    int32_t MaxCount;
    int64_t Area;
};

struct KPalette {
    int Count;
    RasterColor Entries[256];
};

/* Intensity of a colour as the filters define it. */
static inline int KIntensity(int r, int g, int b) {
    return (5 * g + 2 * r + b + 4) >> 3;
}

/* Stored bytes of width pixels at bits (0 counts as 8). */
static inline size_t KStoredBytes(int width, int bits) {
    if (bits == 0)
        bits = 8;
    return ((size_t)width * (size_t)bits + 7) / 8;
}

static inline int KValidBits(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

/* The palette object in use: AltPalette when its flag is set. */
static inline KPalette* KPaletteInUse(const RasterBitmap* bitmap) {
    return (bitmap->Flags & RB_FLAG_ALT_PALETTE) ? bitmap->AltPalette : bitmap->Palette;
}

/* Nearest of count entries to a colour by squared RGB distance, lowest index
 * on ties. */
int KNearestEntry(const RasterColor* entries, int count, int r, int g, int b);

void KRegionFree(struct KRegion* region);

/* Progress stepping over a number of rows, as the filter frame does it. */
typedef struct KProgress {
    KStatusCallback Callback;
    int Percent;
    uint32_t Accumulator;
    int Step;
    uint32_t Remainder;
    uint32_t Divisor;
} KProgress;

int KProgressStart(KProgress* progress, int from, int to, int rows);
int KProgressStep(KProgress* progress);

#endif
