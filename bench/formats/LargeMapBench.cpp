// Opening and saving a page whose map has 10,000 areas and one million
// polygon points in all, beside a plain read and write of the same bytes
// (QFile readAll, then a write to another file). Each iteration runs the
// plain pass and then the measured one, so that the load of a shared
// machine falls on both alike; x_plain is the measured time divided by the
// plain one, x_plain_cpu the same of the thread's processor time (system
// time included), which other work on a loaded machine moves less. Open reads the file and the map
// into areas as the document opens a page (MappedFile, ServerMapReader), and frees them; Save
// writes the page anew from them into a file, unedited (every area its own tag) and with every area
// edited (every area in the writer's form).
#include "bench/support/BenchFiles.h"
#include "formats/HtmlMapReader.h"
#include "formats/HtmlMapWriter.h"
#include "formats/MappedFile.h"
#include "formats/ServerMapReader.h"
#include "model/AreaCollector.h"
#include "model/MapInfo.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

constexpr int kAreas = 10000;
constexpr int kPointsPerArea = 100;

QByteArray n(int v) {
    return QByteArray::number(v);
}

// Polygons of 100 points in a 100 x 100 grid of cells, written as pages
// write them: a space after each comma pair, indentation, lower case.
QByteArray makePage() {
    QByteArray page = "<!DOCTYPE html>\n<html><head><title>Regions</title></head>\n<body>\n"
                      "<img src=\"regions.png\" usemap=\"#regions\" width=\"4000\" "
                      "height=\"4000\">\n<map name=\"regions\">\n";
    for (int i = 0; i < kAreas; ++i) {
        const int cx = (i % 100) * 40 + 20, cy = (i / 100) * 40 + 20;
        page += "  <area shape=\"poly\" coords=\"";
        for (int k = 0; k < kPointsPerArea; ++k) {
            const double t = 2 * M_PI * k / kPointsPerArea;
            page += n(cx + int(std::lround(18 * std::cos(t)))) + ',' +
                    n(cy + int(std::lround(18 * std::sin(t)))) +
                    (k + 1 < kPointsPerArea ? ", " : "");
        }
        page += "\" href=\"/region/" + n(i) + "\" alt=\"Region " + n(i) + "\">\n";
    }
    return page + "</map>\n</body>\n</html>\n";
}

struct Fixture {
    QTemporaryDir dir;
    QString page, copy;
    QByteArray bytes;
    MapInfo info;
    AreaCollector areas{1 << 20};
};

const Fixture& fixture() {
    static Fixture* f = [] {
        auto* f = new Fixture;
        f->page = f->dir.filePath("regions.htm");
        f->copy = f->dir.filePath("copy.htm");
        f->bytes = makePage();
        writeFile(f->page, f->bytes);
        HtmlMapReader::read(f->bytes, f->areas, f->info, nullptr);
        return f;
    }();
    return *f;
}

void plainReadWrite(const Fixture& f) {
    writeFile(f.copy, readFile(f.page));
}

template <class Pass>
void measure(benchmark::State& state, Pass&& pass) {
    const Fixture& f = fixture();
    double total = 0, plain = 0, totalCpu = 0, plainCpu = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        double cpu = threadSeconds();
        plainReadWrite(f);
        plain += std::chrono::duration<double>(Clock::now() - start).count();
        plainCpu += threadSeconds() - cpu;
        start = Clock::now();
        cpu = threadSeconds();
        pass(f);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        totalCpu += threadSeconds() - cpu;
        total += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["x_plain"] = total / plain;
    state.counters["x_plain_cpu"] = totalCpu / plainCpu;
    state.counters["cpu_ms"] = 1e3 * totalCpu / double(state.iterations());
    state.counters["areas"] = double(f.areas.areas().size());
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void save(const Fixture& f, const std::vector<std::unique_ptr<MapArea>>& areas) {
    HtmlMapWriter writer(f.bytes);
    writer.begin(f.info);
    for (const auto& area : areas)
        writer.writeArea(*area);
    writer.writeDefault(f.info);
    writeFile(f.copy, writer.finish());
}

void PlainReadWrite(benchmark::State& state) {
    measure(state, plainReadWrite);
}

void OpenLargeMap(benchmark::State& state) {
    measure(state, [](const Fixture& f) {
        MappedFile file;
        file.open(f.page);
        AreaCollector areas(1 << 20);
        MapInfo info;
        ServerMapReader reader;
        reader.read(file, areas, info);
        benchmark::DoNotOptimize(areas.areas().size());
    });
}

void SaveLargeMapUnedited(benchmark::State& state) {
    measure(state, [](const Fixture& f) { save(f, f.areas.areas()); });
}

void SaveLargeMapEdited(benchmark::State& state) {
    std::vector<std::unique_ptr<MapArea>> edited;
    for (const auto& area : fixture().areas.areas()) {
        edited.push_back(std::make_unique<MapArea>(*area));
        edited.back()->setUrl(area->url() + "#edited");
    }
    measure(state, [&edited](const Fixture& f) { save(f, edited); });
}

BENCHMARK(PlainReadWrite)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(OpenLargeMap)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SaveLargeMapUnedited)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SaveLargeMapEdited)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
