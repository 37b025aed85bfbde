/* Colour merge: for every picture row each plane's row is read and turned
 * into grey levels, the levels are gathered into pixels of the kind's
 * colour space, and the pixels are converted to blue, green, red and
 * written into the target, which the merge allocates bottom-up. */
#include "imgfx/ColorPlanes.h"
#include "imgfx/imgfx_colour.h"

typedef struct Merge {
    RasterBitmap* Target;
    RasterBitmap** Planes;
    FxSeparation Kind;
    int Width, Height, Bits; /* smallest plane width and height, largest depth */
    uint8_t* PlaneRows[FX_MAX_PLANES];
    int RowBytes[FX_MAX_PLANES];  /* stored bytes of a plane's first Width pixels */
    int LevelRows[FX_MAX_PLANES]; /* 1: the plane's stored bytes are its levels */
    intptr_t PlaneTokens[FX_MAX_PLANES];
    uint8_t* Pixels; /* pixels in the kind's space, converted in place to blue, green, red */
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
    if (KAllocBitmap(m->Target, 1, m->Width, m->Height, 24, RB_ORDER_BGR, NULL,
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

/* Picture row i of the target from row i of every plane as it is stored
 * (its first Height stored rows, counted from the end for bottom-up
 * planes). */
static int mergeRow(Merge* m, int i) {
    int status = K_OK;
    for (int k = 0; status == K_OK && k < m->Kind.Planes; ++k) {
        RasterBitmap* plane = m->Planes[k];
        const int stored = plane->RowOrder == RB_ROWS_BOTTOM_UP ? m->Height - 1 - i : i;
        status = KReadRow(plane, m->PlaneRows[k], stored, m->RowBytes[k]);
        if (status == K_OK && !m->LevelRows[k])
            status = KConvertRow(m->PlaneRows[k], m->Width, plane->BitsPerPixel, K_WORK_GREY,
                                 plane->ColorOrder, RB_ORDER_BGR, plane->Colors, NULL);
    }
    if (status != K_OK)
        return status;
    FxGatherPlanes(m->Pixels, m->Width, m->Kind.Planes, (const uint8_t* const*)m->PlaneRows);
    status = KConvertColorSpace(m->Pixels, m->Pixels, m->Width, m->Kind.Space, K_SPACE_BGR);
    if (status == K_OK)
        status = KWriteRow(m->Target, m->Pixels, m->Height - 1 - i, m->Width * 3);
    return status;
}

static int mergeRows(Merge* m) {
    FxProgress progress;
    int status = FxProgressStart(&progress, 0, 100, m->Height);
    for (int i = 0; status == FX_OK && i < m->Height; ++i) {
        status = mergeRow(m, i);
        if (status == FX_OK)
            status = FxProgressStep(&progress);
    }
    return status;
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
        if (began)
            status = mergeRows(&m);
        endAccess(&m);
        if (!began)
            KFreeBitmap(target);
    }
    for (int k = 0; k < FX_MAX_PLANES; ++k)
        KFree(m.PlaneRows[k]);
    KFree(m.Pixels);
    return status;
}
