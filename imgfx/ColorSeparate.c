/* Colour separation: every stored row of the bitmap is converted to blue,
 * green, red (palette bitmaps through their colours), then to the kind's
 * colour space, and its bytes dealt out straight into the rows of the
 * planes, which the separation allocates uncleared and fills whole. A
 * 24-bit source is read in place: in blue, green, red it goes to the
 * colour space (kind 0: straight to the planes) without a copy, and kind 0
 * of a red, green, blue source deals its bytes to the planes reversed.
 * CMY's planes are those bytes complemented, dealt in the one pass of
 * kind 0. CMYK and the hue kinds deal blue, green, red into rows of their
 * own and make the planes from those (the hue spaces by the kernel's
 * conversion over planes), with no interleaved row between: the hue
 * spaces thus skip gathering the converted pixels and dealing them out
 * once more. */
#include "imgfx/ColorPlanes.h"
#include "imgfx/PalettePath.h"
#include "imgfx/imgfx_colour.h"

#include <string.h>

typedef struct Separation {
    RasterBitmap* Bitmap;
    RasterBitmap** Planes;
    FxSeparation Kind;
    RasterBitmap* Work; /* a 24-bit record carrying the palette colours */
    uint8_t* Row;       /* a stored row, then the same row as blue, green, red */
    uint8_t* Converted; /* for CMYK and the hue kinds the blue, green, red
                           rows, else Row itself */
    int Ink;            /* CMYK, made from blue, green, red rows */
    int Complement;     /* CMY: the bytes dealt complemented, red first */
    int Hue;            /* a hue kind: HSV or HLS */
    int InPlace;        /* 24-bit source whose stored rows are read where they are */
    int Reversed;       /* kind 0 of a red, green, blue source: byte k to plane 2 - k */
    int Stream;         /* planes too large for the caches, written past them */
    intptr_t PlaneTokens[FX_MAX_PLANES];
    int Allocated;  /* planes allocated so far */
    int RowsDone;   /* stored rows of the planes filled */
    intptr_t Token; /* access to the bitmap */
} Separation;

static int isDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

/* A plane pointer that is the bitmap itself or repeats an earlier one
 * would have its record overwritten while still in use. */
static int planesOverlap(const RasterBitmap* bitmap, RasterBitmap* const* planes, int count) {
    for (int k = 0; k < count; ++k) {
        if (!planes[k])
            continue;
        if (planes[k] == bitmap)
            return 1;
        for (int j = 0; j < k; ++j)
            if (planes[j] == planes[k])
                return 1;
    }
    return 0;
}

static int prepareWork(Separation* s) {
    const RasterBitmap* b = s->Bitmap;
    if (!isDepth(b->BitsPerPixel))
        return FX_ERR_BAD_BITMAP;
    s->Work = KAlloc(sizeof(RasterBitmap), 1);
    if (!s->Work)
        return FX_ERR_NO_MEMORY;
    int status = KInitBitmap(s->Work, b->Width, b->Height, 24);
    if (status != K_OK)
        return status;
    if (b->BitsPerPixel <= 8) {
        const int count = FxReadPalette(b, s->Work->Colors);
        if (count < 0)
            return FX_ERR_BAD_BITMAP;
        s->Work->ColorCount = count;
    }
    return FX_OK;
}

static int allocBuffers(Separation* s) {
    const int width = s->Bitmap->Width;
    const int rowBytes = s->Bitmap->BytesPerLine > s->Work->BytesPerLine ? s->Bitmap->BytesPerLine
                                                                         : s->Work->BytesPerLine;
    s->Row = KAlloc((size_t)rowBytes, 1);
    /* CMYK and the hue spaces go by three rows. */
    s->Ink = s->Kind.Space == K_SPACE_CMYK;
    s->Complement = s->Kind.Space == K_SPACE_CMY;
    s->Hue = s->Kind.Space == K_SPACE_HSV || s->Kind.Space == K_SPACE_HLS;
    s->Converted = s->Ink || s->Hue ? KAlloc(3 * (size_t)width, 1) : s->Row;
    const RasterBitmap* b = s->Bitmap;
    s->InPlace =
        b->BitsPerPixel == 24 && (b->ColorOrder == RB_ORDER_BGR || s->Kind.Space == K_SPACE_BGR);
    s->Reversed = s->InPlace && b->ColorOrder != RB_ORDER_BGR;
    return s->Row && s->Converted ? FX_OK : FX_ERR_NO_MEMORY;
}

/* Allocates the planes, each under access, then begins access on the
 * bitmap; stops at a null plane pointer or a plane the kernel refuses. */
static int allocPlanes(Separation* s) {
    const RasterBitmap* b = s->Bitmap;
    for (int k = 0; k < s->Kind.Planes; ++k) {
        RasterBitmap* plane = s->Planes[k];
        if (!plane)
            return FX_ERR_BAD_PARAMETER;
        /* Uncleared: every row is written whole, and the rows a stop leaves
         * unwritten are cleared afterwards. */
        int status = KAllocBitmap(plane, 1 | K_ALLOC_UNCLEARED, b->Width, b->Height, 0,
                                  RB_ORDER_RGB, NULL, b->RowOrder);
        if (status != K_OK)
            return status;
        s->PlaneTokens[k] = KBeginAccess(plane);
        s->Allocated = k + 1;
    }
    s->Token = KBeginAccess(s->Bitmap);
    return s->Token ? FX_OK : FX_ERR_BAD_BITMAP;
}

