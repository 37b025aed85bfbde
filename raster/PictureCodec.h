#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decoding whole file images and writing picture files for the raster
// component: GIF through GifCodec, everything else through Qt's image
// readers and writers.
class PictureCodec {
public:
    // The largest picture decoded: 256 M pixels (1 GiB at 32 bits).
    static constexpr qint64 kMaxPixels = qint64(256) << 20;

    // Decodes a file image held in memory into a top-down picture in one of
    // the forms PackedDib::flattened gives (Format_Mono, Format_Indexed8,
    // Format_Grayscale8, Format_RGB32), flattened in place, so the decode
    // costs no more memory or copying than a plain QImage load. Returns a
    // RasterStatus: FormatBad for bytes that are no readable picture,
    // OutOfMemory for one past kMaxPixels.
    static quint16 decode(const QByteArray& data, QImage* picture);

    // Writes the picture to path as GIF (format 2, bits 8), JPEG (10, bits
    // 24) or PNG (75, bits 24). quality runs from 2 (best, the value callers
    // pass) to 101 (smallest) and sets the JPEG quality to 102 - quality;
    // lower values count as 2. The file is replaced atomically: a failed
    // write leaves an existing file as it was. Returns a RasterStatus.
    static quint16 write(const QImage& picture, const QString& path, qint16 format, qint16 bits,
                         qint16 quality);
};
