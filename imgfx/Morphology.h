/* Grey-level morphology shared by the walker path and the 1-bit path of
 * R_BinaryFilterBitmap. Internal to the library. */
#ifndef IMGFX_MORPHOLOGY_H
#define IMGFX_MORPHOLOGY_H

#include "imgfx/imgfx_neighbour.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A resolved element (built-in or the caller's record). */
typedef struct FxElement {
    int32_t Maximum;
    int32_t Dimension; /* 1 .. FX_MAX_DIMENSION */
    const int32_t* Elements;
} FxElement;

/* The offsets of an element value for the row loops: the level is raised
 * by add and lowered by sub; an ignored position (256) gets the offsets
 * that make its candidate 0 under the maximum and 255 under the minimum. */
void FxElementOffsets(int32_t value, int maximum, uint8_t* add, uint8_t* sub);

/* The 1-bit path: the bitmap's bits as levels 0 and 255 by its grey kind,
 * rows in picture order, written inside the region. Returns the grey kind
 * (0) for a 1-bit bitmap whose palette is not black and white. */
int FxFilterBits(RasterBitmap* bitmap, const FxElement* element);

#ifdef __cplusplus
}
#endif

#endif
