#include "imgfx/LookupTable.h"

#include "imgfx/Clones.h"
#include "imgfx/PalettePath.h"
#include "imgfx/RowWalker.h"

#include <immintrin.h>

static void mapBytesPlain(uint8_t* p, size_t n, const uint8_t* table) {
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        uint8_t a = table[p[i]], b = table[p[i + 1]], c = table[p[i + 2]], d = table[p[i + 3]];
        p[i] = a, p[i + 1] = b, p[i + 2] = c, p[i + 3] = d;
    }
    for (; i < n; ++i)
        p[i] = table[p[i]];
}

/* 64 table lookups at once: two 128-entry permutes, chosen by the top bit. */
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) static void
mapBytesVbmi(uint8_t* p, size_t n, const uint8_t* table) {
    const __m512i t0 = _mm512_loadu_si512(table), t1 = _mm512_loadu_si512(table + 64);
    const __m512i t2 = _mm512_loadu_si512(table + 128), t3 = _mm512_loadu_si512(table + 192);
    for (; n >= 64; n -= 64, p += 64) {
        __m512i index = _mm512_loadu_si512(p);
        __m512i low = _mm512_permutex2var_epi8(t0, index, t1);
        __m512i high = _mm512_permutex2var_epi8(t2, index, t3);
        _mm512_storeu_si512(p, _mm512_mask_blend_epi8(_mm512_movepi8_mask(index), low, high));
    }
    if (n) {
        __mmask64 mask = (__mmask64)((1ull << n) - 1);
        __m512i index = _mm512_maskz_loadu_epi8(mask, p);
        __m512i low = _mm512_permutex2var_epi8(t0, index, t1);
        __m512i high = _mm512_permutex2var_epi8(t2, index, t3);
        _mm512_mask_storeu_epi8(p, mask,
                                _mm512_mask_blend_epi8(_mm512_movepi8_mask(index), low, high));
    }
}

static void mapChannelPlain(uint8_t* first, size_t n, size_t stride, const uint8_t* table) {
    for (size_t i = 0; i < n; ++i)
        first[i * stride] = table[first[i * stride]];
}

/* Every third byte from first: all 64 bytes of a block are looked up and
 * only the selected ones stored. Block k of the run starts k bytes past a
 * multiple of 3 (64 = 3 * 21 + 1), so three store masks take turns. */
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) static void
mapEveryThird(uint8_t* p, size_t n, const uint8_t* table) {
    const __m512i t0 = _mm512_loadu_si512(table), t1 = _mm512_loadu_si512(table + 64);
    const __m512i t2 = _mm512_loadu_si512(table + 128), t3 = _mm512_loadu_si512(table + 192);
    /* Bit j of mask k is set where (k + j) % 3 == 0. */
    static const __mmask64 selected[3] = {0x9249249249249249ull, 0x4924924924924924ull,
                                          0x2492492492492492ull};
    size_t bytes = n ? 3 * n - 2 : 0;
    for (int k = 0; bytes > 0; k = k == 2 ? 0 : k + 1, p += 64) {
        __mmask64 mask = selected[k];
        if (bytes < 64)
            mask &= (1ull << bytes) - 1;
        __m512i index = _mm512_maskz_loadu_epi8(mask, p);
        __m512i low = _mm512_permutex2var_epi8(t0, index, t1);
        __m512i high = _mm512_permutex2var_epi8(t2, index, t3);
        _mm512_mask_storeu_epi8(p, mask,
                                _mm512_mask_blend_epi8(_mm512_movepi8_mask(index), low, high));
        bytes = bytes < 64 ? 0 : bytes - 64;
    }
}

/* 32 table lookups at once with AVX2, through 16-entry byte shuffles of
 * the table, eight for each half (indices below 128, then the rest with
 * the top bit flipped). Shuffle j of a half looks up the index plus 0x70 -
 * 16 j with unsigned saturation: its top bit (which makes the shuffle give
 * zero) is clear exactly when the index's high four bits are at most j,
 * and its low four bits are the index's. Shuffle j holds row j of the half
 * exclusive-or row j + 1 (the last holds its own row), so the rows from
 * the index's own to the last cancel to the index's own row. */
