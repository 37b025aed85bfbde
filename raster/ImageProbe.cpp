#include "raster/ImageProbe.h"

#include "raster/GifCodec.h"
#include "raster/RasterDispid.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace {

int bitsForColours(qint64 count) {
    return count <= 2 ? 1 : count <= 16 ? 4 : 8;
}

// Qt reads a PNG palette picture, and a grey one of 2 or 4 bits or with a
// transparent grey, as an 8-bit palette picture whose colour table has the
// file's palette length (2^depth entries for grey ones). Gives that length
// from the IHDR and PLTE chunks, or 256 when the headers do not say.
qint64 pngColourCount(QIODevice* device) {
    if (!device->seek(0))
        return 256;
    const QByteArray head = device->read(8 + 8 + 13);
    if (head.size() < 29 || head.mid(12, 4) != "IHDR")
        return 256;
    const int depth = uchar(head[24]);
    const int colourType = uchar(head[25]);
    if (colourType == 0)
        return depth < 8 ? qint64(1) << depth : 256;
    device->skip(4); // IHDR's CRC
    for (int chunk = 0; chunk < 64; ++chunk) {
        const QByteArray header = device->read(8);
        if (header.size() < 8)
            return 256;
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        const QByteArray type = header.mid(4, 4);
        if (type == "PLTE")
            return qBound(qint64(1), qint64(length / 3), qint64(256));
        if (type == "IDAT")
            return 256;
        if (device->skip(qint64(length) + 4) != qint64(length) + 4)
            return 256;
    }
    return 256;
}

qint16 formatCode(const QByteArray& name) {
    if (name == "png")
        return RasterFormat::Png;
    if (name == "jpeg" || name == "jpg")
        return RasterFormat::Jpeg;
    if (name == "gif")
        return RasterFormat::Gif;
    return RasterFormat::Unknown;
}

int bitsForFormat(QImage::Format format) {
    switch (format) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return 1;
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return 8;
    default:
        return 24;
    }
}

quint16 probeGif(QIODevice* device, ImageProbe::Info* out) {
    // Everything before the first picture's pixels: headers, colour tables
    // and extensions. Extensions are rarely long; a file whose headers run
    // past this is read whole.
    constexpr qint64 kHeaderBytes = 64 * 1024;
    QByteArray head = device->read(kHeaderBytes);
    GifCodec::Info gif;
    bool ok = GifCodec::probe(head, &gif);
    if (!ok && head.size() == kHeaderBytes) {
        head += device->readAll();
        ok = GifCodec::probe(head, &gif);
    }
    if (!ok)
        return RasterStatus::FormatBad;
    out->width = gif.width;
    out->height = gif.height;
    out->bits = gif.bits;
    out->format = RasterFormat::Gif;
    return RasterStatus::Ok;
}

} // namespace

quint16 ImageProbe::probe(QIODevice* device, Info* out) {
    if (GifCodec::isGif(device->peek(6)))
        return probeGif(device, out);
    QImageReader reader(device);
    if (!reader.canRead())
        return RasterStatus::FormatBad;
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return RasterStatus::FormatBad;
    out->width = size.width();
    out->height = size.height();
    out->format = formatCode(reader.format());
    const QImage::Format decoded = reader.imageFormat();
    out->bits = bitsForFormat(decoded);
    if (decoded == QImage::Format_Indexed8 && out->format == RasterFormat::Png)
        out->bits = bitsForColours(pngColourCount(device));
    return RasterStatus::Ok;
}

quint16 ImageProbe::probeFile(const QString& path, Info* out) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return RasterStatus::FileNotFound;
    if (file.size() > INT32_MAX)
        return RasterStatus::OutOfMemory;
    Info info;
    const quint16 status = probe(&file, &info);
    if (status != RasterStatus::Ok)
        return status;
    info.fileSize = file.size();
    *out = info;
    return RasterStatus::Ok;
}
