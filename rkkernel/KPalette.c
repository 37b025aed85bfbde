/* Palette objects and the fixed grey palettes. */
#include "KInternal.h"

#include <string.h>

KPalette* KCreatePalette(int count, const RasterColor* entries) {
    if (count < 1 || count > 256)
        return NULL;
    KPalette* palette = KAlloc(sizeof(KPalette), 1);
    if (!palette)
        return NULL;
    palette->Count = count;
    if (entries)
        memcpy(palette->Entries, entries, (size_t)count * sizeof(RasterColor));
    return palette;
}

void KDeletePalette(KPalette* palette) {
    KFree(palette);
}

int KPaletteSize(const KPalette* palette) {
    return palette ? palette->Count : 0;
}

/* Clips first/count to the palette; returns the number of entries in range. */
static int clipRange(const KPalette* palette, int first, int count) {
    if (!palette || first < 0 || count <= 0 || first >= palette->Count)
        return 0;
    return count < palette->Count - first ? count : palette->Count - first;
}

int KGetPaletteEntries(const KPalette* palette, int first, int count, RasterColor* entries) {
    int n = clipRange(palette, first, count);
    if (n > 0 && entries)
        memcpy(entries, palette->Entries + first, (size_t)n * sizeof(RasterColor));
    return entries ? n : 0;
}

int KSetPaletteEntries(KPalette* palette, int first, int count, const RasterColor* entries) {
    int n = clipRange(palette, first, count);
    if (n > 0 && entries)
        memcpy(palette->Entries + first, entries, (size_t)n * sizeof(RasterColor));
    return entries ? n : 0;
}

KPalette* KGreyPalette(int bits) {
    if (bits != 1 && bits != 4 && bits != 8)
        return NULL;
    int count = 1 << bits;
    RasterColor entries[256];
    for (int i = 0; i < count; ++i) {
        uint8_t level = (uint8_t)(i * 255 / (count - 1));
        entries[i] = (RasterColor){level, level, level, 0};
    }
    return KCreatePalette(count, entries);
}

int KNearestEntry(const RasterColor* entries, int count, int r, int g, int b) {
    int best = 0;
    int bestDistance = 0x7fffffff;
    for (int i = 0; i < count; ++i) {
        int dr = entries[i].Red - r, dg = entries[i].Green - g, db = entries[i].Blue - b;
        int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
            if (d == 0)
                break;
        }
    }
    return best;
}
