#include "NetpbmFile.h"

#include <QFile>
#include <QIODevice>

#include <climits>
#include <cstring>
#include <vector>

namespace imgfxcli {

namespace {

int storedRow(const RasterBitmap& b, int pictureRow) {
    return b.RowOrder == RB_ROWS_BOTTOM_UP ? b.Height - 1 - pictureRow : pictureRow;
}

bool isSpace(uchar c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The header of a binary PGM or PPM: where the samples start and what they
// hold. Header fields are decimal numbers apart by white space, with
// comments from '#' to the line's end between them.
struct Header {
    int channels = 0; // 1 for PGM, 3 for PPM
    int width = 0, height = 0, largest = 0;
    qint64 data = 0; // offset of the first sample
};

// Reads one header number at *at; false where none stands there or it
// does not fit an int.
bool number(const uchar* bytes, qint64 size, qint64* at, int* value) {
    qint64 i = *at;
    for (;;) {
        while (i < size && isSpace(bytes[i]))
            ++i;
        if (i < size && bytes[i] == '#') {
            while (i < size && bytes[i] != '\n' && bytes[i] != '\r')
                ++i;
            continue;
        }
        break;
    }
    if (i >= size || bytes[i] < '0' || bytes[i] > '9')
        return false;
    long long v = 0;
    for (; i < size && bytes[i] >= '0' && bytes[i] <= '9'; ++i) {
        v = v * 10 + (bytes[i] - '0');
        if (v > INT_MAX)
            return false;
    }
    *value = int(v);
    *at = i;
    return true;
}

bool parseHeader(const uchar* bytes, qint64 size, Header* h) {
    if (size < 3 || bytes[0] != 'P' || (bytes[1] != '5' && bytes[1] != '6'))
        return false;
    h->channels = bytes[1] == '5' ? 1 : 3;
    qint64 at = 2;
    if (!isSpace(bytes[at]) && bytes[at] != '#')
        return false;
    if (!number(bytes, size, &at, &h->width) || !number(bytes, size, &at, &h->height) ||
        !number(bytes, size, &at, &h->largest))
        return false;
    // One white space byte ends the header; the samples follow it.
    if (at >= size || !isSpace(bytes[at]))
        return false;
    h->data = at + 1;
    // Other sample sizes, and files short of their samples, are Qt's to
    // read or refuse as it always has.
    const qint64 samples = qint64(h->width) * h->height * h->channels;
    return h->width > 0 && h->height > 0 && h->largest == 255 && samples <= size - h->data;
}

} // namespace

NetpbmFile::Read NetpbmFile::read(const QString& path, RasterBitmap* bitmap, int rowOrder,
                                  QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 3)
        return Read::Other;
    const qint64 size = file.size();
    const uchar* bytes = file.map(0, size);
    if (!bytes)
        return Read::Other;
    Header h;
    if (!parseHeader(bytes, size, &h))
        return Read::Other;
    KFreeBitmap(bitmap);
    const int bits = 8 * h.channels;
    if (KAllocBitmap(bitmap, 1, h.width, h.height, bits, RB_ORDER_BGR, nullptr, rowOrder) != K_OK) {
        *error = QStringLiteral("cannot hold a %1 x %2 picture").arg(h.width).arg(h.height);
        return Read::Failed;
    }
    const size_t rowBytes = size_t(h.width) * size_t(h.channels);
    const uchar* samples = bytes + h.data;
    const intptr_t token = KBeginAccess(bitmap);
    for (int y = 0; y < h.height; ++y) {
        uint8_t* row = KRowAddress(bitmap, storedRow(*bitmap, y));
        std::memcpy(row, samples + size_t(y) * rowBytes, rowBytes);
        std::memset(row + rowBytes, 0, size_t(bitmap->BytesPerLine) - rowBytes);
        if (h.channels == 3)
            KConvertRow(row, h.width, 24, 24, RB_ORDER_RGB, RB_ORDER_BGR, nullptr, nullptr);
    }
    KEndAccess(bitmap, token);
    return Read::Done;
}

bool NetpbmFile::writes(const RasterBitmap& bitmap, const QByteArray& format) {
    const bool grey = bitmap.BitsPerPixel == 8 && KGreyKind(&bitmap) == 1;
    return (format == "ppm" && (bitmap.BitsPerPixel == 24 || grey)) || (format == "pgm" && grey);
}

bool NetpbmFile::write(RasterBitmap& bitmap, const QByteArray& format, QIODevice* device,
                       QString* error) {
    const bool colour = format == "ppm";
    const int width = bitmap.Width, channels = colour ? 3 : 1;
    const size_t rowBytes = size_t(width) * size_t(channels);
    // Rows go to the device in blocks of about 256 KiB.
    const int rowsAtOnce = int(std::max<size_t>(1, (size_t(256) << 10) / rowBytes));
    std::vector<uint8_t> block;
    block.reserve(rowBytes * size_t(rowsAtOnce));
    const QByteArray header = (colour ? QByteArrayLiteral("P6\n") : QByteArrayLiteral("P5\n")) +
                              QByteArray::number(width) + ' ' + QByteArray::number(bitmap.Height) +
                              "\n255\n";
    bool ok = device->write(header) == header.size();
    std::vector<uint8_t> row(size_t(bitmap.BytesPerLine));
    const intptr_t token = KBeginAccess(&bitmap);
    for (int y = 0; ok && y < bitmap.Height; ++y) {
        KReadRow(&bitmap, row.data(), storedRow(bitmap, y), bitmap.BytesPerLine);
        const size_t at = block.size();
        block.resize(at + rowBytes);
        uint8_t* out = block.data() + at;
        if (bitmap.BitsPerPixel == 24) {
            std::memcpy(out, row.data(), rowBytes);
            if (bitmap.ColorOrder == RB_ORDER_BGR)
                KConvertRow(out, width, 24, 24, RB_ORDER_BGR, RB_ORDER_RGB, nullptr, nullptr);
        } else if (colour) {
            for (int x = 0; x < width; ++x)
                out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = row[size_t(x)];
        } else {
            std::memcpy(out, row.data(), rowBytes);
        }
        if (int(block.size() / rowBytes) == rowsAtOnce || y + 1 == bitmap.Height) {
            ok = device->write(reinterpret_cast<const char*>(block.data()), qint64(block.size())) ==
                 qint64(block.size());
            block.clear();
        }
    }
    KEndAccess(&bitmap, token);
    if (!ok)
        *error = device->errorString();
    return ok;
}

} // namespace imgfxcli
