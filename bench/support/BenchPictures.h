// The picture the view benchmarks show: a smooth shading with fine
// detail, so that neither scaling nor compression finds it trivial, handed
// to the document as a loaded picture.
#pragma once

#include "model/PictureSource.h"

#include <QImage>

#include <cmath>

class BenchPictures : public PictureSource {
public:
    QByteArray packed;
    bool locate(Location&, DocumentDialogs&) override { return true; }
    std::unique_ptr<LoadedImage> load(const QString&) override {
        return LoadedImage::fromPackedDib(packed);
    }
};

inline QImage benchShading(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x, row += 3) {
            row[0] = uchar(128 + 100 * std::sin(x * 0.003 + y * 0.001));
            row[1] = uchar(uchar(128 + 90 * std::cos(y * 0.004)) + ((x ^ y) & 31));
            row[2] = uchar(128 + 80 * std::sin((x + y) * 0.02));
        }
    }
    return image;
}
