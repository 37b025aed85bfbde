// Shared helpers of the filter toolkit's tests: bitmaps of every stored
// format, plain per-pixel reference access, status-callback recording, and a
// reference that applies a per-colour function pixel by pixel. Free of Qt so
// that the sanitizer build can use it.
#pragma once

#include "rkkernel/rkkernel.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace fxtest {

// A small linear congruential generator for the suites' random pictures:
// the same seed gives the same pictures on every machine.
inline uint32_t nextRandom(uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
}

// One colour as the filters see it.
struct Bgr {
    uint8_t b = 0, g = 0, r = 0;
    bool operator==(const Bgr& o) const { return b == o.b && g == o.g && r == o.r; }
};

// A stored format to build test bitmaps in.
struct Format {
    int bits;
    int colorOrder = RB_ORDER_BGR;
    int rowOrder = 0;
    std::string name() const {
        return std::to_string(bits) + (colorOrder == RB_ORDER_BGR ? "bgr" : "rgb") +
               (rowOrder == RB_ROWS_BOTTOM_UP ? "up" : "down");
    }
};

// Every stored format in both colour orders and both row orders.
inline std::vector<Format> allFormats() {
    std::vector<Format> formats;
    for (int bits : {1, 4, 8, 16, 24, 32})
        for (int order : {RB_ORDER_RGB, RB_ORDER_BGR})
            for (int rows : {0, RB_ROWS_BOTTOM_UP})
                formats.push_back({bits, order, rows});
    return formats;
}

// A kernel bitmap freed on destruction.
class Bitmap {
public:
    Bitmap(int width, int height, int bits, int colorOrder = RB_ORDER_BGR, int rowOrder = 0,
           const std::vector<RasterColor>& palette = {}) {
        KPalette* p =
            palette.empty() ? nullptr : KCreatePalette(int(palette.size()), palette.data());
        status_ = KAllocBitmap(&bmp_, 1, width, height, bits, colorOrder, p, rowOrder);
        KDeletePalette(p);
    }
    Bitmap(int width, int height, const Format& f, const std::vector<RasterColor>& palette = {})
        : Bitmap(width, height, f.bits, f.colorOrder, f.rowOrder, palette) {}
    ~Bitmap() { KFreeBitmap(&bmp_); }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    RasterBitmap* get() { return &bmp_; }
    const RasterBitmap* get() const { return &bmp_; }
    RasterBitmap* operator->() { return &bmp_; }
    const RasterBitmap* operator->() const { return &bmp_; }
    int status() const { return status_; }

private:
    RasterBitmap bmp_{};
    int status_ = 0;
};

// The entries of a palette object, and of a bitmap's palette object.
inline std::vector<RasterColor> paletteOf(const KPalette* palette) {
    std::vector<RasterColor> entries(size_t(KPaletteSize(palette)));
    KGetPaletteEntries(palette, 0, int(entries.size()), entries.data());
    return entries;
}
inline std::vector<RasterColor> paletteOf(const RasterBitmap* bmp) {
    return paletteOf(bmp->Palette);
}

inline bool sameColors(const RasterColor* a, const RasterColor* b, size_t n) {
    return n == 0 || std::memcmp(a, b, n * sizeof(RasterColor)) == 0;
}

// The stored row that holds a picture row.
inline int storedRowOf(const RasterBitmap* bmp, int pictureRow) {
    return bmp->RowOrder == RB_ROWS_BOTTOM_UP ? bmp->Height - 1 - pictureRow : pictureRow;
}

// All stored bytes of a bitmap, row after row (padding included).
inline std::vector<uint8_t> storedBytes(RasterBitmap* bmp) {
    std::vector<uint8_t> bytes(size_t(bmp->BytesPerLine) * bmp->Height);
    intptr_t token = KBeginAccess(bmp);
    for (int row = 0; row < bmp->Height; ++row)
        KReadRow(bmp, bytes.data() + size_t(row) * bmp->BytesPerLine, row, bmp->BytesPerLine);
    KEndAccess(bmp, token);
    return bytes;
}

inline void setStoredBytes(RasterBitmap* bmp, const std::vector<uint8_t>& bytes) {
    intptr_t token = KBeginAccess(bmp);
    for (int row = 0; row < bmp->Height; ++row)
        KWriteRow(bmp, bytes.data() + size_t(row) * bmp->BytesPerLine, row, bmp->BytesPerLine);
    KEndAccess(bmp, token);
}

