/* Vector forms of row conversions between the stored forms and the work
 * formats: byte permutes of sixteen or sixty-four pixels at a time with
 * AVX-512 VBMI, chosen once when the library loads, with their
 * permute tables. Without those instructions every form does nothing and
 * the plain loops of KConvert.c do all the work.
 *
 * In-place loops read whole vectors and write whole vectors where they
 * can: a load that overlaps the previous iteration's store only in part
 * waits for that store to reach memory. */
#include "KInternal.h"

#include <immintrin.h>

#define WIDE __attribute__((target("avx512f,avx512bw,avx512vbmi")))

enum { RGB_TABLES = 2 }; /* index by colour order: RB_ORDER_RGB 0, RB_ORDER_BGR 1 */

static struct {
    uint8_t Spread3[64], Spread4[64]; /* one 3- or 4-byte pixel a 32-bit lane */
    uint8_t Triple[3][64];            /* 64 levels to 192 blue-green-red bytes */
    uint8_t Swap[3][64];              /* 64 pixels' first and third bytes swapped */
    uint64_t SwapFromThird;           /* bytes of the middle vector taken from the third */
    uint8_t Pack[RGB_TABLES][64];     /* 16 four-byte pixels to 48 blue-green-red bytes */
    uint8_t Unpack[RGB_TABLES][64];   /* and back, the fourth byte from byte 63 */
    uint8_t Interleave[2][64];        /* blue-green pairs and red words to 96 bytes */
    uint8_t Gather[3][64];            /* 96 bytes to blue, green, red words */
    /* Three 64-byte planes to 192 blue-green-red bytes: output vector v
     * takes blue and green with one two-table permute, then red under
     * RedBytes[v] with a masked permute. */
    uint8_t ExpandBG[3][64], ExpandR[3][64];
    uint64_t RedBytes[3];
} tables;

static int wide;

static void buildTables(void) {
    for (int j = 0; j < 64; ++j) {
        tables.Spread3[j] = (uint8_t)(3 * (j / 4) + (j % 4 == 3 ? 2 : j % 4));
        tables.Spread4[j] = (uint8_t)j;
        for (int v = 0; v < 3; ++v) {
            const int g = 64 * v + j, source = 3 * (g / 3) + 2 - g % 3;
            tables.Triple[v][j] = (uint8_t)(g / 3);
            /* Vector v permutes two neighbouring input vectors: 0 and 1
             * for v = 0 and 1, 1 and 2 for v = 2; the middle vector's few
             * bytes from the third are fixed afterwards. */
            tables.Swap[v][j] = (uint8_t)(v == 2 ? source - 64 : source & 127);
            if (v == 1 && source >= 128)
                tables.SwapFromThird |= 1ull << j;
            const int pixel = g / 3, channel = g % 3;
            tables.ExpandBG[v][j] = (uint8_t)(channel == 1 ? 64 + pixel : pixel);
            tables.ExpandR[v][j] = (uint8_t)pixel;
            if (channel == 2)
                tables.RedBytes[v] |= 1ull << j;
        }
        for (int v = 0; v < 2; ++v) {
            /* Output byte g of 32 pixels: pixel g / 3, channel g % 3; blue
             * and green come from the pair vector, red from the word one. */
            const int g = 64 * v + j, pixel = g / 3, c = g % 3;
            tables.Interleave[v][j] = (uint8_t)(c < 2 ? 2 * pixel + c : 64 + 2 * pixel);
        }
        for (int c = 0; c < 3; ++c)
            tables.Gather[c][j] = (uint8_t)(j % 2 ? 0 : 3 * (j / 2) + c);
        for (int order = 0; order < RGB_TABLES; ++order) {
            const int c3 = j % 3, c4 = j % 4;
            tables.Pack[order][j] =
                (uint8_t)(j < 48 ? 4 * (j / 3) + (order == RB_ORDER_BGR ? c3 : 2 - c3) : 0);
            tables.Unpack[order][j] =
                (uint8_t)(c4 == 3 ? 63 : 3 * (j / 4) + (order == RB_ORDER_BGR ? c4 : 2 - c4));
        }
    }
}

