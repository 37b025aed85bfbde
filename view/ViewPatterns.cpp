#include "view/ViewPatterns.h"

namespace {

// An 8 x 8 picture from eight rows of bits (bit 7 is the left column): set
// bits take `on`, clear bits `off`.
QImage fromBits(const unsigned char (&rows)[8], QRgb on, QRgb off) {
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 8; ++x)
            line[x] = (rows[y] >> (7 - x)) & 1 ? on : off;
    }
    return image;
}

} // namespace

namespace ViewPatterns {

QImage handle() {
    static const unsigned char rows[8] = {0xcc, 0xcc, 0x33, 0x33, 0xcc, 0xcc, 0x33, 0x33};
    return fromBits(rows, qRgb(0, 0, 0), qRgb(255, 255, 255));
}

QImage background(bool dark) {
    static const unsigned char rows[8] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
    if (dark)
        return fromBits(rows, qRgb(0x38, 0x3a, 0x3e), qRgb(0x2a, 0x2c, 0x30));
    return fromBits(rows, qRgb(0xc4, 0xc6, 0xca), qRgb(0xd8, 0xda, 0xde));
}

} // namespace ViewPatterns
