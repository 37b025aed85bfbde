/* The window walk: ring of input rows, output row, spans and progress. */
#include "imgfx/Window.h"

#include <string.h>

typedef struct Ring {
    RasterBitmap* Bitmap;
    RowWalker* Walker;    /* null for raw bits */
    FxProgress* Progress; /* the walker's, or RawProgress */
    FxProgress RawProgress;
    uint8_t* Packed; /* raw bits: one stored row */
    int Before, After, Dimension;
    int PictureOrder, Padded;
    int Direct; /* direct rows: the ring holds copies of the rows at and above the output */
    int Bpp, Width, Height;
    int Slots;
    size_t Lead;   /* bytes in front of pixel 0 */
    size_t Stride; /* bytes from one slot to the next */
    uint8_t* Memory;
    int Loaded;    /* rows below this index have been read (or skipped) */
    int* SlotRows; /* direct rows: the row each slot holds a copy of, or -1 */
    const uint8_t** Rows;
} Ring;

static inline int clampRow(const Ring* ring, int index) {
    return index < 0 ? 0 : index >= ring->Height ? ring->Height - 1 : index;
}

static inline uint8_t* slotOf(const Ring* ring, int index) {
    return ring->Memory + (size_t)(index % ring->Slots) * ring->Stride + ring->Lead;
}

/* Sizes and allocates the ring; rowBytes is what a read needs from pixel 0. */
static int allocateRing(Ring* ring, const FxWindowLayout* layout, size_t rowBytes) {
    ring->Dimension = layout->Dimension;
    ring->Before = (layout->Dimension - 1) / 2;
    ring->After = layout->Dimension / 2;
    ring->PictureOrder = layout->PictureOrder;
    ring->Padded = layout->Padded;
    int64_t wanted = (int64_t)layout->Dimension + layout->ExtraRows;
    ring->Slots = wanted < ring->Height ? (int)wanted : ring->Height;
    if (ring->Slots < 1)
        ring->Slots = 1;
    const size_t bpp = (size_t)ring->Bpp;
    ring->Lead = layout->Padded ? (size_t)ring->Before * bpp : 0;
    size_t tail = ((size_t)ring->Width + (layout->Padded ? (size_t)ring->After : 0)) * bpp;
    size_t body = rowBytes > tail ? rowBytes : tail;
    /* 64 bytes of slack let row loops read whole vectors past a row's end. */
    ring->Stride = (ring->Lead + body + 64 + 63) & ~(size_t)63;
    ring->Memory = KAllocRaw((size_t)ring->Slots * ring->Stride);
    ring->Rows = KAllocRaw((size_t)layout->Dimension * sizeof(*ring->Rows));
    ring->SlotRows = KAllocRaw((size_t)ring->Slots * sizeof(*ring->SlotRows));
    ring->Loaded = 0;
    if (!ring->Memory || !ring->Rows || !ring->SlotRows)
        return FX_ERR_NO_MEMORY;
    for (int i = 0; i < ring->Slots; ++i)
        ring->SlotRows[i] = -1;
    return FX_OK;
}

/* Copies the edge pixels of a read row into its padding. */
static void padRow(const Ring* ring, uint8_t* pixels) {
    const int bpp = ring->Bpp;
    uint8_t* left = pixels - (size_t)ring->Before * bpp;
    uint8_t* last = pixels + (size_t)(ring->Width - 1) * bpp;
    for (int i = 0; i < ring->Before; ++i)
        memcpy(left + (size_t)i * bpp, pixels, (size_t)bpp);
    for (int i = 1; i <= ring->After; ++i)
        memcpy(last + (size_t)i * bpp, last, (size_t)bpp);
}

