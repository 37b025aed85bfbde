// Maps at scale, side by side with the map size the other benchmarks use:
// 1,024 polygons of 63 points (the most a map held before maps grew) and
// 10,000 polygons of 100 points (one million points), as jagged rings over
// a 4000 x 3000 picture in a 1920 x 1080 window at Zoom to Fit.
//
//   Repaint        a full repaint of the window (aim: under 16 ms), with
//                  hatch fill and handles (/1) and outlines only (/0): the
//                  areas come from the view's kept layer
//   RepaintAll     the same after a change that draws every area again
//                  (a setting, the zoom): the layer built anew
//   SelectOne      a click's change of selection from one area to another,
//                  and its repaint
//   SelectAll      Select All and selecting none in turn, with the repaint
//   Scroll         one scroll step at 1:1, with the uncovered strip's paint
//   HitTest        one mouse move with the arrow tool: the hit test under
//                  the mouse, the flyby and the cursor (aim: under 1 ms);
//                  walk_all_ms is what the hit test cost when it asked
//                  every area in turn
//   MapCheck       one whole idle run of the map check (aim: under 2 s),
//                  worst_pass_ms the longest single idle pass (aim: 5 ms)
//   AreaList*      the area list over 100,000 areas: one area changed,
//                  and every row selected, each shown as the event loop
//                  shows it
//
// Times are processor time of this thread (cpu_ms) beside wall time.
#include "bench/support/BenchPictures.h"
#include "bench/support/ThreadTime.h"
#include "bench/support/TimedSteps.h"
#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "raster/PackedDib.h"
#include "view/AreaListPane.h"
#include "view/ImageMapView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <map>

namespace {

constexpr int kPictureWidth = 4000;
constexpr int kPictureHeight = 3000;
constexpr QSize kWindow(1920, 1080);

// count polygons of points vertices each, one per cell of a grid over the
// picture: rings whose radius goes in and out, as coastlines do.
void addRings(CImageMapDoc& doc, int count, int points) {
    const int columns = int(std::ceil(std::sqrt(count * 4.0 / 3.0)));
    const int rows = (count + columns - 1) / columns;
    const double cellW = double(kPictureWidth) / columns, cellH = double(kPictureHeight) / rows;
    std::vector<PictureArea> areas;
    areas.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const double cx = (i % columns + 0.5) * cellW, cy = (i / columns + 0.5) * cellH;
        const double r = std::min(cellW, cellH) * 0.45;
        MapArea a(AreaShape::Polygon);
        for (int k = 0; k < points; ++k) {
            const double t = 2 * M_PI * k / points;
            const double rk = r * (k % 2 ? 0.75 : 1.0) * (1 + 0.1 * std::sin(3 * t + i));
            a.addVertex(int(cx + rk * std::cos(t)), int(cy + rk * std::sin(t)));
        }
        a.setUrl("states/" + QByteArray::number(i) + ".html");
        areas.push_back(a.picture());
    }
    doc.addAreas(areas, 0);
}

struct Scene {
    BenchPictures pictures;
    CImageMapDoc doc{nullptr, &pictures};
    ToolZoomState toolZoom;
    std::unique_ptr<CImageMapView> view;

    Scene(int count, int points) {
        pictures.packed = PackedDib::fromImage(benchShading(kPictureWidth, kPictureHeight));
        CImageMapDoc::NewMapStart start;
        start.imagePath = QStringLiteral("bench.png");
        doc.newDocument(start);
        addRings(doc, count, points);
        view = std::make_unique<CImageMapView>(&doc, nullptr, nullptr, &toolZoom);
        view->resize(kWindow);
        view->show();
        view->applyFirstShow();
        view->setZoom(view->fittingZoom());
        QCoreApplication::processEvents();
    }
};

// Made on first use, let go before the application ends.
std::map<int, std::unique_ptr<Scene>> g_scenes;

Scene& sceneOf(int count) {
    std::unique_ptr<Scene>& s = g_scenes[count];
    if (!s)
        s = std::make_unique<Scene>(count, count <= 1024 ? 63 : 100);
    return *s;
}

void label(benchmark::State& state, const CImageMapDoc& doc) {
    qint64 points = 0;
    for (int i = 0; i < doc.areaCount(); ++i)
        points += doc.area(i)->vertexCount();
    state.SetLabel(std::to_string(doc.areaCount()) + " areas, " + std::to_string(points) +
                   " points");
}

// range(1): 1 with hatch fill and handles (the defaults), 0 outlines only.
void BM_Repaint(benchmark::State& state) {
    Scene& s = sceneOf(int(state.range(0)));
    Settings::app().fillArea = state.range(1) != 0;
    Settings::app().showHandles = state.range(1) != 0;
    Settings::announceChange();
    QCoreApplication::processEvents();
    timeSteps(state, [&] { s.view->viewport()->repaint(); });
    label(state, s.doc);
}

void BM_RepaintAll(benchmark::State& state) {
    Scene& s = sceneOf(int(state.range(0)));
    Settings::app().fillArea = state.range(1) != 0;
    Settings::app().showHandles = state.range(1) != 0;
    Settings::announceChange();
    QCoreApplication::processEvents();
    timeSteps(state, [&] {
        s.view->settingsChanged();
        s.view->viewport()->repaint();
    });
    label(state, s.doc);
}

void BM_LayOut(benchmark::State& state) {
    Scene& s = sceneOf(int(state.range(0)));
    timeSteps(state, [&] { s.view->settingsChanged(); });
    QCoreApplication::processEvents();
    label(state, s.doc);
}