/* Ends access on the bitmap and the planes, and frees the planes again
 * when the separation failed before its rows. */
static void releasePlanes(Separation* s, int freePlanes) {
    if (s->Token)
        KEndAccess(s->Bitmap, s->Token);
    for (int k = 0; k < s->Allocated; ++k) {
        KEndAccess(s->Planes[k], s->PlaneTokens[k]);
        if (freePlanes)
            KFreeBitmap(s->Planes[k]);
    }
}

/* The stored row as blue, green, red: in place, or converted into Row. */
static const uint8_t* bgrRow(Separation* s, int row, int* status) {
    RasterBitmap* b = s->Bitmap;
    if (s->InPlace) {
        const uint8_t* bgr = KRowAddress(b, row);
        *status = bgr ? K_OK : FX_ERR_BAD_BITMAP;
        return bgr;
    }
    *status = KReadRow(b, s->Row, row, b->BytesPerLine);
    if (*status == K_OK)
        *status = KConvertRow(s->Row, b->Width, b->BitsPerPixel, K_WORK_BGR, b->ColorOrder,
                              RB_ORDER_BGR, s->Work->Colors, NULL);
    return s->Row;
}

/* Deals the row's pixels into stored row `row` of every plane, clearing the
 * padding past the plane's width. */
static int separateRow(Separation* s, int row) {
    const int width = s->Bitmap->Width;
    int status = K_OK;
    const uint8_t* pixels = bgrRow(s, row, &status);
    if (status != K_OK)
        return status;
    uint8_t* rows[FX_MAX_PLANES];
    for (int k = 0; k < s->Kind.Planes; ++k) {
        RasterBitmap* plane = s->Planes[s->Reversed ? 2 - k : k];
        if (!(rows[k] = KRowAddress(plane, row)))
            return FX_ERR_BAD_BITMAP;
        /* Only when there is padding: a masked store of no bytes past the
         * row's end costs the processor an assist on every row. */
        if (plane->BytesPerLine > width)
            memset(rows[k] + width, 0, (size_t)(plane->BytesPerLine - width));
    }
    if (s->Ink || s->Hue) {
        uint8_t* const bgr[3] = {s->Converted, s->Converted + width, s->Converted + 2 * width};
        FxDealPlanes(pixels, width, 3, bgr, 0);
        if (s->Ink)
            FxInkPlanes((const uint8_t* const*)bgr, width, rows, s->Stream);
        else
            status = KConvertColorPlanes((const uint8_t* const*)bgr, rows, width, K_SPACE_BGR,
                                         s->Kind.Space);
    } else if (s->Complement) {
        uint8_t* const yellowFirst[3] = {rows[2], rows[1], rows[0]};
        FxDealComplement3(pixels, width, yellowFirst, s->Stream);
    } else {
        FxDealPlanes(pixels, width, s->Kind.Planes, rows, s->Stream);
    }
    return status;
}

static int separateRows(Separation* s) {
    const RasterBitmap* b = s->Bitmap;
    FxProgress progress;
    const size_t planeBytes = (size_t)s->Planes[0]->BytesPerLine * (size_t)b->Height;
    s->Stream = planeBytes * (size_t)s->Kind.Planes >= FX_STREAM_BYTES;
    int status = FxProgressStart(&progress, 0, 100, b->Height);
    for (int row = 0; status == FX_OK && row < b->Height; ++row) {
        status = separateRow(s, row);
        if (status == FX_OK) {
            s->RowsDone = row + 1;
            status = FxProgressStep(&progress);
        }
    }
    if (s->Stream)
        FxStreamDone();
    return status;
}

/* The planes' stored rows that a stop or failure left unwritten read as 0,
 * as in planes that were never written. */
static void clearRowsLeft(Separation* s) {
    for (int k = 0; k < s->Allocated && s->RowsDone < s->Bitmap->Height; ++k) {
        RasterBitmap* plane = s->Planes[k];
        memset(KRowAddress(plane, s->RowsDone), 0,
               (size_t)(plane->Height - s->RowsDone) * (size_t)plane->BytesPerLine);
    }
}

int R_ColorSeparateBitmap(RasterBitmap* bitmap, RasterBitmap** planes, unsigned kind) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    if (kind > FX_LAST_SEPARATION || !planes)
        return FX_ERR_BAD_PARAMETER;
    Separation s = {.Bitmap = bitmap, .Planes = planes, .Kind = FxSeparationOf(kind)};
    if (planesOverlap(bitmap, planes, s.Kind.Planes))
        return FX_ERR_BAD_PARAMETER;
    status = prepareWork(&s);
    if (status == FX_OK)
        status = allocBuffers(&s);
    if (status == FX_OK)
        status = allocPlanes(&s);
    const int rowsBegan = status == FX_OK;
    if (rowsBegan) {
        status = separateRows(&s);
        clearRowsLeft(&s);
    }
    releasePlanes(&s, !rowsBegan);
    if (s.Converted != s.Row)
        KFree(s.Converted);
    KFree(s.Row);
    KFree(s.Work);
    return status;
}
