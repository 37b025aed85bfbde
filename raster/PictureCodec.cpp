#include "raster/PictureCodec.h"

#include "raster/GifCodec.h"
#include "raster/HugePages.h"
#include "raster/PackedDib.h"
#include "raster/RasterDispid.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <utility>

namespace {

// Qt refuses pictures over 128 MiB by default; the component's own limit
// is kMaxPixels, checked before decoding.
void allowLargePictures() {
    constexpr int kMegabytes = int((PictureCodec::kMaxPixels * 4) >> 20);
    if (QImageReader::allocationLimit() < kMegabytes)
        QImageReader::setAllocationLimit(kMegabytes);
}

quint16 decodeWithQt(const QByteArray& data, QImage* out) {
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
    QImage picture;
    if (size.isValid() && !size.isEmpty() && reader.imageFormat() == QImage::Format_RGB32) {
        // The reader decodes into an image of the right size and format it
        // is given; fresh memory of that size asks for huge pages first,
        // since faulting it in page by page costs as much as the decode.
        picture = QImage(size, QImage::Format_RGB32);
        if (picture.isNull())
            return RasterStatus::OutOfMemory;
        adviseHugePages(picture.bits(), picture.sizeInBytes());
    }
    if (!reader.read(&picture) || picture.isNull())
        return RasterStatus::FormatBad;
    if (qint64(picture.width()) * picture.height() > PictureCodec::kMaxPixels)
        return RasterStatus::OutOfMemory;
    *out = PackedDib::flattened(std::move(picture));
    return out->isNull() ? RasterStatus::OutOfMemory : RasterStatus::Ok;
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

quint16 PictureCodec::decode(const QByteArray& data, QImage* picture) {
    if (!GifCodec::isGif(data))
        return decodeWithQt(data, picture);
    // giflib's rows go into a packed bitmap of the file's own depth, which
    // unpacks into the picture.
    QByteArray packed;
    const quint16 status = GifCodec::decode(data, kMaxPixels, &packed);
    if (status != RasterStatus::Ok)
        return status;
    *picture = PackedDib::toImage(packed);
    return picture->isNull() ? RasterStatus::OutOfMemory : RasterStatus::Ok;
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
