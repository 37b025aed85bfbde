/* rkkernel: the imaging kernel of the filter toolkit.
 *
 * Owns bitmap memory, palette objects, regions, whole- and part-row access,
 * conversion between stored pixel formats and the two work formats (grey
 * bytes and blue-green-red bytes), colour matching back to a palette, colour
 * spaces and rotation. Plain C linkage; compiles as C and C++.
 *
 * Conventions:
 * - Every function that can fail returns K_OK (1) or a negative K_ERR_ code.
 * - Row numbers are stored row numbers: with RowOrder RB_ROWS_BOTTOM_UP,
 *   picture row r (counted from the top) is stored row Height - 1 - r.
 *   Region coordinates use stored rows too.
 * - Rectangles are left, top, right, bottom with right and bottom exclusive.
 * - Whatever the kernel allocates, the kernel frees.
 */
#ifndef RKKERNEL_RKKERNEL_H
#define RKKERNEL_RKKERNEL_H

#include <stddef.h>
#include <stdint.h>

#if defined(RKKERNEL_BUILDING)
#define RK_API __attribute__((visibility("default")))
#else
#define RK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Status values of kernel operations. */
#define K_OK 1
#define K_ERR_NO_MEMORY (-1)
#define K_ERR_BAD_BITMAP (-2)
#define K_ERR_BAD_PARAMETER (-13)
/* Pixels were read or written while the bitmap was not under access. */
#define K_ERR_NO_ACCESS (-20)

/* RasterBitmap.Flags bits. */
#define RB_FLAG_ALLOCATED 0x1u /* the record describes an allocated bitmap */
#define RB_FLAG_GREY_PALETTE                                                                       \
    0x100u                         /* the row walker's internal record carries the grey palette    \
                                    */
#define RB_FLAG_ALT_PALETTE 0x400u /* AltPalette is the palette object in use */
#define RB_FLAG_COLORS_UNSYNCED 0x4000u /* Colors is not kept in step with the palette object */
#define RB_FLAG_CALLER_PIXELS 0x10000u  /* the pixel memory is the caller's (KAttachBitmap) */

/* RasterBitmap.RowOrder: rows stored bottom-up. Any other value: top-down. */
#define RB_ROWS_BOTTOM_UP 2
/* RasterBitmap.ColorOrder: bytes of 24- and 32-bit pixels. */
#define RB_ORDER_RGB 0
#define RB_ORDER_BGR 1

/* Work formats of KConvertRow: one grey byte, or blue-green-red bytes. */
#define K_WORK_GREY 0
#define K_WORK_BGR 24

/* Colour spaces of KConvertColorSpace; every one converts both ways with BGR. */
#define K_SPACE_BGR 0  /* blue, green, red bytes */
#define K_SPACE_CMYK 2 /* cyan, magenta, yellow, black; black takes the full grey part */
#define K_SPACE_HSV 3  /* hue (256 steps to the circle, 0 red), saturation, value */
#define K_SPACE_HLS 4  /* hue (as HSV), lightness, saturation */
#define K_SPACE_CMY 6  /* cyan, magenta, yellow: 255 minus red, green, blue */

/* Region combination for the region setters. */
#define K_REGION_SET 0   /* the shape replaces any region */
#define K_REGION_UNION 1 /* the shape is added to the region */

/* One palette entry or colour: blue, green, red, reserved. */
typedef struct RasterColor {
    uint8_t Blue;
    uint8_t Green;
    uint8_t Red;
    uint8_t Reserved;
} RasterColor;

typedef struct KRect {
    int32_t Left;
    int32_t Top;
    int32_t Right;
    int32_t Bottom;
} KRect;

typedef struct KPoint {
    int32_t X;
    int32_t Y;
} KPoint;

/* Palette object: 1 to 256 entries, created and deleted by the kernel. */
typedef struct KPalette KPalette;

/* Progress callback: percent done; return 1 to go on, anything else to stop. */
typedef int (*KStatusCallback)(int percent);

struct KRegion;
struct KMatch;

