/* R_AddBitmapNoise: additive noise from this thread's seed, which carries
 * over from call to call. */
#include "imgfx/Clones.h"
#include "imgfx/LookupTable.h"
#include "imgfx/RowWalker.h"
#include "imgfx/imgfx_neighbour.h"

/* The seed's steps: seed' = (seed * 1366 + 150889) mod 714025, in 32 bits. */
#define MULTIPLIER 1366u
#define INCREMENT 150889u
#define MODULUS 714025u

/* Seeds are made a block at a time, each from the block's first seed by a
 * jump of one to BLOCK steps, so that the steps of a block do not wait on
 * one another; only the jump to the next block does. */
#define BLOCK 8
/* Seeds and noise values worked out ahead of the pixels that take them. */
#define STRETCH 256

typedef struct NoiseJob {
    int Bound;       /* b: noise lies in -b .. b */
    uint32_t Levels; /* 2b + 1 */
    uint64_t Reciprocal;
    int Channel;
    uint32_t* Seed;
    /* j + 1 steps from a seed s below MODULUS: (Times[j] * s + Plus[j]) mod MODULUS */
    uint64_t Times[BLOCK], Plus[BLOCK];
} NoiseJob;

/* p[k] plus noise[k], limited to 0 .. 255; noise lies in -255 .. 255. */
FX_BODY void addNoiseBody(uint8_t* restrict p, const int16_t* restrict noise, int n) {
    for (int k = 0; k < n; ++k) {
        int v = p[k] + noise[k];
        v = v < 0 ? 0 : v;
        p[k] = (uint8_t)(v > 255 ? 255 : v);
    }
}

FX_LEVELS(static, addNoise, (uint8_t* restrict p, const int16_t* restrict noise, int n),
          (p, noise, n))

static void setJumps(NoiseJob* job) {
    uint64_t times = MULTIPLIER, plus = INCREMENT;
    for (int j = 0; j < BLOCK; ++j) {
        job->Times[j] = times;
        job->Plus[j] = plus;
        times = times * MULTIPLIER % MODULUS;
        plus = (plus * MULTIPLIER + INCREMENT) % MODULUS;
    }
}

/* The noise of the next n seeds (n at most STRETCH), advancing *seed past
 * them. A first seed at or above the modulus (a caller's) takes its first
 * step as the 32-bit formula has it; every later seed lies below the
 * modulus, where no step wraps 32 bits and the jumps hold. Below 2^20,
 * seed * Reciprocal >> 40 is exactly seed / Levels. */
static void nextNoise(const NoiseJob* job, uint32_t* seed, int n, int16_t* noise) {
    uint32_t s = *seed;
    int k = 0;
    if (n > 0 && s >= MODULUS) {
        s = (s * MULTIPLIER + INCREMENT) % MODULUS;
        noise[k++] = (int16_t)((int)(s - (uint32_t)((s * job->Reciprocal) >> 40) * job->Levels) -
                               job->Bound);
    }
    uint32_t seeds[STRETCH + BLOCK];
    for (int first = k; first < n; first += BLOCK) {
        for (int j = 0; j < BLOCK; ++j)
            seeds[first + j] = (uint32_t)((job->Times[j] * s + job->Plus[j]) % MODULUS);
        s = seeds[(n - first < BLOCK ? n : first + BLOCK) - 1];
    }
    for (; k < n; ++k) {
        const uint64_t v = seeds[k];
        noise[k] = (int16_t)((int)(v - ((v * job->Reciprocal) >> 40) * job->Levels) - job->Bound);
    }
    *seed = s;
}

/* Each stretch's noise is spread over its channel bytes (zero on the
 * channels that take none), so that one loop without branches adds it. */
static int noiseRow(void* context, const FxRow* row) {
    const NoiseJob* job = context;
    const int bpp = row->BytesPerPixel;
    uint32_t seed = *job->Seed;
    int16_t noise[STRETCH], bytes[3 * STRETCH];
    for (int s = 0; s + 1 < row->SpanCount; s += 2) {
        uint8_t* p = row->Pixels + (size_t)row->Spans[s] * bpp;
        for (int left = row->Spans[s + 1] - row->Spans[s]; left > 0; left -= STRETCH) {
            const int n = left < STRETCH ? left : STRETCH;
            nextNoise(job, &seed, n, noise);
            if (bpp == 1) {
                addNoise(p, noise, n);
            } else {
                /* blue, green, red bytes: red (channel 1) is byte 2, blue (3) byte 0 */
                const int all = job->Channel == FX_CHANNEL_ALL;
                const int only = 3 - job->Channel;
                for (int x = 0; x < n; ++x)
                    for (int c = 0; c < 3; ++c)
                        bytes[3 * x + c] = all || c == only ? noise[x] : 0;
                addNoise(p, bytes, 3 * n);
            }
            p += (size_t)n * bpp;
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
    setJumps(&job);
    /* Grey bitmaps take grey rows only when every channel gets the noise. */
    return RowWalkerRun(bitmap, WALK_IN_PLACE | (channel == FX_CHANNEL_ALL ? 0u : WALK_COLOR), 0,
                        100, noiseRow, &job);
}
