/* The row loops of convolution, in the widths the sums need. Taps are byte
 * rows already offset to the first output byte; n counts bytes (channel
 * values). Internal to the library. */
#ifndef IMGFX_CONVOLUTIONROWS_H
#define IMGFX_CONVOLUTIONROWS_H

#include "imgfx/Convolution.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Nine taps of a 3 x 3 kernel in one pass, for kernels whose sums fit 16
 * bits (Short) or 32 bits (Int). */
void FxConvolve3Short(uint8_t* out, const uint8_t* const taps[9], int n,
                      const int32_t coefficients[9], const FxSumRange* range, int32_t divisor);
void FxConvolve3Int(uint8_t* out, const uint8_t* const taps[9], int n,
                    const int32_t coefficients[9], const FxSumRange* range, int32_t divisor);

/* acc[k] += c * src[k] for k < n. */
void FxAccumulateInt(int32_t* acc, const uint8_t* src, int n, int32_t c);
void FxAccumulateLong(int64_t* acc, const uint8_t* src, int n, int32_t c);
/* Output levels from sums. */
void FxFinishInt(uint8_t* out, const int32_t* acc, int n, const FxSumRange* range, int32_t divisor);
void FxFinishLong(uint8_t* out, const int64_t* acc, int n, int32_t bias, int32_t divisor);

/* For kernels whose sums fit 16 bits: acc[k] = (first ? 0 : acc[k]) + the
 * sum over t < 5 of c[t] * taps[t][k], and the output levels from such
 * sums. */
void FxAccumulate5Short(int16_t* acc, const uint8_t* const taps[5], const int16_t c[5], int n,
                        int first);
void FxFinishShort(uint8_t* out, const int16_t* acc, int n, const FxSumRange* range,
                   int32_t divisor);

#ifdef __cplusplus
}
#endif

#endif
