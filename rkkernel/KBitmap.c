/* Bitmap records: initialisation, allocation, access, palettes as the
 * bitmap sees them, and the grey kind. */
#include "KInternal.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

/* A bitmap's pixels start on a 64-byte line: the filters that fill a
 * bitmap whole write it a line at a time, past the caches for large
 * bitmaps, and the widest loads and stores cost twice across two lines.
 * The block is asked of the allocator 64 bytes larger and aligned within,
 * the block's own address kept just in front of the pixels, rather than
 * from the allocator's aligned allocation: that one hands back exactly the
 * size asked for, cut out of a larger block, so a bitmap freed and made
 * again of the same size could not take the freed block wherever a small
 * allocation had come to lie behind it, and the heap grew by a whole
 * picture, first touch of its pages and all, each time (a merge of a
 * 4096 x 4096 picture, called again and again, faulted in 48 MB a call). */
#define PIXEL_SLACK (64 + sizeof(void*))

/* Under the address sanitizer the block's bytes before the pixels (the
 * kept address among them, but while it is read back) and past them are
 * marked unusable, so that a loop reading outside a bitmap's memory is
 * still caught (the sanitizer's allocator makes the whole block usable
 * again when it hands it out anew). */
#ifdef TESSARY_ASAN
#include <sanitizer/asan_interface.h>
#endif

static uint8_t* allocPixels(size_t size, int cleared) {
    uint8_t* block = KAlloc(size + PIXEL_SLACK, cleared);
    if (!block)
        return NULL;
    uint8_t* pixels = (uint8_t*)(((uintptr_t)block + sizeof(void*) + 63) & ~(uintptr_t)63);
    memcpy(pixels - sizeof(void*), &block, sizeof block);
#ifdef TESSARY_ASAN
    __asan_poison_memory_region(block, (size_t)(pixels - block));
    __asan_poison_memory_region(pixels + size, (size_t)(block + PIXEL_SLACK - pixels));
#endif
    return pixels;
}

static void freePixels(uint8_t* pixels) {
    if (!pixels)
        return;
    void* block;
#ifdef TESSARY_ASAN
    __asan_unpoison_memory_region(pixels - sizeof(void*), sizeof(void*));
#endif
    memcpy(&block, pixels - sizeof(void*), sizeof block);
    KFree(block);
}

static void fillGreyRamp(RasterColor* colors, int count) {
    for (int i = 0; i < count; ++i) {
        uint8_t level = (uint8_t)(count > 1 ? i * 255 / (count - 1) : 0);
        colors[i] = (RasterColor){level, level, level, 0};
    }
}

int KInitBitmap(RasterBitmap* record, int width, int height, int bits) {
    if (!record || width < 0 || height < 0 || (bits != 0 && !KValidBits(bits)))
        return K_ERR_BAD_PARAMETER;
    int stored = bits == 0 ? 8 : bits;
    if ((int64_t)width * stored > (int64_t)INT32_MAX - 31)
        return K_ERR_BAD_PARAMETER;
    memset(record, 0, sizeof *record);
    record->Width = width;
    record->Height = height;
    record->BitsPerPixel = stored;
    record->BytesPerLine = (int32_t)((((int64_t)width * stored + 31) / 32) * 4);
    record->ColorOrder = RB_ORDER_BGR;
    if (bits == 0) {
        record->ColorCount = 256;
        fillGreyRamp(record->Colors, 256);
    }
    return K_OK;
}

int KAllocBitmap(RasterBitmap* record, int kind, int width, int height, int bits, int colorOrder,
                 KPalette* palette, int rowOrder) {
    if (!record)
        return K_ERR_BAD_PARAMETER;
    const int cleared = !(kind & K_ALLOC_UNCLEARED);
    if ((kind & ~K_ALLOC_UNCLEARED) != 1 || width < 1 || height < 1) {
        memset(record, 0, sizeof *record);
        return K_ERR_BAD_PARAMETER;
    }
    int status = KInitBitmap(record, width, height, bits);
    if (status != K_OK)
        return status;
    record->ColorOrder = colorOrder;
    record->RowOrder = rowOrder;
    size_t size = (size_t)record->BytesPerLine * (size_t)height;
    if (size / (size_t)height != (size_t)record->BytesPerLine || size > SIZE_MAX - PIXEL_SLACK)
        return K_ERR_NO_MEMORY;
    record->Bits = allocPixels(size, cleared);
    if (!record->Bits)
        return K_ERR_NO_MEMORY;
    if (record->BitsPerPixel <= 8) {
        int count = 1 << record->BitsPerPixel;
        KPalette* own = NULL;
        if (palette && bits != 0) {
            int n = palette->Count < count ? palette->Count : count;
            own = KCreatePalette(n, palette->Entries);
        } else {
            own = KGreyPalette(record->BitsPerPixel);
        }
        if (!own) {
            freePixels(record->Bits);
            record->Bits = NULL;
            return K_ERR_NO_MEMORY;
        }
        record->Palette = record->OwnedPalette = own;
        KTakePalette(record);
    }
    record->Flags = RB_FLAG_ALLOCATED;
    return K_OK;
}

