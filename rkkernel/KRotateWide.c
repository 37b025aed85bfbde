/* Bilinear rotation of 1- and 3-byte pixels in vectors, the loop chosen
 * once at load: grey pixels eight at a time with AVX-512 (sixteen over
 * stretches inside the picture), four at a time with AVX2, and colour
 * pixels four at a time in the AVX2 loop at both levels (picked from loads,
 * it ran faster at AVX-512 than eight pixels in doubles with word
 * gathers); the same double arithmetic as the plain loop of KRotate.c,
 * operation for operation and never fused, so the bytes are the same. The
 * source positions step pixel by pixel inside the loop, one add after the
 * other as the plain loop steps them: that chain of adds then runs beside
 * the resampling instead of before it, and where the positions ahead are
 * exact sums (KRotateSteps.h) they are taken many at once instead. Pixels
 * a step apart lie within a few bytes of each other on one or two source
 * rows: their bytes and right-hand neighbours are picked out of 16 bytes
 * loaded at the first and at the last of them, and gathered as 32-bit
 * words only where they lie farther apart (a steep angle, the picture's
 * edges). The source is readable 16 bytes past its end for these loads,
 * and its lines are fetched two rows ahead (a rotated row crosses the
 * source rows on a slant the processor's prefetching does not foresee).
 * Over stretches of exact sums a pixel inside the picture on every side,
 * the edge tests and the clamping are left out, and levels come from
 * single-precision sums wherever those cannot truncate otherwise than the
 * doubles (singleLevels). At the plain x86-64 level the same stretches run
 * in SSE2 alone (KRotateSse2.c). */
#include "KRotateLevels.h"
#include "KRotateSse2.h"

static int bilinearNone(KBilinearRow* row, uint8_t* out) {
    (void)row, (void)out;
    return 0;
}

static int (*bilinear)(KBilinearRow*, uint8_t*) = bilinearNone;

__attribute__((constructor)) static void chooseBilinear(void) {
    if (KIsaLevel() == K_ISA_AVX512)
        bilinear = KBilinearAvx512;
    else if (KIsaLevel() == K_ISA_AVX2)
        bilinear = KBilinearAvx2;
    else
        bilinear = KBilinearSse2;
}

int KWideBilinear(KBilinearRow* row, uint8_t* out) {
    return row->Bytes == 1 || row->Bytes == 3 ? bilinear(row, out) : 0;
}
