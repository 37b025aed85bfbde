/* The row walker: the one place that owns a filter's bitmap access, region
 * spans, strides, row buffers, format conversion, colour matching, progress
 * and the row loop. Internal to the library.
 *
 * Rows are delivered in a work format: 3 bytes a pixel (blue, green, red)
 * or 1 grey byte a pixel. Pixel 0 of a row buffer is the walker's aligned
 * first column (the bounds' left rounded down to a byte boundary for 1- and
 * 4-bit bitmaps), and span lists are made relative to it. Writes change only
 * pixels inside the region's spans.
 *
 * Most filters need only RowWalkerRun with a per-row function. Filters that
 * need neighbouring rows use the operations below in this order: open,
 * allocate a row buffer and a span list, start progress, then for each row
 * from top to bottom - 1 read, change the pixels of each span, write
 * (stopping at the first status other than FX_OK), free the buffers, close. */
#ifndef IMGFX_ROWWALKER_H
#define IMGFX_ROWWALKER_H

#include "imgfx/Frame.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Options of RowWalkerOpen. */
#define WALK_COLOR 0x1u /* always deliver blue-green-red, even for grey bitmaps */
#define WALK_WHOLE_ROWS                                                                            \
    0x2u /* walk whole rows of the whole bitmap; writes still keep to the region */
/* RowWalkerRun's function changes nothing outside the spans, so rows whose
 * stored form is the work form (24-bit blue-green-red, 8-bit grey whose
 * index is its level) are handed over in place, not copied in and out. */
#define WALK_IN_PLACE 0x4u
/* RowWalkerRun's function gives every pixel a colour that depends on that
 * pixel's colour alone (no position, no neighbours, no randomness). Rows
 * of palette indices and of 8-bit grey levels then go through a table of
 * what each of the 256 values becomes, worked out once by the function and
 * the matching back, instead of being expanded and matched pixel by pixel;
 * the result is the same. */
#define WALK_BY_COLOUR 0x8u

typedef struct RowWalker {
    RasterBitmap* Bitmap;
    intptr_t Token;
    int WorkFormat;   /* K_WORK_BGR or K_WORK_GREY */
    int SourceFormat; /* BitsPerPixel, or 0 for 8-bit grey rows that pass unconverted */
    int GreyKind;
    int NeedsMatching;
    int InPlace;        /* WALK_IN_PLACE asked for, and stored rows are in the work form */
    RasterBitmap Match; /* internal record for matching written rows to the palette */
    KPalette* GreyPalette;
    RasterColor Colors[256];
    KRect Bounds;
    int Rows;
    int FirstColumn; /* aligned first column */
    int Width;       /* pixels from FirstColumn to Bounds.Right */
    int StoredBytes; /* stored bytes covering those pixels */
    size_t RowBufferSize;
    int MaxSpanCount;
    int32_t* OwnSpans;
    FxProgress Progress;
} RowWalker;

/* The aligned first column of a bitmap's rows from column left (rounded
 * down to a byte boundary for 1- and 4-bit bitmaps), the pixels from it to
 * right, and the stored bytes that cover them. For code that reads stored
 * rows itself, such as histograms. */
void FxAlignColumns(int bits, int left, int right, int* firstColumn, int* width, int* storedBytes);

/* Opens a walker on bitmap: FX_OK and *walker, or FX_ERR_BAD_BITMAP,
 * FX_ERR_NO_MEMORY or a kernel code. The bitmap is under access until
 * RowWalkerClose. */
int RowWalkerOpen(RasterBitmap* bitmap, unsigned options, RowWalker** walker);
void RowWalkerClose(RowWalker* walker);

/* Rows from Bounds.Top to Bounds.Bottom - 1 are walked (stored rows). */
static inline KRect RowWalkerBounds(const RowWalker* walker) {
    return walker->Bounds;
}
static inline int RowWalkerBytesPerPixel(const RowWalker* walker) {
    return walker->WorkFormat == K_WORK_BGR ? 3 : 1;
}
/* Bytes of a buffer that holds a row both as stored and in work format. */
static inline size_t RowWalkerRowBufferSize(const RowWalker* walker) {
    return walker->RowBufferSize;
}
/* A row buffer (not zeroed) and a span list from the kernel; null when out
 * of memory. Free both with KFree. */
uint8_t* RowWalkerAllocRow(const RowWalker* walker);
int32_t* RowWalkerAllocSpans(const RowWalker* walker);

/* Starts progress reporting over the walker's rows; the plain form runs from
 * 0 to 100. Returns FX_OK or the callback's stop value. */
int RowWalkerStartProgress(RowWalker* walker, int from, int to);

/* Reads stored row into buffer in work format. With spans, also fetches the
 * row's span list relative to the first column and its count (0 when the
 * row lies outside the region). Returns FX_OK or a kernel code. */
int RowWalkerReadRow(RowWalker* walker, uint8_t* buffer, int row, int32_t* spans, int* count);
/* Converts buffer back (matching palette bitmaps), writes it into the row
 * inside the spans (fetched when spans is null) and advances progress.
 * The buffer's contents are spent. Returns FX_OK, a stop value or a kernel
 * code. */
int RowWalkerWriteRow(RowWalker* walker, uint8_t* buffer, int row, const int32_t* spans, int count);

/* One row handed to a per-row function. */
typedef struct FxRow {
    uint8_t* Pixels;      /* work format; Pixels[0] is bitmap column FirstColumn */
    int BytesPerPixel;    /* 1 (grey) or 3 (blue, green, red) */
    const int32_t* Spans; /* pairs (start, end), end exclusive, relative to Pixels */
    int SpanCount;
    int Row;         /* stored row */
    int FirstColumn; /* bitmap column of Pixels[0] */
    int Width;       /* pixels in Pixels */
} FxRow;

/* Changes the pixels inside row->Spans; returns FX_OK to go on, anything
 * else to stop the walk with that status. */
typedef int (*FxRowFunction)(void* context, const FxRow* row);

/* Runs the whole calling order over the walker's rows with progress from
 * from to to, calling function once for every row that has spans (rows
 * without any are neither converted nor written, only counted for
 * progress). Returns the last status. */
int RowWalkerRun(RasterBitmap* bitmap, unsigned options, int from, int to, FxRowFunction function,
                 void* context);

#ifdef __cplusplus
}
#endif

#endif