int KAttachBitmap(RasterBitmap* record, int width, int height, int bits, int colorOrder,
                  void* pixels, int rowOrder) {
    if (!record)
        return K_ERR_BAD_PARAMETER;
    int status = !pixels || bits == 0 || width < 1 || height < 1
                     ? K_ERR_BAD_PARAMETER
                     : KInitBitmap(record, width, height, bits);
    if (status != K_OK) {
        memset(record, 0, sizeof *record);
        return status;
    }
    /* A palette bitmap gets its own grey palette, as KAllocBitmap gives it. */
    KPalette* own = record->BitsPerPixel <= 8 ? KGreyPalette(record->BitsPerPixel) : NULL;
    if (record->BitsPerPixel <= 8 && !own) {
        memset(record, 0, sizeof *record);
        return K_ERR_NO_MEMORY;
    }
    record->ColorOrder = colorOrder;
    record->RowOrder = rowOrder;
    record->Bits = pixels;
    record->Palette = record->OwnedPalette = own;
    KTakePalette(record);
    record->Flags = RB_FLAG_ALLOCATED | RB_FLAG_CALLER_PIXELS;
    return K_OK;
}

void KFreeBitmap(RasterBitmap* record) {
    if (!record)
        return;
    if (!(record->Flags & RB_FLAG_CALLER_PIXELS))
        freePixels(record->Bits);
    record->Flags &= ~RB_FLAG_CALLER_PIXELS;
    record->Bits = NULL;
    KClearRegion(record);
    KEndMatch(record);
    if (record->OwnedPalette) {
        if (record->Palette == record->OwnedPalette)
            record->Palette = NULL;
        if (record->AltPalette == record->OwnedPalette)
            record->AltPalette = NULL;
        KDeletePalette(record->OwnedPalette);
        record->OwnedPalette = NULL;
    }
    record->AccessCount = 0;
    record->Flags &= ~RB_FLAG_ALLOCATED;
}

intptr_t KBeginAccess(RasterBitmap* bitmap) {
    if (!bitmap || !(bitmap->Flags & RB_FLAG_ALLOCATED) || !bitmap->Bits)
        return 0;
    return ++bitmap->AccessCount;
}

void KEndAccess(RasterBitmap* bitmap, intptr_t token) {
    if (bitmap && token != 0 && bitmap->AccessCount > 0)
        --bitmap->AccessCount;
}

int KGetColors(const RasterBitmap* bitmap, int first, int count, RasterColor* entries) {
    if (!bitmap || !entries)
        return 0;
    const KPalette* palette = KPaletteInUse(bitmap);
    if (palette)
        return KGetPaletteEntries(palette, first, count, entries);
    int available = bitmap->ColorCount > 256 ? 256 : bitmap->ColorCount;
    if (first < 0 || count <= 0 || first >= available)
        return 0;
    int n = count < available - first ? count : available - first;
    memcpy(entries, bitmap->Colors + first, (size_t)n * sizeof(RasterColor));
    return n;
}

int KGreyKind(const RasterBitmap* bitmap) {
    if (!bitmap || bitmap->BitsPerPixel > 8 || !KValidBits(bitmap->BitsPerPixel))
        return 0;
    int count = 1 << bitmap->BitsPerPixel;
    RasterColor colors[256];
    if (bitmap->ColorCount != count || KGetColors(bitmap, 0, count, colors) != count)
        return 0;
    int ascending = 1, descending = 1;
    for (int i = 0; i < count; ++i) {
        const RasterColor c = colors[i];
        if (c.Red != c.Green || c.Green != c.Blue)
            return 0;
        int level = i * 255 / (count - 1);
        ascending &= c.Red == level;
        descending &= c.Red == 255 - level;
    }
    return ascending ? 1 : descending ? 2 : 0;
}

void KTakePalette(RasterBitmap* record) {
    if (!record)
        return;
    const KPalette* palette = KPaletteInUse(record);
    if (!palette)
        return;
    memcpy(record->Colors, palette->Entries, (size_t)palette->Count * sizeof(RasterColor));
    record->ColorCount = palette->Count;
    record->Flags &= ~RB_FLAG_COLORS_UNSYNCED;
}

void KPreparePlane(RasterBitmap* record) {
    if (!record || record->BitsPerPixel > 8)
        return;
    if (KPaletteInUse(record)) {
        KTakePalette(record);
    } else if (record->ColorCount <= 0 && KValidBits(record->BitsPerPixel)) {
        record->ColorCount = 1 << record->BitsPerPixel;
        fillGreyRamp(record->Colors, record->ColorCount);
    }
}

size_t KRowBufferSize(int width, int bits, int workWidth, int workBits) {
    size_t stored = KStoredBytes(width < 0 ? 0 : width, bits);
    size_t work = (size_t)(workWidth < 0 ? 0 : workWidth) * (workBits == K_WORK_BGR ? 3u : 1u);
    return stored > work ? stored : work;
}