// Times select(view, k) for k = 0, 1, ... with the repaint it asks for,
// and leaves nothing selected.
void timeSelecting(benchmark::State& state,
                   const std::function<void(CImageMapView&, int)>& select) {
    Scene& s = sceneOf(int(state.range(0)));
    int k = 0;
    timeSteps(state, [&] {
        select(*s.view, k++);
        QCoreApplication::processEvents();
    });
    s.view->setSelected(-1);
    QCoreApplication::processEvents();
    label(state, s.doc);
}

void BM_SelectOne(benchmark::State& state) {
    const int count = int(state.range(0));
    timeSelecting(state,
                  [count](CImageMapView& view, int k) { view.setSelected(k * 7919 % count); });
}

void BM_SelectAll(benchmark::State& state) {
    timeSelecting(state, [](CImageMapView& view, int k) {
        if (k % 2 == 0)
            view.selectAll();
        else
            view.setSelected(-1);
    });
}

void BM_Scroll(benchmark::State& state) {
    Scene& s = sceneOf(int(state.range(0)));
    const ZoomLevel fit = s.view->zoom();
    s.view->setZoom(ZoomLevel::in(1));
    QCoreApplication::processEvents();
    s.view->viewport()->repaint();
    int k = 0;
    timeSteps(state, [&] {
        const QPoint at = s.view->scrollPosition();
        s.view->setScrollPosition(at + QPoint(0, (k++ / 20) % 2 ? -32 : 32));
        s.view->viewport()->repaint();
    });
    s.view->setZoom(fit);
    QCoreApplication::processEvents();
    label(state, s.doc);
}

void BM_HitTest(benchmark::State& state) {
    Scene& s = sceneOf(int(state.range(0)));
    QWidget* viewport = s.view->viewport();
    QRandomGenerator random(9);
    timeSteps(state, [&] {
        const QPoint at(int(random.bounded(viewport->width())),
                        int(random.bounded(viewport->height())));
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
    });
    // What the hit test cost when every area was asked in turn.
    double walk = 0;
    const int probes = 200;
    for (int k = 0; k < probes; ++k) {
        const QPoint at(int(random.bounded(viewport->width())),
                        int(random.bounded(viewport->height())));
        const double start = threadSeconds();
        int found = -1;
        for (int i = 0; i < s.doc.areaCount() && found < 0; ++i) {
            if (s.view->hitArea(i, at).code != AreaHit::Miss)
                found = i;
        }
        benchmark::DoNotOptimize(found);
        walk += threadSeconds() - start;
    }
    state.counters["walk_all_ms"] = 1e3 * walk / probes;
    label(state, s.doc);
}

void BM_MapCheck(benchmark::State& state) {
    Scene& s = sceneOf(int(state.range(0)));
    double worst = 0;
    timeSteps(state, [&] {
        bool more = true;
        for (int n = 0; more; ++n) {
            const double start = threadSeconds();
            more = s.doc.runMapCheckStep(n, nullptr);
            worst = std::max(worst, threadSeconds() - start);
        }
    });
    state.counters["worst_pass_ms"] = 1e3 * worst;
    label(state, s.doc);
}

// The list over a map of 100,000 rectangles.
struct ListScene {
    CImageMapDoc doc;
    std::unique_ptr<AreaListPane> list;
    ListScene() {
        std::vector<PictureArea> areas;
        for (int i = 0; i < MapArea::kMaxAreas; ++i) {
            MapArea a;
            a.setRect((i % 400) * 10, (i / 400) * 10, (i % 400) * 10 + 8, (i / 400) * 10 + 8);
            a.setUrl("u" + QByteArray::number(i));
            areas.push_back(a.picture());
        }
        doc.addAreas(areas, 0);
        list = std::make_unique<AreaListPane>(doc);
        list->resize(400, 800);
        list->show();
        QCoreApplication::processEvents();
    }
};

std::unique_ptr<ListScene> g_list;

ListScene& listScene() {
    if (!g_list)
        g_list = std::make_unique<ListScene>();
    return *g_list;
}

void BM_AreaListOneChange(benchmark::State& state) {
    ListScene& s = listScene();
    int k = 0;
    timeSteps(state, [&] {
        const int i = (k++ * 7919) % s.doc.areaCount();
        s.doc.changeArea(i, [k](MapArea& a) { a.setUrl("v" + QByteArray::number(k)); });
        QCoreApplication::processEvents();
    });
    state.SetLabel(std::to_string(s.doc.areaCount()) + " rows");
}

void BM_AreaListSelectAll(benchmark::State& state) {
    ListScene& s = listScene();
    std::vector<int> all(std::size_t(s.doc.areaCount()));
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = int(i);
    bool every = true;
    timeSteps(state, [&] {
        s.list->showSelection(every ? all : std::vector<int>{});
        QCoreApplication::processEvents();
        every = !every;
    });
    state.SetLabel(std::to_string(s.doc.areaCount()) + " rows");
}

} // namespace

BENCHMARK(BM_Repaint)
    ->Args({1024, 1})
    ->Args({10000, 1})
    ->Args({1024, 0})
    ->Args({10000, 0})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintAll)
    ->Args({1024, 1})
    ->Args({10000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayOut)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectOne)->Arg(1024)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAll)->Arg(1024)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scroll)->Arg(1024)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HitTest)->Arg(1024)->Arg(10000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MapCheck)->Arg(1024)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AreaListOneChange)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AreaListSelectAll)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Settings::app().zoomToFit = false;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_list.reset();
    g_scenes.clear();
    return 0;
}
