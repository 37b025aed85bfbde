// Writing the recovery copy of a full map: 1,024 mixed areas (rectangles,
// circles, 20-vertex polygons) with URLs and comments, as the keeper does
// on the window thread once changes pause (the state taken from the
// document and its bytes made), and the file written, flushed and renamed
// as the worker thread does it. Aim: the window thread's part under 5 ms.
// Reference: copying the bytes of the copy (memcpy).
#include "bench/support/BenchMaps.h"
#include "document/ImageMapDoc.h"
#include "document/RecoveryStore.h"
#include "model/Prompter.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

namespace {

CImageMapDoc& fullMap() {
    static CImageMapDoc* doc = [] {
        auto* d = new CImageMapDoc;
        QRandomGenerator random(7);
        for (int i = 0; i < kBenchAreas; ++i) {
            auto a = scatteredArea(random, i);
            a->setUrl("https://example.com/products/u" + QByteArray::number(i) + ".htm");
            AreaTexts texts = a->texts();
            texts.comment = "Product number " + QByteArray::number(i);
            a->setTexts(texts);
            d->addArea(std::move(a));
        }
        MapInfo info = d->mapInfo();
        info.title = "Products";
        d->setMapInfo(info);
        return d;
    }();
    return *doc;
}

RecoveryCopy copyOf(const CImageMapDoc& doc) {
    RecoveryCopy copy;
    copy.state = doc.state();
    copy.time = QDateTime::currentDateTimeUtc();
    copy.ownerPid = 1;
    return copy;
}

// The window thread's part: the state and the bytes.
void BM_RecoveryCopyMake(benchmark::State& state) {
    const CImageMapDoc& doc = fullMap();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray b = copyOf(doc).encode();
        bytes = b.size();
        benchmark::DoNotOptimize(b.data());
    }
    state.counters["copy_bytes"] = double(bytes);
}
BENCHMARK(BM_RecoveryCopyMake)->Unit(benchmark::kMillisecond);

// The worker's part: write, flush, rename.
void BM_RecoveryCopyWrite(benchmark::State& state) {
    const QByteArray bytes = copyOf(fullMap()).encode();
    QTemporaryDir dir;
    const RecoveryStore store(dir.filePath("recovery"));
    for (auto _ : state)
        benchmark::DoNotOptimize(store.write(QStringLiteral("bench.recovery"), bytes));
}
BENCHMARK(BM_RecoveryCopyWrite)->Unit(benchmark::kMillisecond);

// Reading a copy back (start-up, per copy).
void BM_RecoveryCopyRead(benchmark::State& state) {
    const QByteArray bytes = copyOf(fullMap()).encode();
    for (auto _ : state) {
        RecoveryCopy copy;
        QString reason;
        benchmark::DoNotOptimize(RecoveryCopy::decode(bytes, copy, reason));
    }
}
BENCHMARK(BM_RecoveryCopyRead)->Unit(benchmark::kMillisecond);

void BM_RecoveryCopyReference(benchmark::State& state) {
    const QByteArray bytes = copyOf(fullMap()).encode();
    QByteArray target(bytes.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.constData(), size_t(bytes.size()));
        benchmark::DoNotOptimize(target.data());
    }
}
BENCHMARK(BM_RecoveryCopyReference)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
