/* Row likeness for the skew search. The intensity products are summed 64
 * pixels at a time with AVX-512 multiply-adds when the processor has them
 * (chosen once at load), as byte dot products where it has those too
 * (VNNI), 32 or 16 at a time with AVX2 or SSE2 ones otherwise; except for
 * AVX-512's 16-bit multiply-adds a row against four others at once, so
 * that its bytes are read and split once for the four; with AVX2 the rows
 * are widened to 16 bits once, in pairs, and summed three against three. */
#include "imgfx/DeskewScore.h"

#include "rkkernel/rkkernel.h"

#include <immintrin.h>
#include <string.h>

static uint64_t dotPlain(const uint8_t* a, const uint8_t* b, size_t n) {
    uint64_t sum = 0;
    for (size_t x = 0; x < n; ++x)
        sum += (uint32_t)a[x] * b[x];
    return sum;
}

/* Levels widen to 16 bits and multiply-add in pairs into 32-bit lanes. A
 * lane gains at most 2 * 255 * 255 an iteration, so lanes are emptied into
 * 64 bits every 8192 iterations, long before they could overflow. */
__attribute__((target("avx512f,avx512bw"))) static uint64_t dotWide(const uint8_t* a,
                                                                    const uint8_t* b, size_t n) {
    enum { FLUSH = 8192 };
    uint64_t sum = 0;
    size_t x = 0;
    while (x + 64 <= n) {
        __m512i low = _mm512_setzero_si512(), high = _mm512_setzero_si512();
        for (int i = 0; i < FLUSH && x + 64 <= n; ++i, x += 64) {
            __m512i a0 = _mm512_cvtepu8_epi16(_mm256_loadu_si256((const __m256i*)(a + x)));
            __m512i b0 = _mm512_cvtepu8_epi16(_mm256_loadu_si256((const __m256i*)(b + x)));
            __m512i a1 = _mm512_cvtepu8_epi16(_mm256_loadu_si256((const __m256i*)(a + x + 32)));
            __m512i b1 = _mm512_cvtepu8_epi16(_mm256_loadu_si256((const __m256i*)(b + x + 32)));
            low = _mm512_add_epi32(low, _mm512_madd_epi16(a0, b0));
            high = _mm512_add_epi32(high, _mm512_madd_epi16(a1, b1));
        }
        __m512i lanes = _mm512_add_epi64(
            _mm512_add_epi64(_mm512_cvtepu32_epi64(_mm512_castsi512_si256(low)),
                             _mm512_cvtepu32_epi64(_mm512_extracti64x4_epi64(low, 1))),
            _mm512_add_epi64(_mm512_cvtepu32_epi64(_mm512_castsi512_si256(high)),
                             _mm512_cvtepu32_epi64(_mm512_extracti64x4_epi64(high, 1))));
        sum += (uint64_t)_mm512_reduce_add_epi64(lanes);
    }
    return sum + dotPlain(a + x, b + x, n - x);
}

/* Without AVX-512: the even and odd bytes of 16-bit lanes are masked and
 * shifted apart (no shuffles) and multiply-added in pairs into 32-bit
 * lanes, which gain at most 4 * 255 * 255 an iteration and are emptied
 * into 64 bits every 8192 iterations. */
__attribute__((target("avx2"))) static uint64_t dotAvx2(const uint8_t* a, const uint8_t* b,
                                                        size_t n) {
    enum { FLUSH = 8192 };
    const __m256i low = _mm256_set1_epi16(0xFF);
    uint64_t sum = 0;
    size_t x = 0;
    while (x + 32 <= n) {
        __m256i lanes = _mm256_setzero_si256();
        for (int i = 0; i < FLUSH && x + 32 <= n; ++i, x += 32) {
            const __m256i va = _mm256_loadu_si256((const __m256i*)(a + x));
            const __m256i vb = _mm256_loadu_si256((const __m256i*)(b + x));
            const __m256i even =
                _mm256_madd_epi16(_mm256_and_si256(va, low), _mm256_and_si256(vb, low));
            const __m256i odd =
                _mm256_madd_epi16(_mm256_srli_epi16(va, 8), _mm256_srli_epi16(vb, 8));
            lanes = _mm256_add_epi32(lanes, _mm256_add_epi32(even, odd));
        }
        uint32_t part[8];
        _mm256_storeu_si256((__m256i*)part, lanes);
        for (int k = 0; k < 8; ++k)
            sum += part[k];
    }
    return sum + dotPlain(a + x, b + x, n - x);
}

