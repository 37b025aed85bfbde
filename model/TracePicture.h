#pragma once

#include <QImage>
#include <QRgb>

#include <array>
#include <cstdint>

class LoadedImage;

// A read-only, copy-free view of a picture's pixels for tracing: the rows
// are read where the picture keeps them, never converted or scaled, and a
// pixel's colour is the picture's own (a palette entry, a grey level, or the
// stored red, green and blue), whatever the view shows at its zoom.
//
// Over a QImage the view holds a shallow copy, so it keeps the pixels alive
// by itself and may be handed to a worker thread while the caller goes on
// with its own copy (QImage shares the data and copies only on a write).
// A LoadedImage's view is the view of its picture.
//
// Formats: 1-bit (either bit order) and 8-bit indexed, 8-bit grey, RGB32
// and ARGB32, also premultiplied (read back unpremultiplied). Any other QImage format gives
// a null view. A palette index beyond the colour table reads as opaque black.
class TracePicture {
public:
    enum class Layout : quint8 {
        None,
        Mono,     // 1 bit, most significant first, palette
        MonoLsb,  // 1 bit, least significant first, palette
        Index8,   // 8 bits, palette
        Grey8,    // 8 bits, grey level
        Bgrx32,   // blue, green, red, unused byte (RGB32)
        Bgra32,   // blue, green, red, alpha (ARGB32)
        Bgra32Pm, // as Bgra32 with premultiplied colour
    };

    TracePicture() = default;
    static TracePicture fromImage(const QImage& image);
    static TracePicture fromLoadedImage(const LoadedImage& image);

    bool isNull() const { return m_layout == Layout::None; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    Layout layout() const { return m_layout; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // Row y from the top.
    const uchar* row(int y) const { return m_top + qptrdiff(y) * m_step; }
    // The palette of the indexed layouts: 256 entries, unused ones black.
    const std::array<QRgb, 256>& palette() const { return m_palette; }
    // Palette index or grey level of pixel x of an 8-bit or smaller row.
    int indexAt(const uchar* row, int x) const;
    // The picture's own colour of pixel (x, y), unpremultiplied; (x, y) lies
    // inside the picture.
    QRgb pixel(int x, int y) const;
    // Whether the layout carries an alpha channel worth comparing.
    bool hasAlpha() const { return m_layout == Layout::Bgra32 || m_layout == Layout::Bgra32Pm; }

private:
    QImage m_keep; // shares the pixels of a QImage view
    const uchar* m_top = nullptr;
    qptrdiff m_step = 0;
    int m_width = 0;
    int m_height = 0;
    Layout m_layout = Layout::None;
    std::array<QRgb, 256> m_palette{};
};
