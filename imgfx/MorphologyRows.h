/* Row loops of grey-level morphology. A window position's candidate is its
 * level raised by Add and lowered by Sub, each limited to 0..255 (element
 * value v gives Add = v for v > 0 and Sub = -v for v < 0); the output is the
 * largest (maximum nonzero) or smallest candidate. Taps are rows offset to
 * the first output byte; n counts bytes. Internal to the library. */
#ifndef IMGFX_MORPHOLOGYROWS_H
#define IMGFX_MORPHOLOGYROWS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Nine positions that all take part with their levels: out[k] for
 * k0 <= k < k0 + n on three unpadded rows of rowBytes bytes, read only
 * inside them (windows at the row's ends repeat its edge pixels). */
void FxExtreme3(uint8_t* out, const uint8_t* const* rows, int bpp, int rowBytes, int k0, int n,
                int maximum);
/* Nine positions with offsets; an ignored position carries the offsets that
 * make its candidate 0 (maximum) or 255 (minimum). */
void FxExtreme3Offsets(uint8_t* out, const uint8_t* const taps[9], int n, const uint8_t add[9],
                       const uint8_t sub[9], int maximum);
/* One position: out[k] = max (or min) of out[k] and the candidate of src[k]. */
void FxExtremeTap(uint8_t* out, const uint8_t* src, int n, uint8_t add, uint8_t sub, int maximum);

#ifdef __cplusplus
}
#endif

#endif