__attribute__((target("avx2"))) static void mapBytesAvx2(uint8_t* p, size_t n,
                                                         const uint8_t* table) {
    __m256i rows[16], steps[8];
    for (int j = 0; j < 16; ++j)
        rows[j] = _mm256_broadcastsi128_si256(_mm_loadu_si128((const __m128i*)(table + 16 * j)));
    for (int j = 0; j < 16; ++j)
        if (j % 8 != 7)
            rows[j] = _mm256_xor_si256(rows[j], rows[j + 1]);
    for (int j = 0; j < 8; ++j)
        steps[j] = _mm256_set1_epi8((char)(0x70 - 16 * j));
    const __m256i top = _mm256_set1_epi8((char)0x80);
    for (; n >= 32; n -= 32, p += 32) {
        const __m256i low = _mm256_loadu_si256((const __m256i*)p),
                      high = _mm256_xor_si256(low, top);
        __m256i result = _mm256_setzero_si256();
        for (int j = 0; j < 8; ++j) {
            result = _mm256_xor_si256(
                result, _mm256_shuffle_epi8(rows[j], _mm256_adds_epu8(low, steps[j])));
            result = _mm256_xor_si256(
                result, _mm256_shuffle_epi8(rows[8 + j], _mm256_adds_epu8(high, steps[j])));
        }
        _mm256_storeu_si256((__m256i*)p, result);
    }
    mapBytesPlain(p, n, table);
}

typedef void (*MapBytes)(uint8_t*, size_t, const uint8_t*);
static MapBytes mapBytes = mapBytesPlain;
static MapBytes mapEveryThirdFast = NULL;

/* Picks the widest lookup the processor has, once, when the library loads. */
__attribute__((constructor)) static void chooseMapBytes(void) {
    if (KIsaVbmi()) {
        mapBytes = mapBytesVbmi;
        mapEveryThirdFast = mapEveryThird;
    } else if (KIsaLevel() >= K_ISA_AVX2) {
        mapBytes = mapBytesAvx2;
    }
}

void FxMapBytes(uint8_t* bytes, size_t n, const uint8_t table[256]) {
    mapBytes(bytes, n, table);
}

void FxMapChannel(uint8_t* first, size_t n, size_t stride, const uint8_t table[256]) {
    if (stride == 3 && mapEveryThirdFast)
        mapEveryThirdFast(first, n, table);
    else
        mapChannelPlain(first, n, stride, table);
}

void FxMapEntries(RasterColor* entries, int count, const uint8_t table[256], int channel) {
    for (int i = 0; i < count; ++i) {
        RasterColor* e = &entries[i];
        if (channel == FX_CHANNEL_ALL || channel == FX_CHANNEL_RED)
            e->Red = table[e->Red];
        if (channel == FX_CHANNEL_ALL || channel == FX_CHANNEL_GREEN)
            e->Green = table[e->Green];
        if (channel == FX_CHANNEL_ALL || channel == FX_CHANNEL_BLUE)
            e->Blue = table[e->Blue];
    }
}

/* The first count bytes at p (up to 64) complemented. */
__attribute__((target("avx512f,avx512bw"))) static inline void complementPart(uint8_t* p,
                                                                              size_t count) {
    const __mmask64 m = _cvtu64_mask64(count >= 64 ? ~0ull : (1ull << count) - 1);
    _mm512_mask_storeu_epi8(p, m,
                            _mm512_xor_si512(_mm512_maskz_loadu_epi8(m, p), _mm512_set1_epi32(-1)));
}

/* Inversion's table, 255 - v, is one instruction on a whole vector: one
 * copy for each level, written with the level's widest registers and kept
 * out of line, since the compiler leaves a plain byte loop unvectorised
 * where it inlines it on a path it takes for cold. The loops leave the
 * fetching of what they read to the processor: asking for it a page ahead
 * gained a sixth on one machine and lost a fifth on another of the same
 * family, while the plain loops kept pace with OpenCV's on both.
 * The widest loop starts on a 64-byte line, with a masked head and tail: a
 * bitmap's rows start anywhere in a line (16 bytes in, from the heap), and
 * where the processor stores all 512 bits at once (AMD's Zen 5) a store
 * across two lines made the pass 40 % slower than the 256-bit loop. */
__attribute__((target("avx512f,avx512bw"), noinline)) static void complementAvx512(uint8_t* p,
                                                                                   size_t n) {
    const __m512i ones = _mm512_set1_epi32(-1);
    size_t head = (64 - ((uintptr_t)p & 63)) & 63;
    if (head > n)
        head = n;
    if (head)
        complementPart(p, head);
    size_t i = head;
    for (; i + 128 <= n; i += 128) {
        __m512i a = _mm512_load_si512(p + i), b = _mm512_load_si512(p + i + 64);
        _mm512_store_si512(p + i, _mm512_xor_si512(a, ones));
        _mm512_store_si512(p + i + 64, _mm512_xor_si512(b, ones));
    }
    for (; i < n; i += 64)
        complementPart(p + i, n - i);
}

