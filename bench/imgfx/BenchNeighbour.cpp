// The neighbourhood filters beside OpenCV on a 4096 x 4096 24-bit picture,
// single-threaded: 3 x 3 and 5 x 5 convolution against cv::filter2D, the box
// average against cv::blur, the median against cv::medianBlur, the 3 x 3
// minimum against cv::erode, the mosaic against an area-resize mosaic and
// noise against cv::randu plus cv::add. Every run starts from the same
// picture. Ratios (our processor time / OpenCV's) close the report.
#include "imgfx/imgfx.h"

#include "BenchPictures.h"
#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

#include <cstring>
#include <string>
#include <vector>

namespace {

using benchpictures::sample;
using benchpictures::side;

struct Picture {
    RasterBitmap bmp{};
    std::vector<uint8_t> original;
    Picture() {
        KAllocBitmap(&bmp, 1, side, side, 24, RB_ORDER_BGR, nullptr, 0);
        original.resize(size_t(bmp.BytesPerLine) * side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                for (int c = 0; c < 3; ++c)
                    original[size_t(y) * bmp.BytesPerLine + 3 * x + c] = sample(x, y, c);
        restore();
    }
    ~Picture() { KFreeBitmap(&bmp); }
    void restore() { benchsupport::writeStoredRows(&bmp, original.data()); }
};

Picture& picture() {
    static Picture p;
    return p;
}

// Runs a filter on a fresh copy of the picture each iteration.
template <class F>
void runOurs(benchmark::State& state, F filter) {
    Picture& p = picture();
    for (auto _ : state) {
        state.PauseTiming();
        p.restore();
        state.ResumeTiming();
        if (filter(&p.bmp) != FX_OK)
            state.SkipWithError("filter failed");
    }
}

// Divisor 5, bias 128, dimension 5: outer ring 1, inner ring 2, centre -24.
const std::vector<int32_t>& record5x5() {
    static const std::vector<int32_t> r = {5, 128, 5, 1, 1, 1, 1, 1, 1, 2, 2, 2, 1, 1,
                                           2, -24, 2, 1, 1, 2, 2, 2, 1, 1, 1, 1, 1, 1};
    return r;
}

void Conv3(benchmark::State& s) {
    runOurs(s, [](RasterBitmap* b) { return R_SpatialFilterBitmap(b, FX_SPATIAL_FILTER(17)); });
}
void Sharpen(benchmark::State& s) {
    runOurs(s, [](RasterBitmap* b) { return R_SharpenBitmap(b, 500); });
}
void Conv5(benchmark::State& s) {
    runOurs(s, [](RasterBitmap* b) {
        return R_SpatialFilterBitmap(b, reinterpret_cast<const SpatialFilter*>(record5x5().data()));
    });
}
void Average(benchmark::State& s) {
    const int n = int(s.range(0));
    runOurs(s, [n](RasterBitmap* b) { return R_AverageFilterBitmap(b, n); });
}
void Median(benchmark::State& s) {
    const int n = int(s.range(0));
    runOurs(s, [n](RasterBitmap* b) { return R_MedianFilterBitmap(b, n); });
}
void Minimum3(benchmark::State& s) {
    runOurs(s, [](RasterBitmap* b) { return R_BinaryFilterBitmap(b, FX_BINARY_FILTER(4)); });
}
void Mosaic8(benchmark::State& s) {
    runOurs(s, [](RasterBitmap* b) { return R_MosaicBitmap(b, 8); });
}
void Noise(benchmark::State& s) {
    runOurs(s, [](RasterBitmap* b) { return R_AddBitmapNoise(b, 500, 0); });
}

BENCHMARK(Conv3)->Unit(benchmark::kMillisecond);
BENCHMARK(Sharpen)->Unit(benchmark::kMillisecond);
BENCHMARK(Conv5)->Unit(benchmark::kMillisecond);
BENCHMARK(Average)->Arg(3)->Arg(5)->Arg(15)->Arg(51)->Unit(benchmark::kMillisecond);
BENCHMARK(Median)->Arg(3)->Arg(5)->Arg(15)->Arg(17)->Unit(benchmark::kMillisecond);
BENCHMARK(Minimum3)->Unit(benchmark::kMillisecond);
BENCHMARK(Mosaic8)->Unit(benchmark::kMillisecond);
BENCHMARK(Noise)->Unit(benchmark::kMillisecond);

#ifdef TESSARY_HAVE_OPENCV
cv::Mat& source() {
    static cv::Mat m = [] {
        cv::Mat m(side, side, CV_8UC3);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                for (int c = 0; c < 3; ++c)
                    m.ptr<uint8_t>(y)[3 * x + c] = sample(x, y, c);
        return m;
    }();
    return m;
}

template <class F>
void runCv(benchmark::State& state, F f) {
    const cv::Mat& in = source();
    cv::Mat out;
    for (auto _ : state) {
        f(in, out);
        benchmark::DoNotOptimize(out.data);
    }
}

void CvFilter3(benchmark::State& s) {
    cv::Mat k = (cv::Mat_<float>(3, 3) << -1, -1, -1, -1, 8, -1, -1, -1, -1);
    runCv(s, [&](const cv::Mat& in, cv::Mat& out) {
        cv::filter2D(in, out, -1, k, cv::Point(-1, -1), 0, cv::BORDER_REPLICATE);
    });
}
void CvFilter5(benchmark::State& s) {
    cv::Mat k(5, 5, CV_32F);
    for (int i = 0; i < 25; ++i)
        k.at<float>(i / 5, i % 5) = float(record5x5()[size_t(3 + i)]) / 5.0f;
    runCv(s, [&](const cv::Mat& in, cv::Mat& out) {
        cv::filter2D(in, out, -1, k, cv::Point(-1, -1), 128, cv::BORDER_REPLICATE);
    });
}
void CvBlur(benchmark::State& s) {
    const int n = int(s.range(0));
    runCv(s, [n](const cv::Mat& in, cv::Mat& out) {
        cv::blur(in, out, cv::Size(n, n), cv::Point(-1, -1), cv::BORDER_REPLICATE);
    });
}
void CvMedian(benchmark::State& s) {
    const int n = int(s.range(0));
    runCv(s, [n](const cv::Mat& in, cv::Mat& out) { cv::medianBlur(in, out, n); });
}
void CvErode3(benchmark::State& s) {
    runCv(s, [](const cv::Mat& in, cv::Mat& out) {
        cv::erode(in, out, cv::Mat(), cv::Point(-1, -1), 1, cv::BORDER_REPLICATE);
    });
}
void CvMosaic8(benchmark::State& s) {
    cv::Mat small;
    runCv(s, [&](const cv::Mat& in, cv::Mat& out) {
        cv::resize(in, small, cv::Size(side / 8, side / 8), 0, 0, cv::INTER_AREA);
        cv::resize(small, out, in.size(), 0, 0, cv::INTER_NEAREST);
    });
}
void CvNoise(benchmark::State& s) {
    cv::Mat noise(side, side, CV_16SC3);
    runCv(s, [&](const cv::Mat& in, cv::Mat& out) {
        cv::randu(noise, -128, 129);
        cv::add(in, noise, out, cv::noArray(), CV_8U);
    });
}

BENCHMARK(CvFilter3)->Unit(benchmark::kMillisecond);
BENCHMARK(CvFilter5)->Unit(benchmark::kMillisecond);
BENCHMARK(CvBlur)->Arg(3)->Arg(5)->Arg(15)->Arg(51)->Unit(benchmark::kMillisecond);
BENCHMARK(CvMedian)->Arg(3)->Arg(5)->Arg(15)->Unit(benchmark::kMillisecond);
BENCHMARK(CvErode3)->Unit(benchmark::kMillisecond);
BENCHMARK(CvMosaic8)->Unit(benchmark::kMillisecond);
BENCHMARK(CvNoise)->Unit(benchmark::kMillisecond);
#endif

} // namespace

int main(int argc, char** argv) {
    return benchsupport::runWithRatios(argc, argv, [](const benchsupport::RatioReporter& r) {
        const char* pairs[][2] = {
            {"Conv3", "CvFilter3"},      {"Sharpen", "CvFilter3"},    {"Conv5", "CvFilter5"},
            {"Average/3", "CvBlur/3"},   {"Average/5", "CvBlur/5"},   {"Average/15", "CvBlur/15"},
            {"Average/51", "CvBlur/51"}, {"Average/15", "Average/5"}, {"Average/51", "Average/5"},
            {"Median/3", "CvMedian/3"},  {"Median/5", "CvMedian/5"},  {"Median/15", "CvMedian/15"},
            {"Minimum3", "CvErode3"},    {"Mosaic8", "CvMosaic8"},    {"Noise", "CvNoise"},
        };
        for (const auto& pair : pairs)
            r.ratio(pair[0], pair[1]);
    });
}
