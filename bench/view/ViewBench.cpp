// Repainting the map view over a 4000 x 3000 24-bit picture carrying 1,024
// areas with hatch fill and handles, in a 1920 x 1080 window: a full repaint
// at 1:1 and at 8:1, one scroll step, and one mouse move (its feedback
// painted) during a handle drag and during a polygon's rubber band at 8:1; Select All of the 1,024
// areas at 1:1 and one mouse move of all of them dragged together at 1:4. The reference is the
// least any repaint costs: one unscaled copy of a window-sized picture onto a window-sized image.
// Times are wall time (what the user waits, including whatever else the machine runs) and this
// thread's processor time (cpu_ms: what the work itself costs); "ratio" compares processor times,
// view / reference.
#include "bench/support/BenchMaps.h"
#include "bench/support/BenchPictures.h"
#include "bench/support/ThreadTime.h"
#include "bench/support/WidgetBenchMain.h"
#include "document/ImageMapDoc.h"
#include "model/PictureSource.h"
#include "model/Settings.h"
#include "raster/PackedDib.h"
#include "view/ImageMapView.h"
#include "view/ViewInteraction.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>

namespace {

constexpr int kPictureWidth = 4000;
constexpr int kPictureHeight = 3000;
constexpr QSize kWindow(1920, 1080);

// Counts the pixels the view is asked to paint.
class PaintCounter : public QObject {
public:
    qint64 pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += qint64(r.width()) * r.height();
        }
        return false;
    }
};

struct Scene {
    BenchPictures pictures;
    CImageMapDoc doc{nullptr, &pictures};
    ToolZoomState toolZoom;
    std::unique_ptr<CImageMapView> view;
    PaintCounter counter;
    QImage windowPicture =
        benchShading(kWindow.width(), kWindow.height()).convertToFormat(QImage::Format_RGB32);
    QImage target{kWindow, QImage::Format_ARGB32_Premultiplied};

    Scene() {
        Settings::app().fillArea = true;
        Settings::app().showHandles = true;
        Settings::app().zoomToFit = false;
        Settings::announceChange();
        pictures.packed = PackedDib::fromImage(benchShading(kPictureWidth, kPictureHeight));
        CImageMapDoc::NewMapStart start;
        start.imagePath = QStringLiteral("bench.png");
        doc.newDocument(start);
        addGridAreas(doc, {kPictureWidth, kPictureHeight}, 10);
        view = std::make_unique<CImageMapView>(&doc, nullptr, nullptr, &toolZoom);
        view->resize(kWindow);
        view->show();
        view->applyFirstShow();
        QCoreApplication::processEvents();
        view->viewport()->installEventFilter(&counter);
    }

    void at(ZoomLevel zoom) {
        view->setZoom(zoom);
        const QSize scaled = view->scaledImageSize();
        view->setScrollPosition(
            {(scaled.width() - kWindow.width()) / 2, (scaled.height() - kWindow.height()) / 2});
        QCoreApplication::processEvents();
        counter.pixels = 0;
    }

    // Processor time of one reference copy.
    double referenceSeconds();
};

Scene* g_scene = nullptr;

// This thread's processor time: what the work costs, whatever else the
// machine is running meanwhile.
double Scene::referenceSeconds() {
    const double start = threadSeconds();
    QPainter painter(&target);
    painter.drawImage(0, 0, windowPicture);
    painter.end();
    return threadSeconds() - start;
}

// Times step once per iteration (wall time for the benchmark, processor
// time beside the reference painting of the same frame).
template <class Step>
void measure(benchmark::State& state, Step step) {
    double referenceTotal = 0, cpuTotal = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        const double cpu = threadSeconds();
        timer.start();
        step();
        const double seconds = timer.nsecsElapsed() * 1e-9;
        cpuTotal += threadSeconds() - cpu;
        referenceTotal += g_scene->referenceSeconds();
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["cpu_ms"] = 1e3 * cpuTotal / n;
    state.counters["reference_cpu_ms"] = 1e3 * referenceTotal / n;
    state.counters["ratio"] = cpuTotal / referenceTotal;
    state.counters["painted_px"] = double(g_scene->counter.pixels) / n;
}

void fullRepaint(benchmark::State& state, ZoomLevel zoom) {
    g_scene->at(zoom);
    measure(state, [] { g_scene->view->viewport()->repaint(); });
}

