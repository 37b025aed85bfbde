#pragma once

#include "rkkernel/rkkernel.h"

#include <QString>

#include <memory>

class QImage;
class QIODevice;

namespace imgfxcli {

// A picture file held as a kernel bitmap of the file's own kind: 1-bit,
// 4- or 8-bit palette, 8-bit grey, 16-, 24- or 32-bit (32 for pictures with
// alpha, which rides in the fourth byte that filters leave alone). Rows
// are held top-down unless bottom-up storage is asked for.
class RasterImage {
public:
    RasterImage();
    ~RasterImage();
    RasterImage(const RasterImage&) = delete;
    RasterImage& operator=(const RasterImage&) = delete;

    // Reads a picture (binary PGM and PPM straight, others through Qt's
    // image readers), rows stored top-down or
    // (bottomUp) last picture row first; false with a message in error when
    // it cannot be read.
    bool load(const QString& path, QString* error, bool bottomUp = false);
    // Writes the picture in the format the file name's suffix names, in the
    // same kind where that format allows; the old file stays as it was on
    // failure.
    bool save(const QString& path, QString* error) const;
    // Whether a file named path can be written (its suffix names a format
    // with a writer); false with a message in error when not.
    static bool canWrite(const QString& path, QString* error);
    // Writes the picture to device in the format path's suffix names, as
    // save does but without the commit; false with a message in error.
    bool write(QIODevice* device, const QString& path, QString* error) const;

    RasterBitmap* bitmap() { return &bitmap_; }
    const RasterBitmap* bitmap() const { return &bitmap_; }

    // Adds a rectangle or an ellipse to the bitmap's region, given in
    // picture coordinates with the origin at the top-left.
    int addRect(int x, int y, int w, int h, bool ellipse);

    // The picture as a QImage of the matching format.
    QImage toImage() const;
    // Replaces the bitmap by the picture's pixels; kind is 1, 4, 8, 16, 24
    // or 32 (grey pictures pass as 8).
    bool fromImage(const QImage& image, int kind, int rowOrder, QString* error);

private:
    RasterBitmap bitmap_{};
    bool alpha_ = false;
};

// The stored bits per pixel a BMP or PNG file declares, or 0.
int declaredBits(const QString& path);

} // namespace imgfxcli
