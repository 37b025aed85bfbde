#include "imgfx/PointTables.h"

#include <math.h>

static uint8_t clampLevel(int64_t v) {
    return (uint8_t)(v < 0 ? 0 : v > 255 ? 255 : v);
}

void FxShiftTable(int add, uint8_t table[256]) {
    for (int i = 0; i < 256; ++i)
        table[i] = clampLevel(i + add);
}

void FxContrastTable(int centre, int d, uint8_t table[256]) {
    for (int i = 0; i < 256; ++i) {
        int v;
        if (i < centre) {
            v = i - d;
            v = v < centre ? v : centre;
            v = v > 0 ? v : 0;
        } else {
            v = i + d;
            v = v > centre ? v : centre;
            v = v < 255 ? v : 255;
        }
        table[i] = (uint8_t)v;
    }
}

void FxPosterizeTable(uint32_t levels, uint8_t table[256]) {
    const uint64_t steps = (uint64_t)levels - 1;
    for (uint64_t i = 0; i < 256; ++i)
        table[i] = clampLevel((int64_t)((steps / 2 + (steps * i + 128) / 255 * 255) / steps));
}

void FxDetectTable(uint32_t low, uint32_t high, uint8_t table[256]) {
    for (uint32_t i = 0; i < 256; ++i)
        table[i] = low <= i && i <= high ? 255 : 0;
}

void FxGammaTable(int gamma, uint8_t table[256]) {
    const double k = 0.00392156862745098, exponent = 100.0 / gamma;
    for (int i = 0; i < 256; ++i) {
        /* Clamped while still a double: a negative gamma sends level 0 to
         * infinity, which no integer holds. */
        double v = trunc(pow(i * k, exponent) * 255.0 + 0.5);
        table[i] = (uint8_t)(v < 0.0 ? 0.0 : v > 255.0 ? 255.0 : v);
    }
}