__attribute__((constructor)) static void chooseWide(void) {
    wide = KIsaVbmi();
    if (wide)
        buildTables();
}

static inline int orderIndex(int order) {
    return order == RB_ORDER_BGR ? 1 : 0;
}

/* Sixteen pixels spread to one a 32-bit lane, weighted 1, 5, 2 for blue,
 * green, red and summed by two multiply-adds. Each step reads its pixels
 * before writing their levels below them. */
WIDE static int intensityWide(uint8_t* b, int width, int bytes, int order) {
    const __m512i toLanes = _mm512_loadu_si512(bytes == 4 ? tables.Spread4 : tables.Spread3);
    const uint32_t weights =
        order == RB_ORDER_BGR ? 1u | 5u << 8 | 2u << 16 : 2u | 5u << 8 | 1u << 16;
    const __m512i weight = _mm512_set1_epi32((int)weights);
    const __m512i ones = _mm512_set1_epi16(1), four = _mm512_set1_epi32(4);
    const __mmask64 load = bytes == 4 ? ~0ull : (1ull << 48) - 1;
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        __m512i px = _mm512_maskz_loadu_epi8(load, b + (size_t)bytes * x);
        px = _mm512_permutexvar_epi8(toLanes, px);
        __m512i sums = _mm512_madd_epi16(_mm512_maddubs_epi16(px, weight), ones);
        sums = _mm512_srli_epi32(_mm512_add_epi32(sums, four), 3);
        _mm_storeu_si128((__m128i*)(b + x), _mm512_cvtepi32_epi8(sums));
    }
    return x;
}

WIDE static int tripleWide(uint8_t* out, const uint8_t* levels, int n) {
    const __m512i s0 = _mm512_loadu_si512(tables.Triple[0]);
    const __m512i s1 = _mm512_loadu_si512(tables.Triple[1]);
    const __m512i s2 = _mm512_loadu_si512(tables.Triple[2]);
    int k = 0;
    for (; k + 64 <= n; k += 64) {
        __m512i in = _mm512_loadu_si512(levels + k);
        uint8_t* o = out + 3 * (size_t)k;
        _mm512_storeu_si512(o, _mm512_permutexvar_epi8(s0, in));
        _mm512_storeu_si512(o + 64, _mm512_permutexvar_epi8(s1, in));
        _mm512_storeu_si512(o + 128, _mm512_permutexvar_epi8(s2, in));
    }
    return k;
}

/* Sixty-four pixels (three whole vectors) at a time. */
WIDE static int swap3Wide(uint8_t* b, int width) {
    const __m512i i0 = _mm512_loadu_si512(tables.Swap[0]);
    const __m512i i1 = _mm512_loadu_si512(tables.Swap[1]);
    const __m512i i2 = _mm512_loadu_si512(tables.Swap[2]);
    const __mmask64 fromThird = tables.SwapFromThird;
    int x = 0;
    for (; x + 64 <= width; x += 64) {
        uint8_t* p = b + 3 * (size_t)x;
        __m512i in0 = _mm512_loadu_si512(p), in1 = _mm512_loadu_si512(p + 64);
        __m512i in2 = _mm512_loadu_si512(p + 128);
        __m512i middle = _mm512_permutex2var_epi8(in0, i1, in1);
        middle = _mm512_mask_permutexvar_epi8(middle, fromThird, i1, in2);
        _mm512_storeu_si512(p, _mm512_permutex2var_epi8(in0, i0, in1));
        _mm512_storeu_si512(p + 64, middle);
        _mm512_storeu_si512(p + 128, _mm512_permutex2var_epi8(in1, i2, in2));
    }
    return x;
}

