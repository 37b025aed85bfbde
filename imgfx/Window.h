/* The walk shared by the window filters: a ring of input rows around each
 * output row, read through a row walker over whole rows, so that
 * neighbours outside a region take part while only the region's pixels are
 * written. Internal to the library.
 *
 * Rows are numbered in the window's order: stored rows, or picture rows
 * (picture row r is stored row Height - 1 - r on a bitmap stored bottom-up).
 * The window of output row t holds rows t - Before .. t + After, each
 * limited to 0 .. Height - 1, so edge rows repeat. The ring keeps only the
 * distinct rows a window can hold (at most Height), each read and converted
 * once. Padded rows carry Before copies of their first pixel in front and
 * After copies of their last pixel behind, so that column offsets need no
 * edge tests. Every row may be read for 64 bytes past its padding.
 *
 * Direct rows (unpadded) spare an in-place walk the copy of every row from
 * the stored picture, which is the largest cost of the cheapest filters: the
 * rows below the output row are read where they are stored, the output row
 * and those above it from copies in the ring, each taken just before that
 * row's output is written (from the cache, where reading it for the window
 * above has left it). A direct row may be read only from pixel 0 to its last
 * pixel.
 *
 * Rows normally come through a row walker over whole rows (work format,
 * matched back to the palette on writing). The 1-bit paths of speck
 * removal and morphology instead read and write the stored bits directly
 * through the kernel. */
#ifndef IMGFX_WINDOW_H
#define IMGFX_WINDOW_H

#include "imgfx/RowWalker.h"

#ifdef __cplusplus
extern "C" {
#endif

/* What a window filter needs from the walk. */
typedef struct FxWindowLayout {
    int Dimension;    /* N: Before = (N - 1) / 2, After = N / 2 */
    int PictureOrder; /* nonzero: rows in picture order; 0: stored order */
    int Padded;       /* nonzero: rows carry edge padding */
    int ExtraRows;    /* rows kept beyond the window (a running sum needs 1) */
    int RawBits;      /* nonzero: a 1-bit bitmap read and written as its stored bits, as
                         levels 0 (bit 0) and 255 (bit 1), written back as bit 1 from 128 up;
                         no walker, no palette */
    int InPlace;      /* nonzero: the function writes nothing outside the spans, so rows
                         stored in the work format (24-bit blue-green-red, 8-bit grey whose
                         index is its level) take the output in place, not through a copy;
                         every input row is in the ring before its output row is written */
    int Direct;       /* nonzero, with InPlace, Padded 0 and ExtraRows 0: where the walk is
                         in place, rows are direct (above); elsewhere ring rows as usual */
} FxWindowLayout;

/* One output row handed to a window filter. */
typedef struct FxWindowRow {
    uint8_t* Out; /* work format; pixel 0 is column 0; write inside the spans (and only
                     there with InPlace: Out may be the stored row itself) */
    const uint8_t* const* Rows; /* Dimension rows, window top first; pixel 0 is column 0 */
    const uint8_t* Leaving;     /* with ExtraRows: the row that left the window since the
                                   previous output row (Index - 1 - Before, limited) */
    const int32_t* Spans;       /* pairs (start, end), end exclusive, in columns */
    int SpanCount;
    int Index;         /* the output row in the window's order */
    int Previous;      /* the previous output row handed over, or -1 */
    int BytesPerPixel; /* 1 (grey) or 3 (blue, green, red) */
    int Width;
    int Height;
} FxWindowRow;

/* Computes row->Out inside the spans; returns FX_OK to go on, anything else
 * to stop the walk with that status. */
typedef int (*FxWindowFunction)(void* context, const FxWindowRow* row);

/* Walks every row of the bitmap in the window's order with progress from 0
 * to 100, calling function for each row that has pixels inside the region
 * and writing its result there. Returns FX_OK, FX_ERR_BAD_BITMAP,
 * FX_ERR_NO_MEMORY, a stop value, a kernel code or the function's status.
 * With RawBits the bitmap must be a checked 1-bit bitmap. */
int FxRunWindow(RasterBitmap* bitmap, const FxWindowLayout* layout, FxWindowFunction function,
                void* context);

/* Stored row of row index in picture order (or stored order when
 * pictureOrder is 0). */
static inline int FxStoredRow(const RasterBitmap* bitmap, int index, int pictureOrder) {
    return pictureOrder && bitmap->RowOrder == RB_ROWS_BOTTOM_UP ? bitmap->Height - 1 - index
                                                                 : index;
}

/* The nine neighbours of columns x0 .. of a 3-row padded window, row by
 * row from the top left: taps[i] is pixel x0 + i % 3 - 1 of row i / 3. */
static inline void FxWindowTaps3(const FxWindowRow* row, int x0, const uint8_t* taps[9]) {
    for (int i = 0; i < 9; ++i)
        taps[i] = row->Rows[i / 3] + (ptrdiff_t)(x0 + i % 3 - 1) * row->BytesPerPixel;
}

#ifdef __cplusplus
}
#endif

#endif
