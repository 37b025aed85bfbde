/* The 256-entry tables of output levels behind the point operations. Each
 * builder fills table[i] with the output level for input level i. Internal
 * to the library. */
#ifndef IMGFX_POINTTABLES_H
#define IMGFX_POINTTABLES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A level's change in steps of a thousandth of the full range:
 * (change * 255 + 500) / 1000, for change in -1000..1000. */
static inline int FxThousandthsOfRange(int change) {
    return (change * 255 + 500) / 1000;
}

/* clamp(i + add). */
void FxShiftTable(int add, uint8_t table[256]);
/* Levels below centre move by -d but never past centre nor below 0; levels
 * from centre up move by +d but never below centre nor past 255. */
void FxContrastTable(int centre, int d, uint8_t table[256]);
/* Even levels for levels >= 2 (worked in 64 bits, so that any count
 * holds). */
void FxPosterizeTable(uint32_t levels, uint8_t table[256]);
/* 255 inside low..high, else 0. */
void FxDetectTable(uint32_t low, uint32_t high, uint8_t table[256]);
/* trunc(pow(i * k, 100.0 / gamma) * 255 + 0.5) with k the double nearest
 * 1/255, clamped; gamma nonzero. */
void FxGammaTable(int gamma, uint8_t table[256]);

#ifdef __cplusplus
}
#endif

#endif
