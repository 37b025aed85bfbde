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

/* Byte k of each of width pixels of planes bytes at pixels into rows[k]. */
void FxDealPlanes(const uint8_t* pixels, int width, int planes, uint8_t* const* rows);
/* The inverse: byte x of rows[k] into byte k of pixel x. */
void FxGatherPlanes(uint8_t* pixels, int width, int planes, const uint8_t* const* rows);

/* Vector forms for three planes (ColorPlanesWide.c), working from the first
 * pixel where the processor has AVX-512 VBMI and doing nothing elsewhere;
 * each returns the pixels done, and the plain loop does the rest. */
int FxWideDeal3(const uint8_t* pixels, int width, uint8_t* const* rows);
int FxWideGather3(uint8_t* pixels, int width, const uint8_t* const* rows);

#ifdef __cplusplus
}
#endif

#endif
