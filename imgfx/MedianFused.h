/* The 3 x 3 median with the sorted columns kept in registers rather than
 * passed through the first-level cache: each step sorts the next vector of
 * columns and takes the columns one and two pixels on from this step's
 * vector and the next one's, instead of storing the sorted columns and
 * loading them back at three offsets. With SSE2 alone, which cannot align
 * bytes across two registers in one operation, each step sorts the
 * columns at all three offsets from rows loaded there. Internal to the
 * library. */
#ifndef IMGFX_MEDIANFUSED_H
#define IMGFX_MEDIANFUSED_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The registers of a fused step. */
enum {
    FX_FUSED_LANES = 1, /* 128-bit, byte alignment in one operation (AVX2) */
    FX_FUSED_WHOLE = 2  /* the level's whole registers: 512 bits with AVX-512, 256 with
                           AVX2 (each stepping down to narrower ones near the row's end),
                           128 with SSE2 alone (where either kind runs this) */
};

/* Writes the medians of as many whole steps of the bytes start .. end - 1
 * (start >= bpp) as keep the steps' loads inside the three rows of
 * rowBytes bytes, on registers of kind at the library's level. Returns the
 * first byte after those outputs (start when none fit). */
ptrdiff_t FxMedian3Fused(int kind, uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes,
                         ptrdiff_t start, ptrdiff_t end);

#ifdef __cplusplus
}
#endif

#endif
