/* Hue and saturation changes of whole rows of blue, green, red pixels. The
 * AVX-512 form keeps one pixel in each 32-bit lane, sixteen at a time, and
 * follows the integer arithmetic of HsvColor.c exactly: every quotient it
 * needs has a dividend below 2^24 and a divisor of at least 1, for which
 * the truncated single-precision quotient is the integer quotient; the
 * division by 255 is a multiplication checked for every dividend that
 * occurs. */
#include "imgfx/HsvColor.h"
#include "rkkernel/rkkernel.h"

#include <immintrin.h>

#define WIDE __attribute__((target("avx512f,avx512bw,avx512vbmi")))

/* a / b truncated, for 0 <= a < 2^24 and b >= 1. */
WIDE static inline __m512i quotient(__m512i a, __m512i b) {
    return _mm512_cvttps_epi32(_mm512_div_ps(_mm512_cvtepi32_ps(a), _mm512_cvtepi32_ps(b)));
}

WIDE static inline __m512i set1(int v) {
    return _mm512_set1_epi32(v);
}

/* Hue and saturation of sixteen colours whose channels are not all equal
 * (other lanes give values that the caller discards). The hue's two
 * divisions fold into one: with a the excess of the divided channel over
 * mn, D the divisor and k its sector's offset, floor((floor(30720a / D) +
 * k) / 360) = floor((512a + (k / 60)D) / 6D), whose dividend stays below
 * 2^24. */
WIDE static void toHueSaturation(__m512i r, __m512i g, __m512i b, __m512i mn, __m512i mx,
                                 __m512i* hue, __m512i* saturation) {
    const __m512i c = _mm512_sub_epi32(mx, mn);
    *saturation = quotient(_mm512_mullo_epi32(c, set1(255)), _mm512_max_epi32(mx, set1(1)));
    const __mmask16 blueLeast = _mm512_cmpeq_epi32_mask(b, mn);
    const __mmask16 redLeast = _mm512_cmpeq_epi32_mask(r, mn) & ~blueLeast;
    __m512i a = _mm512_mask_blend_epi32(redLeast, r, b);
    a = _mm512_mask_blend_epi32(blueLeast, a, g);
    __m512i other = _mm512_mask_blend_epi32(redLeast, b, g);
    other = _mm512_mask_blend_epi32(blueLeast, other, r);
    __m512i offset = _mm512_mask_blend_epi32(redLeast, set1(61620 / 60), set1(30900 / 60));
    offset = _mm512_mask_blend_epi32(blueLeast, offset, set1(180 / 60));
    const __m512i excess = _mm512_sub_epi32(a, mn);
    const __m512i divisor =
        _mm512_max_epi32(_mm512_add_epi32(excess, _mm512_sub_epi32(other, mn)), set1(1));
    const __m512i dividend =
        _mm512_add_epi32(_mm512_slli_epi32(excess, 9), _mm512_mullo_epi32(offset, divisor));
    *hue = _mm512_and_si512(quotient(dividend, _mm512_mullo_epi32(divisor, set1(6))), set1(255));
}

