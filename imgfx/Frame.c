/* The library's identity, its per-thread noise seed and the progress of
 * operations that do not walk rows. */
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

int FxProgressReport(StatusCallback callback, int percent) {
    return callback ? callback(percent) : FX_OK;
}
