#pragma once

#include <QByteArray>
#include <QList>

#include <memory>

// The decoded picture a map document owns: a packed device-independent
// bitmap (40-byte header, colour table of 4-byte blue, green, red, reserved
// entries, bottom-up rows padded to 4 bytes) as the raster component hands
// it out, with its size and its palette taken up from the colour table.
//
// Members are declared so that destruction frees the palette entries first
// and the packed bitmap after them.
class LoadedImage {
public:
    // A logical palette entry: red, green, blue, flags (always 0).
    struct PaletteEntry {
        quint8 red = 0;
        quint8 green = 0;
        quint8 blue = 0;
        quint8 flags = 0;
    };
    static constexpr int kHeaderSize = 40;
    static constexpr int kPaletteVersion = 0x300;

    // Takes a packed bitmap over; null when the bytes are not a complete,
    // uncompressed packed bitmap of 1, 4, 8, 24 or 32 bits per pixel.
    static std::unique_ptr<LoadedImage> fromPackedDib(QByteArray packed);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int bitCount() const { return m_bitCount; }
    // Bytes per stored row, padded to 4.
    int stride() const { return m_stride; }
    // 2^bits entries for 1 to 8 bits per pixel, none above.
    const QList<PaletteEntry>& palette() const { return m_palette; }
    // First pixel byte: header + 40 + 4 x palette entries.
    const uchar* bits() const { return m_bits; }
    const QByteArray& packedDib() const { return m_header; }

private:
    LoadedImage() = default;

    QByteArray m_header;
    const uchar* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_bitCount = 0;
    int m_stride = 0;
    QList<PaletteEntry> m_palette;
};