/* Red, green and blue of sixteen colours with S > 0. */
WIDE static void fromHsv(__m512i hue, __m512i s, __m512i v, __m512i* r, __m512i* g, __m512i* b) {
    const __m512i h = _mm512_srli_epi32(_mm512_mullo_epi32(hue, set1(360)), 8);
    /* x / 255 as x * 32897 >> 23, exact for x <= 65025. */
    const __m512i m = _mm512_srli_epi32(
        _mm512_mullo_epi32(_mm512_mullo_epi32(_mm512_sub_epi32(set1(255), s), v), set1(32897)), 23);
    const __m512i d = _mm512_sub_epi32(v, m);
    const __mmask16 past120 = _mm512_cmpgt_epi32_mask(h, set1(120));
    const __mmask16 past240 = _mm512_cmpgt_epi32_mask(h, set1(240));
    __m512i base = _mm512_mask_blend_epi32(past120, _mm512_setzero_si512(), set1(120));
    base = _mm512_mask_blend_epi32(past240, base, set1(240));
    /* Within its 120 degrees, the first half of a sector pair rises as
     * u * d / (120 - u), the second falls as d * (120 - u) / u. */
    const __m512i u = _mm512_sub_epi32(h, base);
    const __m512i rest = _mm512_sub_epi32(set1(120), u);
    const __mmask16 rising = _mm512_cmple_epi32_mask(u, set1(60));
    const __m512i factor = _mm512_mask_blend_epi32(rising, rest, u);
    const __m512i divisor = _mm512_mask_blend_epi32(rising, u, rest);
    const __m512i x = _mm512_add_epi32(m, quotient(_mm512_mullo_epi32(d, factor), divisor));
    const __mmask16 first = ~past120, second = past120 & ~past240, third = past240;
    /* By sector (first rising, first falling, second rising, ...):
     * red V x m m x V, green x V V x m m, blue m m x V V x. */
    *r = _mm512_mask_blend_epi32((first & ~rising) | (third & rising), v, x);
    *r = _mm512_mask_blend_epi32(second, *r, m);
    *g = _mm512_mask_blend_epi32((first & ~rising) | (second & rising), x, v);
    *g = _mm512_mask_blend_epi32(third, *g, m);
    *b = _mm512_mask_blend_epi32((second & rising) | (third & ~rising), v, x);
    *b = _mm512_mask_blend_epi32(first, *b, m);
}

typedef struct Lanes {
    __m512i Blue, Green, Red, Shift, Add;
} Lanes;

/* Sixteen pixels, as 48 bytes in the low bytes of px, to their changed
 * colours, one pixel a 32-bit lane (blue, green, red, 0). */
WIDE static inline __attribute__((always_inline)) __m512i changeSixteen(const Lanes* l,
                                                                        __m512i px) {
    const __mmask64 lowBytes = 0x1111111111111111ull;
    const __m512i b = _mm512_maskz_permutexvar_epi8(lowBytes, l->Blue, px);
    const __m512i g = _mm512_maskz_permutexvar_epi8(lowBytes, l->Green, px);
    const __m512i r = _mm512_maskz_permutexvar_epi8(lowBytes, l->Red, px);
    const __m512i mn = _mm512_min_epi32(_mm512_min_epi32(r, g), b);
    const __m512i mx = _mm512_max_epi32(_mm512_max_epi32(r, g), b);
    __m512i hue, s;
    toHueSaturation(r, g, b, mn, mx, &hue, &s);
    hue = _mm512_and_si512(_mm512_add_epi32(hue, l->Shift), set1(255));
    s = _mm512_min_epi32(_mm512_max_epi32(_mm512_add_epi32(s, l->Add), _mm512_setzero_si512()),
                         set1(255));
    __m512i nr, ng, nb;
    fromHsv(hue, s, mx, &nr, &ng, &nb);
    /* Colours whose saturation fell to 0 become grey; greys (V, V, V)
     * stay. */
    const __mmask16 grey =
        _mm512_cmpeq_epi32_mask(s, _mm512_setzero_si512()) | _mm512_cmpeq_epi32_mask(mn, mx);
    nr = _mm512_mask_blend_epi32(grey, nr, mx);
    ng = _mm512_mask_blend_epi32(grey, ng, mx);
    nb = _mm512_mask_blend_epi32(grey, nb, mx);
    return _mm512_or_si512(nb,
                           _mm512_or_si512(_mm512_slli_epi32(ng, 8), _mm512_slli_epi32(nr, 16)));
}

/* Permute tables, built once when the library loads. */
static struct {
    uint8_t ToLanes[3][64]; /* blue, green, red of 16 packed pixels to 32-bit lanes */
    uint8_t FromLanes[64];  /* 16 pixels in lanes back to 48 packed bytes */
    uint8_t Pack[3][64];    /* 64 pixels in four lane groups to three vectors */
} tables;

