/* The 3 x 3 median as a fixed network of minimum and maximum operations:
 * each column of three is sorted, and the median of nine is the median of
 * the largest column minimum, the median of the column medians and the
 * smallest column maximum. Byte operations, written for the vectoriser. */
#include "imgfx/MedianRows.h"

#include "imgfx/Clones.h"

static inline uint8_t lesser(uint8_t a, uint8_t b) {
    return a < b ? a : b;
}

static inline uint8_t greater(uint8_t a, uint8_t b) {
    return a > b ? a : b;
}

static inline uint8_t median3(uint8_t a, uint8_t b, uint8_t c) {
    return greater(lesser(a, b), lesser(greater(a, b), c));
}

static inline uint8_t median9(const uint8_t* restrict const* t, int k) {
    uint8_t low = 0, mid[3], high = 255;
    for (int j = 0; j < 3; ++j) {
        uint8_t a = t[j][k], b = t[3 + j][k], c = t[6 + j][k];
        low = greater(low, lesser(lesser(a, b), c));
        mid[j] = median3(a, b, c);
        high = lesser(high, greater(greater(a, b), c));
    }
    return median3(low, median3(mid[0], mid[1], mid[2]), high);
}

FX_CLONES static void median3x3(uint8_t* restrict out, const uint8_t* const* taps, int n,
                                int despeckle) {
    const uint8_t* restrict t[9];
    for (int i = 0; i < 9; ++i)
        t[i] = taps[i];
    if (!despeckle) {
        for (int k = 0; k < n; ++k)
            out[k] = median9(t, k);
        return;
    }
    for (int k = 0; k < n; ++k) {
        uint8_t m = median9(t, k), c = t[4][k];
        /* |c - m| > 128 */
        uint8_t distance = (uint8_t)(greater(c, m) - lesser(c, m));
        out[k] = distance > 128 ? m : c;
    }
}

void FxMedian3(uint8_t* out, const uint8_t* const taps[9], int n) {
    median3x3(out, taps, n, 0);
}

void FxDespeckle3(uint8_t* out, const uint8_t* const taps[9], int n) {
    median3x3(out, taps, n, 1);
}
