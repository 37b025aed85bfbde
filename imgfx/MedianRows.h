/* The 3 x 3 median network, shared by the median and speck removal. Taps
 * are the nine window rows (top row first, each row left to right) offset
 * to the first output byte; n counts bytes. Internal to the library. */
#ifndef IMGFX_MEDIANROWS_H
#define IMGFX_MEDIANROWS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* out[k] = the fifth smallest of the nine taps' bytes k. */
void FxMedian3(uint8_t* out, const uint8_t* const taps[9], int n);
/* out[k] = that median where the centre byte lies more than 128 from it,
 * else the centre byte. */
void FxDespeckle3(uint8_t* out, const uint8_t* const taps[9], int n);

#ifdef __cplusplus
}
#endif

#endif
