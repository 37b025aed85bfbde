/* R_DespeckleBitmap: on 1-bit bitmaps a rule on the stored bits of each
 * 3 x 3 neighbourhood, on all others the 3 x 3 median where a channel byte
 * lies far from it. */
#include "imgfx/Clones.h"
#include "imgfx/Median.h"
#include "imgfx/Window.h"

/* On levels 0 and 255: a set pixel stays set only with at least two set
 * neighbours, and a clear pixel becomes set with at most one clear
 * neighbour (at least seven set). In 3 x 3 codes with centre bit 16 these
 * are the codes 16, 17, 18, 20, 24, 48, 80, 144 and 272, which clear the
 * pixel, and 239, 367, 431, 463, 487, 491, 493, 494 and 495, which set it. */
FX_BODY void despeckleBitsBody(uint8_t* restrict out, const uint8_t* restrict above,
                               const uint8_t* restrict centre, const uint8_t* restrict below,
                               int n) {
    for (int k = 0; k < n; ++k) {
        int set = (above[k - 1] & 1) + (above[k] & 1) + (above[k + 1] & 1) + (centre[k - 1] & 1) +
                  (centre[k + 1] & 1) + (below[k - 1] & 1) + (below[k] & 1) + (below[k + 1] & 1);
        out[k] = (uint8_t)((centre[k] ? set >= 2 : set >= 7) ? 255 : 0);
    }
}

FX_LEVELS(static, despeckleBits,
          (uint8_t* restrict out, const uint8_t* restrict above, const uint8_t* restrict centre,
           const uint8_t* restrict below, int n),
          (out, above, centre, below, n))

static int despeckleRow(void* context, const FxWindowRow* row) {
    (void)context;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        const int x0 = row->Spans[s];
        despeckleBits(row->Out + x0, row->Rows[0] + x0, row->Rows[1] + x0, row->Rows[2] + x0,
                      row->Spans[s + 1] - x0);
    }
    return FX_OK;
}

int R_DespeckleBitmap(RasterBitmap* bitmap) {
    int status = FxCheckBitmap(bitmap);
    if (status != FX_OK)
        return status;
    if (bitmap->BitsPerPixel != 1)
        return FxMedian3x3(bitmap, 1);
    const FxWindowLayout layout = {.Dimension = 3, .Padded = 1, .RawBits = 1};
    return FxRunWindow(bitmap, &layout, despeckleRow, NULL);
}
