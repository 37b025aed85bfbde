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

/* A table of the counts of pairs of levels, padded past its 65536 counters
 * so that the same pair's counters in the four tables are not a multiple
 * of 4 KiB apart: the processor took each one's increment for one
 * depending on the store before it to the other's address. */
#define FX_PAIR_TABLE (65536 + 40)

/* Whether rows in pairs (FxDotPairedBlock) are the faster way to sum at
 * this processor level: rows are then paired once on loading and read many
 * times. */
int FxPairedDots(void);

/* Rows in pairs hold n levels in blocks of FX_PAIRED_BLOCK: each block's
 * 16 levels at even positions, then its 16 at odd positions, as 16-bit
 * words, the last block filled up with zeros: FxPairedWords(n) words. A
 * row in pairs from a whole block on is one too. */
#define FX_PAIRED_BLOCK 32
size_t FxPairedWords(size_t n);
void FxPairLevels(const uint8_t* levels, uint16_t* paired, size_t n);
/* The sum over the blocks holding n levels of each level at an even
 * position times the level after it. */
uint64_t FxPairedSelf(const uint16_t* paired, size_t n);
/* The sum of a[x] * b[x] over the blocks holding n levels of rows in
 * pairs a and b, given selfA = FxPairedSelf(a, n) and selfB =
 * FxPairedSelf(b, n): FxDotLevels of the n levels where, past them, one
 * row or the other holds zeros (a row's filled end). */
uint64_t FxDotPaired(const uint16_t* a, uint64_t selfA, const uint16_t* b, uint64_t selfB,
                     size_t n);
/* FxDotPaired of rows a[i] and b[k] into sums[3 * i + k], i, k below 3;
 * and, alongside, FxCountLevelPairs of the 8 * words levels (whole words
 * of eight, none left single) into pairs. */
void FxDotPairedBlock(const uint16_t* const* a, const uint64_t* selfA, const uint16_t* const* b,
                      const uint64_t* selfB, size_t n, uint64_t* sums,
                      uint32_t (*pairs)[FX_PAIR_TABLE], const uint8_t* levels, size_t words);
/* The intensities (5 * green + 2 * red + blue + 4) >> 3 of n 24-bit
 * pixels, blue first when order is RB_ORDER_BGR: the kernel's conversion
 * to grey. */
void FxIntensityLevels(const uint8_t* pixels, int order, uint8_t* levels, size_t n);

/* Positions among the first n bits (most significant bit first) of a and b
 * where both bits equal lighter (0 or 1), counted a byte at a time through
 * the kernel's bit-count table, the last partial byte masked to its
 * high-order bits. */
uint32_t FxCountBothLighter(const uint8_t* a, const uint8_t* b, size_t n, int lighter);

/* Counts the n levels: each two at an even position (the first the low
 * byte of its index) into pairs[x / 2 % 4] at the pair's index (x the
 * position of its first), the levels past the last whole 8 one by one into
 * single. */
void FxCountLevelPairs(uint32_t (*pairs)[FX_PAIR_TABLE], uint32_t* single, const uint8_t* levels,
                       size_t n);
/* The counts of every level from the pairs and singles counted. */
void FxFoldLevelPairs(const uint32_t (*pairs)[FX_PAIR_TABLE], const uint32_t* single,
                      uint32_t counts[256]);

#ifdef __cplusplus
}
#endif

#endif
