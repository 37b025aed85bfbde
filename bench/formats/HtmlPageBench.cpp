// Scanning and rewriting a 5 MB HTML page that holds a map of 1,024 areas,
// beside a plain read and write of the same file. Each iteration runs the
// references and then the pass, so that the load of a shared machine falls
// on both alike; the reported time is the pass's alone. The counter x_plain
// is the pass's time divided by that of a plain read and write (QFile
// readAll, then a QFile write of the same bytes to another file); x_safe
// divides by a read and a write through QSaveFile (temporary file, sync,
// rename), the way every save replaces a page.
#include "bench/support/BenchFiles.h"
#include "document/ImageMapDoc.h"
#include "formats/HtmlMapReader.h"
#include "formats/HtmlMapWriter.h"
#include "formats/HtmlPageScan.h"
#include "formats/MapFileSaver.h"
#include "model/AreaCollector.h"
#include "model/MapInfo.h"
#include "model/Settings.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr qsizetype kPageSize = 5 * 1024 * 1024;
constexpr int kAreas = 1024;

QByteArray n(int v) {
    return QByteArray::number(v);
}

QByteArray areaLine(int i) {
    const QByteArray texts = " HREF=\"page" + n(i) + ".htm\" ALT=\"Area " + n(i) + "\">\r\n";
    switch (i % 3) {
    case 0:
        return "<AREA SHAPE=RECT COORDS=\"" + n(i % 500) + ",10," + n(i % 500 + 40) + ",60\"" +
               texts;
    case 1:
        return "<AREA SHAPE=CIRCLE COORDS=\"" + n(100 + i % 400) + ",200,25\"" + texts;
    default: {
        QByteArray coords;
        for (int k = 0; k < 12; ++k)
            coords += n(100 + (k * 37 + i) % 300) + "," + n(300 + (k * 53) % 150) + ",";
        coords += n(100 + i % 300) + ",300";
        return "<AREA SHAPE=POLY COORDS=\"" + coords + "\"" + texts;
    }
    }
}

QByteArray filler(qsizetype bytes) {
    QByteArray text;
    text.reserve(bytes + 512);
    for (int i = 0; text.size() < bytes; ++i)
        text += "<P CLASS=\"body\">Paragraph " + n(i) +
                " of the shop's long page, with <A HREF=\"item" + n(i) +
                ".htm\">a link</A>, <B>bold words</B> and <!-- a comment --> more text.</P>\r\n";
    return text;
}

// The page: filler, the picture and its map of 1,024 areas in the middle,
// filler, the body end.
QByteArray makePage() {
    QByteArray map =
        "<!-- Start of Client Side Image Map information -->\r\n"
        "<MAP NAME=\"Shop\">\r\n<!-- #$AUTHOR:Bench -->\r\n<!-- #$GIF:shop.gif -->\r\n";
    for (int i = 0; i < kAreas; ++i)
        map += areaLine(i);
    map += "<AREA SHAPE=default HREF=\"index.htm\">\r\n</MAP>\r\n"
           "<!-- End of Client Side Image Map information -->\r\n";
    const QByteArray head = "<HTML>\r\n<HEAD><TITLE>Shop</TITLE></HEAD>\r\n<BODY>\r\n";
    const QByteArray img = "<IMG SRC=\"shop.gif\" USEMAP=\"#Shop\" WIDTH=600 HEIGHT=400>\r\n";
    const QByteArray tail = "</BODY>\r\n</HTML>\r\n";
    const qsizetype rest = kPageSize - head.size() - img.size() - map.size() - tail.size();
    return head + filler(rest / 2) + img + map + filler(rest / 2) + tail;
}

struct Fixture {
    QTemporaryDir dir;
    QString page, copy, target;
    MapInfo info;
    AreaCollector areas{kAreas};
};

void plainReadWrite(const Fixture& f) {
    writeFile(f.copy, readFile(f.page));
}

void safeReadWrite(const Fixture& f) {
    QSaveFile out(f.copy);
    out.open(QIODevice::WriteOnly);
    out.write(readFile(f.page));
    out.commit();
}

const Fixture& fixture() {
    static Fixture* f = [] {
        auto* f = new Fixture;
        f->page = f->dir.filePath("shop.htm");
        f->copy = f->dir.filePath("copy.htm");
        f->target = f->dir.filePath("target.htm");
        const QByteArray page = makePage();
        writeFile(f->page, page);
        writeFile(f->target, page);
        HtmlMapReader::read(page, f->areas, f->info, nullptr);
        return f;
    }();
    return *f;
}

template <class Pass>
double timed(const Fixture& f, Pass&& pass) {
    const auto start = Clock::now();
    pass(f);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

template <class Pass>
void measure(benchmark::State& state, Pass&& pass) {
    const Fixture& f = fixture();
    double total = 0, plain = 0, safe = 0;
    for (auto _ : state) {
        plain += timed(f, plainReadWrite);
        safe += timed(f, safeReadWrite);
        const double seconds = timed(f, pass);
        total += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["x_plain"] = total / plain;
    state.counters["x_safe"] = total / safe;
    state.SetBytesProcessed(state.iterations() * kPageSize);
}

void PlainReadWrite(benchmark::State& state) {
    measure(state, plainReadWrite);
}

void SafeReadWrite(benchmark::State& state) {
    measure(state, safeReadWrite);
}

// Reading the page and scanning it.
void ScanPage(benchmark::State& state) {
    measure(state, [](const Fixture& f) {
        const QByteArray text = readFile(f.page);
        const HtmlPageScan scan = HtmlPageScan::scan(text);
        benchmark::DoNotOptimize(scan.maps.front().areas.size());
    });
}

// The work between the two: scanning the page held in memory, and building
// the new page from it with the 1,024 areas (no file touched).
void ScanInMemory(benchmark::State& state) {
    const QByteArray text = readFile(fixture().page);
    measure(state, [&text](const Fixture&) {
        benchmark::DoNotOptimize(HtmlPageScan::scan(text).maps.size());
    });
}

void BuildInMemory(benchmark::State& state) {
    const QByteArray text = readFile(fixture().page);
    measure(state, [&text](const Fixture& f) {
        HtmlMapWriter writer(text);
        writer.begin(f.info);
        for (const auto& area : f.areas.areas())
            writer.writeArea(*area);
        writer.writeDefault(f.info);
        benchmark::DoNotOptimize(writer.finish().size());
    });
}

// The saver's whole pass: read, scan, build the new page with the 1,024
// areas, replace the file.
void RewritePage(benchmark::State& state) {
    measure(state, [](const Fixture& f) {
        MapFileSaver saver;
        saver.open(f.target);
        saver.begin(f.info);
        for (const auto& area : f.areas.areas())
            saver.writeArea(*area);
        saver.writeDefault(f.info);
        saver.commit();
    });
}

// The document's Save of the opened page into itself (no dialogs: the
// saved confirmation is skipped).
void DocumentSave(benchmark::State& state) {
    const Fixture& f = fixture();
    Settings::app().skipSavedDialog = true;
    CImageMapDoc doc;
    doc.openDocument(f.target);
    measure(state, [&doc](const Fixture& fx) { doc.doSave(fx.target); });
}

BENCHMARK(PlainReadWrite)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SafeReadWrite)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ScanPage)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ScanInMemory)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BuildInMemory)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RewritePage)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DocumentSave)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
