// The map view far out: an 8,000 x 6,000 24-bit picture carrying 1,024
// areas (hatch fill and handles on) in a 1920 x 1080 window at Zoom to Fit
// (1:6): a full repaint from the kept reduction, and one mouse move of a
// handle drag at 1:8, its feedback painted. The reduction itself is made
// once per level, before the timing, as the view makes it on the first
// paint at a level. Times are wall time; cpu_ms is this thread's processor
// time.
#include "bench/support/BenchMaps.h"
#include "bench/support/BenchPictures.h"
#include "bench/support/ThreadTime.h"
#include "bench/support/TimedSteps.h"
#include "bench/support/WidgetBenchMain.h"
#include "document/ImageMapDoc.h"
#include "model/PictureSource.h"
#include "model/Settings.h"
#include "raster/PackedDib.h"
#include "view/ImageMapView.h"
#include "view/ViewInteraction.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>

namespace {

constexpr int kPictureWidth = 8000;
constexpr int kPictureHeight = 6000;
constexpr QSize kWindow(1920, 1080);

struct Scene {
    BenchPictures pictures;
    CImageMapDoc doc{nullptr, &pictures};
    ToolZoomState toolZoom;
    std::unique_ptr<CImageMapView> view;

    Scene() {
        Settings::app().fillArea = true;
        Settings::app().showHandles = true;
        Settings::announceChange();
        pictures.packed = PackedDib::fromImage(benchShading(kPictureWidth, kPictureHeight));
        CImageMapDoc::NewMapStart start;
        start.imagePath = QStringLiteral("bench.png");
        doc.newDocument(start);
        addGridAreas(doc, {kPictureWidth, kPictureHeight}, 20);
        view = std::make_unique<CImageMapView>(&doc, nullptr, nullptr, &toolZoom);
        view->resize(kWindow);
        view->show();
        view->applyFirstShow(); // larger than the window: Zoom to Fit
        QCoreApplication::processEvents();
    }
};

Scene* g_scene = nullptr;

void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QWidget* viewport = g_scene->view->viewport();
    QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
}

void BM_FitRepaint_8000x6000(benchmark::State& state) {
    CImageMapView& view = *g_scene->view;
    view.setZoom(view.fittingZoom());
    view.viewport()->repaint(); // the level's reduction, made once
    state.SetLabel(view.zoom().text().toStdString());
    timeSteps(state, [&] { view.viewport()->repaint(); });
}

// The bottom-right handle of the rectangle nearest the window's centre,
// dragged 8 window pixels (64 picture pixels) back and forth at 1:8.
void BM_HandleDragMove_1to8(benchmark::State& state) {
    CImageMapView& view = *g_scene->view;
    view.setZoom(ZoomLevel::out(8));
    view.setScrollPosition({0, 0});
    view.viewport()->repaint();
    const PixelRect handle = view.geometryOf(528).handle(2);
    const QPoint press(handle.left + handle.width() / 2, handle.top + handle.height() / 2);
    mouse(QEvent::MouseButtonPress, press, Qt::LeftButton);
    QCoreApplication::processEvents();
    if (!view.interaction())
        state.SkipWithError("no drag started");
    bool out = true;
    timeSteps(state, [&] {
        mouse(QEvent::MouseMove, out ? press + QPoint(8, 8) : press, Qt::LeftButton);
        QCoreApplication::processEvents();
        out = !out;
    });
    view.cancelInteraction();
    QCoreApplication::processEvents();
}

} // namespace

BENCHMARK(BM_FitRepaint_8000x6000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandleDragMove_1to8)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv, g_scene);
}
