#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>

// Small pictures with known pixels for the raster and loading tests.
namespace TestPictures {

// A palette picture of `colours` entries whose pixels run through them.
inline QImage palette(int width, int height, int colours) {
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table << qRgb((i * 37) & 0xff, (i * 91) & 0xff, (255 - i * 13) & 0xff);
    image.setColorTable(table);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, uint((x + 3 * y) % colours));
    }
    return image;
}

// A direct-colour picture of one colour.
inline QImage solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A direct-colour picture, every pixel different within a row.
inline QImage rgb(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xff, (y * 11) & 0xff, (x * y) & 0xff));
    }
    return image;
}

inline QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The same pixels, whatever the formats.
inline bool samePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace TestPictures