// One step of the scroll bar's arrow, alternately right and left, painted as
// the event loop paints it.
void scrollStep(benchmark::State& state, ZoomLevel zoom) {
    g_scene->at(zoom);
    QScrollBar* bar = g_scene->view->horizontalScrollBar();
    bool right = true;
    measure(state, [&] {
        bar->triggerAction(right ? QAbstractSlider::SliderSingleStepAdd
                                 : QAbstractSlider::SliderSingleStepSub);
        QCoreApplication::processEvents();
        right = !right;
    });
    state.counters["step_px"] = bar->singleStep();
}

void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QWidget* viewport = g_scene->view->viewport();
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
}

// The mouse moves 16 window pixels (2 picture pixels) back and forth, each
// move painted as the event loop paints it.
void moves(benchmark::State& state, QPoint from) {
    bool out = true;
    measure(state, [&] {
        mouse(QEvent::MouseMove, out ? from + QPoint(16, 16) : from, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents();
        out = !out;
    });
    g_scene->view->cancelInteraction();
    QCoreApplication::processEvents();
}

// The top-left handle of the rectangle at the window's centre (area 528,
// picture (2010, 1498) - (2115, 1571)), at 8:1.
void BM_HandleDragMove_8to1(benchmark::State& state) {
    g_scene->at(ZoomLevel::in(8));
    CImageMapView& view = *g_scene->view;
    view.setFocus();
    const PixelRect handle = view.geometryOf(528).handle(0);
    const QPoint press(handle.left + handle.width() / 2, handle.top + handle.height() / 2);
    mouse(QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    g_scene->counter.pixels = 0;
    if (!view.interaction())
        state.SkipWithError("no drag started");
    moves(state, press);
}

// A polygon of three points drawn between the areas, its band following
// the mouse. A full map takes no new area, so the last area (in the far
// corner, out of sight) makes room for it.
void BM_PolygonBandMove_8to1(benchmark::State& state) {
    if (g_scene->doc.isFull())
        g_scene->doc.deleteArea(g_scene->doc.areaCount() - 1);
    g_scene->at(ZoomLevel::in(8));
    CImageMapView& view = *g_scene->view;
    Settings::app().areaPrompt = false;
    const QPoint first = view.imageToWindow({2000, 1490});
    g_scene->toolZoom.setTool(ToolZoomState::Tool::Polygon);
    for (QPoint p : {first, first + QPoint(400, 0), first + QPoint(400, 300)}) {
        mouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }
    QCoreApplication::processEvents();
    g_scene->counter.pixels = 0;
    if (!view.interaction())
        state.SkipWithError("no polygon started");
    moves(state, first + QPoint(200, 400));
    g_scene->toolZoom.setTool(ToolZoomState::Tool::Arrow);
}

// Select All of the 1,024 areas, painted as the event loop paints it
// (every area changes its look), alternately with clearing the selection.
void BM_SelectAll_1to1(benchmark::State& state) {
    g_scene->at(ZoomLevel::in(1));
    CImageMapView& view = *g_scene->view;
    bool all = true;
    measure(state, [&] {
        if (all)
            view.selectAll();
        else
            view.setSelected(-1);
        QCoreApplication::processEvents();
        all = !all;
    });
    view.setSelected(-1);
}

// Every area selected and moved together by the body of the one at the
// window's centre: one mouse move of the group (its box's outline, which
// shows whole at 1:4).
void BM_GroupMove_1to4(benchmark::State& state) {
    g_scene->at(ZoomLevel::out(4));
    CImageMapView& view = *g_scene->view;
    view.setFocus();
    view.selectAll();
    QCoreApplication::processEvents();
    const PixelRect box = view.geometryOf(528).windowRect();
    const QPoint press(box.left + box.width() / 2, box.top + box.height() / 2);
    mouse(QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    g_scene->counter.pixels = 0;
    if (!view.interaction())
        state.SkipWithError("no group move started");
    moves(state, press);
    view.setSelected(-1);
}

void BM_FullRepaint_1to1(benchmark::State& state) {
    fullRepaint(state, ZoomLevel::in(1));
}
void BM_FullRepaint_8to1(benchmark::State& state) {
    fullRepaint(state, ZoomLevel::in(8));
}
void BM_ScrollStep_1to1(benchmark::State& state) {
    scrollStep(state, ZoomLevel::in(1));
}
void BM_ScrollStep_8to1(benchmark::State& state) {
    scrollStep(state, ZoomLevel::in(8));
}

} // namespace

BENCHMARK(BM_FullRepaint_1to1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaint_8to1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollStep_1to1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollStep_8to1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandleDragMove_8to1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PolygonBandMove_8to1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAll_1to1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupMove_1to4)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv, g_scene);
}
