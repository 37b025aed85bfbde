/* Colour merge: for every picture row each plane's row is taken as grey
 * levels (8-bit grey planes in place, others read and converted), the
 * planes of the kind's space are worked out into blue, green and red rows
 * (CMYK here, HSV and HLS by the kernel, with the bytes
 * of converting the pixels), and those are gathered into the row of the
 * target, which the merge allocates bottom-up and uncleared and fills
 * whole. Kind 0 gathers the levels straight into the target, CMY them
 * complemented. */
#include "imgfx/ColorPlanes.h"
#include "imgfx/imgfx_colour.h"

#include <string.h>

typedef struct Merge {
    RasterBitmap* Target;
    RasterBitmap** Planes;
    FxSeparation Kind;
    int Width, Height, Bits; /* smallest plane width and height, largest depth */
    uint8_t* PlaneRows[FX_MAX_PLANES];
    int RowBytes[FX_MAX_PLANES];  /* stored bytes of a plane's first Width pixels */
    int LevelRows[FX_MAX_PLANES]; /* 1: the plane's stored bytes are its levels */
    intptr_t PlaneTokens[FX_MAX_PLANES];
    uint8_t* Pixels; /* pixels in the kind's space */
    int RowsDone;    /* picture rows of the target filled */
    int Stream;      /* a target too large for the caches, written past them */
    intptr_t Token;  /* access to the target */
} Merge;

static int isDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

/* Checks every plane and takes the target's size from them. */
static int measurePlanes(Merge* m) {
    for (int k = 0; k < m->Kind.Planes; ++k) {
        const RasterBitmap* plane = m->Planes[k];
        if (FxCheckBitmap(plane) != FX_OK || !isDepth(plane->BitsPerPixel))
            return FX_ERR_BAD_BITMAP;
        if (k == 0 || plane->Width < m->Width)
            m->Width = plane->Width;
        if (k == 0 || plane->Height < m->Height)
            m->Height = plane->Height;
        if (plane->BitsPerPixel > m->Bits)
            m->Bits = plane->BitsPerPixel;
    }
    for (int k = 0; k < m->Kind.Planes; ++k)
        m->RowBytes[k] = (int)(((int64_t)m->Width * m->Planes[k]->BitsPerPixel + 7) / 8);
    return FX_OK;
}

/* The plane rows, then the target, then the pixel row (freeing the target
 * again when that cannot be had). */
static int allocate(Merge* m) {
    const size_t rowSize = KRowBufferSize(m->Width, m->Bits, m->Width, K_WORK_GREY);
    for (int k = 0; k < m->Kind.Planes; ++k)
        if (!(m->PlaneRows[k] = KAllocRaw(rowSize)))
            return FX_ERR_NO_MEMORY;
    /* Uncleared: every row is written whole, and the rows a stop leaves
     * unwritten are cleared afterwards. */
    if (KAllocBitmap(m->Target, 1 | K_ALLOC_UNCLEARED, m->Width, m->Height, 24, RB_ORDER_BGR, NULL,
                     RB_ROWS_BOTTOM_UP) != K_OK)
        return FX_ERR_NO_MEMORY;
    m->Pixels = KAllocRaw((size_t)m->Width * (size_t)m->Kind.Planes);
    if (!m->Pixels) {
        KFreeBitmap(m->Target);
        return FX_ERR_NO_MEMORY;
    }
    return FX_OK;
}

/* Begins access on the target and the planes and readies each plane's
 * colours for reading grey levels. */
static int beginAccess(Merge* m) {
    m->Token = KBeginAccess(m->Target);
    for (int k = 0; k < m->Kind.Planes; ++k) {
        RasterBitmap* plane = m->Planes[k];
        m->PlaneTokens[k] = KBeginAccess(plane);
        KPreparePlane(plane);
        m->LevelRows[k] = plane->BitsPerPixel == 8 && KGreyKind(plane) == 1;
        if (!m->PlaneTokens[k])
            return FX_ERR_BAD_BITMAP;
    }
    return FX_OK;
}

static void endAccess(Merge* m) {
    for (int k = 0; k < m->Kind.Planes; ++k) {
        KTakePalette(m->Planes[k]);
        if (m->PlaneTokens[k])
            KEndAccess(m->Planes[k], m->PlaneTokens[k]);
    }
    if (m->Token)
        KEndAccess(m->Target, m->Token);
}

/* Plane k's grey levels for picture row i: its stored row as it is (its
 * first Height stored rows, counted from the end for bottom-up planes),
 * read in place when the bytes are the levels. */
static const uint8_t* planeLevels(Merge* m, int k, int i, int* status) {
    RasterBitmap* plane = m->Planes[k];
    const int stored = plane->RowOrder == RB_ROWS_BOTTOM_UP ? m->Height - 1 - i : i;
    if (m->LevelRows[k]) {
        const uint8_t* levels = KRowAddress(plane, stored);
        *status = levels ? K_OK : FX_ERR_BAD_BITMAP;
        return levels;
    }
    *status = KReadRow(plane, m->PlaneRows[k], stored, m->RowBytes[k]);
    if (*status == K_OK)
        *status = KConvertRow(m->PlaneRows[k], m->Width, plane->BitsPerPixel, K_WORK_GREY,
                              plane->ColorOrder, RB_ORDER_BGR, plane->Colors, NULL);
    return m->PlaneRows[k];
}

