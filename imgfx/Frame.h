/* Internal frame shared by the filters: bitmap checks, the per-thread noise
 * seed and progress stepping. Not part of the library's interface. */
#ifndef IMGFX_FRAME_H
#define IMGFX_FRAME_H

#include "imgfx/imgfx.h"

/* FX_OK, or FX_ERR_BAD_BITMAP for a null bitmap or one whose Flags bit 0 is
 * clear. */
static inline int FxCheckBitmap(const RasterBitmap* bitmap) {
    return bitmap && (bitmap->Flags & RB_FLAG_ALLOCATED) ? FX_OK : FX_ERR_BAD_BITMAP;
}

/* This thread's noise seed: zero on first use in every thread. */
uint32_t* FxNoiseSeed(void);

/* Progress over a number of rows. The callback sees the start value, then
 * after each row rises by (to - from) / rows, plus one whenever the
 * remainders add up to a whole row count, so that it reaches the end value
 * with the last row. Without a callback nothing happens. */
typedef struct FxProgress {
    StatusCallback Callback;
    int Percent;
    uint32_t Accumulator;
    int Step;
    uint32_t Remainder;
    uint32_t Divisor;
} FxProgress;

/* Takes the callback from the kernel and reports from; returns its result
 * (FX_OK without a callback). With no rows only from is reported. */
int FxProgressStart(FxProgress* progress, int from, int to, int rows);
/* Advances by one row; returns FX_OK or the callback's stop value. */
int FxProgressStep(FxProgress* progress);
/* Progress of operations that do not walk rows (palette changes): reports
 * percent to callback when there is one; FX_OK otherwise. */
int FxProgressReport(StatusCallback callback, int percent);

#endif
