/* R_BinaryFilterBitmap: grey-level dilation and erosion with the 8 built-in
 * elements or a caller's record. Walker rows for every kind but 1-bit: the
 * 3 x 3 path on padded stored rows, the general path on picture rows. */
#include "imgfx/Morphology.h"

#include "imgfx/MorphologyRows.h"
#include "imgfx/Window.h"

#include <string.h>

#define IGNORED 256

static const int32_t builtinShapes[4][9] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {IGNORED, IGNORED, IGNORED, 0, 0, 0, IGNORED, IGNORED, IGNORED},
    {IGNORED, 0, IGNORED, IGNORED, 0, IGNORED, IGNORED, 0, IGNORED},
    {IGNORED, IGNORED, 0, IGNORED, 0, IGNORED, 0, IGNORED, IGNORED},
};

typedef struct MorphologyJob {
    const FxElement* Element;
    int Plain; /* every position takes part with its level */
    uint8_t Add[9], Sub[9];
} MorphologyJob;

void FxElementOffsets(int32_t value, int maximum, uint8_t* add, uint8_t* sub) {
    if (value == IGNORED) {
        *add = maximum ? 0 : 255;
        *sub = maximum ? 255 : 0;
        return;
    }
    *add = (uint8_t)(value > 255 ? 255 : value > 0 ? value : 0);
    *sub = (uint8_t)(value < -255 ? 255 : value < 0 ? -value : 0);
}

static int morphologyRow3(void* context, const FxWindowRow* row) {
    const MorphologyJob* job = context;
    const int bpp = row->BytesPerPixel, maximum = job->Element->Maximum != 0;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int x0 = row->Spans[s], n = (row->Spans[s + 1] - x0) * bpp;
        if (job->Plain) {
            FxExtreme3(row->Out, row->Rows, bpp, row->Width * bpp, x0 * bpp, n, maximum);
            continue;
        }
        const uint8_t* taps[9];
        FxWindowTaps3(row, x0, taps);
        FxExtreme3Offsets(row->Out + (size_t)x0 * bpp, taps, n, job->Add, job->Sub, maximum);
    }
    return FX_OK;
}

static int morphologyRow(void* context, const FxWindowRow* row) {
    const MorphologyJob* job = context;
    const FxElement* e = job->Element;
    const int dim = e->Dimension, before = (dim - 1) / 2, bpp = row->BytesPerPixel;
    const int maximum = e->Maximum != 0;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int k0 = row->Spans[s] * bpp, n = row->Spans[s + 1] * bpp - k0;
        memset(row->Out + k0, maximum ? 0 : 255, (size_t)n);
        for (int i = 0; i < dim; ++i) {
            for (int j = 0; j < dim; ++j) {
                const int32_t value = e->Elements[(size_t)i * (size_t)dim + (size_t)j];
                if (value == IGNORED)
                    continue;
                uint8_t add, sub;
                FxElementOffsets(value, maximum, &add, &sub);
                FxExtremeTap(row->Out + k0, row->Rows[i] + k0 + (ptrdiff_t)(j - before) * bpp, n,
                             add, sub, maximum);
            }
        }
    }
    return FX_OK;
}

static int filterRows(RasterBitmap* bitmap, const FxElement* element) {
    MorphologyJob job = {element, 1, {0}, {0}};
    const int three = element->Dimension == 3;
    for (int i = 0; three && i < 9; ++i) {
        FxElementOffsets(element->Elements[i], element->Maximum != 0, &job.Add[i], &job.Sub[i]);
        job.Plain = job.Plain && element->Elements[i] == 0;
    }
    /* The plain 3 x 3 extremes take direct rows and repeat the edges
     * themselves; the offsets and the general path read padding. */
    const int direct = three && job.Plain;
    const FxWindowLayout layout = {.Dimension = element->Dimension,
                                   .PictureOrder = !three,
                                   .Padded = !direct,
                                   .InPlace = 1,
                                   .Direct = direct};
    return FxRunWindow(bitmap, &layout, three ? morphologyRow3 : morphologyRow, &job);
}

int R_BinaryFilterBitmap(RasterBitmap* bitmap, const BinaryFilter* filter) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    FxElement element;
    if ((uintptr_t)filter < 0x10000u) {
        const uintptr_t index = (uintptr_t)filter;
        if (index >= FX_BINARY_BUILTIN_COUNT)
            return FX_ERR_BAD_PARAMETER;
        element = (FxElement){index < 4, 3, builtinShapes[index % 4]};
    } else {
        element = (FxElement){filter->Maximum, filter->Dimension, filter->Elements};
    }
    if (element.Dimension < 1 || element.Dimension > FX_MAX_DIMENSION)
        return FX_ERR_BAD_PARAMETER;
    if (bitmap->BitsPerPixel == 1)
        return FxFilterBits(bitmap, &element);
    return filterRows(bitmap, &element);
}
