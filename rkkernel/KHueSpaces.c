/* HSV and HLS to and from blue, green, red for every processor level:
 * pixels go through planes a chunk at a time, dealt, converted by the
 * bodies of KHuePixels.h (which the compiler vectorises for each level)
 * or their vector forms, and gathered back. At the plain x86-64 level the
 * planes are dealt and gathered, and the conversions run, in SSE2 code of
 * their own (KPlaneRounds.h, KHueSse2.c); the AVX2 and AVX-512 levels
 * convert both ways in AVX2's 16-bit lanes (KHueAvx2.c). */
#include "KHuePixels.h"
#include "KPlaneRounds.h"

#include <immintrin.h>

#define V3 __attribute__((target("arch=x86-64-v3")))

enum { TO_HSV, TO_HLS, FROM_HSV, FROM_HSV_COMPARED, FROM_HLS };

/* Pixels to planes, 16 pixels at a time in the rounds of KPlaneRounds.h
 * where the caller asks for them, byte by byte for the rest. */
K_BODY void dealPlanes(const uint8_t* p, int n, uint8_t* a, uint8_t* b, uint8_t* c, int rounds) {
    int i = 0;
    if (rounds == 1)
        for (; i + 16 <= n; i += 16) {
            __m128i x = _mm_loadu_si128((const __m128i*)(p + 3 * i)),
                    y = _mm_loadu_si128((const __m128i*)(p + 3 * i + 16)),
                    z = _mm_loadu_si128((const __m128i*)(p + 3 * i + 32));
            for (int r = 0; r < 4; ++r)
                dealRound(&x, &y, &z);
            _mm_storeu_si128((__m128i*)(a + i), x);
            _mm_storeu_si128((__m128i*)(b + i), y);
            _mm_storeu_si128((__m128i*)(c + i), z);
        }
    for (; i < n; ++i)
        a[i] = p[3 * i], b[i] = p[3 * i + 1], c[i] = p[3 * i + 2];
}

K_BODY void gatherPlanes(uint8_t* q, int n, const uint8_t* a, const uint8_t* b, const uint8_t* c,
                         int rounds) {
    int i = 0;
    if (rounds == 1)
        for (; i + 16 <= n; i += 16) {
            __m128i x = _mm_loadu_si128((const __m128i*)(a + i)),
                    y = _mm_loadu_si128((const __m128i*)(b + i)),
                    z = _mm_loadu_si128((const __m128i*)(c + i));
            for (int r = 0; r < 4; ++r)
                gatherRound(&x, &y, &z);
            _mm_storeu_si128((__m128i*)(q + 3 * i), x);
            _mm_storeu_si128((__m128i*)(q + 3 * i + 16), y);
            _mm_storeu_si128((__m128i*)(q + 3 * i + 32), z);
        }
    for (; i < n; ++i)
        q[3 * i] = a[i], q[3 * i + 1] = b[i], q[3 * i + 2] = c[i];
}

/* Planes of n pixels (at most CHUNK) from one space to the other. kind
 * and rounds are constants in each copy: rounds 1 converts in SSE2 (the
 * plain x86-64 level), 2 towards the spaces and HLS back in AVX2's 16-bit
 * lanes, 0 leaves all to the compiler. */
K_BODY void convertPlanesBody(const uint8_t* const* in, uint8_t* const* out, int n, int kind,
                              int rounds) {
    if ((kind == TO_HSV || kind == TO_HLS) && rounds == 2)
        KHueFromBgrAvx2(in[0], in[1], in[2], out[0], out[1], out[2], n, kind == TO_HLS);
    else if ((kind == TO_HSV || kind == TO_HLS) && rounds)
        KHueFromBgrSse2(in[0], in[1], in[2], out[0], out[1], out[2], n, kind == TO_HLS);
    else if (kind == TO_HSV || kind == TO_HLS)
        fromBgrBody(in[0], in[1], in[2], out[0], out[1], out[2], n, kind == TO_HLS);
    else if (kind == FROM_HSV && rounds == 2)
        KHsvToBgrAvx2(in[0], in[1], in[2], out[0], out[1], out[2], n);
    else if (kind == FROM_HSV)
        hsvToBgrBody(in[0], in[1], in[2], out[0], out[1], out[2], n, 1);
    else if (kind == FROM_HSV_COMPARED)
        KHsvToBgrSse2(in[0], in[1], in[2], out[0], out[1], out[2], n);
    else if (rounds == 2)
        KHlsToBgrAvx2(in[0], in[1], in[2], out[0], out[1], out[2], n);
    else if (rounds)
        KHlsToBgrSse2(in[0], in[1], in[2], out[0], out[1], out[2], n);
    else
        hlsToBgrBody(in[0], in[1], in[2], out[0], out[1], out[2], n);
}

