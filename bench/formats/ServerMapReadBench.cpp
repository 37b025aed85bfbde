// Reading server-side map files: the reader alone (into the document's area
// collector) and the document's whole Open (without a picture), each beside
// a plain read of the same file. The counter x_plain_read is the time of one
// read divided by the time of one plain read of the file.
#include "document/ImageMapDoc.h"
#include "formats/MappedFile.h"
#include "formats/ServerMapReader.h"
#include "model/AreaCollector.h"
#include "model/MapInfo.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// One area line of each kind in turn, both line forms, polygons of 12 vertices.
QByteArray areaLine(int i) {
    const QByteArray n = QByteArray::number(i % 300);
    switch (i % 5) {
    case 0:
        return "rect a" + n + ".htm " + n + ",10 " + n + "0,90\n";
    case 1:
        return "rect (" + n + ",10) (" + n + "0,90) b" + n + ".htm\n";
    case 2:
        return "circle c" + n + ".htm 200,200 2" + n + ",200\n";
    case 3: {
        QByteArray line = "poly p" + n + ".htm";
        for (int k = 0; k < 12; ++k)
            line += " " + QByteArray::number(100 + (k * 37 + i) % 200) + "," +
                    QByteArray::number(100 + (k * 53) % 150);
        return line + "\n";
    }
    default: {
        QByteArray line = "polygon";
        for (int k = 0; k < 12; ++k)
            line += " (" + QByteArray::number(300 + (k * 41) % 150) + "," +
                    QByteArray::number(50 + (k * 29 + i) % 180) + ")";
        return line + " q" + n + ".htm\n";
    }
    }
}

// A map of `lines` lines: map information, then a percent-encoded comment
// before every area line.
QByteArray mixedMap(int lines) {
    QByteArray text = "#$TITLE:Benchmark map\n#$GIF:bench.gif\n";
    for (int i = 0; 2 + 2 * i < lines; ++i) {
        text += "# Area%20number " + QByteArray::number(i) + "\n";
        text += areaLine(i);
    }
    return text;
}

// The hardest case for the polygon boxes: 1,024 polygons of 63 vertices
// scattered over a 1,000-pixel picture, crossing themselves everywhere.
QByteArray crossingPolygons() {
    QRandomGenerator random(1);
    QByteArray text;
    for (int i = 0; i < 1024; ++i) {
        text += "poly p.htm";
        for (int k = 0; k < 63; ++k)
            text += " " + QByteArray::number(random.bounded(1000)) + "," +
                    QByteArray::number(random.bounded(1000));
        text += "\n";
    }
    return text;
}

struct MapFile {
    QString path;
    const char* label;
    double plainReadSeconds = 0; // the reference
};

qsizetype plainRead(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    benchmark::DoNotOptimize(bytes.constData());
    return bytes.size();
}

MapFile makeFile(const char* name, const char* label, const QByteArray& text) {
    static QTemporaryDir dir;
    MapFile file{dir.filePath(name), label};
    QFile f(file.path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    f.close();
    double best = 1e9;
    for (int run = 0; run < 50; ++run) {
        const auto start = Clock::now();
        plainRead(file.path);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    file.plainReadSeconds = best;
    return file;
}

const MapFile& file(int which) {
    static const MapFile files[] = {
        makeFile("areas1024.map", "1,024 areas", mixedMap(2 * 1024 + 2)),
        makeFile("lines100000.map", "100,000 lines", mixedMap(100000)),
        makeFile("crossing.map", "1,024 crossing 63-gons", crossingPolygons()),
    };
    return files[which];
}

// Runs read once per iteration and reports it against the plain read.
template <class Read>
void measure(benchmark::State& state, Read&& read) {
    const MapFile& f = file(int(state.range(0)));
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        read(f.path);
        total += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.SetLabel(f.label);
    state.counters["x_plain_read"] = total / double(state.iterations()) / f.plainReadSeconds;
}

void PlainRead(benchmark::State& state) {
    measure(state, [](const QString& path) { benchmark::DoNotOptimize(plainRead(path)); });
}

void ServerMapReaderIntoAreas(benchmark::State& state) {
    measure(state, [](const QString& path) {
        MappedFile mapped;
        mapped.open(path);
        AreaCollector areas(CImageMapDoc::kMaxAreas);
        MapInfo info;
        ServerMapReader().read(mapped, areas, info);
        benchmark::DoNotOptimize(areas.areas().size());
    });
}

void DocumentOpen(benchmark::State& state) {
    measure(state, [](const QString& path) {
        CImageMapDoc doc;
        doc.openDocument(path);
        benchmark::DoNotOptimize(doc.areaCount());
    });
}

BENCHMARK(PlainRead)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(ServerMapReaderIntoAreas)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(DocumentOpen)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
