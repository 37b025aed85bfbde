/* Kinds of separation and the plane dealing loops: plain C that the
 * compiler vectorises, in the builds of Clones.h, around the vector forms
 * of ColorPlanesWide.c and ColorPlanesAvx2.c where those apply. */
#include "imgfx/ColorPlanes.h"

#include "imgfx/Clones.h"
#include "rkkernel/KPlaneRounds.h"

#include <immintrin.h>

FxSeparation FxSeparationOf(unsigned kind) {
    static const FxSeparation separations[FX_LAST_SEPARATION + 1] = {
        {K_SPACE_BGR, 3}, {K_SPACE_CMYK, 4}, {K_SPACE_HSV, 3}, {K_SPACE_HLS, 3}, {K_SPACE_CMY, 3}};
    return separations[kind <= FX_LAST_SEPARATION ? kind : 0];
}

FX_BODY void deal3Body(const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
                       uint8_t* restrict c) {
    for (int x = 0; x < n; ++x) {
        a[x] = p[3 * x];
        b[x] = p[3 * x + 1];
        c[x] = p[3 * x + 2];
    }
}

FX_LEVELS(static, deal3,
          (const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
           uint8_t* restrict c),
          (p, n, a, b, c))

FX_BODY void deal4Body(const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
                       uint8_t* restrict c, uint8_t* restrict d) {
    for (int x = 0; x < n; ++x) {
        a[x] = p[4 * x];
        b[x] = p[4 * x + 1];
        c[x] = p[4 * x + 2];
        d[x] = p[4 * x + 3];
    }
}

FX_LEVELS(static, deal4,
          (const uint8_t* restrict p, int n, uint8_t* restrict a, uint8_t* restrict b,
           uint8_t* restrict c, uint8_t* restrict d),
          (p, n, a, b, c, d))

FX_BODY void gather3Body(uint8_t* restrict p, int n, const uint8_t* restrict a,
                         const uint8_t* restrict b, const uint8_t* restrict c) {
    for (int x = 0; x < n; ++x) {
        p[3 * x] = a[x];
        p[3 * x + 1] = b[x];
        p[3 * x + 2] = c[x];
    }
}

FX_LEVELS(static, gather3,
          (uint8_t* restrict p, int n, const uint8_t* restrict a, const uint8_t* restrict b,
           const uint8_t* restrict c),
          (p, n, a, b, c))

FX_BODY void gather4Body(uint8_t* restrict p, int n, const uint8_t* restrict a,
                         const uint8_t* restrict b, const uint8_t* restrict c,
                         const uint8_t* restrict d) {
    for (int x = 0; x < n; ++x) {
        p[4 * x] = a[x];
        p[4 * x + 1] = b[x];
        p[4 * x + 2] = c[x];
        p[4 * x + 3] = d[x];
    }
}

FX_LEVELS(static, gather4,
          (uint8_t* restrict p, int n, const uint8_t* restrict a, const uint8_t* restrict b,
           const uint8_t* restrict c, const uint8_t* restrict d),
          (p, n, a, b, c, d))

static inline void putSse2(uint8_t* to, __m128i v, int stream) {
    if (stream)
        _mm_stream_si128((__m128i*)to, v);
    else
        _mm_storeu_si128((__m128i*)to, v);
}

/* The rows are held in locals: byte stores may alias the array of them,
 * which would be read again after every store. */
static int dealRoundsSse2(const uint8_t* p, int n, uint8_t* const* planeRows, int stream) {
    uint8_t* const rows[3] = {planeRows[0], planeRows[1], planeRows[2]};
    int x = 0;
    for (; x + 16 <= n; x += 16, p += 48) {
        __m128i a = _mm_loadu_si128((const __m128i*)p),
                b = _mm_loadu_si128((const __m128i*)(p + 16)),
                c = _mm_loadu_si128((const __m128i*)(p + 32));
        for (int r = 0; r < 4; ++r)
            dealRound(&a, &b, &c);
        putSse2(rows[0] + x, a, stream);
        putSse2(rows[1] + x, b, stream);
        putSse2(rows[2] + x, c, stream);
    }
    return x;
}

/* Sixteen pixels from sixteen bytes of each plane in three SSE2 steps,
 * each interleaving three vectors by threes of ever wider elements: bytes
 * into words (blue and green of even pixels, red of even and blue of odd,
 * green and red of odd), words into double words, double words into the
 * pixel vectors. */