/* A bitmap record, filled by KInitBitmap or KAllocBitmap and owned by the
 * caller. Pixel layouts:
 * - 1-bit: eight pixels per byte, first pixel in the most significant bit;
 *   4-bit: two pixels per byte, first in the high nibble; 8-bit: one index.
 * - 16-bit: little-endian words, three 5-bit fields in bits 0-4, 5-9, 10-14;
 *   green is bits 5-9; ColorOrder 1 puts red in bits 10-14, 0 puts blue there.
 * - 24-bit: three bytes; 32-bit: four bytes, the fourth never read or written
 *   by row conversion or span writes. Byte order as ColorOrder says.
 * Rows are BytesPerLine bytes apart, padded to a multiple of 4 bytes. */
typedef struct RasterBitmap {
    int32_t Width;
    int32_t Height;
    int32_t BitsPerPixel;
    int32_t BytesPerLine;
    uint32_t Flags;
    int32_t ColorCount;
    RasterColor Colors[256];
    KPalette* Palette;
    KPalette* AltPalette;
    int32_t RowOrder;
    int32_t ColorOrder;
    int32_t MatchSetting; /* 1: nearest palette entry (the only matching the kernel does) */
    int32_t HasRegion;
    /* Kernel-owned; never touched by callers. */
    uint8_t* Bits;
    struct KRegion* Region;
    struct KMatch* Match;
    KPalette* OwnedPalette;
    int32_t AccessCount;
    int32_t Reserved;
} RasterBitmap;

/* ---- memory ---- */

/* size bytes, zero-filled when zero is nonzero; null when out of memory. */
RK_API void* KAlloc(size_t size, int zero);
/* size bytes of undefined contents; null when out of memory. */
RK_API void* KAllocRaw(size_t size);
/* Frees memory from KAlloc or KAllocRaw; null is ignored. */
RK_API void KFree(void* memory);

/* ---- processor level ---- */

/* Levels of the vector code the toolkit runs; the widest the processor
 * has is chosen once when the library loads, and every level gives the
 * same pixels. The environment variable IMGFX_ISA (avx512, avx2 or
 * baseline) caps that choice, so that each path can be tested and timed
 * on any machine; any other value is ignored with one line on standard
 * error. */
#define K_ISA_BASELINE 0 /* plain x86-64 (SSE2) */
#define K_ISA_AVX2 1     /* x86-64-v3: AVX2, FMA, BMI2 */
#define K_ISA_AVX512 2   /* x86-64-v4: AVX-512 F, BW, CD, DQ, VL */

/* The level in use. */
RK_API int KIsaLevel(void);
/* Nonzero when the level is K_ISA_AVX512 and the processor also has the
 * AVX-512 VBMI byte permutes. */
RK_API int KIsaVbmi(void);

/* ---- status callback, kept per thread ---- */

/* Installs the calling thread's callback (null removes it); returns the old one. */
RK_API KStatusCallback KSetStatusCallback(KStatusCallback callback);
/* The calling thread's callback, or null. */
RK_API KStatusCallback KGetStatusCallback(void);

/* ---- bitmaps ---- */

/* Fills a record for width x height at bits (1, 4, 8, 16, 24 or 32; 0 means
 * 8-bit grey) without pixel memory: BytesPerLine padded, Flags 0, colour
 * order BGR, rows top-down, no palette. Returns K_OK or K_ERR_BAD_PARAMETER. */
RK_API int KInitBitmap(RasterBitmap* record, int width, int height, int bits);
/* Added to kind 1 of KAllocBitmap: the pixel memory is left uncleared, for
 * callers that write every stored row whole, padding included, before
 * anything reads the bitmap; it begins on a 64-byte boundary. */
#define K_ALLOC_UNCLEARED 0x100
/* A new bitmap with zeroed pixel memory. kind must be 1 (memory bitmap),
 * optionally with K_ALLOC_UNCLEARED. bits as KInitBitmap; bits 0 makes an 8-bit grey plane with the
 * fixed grey palette. Palette bitmaps get a palette object of their own: a copy of palette when
 * given, else the fixed grey palette. Returns K_OK or a code; on failure the record holds nothing.
 */
RK_API int KAllocBitmap(RasterBitmap* record, int kind, int width, int height, int bits,
                        int colorOrder, KPalette* palette, int rowOrder);
/* A bitmap as KAllocBitmap makes it (bits 1 to 32, no palette given) over the
 * caller's pixel memory: height rows of BytesPerLine bytes (KInitBitmap's
 * padding), on a 16-byte boundary, which must outlive the record. It is
 * neither cleared nor freed: KFreeBitmap frees all but the pixels. Returns
 * K_OK or a code; on failure the record holds nothing. */
