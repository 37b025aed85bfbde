/* Row likeness for the skew search. The intensity products are summed 64
 * pixels at a time with AVX-512 multiply-adds when the processor has them
 * (chosen once at load), as byte dot products where it has those too
 * (VNNI), 32 or 16 at a time with AVX2 or SSE2 ones otherwise; except for
 * AVX-512's 16-bit multiply-adds a row against four others at once, so
 * that its bytes are read and split once for the four; with AVX2 the rows
 * may also be widened to 16 bits once and summed as they are. */
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

/* Rows widened once: each pair of products is one multiply-add of two
 * loads, without splitting the bytes again for every row compared. A lane
 * gains at most 2 * 255 * 255 an iteration; emptied every 8192 it stays
 * inside 31 bits. */
__attribute__((target("avx2"))) static void
dotWideFourAvx2(const uint16_t* a, const uint16_t* const* b, size_t n, uint64_t* sums) {
    enum { FLUSH = 8192 };
    size_t x = 0;
    for (int k = 0; k < 4; ++k)
        sums[k] = 0;
    while (x + 16 <= n) {
        __m256i lanes[4];
        for (int k = 0; k < 4; ++k)
            lanes[k] = _mm256_setzero_si256();
        for (int i = 0; i < FLUSH && x + 16 <= n; ++i, x += 16) {
            const __m256i va = _mm256_loadu_si256((const __m256i*)(a + x));
            for (int k = 0; k < 4; ++k)
                lanes[k] = _mm256_add_epi32(
                    lanes[k],
                    _mm256_madd_epi16(va, _mm256_loadu_si256((const __m256i*)(b[k] + x))));
        }
        for (int k = 0; k < 4; ++k) {
            uint32_t part[8];
            _mm256_storeu_si256((__m256i*)part, lanes[k]);
            for (int j = 0; j < 8; ++j)
                sums[k] += part[j];
        }
    }
    for (; x < n; ++x)
        for (int k = 0; k < 4; ++k)
            sums[k] += (uint32_t)a[x] * b[k][x];
}

__attribute__((target("avx2"))) static uint64_t dotWideAvx2(const uint16_t* a, const uint16_t* b,
                                                            size_t n) {
    enum { FLUSH = 8192 };
    uint64_t sum = 0;
    size_t x = 0;
    while (x + 16 <= n) {
        __m256i lanes = _mm256_setzero_si256();
        for (int i = 0; i < FLUSH && x + 16 <= n; ++i, x += 16)
            lanes = _mm256_add_epi32(
                lanes, _mm256_madd_epi16(_mm256_loadu_si256((const __m256i*)(a + x)),
                                         _mm256_loadu_si256((const __m256i*)(b + x))));
        uint32_t part[8];
        _mm256_storeu_si256((__m256i*)part, lanes);
        for (int j = 0; j < 8; ++j)
            sum += part[j];
    }
    for (; x < n; ++x)
        sum += (uint32_t)a[x] * b[x];
    return sum;
}

/* Three widened rows a against three rows b in one pass, each load
 * serving three sums (the nine lanes, the three rows a and one row b fill
 * the sixteen registers); lanes as in dotWideFourAvx2. */
__attribute__((target("avx2"))) static void
dotWideBlockAvx2(const uint16_t* const* a, const uint16_t* const* b, size_t n, uint64_t* sums) {
    enum { FLUSH = 8192 };
    size_t x = 0;
    for (int k = 0; k < 9; ++k)
        sums[k] = 0;
    while (x + 16 <= n) {
        __m256i lanes[9];
        for (int k = 0; k < 9; ++k)
            lanes[k] = _mm256_setzero_si256();
        for (int t = 0; t < FLUSH && x + 16 <= n; ++t, x += 16) {
            __m256i va[3];
            for (int i = 0; i < 3; ++i)
                va[i] = _mm256_loadu_si256((const __m256i*)(a[i] + x));
            for (int k = 0; k < 3; ++k) {
                const __m256i vb = _mm256_loadu_si256((const __m256i*)(b[k] + x));
                for (int i = 0; i < 3; ++i)
                    lanes[3 * i + k] =
                        _mm256_add_epi32(lanes[3 * i + k], _mm256_madd_epi16(va[i], vb));
            }
        }
        for (int k = 0; k < 9; ++k) {
            uint32_t part[8];
            _mm256_storeu_si256((__m256i*)part, lanes[k]);
            for (int j = 0; j < 8; ++j)
                sums[k] += part[j];
        }
    }
    for (; x < n; ++x)
        for (int i = 0; i < 3; ++i)
            for (int k = 0; k < 3; ++k)
                sums[3 * i + k] += (uint32_t)a[i][x] * b[k][x];
}