/* A run of pixels a chunk at a time, dealt to planes, converted and
 * gathered back (rounds 1 deals and gathers by SSE2 rounds); in and out
 * may be the same buffer, since every chunk is read whole before it is
 * written. */
K_BODY void convertRunBody(const uint8_t* in, uint8_t* out, int width, int kind, int rounds) {
    uint8_t planes[6][CHUNK];
    const uint8_t* const from[3] = {planes[0], planes[1], planes[2]};
    uint8_t* const to[3] = {planes[3], planes[4], planes[5]};
    for (int done = 0; done < width; done += CHUNK) {
        const int n = width - done < CHUNK ? width - done : CHUNK;
        dealPlanes(in + 3 * (size_t)done, n, planes[0], planes[1], planes[2], rounds);
        convertPlanesBody(from, to, n, kind, rounds);
        gatherPlanes(out + 3 * (size_t)done, n, planes[3], planes[4], planes[5], rounds);
    }
}

/* Whole plane rows, a chunk at a time, each converted into planes of its
 * own and copied out: the compiler vectorises the loops only where it can
 * see that what they write is apart from what they read. */
K_BODY void planesRunBody(const uint8_t* const* in, uint8_t* const* out, int width, int kind,
                          int rounds) {
    uint8_t planes[3][CHUNK];
    uint8_t* const to[3] = {planes[0], planes[1], planes[2]};
    for (int done = 0; done < width; done += CHUNK) {
        const int n = width - done < CHUNK ? width - done : CHUNK;
        const uint8_t* const from[3] = {in[0] + done, in[1] + done, in[2] + done};
        convertPlanesBody(from, to, n, kind, rounds);
        for (int k = 0; k < 3; ++k)
            memcpy(out[k] + done, planes[k], (size_t)n);
    }
}

K_BODY void toHsvBody(const uint8_t* in, uint8_t* out, int width) {
    convertRunBody(in, out, width, TO_HSV, 0);
}
K_BODY void toHlsBody(const uint8_t* in, uint8_t* out, int width) {
    convertRunBody(in, out, width, TO_HLS, 0);
}
K_LEVELS(toHsv, (const uint8_t* in, uint8_t* out, int width), (in, out, width))
K_LEVELS(toHls, (const uint8_t* in, uint8_t* out, int width), (in, out, width))

/* The plain x86-64 level: SSE2 dealing and gathering, and HSV back to
 * blue, green, red in 16-bit lanes. */
static void convertRunPlain(const uint8_t* in, uint8_t* out, int width, int kind) {
    switch (kind) {
    case TO_HSV:
        convertRunBody(in, out, width, TO_HSV, 1);
        break;
    case TO_HLS:
        convertRunBody(in, out, width, TO_HLS, 1);
        break;
    case FROM_HLS:
        convertRunBody(in, out, width, FROM_HLS, 1);
        break;
    default:
        convertRunBody(in, out, width, FROM_HSV_COMPARED, 1);
    }
}

/* Towards the spaces at the AVX2 and AVX-512 levels: the 16-bit lane form. */
V3 static void toHueSpaceAvx2(const uint8_t* in, uint8_t* out, int width, int hls) {
    if (hls)
        convertRunBody(in, out, width, TO_HLS, 2);
    else
        convertRunBody(in, out, width, TO_HSV, 2);
}

static void planesRunPlain(const uint8_t* const* in, uint8_t* const* out, int width, int kind) {
    switch (kind) {
    case TO_HSV:
        planesRunBody(in, out, width, TO_HSV, 1);
        break;
    case TO_HLS:
        planesRunBody(in, out, width, TO_HLS, 1);
        break;
    case FROM_HLS:
        planesRunBody(in, out, width, FROM_HLS, 1);
        break;
    default:
        planesRunBody(in, out, width, FROM_HSV_COMPARED, 1);
    }
}