static uint64_t dotSse2(const uint8_t* a, const uint8_t* b, size_t n) {
    enum { FLUSH = 8192 };
    const __m128i low = _mm_set1_epi16(0xFF);
    uint64_t sum = 0;
    size_t x = 0;
    while (x + 16 <= n) {
        __m128i lanes = _mm_setzero_si128();
        for (int i = 0; i < FLUSH && x + 16 <= n; ++i, x += 16) {
            const __m128i va = _mm_loadu_si128((const __m128i*)(a + x));
            const __m128i vb = _mm_loadu_si128((const __m128i*)(b + x));
            const __m128i even = _mm_madd_epi16(_mm_and_si128(va, low), _mm_and_si128(vb, low));
            const __m128i odd = _mm_madd_epi16(_mm_srli_epi16(va, 8), _mm_srli_epi16(vb, 8));
            lanes = _mm_add_epi32(lanes, _mm_add_epi32(even, odd));
        }
        uint32_t part[4];
        _mm_storeu_si128((__m128i*)part, lanes);
        for (int k = 0; k < 4; ++k)
            sum += part[k];
    }
    return sum + dotPlain(a + x, b + x, n - x);
}

/* Row a against four rows b at once, a's bytes split once for all four;
 * the sums are the same integers as four single dots. With AVX-512 the
 * four single dots measured as fast or faster. */
static void dotFourWide(const uint8_t* a, const uint8_t* const* b, size_t n, uint64_t* sums) {
    for (int k = 0; k < 4; ++k)
        sums[k] = dotWide(a, b[k], n);
}

__attribute__((target("avx2"))) static void dotFourAvx2(const uint8_t* a, const uint8_t* const* b,
                                                        size_t n, uint64_t* sums) {
    enum { FLUSH = 8192 };
    const __m256i low = _mm256_set1_epi16(0xFF);
    size_t x = 0;
    for (int k = 0; k < 4; ++k)
        sums[k] = 0;
    while (x + 32 <= n) {
        __m256i lanes[4];
        for (int k = 0; k < 4; ++k)
            lanes[k] = _mm256_setzero_si256();
        for (int i = 0; i < FLUSH && x + 32 <= n; ++i, x += 32) {
            const __m256i va = _mm256_loadu_si256((const __m256i*)(a + x));
            const __m256i even = _mm256_and_si256(va, low), odd = _mm256_srli_epi16(va, 8);
            for (int k = 0; k < 4; ++k) {
                const __m256i vb = _mm256_loadu_si256((const __m256i*)(b[k] + x));
                lanes[k] = _mm256_add_epi32(
                    lanes[k], _mm256_add_epi32(_mm256_madd_epi16(even, _mm256_and_si256(vb, low)),
                                               _mm256_madd_epi16(odd, _mm256_srli_epi16(vb, 8))));
            }
        }
        for (int k = 0; k < 4; ++k) {
            uint32_t part[8];
            _mm256_storeu_si256((__m256i*)part, lanes[k]);
            for (int j = 0; j < 8; ++j)
                sums[k] += part[j];
        }
    }
    for (int k = 0; k < 4; ++k)
        sums[k] += dotPlain(a + x, b[k] + x, n - x);
}

static void dotFourSse2(const uint8_t* a, const uint8_t* const* b, size_t n, uint64_t* sums) {
    enum { FLUSH = 8192 };
    const __m128i low = _mm_set1_epi16(0xFF);
    size_t x = 0;
    for (int k = 0; k < 4; ++k)
        sums[k] = 0;
    while (x + 16 <= n) {
        __m128i lanes[4];
        for (int k = 0; k < 4; ++k)
            lanes[k] = _mm_setzero_si128();
        for (int i = 0; i < FLUSH && x + 16 <= n; ++i, x += 16) {
            const __m128i va = _mm_loadu_si128((const __m128i*)(a + x));
            const __m128i even = _mm_and_si128(va, low), odd = _mm_srli_epi16(va, 8);
            for (int k = 0; k < 4; ++k) {
                const __m128i vb = _mm_loadu_si128((const __m128i*)(b[k] + x));
                lanes[k] = _mm_add_epi32(lanes[k],
                                         _mm_add_epi32(_mm_madd_epi16(even, _mm_and_si128(vb, low)),
                                                       _mm_madd_epi16(odd, _mm_srli_epi16(vb, 8))));
            }
        }
        for (int k = 0; k < 4; ++k) {
            uint32_t part[4];
            _mm_storeu_si128((__m128i*)part, lanes[k]);
            for (int j = 0; j < 4; ++j)
                sums[k] += part[j];
        }
    }
    for (int k = 0; k < 4; ++k)
        sums[k] += dotPlain(a + x, b[k] + x, n - x);
}

