// Loading pictures the way documents do (query, 1,024-byte chunks fed to
// the raster component with pending events processed between them, the
// picture handed over into a LoadedImage) beside a plain QImage load of
// the same file. Each iteration times both; "ratio" is fed / plain.
#include "app/loading/ImageLoadProgress.h"
#include "app/loading/ImageLoadWindow.h"
#include "app/loading/ImageLoader.h"
#include "bench/support/WidgetBenchMain.h"
#include "raster/PackedDib.h"
#include "raster/PictureCodec.h"
#include "raster/Rastel.h"
#include "raster/RasterDispid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace {

// Progress as the window gives it, without the window: events are
// processed after every chunk.
class EventProgress : public ImageLoadProgress {
public:
    void begin(const QString&, const QString&, qint64) override {}
    void advance(qint64) override { QCoreApplication::processEvents(); }
    bool cancelled() const override { return false; }
    void finish() override {}
};

// Smooth shading with texture and a little noise, so that the JPEG is as
// large and as slow to decode as a photograph of that size.
QImage photo(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(noise.generate() & 15);
            const int r = int(128 + 100 * std::sin(x * 0.003 + y * 0.001)) + n;
            const int g = int(128 + 90 * std::cos(y * 0.004)) + ((x ^ y) & 31) + n;
            const int b = int(128 + 80 * std::sin((x + y) * 0.02)) + n;
            row[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    return image;
}

// 256 colours in bands and blobs with speckle, typical of an 8-bit GIF.
QImage palettePicture(int width, int height) {
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table << qRgb(i, (i * 5) & 0xff, 255 - i);
    image.setColorTable(table);
    QRandomGenerator noise(11);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int base =
                (x / 40 + y / 30) * 7 + int(30 * std::sin(x * 0.01) * std::cos(y * 0.013));
            row[x] = uchar((base + ((noise.generate() & 63) == 0 ? 3 : 0)) & 0xff);
        }
    }
    return image;
}

struct Pictures {
    QTemporaryDir dir;
    QString jpeg;
    QString gif;

    Pictures() {
        jpeg = dir.filePath("photo.jpg");
        QImageWriter writer(jpeg, "jpeg");
        writer.setQuality(90);
        writer.write(photo(6000, 4000));
        gif = dir.filePath("palette.gif");
        PictureCodec::write(PackedDib::toImage(PackedDib::fromImage(palettePicture(4000, 3000))),
                            gif, RasterFormat::Gif, 8, 2);
        std::printf("pictures: %s %lld bytes, %s %lld bytes\n", qPrintable(jpeg),
                    QFileInfo(jpeg).size(), qPrintable(gif), QFileInfo(gif).size());
    }
};

Pictures* g_pictures = nullptr;

template <class Fed>
void sideBySide(benchmark::State& state, const QString& path, Fed fed) {
    double plainTotal = 0;
    double fedTotal = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QImage plain(path);
        benchmark::DoNotOptimize(plain.constBits());
        const double plainSeconds = timer.nsecsElapsed() * 1e-9;
        plain = QImage();

        timer.start();
        std::unique_ptr<LoadedImage> image = fed(path);
        const double fedSeconds = timer.nsecsElapsed() * 1e-9;
        if (!image || plainSeconds <= 0) {
            state.SkipWithError("the picture did not load");
            return;
        }
        benchmark::DoNotOptimize(image->image().constBits());
        plainTotal += plainSeconds;
        fedTotal += fedSeconds;
        state.SetIterationTime(fedSeconds);
    }
    state.counters["plain_ms"] = 1e3 * plainTotal / double(state.iterations());
    state.counters["ratio"] = fedTotal / plainTotal;
}

std::unique_ptr<LoadedImage> loaderLoad(const QString& path) {
    CRastel rastel;
    EventProgress progress;
    ImageLoader loader(rastel, progress);
    return loader.load(path) == ImageLoader::Loaded ? loader.takeImage() : nullptr;
}

std::unique_ptr<LoadedImage> windowLoad(const QString& path) {
    return ImageLoadWindow::run(path).image;
}

void BM_Jpeg6000x4000_Loader(benchmark::State& state) {
    sideBySide(state, g_pictures->jpeg, loaderLoad);
}
void BM_Gif4000x3000_Loader(benchmark::State& state) {
    sideBySide(state, g_pictures->gif, loaderLoad);
}
void BM_Jpeg6000x4000_Window(benchmark::State& state) {
    sideBySide(state, g_pictures->jpeg, windowLoad);
}
void BM_Gif4000x3000_Window(benchmark::State& state) {
    sideBySide(state, g_pictures->gif, windowLoad);
}

} // namespace

BENCHMARK(BM_Jpeg6000x4000_Loader)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gif4000x3000_Loader)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpeg6000x4000_Window)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gif4000x3000_Window)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv, g_pictures);
}