/* Picture row i of the target from row i of every plane, padding cleared. */
static int mergeRow(Merge* m, int i) {
    int status = K_OK;
    const uint8_t* levels[FX_MAX_PLANES];
    for (int k = 0; status == K_OK && k < m->Kind.Planes; ++k)
        levels[k] = planeLevels(m, k, i, &status);
    uint8_t* row = KRowAddress(m->Target, m->Height - 1 - i);
    if (status != K_OK || !row)
        return status != K_OK ? status : FX_ERR_BAD_BITMAP;
    const size_t padding = (size_t)m->Target->BytesPerLine - 3 * (size_t)m->Width;
    if (padding > 0) /* a store of no bytes past the row still costs the processor */
        memset(row + 3 * (size_t)m->Width, 0, padding);
    if (m->Kind.Space == K_SPACE_BGR) {
        FxGatherPlanes(row, m->Width, 3, levels, m->Stream);
        return FX_OK;
    }
    if (m->Kind.Space == K_SPACE_CMY) { /* blue, green, red: 255 less yellow, magenta, cyan */
        const uint8_t* const yellowFirst[3] = {levels[2], levels[1], levels[0]};
        FxGatherComplement3(row, m->Width, yellowFirst, m->Stream);
        return FX_OK;
    }
    const size_t w = (size_t)m->Width;
    uint8_t* const bgr[3] = {m->Pixels, m->Pixels + w, m->Pixels + 2 * w};
    if (m->Kind.Space == K_SPACE_CMYK)
        FxBgrOfInk(levels, m->Width, bgr);
    else if ((status = KConvertColorPlanes(levels, bgr, m->Width, m->Kind.Space, K_SPACE_BGR)) !=
             K_OK)
        return status;
    FxGatherPlanes(row, m->Width, 3, (const uint8_t* const*)bgr, m->Stream);
    return FX_OK;
}

/* Picture rows from the top, a band of MERGE_BAND at a time: the target
 * is bottom-up, so each band is filled from its last row up, in memory
 * order, which the processor streams much faster than rows that step
 * backwards (a third of the time for large pictures). Progress then goes
 * through the band's rows in picture order. The rows a stop or failure
 * leaves behind are cleared as always (clearRowsLeft), rows of the band
 * past it included, and a failing row is first preceded by the band's
 * rows above it, so results, progress and status are those of a walk row
 * by row from the top. Bands of a few megabytes of target rows let the
 * processor's prefetching run on through most of a band instead of
 * starting over every few rows. */
#define MERGE_BAND 256

static int mergeRows(Merge* m) {
    FxProgress progress;
    m->Stream = (size_t)m->Target->BytesPerLine * (size_t)m->Height >= FX_STREAM_BYTES;
    int status = FxProgressStart(&progress, 0, 100, m->Height);
    for (int top = 0; status == FX_OK && top < m->Height; top += MERGE_BAND) {
        const int end = top + MERGE_BAND < m->Height ? top + MERGE_BAND : m->Height;
        int failed = end, failure = FX_OK;
        for (int i = end - 1; i >= top && failure == FX_OK; --i)
            if ((failure = mergeRow(m, i)) != FX_OK)
                failed = i;
        for (int i = top; i < failed && status == FX_OK; ++i) {
            if (failure != FX_OK && (status = mergeRow(m, i)) != FX_OK)
                break;
            m->RowsDone = i + 1;
            status = FxProgressStep(&progress);
        }
        if (status == FX_OK)
            status = failure;
    }
    if (m->Stream)
        FxStreamDone();
    return status;
}

/* The target's rows that a stop or failure left unwritten (the stored rows
 * below those of the picture rows done) read as 0. */
static void clearRowsLeft(Merge* m) {
    if (m->RowsDone < m->Height)
        memset(KRowAddress(m->Target, 0), 0,
               (size_t)(m->Height - m->RowsDone) * (size_t)m->Target->BytesPerLine);
}

int R_ColorMergeBitmap(RasterBitmap* target, RasterBitmap** planes, unsigned kind) {
    if (!target || !planes || kind > FX_LAST_SEPARATION)
        return FX_ERR_BAD_PARAMETER;
    Merge m = {.Target = target, .Planes = planes, .Kind = FxSeparationOf(kind)};
    for (int k = 0; k < m.Kind.Planes; ++k)
        if (planes[k] == target)
            return FX_ERR_BAD_PARAMETER;
    int status = measurePlanes(&m);
    if (status == FX_OK)
        status = allocate(&m);
    if (status == FX_OK) {
        status = beginAccess(&m);
        const int began = status == FX_OK;
        if (began) {
            status = mergeRows(&m);
            clearRowsLeft(&m);
        }
        endAccess(&m);
        if (!began)
            KFreeBitmap(target);
    }
    for (int k = 0; k < FX_MAX_PLANES; ++k)
        KFree(m.PlaneRows[k]);
    KFree(m.Pixels);
    return status;
}
