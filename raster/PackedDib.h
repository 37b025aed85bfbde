#pragma once

#include <QByteArray>
#include <QImage>

// The packed device-independent bitmap the raster component hands out and
// takes: the 40-byte header, a colour table of 4-byte blue, green, red,
// reserved entries (2^bits of them for 1, 4 and 8 bits per pixel), then the
// rows bottom-up, each padded to 4 bytes.
//
// Pictures are opaque once they are packed: transparency is flattened onto
// white (see flattened()).
class PackedDib {
public:
    static constexpr int kHeaderSize = 40;

    // Where the parts of a packed bitmap lie.
    struct Layout {
        int width = 0;
        int height = 0; // always positive; topDown tells the row order
        int bits = 0;
        int entries = 0; // colour table entries
        bool topDown = false;
        qint64 stride = 0;
        qint64 tableOffset = 0;
        qint64 pixelOffset = 0;
    };

    // Reads and checks a header: uncompressed 1, 4, 8, 24 or 32 bits per
    // pixel, every row present. Accepts a colour table shorter than 2^bits
    // (its count in the header) and top-down rows, as other producers write
    // them. False for anything else.
    static bool layout(const QByteArray& packed, Layout* out);

    // The picture in one of the four forms the component holds, all opaque:
    // Format_Mono and Format_Indexed8 with colour tables, Format_Grayscale8
    // and Format_RGB32. Partly transparent pixels and colour-table entries
    // are blended over white; other formats are converted. Shares the
    // picture's pixels when it is already in such a form, and converts them
    // in place when nobody else shares them (hand a picture over with
    // std::move to spare a copy).
    static QImage flattened(QImage picture);

    // Bits per pixel a picture is packed with: 1, 4 or 8 for palette
    // pictures by the size of their colour table, 8 for grey pictures (with
    // a grey colour table), 24 for everything else.
    static int bitsFor(const QImage& picture);

    // Packs a picture in one pass over its rows. Pixels of a palette picture
    // that name no entry of its colour table are packed as entry 0. Empty
    // for a null picture or when memory runs out. Flattens as flattened()
    // does, in place for a picture handed over.
    static QByteArray fromImage(QImage picture);

    // Unpacks into a top-down picture: Format_Mono for 1 bit, Format_Indexed8
    // for 4 and 8 bits, Format_RGB32 for 24 and 32 bits. Null for bytes that
    // are not a packed bitmap layout() accepts.
    static QImage toImage(const QByteArray& packed);

    // A packed bitmap with its header and a colour table of 2^bits entries
    // (table, padded with black) written and its rows left to fill. Empty
    // when memory runs out.
    static QByteArray allocate(int width, int height, int bits, const QList<QRgb>& table);
};
