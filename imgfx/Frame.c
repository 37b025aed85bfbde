/* The library's identity, its per-thread noise seed and progress stepping. */
#include "imgfx/Frame.h"

/* The banner stands in the library's read-only data and is shown nowhere. */
__attribute__((used)) static const char banner[] = "RastelKit IMAGE MODULE V6.2";

static _Thread_local uint32_t noiseSeed;

uint32_t* FxNoiseSeed(void) {
    return &noiseSeed;
}

uint32_t R_GetBitmapNoiseSeed(void) {
    return noiseSeed;
}

void R_SetBitmapNoiseSeed(uint32_t seed) {
    noiseSeed = seed;
}

int FxProgressStart(FxProgress* progress, int from, int to, int rows) {
    progress->Callback = KGetStatusCallback();
    if (!progress->Callback)
        return FX_OK;
    progress->Percent = from;
    progress->Accumulator = 0;
    /* An empty region has no rows to step over: the callback then sees only
     * the start value rather than a division by zero. */
    progress->Step = rows > 0 ? (to - from) / rows : 0;
    progress->Remainder = rows > 0 ? (uint32_t)((to - from) % rows) : 0;
    progress->Divisor = rows > 0 ? (uint32_t)rows : 0;
    return progress->Callback(from);
}

int FxProgressStep(FxProgress* progress) {
    if (!progress->Callback)
        return FX_OK;
    progress->Percent += progress->Step;
    progress->Accumulator += progress->Remainder;
    if (progress->Divisor && progress->Accumulator >= progress->Divisor) {
        progress->Percent += 1;
        progress->Accumulator -= progress->Divisor;
        return progress->Callback(progress->Percent);
    }
    if (progress->Step != 0)
        return progress->Callback(progress->Percent);
    return FX_OK;
}

int FxProgressReport(StatusCallback callback, int percent) {
    return callback ? callback(percent) : FX_OK;
}
