// The point and colour operations beside their references on 4096 x 4096
// pictures, single-threaded: a 24-bit colour picture and an 8-bit grey one
// (with a region over the whole picture, so that it takes the pixel path),
// against memcpy of the same pixels and OpenCV's nearest equivalents:
// cv::LUT for the table operations, cv::equalizeHist (or its colour
// counterpart) for the histogram operations, calcHist for histograms and a
// cvtColor HSV round trip for hue and saturation. Every run starts from the
// same pixels, restored outside the timing. The palette path is timed on
// palette pictures of two sizes to show that it does not depend on size.
// Ratios (our time / reference time) close the report.
#include "imgfx/imgfx.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int side = 4096;

// A picture with smooth gradients and some noise, like a photograph, and a
// pristine copy of its stored rows to restore.
struct Picture {
    RasterBitmap bmp{};
    std::vector<uint8_t> pristine;
    Picture(int bits, int width, bool wholeRegion) {
        const std::vector<RasterColor> colors = benchsupport::paletteColours();
        KPalette* palette =
            bits == 8 && !wholeRegion ? KCreatePalette(256, colors.data()) : nullptr;
        KAllocBitmap(&bmp, 1, width, width, bits, RB_ORDER_BGR, palette, RB_ROWS_BOTTOM_UP);
        KDeletePalette(palette);
        pristine.resize(size_t(bmp.BytesPerLine) * size_t(width));
        uint32_t noise = 1;
        for (int y = 0; y < width; ++y)
            for (int k = 0; k < bmp.BytesPerLine; ++k) {
                noise = noise * 1103515245u + 12345u;
                int channel = bits == 24 ? k % 3 : 0, x = bits == 24 ? k / 3 : k;
                int level = (x * (channel + 2) + y * (3 - channel)) / 40 + int(noise >> 28);
                pristine[size_t(y) * size_t(bmp.BytesPerLine) + size_t(k)] = uint8_t(level);
            }
        restore();
        if (wholeRegion) {
            KRect all{0, 0, width, width};
            KSetRegionRect(&bmp, &all, K_REGION_SET);
        }
    }
    ~Picture() { KFreeBitmap(&bmp); }
    void restore() { benchsupport::writeStoredRows(&bmp, pristine.data()); }
    int64_t bytes() const { return int64_t(pristine.size()); }
};

Picture& colour() {
    static Picture p(24, side, false);
    return p;
}

Picture& grey() {
    static Picture p(8, side, true);
    return p;
}

Picture& palette(int width) {
    static Picture big(8, side, false), small(8, 256, false);
    return width == side ? big : small;
}

using Operation = std::function<int(RasterBitmap*)>;

uint8_t squares[256];

const std::vector<std::pair<std::string, Operation>>& operations() {
    static const std::vector<std::pair<std::string, Operation>> ops = {
        {"Intensity", [](RasterBitmap* b) { return R_ChangeBitmapIntensity(b, 300); }},
        {"Contrast", [](RasterBitmap* b) { return R_ChangeBitmapContrast(b, 400); }},
        {"Posterize", [](RasterBitmap* b) { return R_PosterizeBitmap(b, 6); }},
        {"Detect", [](RasterBitmap* b) { return R_IntensityDetectBitmap(b, 60, 180); }},
        {"Gamma", [](RasterBitmap* b) { return R_GammaCorrectBitmap(b, 180); }},
        {"Remap", [](RasterBitmap* b) { return R_RemapBitmapIntensity(b, squares, 0); }},
        {"RemapRed", [](RasterBitmap* b) { return R_RemapBitmapIntensity(b, squares, 1); }},
        {"Invert", R_InvertBitmap},
        {"Equalize", R_HistoEqualizeBitmap},
        {"Stretch", R_StretchBitmapIntensity},
        {"HistoContrast", [](RasterBitmap* b) { return R_HistoContrastBitmap(b, 300); }},
        {"Hue", [](RasterBitmap* b) { return R_ChangeBitmapHue(b, 100); }},
        {"Saturation", [](RasterBitmap* b) { return R_ChangeBitmapSaturation(b, 400); }},
        {"Histogram",
         [](RasterBitmap* b) {
             static uint32_t counts[256];
             return R_GetBitmapHistogram(b, counts, 0);
         }},
    };
    return ops;
}