// Raw stored value of pixel x of stored row: palette index, 16-bit word, or
// the bytes of a 24/32-bit pixel packed little-endian.
inline uint32_t rawAt(const std::vector<uint8_t>& bytes, const RasterBitmap* bmp, int x, int row) {
    const uint8_t* p = bytes.data() + size_t(row) * bmp->BytesPerLine;
    switch (bmp->BitsPerPixel) {
    case 1:
        return (p[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4:
        return (x & 1) ? p[x >> 1] & 15u : p[x >> 1] >> 4;
    case 8:
        return p[x];
    case 16:
        return p[2 * x] | (p[2 * x + 1] << 8);
    case 24:
        return p[3 * x] | (p[3 * x + 1] << 8) | (p[3 * x + 2] << 16);
    default:
        return p[4 * x] | (p[4 * x + 1] << 8) | (p[4 * x + 2] << 16) |
               (uint32_t(p[4 * x + 3]) << 24);
    }
}

inline void setRawAt(std::vector<uint8_t>& bytes, const RasterBitmap* bmp, int x, int row,
                     uint32_t v) {
    uint8_t* p = bytes.data() + size_t(row) * bmp->BytesPerLine;
    switch (bmp->BitsPerPixel) {
    case 1: {
        int s = 7 - (x & 7);
        p[x >> 3] = uint8_t((p[x >> 3] & ~(1u << s)) | ((v & 1u) << s));
        break;
    }
    case 4: {
        int s = (x & 1) ? 0 : 4;
        p[x >> 1] = uint8_t((p[x >> 1] & ~(15u << s)) | ((v & 15u) << s));
        break;
    }
    case 8:
        p[x] = uint8_t(v);
        break;
    case 16:
        p[2 * x] = uint8_t(v), p[2 * x + 1] = uint8_t(v >> 8);
        break;
    case 24:
        for (int k = 0; k < 3; ++k)
            p[3 * x + k] = uint8_t(v >> (8 * k));
        break;
    default:
        for (int k = 0; k < 4; ++k)
            p[4 * x + k] = uint8_t(v >> (8 * k));
        break;
    }
}

inline uint8_t widen5(unsigned v) {
    return uint8_t((v << 3) | (v >> 2));
}

// Colour of pixel x of stored row, read the plain way.
inline Bgr colorAt(const std::vector<uint8_t>& bytes, const RasterBitmap* bmp, int x, int row) {
    uint32_t v = rawAt(bytes, bmp, x, row);
    const bool bgr = bmp->ColorOrder == RB_ORDER_BGR;
    if (bmp->BitsPerPixel <= 8) {
        const RasterColor& c = bmp->Colors[v];
        return {c.Blue, c.Green, c.Red};
    }
    if (bmp->BitsPerPixel == 16) {
        uint8_t low = widen5(v & 31), mid = widen5((v >> 5) & 31), high = widen5((v >> 10) & 31);
        return bgr ? Bgr{low, mid, high} : Bgr{high, mid, low};
    }
    uint8_t b0 = uint8_t(v), b1 = uint8_t(v >> 8), b2 = uint8_t(v >> 16);
    return bgr ? Bgr{b0, b1, b2} : Bgr{b2, b1, b0};
}

// Stored value of a colour for 16-, 24- and 32-bit pixels (fourth byte 0).
inline uint32_t rawOf(const RasterBitmap* bmp, Bgr c) {
    const bool bgr = bmp->ColorOrder == RB_ORDER_BGR;
    if (bmp->BitsPerPixel == 16) {
        unsigned hi = bgr ? c.r >> 3 : c.b >> 3, lo = bgr ? c.b >> 3 : c.r >> 3;
        return (hi << 10) | ((c.g >> 3u) << 5) | lo;
    }
    return bgr ? c.b | (c.g << 8) | (c.r << 16) : c.r | (c.g << 8) | (c.b << 16);
}

inline int intensity(Bgr c) {
    return (5 * c.g + 2 * c.r + c.b + 4) >> 3;
}

// Nearest palette entry by squared distance, lowest index on ties.
inline int nearestIndex(const RasterBitmap* bmp, Bgr c) {
    int best = 0, bestD = 1 << 30;
    for (int i = 0; i < bmp->ColorCount; ++i) {
        const RasterColor& e = bmp->Colors[i];
        int d = (e.Red - c.r) * (e.Red - c.r) + (e.Green - c.g) * (e.Green - c.g) +
                (e.Blue - c.b) * (e.Blue - c.b);
        if (d < bestD)
            bestD = d, best = i;
    }
    return best;
}

// A colourful palette of n entries (distinct colours).
inline std::vector<RasterColor> colorPalette(int n) {
    std::vector<RasterColor> p(n);
    for (int i = 0; i < n; ++i)
        p[i] = {uint8_t(i * 37 + 11), uint8_t(i * 91 + 3), uint8_t(255 - i * 53), 0};
    return p;
}

// The fixed grey ramp of a depth, ascending or descending.
inline std::vector<RasterColor> greyPalette(int bits, bool descending = false) {
    int n = 1 << bits;
    std::vector<RasterColor> p(n);
    for (int i = 0; i < n; ++i) {
        uint8_t v = uint8_t(i * 255 / (n - 1));
        if (descending)
            v = uint8_t(255 - v);
        p[i] = {v, v, v, 0};
    }
    return p;
}

// Fills every pixel with a deterministic pattern of stored values (palette
// indices below ColorCount; fourth bytes of 32-bit pixels included).
inline void fillPattern(RasterBitmap* bmp, uint32_t seed = 1) {
    std::vector<uint8_t> bytes = storedBytes(bmp);
    uint32_t s = seed * 2654435761u + 12345u;
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x) {
            s = s * 1103515245u + 12345u;
            uint32_t v = (s >> 8) ^ (s << 13);
            if (bmp->BitsPerPixel <= 8)
                v %= uint32_t(bmp->ColorCount > 0 ? bmp->ColorCount : 1);
            else if (bmp->BitsPerPixel == 16)
                v &= 0x7fff;
            setRawAt(bytes, bmp, x, row, v);
        }
    setStoredBytes(bmp, bytes);
}

// Whether pixel x of stored row lies inside the bitmap's region (everything
// without one), asked of the kernel.
inline bool inRegion(const RasterBitmap* bmp, int x, int row) {
    int count = 0;
    KMaxSpanCount(bmp, &count);
    std::vector<int32_t> spans(size_t(count) + 2);
    KRowSpans(bmp, row, spans.data(), &count);
    for (int i = 0; i + 1 < count; i += 2)
        if (x >= spans[i] && x < spans[i + 1])
            return true;
    return false;
}

// Whether an 8-bit bitmap's palette is the grey ramp with index = level:
// its rows pass as grey levels and go back as the intensity of a colour.
inline bool isLevelRamp(const RasterBitmap* bmp) {
    if (bmp->BitsPerPixel != 8 || bmp->ColorCount != 256)
        return false;
    for (int i = 0; i < 256; ++i) {
        const RasterColor& c = bmp->Colors[i];
        if (c.Red != i || c.Green != i || c.Blue != i)
            return false;
    }
    return true;
}

// Expected stored bytes after a filter that maps each colour inside the
// region through f: palette bitmaps take the nearest entry of the new colour
// (8-bit grey-ramp bitmaps its intensity), 16-bit pixels keep 5 bits a
// channel, 32-bit pixels keep their fourth byte.
inline std::vector<uint8_t> referenceApply(const RasterBitmap* bmp,
                                           const std::vector<uint8_t>& before,
                                           const std::function<Bgr(Bgr)>& f) {
    std::vector<uint8_t> after = before;
    const bool levelRamp = isLevelRamp(bmp);
    for (int row = 0; row < bmp->Height; ++row)
        for (int x = 0; x < bmp->Width; ++x) {
            if (!inRegion(bmp, x, row))
                continue;
            Bgr c = f(colorAt(before, bmp, x, row));
            uint32_t v;
            if (levelRamp)
                v = uint32_t(intensity(c));
            else if (bmp->BitsPerPixel <= 8)
                v = uint32_t(nearestIndex(bmp, c));
            else if (bmp->BitsPerPixel == 32)
                v = rawOf(bmp, c) | (rawAt(before, bmp, x, row) & 0xff000000u);
            else
                v = rawOf(bmp, c);
            setRawAt(after, bmp, x, row, v);
        }
    return after;
}

// Records what the status callback of the current thread receives, and
// answers stopValue once the given number of calls has been seen.
struct CallbackRecorder {
    static inline thread_local std::vector<int> calls;
    static inline thread_local int stopAfter = -1;
    static inline thread_local int stopValue = 0;
    static int callback(int percent) {
        calls.push_back(percent);
        return stopAfter >= 0 && int(calls.size()) > stopAfter ? stopValue : 1;
    }
    // Installs the recorder; stops with value at call number stopAt + 1.
    explicit CallbackRecorder(int stopAt = -1, int value = 0) {
        calls.clear();
        stopAfter = stopAt;
        stopValue = value;
        old_ = KSetStatusCallback(&CallbackRecorder::callback);
    }
    ~CallbackRecorder() { KSetStatusCallback(old_); }

private:
    KStatusCallback old_;
};

} // namespace fxtest
