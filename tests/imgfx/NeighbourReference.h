// Plain references of the neighbourhood filters, written for clarity: every
// output value is computed from its whole window with clamped coordinates,
// in 64-bit arithmetic, on the channel values the filters see (one grey
// byte for grey palettes, else blue, green, red), and written back the
// plain way (nearest palette entry, 5-bit fields, fourth byte kept).
#pragma once

#include "FxTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

namespace fxref {

using fxtest::Bgr;

// Channel values of every pixel, rows as stored.
struct WorkImage {
    int width = 0, height = 0, channels = 1;
    std::vector<int> v;
    int& at(int x, int row, int c) { return v[(size_t(row) * width + x) * channels + c]; }
    int at(int x, int row, int c) const { return v[(size_t(row) * width + x) * channels + c]; }
};

// Rows in a window's order: stored rows, or picture rows.
struct Order {
    int height;
    bool flip;
    int stored(int t) const { return flip ? height - 1 - t : t; }
};

inline Order orderOf(const RasterBitmap* bmp, bool pictureOrder) {
    return {bmp->Height, pictureOrder && bmp->RowOrder == RB_ROWS_BOTTOM_UP};
}

inline int clampTo(int v, int n) {
    return v < 0 ? 0 : v >= n ? n - 1 : v;
}

// The work values of a bitmap: grey for grey palettes unless colour is asked.
inline WorkImage workOf(const RasterBitmap* bmp, const std::vector<uint8_t>& bytes,
                        bool colour = false) {
    WorkImage img{bmp->Width, bmp->Height, !colour && KGreyKind(bmp) != 0 ? 1 : 3, {}};
    img.v.resize(size_t(img.width) * img.height * img.channels);
    for (int row = 0; row < img.height; ++row)
        for (int x = 0; x < img.width; ++x) {
            Bgr c = fxtest::colorAt(bytes, bmp, x, row);
            if (img.channels == 1) {
                img.at(x, row, 0) = fxtest::intensity(c);
            } else {
                img.at(x, row, 0) = c.b, img.at(x, row, 1) = c.g, img.at(x, row, 2) = c.r;
            }
        }
    return img;
}

// Stored bytes after writing the work values back inside the region.
inline std::vector<uint8_t> writeBack(const RasterBitmap* bmp, const std::vector<uint8_t>& before,
                                      const WorkImage& img) {
    std::vector<uint8_t> after = before;
    const bool greyIndex = bmp->BitsPerPixel == 8 && KGreyKind(bmp) == 1;
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x) {
            if (!fxtest::inRegion(bmp, x, row))
                continue;
            Bgr c;
            if (img.channels == 1) {
                uint8_t g = uint8_t(img.at(x, row, 0));
                c = {g, g, g};
            } else {
                c = {uint8_t(img.at(x, row, 0)), uint8_t(img.at(x, row, 1)),
                     uint8_t(img.at(x, row, 2))};
            }
            uint32_t raw = fxtest::rawAt(before, bmp, x, row);
            uint32_t v;
            if (greyIndex)
                v = uint32_t(fxtest::intensity(c));
            else if (bmp->BitsPerPixel <= 8)
                v = uint32_t(fxtest::nearestIndex(bmp, c));
            else if (bmp->BitsPerPixel == 32)
                v = fxtest::rawOf(bmp, c) | (raw & 0xff000000u);
            else
                v = fxtest::rawOf(bmp, c);
            fxtest::setRawAt(after, bmp, x, row, v);
        }
    return after;
}

// The window of dimension n around (x, t), t in the order's rows: values
// row by row, top first, limited to the picture's edges.
using WindowFunction = std::function<int(const std::vector<int>& window, int centre)>;

inline WorkImage applyWindow(const WorkImage& in, Order order, int n, const WindowFunction& f) {
    WorkImage out = in;
    const int before = (n - 1) / 2;
    std::vector<int> window(size_t(n) * n);
    for (int t = 0; t < in.height; ++t)
        for (int x = 0; x < in.width; ++x)
            for (int c = 0; c < in.channels; ++c) {
                for (int i = 0; i < n; ++i)
                    for (int j = 0; j < n; ++j)
                        window[size_t(i) * n + j] =
                            in.at(clampTo(x + j - before, in.width),
                                  order.stored(clampTo(t + i - before, in.height)), c);
                out.at(x, order.stored(t), c) = f(window, in.at(x, order.stored(t), c));
            }
    return out;
}

inline int limit(int64_t v) {
    return int(v < 0 ? 0 : v > 255 ? 255 : v);
}

inline WindowFunction convolution(std::vector<int32_t> coefficients, int32_t divisor,
                                  int32_t bias) {
    return [=](const std::vector<int>& w, int) {
        int64_t s = 0;
        for (size_t i = 0; i < w.size(); ++i)
            s += int64_t(coefficients[i]) * w[i];
        return limit((divisor == 1 ? s : s / divisor) + bias);
    };
}

