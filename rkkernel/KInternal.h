/* Kernel-private helpers shared by the kernel's source files. */
#ifndef RKKERNEL_KINTERNAL_H
#define RKKERNEL_KINTERNAL_H

#include "rkkernel/KProgress.h"
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

/* Vector forms of row conversions (KConvertWide.c), used where the
 * processor has AVX-512 VBMI; elsewhere they do nothing. Each works in
 * place like the plain loop it stands in for and returns how far it got;
 * the plain loop does the rest. */
/* Intensities of width 3- or 4-byte pixels in the given order, forwards;
 * returns the pixels done from the first. */
int KWideIntensity(uint8_t* b, int width, int bytes, int order);
/* n grey levels to 3n blue-green-red bytes at out (not overlapping levels);
 * returns the levels done from the first. */
int KWideTriple(uint8_t* out, const uint8_t* levels, int n);
/* Swaps the first and third byte of 3-byte pixels, forwards; returns the
 * pixels done from the first. */
int KWideSwap3(uint8_t* b, int width);
/* 4-byte pixels in order to blue-green-red, forwards; returns the pixels
 * done from the first. */
int KWideFrom32(uint8_t* b, int width, int order);
/* Blue-green-red to 4-byte pixels in order (fourth byte 0), backwards;
 * returns the number of lowest pixels left undone. */
int KWideTo32(uint8_t* b, int width, int order);
/* 16-bit pixels in order to blue-green-red (fields widened), backwards;
 * returns the number of lowest pixels left undone. */
int KWideFrom16(uint8_t* b, int width, int order);
/* Blue-green-red to 16-bit pixels in order (top five bits of each
 * channel), forwards; returns the pixels done from the first. */
int KWideTo16(uint8_t* b, int width, int order);
/* n 8-bit indices to 3n blue-green-red bytes at out (not overlapping
 * indices) through 256-byte blue, green and red planes, one after the
 * other; returns the indices done from the first. */
int KWideExpand(uint8_t* out, const uint8_t* indices, int n, const uint8_t* planes);

/* One row of a bilinear rotation: the source copy (readable 16 bytes past
 * its end), the source position of the row's first pixel and the step
 * from pixel to pixel (Sx + Cos, Sy - Sin). */
typedef struct KBilinearRow {
    const uint8_t* Source;
    int BytesPerLine, Width, Height, BottomUp, Bytes;
    double Sx, Sy, Cos, Sin;
    const uint8_t* Fill;
} KBilinearRow;
/* floor() of a position known to be at least -1, without a library call. */
static inline int KFloorOf(double v) {
    int i = (int)v;
    return v < i ? i - 1 : i;
}
/* The bilinear level of each of bytes channels at fractions fx, fy between
 * pixels xa and xb of source rows ra and rb, in the doubles every level's
 * rotation must match, stored at p. */
static inline __attribute__((always_inline)) void KBilinearMix(const uint8_t* ra, const uint8_t* rb,
                                                               int xa, int xb, double fx, double fy,
                                                               const int bytes, uint8_t* p) {
    for (int k = 0; k < bytes; ++k) {
        double top = ra[bytes * xa + k] * (1 - fx) + ra[bytes * xb + k] * fx;
        double bottom = rb[bytes * xa + k] * (1 - fx) + rb[bytes * xb + k] * fx;
        p[k] = (uint8_t)(unsigned)(top * (1 - fy) + bottom * fy + 0.5);
    }
}
/* Resamples the first pixels of the row with the widest vectors of the
 * processor level, AVX-512, AVX2 or SSE2 (1- and 3-byte pixels; the source
 * smaller than 2^31 bytes); returns how many it did, with Sx and Sy moved on to the
 * first pixel not done. */
int KWideBilinear(KBilinearRow* row, uint8_t* out);

/* Rows between blue, green, red and HSV or HLS, vectorised for the
 * processor level, with the bytes of the per-pixel forms; returns 0 (and
 * does nothing) for other pairs of spaces or partly overlapping buffers. */
int KConvertHueSpace(const uint8_t* in, uint8_t* out, int width, int fromSpace, int toSpace);

/* Loops built once for each processor level: K_LEVELS(name, params, args)
 * defines name, which runs nameBody (a K_BODY function) compiled for
 * AVX-512, AVX2 or plain x86-64, the level chosen at load (KIsaLevel). */
#define K_BODY static inline __attribute__((always_inline))

#define K_LEVELS(name, params, args)                                                               \
    __attribute__((target("arch=x86-64-v4"))) static void name##Avx512 params {                    \
        name##Body args;                                                                           \
    }                                                                                              \
    __attribute__((target("arch=x86-64-v3"))) static void name##Avx2 params {                      \
        name##Body args;                                                                           \
    }                                                                                              \
    static void name##Baseline params {                                                            \
        name##Body args;                                                                           \
    }                                                                                              \
    static void name params {                                                                      \
        const int level = KIsaLevel();                                                             \
        if (level == K_ISA_AVX512)                                                                 \
            name##Avx512 args;                                                                     \
        else if (level == K_ISA_AVX2)                                                              \
            name##Avx2 args;                                                                       \
        else                                                                                       \
            name##Baseline args;                                                                   \
    }

#endif
