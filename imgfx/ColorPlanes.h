/* What colour separation and merge share: the kinds with their kernel
 * colour spaces and plane counts, and the loops that deal converted pixels
 * out to plane rows and gather them back. Internal to the library. */
#ifndef IMGFX_COLORPLANES_H
#define IMGFX_COLORPLANES_H

#include "imgfx/Frame.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The largest separation kind and the most planes a kind has. */
#define FX_LAST_SEPARATION 4u
#define FX_MAX_PLANES 4

typedef struct FxSeparation {
    int Space;  /* KConvertColorSpace code */
    int Planes; /* planes, and bytes of a pixel in Space */
} FxSeparation;

/* The separation of kind (at most FX_LAST_SEPARATION). */
FxSeparation FxSeparationOf(unsigned kind);

/* Rows written by a separation or merge of at least this many bytes are
 * streamed past the caches, which could not hold them anyway: the
 * processor then need not read every line before writing it. */
#define FX_STREAM_BYTES (16u << 20)

/* No dealing or gathering loop asks for its bytes ahead of the processor's
 * own fetching: on Zen 4 that made every level's loops 5 to 25 % slower,
 * though an earlier machine of the same family measured a gain. */

/* Byte k of each of width pixels of planes bytes at pixels into rows[k];
 * stream (nonzero) asks for writes past the caches, which FxStreamDone
 * must follow before anything else reads what was written. */
void FxDealPlanes(const uint8_t* pixels, int width, int planes, uint8_t* const* rows, int stream);
/* The inverse: byte x of rows[k] into byte k of pixel x. */
void FxGatherPlanes(uint8_t* pixels, int width, int planes, const uint8_t* const* rows, int stream);
/* Both for three planes with every byte complemented (255 minus it) on
 * the way, as CMY's planes are red, green and blue's: one pass over the
 * pixels instead of dealing them and complementing the planes after. */
void FxDealComplement3(const uint8_t* pixels, int width, uint8_t* const* rows, int stream);
void FxGatherComplement3(uint8_t* pixels, int width, const uint8_t* const* rows, int stream);
/* CMYK's four ink planes, as the kernel's space gives them, from width
 * pixels held as blue, green and red rows bgr[0..2]; stream as for
 * FxDealPlanes (ColorPlanesInk.c). */
void FxInkPlanes(const uint8_t* const* bgr, int width, uint8_t* const* rows, int stream);
/* The inverse: blue, green and red plane rows bgr[0..2] of width pixels
 * from CMYK's ink plane rows. */
void FxBgrOfInk(const uint8_t* const* ink, int width, uint8_t* const* bgr);
/* Orders the streamed writes before every later access. */
void FxStreamDone(void);

/* Vector forms for three planes, working from the first pixel and each
 * returning the pixels done, the plain loop doing the rest: dealing with
 * AVX-512 VBMI (ColorPlanesWide.c; nothing done elsewhere), both with
 * AVX2 (ColorPlanesAvx2.c; only where the processor has it). Every byte
 * written is XORed with flip (0, or 255 to complement). Streaming needs
 * the written rows 64-byte aligned. */
int FxWideDeal3(const uint8_t* pixels, int width, uint8_t* const* rows, int stream, uint8_t flip);
int FxAvx2Deal3(const uint8_t* pixels, int width, uint8_t* const* rows, int stream, uint8_t flip);
int FxAvx2Gather3(uint8_t* pixels, int width, const uint8_t* const* rows, int stream, uint8_t flip);

#ifdef __cplusplus
}
#endif

#endif
