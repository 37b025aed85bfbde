// The idle-time map check: one complete run (idle passes of about 3 ms each)
// over 1,024 mixed, overlapping areas on a 4000 x 3000 picture, beside the
// same check done with the platform's regions (QRegion intersection and
// union).
//
// Two maps: areas of 20 to 400 pixels (a tenth up to 1,200), dense enough
// that most lie under earlier ones; and areas of 20 to 150 pixels, which
// leave the covered region ragged, with many spans in a row.
//
// Counters: worst_pass_ms is the longest single idle pass seen in processor
// time of the thread (the editor must stay responsive, so it must stay well
// under 5 ms; wall-clock passes on a loaded machine also count the time the
// thread waits for a processor, shown as worst_pass_wall_ms), run_ms the
// mean processor time of a whole run (aim: under 100 ms), x_qregion the
// run's time divided by that of the QRegion check of the same map.
#include "bench/support/ThreadTime.h"
#include "document/ImageMapDoc.h"

#include <QRandomGenerator>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
// The map's areas: as many as a map held before maps grew (bench_scale
// measures 10,000).
constexpr int kAreas = 1024;

// A 20-vertex polygon around (cx, cy): star-shaped, its radius varying
// between r / 2 and r at each vertex.
std::unique_ptr<MapArea> starPolygon(QRandomGenerator& random, int cx, int cy, int r) {
    auto a = std::make_unique<MapArea>(AreaShape::Polygon);
    for (int k = 0; k < 20; ++k) {
        const double angle = 2 * M_PI * k / 20;
        const double radius = r * (0.5 + random.generateDouble() / 2);
        a->addVertex(cx + int(radius * std::cos(angle)), cy + int(radius * std::sin(angle)));
    }
    return a;
}

// Rectangles, circles and polygons in turn, 20 to maxSize pixels across (a
// tenth of them up to three times that), scattered so that many overlap and
// some lie wholly under earlier ones.
void fillMap(CImageMapDoc& doc, int maxSize) {
    QRandomGenerator random(4);
    for (int i = 0; i < kAreas; ++i) {
        const int size = 20 + int(random.bounded(i % 10 == 0 ? 3 * maxSize : maxSize));
        const int w = size, h = std::max(20, size * (50 + int(random.bounded(100))) / 100);
        const int l = int(random.bounded(kWidth - w)),
                  t = int(random.bounded(std::max(1, kHeight - h)));
        std::unique_ptr<MapArea> a;
        if (i % 3 == 2) {
            a = starPolygon(random, l + w / 2, t + h / 2, std::min(w, h) / 2);
        } else {
            a = std::make_unique<MapArea>(AreaShape(i % 3));
            a->setRect(l, t, l + w, t + h);
        }
        a->setUrl("u.htm");
        doc.addArea(std::move(a));
    }
}

CImageMapDoc& benchMap(int which) {
    static CImageMapDoc* docs[2] = {};
    if (!docs[which]) {
        docs[which] = new CImageMapDoc;
        fillMap(*docs[which], which == 0 ? 400 : 150);
    }
    return *docs[which];
}

// The same check with QRegion arithmetic; returns how many areas it found
// obscured.
int regionCheck(const CImageMapDoc& doc) {
    QRegion covered;
    int obscured = 0;
    for (int n = 0; n < doc.areaCount(); ++n) {
        QRegion r;
        if (!doc.area(n)->makeRegion(r))
            continue;
        if (n > 0 && r.intersected(covered) == r)
            ++obscured;
        covered += r;
    }
    return obscured;
}

double regionCheckSeconds(int which) {
    static double seconds[2] = {};
    if (seconds[which] == 0) {
        double best = 1e9;
        for (int run = 0; run < 3; ++run) {
            const double start = threadSeconds();
            benchmark::DoNotOptimize(regionCheck(benchMap(which)));
            best = std::min(best, threadSeconds() - start);
        }
        seconds[which] = best;
    }
    return seconds[which];
}

void MapCheckRun(benchmark::State& state) {
    const int which = int(state.range(0));
    CImageMapDoc& doc = benchMap(which);
    double worst = 0, worstWall = 0, total = 0;
    for (auto _ : state) {
        const double runStart = threadSeconds();
        bool more = true;
        for (int n = 0; more; ++n) {
            const double start = threadSeconds();
            const auto wallStart = Clock::now();
            more = doc.runMapCheckStep(n, nullptr);
            const auto wall = Clock::now() - wallStart;
            worst = std::max(worst, threadSeconds() - start);
            worstWall = std::max(worstWall, std::chrono::duration<double>(wall).count());
        }
        total += threadSeconds() - runStart;
    }
    int obscured = 0;
    for (int i = 0; i < doc.areaCount(); ++i)
        obscured += doc.area(i)->obscured() ? 1 : 0;
    const double run = total / double(state.iterations());
    state.SetLabel(std::to_string(doc.areaCount()) + " areas, " + std::to_string(obscured) +
                   " obscured");
    state.counters["worst_pass_ms"] = worst * 1e3;
    state.counters["worst_pass_wall_ms"] = worstWall * 1e3;
    state.counters["run_ms"] = run * 1e3;
    state.counters["x_qregion"] = run / regionCheckSeconds(which);
}

void QRegionCheckRun(benchmark::State& state) {
    int obscured = 0;
    for (auto _ : state)
        obscured = regionCheck(benchMap(int(state.range(0))));
    state.SetLabel(std::to_string(obscured) + " obscured");
}

BENCHMARK(MapCheckRun)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(QRegionCheckRun)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
