#include "RasterImage.h"

#include "NetpbmFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <cstring>
#include <vector>

namespace imgfxcli {

namespace {

int storedRow(const RasterBitmap& b, int pictureRow) {
    return b.RowOrder == RB_ROWS_BOTTOM_UP ? b.Height - 1 - pictureRow : pictureRow;
}

// The kind to hold a decoded picture in, from Qt's format and what the file
// itself declares (Qt widens 4-bit and 16-bit pictures when it decodes them).
int kindOf(const QImage& image, int declared) {
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return 1;
    case QImage::Format_Indexed8:
        if (declared == 4 && image.colorCount() <= 16)
            return 4;
        if (declared == 1 && image.colorCount() <= 2)
            return 1;
        return 8;
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return 8;
    default:
        if (declared == 16)
            return 16;
        return image.hasAlphaChannel() || declared == 32 ? 32 : 24;
    }
}

// The image in the Qt format whose rows are the bitmap's stored rows.
QImage storedForm(const QImage& image, int kind, bool alpha) {
    switch (kind) {
    case 1:
        return image.convertToFormat(QImage::Format_Mono);
    case 4:
    case 8:
        return image.format() == QImage::Format_Indexed8
                   ? image
                   : image.convertToFormat(QImage::Format_Grayscale8);
    case 16:
        return image.convertToFormat(QImage::Format_RGB555);
    case 24:
        return image.convertToFormat(QImage::Format_BGR888);
    default:
        return image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

} // namespace

RasterImage::RasterImage() = default;

RasterImage::~RasterImage() {
    KFreeBitmap(&bitmap_);
}

int declaredBits(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = file.read(32);
    const auto byte = [&](int i) { return i < head.size() ? uchar(head[i]) : 0; };
    if (head.startsWith("BM"))
        return byte(28) | (byte(29) << 8);
    if (head.startsWith("\x89PNG")) {
        const int depth = byte(24), type = byte(25);
        switch (type) {
        case 0:
            return depth == 1 ? 1 : 8;
        case 2:
            return 24;
        case 3:
            return depth == 1 ? 1 : depth <= 4 ? 4 : 8;
        default:
            return 32;
        }
    }
    return 0;
}

bool RasterImage::load(const QString& path, QString* error, bool bottomUp) {
    switch (NetpbmFile::read(path, &bitmap_, bottomUp ? RB_ROWS_BOTTOM_UP : 0, error)) {
    case NetpbmFile::Read::Done:
        alpha_ = false;
        return true;
    case NetpbmFile::Read::Failed:
        return false;
    case NetpbmFile::Read::Other:
        break;
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, reader.errorString());
        return false;
    }
    const int kind = kindOf(image, declaredBits(path));
    return fromImage(image, kind, bottomUp ? RB_ROWS_BOTTOM_UP : 0, error);
}

bool RasterImage::fromImage(const QImage& image, int kind, int rowOrder, QString* error) {
    KFreeBitmap(&bitmap_);
    alpha_ = kind == 32 && image.hasAlphaChannel();
    const QImage stored = storedForm(image, kind, alpha_);
    KPalette* palette = nullptr;
    if (kind <= 8 && stored.format() != QImage::Format_Grayscale8 && stored.colorCount() > 0) {
        std::vector<RasterColor> entries;
        for (QRgb c : stored.colorTable())
            entries.push_back({uchar(qBlue(c)), uchar(qGreen(c)), uchar(qRed(c)), 0});
        palette = KCreatePalette(int(entries.size()), entries.data());
    }
    const int status = KAllocBitmap(&bitmap_, 1, image.width(), image.height(), kind, RB_ORDER_BGR,
                                    palette, rowOrder);
    KDeletePalette(palette);
    if (status != K_OK) {
        *error =
            QStringLiteral("cannot hold a %1 x %2 picture").arg(image.width()).arg(image.height());
        return false;
    }
    std::vector<uchar> row(size_t(bitmap_.BytesPerLine), 0);
    const intptr_t token = KBeginAccess(&bitmap_);
    for (int y = 0; y < stored.height(); ++y) {
        const uchar* line = stored.constScanLine(y);
        if (kind == 4) {
            for (int x = 0; x < stored.width(); ++x) {
                const uchar v = uchar(line[x] & 15);
                row[size_t(x / 2)] = uchar((x & 1) ? (row[size_t(x / 2)] & 0xF0) | v : v << 4);
            }
        } else {
            std::memcpy(row.data(), line, (size_t(stored.width()) * stored.depth() + 7) / 8);
        }
        KWriteRow(&bitmap_, row.data(), storedRow(bitmap_, y), bitmap_.BytesPerLine);
    }
    KEndAccess(&bitmap_, token);
    return true;
}

QImage RasterImage::toImage() const {
    const RasterBitmap& b = bitmap_;
    const int bits = b.BitsPerPixel;
    QImage::Format format = QImage::Format_Indexed8;
    switch (bits) {
    case 1:
        format = QImage::Format_Mono;
        break;
    case 8:
        format = KGreyKind(&b) == 1 ? QImage::Format_Grayscale8 : QImage::Format_Indexed8;
        break;
    case 16:
        format = QImage::Format_RGB555;
        break;
    case 24:
        format = b.ColorOrder == RB_ORDER_BGR ? QImage::Format_BGR888 : QImage::Format_RGB888;
        break;
    case 32:
        format = alpha_ ? QImage::Format_ARGB32 : QImage::Format_RGB32;
        break;
    default:
        break;
    }
    QImage image(b.Width, b.Height, format);
    if (bits <= 8 && format != QImage::Format_Grayscale8) {
        QList<QRgb> table;
        for (int i = 0; i < b.ColorCount; ++i)
            table.append(qRgb(b.Colors[i].Red, b.Colors[i].Green, b.Colors[i].Blue));
        image.setColorTable(table);
    }
    std::vector<uchar> row(size_t(b.BytesPerLine));
    RasterBitmap* self = const_cast<RasterBitmap*>(&b);
    const intptr_t token = KBeginAccess(self);
    for (int y = 0; y < b.Height; ++y) {
        KReadRow(self, row.data(), storedRow(b, y), b.BytesPerLine);
        uchar* line = image.scanLine(y);
        for (int x = 0; bits == 4 && x < b.Width; ++x)
            line[x] = (x & 1) ? row[size_t(x / 2)] & 15 : row[size_t(x / 2)] >> 4;
        if (bits != 4)
            std::memcpy(line, row.data(), (size_t(b.Width) * bits + 7) / 8);
        // Qt leaves a new picture's memory as it found it, and writers such
        // as BMP's store the rows' padding too: clear it, so that no stale
        // memory reaches the file and equal pictures give equal files.
        const size_t used = (size_t(b.Width) * (bits == 4 ? 8 : bits) + 7) / 8;
        std::memset(line + used, 0, size_t(image.bytesPerLine()) - used);
        for (int x = 0; bits == 32 && x < b.Width; ++x) {
            if (b.ColorOrder != RB_ORDER_BGR)
                std::swap(line[4 * x], line[4 * x + 2]);
            if (!alpha_)
                line[4 * x + 3] = 0xFF;
        }
        for (int x = 0; bits == 16 && b.ColorOrder != RB_ORDER_BGR && x < b.Width; ++x) {
            const unsigned w = line[2 * x] | (line[2 * x + 1] << 8);
            const unsigned swapped = ((w & 31) << 10) | (w & (31 << 5)) | ((w >> 10) & 31);
            line[2 * x] = uchar(swapped), line[2 * x + 1] = uchar(swapped >> 8);
        }
    }
    KEndAccess(self, token);
    return image;
}

bool RasterImage::canWrite(const QString& path, QString* error) {
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (QImageWriter::supportedImageFormats().contains(format))
        return true;
    *error = QStringLiteral("cannot write %1: no writer for \"%2\" files")
                 .arg(path, QString::fromLatin1(format));
    return false;
}

bool RasterImage::write(QIODevice* device, const QString& path, QString* error) const {
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QString reason;
    bool ok;
    if (NetpbmFile::writes(bitmap_, format)) {
        ok = NetpbmFile::write(const_cast<RasterBitmap&>(bitmap_), format, device, &reason);
    } else {
        QImageWriter writer(device, format);
        ok = writer.write(toImage());
        reason = writer.errorString();
    }
    if (!ok)
        *error = QStringLiteral("cannot write %1: %2").arg(path, reason);
    return ok;
}

bool RasterImage::save(const QString& path, QString* error) const {
    if (!canWrite(path, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    if (!write(&file, path, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

int RasterImage::addRect(int x, int y, int w, int h, bool ellipse) {
    int top = y, bottom = y + h;
    if (bitmap_.RowOrder == RB_ROWS_BOTTOM_UP) {
        top = bitmap_.Height - (y + h);
        bottom = bitmap_.Height - y;
    }
    const KRect rect{x, top, x + w, bottom};
    const int mode = bitmap_.HasRegion ? K_REGION_UNION : K_REGION_SET;
    return ellipse ? KSetRegionEllipse(&bitmap_, &rect, mode)
                   : KSetRegionRect(&bitmap_, &rect, mode);
}

} // namespace imgfxcli