inline int medianOf(std::vector<int> w) {
    std::sort(w.begin(), w.end());
    return w[(w.size() + 1) / 2 - 1];
}

inline WindowFunction median() {
    return [](const std::vector<int>& w, int) { return medianOf(w); };
}

inline WindowFunction average() {
    return [](const std::vector<int>& w, int) {
        int64_t s = 0;
        for (int v : w)
            s += v;
        return int(s / int64_t(w.size()));
    };
}

inline WindowFunction despeckle() {
    return [](const std::vector<int>& w, int centre) {
        int m = medianOf(w);
        return std::abs(centre - m) > 128 ? m : centre;
    };
}

// Grey-level morphology: candidates v + level limited to 0..255; 256 ignored.
inline WindowFunction morphology(std::vector<int32_t> elements, bool maximum) {
    return [=](const std::vector<int>& w, int) {
        int out = maximum ? 0 : 255;
        for (size_t i = 0; i < w.size(); ++i) {
            if (elements[i] == 256)
                continue;
            int candidate = limit(int64_t(elements[i]) + w[i]);
            out = maximum ? std::max(out, candidate) : std::min(out, candidate);
        }
        return out;
    };
}

// Mosaic tiles counted from the picture's top-left corner.
inline WorkImage mosaic(const WorkImage& in, Order picture, int tile) {
    WorkImage out = in;
    for (int t0 = 0; t0 < in.height; t0 += tile)
        for (int x0 = 0; x0 < in.width; x0 += tile)
            for (int c = 0; c < in.channels; ++c) {
                const int t1 = std::min(in.height, t0 + tile), x1 = std::min(in.width, x0 + tile);
                int64_t sum = 0;
                for (int t = t0; t < t1; ++t)
                    for (int x = x0; x < x1; ++x)
                        sum += in.at(x, picture.stored(t), c);
                for (int t = t0; t < t1; ++t)
                    for (int x = x0; x < x1; ++x)
                        out.at(x, picture.stored(t), c) = int(sum / ((t1 - t0) * (x1 - x0)));
            }
    return out;
}

// The noise filter's generator.
inline uint32_t nextSeed(uint32_t seed) {
    return (seed * 1366u + 150889u) % 714025u;
}

// Noise over the pixels inside the region, stored rows top first, left to
// right; channel 0 every channel alike, 1 red, 2 green, 3 blue.
inline WorkImage noise(const RasterBitmap* bmp, WorkImage img, int range, int channel,
                       uint32_t* seed) {
    const int b = (range * 255 + 500) / 1000;
    for (int row = 0; row < img.height; ++row)
        for (int x = 0; x < img.width; ++x) {
            if (!fxtest::inRegion(bmp, x, row))
                continue;
            *seed = nextSeed(*seed);
            const int n = int(*seed % uint32_t(2 * b + 1)) - b;
            for (int c = 0; c < img.channels; ++c)
                if (channel == 0 || c == 3 - channel)
                    img.at(x, row, c) = limit(img.at(x, row, c) + n);
        }
    return img;
}

// The bits of a 1-bit bitmap as 0 and 1, rows as stored.
inline WorkImage bitsOf(const RasterBitmap* bmp, const std::vector<uint8_t>& bytes) {
    WorkImage img{bmp->Width, bmp->Height, 1, {}};
    img.v.resize(size_t(img.width) * img.height);
    for (int row = 0; row < img.height; ++row)
        for (int x = 0; x < img.width; ++x)
            img.at(x, row, 0) = int(fxtest::rawAt(bytes, bmp, x, row));
    return img;
}

inline std::vector<uint8_t> writeBits(const RasterBitmap* bmp, const std::vector<uint8_t>& before,
                                      const WorkImage& bits) {
    std::vector<uint8_t> after = before;
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x)
            if (fxtest::inRegion(bmp, x, row))
                fxtest::setRawAt(after, bmp, x, row, uint32_t(bits.at(x, row, 0)));
    return after;
}

// 1-bit speck removal on the bits: a set pixel with at most one set
// neighbour clears, a clear pixel with at most one clear neighbour sets.
inline WindowFunction despeckleBits() {
    return [](const std::vector<int>& w, int centre) {
        int set = 0;
        for (size_t i = 0; i < w.size(); ++i)
            set += i == 4 ? 0 : w[i];
        if (centre)
            return set <= 1 ? 0 : 1;
        return 8 - set <= 1 ? 1 : 0;
    };
}

// 1-bit morphology: bits as levels 0 and 255 (maximum and minimum exchanged
// when index 0 is white); bit 1 from a result of 128 up.
inline WindowFunction morphologyBits(std::vector<int32_t> elements, bool maximum) {
    WindowFunction grey = morphology(std::move(elements), maximum);
    return [grey](const std::vector<int>& w, int centre) {
        std::vector<int> levels(w.size());
        for (size_t i = 0; i < w.size(); ++i)
            levels[i] = w[i] ? 255 : 0;
        return grey(levels, centre ? 255 : 0) >= 128 ? 1 : 0;
    };
}

} // namespace fxref
