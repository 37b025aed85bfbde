/* The bilinear rotation's loop at the plain x86-64 level (SSE2 only; see
 * KRotateSse2.c). Internal to the kernel. */
#ifndef RKKERNEL_KROTATESSE2_H
#define RKKERNEL_KROTATESSE2_H

#include "KInternal.h"

/* The first pixels of a row of 1- or 3-byte pixels, as KWideBilinear. */
int KBilinearSse2(KBilinearRow* row, uint8_t* out);

#endif