__attribute__((target("avx2"), noinline)) static void complementAvx2(uint8_t* p, size_t n) {
    const __m256i ones = _mm256_set1_epi32(-1);
    size_t i = 0;
    for (; i + 64 <= n; i += 64) {
        __m256i a = _mm256_loadu_si256((const __m256i*)(p + i)),
                b = _mm256_loadu_si256((const __m256i*)(p + i + 32));
        _mm256_storeu_si256((__m256i*)(p + i), _mm256_xor_si256(a, ones));
        _mm256_storeu_si256((__m256i*)(p + i + 32), _mm256_xor_si256(b, ones));
    }
    for (; i < n; ++i)
        p[i] = (uint8_t)~p[i];
}

__attribute__((noinline)) static void complementSse2(uint8_t* p, size_t n) {
    const __m128i ones = _mm_set1_epi32(-1);
    size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        __m128i a = _mm_loadu_si128((const __m128i*)(p + i)),
                b = _mm_loadu_si128((const __m128i*)(p + i + 16));
        _mm_storeu_si128((__m128i*)(p + i), _mm_xor_si128(a, ones));
        _mm_storeu_si128((__m128i*)(p + i + 16), _mm_xor_si128(b, ones));
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

static int isComplement(const uint8_t table[256]) {
    for (int i = 0; i < 256; ++i)
        if (table[i] != 255 - i)
            return 0;
    return 1;
}

typedef struct TableJob {
    const uint8_t* Table;
    int Channel;
    int Complement; /* the table is 255 - v */
} TableJob;

static int mapRow(void* context, const FxRow* row) {
    const TableJob* job = context;
    const int bpp = row->BytesPerPixel;
    for (int i = 0; i + 1 < row->SpanCount; i += 2) {
        uint8_t* first = row->Pixels + (size_t)row->Spans[i] * bpp;
        size_t n = (size_t)(row->Spans[i + 1] - row->Spans[i]);
        if (job->Channel == FX_CHANNEL_ALL && job->Complement)
            complementBytes(first, n * bpp);
        else if (job->Channel == FX_CHANNEL_ALL)
            FxMapBytes(first, n * bpp, job->Table);
        else /* blue, green, red bytes: red is byte 2, blue byte 0 */
            FxMapChannel(first + (3 - job->Channel), n, 3, job->Table);
    }
    return FX_OK;
}

/* Complements the stored rows of a walker over the whole bitmap whose rows
 * are handed over in place: without a progress callback, rows that follow
 * one another without padding go in one run, so that the per-row steps of
 * the walk (spans, addresses, calls) do not stand between the memory
 * traffic; with one, row by row, so that a stop leaves the same rows
 * changed as the walk would. */
static int complementWhole(RowWalker* w, int from, int to) {
    RasterBitmap* bitmap = w->Bitmap;
    const size_t rowBytes = (size_t)w->Width * (size_t)RowWalkerBytesPerPixel(w);
    int status = RowWalkerStartProgress(w, from, to);
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

int FxApplyLookupTable(RasterBitmap* bitmap, const uint8_t table[256], int channel, int from,
                       int to) {
    TableJob job = {table, channel, isComplement(table)};
    if (job.Complement && channel == FX_CHANNEL_ALL && FxCheckBitmap(bitmap) == FX_OK &&
        !bitmap->HasRegion) {
        RowWalker* w;
        int status = RowWalkerOpen(bitmap, WALK_IN_PLACE, &w);
        if (status != FX_OK)
            return status;
        if (w->InPlace && w->FirstColumn == 0 && w->Width == bitmap->Width) {
            status = complementWhole(w, from, to);
            RowWalkerClose(w);
            return status;
        }
        RowWalkerClose(w);
    }
    unsigned options =
        WALK_IN_PLACE | WALK_BY_COLOUR | (channel == FX_CHANNEL_ALL ? 0u : WALK_COLOR);
    return RowWalkerRun(bitmap, options, from, to, mapRow, &job);
}

static void mapPalette(void* context, RasterColor* entries, int count) {
    const TableJob* job = context;
    FxMapEntries(entries, count, job->Table, job->Channel);
}

int FxApplyTable(RasterBitmap* bitmap, const uint8_t table[256], int channel, int from) {
    if (FxUsesPalettePath(bitmap)) {
        TableJob job = {table, channel, 0};
        return FxChangePalette(bitmap, from, mapPalette, &job);
    }
    return FxApplyLookupTable(bitmap, table, channel, from, 100);
}