/* With byte dot products (unsigned by signed bytes, four products to a
 * 32-bit lane): a[x] * b[x] = a[x] * (b[x] - 128) + 128 * a[x], the sum of
 * a's bytes taken once for all four rows. A lane gains at most
 * 4 * 255 * 128 either way an iteration; emptied into 64 bits every 8192
 * iterations it stays inside 31 bits. The last bytes are loaded masked,
 * zeros that add nothing. */
#define VNNI __attribute__((target("avx512f,avx512bw,avx512vnni")))

VNNI static inline int64_t lanesSum(__m512i lanes) {
    return _mm512_reduce_add_epi64(
        _mm512_add_epi64(_mm512_cvtepi32_epi64(_mm512_castsi512_si256(lanes)),
                         _mm512_cvtepi32_epi64(_mm512_extracti64x4_epi64(lanes, 1))));
}

VNNI static void dotFourVnni(const uint8_t* a, const uint8_t* const* b, size_t n, uint64_t* sums) {
    enum { FLUSH = 8192 };
    const __m512i flip = _mm512_set1_epi8((char)0x80);
    int64_t total[4] = {0, 0, 0, 0};
    __m512i bytes = _mm512_setzero_si512();
    size_t x = 0;
    while (x < n) {
        __m512i lanes[4];
        for (int k = 0; k < 4; ++k)
            lanes[k] = _mm512_setzero_si512();
        for (int i = 0; i < FLUSH && x < n; ++i, x += 64) {
            const __mmask64 load = n - x >= 64 ? ~(__mmask64)0 : ((__mmask64)1 << (n - x)) - 1;
            const __m512i va = _mm512_maskz_loadu_epi8(load, a + x);
            bytes = _mm512_add_epi64(bytes, _mm512_sad_epu8(va, _mm512_setzero_si512()));
            for (int k = 0; k < 4; ++k) {
                const __m512i vb = _mm512_maskz_loadu_epi8(load, b[k] + x);
                lanes[k] = _mm512_dpbusd_epi32(lanes[k], va, _mm512_xor_si512(vb, flip));
            }
        }
        for (int k = 0; k < 4; ++k)
            total[k] += lanesSum(lanes[k]);
    }
    const int64_t lifted = 128 * (int64_t)_mm512_reduce_add_epi64(bytes);
    for (int k = 0; k < 4; ++k)
        sums[k] = (uint64_t)(total[k] + lifted);
}

VNNI static uint64_t dotVnni(const uint8_t* a, const uint8_t* b, size_t n) {
    const uint8_t* const four[4] = {b, b, b, b};
    uint64_t sums[4];
    dotFourVnni(a, four, n, sums);
    return sums[0];
}

/* Four rows a against four rows b, the sixteen sums in one pass: each
 * load of a row serves four of them, where the single rows against four
 * others read every b row once for every a row (from the second-level
 * cache: the rows a search holds do not fit the first). The lanes and
 * the lifting by 128 * (sum of a's bytes) as in dotFourVnni. */
VNNI static void dotBlockVnni(const uint8_t* const* a, const uint8_t* const* b, size_t n,
                              uint64_t* sums) {
    enum { FLUSH = 8192 };
    const __m512i flip = _mm512_set1_epi8((char)0x80);
    int64_t total[16] = {0};
    __m512i bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = _mm512_setzero_si512();
    size_t x = 0;
    while (x < n) {
        __m512i lanes[16];
        for (int k = 0; k < 16; ++k)
            lanes[k] = _mm512_setzero_si512();
        for (int t = 0; t < FLUSH && x < n; ++t, x += 64) {
            const __mmask64 load = n - x >= 64 ? ~(__mmask64)0 : ((__mmask64)1 << (n - x)) - 1;
            __m512i va[4];
            for (int i = 0; i < 4; ++i) {
                va[i] = _mm512_maskz_loadu_epi8(load, a[i] + x);
                bytes[i] =
                    _mm512_add_epi64(bytes[i], _mm512_sad_epu8(va[i], _mm512_setzero_si512()));
            }
            for (int k = 0; k < 4; ++k) {
                const __m512i vb = _mm512_xor_si512(_mm512_maskz_loadu_epi8(load, b[k] + x), flip);
                for (int i = 0; i < 4; ++i)
                    lanes[4 * i + k] = _mm512_dpbusd_epi32(lanes[4 * i + k], va[i], vb);
            }
        }
        for (int k = 0; k < 16; ++k)
            total[k] += lanesSum(lanes[k]);
    }
    for (int i = 0; i < 4; ++i) {
        const int64_t lifted = 128 * (int64_t)_mm512_reduce_add_epi64(bytes[i]);
        for (int k = 0; k < 4; ++k)
            sums[4 * i + k] = (uint64_t)(total[4 * i + k] + lifted);
    }
}