static void buildTables(void) {
    for (int j = 0; j < 64; ++j) {
        for (int k = 0; k < 3; ++k) {
            tables.ToLanes[k][j] = (uint8_t)(3 * (j / 4) + k);
            /* Byte j of output vector k: pixel q of the 64, in lane group
             * q / 16, which is the first (index < 64) or second of the two
             * groups that vector k draws from (groups k and k + 1). */
            const int g = 64 * k + j, q = g / 3, group = q / 16;
            tables.Pack[k][j] = (uint8_t)((group - k) * 64 + 4 * (q % 16) + g % 3);
        }
        tables.FromLanes[j] = (uint8_t)(j < 48 ? 4 * (j / 3) + j % 3 : 0);
    }
}

/* 64 pixels an iteration, as four independent groups of sixteen, so that
 * the long chain of each group overlaps the others. The 192 bytes are read
 * and written as three whole vectors (a load that only partly overlaps an
 * earlier store would wait for it); a group's 48 bytes are brought down by
 * a dword shift across two of them. Returns the pixels done. */
WIDE static size_t changeWide(const FxHsvChange* change, uint8_t* p, size_t n) {
    const Lanes lanes = {_mm512_loadu_si512(tables.ToLanes[0]),
                         _mm512_loadu_si512(tables.ToLanes[1]),
                         _mm512_loadu_si512(tables.ToLanes[2]), set1(change->HueShift & 255),
                         set1(change->SaturationAdd)};
    const __m512i pack0 = _mm512_loadu_si512(tables.Pack[0]);
    const __m512i pack1 = _mm512_loadu_si512(tables.Pack[1]);
    const __m512i pack2 = _mm512_loadu_si512(tables.Pack[2]);
    const __m512i fromLanes = _mm512_loadu_si512(tables.FromLanes);
    const __mmask64 pixelBytes = (1ull << 48) - 1;
    size_t i = 0;
    for (; i + 64 <= n; i += 64, p += 192) {
        const __m512i in0 = _mm512_loadu_si512(p), in1 = _mm512_loadu_si512(p + 64);
        const __m512i in2 = _mm512_loadu_si512(p + 128);
        const __m512i o0 = changeSixteen(&lanes, in0);
        const __m512i o1 = changeSixteen(&lanes, _mm512_alignr_epi32(in1, in0, 12));
        const __m512i o2 = changeSixteen(&lanes, _mm512_alignr_epi32(in2, in1, 8));
        const __m512i o3 = changeSixteen(&lanes, _mm512_alignr_epi32(in2, in2, 4));
        _mm512_storeu_si512(p, _mm512_permutex2var_epi8(o0, pack0, o1));
        _mm512_storeu_si512(p + 64, _mm512_permutex2var_epi8(o1, pack1, o2));
        _mm512_storeu_si512(p + 128, _mm512_permutex2var_epi8(o2, pack2, o3));
    }
    for (; i + 16 <= n; i += 16, p += 48) {
        __m512i out = changeSixteen(&lanes, _mm512_maskz_loadu_epi8(pixelBytes, p));
        _mm512_mask_storeu_epi8(p, pixelBytes, _mm512_permutexvar_epi8(fromLanes, out));
    }
    return i;
}

typedef size_t (*ChangeWide)(const FxHsvChange*, uint8_t*, size_t);

static size_t changeNone(const FxHsvChange* change, uint8_t* p, size_t n) {
    (void)change, (void)p, (void)n;
    return 0;
}

static ChangeWide changeFast = changeNone;

__attribute__((constructor)) static void chooseChange(void) {
    if (KIsaVbmi()) {
        buildTables();
        changeFast = changeWide;
    } else if (KIsaLevel() >= K_ISA_AVX2) {
        changeFast = FxChangePixelsAvx2;
    } else {
        changeFast = FxChangePixelsSse2;
    }
}

void FxChangePixels(const FxHsvChange* change, uint8_t* bgr, size_t n) {
    size_t done = changeFast(change, bgr, n);
    FxChangePixelsChunked(change, bgr + 3 * done, n - done);
}
