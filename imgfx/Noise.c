/* R_AddBitmapNoise: additive noise from this thread's seed, which carries
 * over from call to call. */
#include "imgfx/LookupTable.h"
#include "imgfx/RowWalker.h"
#include "imgfx/imgfx_neighbour.h"

typedef struct NoiseJob {
    int Bound;       /* b: noise lies in -b .. b */
    uint32_t Levels; /* 2b + 1 */
    uint64_t Reciprocal;
    int Channel;
    uint32_t* Seed;
} NoiseJob;

static inline uint8_t addClamped(uint8_t level, int noise) {
    int v = level + noise;
    return (uint8_t)(v < 0 ? 0 : v > 255 ? 255 : v);
}

/* The next seed and its noise. Seeds after the first step lie below 2^20,
 * where seed * Reciprocal >> 40 is exactly seed / Levels. */
static inline int nextNoise(const NoiseJob* job, uint32_t* seed) {
    *seed = (*seed * 1366u + 150889u) % 714025u;
    uint32_t quotient = (uint32_t)(((uint64_t)*seed * job->Reciprocal) >> 40);
    return (int)(*seed - quotient * job->Levels) - job->Bound;
}

static int noiseRow(void* context, const FxRow* row) {
    const NoiseJob* job = context;
    const int bpp = row->BytesPerPixel;
    uint32_t seed = *job->Seed;
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        uint8_t* p = row->Pixels + (size_t)row->Spans[s] * bpp;
        const int n = row->Spans[s + 1] - row->Spans[s];
        if (job->Channel != FX_CHANNEL_ALL) {
            /* blue, green, red bytes: red is byte 2, blue byte 0 */
            for (int x = 0; x < n; ++x, p += 3)
                p[3 - job->Channel] = addClamped(p[3 - job->Channel], nextNoise(job, &seed));
        } else if (bpp == 3) {
            for (int x = 0; x < n; ++x, p += 3) {
                const int noise = nextNoise(job, &seed);
                p[0] = addClamped(p[0], noise);
                p[1] = addClamped(p[1], noise);
                p[2] = addClamped(p[2], noise);
            }
        } else {
            for (int x = 0; x < n; ++x)
                p[x] = addClamped(p[x], nextNoise(job, &seed));
        }
    }
    *job->Seed = seed;
    return FX_OK;
}

int R_AddBitmapNoise(RasterBitmap* bitmap, unsigned range, unsigned channel) {
    if (range > 1000 || channel > 3)
        return FX_ERR_BAD_PARAMETER;
    NoiseJob job;
    job.Bound = (int)((range * 255 + 500) / 1000);
    job.Levels = 2u * (uint32_t)job.Bound + 1u;
    job.Reciprocal = ((uint64_t)1 << 40) / job.Levels + 1;
    job.Channel = (int)channel;
    job.Seed = FxNoiseSeed();
    /* Grey bitmaps take grey rows only when every channel gets the noise. */
    return RowWalkerRun(bitmap, WALK_IN_PLACE | (channel == FX_CHANNEL_ALL ? 0u : WALK_COLOR), 0,
                        100, noiseRow, &job);
}