void runOurs(benchmark::State& state, Picture& picture, const Operation& op) {
    for (auto _ : state) {
        state.PauseTiming();
        picture.restore();
        state.ResumeTiming();
        if (op(&picture.bmp) != FX_OK)
            state.SkipWithError("the operation failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * picture.bytes());
}

// Palette calls take microseconds: the palette is put back inside the
// timing (the same few hundred bytes for either size) rather than around
// it.
void runPalette(benchmark::State& state, int width, const Operation& op) {
    RasterBitmap* bmp = &palette(width).bmp;
    std::vector<RasterColor> entries(256);
    KGetPaletteEntries(bmp->Palette, 0, 256, entries.data());
    for (auto _ : state) {
        KSetPaletteEntries(bmp->Palette, 0, 256, entries.data());
        std::memcpy(bmp->Colors, entries.data(), entries.size() * sizeof(RasterColor));
        benchmark::DoNotOptimize(op(bmp));
    }
}

void memcpyOf(benchmark::State& state, int64_t bytes) {
    std::vector<uint8_t> from(size_t(bytes), 1), to(size_t(bytes), 2);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size_t(bytes));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
}

#ifdef TESSARY_HAVE_OPENCV
cv::Mat matOf(Picture& p, int type) {
    cv::Mat m(p.bmp.Height, p.bmp.Width, type);
    for (int y = 0; y < m.rows; ++y)
        std::memcpy(m.ptr(y), p.pristine.data() + size_t(y) * size_t(p.bmp.BytesPerLine),
                    m.cols * m.elemSize());
    return m;
}

// Runs f on a copy of the picture's pixels, restored before every run,
// after one run outside the timing that lets OpenCV build its tables and f
// allocate its scratch pictures (kept from run to run).
void runCv(benchmark::State& state, Picture& p, int type, const std::function<void(cv::Mat&)>& f) {
    const cv::Mat pristine = matOf(p, type);
    cv::Mat m = pristine.clone();
    f(m);
    for (auto _ : state) {
        state.PauseTiming();
        pristine.copyTo(m);
        state.ResumeTiming();
        f(m);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(m.total() * m.elemSize()));
}

cv::Mat squaresLut() {
    cv::Mat lut(1, 256, CV_8U);
    for (int i = 0; i < 256; ++i)
        lut.at<uint8_t>(i) = squares[i];
    return lut;
}

cv::Mat intensityHistogram(const cv::Mat& grey) {
    const int channels[] = {0}, size[] = {256};
    const float range[] = {0, 256};
    const float* ranges[] = {range};
    cv::Mat hist;
    cv::calcHist(&grey, 1, channels, cv::Mat(), hist, 1, size, ranges);
    return hist;
}

// What equalisation of a colour picture does with OpenCV's parts: the grey
// form, its histogram, the running sums as a table, the table on all three
// channels.
void cvEqualizeColour(cv::Mat& m) {
    static cv::Mat grey;
    cv::cvtColor(m, grey, cv::COLOR_BGR2GRAY);
    cv::Mat hist = intensityHistogram(grey), lut(1, 256, CV_8U);
    double sum = 0, total = double(m.total());
    for (int i = 0; i < 256; ++i) {
        sum += hist.at<float>(i);
        lut.at<uint8_t>(i) = cv::saturate_cast<uint8_t>(sum * 255.0 / total);
    }
    cv::LUT(m, lut, m);
}

void cvHsvRoundTrip(cv::Mat& m) {
    static cv::Mat hsv;
    cv::cvtColor(m, hsv, cv::COLOR_BGR2HSV_FULL);
    cv::cvtColor(hsv, m, cv::COLOR_HSV2BGR_FULL);
}

void registerOpenCv() {
    using benchmark::RegisterBenchmark;
    const cv::Mat lut = squaresLut();
    cv::Mat redLut(1, 256, CV_8UC3);
    for (int i = 0; i < 256; ++i)
        redLut.at<cv::Vec3b>(i) = {uint8_t(i), uint8_t(i), squares[i]};
    RegisterBenchmark("CvLut24", [lut](benchmark::State& s) {
        runCv(s, colour(), CV_8UC3, [&](cv::Mat& m) { cv::LUT(m, lut, m); });
    });
    RegisterBenchmark("CvLutRed24", [redLut](benchmark::State& s) {
        runCv(s, colour(), CV_8UC3, [&](cv::Mat& m) { cv::LUT(m, redLut, m); });
    });
    RegisterBenchmark("CvEqualize24",
                      [](benchmark::State& s) { runCv(s, colour(), CV_8UC3, cvEqualizeColour); });
    RegisterBenchmark("CvHsv24",
                      [](benchmark::State& s) { runCv(s, colour(), CV_8UC3, cvHsvRoundTrip); });
    RegisterBenchmark("CvHistogram24", [](benchmark::State& s) {
        runCv(s, colour(), CV_8UC3, [](cv::Mat& m) {
            static cv::Mat grey;
            cv::cvtColor(m, grey, cv::COLOR_BGR2GRAY);
            benchmark::DoNotOptimize(intensityHistogram(grey).data);
        });
    });
    RegisterBenchmark("CvLut8", [lut](benchmark::State& s) {
        runCv(s, grey(), CV_8UC1, [&](cv::Mat& m) { cv::LUT(m, lut, m); });
    });
    RegisterBenchmark("CvEqualize8", [](benchmark::State& s) {
        runCv(s, grey(), CV_8UC1, [](cv::Mat& m) { cv::equalizeHist(m, m); });
    });
    RegisterBenchmark("CvHsv8", [](benchmark::State& s) {
        runCv(s, grey(), CV_8UC1, [](cv::Mat& m) {
            static cv::Mat colour;
            cv::cvtColor(m, colour, cv::COLOR_GRAY2BGR);
            cvHsvRoundTrip(colour);
            cv::cvtColor(colour, m, cv::COLOR_BGR2GRAY);
        });
    });
    RegisterBenchmark("CvHistogram8", [](benchmark::State& s) {
        runCv(s, grey(), CV_8UC1,
              [](cv::Mat& m) { benchmark::DoNotOptimize(intensityHistogram(m).data); });
    });
}
#endif

void registerAll() {
    using benchmark::RegisterBenchmark;
    for (const auto& [name, op] : operations()) {
        RegisterBenchmark((name + "24").c_str(),
                          [op](benchmark::State& s) { runOurs(s, colour(), op); });
        RegisterBenchmark((name + "8").c_str(),
                          [op](benchmark::State& s) { runOurs(s, grey(), op); });
    }
    RegisterBenchmark("Memcpy24",
                      [](benchmark::State& s) { memcpyOf(s, int64_t(side) * side * 3); });
    RegisterBenchmark("Memcpy8", [](benchmark::State& s) { memcpyOf(s, int64_t(side) * side); });
    for (int width : {side, 256})
        for (const auto& [name, op] : operations()) {
            if (name == "Equalize" || name == "Stretch" || name == "HistoContrast" ||
                name == "Histogram")
                continue; // these count every pixel first
            RegisterBenchmark(("Palette" + name + std::to_string(width)).c_str(),
                              [op, width](benchmark::State& s) { runPalette(s, width, op); })
                ->Unit(benchmark::kMicrosecond);
        }
#ifdef TESSARY_HAVE_OPENCV
    registerOpenCv();
#endif
}

void printRatios(const benchsupport::RatioReporter& r) {
    for (const char* depth : {"24", "8"}) {
        const std::string d = depth;
        for (const auto& [name, op] : operations()) {
            const bool hsv = name == "Hue" || name == "Saturation";
            const bool histogram =
                name == "Equalize" || name == "Stretch" || name == "HistoContrast";
            const std::string reference = hsv                               ? "CvHsv"
                                          : histogram                       ? "CvEqualize"
                                          : name == "Histogram"             ? "CvHistogram"
                                          : name == "RemapRed" && d == "24" ? "CvLutRed"
                                                                            : "CvLut";
            r.ratio(name + d, reference + d);
            r.ratio(name + d, "Memcpy" + d);
        }
    }
    for (const auto& [name, op] : operations())
        r.ratio("Palette" + name + std::to_string(side), "Palette" + name + "256");
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 0; i < 256; ++i)
        squares[i] = uint8_t(i * i / 255);
    registerAll();
    return benchsupport::runWithRatios(argc, argv, printRatios);
}
