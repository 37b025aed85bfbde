/* Convolution row loops, written for the compiler's vectoriser. Divisions
 * go through floating point, which is exact here: for integers below 2^24
 * (float) or 2^53 (double) in size, the correctly rounded quotient never
 * crosses an integer, so truncating it gives the integer quotient. */
#include "imgfx/ConvolutionRows.h"

#include "imgfx/Clones.h"

/* Sums in 16 bits: the range guarantees every sum, quotient, limit and
 * biased level fits, and 16-bit wrapping in the partial sums cancels out. */
FX_BODY void conv3ShortBody(uint8_t* restrict out, const uint8_t* const* taps, int n,
                            const int16_t* c, int16_t lo, int16_t hi, int16_t bias,
                            int32_t divisor) {
    const uint8_t* restrict t0 = taps[0], * restrict t1 = taps[1], * restrict t2 = taps[2];
    const uint8_t* restrict t3 = taps[3], * restrict t4 = taps[4], * restrict t5 = taps[5];
    const uint8_t* restrict t6 = taps[6], * restrict t7 = taps[7], * restrict t8 = taps[8];
    const int16_t c0 = c[0], c1 = c[1], c2 = c[2], c3 = c[3], c4 = c[4];
    const int16_t c5 = c[5], c6 = c[6], c7 = c[7], c8 = c[8];
    if (divisor == 1) {
        for (int k = 0; k < n; ++k) {
            int16_t s = (int16_t)(c0 * t0[k] + c1 * t1[k] + c2 * t2[k] + c3 * t3[k] + c4 * t4[k] +
                                  c5 * t5[k] + c6 * t6[k] + c7 * t7[k] + c8 * t8[k]);
            s = s < lo ? lo : s;
            s = s > hi ? hi : s;
            out[k] = (uint8_t)(s + bias);
        }
        return;
    }
    const float d = (float)divisor;
    for (int k = 0; k < n; ++k) {
        int16_t s = (int16_t)(c0 * t0[k] + c1 * t1[k] + c2 * t2[k] + c3 * t3[k] + c4 * t4[k] +
                              c5 * t5[k] + c6 * t6[k] + c7 * t7[k] + c8 * t8[k]);
        int16_t q = (int16_t)(int32_t)((float)s / d);
        q = q < lo ? lo : q;
        q = q > hi ? hi : q;
        out[k] = (uint8_t)(q + bias);
    }
}

FX_LEVELS(static, conv3Short,
          (uint8_t* restrict out, const uint8_t* const* taps, int n, const int16_t* c, int16_t lo,
           int16_t hi, int16_t bias, int32_t divisor),
          (out, taps, n, c, lo, hi, bias, divisor))

void FxConvolve3Short(uint8_t* out, const uint8_t* const taps[9], int n,
                      const int32_t coefficients[9], const FxSumRange* range, int32_t divisor) {
    int16_t c[9];
    for (int i = 0; i < 9; ++i)
        c[i] = (int16_t)coefficients[i];
    conv3Short(out, taps, n, c, (int16_t)range->Low, (int16_t)range->High, (int16_t)range->Bias,
               divisor);
}

FX_BODY void conv3IntBody(uint8_t* restrict out, const uint8_t* const* taps, int n,
                          const int32_t* c, int32_t lo, int32_t hi, int32_t bias, int32_t divisor) {
    const uint8_t* restrict t0 = taps[0], * restrict t1 = taps[1], * restrict t2 = taps[2];
    const uint8_t* restrict t3 = taps[3], * restrict t4 = taps[4], * restrict t5 = taps[5];
    const uint8_t* restrict t6 = taps[6], * restrict t7 = taps[7], * restrict t8 = taps[8];
    const int32_t c0 = c[0], c1 = c[1], c2 = c[2], c3 = c[3], c4 = c[4];
    const int32_t c5 = c[5], c6 = c[6], c7 = c[7], c8 = c[8];
    const double d = (double)divisor;
    for (int k = 0; k < n; ++k) {
        int32_t s = c0 * t0[k] + c1 * t1[k] + c2 * t2[k] + c3 * t3[k] + c4 * t4[k] + c5 * t5[k] +
                    c6 * t6[k] + c7 * t7[k] + c8 * t8[k];
        if (divisor != 1)
            s = (int32_t)((double)s / d);
        s = s < lo ? lo : s;
        s = s > hi ? hi : s;
        out[k] = (uint8_t)(s + bias);
    }
}