WIDE static int from32Wide(uint8_t* b, int width, int order) {
    const __m512i index = _mm512_loadu_si512(tables.Pack[orderIndex(order)]);
    const __mmask64 pixels = (1ull << 48) - 1;
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        __m512i px = _mm512_loadu_si512(b + 4 * (size_t)x);
        _mm512_mask_storeu_epi8(b + 3 * (size_t)x, pixels, _mm512_permutexvar_epi8(index, px));
    }
    return x;
}

/* From the highest sixteen pixels down: a block's 64 bytes start at or
 * above every source byte still to be read. Byte 63 of the loaded block
 * lies past its 48 pixel bytes and is cleared for the fourth bytes. */
WIDE static int to32Wide(uint8_t* b, int width, int order) {
    const __m512i index = _mm512_loadu_si512(tables.Unpack[orderIndex(order)]);
    const __mmask64 pixels = (1ull << 48) - 1;
    int x = width;
    for (; x >= 16; x -= 16) {
        __m512i px = _mm512_maskz_loadu_epi8(pixels, b + 3 * (size_t)(x - 16));
        _mm512_storeu_si512(b + 4 * (size_t)(x - 16), _mm512_permutexvar_epi8(index, px));
    }
    return x;
}

/* 32 pixels at a time from the highest down: their words split into
 * fields, widened as (v << 3) | (v >> 2), and interleaved by two
 * two-vector permutes into 96 bytes, which start at or above every word
 * still to be read. */
WIDE static int from16Wide(uint8_t* b, int width, int order) {
    const __m512i pairs = _mm512_loadu_si512(tables.Interleave[0]);
    const __m512i last = _mm512_loadu_si512(tables.Interleave[1]);
    const __m512i five = _mm512_set1_epi16(31);
    int x = width;
    for (; x >= 32; x -= 32) {
        const __m512i w = _mm512_loadu_si512(b + 2 * (size_t)(x - 32));
        __m512i low = _mm512_and_si512(w, five);
        __m512i mid = _mm512_and_si512(_mm512_srli_epi16(w, 5), five);
        __m512i high = _mm512_and_si512(_mm512_srli_epi16(w, 10), five);
        low = _mm512_or_si512(_mm512_slli_epi16(low, 3), _mm512_srli_epi16(low, 2));
        mid = _mm512_or_si512(_mm512_slli_epi16(mid, 3), _mm512_srli_epi16(mid, 2));
        high = _mm512_or_si512(_mm512_slli_epi16(high, 3), _mm512_srli_epi16(high, 2));
        const __m512i blue = order == RB_ORDER_BGR ? low : high;
        const __m512i red = order == RB_ORDER_BGR ? high : low;
        const __m512i blueGreen = _mm512_or_si512(blue, _mm512_slli_epi16(mid, 8));
        uint8_t* out = b + 3 * (size_t)(x - 32);
        const __m512i tail = _mm512_permutex2var_epi8(blueGreen, last, red);
        _mm512_storeu_si512(out, _mm512_permutex2var_epi8(blueGreen, pairs, red));
        _mm256_storeu_si256((__m256i*)(out + 64), _mm512_castsi512_si256(tail));
    }
    return x;
}

/* 32 pixels at a time: 96 bytes gathered into blue, green and red words,
 * narrowed to their top five bits and packed; each step reads its pixels
 * before writing the 64 bytes below them. */
