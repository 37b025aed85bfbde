/* Morphology row loops in byte arithmetic, written for the vectoriser:
 * level + add limited to 255 is level + min(add, 255 - level), and t - sub
 * limited to 0 is t - min(sub, t). */
#include "imgfx/MorphologyRows.h"

#include "imgfx/Clones.h"

static inline uint8_t lesser(uint8_t a, uint8_t b) {
    return a < b ? a : b;
}

static inline uint8_t greater(uint8_t a, uint8_t b) {
    return a > b ? a : b;
}

static inline uint8_t candidate(uint8_t level, uint8_t add, uint8_t sub) {
    uint8_t t = (uint8_t)(level + lesser(add, (uint8_t)(255 - level)));
    return (uint8_t)(t - lesser(sub, t));
}

FX_BODY void extreme3Body(uint8_t* restrict out, const uint8_t* const* taps, int n, int maximum) {
    const uint8_t* restrict t0 = taps[0], * restrict t1 = taps[1], * restrict t2 = taps[2];
    const uint8_t* restrict t3 = taps[3], * restrict t4 = taps[4], * restrict t5 = taps[5];
    const uint8_t* restrict t6 = taps[6], * restrict t7 = taps[7], * restrict t8 = taps[8];
    if (maximum) {
        for (int k = 0; k < n; ++k)
            out[k] = greater(greater(greater(greater(t0[k], t1[k]), greater(t2[k], t3[k])),
                                     greater(greater(t4[k], t5[k]), greater(t6[k], t7[k]))),
                             t8[k]);
    } else {
        for (int k = 0; k < n; ++k)
            out[k] = lesser(lesser(lesser(lesser(t0[k], t1[k]), lesser(t2[k], t3[k])),
                                   lesser(lesser(t4[k], t5[k]), lesser(t6[k], t7[k]))),
                            t8[k]);
    }
}

FX_LEVELS(static, extreme3, (uint8_t* restrict out, const uint8_t* const* taps, int n, int maximum),
          (out, taps, n, maximum))

void FxExtreme3(uint8_t* out, const uint8_t* const taps[9], int n, int maximum) {
    extreme3(out, taps, n, maximum);
}

FX_BODY void extreme3OffsetsBody(uint8_t* restrict out, const uint8_t* const* taps, int n,
                                 const uint8_t* add, const uint8_t* sub, int maximum) {
    const uint8_t* restrict t[9];
    uint8_t a[9], s[9];
    for (int i = 0; i < 9; ++i)
        t[i] = taps[i], a[i] = add[i], s[i] = sub[i];
    for (int k = 0; k < n; ++k) {
        uint8_t result = candidate(t[0][k], a[0], s[0]);
        for (int i = 1; i < 9; ++i) {
            uint8_t c = candidate(t[i][k], a[i], s[i]);
            result = maximum ? greater(result, c) : lesser(result, c);
        }
        out[k] = result;
    }
}

FX_LEVELS(static, extreme3Offsets,
          (uint8_t* restrict out, const uint8_t* const* taps, int n, const uint8_t* add,
           const uint8_t* sub, int maximum),
          (out, taps, n, add, sub, maximum))

void FxExtreme3Offsets(uint8_t* out, const uint8_t* const taps[9], int n, const uint8_t add[9],
                       const uint8_t sub[9], int maximum) {
    extreme3Offsets(out, taps, n, add, sub, maximum);
}

FX_BODY void FxExtremeTapBody(uint8_t* restrict out, const uint8_t* restrict src, int n,
                              uint8_t add, uint8_t sub, int maximum) {
    if (add == 0 && sub == 0) {
        for (int k = 0; k < n; ++k)
            out[k] = maximum ? greater(out[k], src[k]) : lesser(out[k], src[k]);
        return;
    }
    for (int k = 0; k < n; ++k) {
        uint8_t c = candidate(src[k], add, sub);
        out[k] = maximum ? greater(out[k], c) : lesser(out[k], c);
    }
}

FX_LEVELS(, FxExtremeTap,
          (uint8_t* restrict out, const uint8_t* restrict src, int n, uint8_t add, uint8_t sub,
           int maximum),
          (out, src, n, add, sub, maximum))