RK_API int KAttachBitmap(RasterBitmap* record, int width, int height, int bits, int colorOrder,
                         void* pixels, int rowOrder);
/* Frees the pixels, region, colour matching and own palette; clears Flags
 * bit 0. Palette objects the caller put into the record stay the caller's. */
RK_API void KFreeBitmap(RasterBitmap* record);
/* Makes the pixels reachable until KEndAccess; returns a nonzero token, or 0
 * for a record that is not allocated. Access nests. */
RK_API intptr_t KBeginAccess(RasterBitmap* bitmap);
RK_API void KEndAccess(RasterBitmap* bitmap, intptr_t token);
/* 0: not grey; 1: the fixed grey palette of its depth in ascending order
 * (index 0 black; for 8 bits index = grey level); 2: the same descending. */
RK_API int KGreyKind(const RasterBitmap* bitmap);
/* Copies count colours from entry first of the palette object in use (or of
 * Colors when there is none) into entries; returns the number copied. */
RK_API int KGetColors(const RasterBitmap* bitmap, int first, int count, RasterColor* entries);
/* Makes Colors and ColorCount follow the palette object in use and clears
 * RB_FLAG_COLORS_UNSYNCED. A record without a palette object is unchanged. */
RK_API void KTakePalette(RasterBitmap* record);
/* Readies a colour plane for reading as grey levels: Colors follow the
 * palette object when there is one; a palette bitmap without one and without
 * colours gets the fixed grey ramp of its depth. */
RK_API void KPreparePlane(RasterBitmap* record);
/* Bytes that hold a row of width pixels both as stored at bits and as
 * workWidth pixels in work format workBits (0 or 24). */
RK_API size_t KRowBufferSize(int width, int bits, int workWidth, int workBits);

/* ---- row access (bitmap under access) ---- */

/* Whole stored row: bytes (at most BytesPerLine) from the start of the row. */
RK_API int KReadRow(RasterBitmap* bitmap, void* buffer, int row, int bytes);
RK_API int KWriteRow(RasterBitmap* bitmap, const void* buffer, int row, int bytes);
/* The stored row itself, BytesPerLine bytes, for reading or writing in
 * place while the bitmap is under access; null when it is not allocated or
 * not under access, or the row is out of range. No region applies. */
RK_API uint8_t* KRowAddress(RasterBitmap* bitmap, int row);
/* bytes stored bytes of row from the byte holding firstColumn, which must be
 * a multiple of 8 for 1-bit and even for 4-bit bitmaps. */
RK_API int KReadRowPart(RasterBitmap* bitmap, void* buffer, int row, int firstColumn, int bytes);
/* Writes the pixels of buffer (stored form, starting at firstColumn) into the
 * row only inside the spans: count values, pairs (start, end) with end
 * exclusive, relative to firstColumn. Pixels outside the spans and past the
 * bitmap's width keep their stored bits. */
RK_API int KWriteRowSpans(RasterBitmap* bitmap, const void* buffer, int row, int firstColumn,
                          const int32_t* spans, int count);

/* ---- regions ---- */

/* Shapes in bitmap columns and stored rows, clipped to the bitmap. A pixel
 * belongs to an ellipse or polygon when its centre lies inside; polygons
 * fill by the nonzero winding rule. Set HasRegion. */
RK_API int KSetRegionRect(RasterBitmap* bitmap, const KRect* rect, int mode);
RK_API int KSetRegionEllipse(RasterBitmap* bitmap, const KRect* bounds, int mode);
RK_API int KSetRegionPolygon(RasterBitmap* bitmap, const KPoint* points, int count, int mode);
/* The pixels whose byte in mask is not zero: mask holds Height rows of
 * Width bytes, in stored-row order, stride bytes apart. */
RK_API int KSetRegionMask(RasterBitmap* bitmap, const uint8_t* mask, ptrdiff_t stride, int mode);
/* Removes the region; HasRegion becomes 0. */
RK_API void KClearRegion(RasterBitmap* bitmap);
/* The region's bounding rectangle, or the whole bitmap without a region; an
 * empty region gives 0, 0, 0, 0. reserved must be 0. */
RK_API int KRegionBounds(const RasterBitmap* bitmap, int reserved, KRect* rect);
/* Largest span count of any row (2 without a region). */
RK_API int KMaxSpanCount(const RasterBitmap* bitmap, int* count);
/* The row's spans in bitmap columns into spans (room for KMaxSpanCount
 * values); count 0 for a row outside the region. */