V3 static void towardsPlanesAvx2(const uint8_t* const* in, uint8_t* const* out, int width,
                                 int hls) {
    if (hls)
        planesRunBody(in, out, width, TO_HLS, 2);
    else
        planesRunBody(in, out, width, TO_HSV, 2);
}

V3 static void hlsPlanesBackAvx2(const uint8_t* const* in, uint8_t* const* out, int width) {
    planesRunBody(in, out, width, FROM_HLS, 2);
}

/* HSV back at the AVX2 and AVX-512 levels: the 16-bit lanes measured
 * faster at either than the compiler's 32-bit vectors of hsvToBgrBody
 * (twice as fast at AVX2, a sixth at AVX-512). */
V3 static void hsvPlanesBackAvx2(const uint8_t* const* in, uint8_t* const* out, int width) {
    planesRunBody(in, out, width, FROM_HSV, 2);
}

V3 static void hsvBackAvx2(const uint8_t* in, uint8_t* out, int width) {
    convertRunBody(in, out, width, FROM_HSV, 2);
}

V3 static void hlsBackAvx2(const uint8_t* in, uint8_t* out, int width) {
    convertRunBody(in, out, width, FROM_HLS, 2);
}

int KConvertColorPlanes(const uint8_t* const* in, uint8_t* const* out, int width, int fromSpace,
                        int toSpace) {
    const int hls = fromSpace == K_SPACE_HLS || toSpace == K_SPACE_HLS;
    const int forwards = fromSpace == K_SPACE_BGR;
    if (!in || !out || width < 0 ||
        !(forwards
              ? toSpace == K_SPACE_HSV || toSpace == K_SPACE_HLS
              : (fromSpace == K_SPACE_HSV || fromSpace == K_SPACE_HLS) && toSpace == K_SPACE_BGR))
        return K_ERR_BAD_PARAMETER;
    for (int k = 0; k < 3; ++k)
        if (!in[k] || !out[k])
            return K_ERR_BAD_PARAMETER;
    if (KIsaLevel() < K_ISA_AVX2)
        planesRunPlain(in, out, width,
                       forwards ? (hls ? TO_HLS : TO_HSV)
                       : hls    ? FROM_HLS
                                : FROM_HSV_COMPARED);
    else if (forwards)
        towardsPlanesAvx2(in, out, width, hls);
    else if (hls)
        hlsPlanesBackAvx2(in, out, width);
    else
        hsvPlanesBackAvx2(in, out, width);
    return K_OK;
}

int KConvertHueSpace(const uint8_t* in, uint8_t* out, int width, int fromSpace, int toSpace) {
    const int hls = fromSpace == K_SPACE_HLS || toSpace == K_SPACE_HLS;
    const int forwards = fromSpace == K_SPACE_BGR;
    if (!(forwards
              ? toSpace == K_SPACE_HSV || toSpace == K_SPACE_HLS
              : (fromSpace == K_SPACE_HSV || fromSpace == K_SPACE_HLS) && toSpace == K_SPACE_BGR))
        return 0;
    /* The same buffer or separate ones; chunks are read whole before they
     * are written. */
    const uintptr_t a = (uintptr_t)in, b = (uintptr_t)out, bytes = 3 * (uintptr_t)width;
    if (in != out && a < b + bytes && b < a + bytes)
        return 0;
    if (KIsaLevel() < K_ISA_AVX2)
        convertRunPlain(in, out, width,
                        forwards ? (hls ? TO_HLS : TO_HSV)
                        : hls    ? FROM_HLS
                                 : FROM_HSV_COMPARED);
    else if (forwards && KIsaLevel() >= K_ISA_AVX2)
        toHueSpaceAvx2(in, out, width, hls);
    else if (forwards)
        (hls ? toHls : toHsv)(in, out, width);
    else if (hls)
        hlsBackAvx2(in, out, width);
    else
        hsvBackAvx2(in, out, width);
    return 1;
}