/* Rows in pairs. Two neighbouring products of a row against another come
 * from one product of sums of their levels:
 *   a0 b0 + a1 b1 = (a0 + b1) (a1 + b0) - a0 a1 - b0 b1,
 * where the last two terms belong to either row alone: they are summed
 * once for a row (FxPairedSelf) instead of for every row it is compared
 * with. That halves the multiply-adds, which take one vector port where
 * additions take three (AMD Zen), for one more addition: the sums go
 * through the ports a third faster there, and no slower where two ports
 * multiply. A row holds its levels in blocks of 32, the 16 at even
 * positions and then the 16 at odd ones as 16-bit words, so that the sums
 * of one row's evens and another's odds are one addition of words (at
 * most 510); their products two to a 32-bit lane gain at most
 * 2 * 510 * 510 a block, and lanes emptied into 64 bits every 4096 blocks
 * stay inside 31 bits. */
enum { PAIRED_FLUSH = 4096 };

static uint64_t pairedPlain(const uint16_t* a, const uint16_t* b, size_t blocks) {
    uint64_t sum = 0;
    for (size_t x = 0; x < FX_PAIRED_BLOCK * blocks; x += FX_PAIRED_BLOCK)
        for (int j = 0; j < 16; ++j)
            sum += (uint32_t)(a[x + j] + b[x + 16 + j]) * (uint32_t)(a[x + 16 + j] + b[x + j]);
    return sum;
}

__attribute__((target("avx2"))) static uint64_t lanesTotalAvx2(__m256i lanes) {
    uint32_t part[8];
    _mm256_storeu_si256((__m256i*)part, lanes);
    uint64_t sum = 0;
    for (int j = 0; j < 8; ++j)
        sum += part[j];
    return sum;
}

__attribute__((target("avx2"))) static uint64_t pairedAvx2(const uint16_t* a, const uint16_t* b,
                                                           size_t blocks) {
    uint64_t sum = 0;
    size_t c = 0;
    while (c < blocks) {
        const size_t end = blocks - c > PAIRED_FLUSH ? c + PAIRED_FLUSH : blocks;
        __m256i lanes = _mm256_setzero_si256();
        for (; c < end; ++c) {
            const __m256i* pa = (const __m256i*)(a + FX_PAIRED_BLOCK * c);
            const __m256i* pb = (const __m256i*)(b + FX_PAIRED_BLOCK * c);
            const __m256i even =
                _mm256_add_epi16(_mm256_loadu_si256(pa), _mm256_loadu_si256(pb + 1));
            const __m256i odd =
                _mm256_add_epi16(_mm256_loadu_si256(pa + 1), _mm256_loadu_si256(pb));
            lanes = _mm256_add_epi32(lanes, _mm256_madd_epi16(even, odd));
        }
        sum += lanesTotalAvx2(lanes);
    }
    return sum;
}

/* Three rows in pairs against three, each load serving three sums. Written
 * out with its registers: the nine lanes, the evens of the three rows a,
 * one row b's evens and odds and the two sums of levels take all sixteen,
 * where the compiler kept three lanes in memory (a load and a store each a
 * block). The odds of the rows a are read where they lie.
 *
 * While it sums, the loop counts up to one word of eight levels a block
 * (from *count to end) into the four tables of pairs as
 * FxCountLevelPairs: the sums keep the vector ports busy and leave the
 * scalar ones and the loads to spare, so that the page's count comes
 * nearly free beside them instead of after them. */
