#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class CImageMapDoc;

// `--image-info`: the picture of a map opened without its picture, found as
// Open finds it but without asking anybody (no "Missing Image", no file
// dialog), and queried from its headers as the raster component queries a
// file before loading it; its pixels are not decoded. Commands that open a
// map add the result under the key "image" (README.md, tessary-cli).
namespace ImageInfo {

struct Picture {
    QString path; // absolute
    int width = 0;
    int height = 0;
    int bits = 0;   // bits per pixel it loads with: 1, 4, 8 or 24
    int format = 0; // raster format code: 2 GIF, 10 JPEG, 75 PNG
};

// The map's picture, or nothing when no picture file is found or the file
// is not a picture.
std::optional<Picture> find(const CImageMapDoc& doc);

// {"path", "width", "height", "bits", "format"} with the format as "GIF",
// "JPG", "PNG" or "Unknown" (another kind Qt reads); null for no picture.
QByteArray json(const std::optional<Picture>& picture);

} // namespace ImageInfo
