/* The median of large windows from histograms kept for every column of
 * the picture: each column's counts of the window's rows, at a coarse level
 * (the high four bits of a byte) and a fine level (all eight), moved down
 * a row by taking out the row that left and adding the one that entered.
 * Along a row, the window's coarse counts add the entering column's and
 * take out the leaving column's; the fine counts are kept only for the
 * sixteen-level group that holds the median, brought up to date when the
 * median enters it. Work per pixel does not grow with the dimension.
 * Internal to the library. */
#ifndef IMGFX_MEDIANCOLUMNS_H
#define IMGFX_MEDIANCOLUMNS_H

#include "imgfx/Window.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Column counts are bytes and window counts signed 16-bit values, so the
 * dimension is at most 181 (181 x 181 < 32768). */
#define FX_COLUMNS_MAX_DIMENSION 181

typedef struct FxMedianColumns FxMedianColumns;

/* The histograms of a walk with rows of width pixels of bpp bytes and
 * windows of dim x dim (2 .. FX_COLUMNS_MAX_DIMENSION); null without
 * memory. */
FxMedianColumns* FxMedianColumnsNew(int dim, int width, int bpp);
void FxMedianColumnsFree(FxMedianColumns* columns);

/* Writes the medians of row's spans, as the smallest level whose cumulative
 * count reaches (dim x dim + 1) / 2, with columns past an edge repeating
 * the edge column. Rows are unpadded; the walk keeps one extra row, whose
 * Leaving lets the histograms move down a row rather than be counted
 * again. */
void FxMedianColumnsRow(FxMedianColumns* columns, const FxWindowRow* row);

#ifdef __cplusplus
}
#endif

#endif
