// tessary-shot: shows a map in the map view and writes what the window
// shows to a PNG file, for looking at the view without the editor around
// it. scripts/shots runs it under Xvfb on the bundled sample.
#include "document/ImageMapDoc.h"
#include "model/PictureSource.h"
#include "model/Settings.h"
#include "raster/PackedDib.h"
#include "view/ImageMapView.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPixmap>

#include <cstdio>

namespace {

// Decodes pictures with Qt's readers into the packed bitmap a document
// holds; finds them only where the map says.
class FilePictures : public PictureSource {
public:
    bool locate(Location& where, DocumentDialogs&) override {
        return QFileInfo(where.imagePath).isFile();
    }
    std::unique_ptr<LoadedImage> load(const QString& path) override {
        QImageReader reader(path);
        const QImage picture = reader.read();
        if (picture.isNull())
            return nullptr;
        return LoadedImage::fromPackedDib(PackedDib::fromImage(PackedDib::flattened(picture)));
    }
};

QPoint pair(const QString& text, QChar separator) {
    const QStringList parts = text.split(separator);
    return parts.size() == 2 ? QPoint(parts[0].toInt(), parts[1].toInt()) : QPoint();
}

void addOptions(QCommandLineParser& p) {
    p.addHelpOption();
    p.addPositionalArgument("map", "The map file to open (.map, .imp).");
    p.addPositionalArgument("out", "The PNG file to write.");
    p.addOptions({
        {"zoom", "A zoom level (\"1:4\", \"3:1\" or 3); without it the first showing fits.",
         "level"},
        {"size", "Window size (default 640x400).", "WxH", "640x400"},
        {"scroll", "Scroll position in window pixels.", "x,y"},
        {"select", "Index of the selected area.", "i"},
        {"flyby", "Index of the area under the mouse.", "i"},
        {"grid", "Show the grid: lines or crosses.", "kind"},
        {"grid-size", "Grid spacing in picture pixels (default 20).", "n", "20"},
        {"no-fill", "Do not hatch the areas."},
        {"no-handles", "Do not draw handles."},
        {"draw", "Draw with the tools: a rectangle, a circle and a polygon, and leave a "
                 "new polygon's band under way."},
    });
}

void mouse(CImageMapView& view, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
    QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &event);
}

// As a user draws, by mouse events at points given as fractions of the
// picture.
// A level given as "n" (n:1) or "a:b" ("1:4"); 1:1 for anything else.
ZoomLevel levelFrom(const QString& text) {
    for (ZoomLevel z : ZoomLevel::levels()) {
        if (z.text() == text || (!z.isReducing() && QString::number(z.num()) == text))
            return z;
    }
    return {};
}

void drawWithTools(CImageMapView& view, ToolZoomState& tools) {
    const QSize picture(view.document()->imageWidth(), view.document()->imageHeight());
    const auto at = [&](double x, double y) {
        return view.imageToWindow({int(x * picture.width()), int(y * picture.height())}) +
               QPoint(1, 1);
    };
    const auto drag = [&](QPoint from, QPoint to) {
        mouse(view, QEvent::MouseButtonPress, from);
        mouse(view, QEvent::MouseMove, to);
        mouse(view, QEvent::MouseButtonRelease, to);
    };
    const auto click = [&](QPoint p) {
        mouse(view, QEvent::MouseButtonPress, p);
        mouse(view, QEvent::MouseButtonRelease, p);
    };
    Settings::app().areaPrompt = false;
    tools.setTool(ToolZoomState::Tool::Rectangle);
    drag(at(0.05, 0.1), at(0.3, 0.4));
    tools.setTool(ToolZoomState::Tool::Circle);
    drag(at(0.5, 0.3), at(0.6, 0.3));
    tools.setTool(ToolZoomState::Tool::Polygon);
    for (QPoint p : {at(0.7, 0.1), at(0.95, 0.2), at(0.85, 0.5)})
        click(p);
    mouse(view, QEvent::MouseButtonDblClick, at(0.85, 0.5));
    mouse(view, QEvent::MouseButtonRelease, at(0.85, 0.5));
    // Left under way: a new polygon's band.
    click(at(0.1, 0.6));
    click(at(0.4, 0.65));
    mouse(view, QEvent::MouseMove, at(0.3, 0.9));
}

void applySettings(const QCommandLineParser& p) {
    Settings& s = Settings::app();
    s.fillArea = !p.isSet("no-fill");
    s.showHandles = !p.isSet("no-handles");
    if (p.isSet("grid")) {
        s.grid.enabled = true;
        s.grid.visible = p.value("grid") == "crosses" ? 2 : 1;
        s.grid.sizeX = s.grid.sizeY = p.value("grid-size").toInt();
    }
    Settings::announceChange();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);
    if (parser.positionalArguments().size() != 2)
        parser.showHelp(2);
    applySettings(parser);

    FilePictures pictures;
    CImageMapDoc doc(nullptr, &pictures);
    if (!doc.openDocument(parser.positionalArguments()[0])) {
        std::fprintf(stderr, "tessary-shot: cannot open the map or its picture\n");
        return 1;
    }
    ToolZoomState tools;
    CImageMapView view(&doc, nullptr, nullptr, &tools);
    const QPoint size = pair(parser.value("size"), 'x');
    view.resize(size.x() > 0 ? size.x() : 640, size.y() > 0 ? size.y() : 400);
    view.show();
    view.applyFirstShow();
    if (parser.isSet("zoom"))
        view.setZoom(levelFrom(parser.value("zoom")));
    if (parser.isSet("scroll"))
        view.setScrollPosition(pair(parser.value("scroll"), ','));
    view.setSelected(parser.isSet("select") ? parser.value("select").toInt() : -1);
    view.setFlyby(parser.isSet("flyby") ? parser.value("flyby").toInt() : -1);
    if (parser.isSet("draw"))
        drawWithTools(view, tools);
    app.processEvents();
    if (!view.grab().save(parser.positionalArguments()[1], "png")) {
        std::fprintf(stderr, "tessary-shot: cannot write %s\n",
                     qPrintable(parser.positionalArguments()[1]));
        return 1;
    }
    return 0;
}
