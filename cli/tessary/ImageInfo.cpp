#include "ImageInfo.h"

#include "MapJson.h"
#include "document/ImageMapDoc.h"
#include "model/ImageLocator.h"
#include "raster/ImageLoadTexts.h"
#include "raster/ImageProbe.h"
#include "raster/RasterDispid.h"

#include <QFileInfo>

std::optional<ImageInfo::Picture> ImageInfo::find(const CImageMapDoc& doc) {
    // After an Open without picture source the document holds the picture
    // path exactly as Open hands it to the locating step (empty when the
    // map names none); its map path may have become the page beside the map
    // file, which has the same folder and base name.
    PictureSource::Location where{doc.imagePath(), doc.mapPath()};
    ImageProbe::Info info;
    if (!ImageLocator::search(where) ||
        ImageProbe::probeFile(where.imagePath, &info) != RasterStatus::Ok)
        return std::nullopt;
    return Picture{QFileInfo(where.imagePath).absoluteFilePath(), info.width, info.height,
                   info.bits, info.format};
}

QByteArray ImageInfo::json(const std::optional<Picture>& picture) {
    if (!picture)
        return "null";
    return "{\"path\": " + MapJson::quote(picture->path) +
           ", \"width\": " + QByteArray::number(picture->width) +
           ", \"height\": " + QByteArray::number(picture->height) +
           ", \"bits\": " + QByteArray::number(picture->bits) +
           ", \"format\": " + MapJson::quote(ImageLoadTexts::formatName(picture->format)) + "}";
}
