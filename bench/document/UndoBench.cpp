// Undo and redo on a full map: 1,024 mixed areas (rectangles, circles,
// 20-vertex polygons), each shown at zoom 2 as a view would.
//
// StepsThenUndoAll: 1,000 steps of every common kind (drags, nudges of
// changing areas, texts, reordering, deleting and drawing), then all of
// them undone. Counters: steps_ms and undo_all_ms, processor time of the
// thread for the 1,000 steps and for undoing them (the first step of an
// iteration also discards the 1,000 steps undone before).
//
// UndoGuidesReplace: undoing Create Guides that replaced the 1,024 areas
// with 1,024 guides (one step holding both lists), and redoing it. Aim:
// undo under 16 ms, one frame. Views rescale the areas they are told of
// on top of this (not measured here).
#include "bench/support/BenchMaps.h"
#include "bench/support/ThreadTime.h"
#include "document/ImageMapDoc.h"
#include "model/CancellingDocumentDialogs.h"
#include "model/Prompter.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>

namespace {

std::unique_ptr<MapArea> makeArea(QRandomGenerator& random, int i) {
    auto a = scatteredArea(random, i);
    a->setUrl("u" + QByteArray::number(i) + ".htm");
    return a;
}

void fillMap(CImageMapDoc& doc) {
    QRandomGenerator random(7);
    for (int i = 0; i < kBenchAreas; ++i)
        doc.addArea(makeArea(random, i));
}

// One step of kind k % 6 on area n.
void step(CImageMapDoc& doc, QRandomGenerator& random, int k) {
    const int n = int(random.bounded(doc.areaCount()));
    switch (k % 6) {
    case 0:
        doc.changeArea(n, [](MapArea& a) {
            if (a.shape() == AreaShape::Polygon)
                a.insertVertex(0, a.vertex(0).x() + 3, a.vertex(0).y() + 2);
            else
                a.setRect(a.imageRect().translated(3, 2));
        });
        break;
    case 1:
        doc.nudgeArea(n, 1, 0);
        break;
    case 2:
        doc.setAreaTexts(n, {"t" + QByteArray::number(k) + ".htm", {}, "changed"});
        break;
    case 3:
        doc.moveArea(n, 0);
        break;
    case 4:
        doc.deleteArea(n);
        break;
    default:
        doc.addArea(makeArea(random, k));
    }
}

void StepsThenUndoAll(benchmark::State& state) {
    CImageMapDoc doc;
    fillMap(doc);
    doc.setModified(false);
    double steps = 0, undos = 0;
    int recorded = 0;
    for (auto _ : state) {
        QRandomGenerator random(11);
        const int base = doc.undoStack().index();
        const double start = threadSeconds();
        for (int k = 0; k < 1000; ++k)
            step(doc, random, k);
        const double middle = threadSeconds();
        recorded = doc.undoStack().index() - base;
        while (doc.undoStack().index() > base)
            doc.undo();
        const double end = threadSeconds();
        steps += middle - start;
        undos += end - middle;
        state.SetIterationTime(end - start);
    }
    state.counters["steps_ms"] = steps / double(state.iterations()) * 1e3;
    state.counters["undo_all_ms"] = undos / double(state.iterations()) * 1e3;
    state.SetLabel(std::to_string(doc.areaCount()) + " areas, " + std::to_string(recorded) +
                   " steps recorded (nudges in a row merge)");
}

class GuidesOverAll : public CancellingDocumentDialogs {
public:
    bool createGuides(int, int, GuideValues& v) override {
        v.across = 32;
        v.down = 32;
        v.width = 100;
        v.height = 80;
        v.baseUrl = "g%d.htm";
        return true;
    }
};

// Answers Yes: as many guides as the map holds replace all its areas.
class Yes : public Prompter {
public:
    Answer ask(const QString&, Buttons, Icon) override { return Answer::Yes; }
    void tell(const QString&, Icon) override {}
};

void UndoGuidesReplace(benchmark::State& state) {
    Yes yes;
    Prompter::install(&yes);
    GuidesOverAll dialogs;
    CImageMapDoc doc(&dialogs);
    fillMap(doc);
    doc.createGuides();
    double undos = 0, redos = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        doc.undo();
        const double middle = threadSeconds();
        doc.redo();
        const double end = threadSeconds();
        undos += middle - start;
        redos += end - middle;
        state.SetIterationTime(middle - start);
    }
    Prompter::install(nullptr);
    state.counters["undo_ms"] = undos / double(state.iterations()) * 1e3;
    state.counters["redo_ms"] = redos / double(state.iterations()) * 1e3;
    state.SetLabel(std::to_string(doc.areaCount()) + " guides over " + std::to_string(kBenchAreas) +
                   " areas");
}

BENCHMARK(StepsThenUndoAll)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(UndoGuidesReplace)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