static int readRow(Ring* ring, uint8_t* pixels, int stored) {
    if (ring->Walker)
        return RowWalkerReadRow(ring->Walker, pixels, stored, NULL, NULL);
    int status = KReadRow(ring->Bitmap, ring->Packed, stored, (ring->Width + 7) / 8);
    if (status != K_OK)
        return status;
    for (int x = 0; x < ring->Width; ++x)
        pixels[x] = (ring->Packed[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0;
    return FX_OK;
}

static int writeRow(Ring* ring, uint8_t* out, int stored, const int32_t* spans, int count) {
    if (ring->Walker)
        return RowWalkerWriteRow(ring->Walker, out, stored, spans, count);
    memset(ring->Packed, 0, (size_t)(ring->Width + 7) / 8);
    for (int x = 0; x < ring->Width; ++x)
        ring->Packed[x >> 3] |= (uint8_t)((out[x] >= 128) << (7 - (x & 7)));
    int status = KWriteRowSpans(ring->Bitmap, ring->Packed, stored, 0, spans, count);
    return status == K_OK ? FxProgressStep(ring->Progress) : status;
}

/* Reads rows up to the window's last row of output row t; rows that no
 * later window reaches are skipped. */
static int loadRows(Ring* ring, int t) {
    int first = clampRow(ring, t - ring->Before), last = clampRow(ring, t + ring->After);
    if (ring->Loaded < first)
        ring->Loaded = first;
    for (; ring->Loaded <= last; ++ring->Loaded) {
        uint8_t* pixels = slotOf(ring, ring->Loaded);
        int status =
            readRow(ring, pixels, FxStoredRow(ring->Bitmap, ring->Loaded, ring->PictureOrder));
        if (status != FX_OK)
            return status;
        if (ring->Padded)
            padRow(ring, pixels);
    }
    for (int j = 0; j < ring->Dimension; ++j)
        ring->Rows[j] = slotOf(ring, clampRow(ring, t - ring->Before + j));
    return FX_OK;
}

/* Direct rows for output row t of an in-place walk. A row above t that has
 * no copy in the ring had no spans, so its stored levels are still the
 * input; the rows below t have not been written yet. */
static void pointRows(Ring* ring, int t) {
    uint8_t* slot = slotOf(ring, t);
    memcpy(slot, KRowAddress(ring->Bitmap, FxStoredRow(ring->Bitmap, t, ring->PictureOrder)),
           (size_t)ring->Width * (size_t)ring->Bpp);
    ring->SlotRows[t % ring->Slots] = t;
    for (int j = 0; j < ring->Dimension; ++j) {
        const int index = clampRow(ring, t - ring->Before + j);
        ring->Rows[j] =
            index <= t && ring->SlotRows[index % ring->Slots] == index
                ? slotOf(ring, index)
                : KRowAddress(ring->Bitmap, FxStoredRow(ring->Bitmap, index, ring->PictureOrder));
    }
}

static int walkRows(Ring* ring, uint8_t* out, int32_t* spans, FxWindowFunction function,
                    void* context) {
    FxWindowRow row = {out, ring->Rows, NULL,      spans,       0,
                       0,   -1,         ring->Bpp, ring->Width, ring->Height};
    const int inPlace = ring->Walker && ring->Walker->InPlace;
    for (int t = 0; t < ring->Height; ++t) {
        int stored = FxStoredRow(ring->Bitmap, t, ring->PictureOrder);
        int status = KRowSpans(ring->Bitmap, stored, spans, &row.SpanCount);
        if (status == K_OK && row.SpanCount == 0) {
            status = FxProgressStep(ring->Progress);
        } else if (status == K_OK) {
            row.Index = t;
            if (ring->Direct)
                pointRows(ring, t);
            else
                status = loadRows(ring, t);
            const int follows = row.Previous >= 0 && row.Previous == t - 1;
            row.Leaving = follows ? slotOf(ring, clampRow(ring, t - 1 - ring->Before)) : NULL;
            /* The stored row's input is already in the ring. */
            row.Out = inPlace ? KRowAddress(ring->Bitmap, stored) : out;
            if (status == FX_OK)
                status = function(context, &row);
            if (status == FX_OK)
                status = inPlace ? FxProgressStep(ring->Progress)
                                 : writeRow(ring, out, stored, spans, row.SpanCount);
            row.Previous = t;
        }
        if (status != FX_OK)
            return status;
    }
    return FX_OK;
}

/* Allocates the ring and the row buffers, starts progress and walks. */
static int runRing(Ring* ring, const FxWindowLayout* layout, size_t rowBytes, int maxSpans,
                   FxWindowFunction function, void* context) {
    int status = allocateRing(ring, layout, rowBytes);
    /* Zeroed, so that pixels outside the spans, which are converted but never
     * written, hold defined values. */
    uint8_t* out = KAlloc(rowBytes, 1);
    int32_t* spans = KAlloc((size_t)maxSpans * sizeof(int32_t), 0);
    if (status == FX_OK && (!out || !spans))
        status = FX_ERR_NO_MEMORY;
    if (status == FX_OK)
        status = ring->Walker ? RowWalkerStartProgress(ring->Walker, 0, 100)
                              : FxProgressStart(ring->Progress, 0, 100, ring->Height);
    if (status == FX_OK)
        status = walkRows(ring, out, spans, function, context);
    KFree(ring->Memory);
    KFree(ring->Rows);
    KFree(ring->SlotRows);
    KFree(out);
    KFree(spans);
    return status;
}

static int runBits(RasterBitmap* bitmap, const FxWindowLayout* layout, FxWindowFunction function,
                   void* context) {
    Ring ring = {.Bitmap = bitmap, .Bpp = 1, .Width = bitmap->Width, .Height = bitmap->Height};
    ring.Progress = &ring.RawProgress;
    int maxSpans = 0;
    int status = KMaxSpanCount(bitmap, &maxSpans);
    if (status != K_OK)
        return status;
    intptr_t token = KBeginAccess(bitmap);
    if (!token)
        return FX_ERR_BAD_BITMAP;
    ring.Packed = KAlloc((size_t)bitmap->BytesPerLine + 1, 1);
    status = ring.Packed ? runRing(&ring, layout, (size_t)ring.Width, maxSpans, function, context)
                         : FX_ERR_NO_MEMORY;
    KFree(ring.Packed);
    KEndAccess(bitmap, token);
    return status;
}

int FxRunWindow(RasterBitmap* bitmap, const FxWindowLayout* layout, FxWindowFunction function,
                void* context) {
    if (layout->RawBits)
        return runBits(bitmap, layout, function, context);
    RowWalker* w;
    int status =
        RowWalkerOpen(bitmap, WALK_WHOLE_ROWS | (layout->InPlace ? WALK_IN_PLACE : 0u), &w);
    if (status != FX_OK)
        return status;
    Ring ring = {.Bitmap = bitmap,
                 .Walker = w,
                 .Progress = &w->Progress,
                 .Bpp = RowWalkerBytesPerPixel(w),
                 .Width = w->Width,
                 .Height = w->Rows,
                 .Direct = layout->Direct && w->InPlace};
    status = runRing(&ring, layout, RowWalkerRowBufferSize(w), w->MaxSpanCount, function, context);
    RowWalkerClose(w);
    return status;
}
