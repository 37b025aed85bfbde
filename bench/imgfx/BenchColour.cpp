// Colour separation and merge of a 4096 x 4096 24-bit picture in every
// kind, beside OpenCV doing the same work on the same pixels,
// single-threaded: split and merge for blue, green, red; for the other
// kinds the conversion to the space and split (merge and the conversion
// back): cvtColor with the full-circle hue for HSV and HLS, bitwise_not for
// CMY, and for CMYK the channels' maximum and the differences from it.
// Both sides make new planes (or a new picture) every time, as the exports
// do, without clearing them first. Ratios (our processor time / OpenCV's)
// close the report.
#include "imgfx/imgfx.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

#include <malloc.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int side = 4096;

struct Picture {
    RasterBitmap bmp{};
    Picture() {
        KAllocBitmap(&bmp, 1, side, side, 24, RB_ORDER_BGR, nullptr, RB_ROWS_BOTTOM_UP);
        std::vector<uint8_t> row(size_t(bmp.BytesPerLine));
        intptr_t token = KBeginAccess(&bmp);
        for (int y = 0; y < side; ++y) {
            for (size_t k = 0; k < row.size(); ++k)
                row[k] = uint8_t(k * 7 + size_t(y) * 13 + (k * k >> 9));
            KWriteRow(&bmp, row.data(), y, bmp.BytesPerLine);
        }
        KEndAccess(&bmp, token);
    }
    ~Picture() { KFreeBitmap(&bmp); }
};

Picture& picture() {
    static Picture p;
    return p;
}

struct Planes {
    std::array<RasterBitmap, 4> records{};
    std::array<RasterBitmap*, 4> pointers{&records[0], &records[1], &records[2], &records[3]};
    void free() {
        for (RasterBitmap& r : records)
            KFreeBitmap(&r);
    }
    ~Planes() { free(); }
};

void separate(benchmark::State& state, unsigned kind) {
    RasterBitmap* source = &picture().bmp;
    Planes planes;
    for (auto _ : state) {
        benchmark::DoNotOptimize(R_ColorSeparateBitmap(source, planes.pointers.data(), kind));
        state.PauseTiming();
        planes.free();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * side * side * 3);
}

void merge(benchmark::State& state, unsigned kind) {
    Planes planes;
    R_ColorSeparateBitmap(&picture().bmp, planes.pointers.data(), kind);
    RasterBitmap merged{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(R_ColorMergeBitmap(&merged, planes.pointers.data(), kind));
        state.PauseTiming();
        KFreeBitmap(&merged);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * side * side * 3);
}

#ifdef TESSARY_HAVE_OPENCV
cv::Mat& colourMat() {
    static cv::Mat m = [] {
        cv::Mat mat(side, side, CV_8UC3);
        for (int y = 0; y < side; ++y) {
            uint8_t* row = mat.ptr<uint8_t>(y);
            for (size_t k = 0; k < size_t(side) * 3; ++k)
                row[k] = uint8_t(k * 7 + size_t(y) * 13 + (k * k >> 9));
        }
        return mat;
    }();
    return m;
}

void CvSplit(benchmark::State& state) {
    const cv::Mat& bgr = colourMat();
    for (auto _ : state) {
        std::vector<cv::Mat> planes;
        cv::split(bgr, planes);
        benchmark::DoNotOptimize(planes.data());
        state.PauseTiming();
        planes.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * side * side * 3);
}

void CvMerge(benchmark::State& state) {
    std::vector<cv::Mat> planes;
    cv::split(colourMat(), planes);
    for (auto _ : state) {
        cv::Mat merged;
        cv::merge(planes, merged);
        benchmark::DoNotOptimize(merged.data);
        state.PauseTiming();
        merged.release();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * side * side * 3);
}