static void dotWideFourPlain(const uint16_t* a, const uint16_t* const* b, size_t n,
                             uint64_t* sums) {
    for (int k = 0; k < 4; ++k) {
        sums[k] = 0;
        for (size_t x = 0; x < n; ++x)
            sums[k] += (uint32_t)a[x] * b[k][x];
    }
}

/* Eight pixels a step: blue, green and red picked into 16-bit lanes out
 * of the 16 bytes at the first pixel and the 16 bytes ending with the
 * eighth (no byte read past the last pixel). */
__attribute__((target("avx2"))) static void widenIntensitiesAvx2(const uint8_t* pixels, int order,
                                                                 uint16_t* wide, size_t n) {
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
        _mm_storeu_si128((__m128i*)(wide + x), _mm_srli_epi16(sum, 3));
    }
    for (; x < n; ++x) {
        const uint8_t* p = pixels + 3 * x;
        wide[x] = (uint16_t)((5 * p[1] + 2 * p[red] + p[blue] + 4) >> 3);
    }
}

static void widenIntensitiesPlain(const uint8_t* pixels, int order, uint16_t* wide, size_t n) {
    const int blue = order == RB_ORDER_BGR ? 0 : 2, red = 2 - blue;
    for (size_t x = 0; x < n; ++x) {
        const uint8_t* p = pixels + 3 * x;
        wide[x] = (uint16_t)((5 * p[1] + 2 * p[red] + p[blue] + 4) >> 3);
    }
}

static uint32_t countPlain(const uint8_t* a, const uint8_t* b, size_t n, int lighter);
static uint32_t countPopcnt(const uint8_t* a, const uint8_t* b, size_t n, int lighter);
typedef uint32_t (*CountBothLighter)(const uint8_t*, const uint8_t*, size_t, int);
static CountBothLighter countBothLighter = countPlain;

typedef void (*WidenIntensities)(const uint8_t*, int, uint16_t*, size_t);
static WidenIntensities widenIntensities = widenIntensitiesPlain;

typedef void (*DotWideFour)(const uint16_t*, const uint16_t* const*, size_t, uint64_t*);
static DotWideFour dotWideFour = dotWideFourPlain;

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
        dot = dotAvx2, dotFour = dotFourAvx2, dotWideFour = dotWideFourAvx2,
        widenIntensities = widenIntensitiesAvx2;
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

void FxDotWideBlock(const uint16_t* const* a, const uint16_t* const* b, size_t n, uint64_t* sums) {
    if (dotWideFour == dotWideFourAvx2) {
        dotWideBlockAvx2(a, b, n, sums);
        return;
    }
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k) {
            const uint16_t* const four[4] = {b[k], b[k], b[k], b[k]};
            uint64_t same[4];
            dotWideFour(a[i], four, n, same);
            sums[3 * i + k] = same[0];
        }
}

int FxWideDots(void) {
    return dotWideFour != dotWideFourPlain;
}

__attribute__((target("avx2"))) static void widenLevelsAvx2(const uint8_t* levels, uint16_t* wide,
                                                            size_t n) {
    size_t x = 0;
    for (; x + 16 <= n; x += 16)
        _mm256_storeu_si256((__m256i*)(wide + x),
                            _mm256_cvtepu8_epi16(_mm_loadu_si128((const __m128i*)(levels + x))));
    for (; x < n; ++x)
        wide[x] = levels[x];
}

void FxWidenLevels(const uint8_t* levels, uint16_t* wide, size_t n) {
    if (widenIntensities == widenIntensitiesAvx2) {
        widenLevelsAvx2(levels, wide, n);
        return;
    }
    for (size_t x = 0; x < n; ++x)
        wide[x] = levels[x];
}

void FxWidenIntensities(const uint8_t* pixels, int order, uint16_t* wide, size_t n) {
    widenIntensities(pixels, order, wide, n);
}

uint64_t FxDotWide(const uint16_t* a, const uint16_t* b, size_t n) {
    if (dotWideFour == dotWideFourAvx2)
        return dotWideAvx2(a, b, n);
    uint64_t sum = 0;
    for (size_t x = 0; x < n; ++x)
        sum += (uint32_t)a[x] * b[x];
    return sum;
}

void FxDotWideFour(const uint16_t* a, const uint16_t* const* b, size_t n, uint64_t* sums) {
    dotWideFour(a, b, n, sums);
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
void FxCountLevelPairs(uint32_t (*pairs)[65536], uint32_t* single, const uint8_t* levels,
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

void FxFoldLevelPairs(const uint32_t (*pairs)[65536], const uint32_t* single,
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