RK_API int KRowSpans(const RasterBitmap* bitmap, int row, int32_t* spans, int* count);
/* Pixels inside the region (the whole bitmap without one). */
RK_API int KRegionArea(const RasterBitmap* bitmap, int64_t* area);

/* ---- palettes ---- */

/* A palette of count (1 to 256) entries, copied from entries or black. */
RK_API KPalette* KCreatePalette(int count, const RasterColor* entries);
RK_API void KDeletePalette(KPalette* palette);
RK_API int KPaletteSize(const KPalette* palette);
/* Entries first .. first + count - 1 as far as the palette has them;
 * returns the number copied. */
RK_API int KGetPaletteEntries(const KPalette* palette, int first, int count, RasterColor* entries);
RK_API int KSetPaletteEntries(KPalette* palette, int first, int count, const RasterColor* entries);
/* A new fixed grey palette for bits 1, 4 or 8: 2^bits levels from black to
 * white, evenly spaced; null for other bits. */
RK_API KPalette* KGreyPalette(int bits);

/* ---- row conversion and colour matching ---- */

/* Converts width pixels in place. Bits 1, 4, 8 (palette indices), 16, 24, 32,
 * or 0 (grey bytes). Palette sources read sourceColors; grey is the colour's
 * intensity (5G + 2R + B + 4) >> 3. Colour tables hold 2^bits entries.
 * Palette targets take the nearest entry of targetColors (slow: use
 * KMatchRow in loops). One side must be a work format. Orders apply to 16-,
 * 24- and 32-bit forms. buffer must hold the larger form. */
RK_API int KConvertRow(void* buffer, int width, int sourceBits, int targetBits, int sourceOrder,
                       int targetOrder, const RasterColor* sourceColors,
                       const RasterColor* targetColors);
/* Prepares matching of rows to count palette entries on a record set up by
 * KInitBitmap: at 24 bits it matches BGR rows, at 8 bits grey rows. Returns
 * K_OK or a code. */
RK_API int KPrepareMatch(RasterBitmap* record, const RasterColor* entries, int count);
/* record->Width pixels of in to one palette index byte each in out; in and
 * out may be the same buffer. Nearest entry by squared RGB distance, the
 * lowest index on ties. */
RK_API int KMatchRow(RasterBitmap* record, const void* in, void* out);
RK_API void KEndMatch(RasterBitmap* record);
/* Packs width index bytes in place to 1, 4 or 8 bits per pixel. */
RK_API int KPackIndices(void* buffer, int width, int bits);
/* Table of the number of set bits of each byte value. */
RK_API const uint8_t* KBitCountTable(void);

/* ---- colour spaces and rotation ---- */

/* width pixels from space fromSpace in source to toSpace in target (3 bytes a
 * pixel, 4 for CMYK). source and target may be the same buffer. */
RK_API int KConvertColorSpace(const void* source, void* target, int width, int fromSpace,
                              int toSpace);
/* The same over planes: rows in[0..2] of width bytes each, one a channel
 * of the space in its pixel order (blue, green, red for K_SPACE_BGR), to
 * rows out[0..2], separate from them, with the bytes KConvertColorSpace
 * gives the pixels. Between K_SPACE_BGR and K_SPACE_HSV or K_SPACE_HLS
 * either way; returns K_OK, or K_ERR_BAD_PARAMETER for other spaces, null
 * rows or a negative width. */
RK_API int KConvertColorPlanes(const uint8_t* const* in, uint8_t* const* out, int width,
                               int fromSpace, int toSpace);
/* Rotates the picture in place about its centre by angle hundredths of a
 * degree, clockwise as shown (top row up) for positive angles. The size stays;
 * corners that leave are cut, uncovered pixels get fillColor (0x00BBGGRR;
 * the nearest entry for palette bitmaps). Palette bitmaps take the nearest
 * source pixel; grey, 16-, 24- and 32-bit bitmaps are resampled bilinearly.
 * Ignores any region. Progress runs from progressFrom to progressTo over
 * the rows; a callback stop is returned with the rows done so far. */
RK_API int KRotateBitmap(RasterBitmap* bitmap, int angle, int reserved, uint32_t fillColor,
                         int progressFrom, int progressTo);

#ifdef __cplusplus
}
#endif

#endif
