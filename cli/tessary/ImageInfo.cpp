#include "ImageInfo.h"

#include "MapJson.h"
#include "app/ImageLoadTexts.h"
#include "model/ImageLocator.h"
#include "model/ImageMapDoc.h"
#include "raster/ImageProbe.h"
#include "raster/RasterDispid.h"

#include <QFileInfo>

QByteArray ImageInfo::json(const CImageMapDoc& doc) {
    // After an Open without picture source the document holds the picture
    // path exactly as Open hands it to the locating step (empty when the
    // map names none); its map path may have become the page beside the map
    // file, which has the same folder and base name.
    PictureSource::Location where{doc.imagePath(), doc.mapPath()};
    ImageProbe::Info info;
    if (!ImageLocator::search(where) ||
        ImageProbe::probeFile(where.imagePath, &info) != RasterStatus::Ok)
        return "null";
    return "{\"path\": " + MapJson::quote(QFileInfo(where.imagePath).absoluteFilePath()) +
           ", \"width\": " + QByteArray::number(info.width) +
           ", \"height\": " + QByteArray::number(info.height) +
           ", \"bits\": " + QByteArray::number(info.bits) +
           ", \"format\": " + MapJson::quote(ImageLoadTexts::formatName(info.format)) + "}";
}
