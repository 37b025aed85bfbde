/* Colour matching of work rows back to a palette.
 *
 * Grey rows use a 256-entry table. Colour rows go through a direct-mapped
 * cache of recent colours; a miss searches only the candidate entries of
 * the colour's cell of a 16 x 16 x 16 grid over the colour cube. A cell's
 * candidates are the entries that can be nearest to some colour in the cell
 * (those whose least distance to the cell is at most the smallest greatest
 * distance of any entry), found the first time the cell is used. The result
 * is the exact nearest entry, the lowest index on ties. */
#include "KInternal.h"

#include <immintrin.h>
#include <stdlib.h>
#include <string.h>

#define CELLS 4096
#define CELL_UNKNOWN 0xFFFFFFFFu
/* Cache entries are colour << 8 | index, so that an entry always tells the
 * truth about the colour it names: the cache starts full of black with
 * black's nearest index. 4096 entries keep it in the first-level cache. */
#define CACHE_BITS 12
#define CACHE_SIZE (1u << CACHE_BITS)

struct KMatch {
    int Count;
    int Grey; /* matching grey rows */
    uint8_t GreyIndex[256];
    uint8_t Red[256], Green[256], Blue[256];
    uint32_t Cache[CACHE_SIZE];
    uint32_t CellStart[CELLS]; /* into Candidates, or CELL_UNKNOWN */
    uint16_t CellCount[CELLS];
    uint8_t* Candidates;
    size_t Used, Capacity;
};

static void KMatchFree(struct KMatch* match) {
    if (!match)
        return;
    free(match->Candidates);
    KFree(match);
}

static int sq(int v) {
    return v * v;
}

/* Squared distance from v to the interval [lo, hi], and the greatest one. */
static int nearSq(int v, int lo, int hi) {
    return v < lo ? sq(lo - v) : v > hi ? sq(v - hi) : 0;
}

static int farSq(int v, int lo, int hi) {
    int a = sq(v - lo), b = sq(v - hi);
    return a > b ? a : b;
}

/* Finds the candidates of a cell; returns 0 when out of memory. */
static int buildCell(struct KMatch* m, unsigned cell) {
    int r0 = (int)(cell >> 8) * 16, g0 = (int)((cell >> 4) & 15) * 16, b0 = (int)(cell & 15) * 16;
    int bound = 0x7fffffff;
    for (int i = 0; i < m->Count; ++i) {
        int far = farSq(m->Red[i], r0, r0 + 15) + farSq(m->Green[i], g0, g0 + 15) +
                  farSq(m->Blue[i], b0, b0 + 15);
        bound = far < bound ? far : bound;
    }
    if (m->Used + (size_t)m->Count > m->Capacity) {
        size_t capacity = m->Capacity ? m->Capacity * 2 : 4096;
        while (capacity < m->Used + (size_t)m->Count)
            capacity *= 2;
        uint8_t* grown = realloc(m->Candidates, capacity);
        if (!grown)
            return 0;
        m->Candidates = grown;
        m->Capacity = capacity;
    }
    uint16_t n = 0;
    for (int i = 0; i < m->Count; ++i) {
        int near = nearSq(m->Red[i], r0, r0 + 15) + nearSq(m->Green[i], g0, g0 + 15) +
                   nearSq(m->Blue[i], b0, b0 + 15);
        if (near <= bound)
            m->Candidates[m->Used + n++] = (uint8_t)i;
    }
    m->CellStart[cell] = (uint32_t)m->Used;
    m->CellCount[cell] = n;
    m->Used += n;
    return 1;
}

/* Nearest entry by the cell's candidates; the full search if the cell
 * cannot be built. */
static uint8_t searchCell(struct KMatch* m, int r, int g, int b) {
    unsigned cell = ((unsigned)(r >> 4) << 8) | ((unsigned)(g >> 4) << 4) | (unsigned)(b >> 4);
    if (m->CellStart[cell] == CELL_UNKNOWN && !buildCell(m, cell)) {
        int best = 0, bestDistance = 0x7fffffff;
        for (int i = 0; i < m->Count; ++i) {
            int d = sq(m->Red[i] - r) + sq(m->Green[i] - g) + sq(m->Blue[i] - b);
            if (d < bestDistance)
                bestDistance = d, best = i;
        }
        return (uint8_t)best;
    }
    const uint8_t* list = m->Candidates + m->CellStart[cell];
    int best = list[0], bestDistance = 0x7fffffff;
    for (int k = 0; k < m->CellCount[cell]; ++k) {
        int i = list[k];
        int d = sq(m->Red[i] - r) + sq(m->Green[i] - g) + sq(m->Blue[i] - b);
        if (d < bestDistance)
            bestDistance = d, best = i;
    }
    return (uint8_t)best;
}

