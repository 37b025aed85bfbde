/* Whole-row, part-row and span-limited row access. */
#include "KInternal.h"

#include <string.h>

static int checkRow(const RasterBitmap* bitmap, const void* buffer, int row) {
    if (!bitmap || !(bitmap->Flags & RB_FLAG_ALLOCATED) || !bitmap->Bits)
        return K_ERR_BAD_BITMAP;
    if (bitmap->AccessCount <= 0)
        return K_ERR_NO_ACCESS;
    if (!buffer || row < 0 || row >= bitmap->Height)
        return K_ERR_BAD_PARAMETER;
    return K_OK;
}

static uint8_t* rowStart(const RasterBitmap* bitmap, int row) {
    return bitmap->Bits + (size_t)row * (size_t)bitmap->BytesPerLine;
}

int KReadRow(RasterBitmap* bitmap, void* buffer, int row, int bytes) {
    int status = checkRow(bitmap, buffer, row);
    if (status != K_OK)
        return status;
    if (bytes < 0 || bytes > bitmap->BytesPerLine)
        return K_ERR_BAD_PARAMETER;
    memcpy(buffer, rowStart(bitmap, row), (size_t)bytes);
    return K_OK;
}

int KWriteRow(RasterBitmap* bitmap, const void* buffer, int row, int bytes) {
    int status = checkRow(bitmap, buffer, row);
    if (status != K_OK)
        return status;
    if (bytes < 0 || bytes > bitmap->BytesPerLine)
        return K_ERR_BAD_PARAMETER;
    memcpy(rowStart(bitmap, row), buffer, (size_t)bytes);
    return K_OK;
}

uint8_t* KRowAddress(RasterBitmap* bitmap, int row) {
    /* Any non-null buffer passes the check; the row itself is the buffer. */
    return checkRow(bitmap, bitmap, row) == K_OK ? rowStart(bitmap, row) : NULL;
}

/* Byte offset of firstColumn in a stored row, or -1 when the column is out of
 * range or not on a byte boundary. */
static int64_t columnOffset(const RasterBitmap* bitmap, int firstColumn) {
    if (firstColumn < 0 || firstColumn > bitmap->Width)
        return -1;
    int64_t bit = (int64_t)firstColumn * bitmap->BitsPerPixel;
    return (bit & 7) ? -1 : bit >> 3;
}

int KReadRowPart(RasterBitmap* bitmap, void* buffer, int row, int firstColumn, int bytes) {
    int status = checkRow(bitmap, buffer, row);
    if (status != K_OK)
        return status;
    int64_t offset = columnOffset(bitmap, firstColumn);
    if (offset < 0 || bytes < 0 || offset + bytes > bitmap->BytesPerLine)
        return K_ERR_BAD_PARAMETER;
    memcpy(buffer, rowStart(bitmap, row) + offset, (size_t)bytes);
    return K_OK;
}

/* Copies the bits [startBit, endBit) from source to target, both indexed
 * from the same origin; the other bits of target stay. */
static void copyBits(uint8_t* target, const uint8_t* source, size_t startBit, size_t endBit) {
    size_t first = startBit >> 3, last = (endBit - 1) >> 3;
    uint8_t headMask = (uint8_t)(0xFFu >> (startBit & 7));
    uint8_t tailMask = (uint8_t)(0xFFu << ((8 - (endBit & 7)) & 7));
    if (first == last) {
        uint8_t mask = headMask & tailMask;
        target[first] = (uint8_t)((target[first] & ~mask) | (source[first] & mask));
        return;
    }
    target[first] = (uint8_t)((target[first] & ~headMask) | (source[first] & headMask));
    if (last > first + 1)
        memcpy(target + first + 1, source + first + 1, last - first - 1);
    target[last] = (uint8_t)((target[last] & ~tailMask) | (source[last] & tailMask));
}

/* Copies the first three bytes of each of n four-byte pixels, keeping the
 * fourth byte of the target: whole words blended under a mask, which the
 * compiler turns into vector loads and stores. */
static void copyPixels32(uint8_t* target, const uint8_t* source, int n) {
    static const uint8_t fourthByte[4] = {0, 0, 0, 0xFF};
    uint32_t keep;
    memcpy(&keep, fourthByte, 4);
    for (int i = 0; i < n; ++i) {
        uint32_t t, s;
        memcpy(&t, target + 4 * (size_t)i, 4);
        memcpy(&s, source + 4 * (size_t)i, 4);
        t = (t & keep) | (s & ~keep);
        memcpy(target + 4 * (size_t)i, &t, 4);
    }
}

int KWriteRowSpans(RasterBitmap* bitmap, const void* buffer, int row, int firstColumn,
                   const int32_t* spans, int count) {
    int status = checkRow(bitmap, buffer, row);
    if (status != K_OK)
        return status;
    int64_t offset = columnOffset(bitmap, firstColumn);
    if (offset < 0 || count < 0 || (count > 0 && !spans))
        return K_ERR_BAD_PARAMETER;
    const int bits = bitmap->BitsPerPixel;
    /* Both indexed from the byte that holds firstColumn. */
    uint8_t* target = rowStart(bitmap, row) + offset;
    const uint8_t* source = buffer;
    for (int i = 0; i + 1 < count; i += 2) {
        int64_t start = (int64_t)firstColumn + spans[i];
        int64_t end = (int64_t)firstColumn + spans[i + 1];
        if (start < firstColumn)
            start = firstColumn;
        if (end > bitmap->Width)
            end = bitmap->Width;
        if (start >= end)
            continue;
        start -= firstColumn;
        end -= firstColumn;
        if (bits < 8) {
            copyBits(target, source, (size_t)start * bits, (size_t)end * bits);
        } else if (bits == 32) {
            copyPixels32(target + start * 4, source + start * 4, (int)(end - start));
        } else {
            size_t bytes = (size_t)bits / 8;
            memcpy(target + start * bytes, source + start * bytes, (size_t)(end - start) * bytes);
        }
    }
    return K_OK;
}
