#include "raster/PictureCodec.h"

#include "raster/GifCodec.h"
#include "raster/HugePages.h"
#include "raster/PackedDib.h"
#include "raster/RasterDispid.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <new>
#include <utility>

namespace {

// Qt refuses pictures over 128 MiB by default; the component's own limit
// is kMaxPixels, checked before decoding.
void allowLargePictures() {
    constexpr int kMegabytes = int((PictureCodec::kMaxPixels * 4) >> 20);
    if (QImageReader::allocationLimit() < kMegabytes)
        QImageReader::setAllocationLimit(kMegabytes);
}

// Lets the reader write Format_RGB32 rows straight into a buffer that is
// then turned into the 24-bit packed bitmap in place.
quint16 decodeInPlace(QImageReader& reader, QSize size, QByteArray* packed) {
    const qint64 width = size.width();
    const qint64 height = size.height();
    QByteArray buffer;
    try {
        buffer = QByteArray(PackedDib::kHeaderSize + 4 * width * height, Qt::Uninitialized);
    } catch (const std::bad_alloc&) {
        return RasterStatus::OutOfMemory;
    }
    adviseHugePages(buffer.data(), buffer.size());
    uchar* rows = reinterpret_cast<uchar*>(buffer.data()) + PackedDib::kHeaderSize;
    QImage target(rows, int(width), int(height), 4 * width, QImage::Format_RGB32);
    if (!reader.read(&target) || target.isNull())
        return RasterStatus::FormatBad;
    if (target.constBits() != rows || target.format() != QImage::Format_RGB32 ||
        target.size() != size) {
        // The reader made a picture of its own after all.
        *packed = PackedDib::fromImage(std::move(target));
        return packed->isEmpty() ? RasterStatus::OutOfMemory : RasterStatus::Ok;
    }
    target = QImage(); // lets go of the rows before they are rewritten
    PackedDib::packRgb32InPlace(&buffer, int(width), int(height));
    *packed = std::move(buffer);
    return RasterStatus::Ok;
}

quint16 decodeWithQt(const QByteArray& data, QByteArray* packed) {
    QByteArray bytes = QByteArray::fromRawData(data.constData(), data.size());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return RasterStatus::FormatBad;
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > PictureCodec::kMaxPixels)
        return RasterStatus::OutOfMemory;
    allowLargePictures();
    if (size.isValid() && !size.isEmpty() && reader.imageFormat() == QImage::Format_RGB32)
        return decodeInPlace(reader, size, packed);
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        return RasterStatus::FormatBad;
    *packed = PackedDib::fromImage(std::move(picture));
    return packed->isEmpty() ? RasterStatus::OutOfMemory : RasterStatus::Ok;
}

quint16 encodeWithQt(const QImage& picture, const char* format, int quality, QByteArray* out) {
    QBuffer buffer(out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return RasterStatus::OutOfMemory;
    return writer.write(rgb) ? RasterStatus::Ok : RasterStatus::WriteFailed;
}

} // namespace

quint16 PictureCodec::decode(const QByteArray& data, QByteArray* packed) {
    if (GifCodec::isGif(data))
        return GifCodec::decode(data, kMaxPixels, packed);
    return decodeWithQt(data, packed);
}

quint16 PictureCodec::write(const QImage& picture, const QString& path, qint16 format, qint16 bits,
                            qint16 quality) {
    if (picture.isNull())
        return RasterStatus::NoPicture;
    if (path.isEmpty())
        return RasterStatus::BadArgument;
    QByteArray bytes;
    quint16 status = RasterStatus::Ok;
    if (format == RasterFormat::Gif && bits == 8)
        status = GifCodec::encode(picture, &bytes);
    else if (format == RasterFormat::Jpeg && bits == 24)
        status = encodeWithQt(picture, "jpeg", qBound(1, 102 - qMax<int>(quality, 2), 100), &bytes);
    else if (format == RasterFormat::Png && bits == 24)
        status = encodeWithQt(picture, "png", -1, &bytes);
    else
        return RasterStatus::BadArgument;
    if (status != RasterStatus::Ok)
        return status;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return RasterStatus::WriteFailed;
    return RasterStatus::Ok;
}