FX_LEVELS(static, conv3Int,
          (uint8_t* restrict out, const uint8_t* const* taps, int n, const int32_t* c, int32_t lo,
           int32_t hi, int32_t bias, int32_t divisor),
          (out, taps, n, c, lo, hi, bias, divisor))

void FxConvolve3Int(uint8_t* out, const uint8_t* const taps[9], int n,
                    const int32_t coefficients[9], const FxSumRange* range, int32_t divisor) {
    conv3Int(out, taps, n, coefficients, (int32_t)range->Low, (int32_t)range->High,
             (int32_t)range->Bias, divisor);
}

FX_BODY void FxAccumulateIntBody(int32_t* restrict acc, const uint8_t* restrict src, int n,
                                 int32_t c) {
    for (int k = 0; k < n; ++k)
        acc[k] += c * src[k];
}

FX_LEVELS(, FxAccumulateInt, (int32_t* restrict acc, const uint8_t* restrict src, int n, int32_t c),
          (acc, src, n, c))

/* Unsigned arithmetic: only kernels far beyond any real use could carry
 * the sums past 63 bits, and they must not be undefined behaviour. */
FX_BODY void FxAccumulateLongBody(int64_t* restrict acc, const uint8_t* restrict src, int n,
                                  int32_t c) {
    const uint64_t cu = (uint64_t)(int64_t)c;
    for (int k = 0; k < n; ++k)
        acc[k] = (int64_t)((uint64_t)acc[k] + cu * src[k]);
}

FX_LEVELS(, FxAccumulateLong,
          (int64_t* restrict acc, const uint8_t* restrict src, int n, int32_t c), (acc, src, n, c))

FX_BODY void finishIntBody(uint8_t* restrict out, const int32_t* restrict acc, int n, int32_t lo,
                           int32_t hi, int32_t bias, int32_t divisor) {
    const double d = (double)divisor;
    for (int k = 0; k < n; ++k) {
        int32_t s = acc[k];
        if (divisor != 1)
            s = (int32_t)((double)s / d);
        s = s < lo ? lo : s;
        s = s > hi ? hi : s;
        out[k] = (uint8_t)(s + bias);
    }
}

FX_LEVELS(static, finishInt,
          (uint8_t* restrict out, const int32_t* restrict acc, int n, int32_t lo, int32_t hi,
           int32_t bias, int32_t divisor),
          (out, acc, n, lo, hi, bias, divisor))

void FxFinishInt(uint8_t* out, const int32_t* acc, int n, const FxSumRange* range,
                 int32_t divisor) {
    finishInt(out, acc, n, (int32_t)range->Low, (int32_t)range->High, (int32_t)range->Bias,
              divisor);
}

void FxFinishLong(uint8_t* out, const int64_t* acc, int n, int32_t bias, int32_t divisor) {
    for (int k = 0; k < n; ++k) {
        int64_t s = acc[k];
        if (divisor == -1)
            s = (int64_t)(0 - (uint64_t)s);
        else if (divisor != 1)
            s /= divisor;
        /* Beyond +-2^62 the level is decided by the sign alone. */
        s = s < -((int64_t)1 << 62) ? -((int64_t)1 << 62) : s;
        s = s > ((int64_t)1 << 62) ? ((int64_t)1 << 62) : s;
        s += bias;
        out[k] = (uint8_t)(s < 0 ? 0 : s > 255 ? 255 : s);
    }
}
