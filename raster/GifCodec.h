#pragma once

#include <QByteArray>
#include <QImage>

// GIF files through giflib. Decoding keeps the file's colour table and
// indices (Qt's reader expands GIF pictures to 32 bits and loses the
// palette); only the first picture of an animation is read.
class GifCodec {
public:
    struct Info {
        int width = 0;
        int height = 0;
        int bits = 0; // 1, 4 or 8: the decoded picture's colour table is 2^bits long
    };

    static bool isGif(const QByteArray& data);

    // Reads the headers up to the first picture, no pixels. False when they
    // are not those of a GIF file with a picture.
    static bool probe(const QByteArray& data, Info* out);

    // Decodes the first picture straight into a packed bitmap (PackedDib)
    // of Info::bits per pixel whose colour table is the file's, padded with
    // black. The picture is the logical screen, grown to hold the whole
    // first frame; what the frame leaves uncovered takes the transparent
    // index, else the background index. The transparent index's entry
    // becomes white; indices past the table become 0. Returns a
    // RasterStatus.
    static quint16 decode(const QByteArray& data, qint64 maxPixels, QByteArray* packed);

    // Writes an 8-bit GIF: palette pictures as they are, others through
    // Qt's conversion to 8 bits (exact for up to 256 colours, dithered
    // beyond). Returns a RasterStatus.
    static quint16 encode(const QImage& picture, QByteArray* out);
};
