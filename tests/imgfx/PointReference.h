// Plain references of the point and colour operations, written from their
// definitions one level and one colour at a time, for the tests to hold
// the library's table and vector paths against.
#pragma once

#include "FxTestSupport.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace fxtest {

using Table = std::array<uint8_t, 256>;

inline uint8_t clampLevel(long long v) {
    return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}

inline Table intensityTable(int change) {
    Table t;
    for (int i = 0; i < 256; ++i)
        t[i] = clampLevel(i + (change * 255 + 500) / 1000);
    return t;
}

inline Table contrastTable(int centre, int change) {
    const int d = (change * 128 + 500) / 1000;
    Table t;
    for (int i = 0; i < 256; ++i)
        t[i] = uint8_t(i < centre ? std::max(std::min(i - d, centre), 0)
                                  : std::min(std::max(i + d, centre), 255));
    return t;
}

inline Table posterizeTable(unsigned levels) {
    const unsigned long long s = levels - 1ull;
    Table t;
    for (unsigned long long i = 0; i < 256; ++i)
        t[i] = clampLevel((long long)((s / 2 + (s * i + 128) / 255 * 255) / s));
    return t;
}

inline Table detectTable(unsigned low, unsigned high) {
    Table t;
    for (unsigned i = 0; i < 256; ++i)
        t[i] = low <= i && i <= high ? 255 : 0;
    return t;
}

inline Table gammaTable(int gamma) {
    Table t;
    for (int i = 0; i < 256; ++i) {
        double v = std::trunc(std::pow(i * 0.00392156862745098, 100.0 / gamma) * 255.0 + 0.5);
        t[i] = uint8_t(std::min(std::max(v, 0.0), 255.0));
    }
    return t;
}

// The colour map of a table on all channels (0) or on red (1), green (2)
// or blue (3).
inline std::function<Bgr(Bgr)> throughTable(const Table& t, int channel = 0) {
    return [t, channel](Bgr c) {
        if (channel == 0 || channel == 1)
            c.r = t[c.r];
        if (channel == 0 || channel == 2)
            c.g = t[c.g];
        if (channel == 0 || channel == 3)
            c.b = t[c.b];
        return c;
    };
}

// Counts of the levels of the pixels inside the region: intensity (0) or
// red, green, blue (1 to 3) of each pixel's colour.
inline std::array<uint32_t, 256>
plainHistogram(const RasterBitmap* bmp, const std::vector<uint8_t>& bytes, int channel = 0) {
    std::array<uint32_t, 256> h{};
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x) {
            if (!inRegion(bmp, x, row))
                continue;
            Bgr c = colorAt(bytes, bmp, x, row);
            ++h[channel == 1 ? c.r : channel == 2 ? c.g : channel == 3 ? c.b : intensity(c)];
        }
    return h;
}

inline Table equalizeTable(const std::array<uint32_t, 256>& h) {
    unsigned long long total = 0, sum = 0;
    for (uint32_t n : h)
        total += n;
    Table t;
    for (int i = 0; i < 256; ++i) {
        sum += h[i];
        t[i] = uint8_t(sum * 255 / total);
    }
    return t;
}

// Lowest and highest level present (searching as the stretch does) and
// their middle.
inline void levelRange(const std::array<uint32_t, 256>& h, int* low, int* high, int* mid) {
    for (*low = 0; *low < 255 && !h[*low]; ++*low) {
    }
    for (*high = 255; *high > 0 && !h[*high]; --*high) {
    }
    *mid = (*low + *high) / 2;
}

inline Table stretchTable(const std::array<uint32_t, 256>& h) {
    int low, high, mid;
    levelRange(h, &low, &high, &mid);
    Table t;
    for (int j = 0; j < 256; ++j)
        t[j] = clampLevel((j - mid) * 128 / (high - mid) + 127);
    return t;
}

struct Hsv {
    int h, s, v;
};

inline Hsv toHsv(Bgr c) {
    const int r = c.r, g = c.g, b = c.b;
    const int mn = std::min({r, g, b}), mx = std::max({r, g, b});
    if (mn == mx)
        return {0, 0, mx};
    int h;
    if (b == mn)
        h = ((g - mn) * 30720 / (g + r - 2 * mn) + 180) / 360;
    else if (r == mn)
        h = ((b - mn) * 30720 / (b + g - 2 * mn) + 30900) / 360;
    else
        h = ((r - mn) * 30720 / (b + r - 2 * mn) + 61620) / 360;
    return {h & 255, (mx - mn) * 255 / mx, mx};
}

inline Bgr fromHsv(Hsv c) {
    const int v = c.v;
    if (c.s == 0)
        return {uint8_t(v), uint8_t(v), uint8_t(v)};
    const int h = (c.h * 360) >> 8, m = (255 - c.s) * v / 255, d = v - m;
    int r, g, b;
    if (h <= 60)
        r = v, g = m + h * d / (120 - h), b = m;
    else if (h <= 120)
        r = m + d * (120 - h) / h, g = v, b = m;
    else if (h <= 180)
        r = m, g = v, b = m + (h - 120) * d / (240 - h);
    else if (h <= 240)
        r = m, g = m + d * (240 - h) / (h - 120), b = v;
    else if (h <= 300)
        r = m + d * (h - 240) / (360 - h), g = m, b = v;
    else
        r = v, g = m, b = m + d * (360 - h) / (h - 240);
    return {uint8_t(b), uint8_t(g), uint8_t(r)};
}

// Hue turned by angle degrees; greys stay, and so does everything when the
// turn is a whole number of circles.
inline std::function<Bgr(Bgr)> hueTurn(int angle) {
    const int shift = int((long long)angle * 256 / 360) & 255;
    return [shift](Bgr c) {
        Hsv hsv = toHsv(c);
        if (hsv.s == 0 || shift == 0)
            return c;
        hsv.h = (hsv.h + shift) & 255;
        return fromHsv(hsv);
    };
}

// Saturation changed by change thousandths of its range; greys stay grey,
// and everything stays when the change rounds to nothing.
inline std::function<Bgr(Bgr)> saturationChange(int change) {
    const int add = (change * 255 + 500) / 1000;
    return [add](Bgr c) {
        Hsv hsv = toHsv(c);
        if (hsv.s == 0 || add == 0)
            return c;
        hsv.s = clampLevel(hsv.s + add);
        return fromHsv(hsv);
    };
}

} // namespace fxtest