__attribute__((target("avx2"))) static void
pairedBlockAvx2(const uint16_t* const* a, const uint16_t* const* b, size_t blocks, uint64_t* sums,
                uint32_t (*pairs)[FX_PAIR_TABLE], const uint8_t** count, const uint8_t* end) {
    enum { TABLE = FX_PAIR_TABLE * sizeof(uint32_t) };
    for (int k = 0; k < 9; ++k)
        sums[k] = 0;
    const uint8_t* levels = *count;
    for (size_t c = 0; c < blocks; c += PAIRED_FLUSH) {
        const size_t offset = FX_PAIRED_BLOCK * c;
        const size_t bytes =
            2 * FX_PAIRED_BLOCK * (blocks - c > PAIRED_FLUSH ? PAIRED_FLUSH : blocks - c);
        uint32_t lanes[9][8];
        size_t x = 0;
        uint64_t word, index;
        /* The sum of pair (i, k): row a[i]'s evens (ymm9 + i) and odds (at
         * a[i] + 32 bytes) with row b[k]'s odds (ymm13) and evens (ymm12)
         * into lane 3 i + k. */
        // clang-format off
#define PAIR(row, evens, lane)                                                                     \
    "vpaddw %%ymm13, %%ymm" evens ", %%ymm14\n\t"                                                  \
    "vpaddw 32(%[" row "],%[x]), %%ymm12, %%ymm15\n\t"                                             \
    "vpmaddwd %%ymm15, %%ymm14, %%ymm14\n\t"                                                       \
    "vpaddd %%ymm14, %%ymm" lane ", %%ymm" lane "\n\t"
#define ROW_B(row, lane0, lane1, lane2)                                                            \
    "vmovdqu (%[" row "],%[x]), %%ymm12\n\t"                                                       \
    "vmovdqu 32(%[" row "],%[x]), %%ymm13\n\t"                                                     \
    PAIR("a0", "9", lane0) PAIR("a1", "10", lane1) PAIR("a2", "11", lane2)
        __asm__ volatile(
            "vpxor %%xmm0, %%xmm0, %%xmm0\n\t"
            "vpxor %%xmm1, %%xmm1, %%xmm1\n\t"
            "vpxor %%xmm2, %%xmm2, %%xmm2\n\t"
            "vpxor %%xmm3, %%xmm3, %%xmm3\n\t"
            "vpxor %%xmm4, %%xmm4, %%xmm4\n\t"
            "vpxor %%xmm5, %%xmm5, %%xmm5\n\t"
            "vpxor %%xmm6, %%xmm6, %%xmm6\n\t"
            "vpxor %%xmm7, %%xmm7, %%xmm7\n\t"
            "vpxor %%xmm8, %%xmm8, %%xmm8\n\t"
            "1:\n\t"
            "vmovdqu (%[a0],%[x]), %%ymm9\n\t"
            "vmovdqu (%[a1],%[x]), %%ymm10\n\t"
            "vmovdqu (%[a2],%[x]), %%ymm11\n\t"
            ROW_B("b0", "0", "3", "6")
            "cmp %[end], %[levels]\n\t"
            "jae 2f\n\t"
            "mov (%[levels]), %[word]\n\t"
            "add $8, %[levels]\n\t"
            "movzwl %w[word], %k[index]\n\t"
            "addl $1, (%[pairs],%[index],4)\n\t"
            "mov %[word], %[index]\n\t"
            "shr $16, %[index]\n\t"
            "movzwl %w[index], %k[index]\n\t"
            "addl $1, %c[table](%[pairs],%[index],4)\n\t"
            "mov %[word], %[index]\n\t"
            "shr $32, %[index]\n\t"
            "movzwl %w[index], %k[index]\n\t"
            "addl $1, 2*%c[table](%[pairs],%[index],4)\n\t"
            "shr $48, %[word]\n\t"
            "addl $1, 3*%c[table](%[pairs],%[word],4)\n\t"
            "2:\n\t"
            ROW_B("b1", "1", "4", "7")
            ROW_B("b2", "2", "5", "8")
            "add $64, %[x]\n\t"
            "cmp %[bytes], %[x]\n\t"
            "jb 1b\n\t"
            "vmovdqu %%ymm0, 0(%[out])\n\t"
            "vmovdqu %%ymm1, 32(%[out])\n\t"
            "vmovdqu %%ymm2, 64(%[out])\n\t"
            "vmovdqu %%ymm3, 96(%[out])\n\t"
            "vmovdqu %%ymm4, 128(%[out])\n\t"
            "vmovdqu %%ymm5, 160(%[out])\n\t"
            "vmovdqu %%ymm6, 192(%[out])\n\t"
            "vmovdqu %%ymm7, 224(%[out])\n\t"
            "vmovdqu %%ymm8, 256(%[out])\n\t"
            : [x] "+r"(x), [levels] "+r"(levels), [word] "=&r"(word), [index] "=&r"(index)
            : [a0] "r"(a[0] + offset), [a1] "r"(a[1] + offset), [a2] "r"(a[2] + offset),
              [b0] "r"(b[0] + offset), [b1] "r"(b[1] + offset), [b2] "r"(b[2] + offset),
              [bytes] "m"(bytes), [end] "m"(end), [pairs] "r"((uint32_t*)(void*)pairs), [table] "i"(TABLE),
              [out] "r"(&lanes[0][0])
            : "memory", "cc", "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7",
              "xmm8", "xmm9", "xmm10", "xmm11", "xmm12", "xmm13", "xmm14", "xmm15");
#undef ROW_B
#undef PAIR
        // clang-format on
        for (int k = 0; k < 9; ++k)
            for (int j = 0; j < 8; ++j)
                sums[k] += lanes[k][j];
    }
    *count = levels;
}

