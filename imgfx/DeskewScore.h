/* How alike two rows of a page are, for the skew search. Internal to the
 * library. */
#ifndef IMGFX_DESKEWSCORE_H
#define IMGFX_DESKEWSCORE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Sum of a[x] * b[x] for x below n. */
uint64_t FxDotLevels(const uint8_t* a, const uint8_t* b, size_t n);
/* FxDotLevels of a with b[0] .. b[3] into sums[0] .. sums[3]. */
void FxDotLevelsFour(const uint8_t* a, const uint8_t* const* b, size_t n, uint64_t* sums);

/* Whether FxDotLevelsBlock is the faster way to sum at this processor
 * level (four rows against four others at once). */
int FxBlockDots(void);
/* FxDotLevels of a[i] with b[k] into sums[4 * i + k], i, k below 4. */
void FxDotLevelsBlock(const uint8_t* const* a, const uint8_t* const* b, size_t n, uint64_t* sums);

/* Whether FxDotWideFour is the faster way to sum at this processor level
 * (rows widened once on loading, read many times). */
int FxWideDots(void);
/* The n levels as 16-bit words. */
void FxWidenLevels(const uint8_t* levels, uint16_t* wide, size_t n);
/* The intensities (5 * green + 2 * red + blue + 4) >> 3 of n 24-bit
 * pixels, blue first when order is RB_ORDER_BGR, as 16-bit words: the
 * kernel's conversion to grey, widened. */
void FxWidenIntensities(const uint8_t* pixels, int order, uint16_t* wide, size_t n);
/* FxDotLevels of rows widened by FxWidenLevels: the same sum. */
uint64_t FxDotWide(const uint16_t* a, const uint16_t* b, size_t n);
/* FxDotLevelsFour of rows widened by FxWidenLevels: the same sums. */
void FxDotWideFour(const uint16_t* a, const uint16_t* const* b, size_t n, uint64_t* sums);
/* The sums of widened rows a[i] and b[k] into sums[3 * i + k], i, k below
 * 3. */
void FxDotWideBlock(const uint16_t* const* a, const uint16_t* const* b, size_t n, uint64_t* sums);

/* Positions among the first n bits (most significant bit first) of a and b
 * where both bits equal lighter (0 or 1), counted a byte at a time through
 * the kernel's bit-count table, the last partial byte masked to its
 * high-order bits. */
uint32_t FxCountBothLighter(const uint8_t* a, const uint8_t* b, size_t n, int lighter);

/* Counts the n levels: each two at an even position (the first the low
 * byte of its index) into pairs[x / 2 % 4] at the pair's index (x the
 * position of its first), the levels past the last whole 8 one by one into
 * single. */
void FxCountLevelPairs(uint32_t (*pairs)[65536], uint32_t* single, const uint8_t* levels, size_t n);
/* The counts of every level from the pairs and singles counted. */
void FxFoldLevelPairs(const uint32_t (*pairs)[65536], const uint32_t* single, uint32_t counts[256]);

#ifdef __cplusplus
}
#endif

#endif
