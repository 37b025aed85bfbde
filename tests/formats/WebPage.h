#pragma once

#include "model/MapArea.h"
#include "model/MapInfo.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// The map the browser tests publish: drawn on a picture of 200 x 120, a
// rectangle "R", a circle "C", a triangle "P" and a rectangle "O" that R
// overlaps (R comes first, so R wins there), with a default URL; and the
// probe points, in the picture's pixels, just inside and just outside
// each area.
namespace WebPage {

inline constexpr int kDrawnWidth = 200;
inline constexpr int kDrawnHeight = 120;

using Areas = std::vector<std::unique_ptr<MapArea>>;
Areas areas();
// withDefault adds the default URL, which the image map and the SVG
// overlay answer with "#default" off every area.
MapInfo info(bool scales, bool highlights, bool withDefault = false);

struct Probe {
    double x, y;      // in the picture's pixels
    const char* area; // the ALT text of the area hit there, "" for none
};
const std::vector<Probe>& probes();

// Writes the picture (pic.png at the drawn size, pic2x.png at twice it)
// into dir.
void writePictures(const QTemporaryDir& dir);
// The page at dir/name: the map saved by the editor's writer into old.
QString savePage(const QTemporaryDir& dir, const QString& name, const QByteArray& old,
                 const MapInfo& info);

} // namespace WebPage