// The space of a kind (1 CMYK, 2 HSV, 3 HLS, 4 CMY), as OpenCV would be
// asked for it, then split into planes.
void cvSeparateKind(const cv::Mat& bgr, unsigned kind, std::vector<cv::Mat>& planes) {
    cv::Mat space;
    switch (kind) {
    case 1: {
        cv::split(bgr, planes);
        cv::Mat most;
        cv::max(planes[0], planes[1], most);
        cv::max(most, planes[2], most);
        std::vector<cv::Mat> cmyk(4);
        cv::subtract(most, planes[2], cmyk[0]);
        cv::subtract(most, planes[1], cmyk[1]);
        cv::subtract(most, planes[0], cmyk[2]);
        cv::bitwise_not(most, cmyk[3]);
        planes.swap(cmyk);
        return;
    }
    case 2:
        cv::cvtColor(bgr, space, cv::COLOR_BGR2HSV_FULL);
        break;
    case 3:
        cv::cvtColor(bgr, space, cv::COLOR_BGR2HLS_FULL);
        break;
    default:
        cv::bitwise_not(bgr, space);
        break;
    }
    cv::split(space, planes);
}

// And back: the planes merged and converted to blue, green, red.
void cvMergeKind(const std::vector<cv::Mat>& planes, unsigned kind, cv::Mat& bgr) {
    if (kind == 1) {
        cv::Mat white;
        cv::bitwise_not(planes[3], white);
        std::vector<cv::Mat> channels(3);
        cv::subtract(white, planes[2], channels[0]);
        cv::subtract(white, planes[1], channels[1]);
        cv::subtract(white, planes[0], channels[2]);
        cv::merge(channels, bgr);
        return;
    }
    cv::Mat space;
    cv::merge(planes, space);
    if (kind == 2)
        cv::cvtColor(space, bgr, cv::COLOR_HSV2BGR_FULL);
    else if (kind == 3)
        cv::cvtColor(space, bgr, cv::COLOR_HLS2BGR_FULL);
    else
        cv::bitwise_not(space, bgr);
}

void CvSeparateKind(benchmark::State& state, unsigned kind) {
    const cv::Mat& bgr = colourMat();
    for (auto _ : state) {
        std::vector<cv::Mat> planes;
        cvSeparateKind(bgr, kind, planes);
        benchmark::DoNotOptimize(planes.data());
        state.PauseTiming();
        planes.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * side * side * 3);
}

void CvMergeKind(benchmark::State& state, unsigned kind) {
    std::vector<cv::Mat> planes;
    cvSeparateKind(colourMat(), kind, planes);
    for (auto _ : state) {
        cv::Mat merged;
        cvMergeKind(planes, kind, merged);
        benchmark::DoNotOptimize(merged.data);
        state.PauseTiming();
        merged.release();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * side * side * 3);
}
#endif

} // namespace

int main(int argc, char** argv) {
    // Large blocks come from the heap and go back to it, so that both sides
    // reuse warm memory instead of paying for fresh pages every time (which
    // on virtual machines costs more than the work measured). No block is
    // mapped on its own: the allocator refuses a mapping threshold above
    // 32 MB, and a 48 MB picture would still be mapped and unmapped.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    for (unsigned kind = 0; kind < 5; ++kind) {
        const std::string k = std::to_string(kind);
        benchmark::RegisterBenchmark(("Separate" + k).c_str(), separate, kind)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Merge" + k).c_str(), merge, kind)
            ->Unit(benchmark::kMillisecond);
    }
#ifdef TESSARY_HAVE_OPENCV
    benchmark::RegisterBenchmark("CvSplit", CvSplit)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CvMerge", CvMerge)->Unit(benchmark::kMillisecond);
    for (unsigned kind = 1; kind < 5; ++kind) {
        const std::string k = std::to_string(kind);
        benchmark::RegisterBenchmark(("CvSeparate" + k).c_str(), CvSeparateKind, kind)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("CvMerge" + k).c_str(), CvMergeKind, kind)
            ->Unit(benchmark::kMillisecond);
    }
#endif
    return benchsupport::runWithRatios(argc, argv, [](const benchsupport::RatioReporter& r) {
        r.ratio("Separate0", "CvSplit");
        r.ratio("Merge0", "CvMerge");
        for (int kind = 1; kind < 5; ++kind) {
            const std::string k = std::to_string(kind);
            r.ratio("Separate" + k, "CvSeparate" + k);
            r.ratio("Merge" + k, "CvMerge" + k);
        }
    });
}
