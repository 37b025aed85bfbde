#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <memory>

// The decoded picture a map document owns, as the raster component hands it
// over: a top-down QImage in one of the component's opaque forms
// (Format_Mono and Format_Indexed8 with colour tables, Format_Grayscale8,
// Format_RGB32), shared with whoever else holds it and never converted for
// painting, with its palette taken up from the colour table.
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

    // Takes a decoded picture over (its pixels are shared, not copied);
    // null for a null picture or one not in the forms above.
    static std::unique_ptr<LoadedImage> fromImage(QImage picture);
    // Unpacks a packed device-independent bitmap (40-byte header, colour
    // table of 4-byte blue, green, red, reserved entries, bottom-up rows
    // padded to 4 bytes) into those forms: 1 bit to Format_Mono, 4 and 8
    // bits to Format_Indexed8, 24 and 32 bits to Format_RGB32. Null when
    // the bytes are not a complete, uncompressed packed bitmap of 1, 4, 8,
    // 24 or 32 bits per pixel.
    static std::unique_ptr<LoadedImage> fromPackedDib(const QByteArray& packed);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    // The picture, for painting and reading pixels.
    const QImage& image() const { return m_image; }
    // The colour table's entries (of Format_Mono and Format_Indexed8), none
    // for grey and direct-colour pictures.
    const QList<PaletteEntry>& palette() const { return m_palette; }

private:
    explicit LoadedImage(QImage picture);

    QImage m_image;
    QList<PaletteEntry> m_palette;
};