/* Eight pixels a step: blue, green and red picked into 16-bit lanes out
 * of the 16 bytes at the first pixel and the 16 bytes ending with the
 * eighth (no byte read past the last pixel). */
__attribute__((target("avx2"))) static void intensitiesAvx2(const uint8_t* pixels, int order,
                                                            uint8_t* levels, size_t n) {
    const int blue = order == RB_ORDER_BGR ? 0 : 2, red = 2 - blue;
    /* Pixels 0-4 from the first load, 5-7 from the second (at byte 8). */
#define PICK(c)                                                                                    \
    _mm_setr_epi8(c, -1, 3 + c, -1, 6 + c, -1, 9 + c, -1, 12 + c, -1, -1, -1, -1, -1, -1, -1),     \
        _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 7 + c, -1, 10 + c, -1, 13 + c, -1)
    const __m128i pick[3][2] = {{PICK(0)}, {PICK(1)}, {PICK(2)}};
#undef PICK
    const __m128i four = _mm_set1_epi16(4);
    size_t x = 0;
    for (; x + 8 <= n; x += 8) {
        const uint8_t* p = pixels + 3 * x;
        const __m128i first = _mm_loadu_si128((const __m128i*)p);
        const __m128i second = _mm_loadu_si128((const __m128i*)(p + 8));
        __m128i c[3];
        for (int k = 0; k < 3; ++k)
            c[k] = _mm_or_si128(_mm_shuffle_epi8(first, pick[k][0]),
                                _mm_shuffle_epi8(second, pick[k][1]));
        const __m128i g = c[1];
        const __m128i sum = _mm_add_epi16(
            _mm_add_epi16(_mm_add_epi16(_mm_slli_epi16(g, 2), g), _mm_slli_epi16(c[red], 1)),
            _mm_add_epi16(c[blue], four));
        const __m128i grey = _mm_srli_epi16(sum, 3);
        _mm_storel_epi64((__m128i*)(levels + x), _mm_packus_epi16(grey, grey));
    }
    for (; x < n; ++x) {
        const uint8_t* p = pixels + 3 * x;
        levels[x] = (uint8_t)((5 * p[1] + 2 * p[red] + p[blue] + 4) >> 3);
    }
}

static void intensitiesPlain(const uint8_t* pixels, int order, uint8_t* levels, size_t n) {
    const int blue = order == RB_ORDER_BGR ? 0 : 2, red = 2 - blue;
    for (size_t x = 0; x < n; ++x) {
        const uint8_t* p = pixels + 3 * x;
        levels[x] = (uint8_t)((5 * p[1] + 2 * p[red] + p[blue] + 4) >> 3);
    }
}

static uint32_t countPlain(const uint8_t* a, const uint8_t* b, size_t n, int lighter);
static uint32_t countPopcnt(const uint8_t* a, const uint8_t* b, size_t n, int lighter);
typedef uint32_t (*CountBothLighter)(const uint8_t*, const uint8_t*, size_t, int);
static CountBothLighter countBothLighter = countPlain;

typedef void (*Intensities)(const uint8_t*, int, uint8_t*, size_t);
static Intensities intensities = intensitiesPlain;

/* Rows in pairs are the faster way at AVX2 (AVX-512 sums bytes as they
 * are). */
static int pairedDots = 0;

typedef uint64_t (*Dot)(const uint8_t*, const uint8_t*, size_t);
typedef void (*DotFour)(const uint8_t*, const uint8_t* const*, size_t, uint64_t*);
static Dot dot = dotSse2;
static int blockDots = 0;
static DotFour dotFour = dotFourSse2;

__attribute__((constructor)) static void chooseDot(void) {
    __builtin_cpu_init();
    if (KIsaLevel() != K_ISA_BASELINE)
        countBothLighter = countPopcnt;
    if (KIsaLevel() == K_ISA_AVX512 && __builtin_cpu_supports("avx512vnni"))
        dot = dotVnni, dotFour = dotFourVnni, blockDots = 1;
    else if (KIsaLevel() == K_ISA_AVX512)
        dot = dotWide, dotFour = dotFourWide;
    else if (KIsaLevel() == K_ISA_AVX2)
        dot = dotAvx2, dotFour = dotFourAvx2, pairedDots = 1, intensities = intensitiesAvx2;
}

int FxBlockDots(void) {
    return blockDots;
}

