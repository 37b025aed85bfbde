// Tracing one click on a 4000 x 3000 photograph-like picture: a shape of
// about 10 million pixels with a wavy edge, grain inside and out, and a
// background far from its colour, at the tool's defaults (tolerance 32,
// precision 1.5).
//
// Cases: the fill alone, the whole trace (fill, outer boundary,
// simplification), and as references a plain read of every pixel and, when
// OpenCV is installed, its flood fill with the same fixed range and
// 4-connectivity. Counters: region_px the pixels selected, vertices the
// polygon's. The aim for the whole trace: under 150 ms of processor time
// (the CPU column); compare it with the references as ratios.
#include "model/TraceFill.h"
#include "model/TraceMask.h"
#include "model/TracePicture.h"
#include "model/Tracer.h"

#include <QImage>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
const QPoint kClick(2000, 1500);

// A rounded rectangle 3700 x 2800 whose edge waves by 20 pixels.
const QImage& picture() {
    static const QImage image = [] {
        QImage p(kWidth, kHeight, QImage::Format_RGB32);
        QRandomGenerator random(10);
        for (int y = 0; y < kHeight; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(p.scanLine(y));
            for (int x = 0; x < kWidth; ++x) {
                const double wave = 20 * std::sin(x / 150.0) * std::cos(y / 170.0);
                const double dx = std::max(0.0, std::abs(x - 2000.0) - 1550);
                const double dy = std::max(0.0, std::abs(y - 1500.0) - 1100);
                const bool inside = std::hypot(dx, dy) < 300 + wave;
                const int grain = int(random.bounded(21)) - 10;
                row[x] = inside ? qRgb(60 + grain, 90 + grain, 40 + grain)
                                : qRgb(200 + grain, 190 + grain, 230 + grain);
            }
        }
        return p;
    }();
    return image;
}

void BM_ReadEveryPixel(benchmark::State& state) {
    const QImage& p = picture();
    for (auto _ : state) {
        quint32 sum = 0;
        for (int y = 0; y < kHeight; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(p.constScanLine(y));
            for (int x = 0; x < kWidth; ++x)
                sum += row[x] & 0xff;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadEveryPixel)->Unit(benchmark::kMillisecond);

void BM_TraceFill(benchmark::State& state) {
    const TracePicture view = TracePicture::fromImage(picture());
    TraceMask mask;
    for (auto _ : state) {
        mask.reset(kWidth, kHeight);
        TraceFill::addRegion(view, kClick, 32, mask);
        benchmark::DoNotOptimize(mask.pixelCount());
    }
    state.counters["region_px"] = double(mask.pixelCount());
}
BENCHMARK(BM_TraceFill)->Unit(benchmark::kMillisecond);

void BM_TraceWhole(benchmark::State& state) {
    const TracePicture view = TracePicture::fromImage(picture());
    TraceMask mask;
    TraceRequest request;
    request.seeds = {kClick};
    request.vertexLimit = 1 << 20;
    TraceResult result;
    for (auto _ : state) {
        result = Tracer::trace(view, request, mask);
        benchmark::DoNotOptimize(result.polygon.constData());
    }
    state.counters["region_px"] = double(result.regionPixels);
    state.counters["vertices"] = result.vertexCount;
}
BENCHMARK(BM_TraceWhole)->Unit(benchmark::kMillisecond);

#ifdef TESSARY_HAVE_OPENCV
void BM_OpenCvFloodFill(benchmark::State& state) {
    QImage p = picture().copy();
    cv::Mat bgra(kHeight, kWidth, CV_8UC4, p.bits(), size_t(p.bytesPerLine()));
    cv::Mat bgr;
    cv::cvtColor(bgra, bgr, cv::COLOR_BGRA2BGR);
    cv::Mat mask(kHeight + 2, kWidth + 2, CV_8UC1);
    int area = 0;
    for (auto _ : state) {
        mask.setTo(0);
        area = cv::floodFill(bgr, mask, cv::Point(kClick.x(), kClick.y()), cv::Scalar(), nullptr,
                             cv::Scalar(32, 32, 32), cv::Scalar(32, 32, 32),
                             4 | cv::FLOODFILL_FIXED_RANGE | cv::FLOODFILL_MASK_ONLY | (1 << 8));
        benchmark::DoNotOptimize(area);
    }
    state.counters["region_px"] = area;
}
BENCHMARK(BM_OpenCvFloodFill)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