WIDE static int to16Wide(uint8_t* b, int width, int order) {
    const __m512i blueIndex = _mm512_loadu_si512(tables.Gather[0]);
    const __m512i greenIndex = _mm512_loadu_si512(tables.Gather[1]);
    const __m512i redIndex = _mm512_loadu_si512(tables.Gather[2]);
    const __mmask64 lowBytes = 0x5555555555555555ull;
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        const uint8_t* p = b + 3 * (size_t)x;
        const __m512i first = _mm512_loadu_si512(p);
        const __m512i second = _mm512_castsi256_si512(_mm256_loadu_si256((const __m256i*)(p + 64)));
        __m512i blue = _mm512_maskz_permutex2var_epi8(lowBytes, first, blueIndex, second);
        __m512i green = _mm512_maskz_permutex2var_epi8(lowBytes, first, greenIndex, second);
        __m512i red = _mm512_maskz_permutex2var_epi8(lowBytes, first, redIndex, second);
        blue = _mm512_srli_epi16(blue, 3);
        green = _mm512_slli_epi16(_mm512_srli_epi16(green, 3), 5);
        red = _mm512_srli_epi16(red, 3);
        const __m512i highField = order == RB_ORDER_BGR ? red : blue;
        const __m512i lowField = order == RB_ORDER_BGR ? blue : red;
        const __m512i words =
            _mm512_or_si512(_mm512_or_si512(_mm512_slli_epi16(highField, 10), green), lowField);
        _mm512_storeu_si512(b + 2 * (size_t)x, words);
    }
    return x;
}

/* 64 table lookups in a 256-entry plane: two 128-entry permutes chosen by
 * the top bit of each index. */
WIDE static inline __m512i lookUp64(__m512i index, const __m512i* plane) {
    __m512i low = _mm512_permutex2var_epi8(plane[0], index, plane[1]);
    __m512i high = _mm512_permutex2var_epi8(plane[2], index, plane[3]);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(index), low, high);
}

/* Sixty-four indices at a time through blue, green and red planes. */
WIDE static int expandWide(uint8_t* out, const uint8_t* indices, int n, const uint8_t* planes) {
    __m512i blue[4], green[4], red[4], bg[3], r[3];
    for (int q = 0; q < 4; ++q) {
        blue[q] = _mm512_loadu_si512(planes + 64 * q);
        green[q] = _mm512_loadu_si512(planes + 256 + 64 * q);
        red[q] = _mm512_loadu_si512(planes + 512 + 64 * q);
    }
    for (int v = 0; v < 3; ++v) {
        bg[v] = _mm512_loadu_si512(tables.ExpandBG[v]);
        r[v] = _mm512_loadu_si512(tables.ExpandR[v]);
    }
    int k = 0;
    for (; k + 64 <= n; k += 64) {
        __m512i index = _mm512_loadu_si512(indices + k);
        __m512i b = lookUp64(index, blue), g = lookUp64(index, green), rr = lookUp64(index, red);
        for (int v = 0; v < 3; ++v) {
            __m512i part = _mm512_permutex2var_epi8(b, bg[v], g);
            part = _mm512_mask_permutexvar_epi8(part, tables.RedBytes[v], r[v], rr);
            _mm512_storeu_si512(out + 3 * (size_t)k + 64 * v, part);
        }
    }
    return k;
}

int KWideIntensity(uint8_t* b, int width, int bytes, int order) {
    return wide ? intensityWide(b, width, bytes, order) : 0;
}

int KWideTriple(uint8_t* out, const uint8_t* levels, int n) {
    return wide ? tripleWide(out, levels, n) : 0;
}

int KWideSwap3(uint8_t* b, int width) {
    return wide ? swap3Wide(b, width) : 0;
}

int KWideFrom32(uint8_t* b, int width, int order) {
    return wide ? from32Wide(b, width, order) : 0;
}

int KWideTo32(uint8_t* b, int width, int order) {
    return wide ? to32Wide(b, width, order) : width;
}

int KWideFrom16(uint8_t* b, int width, int order) {
    return wide ? from16Wide(b, width, order) : width;
}

int KWideTo16(uint8_t* b, int width, int order) {
    return wide ? to16Wide(b, width, order) : 0;
}

int KWideExpand(uint8_t* out, const uint8_t* indices, int n, const uint8_t* planes) {
    return wide ? expandWide(out, indices, n, planes) : 0;
}