int KPrepareMatch(RasterBitmap* record, const RasterColor* entries, int count) {
    if (!record || !entries || count < 1 || count > 256)
        return K_ERR_BAD_PARAMETER;
    if (record->BitsPerPixel != 24 && record->BitsPerPixel != 8)
        return K_ERR_BAD_PARAMETER;
    KEndMatch(record);
    struct KMatch* m = KAlloc(sizeof(struct KMatch), 1);
    if (!m)
        return K_ERR_NO_MEMORY;
    m->Count = count;
    m->Grey = record->BitsPerPixel == 8;
    for (int i = 0; i < count; ++i) {
        m->Red[i] = entries[i].Red;
        m->Green[i] = entries[i].Green;
        m->Blue[i] = entries[i].Blue;
    }
    if (m->Grey) {
        for (int v = 0; v < 256; ++v)
            m->GreyIndex[v] = (uint8_t)KNearestEntry(entries, count, v, v, v);
    }
    memset(m->CellStart, 0xFF, sizeof m->CellStart);
    const uint32_t black = (uint32_t)KNearestEntry(entries, count, 0, 0, 0);
    for (unsigned i = 0; i < CACHE_SIZE; ++i)
        m->Cache[i] = black;
    record->Match = m;
    return K_OK;
}

static inline uint32_t cacheSlot(uint32_t key) {
    return (key * 2654435761u) >> (32 - CACHE_BITS);
}

/* The cache entry of a colour, searching and storing it on a miss. */
static inline uint32_t lookUp(struct KMatch* m, uint32_t key) {
    uint32_t slot = cacheSlot(key);
    uint32_t entry = m->Cache[slot];
    if ((entry >> 8) != key) {
        entry =
            (key << 8) | searchCell(m, (int)(key >> 16), (int)((key >> 8) & 255), (int)(key & 255));
        m->Cache[slot] = entry;
    }
    return entry;
}

static void matchColorsPlain(struct KMatch* m, const uint8_t* src, uint8_t* dst, int width) {
    for (int x = 0; x < width; ++x) {
        uint32_t key =
            ((uint32_t)src[3 * x + 2] << 16) | ((uint32_t)src[3 * x + 1] << 8) | src[3 * x];
        dst[x] = (uint8_t)lookUp(m, key);
    }
}

/* Byte permute of sixteen blue-green-red pixels to one key a 32-bit lane. */
static uint8_t spreadToKeys[64];

/* Sixteen pixels at a time: their colours gathered into keys by a byte
 * permute, the cache entries gathered, misses settled one by one. Reads stay
 * ahead of writes, so in and out may be one buffer. */
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) static void
matchColorsWide(struct KMatch* m, const uint8_t* src, uint8_t* dst, int width) {
    const __m512i toKeys = _mm512_loadu_si512(spreadToKeys);
    const __m512i hashFactor = _mm512_set1_epi32((int)2654435761u);
    const __mmask64 pixelBytes = (1ull << 48) - 1;
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        __m512i bytes = _mm512_maskz_loadu_epi8(pixelBytes, src + 3 * (size_t)x);
        __m512i keys = _mm512_maskz_permutexvar_epi8(0x7777777777777777ull, toKeys, bytes);
        __m512i slots = _mm512_srli_epi32(_mm512_mullo_epi32(keys, hashFactor), 32 - CACHE_BITS);
        __m512i entries = _mm512_i32gather_epi32(slots, (const int*)m->Cache, 4);
        __mmask16 hit = _mm512_cmpeq_epi32_mask(_mm512_srli_epi32(entries, 8), keys);
        if (hit != 0xFFFF) {
            uint32_t k[16], e[16];
            _mm512_storeu_si512(k, keys);
            _mm512_storeu_si512(e, entries);
            for (int i = 0; i < 16; ++i)
                if (!(hit & (1u << i)))
                    e[i] = lookUp(m, k[i]);
            entries = _mm512_loadu_si512(e);
        }
        _mm_storeu_si128((__m128i*)(dst + x), _mm512_cvtepi32_epi8(entries));
    }
    matchColorsPlain(m, src + 3 * (size_t)x, dst + x, width - x);
}

typedef void (*MatchColors)(struct KMatch*, const uint8_t*, uint8_t*, int);
static MatchColors matchColors = matchColorsPlain;

__attribute__((constructor)) static void chooseMatchColors(void) {
    if (KIsaVbmi()) {
        for (int j = 0; j < 64; ++j)
            spreadToKeys[j] = (uint8_t)(j % 4 == 3 ? 0 : 3 * (j / 4) + j % 4);
        matchColors = matchColorsWide;
    }
}

int KMatchRow(RasterBitmap* record, const void* in, void* out) {
    if (!record || !record->Match || !in || !out)
        return K_ERR_BAD_PARAMETER;
    struct KMatch* m = record->Match;
    const uint8_t* src = in;
    uint8_t* dst = out;
    if (m->Grey) {
        for (int x = 0; x < record->Width; ++x)
            dst[x] = m->GreyIndex[src[x]];
    } else {
        matchColors(m, src, dst, record->Width);
    }
    return K_OK;
}

void KEndMatch(RasterBitmap* record) {
    if (!record)
        return;
    KMatchFree(record->Match);
    record->Match = NULL;
}
