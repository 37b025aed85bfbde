#include "NetpbmFile.h"

#include <QFile>
#include <QIODevice>

#include <algorithm>
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

// bytes holds the first size bytes of a file of fileSize bytes.
bool parseHeader(const uchar* bytes, qint64 size, qint64 fileSize, Header* h) {
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
    return h->width > 0 && h->height > 0 && h->largest == 255 && samples <= fileSize - h->data;
}

// Room for a header with comments; longer ones are left to Qt.
constexpr qint64 headerRoom = 4096;

// Rows of rowBytes that make a block of about 256 KiB, the unit files are
// read and written in.
int rowsPerBlock(size_t rowBytes) {
    return int(std::clamp<size_t>((size_t(256) << 10) / rowBytes, 1, INT_MAX));
}

} // namespace

NetpbmFile::Read NetpbmFile::read(const QString& path, RasterBitmap* bitmap, int rowOrder,
                                  QString* error) {
    // Unbuffered: the samples are read straight into the bitmap's rows, a
    // block of rows at a time, and swapped while the block is in the cache.
    // A file read this way, unlike a mapped one, cannot fault the process
    // when another one shortens it meanwhile.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || file.size() < 3)
        return Read::Other;
    const qint64 size = file.size();
    // A header that does not end within its first block is Qt's to read.
    QByteArray head(int(std::min<qint64>(size, headerRoom)), Qt::Uninitialized);
    if (file.read(head.data(), head.size()) != head.size())
        return Read::Other;
    Header h;
    if (!parseHeader(reinterpret_cast<const uchar*>(head.constData()), head.size(), size, &h) ||
        !file.seek(h.data))
        return Read::Other;
    KFreeBitmap(bitmap);
    if (KAllocBitmap(bitmap, 1 | K_ALLOC_UNCLEARED, h.width, h.height, 8 * h.channels, RB_ORDER_BGR,
                     nullptr, rowOrder) != K_OK) {
        *error = QStringLiteral("cannot hold a %1 x %2 picture").arg(h.width).arg(h.height);
        return Read::Failed;
    }
    const size_t rowBytes = size_t(h.width) * size_t(h.channels);
    const size_t stride = size_t(bitmap->BytesPerLine);
    // Rows that follow one another in memory as in the file take one read
    // a block; others go through one block of room.
    const bool inPlace = stride == rowBytes && bitmap->RowOrder != RB_ROWS_BOTTOM_UP;
    const int rowsAtOnce = rowsPerBlock(rowBytes);
    std::vector<uint8_t> room(inPlace ? 0 : rowBytes * size_t(rowsAtOnce));
    bool ok = true;
    const intptr_t token = KBeginAccess(bitmap);
    for (int y = 0; ok && y < h.height; y += rowsAtOnce) {
        const int rows = std::min(rowsAtOnce, h.height - y);
        const qint64 bytes = qint64(rowBytes) * rows;
        uint8_t* into = inPlace ? KRowAddress(bitmap, y) : room.data();
        ok = file.read(reinterpret_cast<char*>(into), bytes) == bytes;
        for (int r = 0; ok && r < rows; ++r) {
            uint8_t* row = KRowAddress(bitmap, storedRow(*bitmap, y + r));
            if (!inPlace) {
                std::memcpy(row, room.data() + size_t(r) * rowBytes, rowBytes);
                std::memset(row + rowBytes, 0, stride - rowBytes);
            }
            if (h.channels == 3)
                KConvertRow(row, h.width, 24, 24, RB_ORDER_RGB, RB_ORDER_BGR, nullptr, nullptr);
        }
    }
    KEndAccess(bitmap, token);
    if (!ok) {
        KFreeBitmap(bitmap);
        *error = QStringLiteral("cannot read %1: %2")
                     .arg(path, file.error() != QFileDevice::NoError
                                    ? file.errorString()
                                    : QStringLiteral("the file ended before its samples"));
        return Read::Failed;
    }
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
    const int rowsAtOnce = rowsPerBlock(rowBytes);
    std::vector<uint8_t> block(rowBytes * size_t(rowsAtOnce));
    const QByteArray header = (colour ? QByteArrayLiteral("P6\n") : QByteArrayLiteral("P5\n")) +
                              QByteArray::number(width) + ' ' + QByteArray::number(bitmap.Height) +
                              "\n255\n";
    bool ok = device->write(header) == header.size();
    const intptr_t token = KBeginAccess(&bitmap);
    for (int y = 0; ok && y < bitmap.Height; y += rowsAtOnce) {
        const int rows = std::min(rowsAtOnce, bitmap.Height - y);
        for (int r = 0; r < rows; ++r) {
            const uint8_t* row = KRowAddress(&bitmap, storedRow(bitmap, y + r));
            uint8_t* out = block.data() + size_t(r) * rowBytes;
            if (bitmap.BitsPerPixel == 24) {
                std::memcpy(out, row, rowBytes);
                if (bitmap.ColorOrder == RB_ORDER_BGR)
                    KConvertRow(out, width, 24, 24, RB_ORDER_BGR, RB_ORDER_RGB, nullptr, nullptr);
            } else if (colour) {
                for (int x = 0; x < width; ++x)
                    out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = row[x];
            } else {
                std::memcpy(out, row, rowBytes);
            }
        }
        const qint64 bytes = qint64(rowBytes) * rows;
        ok = device->write(reinterpret_cast<const char*>(block.data()), bytes) == bytes;
    }
    KEndAccess(&bitmap, token);
    if (!ok)
        *error = device->errorString();
    return ok;
}

} // namespace imgfxcli
