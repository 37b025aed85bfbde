/* Morphology row loops in byte arithmetic, written for the vectoriser:
 * level + add limited to 255 is level + min(add, 255 - level), and t - sub
 * limited to 0 is t - min(sub, t). */
#include "imgfx/MorphologyRows.h"

#include "imgfx/Clones.h"

#include <stddef.h>
#include <string.h>

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

/* Output bytes worked per pass of the plain 3 x 3 extremes, and the
 * columns either side of them. */
enum { PASS = 4096, PASS_MARGIN = 2 * 4 };

/* column[k] = the extreme of the three rows' bytes k. */
FX_BODY void columnExtremesBody(uint8_t* restrict column, const uint8_t* restrict r0,
                                const uint8_t* restrict r1, const uint8_t* restrict r2, int n,
                                int maximum) {
    if (maximum) {
        for (int k = 0; k < n; ++k)
            column[k] = greater(greater(r0[k], r1[k]), r2[k]);
    } else {
        for (int k = 0; k < n; ++k)
            column[k] = lesser(lesser(r0[k], r1[k]), r2[k]);
    }
}

FX_LEVELS(static, columnExtremes,
          (uint8_t* restrict column, const uint8_t* restrict r0, const uint8_t* restrict r1,
           const uint8_t* restrict r2, int n, int maximum),
          (column, r0, r1, r2, n, maximum))

/* out[k] = the extreme of the column extremes at bytes k, k + bpp and
 * k + 2 bpp. */
FX_BODY void rowExtremesBody(uint8_t* restrict out, const uint8_t* restrict column, int bpp, int n,
                             int maximum) {
    if (maximum) {
        for (int k = 0; k < n; ++k)
            out[k] = greater(greater(column[k], column[k + bpp]), column[k + 2 * bpp]);
    } else {
        for (int k = 0; k < n; ++k)
            out[k] = lesser(lesser(column[k], column[k + bpp]), column[k + 2 * bpp]);
    }
}

FX_LEVELS(static, rowExtremes,
          (uint8_t* restrict out, const uint8_t* restrict column, int bpp, int n, int maximum),
          (out, column, bpp, n, maximum))

/* Each column's extreme is taken once, for the three windows that share it:
 * 4 operations a byte instead of 8 on the nine taps. The columns of the
 * pixels either side of the row are those of its edge pixels. */
void FxExtreme3(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes, int k0, int n,
                int maximum) {
    _Alignas(64) uint8_t column[PASS + PASS_MARGIN];
    for (int done = 0; done < n; done += PASS) {
        const int m = n - done < PASS ? n - done : PASS, count = m + 2 * bpp;
        const ptrdiff_t first = (ptrdiff_t)k0 + done - bpp;
        const int lead = first < 0 ? bpp : 0;
        const int tail = first + count > rowBytes ? bpp : 0;
        columnExtremes(column + lead, rows[0] + first + lead, rows[1] + first + lead,
                       rows[2] + first + lead, count - lead - tail, maximum);
        if (lead)
            memcpy(column, column + bpp, (size_t)bpp);
        if (tail)
            memcpy(column + count - bpp, column + count - 2 * bpp, (size_t)bpp);
        rowExtremes(out + k0 + done, column, bpp, m, maximum);
    }
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
