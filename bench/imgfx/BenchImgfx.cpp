// imgfx beside its references on 4096 x 4096 pictures, single-threaded:
// inversion and a plain read-convert-write pass through the row walker, on
// a 24-bit bitmap and on an 8-bit palette bitmap with a region, against a
// memcpy of the same pixels and OpenCV's bitwise_not (and LUT, the mark for
// table operations and for the palette picture's inversion, which maps
// indices through a table). Ratios (our processor time / the reference's) close the
// report.
#include "imgfx/LookupTable.h"
#include "imgfx/RowWalker.h"
#include "imgfx/imgfx.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int side = 4096;

struct Picture {
    RasterBitmap bmp{};
    explicit Picture(int bits, bool region) {
        const std::vector<RasterColor> colors = benchsupport::paletteColours();
        KPalette* palette = bits == 8 ? KCreatePalette(256, colors.data()) : nullptr;
        KAllocBitmap(&bmp, 1, side, side, bits, RB_ORDER_BGR, palette, RB_ROWS_BOTTOM_UP);
        KDeletePalette(palette);
        std::vector<uint8_t> row(size_t(bmp.BytesPerLine));
        intptr_t token = KBeginAccess(&bmp);
        for (int y = 0; y < side; ++y) {
            for (size_t k = 0; k < row.size(); ++k)
                row[k] = uint8_t(k * 7 + size_t(y) * 13);
            KWriteRow(&bmp, row.data(), y, bmp.BytesPerLine);
        }
        KEndAccess(&bmp, token);
        if (region) {
            KRect inset{side / 16, side / 16, side - side / 16, side - side / 16};
            KSetRegionEllipse(&bmp, &inset, K_REGION_SET);
        }
    }
    ~Picture() { KFreeBitmap(&bmp); }
    size_t bytes() const { return size_t(bmp.BytesPerLine) * size_t(bmp.Height); }
};

Picture& colour() {
    static Picture p(24, false);
    return p;
}

Picture& palette() {
    static Picture p(8, true);
    return p;
}

int noChange(void*, const FxRow*) {
    return FX_OK;
}

void Invert24(benchmark::State& state) {
    Picture& p = colour();
    for (auto _ : state)
        benchmark::DoNotOptimize(R_InvertBitmap(&p.bmp));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.bytes()));
}

void Walk24(benchmark::State& state) {
    Picture& p = colour();
    for (auto _ : state)
        benchmark::DoNotOptimize(RowWalkerRun(&p.bmp, 0, 0, 100, noChange, nullptr));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.bytes()));
}

void Table24(benchmark::State& state) {
    Picture& p = colour();
    uint8_t table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = uint8_t(i * i / 255);
    for (auto _ : state)
        benchmark::DoNotOptimize(FxApplyLookupTable(&p.bmp, table, 0, 0, 100));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.bytes()));
}

void Invert8Region(benchmark::State& state) {
    Picture& p = palette();
    for (auto _ : state)
        benchmark::DoNotOptimize(R_InvertBitmap(&p.bmp));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.bytes()));
}

void Walk8Region(benchmark::State& state) {
    Picture& p = palette();
    for (auto _ : state)
        benchmark::DoNotOptimize(RowWalkerRun(&p.bmp, 0, 0, 100, noChange, nullptr));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.bytes()));
}

void memcpyOf(benchmark::State& state, size_t bytes) {
    std::vector<uint8_t> from(bytes, 1), to(bytes, 2);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void Memcpy24(benchmark::State& state) {
    memcpyOf(state, size_t(side) * side * 3);
}

void Memcpy8(benchmark::State& state) {
    memcpyOf(state, size_t(side) * side);
}

BENCHMARK(Invert24)->Unit(benchmark::kMillisecond);
BENCHMARK(Walk24)->Unit(benchmark::kMillisecond);
BENCHMARK(Table24)->Unit(benchmark::kMillisecond);
BENCHMARK(Memcpy24)->Unit(benchmark::kMillisecond);
BENCHMARK(Invert8Region)->Unit(benchmark::kMillisecond);
BENCHMARK(Walk8Region)->Unit(benchmark::kMillisecond);
BENCHMARK(Memcpy8)->Unit(benchmark::kMillisecond);

#ifdef TESSARY_HAVE_OPENCV
void CvNot24(benchmark::State& state) {
    cv::Mat m(side, side, CV_8UC3, cv::Scalar(1, 2, 3));
    for (auto _ : state)
        cv::bitwise_not(m, m);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(m.total() * m.elemSize()));
}

void CvLut24(benchmark::State& state) {
    cv::Mat m(side, side, CV_8UC3, cv::Scalar(1, 2, 3)), lut(1, 256, CV_8U);
    for (int i = 0; i < 256; ++i)
        lut.at<uint8_t>(i) = uint8_t(i * i / 255);
    for (auto _ : state)
        cv::LUT(m, lut, m);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(m.total() * m.elemSize()));
}

void CvNot8(benchmark::State& state) {
    cv::Mat m(side, side, CV_8UC1, cv::Scalar(1));
    for (auto _ : state)
        cv::bitwise_not(m, m);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(m.total()));
}

// A palette picture's inversion maps every index through one table of 256
// indices, which is what LUT does.
void CvLut8(benchmark::State& state) {
    cv::Mat m(side, side, CV_8UC1, cv::Scalar(1)), lut(1, 256, CV_8U);
    for (int i = 0; i < 256; ++i)
        lut.at<uint8_t>(i) = uint8_t(i * 167 + 13);
    for (auto _ : state)
        cv::LUT(m, lut, m);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(m.total()));
}
BENCHMARK(CvNot24)->Unit(benchmark::kMillisecond);
BENCHMARK(CvLut24)->Unit(benchmark::kMillisecond);
BENCHMARK(CvNot8)->Unit(benchmark::kMillisecond);
BENCHMARK(CvLut8)->Unit(benchmark::kMillisecond);
#endif

} // namespace

int main(int argc, char** argv) {
    return benchsupport::runWithRatios(argc, argv, [](const benchsupport::RatioReporter& r) {
        for (const char* ours : {"Invert24", "Walk24", "Table24"}) {
            r.ratio(ours, "Memcpy24");
            r.ratio(ours, "CvNot24");
        }
        r.ratio("Table24", "CvLut24");
        for (const char* ours : {"Invert8Region", "Walk8Region"}) {
            r.ratio(ours, "Memcpy8");
            r.ratio(ours, "CvNot8");
        }
        r.ratio("Invert8Region", "CvLut8");
    });
}