void FxDotLevelsBlock(const uint8_t* const* a, const uint8_t* const* b, size_t n, uint64_t* sums) {
    if (blockDots) {
        dotBlockVnni(a, b, n, sums);
        return;
    }
    for (int i = 0; i < 4; ++i)
        dotFour(a[i], b, n, sums + 4 * i);
}

int FxPairedDots(void) {
    return pairedDots;
}

size_t FxPairedWords(size_t n) {
    return (n + FX_PAIRED_BLOCK - 1) / FX_PAIRED_BLOCK * FX_PAIRED_BLOCK;
}

__attribute__((target("avx2"))) static size_t pairLevelsAvx2(const uint8_t* levels,
                                                             uint16_t* paired, size_t n) {
    const __m256i low = _mm256_set1_epi16(0xFF);
    size_t x = 0;
    for (; x + FX_PAIRED_BLOCK <= n; x += FX_PAIRED_BLOCK) {
        const __m256i v = _mm256_loadu_si256((const __m256i*)(levels + x));
        _mm256_storeu_si256((__m256i*)(paired + x), _mm256_and_si256(v, low));
        _mm256_storeu_si256((__m256i*)(paired + x + 16), _mm256_srli_epi16(v, 8));
    }
    return x;
}

void FxPairLevels(const uint8_t* levels, uint16_t* paired, size_t n) {
    size_t x = pairedDots ? pairLevelsAvx2(levels, paired, n) : 0;
    for (; x < FxPairedWords(n); ++x) {
        const size_t block = x / FX_PAIRED_BLOCK * FX_PAIRED_BLOCK, i = x % FX_PAIRED_BLOCK;
        paired[block + i % 2 * 16 + i / 2] = x < n ? levels[x] : 0;
    }
}

/* A block's products of evens and odds, two to a 32-bit lane, gain at most
 * 2 * 255 * 255 a block: lanes emptied every 4096 blocks stay inside 31
 * bits. */
__attribute__((target("avx2"))) static uint64_t pairedSelfAvx2(const uint16_t* paired,
                                                               size_t blocks) {
    uint64_t sum = 0;
    size_t c = 0;
    while (c < blocks) {
        const size_t end = blocks - c > PAIRED_FLUSH ? c + PAIRED_FLUSH : blocks;
        __m256i lanes = _mm256_setzero_si256();
        for (; c < end; ++c) {
            const __m256i* p = (const __m256i*)(paired + FX_PAIRED_BLOCK * c);
            lanes = _mm256_add_epi32(
                lanes, _mm256_madd_epi16(_mm256_loadu_si256(p), _mm256_loadu_si256(p + 1)));
        }
        sum += lanesTotalAvx2(lanes);
    }
    return sum;
}

uint64_t FxPairedSelf(const uint16_t* paired, size_t n) {
    const size_t blocks = FxPairedWords(n) / FX_PAIRED_BLOCK;
    if (pairedDots)
        return pairedSelfAvx2(paired, blocks);
    uint64_t sum = 0;
    for (size_t x = 0; x < FX_PAIRED_BLOCK * blocks; x += FX_PAIRED_BLOCK)
        for (int j = 0; j < 16; ++j)
            sum += (uint32_t)paired[x + j] * paired[x + 16 + j];
    return sum;
}

uint64_t FxDotPaired(const uint16_t* a, uint64_t selfA, const uint16_t* b, uint64_t selfB,
                     size_t n) {
    const size_t blocks = FxPairedWords(n) / FX_PAIRED_BLOCK;
    return (pairedDots ? pairedAvx2(a, b, blocks) : pairedPlain(a, b, blocks)) - selfA - selfB;
}

void FxDotPairedBlock(const uint16_t* const* a, const uint64_t* selfA, const uint16_t* const* b,
                      const uint64_t* selfB, size_t n, uint64_t* sums,
                      uint32_t (*pairs)[FX_PAIR_TABLE], const uint8_t* levels, size_t words) {
    const size_t blocks = FxPairedWords(n) / FX_PAIRED_BLOCK;
    const uint8_t* count = levels;
    const uint8_t* const end = words ? levels + 8 * words : levels;
    if (pairedDots && words)
        pairedBlockAvx2(a, b, blocks, sums, pairs, &count, end);
    else if (pairedDots)
        pairedBlockAvx2(a, b, blocks, sums, NULL, &count, count);
    else
        for (int i = 0; i < 3; ++i)
            for (int k = 0; k < 3; ++k)
                sums[3 * i + k] = pairedPlain(a[i], b[k], blocks);
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k)
            sums[3 * i + k] -= selfA[i] + selfB[k];
    if (count < end) {
        uint32_t unused[256];
        FxCountLevelPairs(pairs, unused, count, (size_t)(end - count));
    }
}

