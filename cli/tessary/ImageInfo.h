#pragma once

#include <QByteArray>

class CImageMapDoc;

// `--image-info`: the picture of a map opened without its picture, found as
// Open finds it but without asking anybody (no "Missing Image", no file
// dialog), and queried from its headers as the raster component queries a
// file before loading it; its pixels are not decoded. Commands that open a
// map add the result under the key "image" (README.md, tessary-cli).
namespace ImageInfo {

// {"path", "width", "height", "bits", "format"}: the picture file's
// absolute path, its size in pixels, the bits per pixel it loads with (1,
// 4, 8 or 24) and "GIF", "JPG", "PNG" or "Unknown" (another kind Qt reads).
// null when no picture file is found or the file is not a picture.
QByteArray json(const CImageMapDoc& doc);

} // namespace ImageInfo
