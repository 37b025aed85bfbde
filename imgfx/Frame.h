/* Internal frame shared by the filters: bitmap checks, the per-thread noise
 * seed and progress stepping. Not part of the library's interface. */
#ifndef IMGFX_FRAME_H
#define IMGFX_FRAME_H

#include "imgfx/imgfx.h"
#include "rkkernel/KProgress.h"

/* FX_OK, or FX_ERR_BAD_BITMAP for a null bitmap or one whose Flags bit 0 is
 * clear. */
static inline int FxCheckBitmap(const RasterBitmap* bitmap) {
    return bitmap && (bitmap->Flags & RB_FLAG_ALLOCATED) ? FX_OK : FX_ERR_BAD_BITMAP;
}

/* This thread's noise seed: zero on first use in every thread. */
uint32_t* FxNoiseSeed(void);

/* Progress over a number of rows, as the kernel steps it (FX_OK is K_OK). */
typedef KProgress FxProgress;
static inline int FxProgressStart(FxProgress* progress, int from, int to, int rows) {
    return KProgressStart(progress, from, to, rows);
}
static inline int FxProgressStep(FxProgress* progress) {
    return KProgressStep(progress);
}
/* Progress of operations that do not walk rows (palette changes): reports
 * percent to callback when there is one; FX_OK otherwise. */
int FxProgressReport(StatusCallback callback, int percent);

#endif
