// What imgfx-cli's filters are timed against by scripts/bench-cli: OpenCV's
// equivalents, single-threaded, on the same pixels the script hands to
// imgfx-cli. cv::medianBlur 3 and 5 and the HSV round trip (the reference of
// hue and of saturation) on the 4096 x 4096 colour picture, and one
// warpAffine of the 8-bit A4 page. With --write-pictures FOLDER it writes
// those two pictures instead (colour.ppm, page.pgm) and runs nothing.
#include "BenchPictures.h"
#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace benchpictures;

// A binary PPM (red, green, blue) or PGM file; false when it cannot be written.
bool writePicture(const std::string& path, int width, int height, int channels,
                  const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::fprintf(file, "P%d\n%d %d\n255\n", channels == 3 ? 6 : 5, width, height);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

int writePictures(const std::string& folder) {
    std::vector<uint8_t> colour(size_t(side) * side * 3), page(size_t(pageWidth) * pageHeight);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            for (int c = 0; c < 3; ++c)
                colour[(size_t(y) * side + size_t(x)) * 3 + size_t(c)] = sample(x, y, 2 - c);
    for (int y = 0; y < pageHeight; ++y)
        for (int x = 0; x < pageWidth; ++x)
            page[size_t(y) * pageWidth + size_t(x)] = uint8_t(pageLevel(x, y));
    if (!writePicture(folder + "/colour.ppm", side, side, 3, colour) ||
        !writePicture(folder + "/page.pgm", pageWidth, pageHeight, 1, page)) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

#ifdef TESSARY_HAVE_OPENCV
const cv::Mat& colourMat() {
    static const cv::Mat m = [] {
        cv::Mat mat(side, side, CV_8UC3);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                mat.at<cv::Vec3b>(y, x) = {sample(x, y, 0), sample(x, y, 1), sample(x, y, 2)};
        return mat;
    }();
    return m;
}

void CvMedian(benchmark::State& state) {
    cv::Mat out;
    for (auto _ : state) {
        cv::medianBlur(colourMat(), out, int(state.range(0)));
        benchmark::DoNotOptimize(out.data);
    }
}

void CvHsvRoundTrip(benchmark::State& state) {
    cv::Mat hsv, out;
    for (auto _ : state) {
        cv::cvtColor(colourMat(), hsv, cv::COLOR_BGR2HSV_FULL);
        cv::cvtColor(hsv, out, cv::COLOR_HSV2BGR_FULL);
        benchmark::DoNotOptimize(out.data);
    }
}

void CvWarpPage(benchmark::State& state) {
    const cv::Mat in = cvPage(CV_8UC1);
    cv::Mat out;
    for (auto _ : state) {
        cvTurnPage(in, out);
        benchmark::DoNotOptimize(out.data);
    }
}

BENCHMARK(CvMedian)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(CvHsvRoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(CvWarpPage)->Unit(benchmark::kMillisecond);
#endif

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-pictures") == 0)
        return writePictures(argv[2]);
    return benchsupport::runWithRatios(argc, argv, [](const benchsupport::RatioReporter&) {});
}
