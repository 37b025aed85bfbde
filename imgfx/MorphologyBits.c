/* The 1-bit path of R_BinaryFilterBitmap: the stored bits are filtered as
 * levels 0 and 255 (maximum and minimum exchanged when index 0 is white),
 * rows in picture order, and a result of 128 or more is bit 1. With levels
 * that are only ever 0 or 255 every element value reduces to one of three
 * roles, worked out once. */
#include "imgfx/Morphology.h"

#include "imgfx/MorphologyRows.h"
#include "imgfx/Window.h"

#include <string.h>

enum Role { IGNORED, PLAIN, FORCING };

typedef struct BitsJob {
    const FxElement* Element;
    int Maximum;
    int Forcing; /* some position forces every result */
} BitsJob;

/* Candidates are v + level limited to 0..255 for levels 0 and 255; a result
 * counts as bit 1 from 128 up. Under the maximum a value from 128 up makes
 * every result 1 and one below -127 never raises it; under the minimum a
 * value below -127 makes every result 0 and one above 127 never lowers it. */
static enum Role roleOf(int32_t value, int maximum) {
    if (value == 256)
        return IGNORED;
    if (maximum)
        return value >= 128 ? FORCING : value >= -127 ? PLAIN : IGNORED;
    return value <= -128 ? FORCING : value <= 127 ? PLAIN : IGNORED;
}

static int bitsRow(void* context, const FxWindowRow* row) {
    const BitsJob* job = context;
    const FxElement* e = job->Element;
    const int dim = e->Dimension, before = (dim - 1) / 2;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int x0 = row->Spans[s], n = row->Spans[s + 1] - x0;
        uint8_t* out = row->Out + x0;
        if (job->Forcing) {
            memset(out, job->Maximum ? 255 : 0, (size_t)n);
            continue;
        }
        memset(out, job->Maximum ? 0 : 255, (size_t)n);
        for (int i = 0; i < dim; ++i)
            for (int j = 0; j < dim; ++j)
                if (roleOf(e->Elements[(size_t)i * (size_t)dim + (size_t)j], job->Maximum) == PLAIN)
                    FxExtremeTap(out, row->Rows[i] + x0 + (j - before), n, 0, 0, job->Maximum);
    }
    return FX_OK;
}

int FxFilterBits(RasterBitmap* bitmap, const FxElement* element) {
    const int kind = KGreyKind(bitmap);
    if (kind != 1 && kind != 2)
        return kind;
    BitsJob job = {element, (element->Maximum != 0) != (kind == 2), 0};
    const size_t count = (size_t)element->Dimension * (size_t)element->Dimension;
    for (size_t i = 0; i < count && !job.Forcing; ++i)
        job.Forcing = roleOf(element->Elements[i], job.Maximum) == FORCING;
    const FxWindowLayout layout = {
        .Dimension = element->Dimension, .PictureOrder = 1, .Padded = 1, .RawBits = 1};
    return FxRunWindow(bitmap, &layout, bitsRow, &job);
}
