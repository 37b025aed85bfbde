#pragma once

#include "document/ImageMapDoc.h"
#include "model/MapArea.h"
#include "model/PictureSource.h"
#include "model/Settings.h"
#include "raster/PackedDib.h"
#include "support/QtTestApp.h"
#include "view/AreaStyle.h"
#include "view/ImageMapView.h"
#include "view/StatusPanes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>

#include <memory>

namespace ViewTest {

// Hands out copies of one packed bitmap for any path.
class StubPictures : public PictureSource {
public:
    QByteArray packed;
    bool locate(Location&, DocumentDialogs&) override { return true; }
    std::unique_ptr<LoadedImage> load(const QString&) override {
        return LoadedImage::fromPackedDib(packed);
    }
};

// Remembers what the view wrote to the zoom pane.
class RecordingPanes : public StatusPanes {
public:
    QList<ZoomLevel> zooms;
    void showState(int, int) override {}
    void showPosition(int, int) override {}
    void showDimensions(int, int) override {}
    void showZoom(ZoomLevel zoom) override { zooms << zoom; }
    void showPrompt(const QString&) override {}
};

// Collects the regions a widget is asked to paint.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
    void clear() {
        painted = QRegion();
        paints = 0;
    }
};

inline QImage solid(int w, int h, QRgb color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A document holding picture and no areas.
inline std::unique_ptr<CImageMapDoc> documentWith(StubPictures& pictures, const QImage& picture) {
    pictures.packed = PackedDib::fromImage(picture);
    auto doc = std::make_unique<CImageMapDoc>(nullptr, &pictures);
    CImageMapDoc::NewMapStart start;
    start.imagePath = QStringLiteral("picture.png");
    doc->newDocument(start);
    return doc;
}

// Appends a rectangle, circle or polygon given in image pixels.
inline const MapArea* addRect(CImageMapDoc& doc, PixelRect r,
                              AreaShape shape = AreaShape::Rectangle, const QByteArray& url = {}) {
    auto area = std::make_unique<MapArea>(shape);
    area->setRect(r);
    area->setUrl(url);
    return doc.addArea(std::move(area));
}

inline const MapArea* addPolygon(CImageMapDoc& doc, const QList<QPoint>& points) {
    auto area = std::make_unique<MapArea>(AreaShape::Polygon);
    for (QPoint p : points)
        area->addVertex(p.x(), p.y());
    return doc.addArea(std::move(area));
}

// What the view shows, painted afresh.
inline QImage shot(CImageMapView& view) {
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb rgbOf(quint32 colorRef) {
    return rgbOfColorRef(colorRef);
}

// Shows the view at a size with its first showing done and everything
// painted.
inline void showAt(CImageMapView& view, int w, int h) {
    view.resize(w, h);
    view.show();
    QCoreApplication::processEvents();
    view.applyFirstShow();
    QCoreApplication::processEvents();
}

// Fresh default settings for every test, with the fit on open off unless a
// test turns it on.
inline void resetSettings() {
    qtTestApp();
    Settings::app() = Settings();
    Settings::app().zoomToFit = false;
    AreaStyle::rebuild();
}

} // namespace ViewTest
