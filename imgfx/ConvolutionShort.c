/* The general convolution's loops for kernels whose sums fit 16 bits: five
 * taps per pass over 16-bit sums, twice the values per vector of 32-bit
 * sums, and multiplies the plain x86-64 level has (the 32-bit ones it
 * lacks). Wrapping in the partial sums cancels out, since every whole sum
 * fits. */
#include "imgfx/ConvolutionRows.h"

#include "imgfx/Clones.h"

FX_BODY void accumulate5ShortBody(int16_t* restrict acc, const uint8_t* const* taps,
                                  const int16_t* c, int n, int first) {
    const uint8_t* restrict t0 = taps[0], * restrict t1 = taps[1], * restrict t2 = taps[2];
    const uint8_t* restrict t3 = taps[3], * restrict t4 = taps[4];
    const int16_t c0 = c[0], c1 = c[1], c2 = c[2], c3 = c[3], c4 = c[4];
    if (first) {
        for (int k = 0; k < n; ++k)
            acc[k] = (int16_t)(c0 * t0[k] + c1 * t1[k] + c2 * t2[k] + c3 * t3[k] + c4 * t4[k]);
    } else {
        for (int k = 0; k < n; ++k)
            acc[k] =
                (int16_t)(acc[k] + c0 * t0[k] + c1 * t1[k] + c2 * t2[k] + c3 * t3[k] + c4 * t4[k]);
    }
}

FX_LEVELS(static, accumulate5Short,
          (int16_t* restrict acc, const uint8_t* const* taps, const int16_t* c, int n, int first),
          (acc, taps, c, n, first))

void FxAccumulate5Short(int16_t* acc, const uint8_t* const taps[5], const int16_t c[5], int n,
                        int first) {
    accumulate5Short(acc, taps, c, n, first);
}

/* Quotients in float are exact for sums this small (see ConvolutionRows.c). */
FX_BODY void finishShortBody(uint8_t* restrict out, const int16_t* restrict acc, int n, int16_t lo,
                             int16_t hi, int16_t bias, int32_t divisor) {
    if (divisor == 1) {
        for (int k = 0; k < n; ++k) {
            int16_t s = acc[k];
            s = s < lo ? lo : s;
            s = s > hi ? hi : s;
            out[k] = (uint8_t)(s + bias);
        }
        return;
    }
    const float d = (float)divisor;
    for (int k = 0; k < n; ++k) {
        int16_t q = (int16_t)(int32_t)((float)acc[k] / d);
        q = q < lo ? lo : q;
        q = q > hi ? hi : q;
        out[k] = (uint8_t)(q + bias);
    }
}

FX_LEVELS(static, finishShort,
          (uint8_t* restrict out, const int16_t* restrict acc, int n, int16_t lo, int16_t hi,
           int16_t bias, int32_t divisor),
          (out, acc, n, lo, hi, bias, divisor))

void FxFinishShort(uint8_t* out, const int16_t* acc, int n, const FxSumRange* range,
                   int32_t divisor) {
    finishShort(out, acc, n, (int16_t)range->Low, (int16_t)range->High, (int16_t)range->Bias,
                divisor);
}
