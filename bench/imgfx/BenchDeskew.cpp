// Deskew of an A4 page scanned at 300 dpi (2480 x 3508) with text lines at
// 2 degrees, in 8-bit grey, 1-bit and 24-bit, beside one rotation of the
// same page by OpenCV's warpAffine (bilinear, constant border),
// single-threaded. The search alone and the kernel's rotation alone are
// timed too. Each deskew starts from the skewed page again (restored
// outside the timing). Ratios (our processor time / OpenCV's) close the
// report.
#include "imgfx/DeskewSearch.h"
#include "imgfx/imgfx.h"

#include "BenchPictures.h"
#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

#include <cmath>
#include <string>
#include <vector>

namespace {

using benchpictures::pageHeight;
using benchpictures::pageLevel;
using benchpictures::pageWidth;
#ifdef TESSARY_HAVE_OPENCV
using benchpictures::cvPage;
using benchpictures::cvTurnPage;
#endif

struct Page {
    RasterBitmap bmp{};
    std::vector<uint8_t> skewed; // the stored rows before any deskew
    explicit Page(int bits) {
        KAllocBitmap(&bmp, 1, pageWidth, pageHeight, bits, RB_ORDER_BGR, nullptr, 0);
        std::vector<uint8_t> row(size_t(bmp.BytesPerLine));
        skewed.resize(size_t(bmp.BytesPerLine) * pageHeight);
        for (int y = 0; y < pageHeight; ++y) {
            std::fill(row.begin(), row.end(), 0);
            for (int x = 0; x < pageWidth; ++x) {
                const int level = pageLevel(x, y);
                if (bits == 1)
                    row[size_t(x / 8)] |= uint8_t((level > 128) << (7 - x % 8));
                else if (bits == 8)
                    row[size_t(x)] = uint8_t(level);
                else
                    row[size_t(3 * x)] = row[size_t(3 * x + 1)] = row[size_t(3 * x + 2)] =
                        uint8_t(level);
            }
            std::copy(row.begin(), row.end(), skewed.begin() + ptrdiff_t(y) * bmp.BytesPerLine);
        }
        restore();
    }
    ~Page() { KFreeBitmap(&bmp); }
    void restore() { benchsupport::writeStoredRows(&bmp, skewed.data()); }
};

Page& page(int bits) {
    static Page grey(8), mono(1), colour(24);
    return bits == 8 ? grey : bits == 1 ? mono : colour;
}

void deskew(benchmark::State& state, int bits) {
    Page& p = page(bits);
    int angle = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(R_DeskewBitmapAngle(&p.bmp, &angle));
        state.PauseTiming();
        p.restore();
        state.ResumeTiming();
    }
    state.counters["angle"] = angle;
}

void search(benchmark::State& state, int bits) {
    int offset = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FxFindSkew(&page(bits).bmp, 0, 33, &offset));
    state.counters["offset"] = offset;
}

void rotate(benchmark::State& state, int bits) {
    Page& p = page(bits);
    for (auto _ : state) {
        benchmark::DoNotOptimize(KRotateBitmap(&p.bmp, -224, 0, 0xEBEBEB, 67, 100));
        state.PauseTiming();
        p.restore();
        state.ResumeTiming();
    }
}

#ifdef TESSARY_HAVE_OPENCV
void cvWarp(benchmark::State& state, int type) {
    const cv::Mat in = cvPage(type);
    cv::Mat out;
    for (auto _ : state) {
        cvTurnPage(in, out);
        benchmark::DoNotOptimize(out.data);
    }
}
#endif

} // namespace

int main(int argc, char** argv) {
    // The pages are drawn before any timing: drawn in a benchmark's first
    // run, they could make that run alone the measurement.
    for (int bits : {8, 1, 24})
        page(bits);
    for (int bits : {8, 1, 24}) {
        const std::string b = std::to_string(bits);
        benchmark::RegisterBenchmark(("Deskew" + b).c_str(), deskew, bits)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Search" + b).c_str(), search, bits)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Rotate" + b).c_str(), rotate, bits)
            ->Unit(benchmark::kMillisecond);
    }
#ifdef TESSARY_HAVE_OPENCV
    benchmark::RegisterBenchmark("CvWarp8", cvWarp, CV_8UC1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CvWarp24", cvWarp, CV_8UC3)->Unit(benchmark::kMillisecond);
#endif
    return benchsupport::runWithRatios(argc, argv, [](const benchsupport::RatioReporter& r) {
        for (const char* op : {"Deskew", "Search", "Rotate"}) {
            r.ratio(std::string(op) + "8", "CvWarp8");
            r.ratio(std::string(op) + "1", "CvWarp8");
            r.ratio(std::string(op) + "24", "CvWarp24");
        }
    });
}