static inline void interleave3Sse2(__m128i a, __m128i b, __m128i c, __m128i out[3]) {
    const __m128i lowBytes = _mm_set1_epi16(0x00ff), lowWords = _mm_set1_epi32(0xffff);
    const __m128i x = _mm_or_si128(_mm_and_si128(a, lowBytes), _mm_slli_epi16(b, 8));
    const __m128i y = _mm_or_si128(_mm_and_si128(c, lowBytes), _mm_andnot_si128(lowBytes, a));
    const __m128i z = _mm_or_si128(_mm_srli_epi16(b, 8), _mm_andnot_si128(lowBytes, c));
    const __m128i p = _mm_or_si128(_mm_and_si128(x, lowWords), _mm_slli_epi32(y, 16));
    const __m128i q = _mm_or_si128(_mm_and_si128(z, lowWords), _mm_andnot_si128(lowWords, x));
    const __m128i r = _mm_or_si128(_mm_srli_epi32(y, 16), _mm_andnot_si128(lowWords, z));
    /* Double words p0 q0 r0 p1 | q1 r1 p2 q2 | r2 p3 q3 r3. */
    const __m128 pq = _mm_castsi128_ps(_mm_unpacklo_epi32(p, q));
    const __m128 pqHigh = _mm_castsi128_ps(_mm_unpackhi_epi32(p, q));
    const __m128 qrHigh = _mm_castsi128_ps(_mm_unpackhi_epi32(q, r));
    const __m128 fp = _mm_castsi128_ps(p), fq = _mm_castsi128_ps(q), fr = _mm_castsi128_ps(r);
    const __m128 rp = _mm_shuffle_ps(fr, fp, _MM_SHUFFLE(1, 1, 0, 0));
    const __m128 qr = _mm_shuffle_ps(fq, fr, _MM_SHUFFLE(1, 1, 1, 1));
    const __m128 rpHigh = _mm_shuffle_ps(fr, fp, _MM_SHUFFLE(3, 3, 2, 2));
    out[0] = _mm_castps_si128(_mm_shuffle_ps(pq, rp, _MM_SHUFFLE(2, 0, 1, 0)));
    out[1] = _mm_castps_si128(_mm_shuffle_ps(qr, pqHigh, _MM_SHUFFLE(1, 0, 2, 0)));
    out[2] = _mm_castps_si128(_mm_shuffle_ps(rpHigh, qrHigh, _MM_SHUFFLE(3, 2, 2, 0)));
}

static int gatherSse2(uint8_t* p, int n, const uint8_t* const* planeRows, int stream) {
    const uint8_t* const rows[3] = {planeRows[0], planeRows[1], planeRows[2]};
    int x = 0;
    for (; x + 16 <= n; x += 16, p += 48) {
        __m128i out[3];
        interleave3Sse2(_mm_loadu_si128((const __m128i*)(rows[0] + x)),
                        _mm_loadu_si128((const __m128i*)(rows[1] + x)),
                        _mm_loadu_si128((const __m128i*)(rows[2] + x)), out);
        putSse2(p, out[0], stream);
        putSse2(p + 16, out[1], stream);
        putSse2(p + 32, out[2], stream);
    }
    return x;
}

/* The processor's best vector form for three planes. */
static int dealVector(const uint8_t* p, int n, uint8_t* const* rows, int stream) {
    if (KIsaVbmi())
        return FxWideDeal3(p, n, rows, stream);
    if (KIsaLevel() >= K_ISA_AVX2)
        return FxAvx2Deal3(p, n, rows, stream);
    return dealRoundsSse2(p, n, rows, stream);
}

static int gatherVector(uint8_t* p, int n, const uint8_t* const* rows, int stream) {
    if (KIsaVbmi())
        return FxWideGather3(p, n, rows, stream);
    if (KIsaLevel() >= K_ISA_AVX2)
        return FxAvx2Gather3(p, n, rows, stream);
    return gatherSse2(p, n, rows, stream);
}

static int aligned(uintptr_t a, uintptr_t b) {
    return ((a ^ b) & 63) == 0;
}

/* Streaming: the plain loop does the pixels before the first whose plane
 * bytes start a 64-byte line, the vector forms stream from there (the
 * planes' rows all alike placed in their lines, else nothing streams). */
void FxDealPlanes(const uint8_t* pixels, int width, int planes, uint8_t* const* rows, int stream) {
    if (planes == 4) {
        deal4(pixels, width, rows[0], rows[1], rows[2], rows[3]);
        return;
    }
    const uintptr_t first = (uintptr_t)rows[0];
    int x = 0;
    stream = stream && aligned(first, (uintptr_t)rows[1]) && aligned(first, (uintptr_t)rows[2]);
    if (stream) {
        x = (int)(-first & 63) < width ? (int)(-first & 63) : width;
        deal3(pixels, x, rows[0], rows[1], rows[2]);
    }
    uint8_t* const from[3] = {rows[0] + x, rows[1] + x, rows[2] + x};
    x += dealVector(pixels + 3 * (size_t)x, width - x, from, stream);
    deal3(pixels + 3 * (size_t)x, width - x, rows[0] + x, rows[1] + x, rows[2] + x);
}

/* Streaming as dealing: 43 is the inverse of 3 modulo 64. */
void FxGatherPlanes(uint8_t* pixels, int width, int planes, const uint8_t* const* rows,
                    int stream) {
    if (planes == 4) {
        gather4(pixels, width, rows[0], rows[1], rows[2], rows[3]);
        return;
    }
    int x = 0;
    if (stream) {
        const int head = (int)(((-(uintptr_t)pixels & 63) * 43) & 63);
        x = head < width ? head : width;
        gather3(pixels, x, rows[0], rows[1], rows[2]);
    }
    const uint8_t* const from[3] = {rows[0] + x, rows[1] + x, rows[2] + x};
    x += gatherVector(pixels + 3 * (size_t)x, width - x, from, stream);
    gather3(pixels + 3 * (size_t)x, width - x, rows[0] + x, rows[1] + x, rows[2] + x);
}

void FxStreamDone(void) {
    _mm_sfence();
}
