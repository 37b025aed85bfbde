/* Inversion: 255 - v of every channel, through the table path, except for
 * whole direct bitmaps held in place, whose stored bytes are complemented
 * straight away. */
#include "imgfx/LookupTable.h"
#include "imgfx/PalettePath.h"
#include "imgfx/RowWalker.h"

#include <immintrin.h>

/* The complement of n bytes. The vector loops start at the first address
 * on a 64-byte line: a bitmap's rows start wherever its block does (16
 * bytes into a line), and vector loads and stores that straddle two lines
 * cost each level time even where memory is what holds it back. */
__attribute__((target("avx512f"), noinline)) static void complementAvx512(uint8_t* p, size_t n) {
    const __m512i ones = _mm512_set1_epi32(-1);
    size_t i = 0;
    for (; i < n && ((uintptr_t)(p + i) & 63); ++i)
        p[i] = (uint8_t)~p[i];
    for (; i + 128 <= n; i += 128) {
        const __m512i a = _mm512_load_si512(p + i), b = _mm512_load_si512(p + i + 64);
        _mm512_store_si512(p + i, _mm512_xor_si512(a, ones));
        _mm512_store_si512(p + i + 64, _mm512_xor_si512(b, ones));
    }
    for (; i < n; ++i)
        p[i] = (uint8_t)~p[i];
}

__attribute__((target("avx2"), noinline)) static void complementAvx2(uint8_t* p, size_t n) {
    const __m256i ones = _mm256_set1_epi32(-1);
    size_t i = 0;
    for (; i < n && ((uintptr_t)(p + i) & 63); ++i)
        p[i] = (uint8_t)~p[i];
    for (; i + 64 <= n; i += 64) {
        const __m256i a = _mm256_load_si256((const __m256i*)(p + i)),
                      b = _mm256_load_si256((const __m256i*)(p + i + 32));
        _mm256_store_si256((__m256i*)(p + i), _mm256_xor_si256(a, ones));
        _mm256_store_si256((__m256i*)(p + i + 32), _mm256_xor_si256(b, ones));
    }
    for (; i < n; ++i)
        p[i] = (uint8_t)~p[i];
}

__attribute__((noinline)) static void complementSse2(uint8_t* p, size_t n) {
    const __m128i ones = _mm_set1_epi32(-1);
    size_t i = 0;
    for (; i < n && ((uintptr_t)(p + i) & 63); ++i)
        p[i] = (uint8_t)~p[i];
    for (; i + 64 <= n; i += 64)
        for (size_t k = 0; k < 64; k += 16) {
            const __m128i a = _mm_load_si128((const __m128i*)(p + i + k));
            _mm_store_si128((__m128i*)(p + i + k), _mm_xor_si128(a, ones));
        }
    for (; i < n; ++i)
        p[i] = (uint8_t)~p[i];
}

static void complementBytes(uint8_t* p, size_t n) {
    switch (KIsaLevel()) {
    case K_ISA_AVX512:
        complementAvx512(p, n);
        break;
    case K_ISA_AVX2:
        complementAvx2(p, n);
        break;
    default:
        complementSse2(p, n);
    }
}

/* The stored rows of a walker over the whole bitmap, handed over in
 * place: without a progress callback rows that follow one another without
 * padding go in one run; with one, row by row, so that a stop leaves the
 * same rows changed as the table's walk would. */
static int complementWhole(RowWalker* w) {
    RasterBitmap* bitmap = w->Bitmap;
    const size_t rowBytes = (size_t)w->Width * (size_t)RowWalkerBytesPerPixel(w);
    int status = RowWalkerStartProgress(w, 0, 100);
    if (status != FX_OK || w->Rows == 0)
        return status;
    uint8_t* first = KRowAddress(bitmap, w->Bounds.Top);
    if (!first)
        return FX_ERR_BAD_BITMAP;
    if (!w->Progress.Callback && rowBytes == (size_t)bitmap->BytesPerLine) {
        complementBytes(first, rowBytes * (size_t)w->Rows);
        return FX_OK;
    }
    for (int r = 0; status == FX_OK && r < w->Rows; ++r) {
        complementBytes(first + (size_t)r * (size_t)bitmap->BytesPerLine, rowBytes);
        status = FxProgressStep(&w->Progress);
    }
    return status;
}

int R_InvertBitmap(RasterBitmap* bitmap) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    if (!bitmap->HasRegion && !FxUsesPalettePath(bitmap)) {
        RowWalker* w;
        status = RowWalkerOpen(bitmap, WALK_IN_PLACE, &w);
        if (status != FX_OK)
            return status;
        if (w->InPlace && w->FirstColumn == 0 && w->Width == bitmap->Width) {
            status = complementWhole(w);
            RowWalkerClose(w);
            return status;
        }
        RowWalkerClose(w);
    }
    uint8_t table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = (uint8_t)(255 - i);
    return FxApplyTable(bitmap, table, FX_CHANNEL_ALL, 0);
}