void FxIntensityLevels(const uint8_t* pixels, int order, uint8_t* levels, size_t n) {
    intensities(pixels, order, levels, n);
}

uint64_t FxDotLevels(const uint8_t* a, const uint8_t* b, size_t n) {
    return dot(a, b, n);
}

void FxDotLevelsFour(const uint8_t* a, const uint8_t* const* b, size_t n, uint64_t* sums) {
    dotFour(a, b, n, sums);
}

/* Ones among the 64 bits of v, by halves, nibbles and bytes summed in
 * place (no popcount instruction at the plain level). */
static inline uint32_t onesOf(uint64_t v) {
    v -= (v >> 1) & 0x5555555555555555u;
    v = (v & 0x3333333333333333u) + ((v >> 2) & 0x3333333333333333u);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return (uint32_t)((v * 0x0101010101010101u) >> 56);
}

/* Eight bytes at once, their ones counted as one 64-bit word, with the
 * popcount instruction where the level has it; the last whole bytes and
 * the partial one through the kernel's bit-count table. */
#define COUNT_BOTH_LIGHTER(ones)                                                                   \
    const uint8_t* bitCount = KBitCountTable();                                                    \
    const uint64_t flip = lighter ? 0 : ~(uint64_t)0;                                              \
    const size_t whole = n / 8, rest = n % 8;                                                      \
    uint32_t count = 0;                                                                            \
    size_t j = 0;                                                                                  \
    for (; j + 8 <= whole; j += 8) {                                                               \
        uint64_t x, y;                                                                             \
        memcpy(&x, a + j, 8);                                                                      \
        memcpy(&y, b + j, 8);                                                                      \
        count += ones((x ^ flip) & (y ^ flip));                                                    \
    }                                                                                              \
    for (; j < whole; ++j)                                                                         \
        count += bitCount[(uint8_t)((a[j] ^ flip) & (b[j] ^ flip))];                               \
    if (rest) {                                                                                    \
        const uint8_t mask = (uint8_t)(0xFFu << (8 - rest));                                       \
        count += bitCount[(uint8_t)((a[whole] ^ flip) & (b[whole] ^ flip)) & mask];                \
    }                                                                                              \
    return count;

static uint32_t countPlain(const uint8_t* a, const uint8_t* b, size_t n, int lighter) {
    COUNT_BOTH_LIGHTER(onesOf)
}

#define ONES_INSTRUCTION(v) (uint32_t) __builtin_popcountll(v)
__attribute__((target("popcnt"))) static uint32_t countPopcnt(const uint8_t* a, const uint8_t* b,
                                                              size_t n, int lighter){
    COUNT_BOTH_LIGHTER(ONES_INSTRUCTION)}
#undef ONES_INSTRUCTION
#undef COUNT_BOTH_LIGHTER

uint32_t FxCountBothLighter(const uint8_t* a, const uint8_t* b, size_t n, int lighter) {
    return countBothLighter(a, b, n, lighter);
}

/* Two neighbouring levels make one 16-bit index: half the counter
 * updates of a byte at a time, whose writes bound the count. The pairs a
 * page holds are few and their counters stay cached. */
void FxCountLevelPairs(uint32_t (*pairs)[FX_PAIR_TABLE], uint32_t* single, const uint8_t* levels,
                       size_t n) {
    size_t x = 0;
    for (; x + 8 <= n; x += 8) {
        uint64_t w;
        memcpy(&w, levels + x, 8);
        ++pairs[0][w & 0xFFFF];
        ++pairs[1][(w >> 16) & 0xFFFF];
        ++pairs[2][(w >> 32) & 0xFFFF];
        ++pairs[3][w >> 48];
    }
    for (; x < n; ++x)
        ++single[levels[x]];
}

void FxFoldLevelPairs(const uint32_t (*pairs)[FX_PAIR_TABLE], const uint32_t* single,
                      uint32_t counts[256]) {
    uint32_t first[256] = {0}, second[256] = {0};
    for (int high = 0; high < 256; ++high) {
        uint32_t row = 0;
        for (int low = 0; low < 256; ++low) {
            const int v = high << 8 | low;
            const uint32_t n = pairs[0][v] + pairs[1][v] + pairs[2][v] + pairs[3][v];
            first[low] += n;
            row += n;
        }
        second[high] = row;
    }
    for (int v = 0; v < 256; ++v)
        counts[v] = first[v] + second[v] + single[v];
}
