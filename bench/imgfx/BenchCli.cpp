// What imgfx-cli's filters are timed against by scripts/bench-cli: OpenCV's
// equivalents, single-threaded, on the same pixels the script hands to
// imgfx-cli. cv::medianBlur 3 and 5 and the HSV round trip (the reference of
// hue and of saturation) on the 4096 x 4096 colour picture, and one
// warpAffine of the 8-bit A4 page. With --write-pictures FOLDER it writes
// those two pictures instead (colour.ppm, page.pgm) and runs nothing.
// For the batch measurement: --write-batch FOLDER COUNT SIDE writes COUNT
// colour pictures of SIDE x SIDE (p000.ppm, ...), and --batch-median FOLDER
// OUT DIMENSION runs OpenCV's medianBlur, with its default threads, over
// every picture of FOLDER (read and written as imgfx-cli --batch would),
// printing the wall-clock seconds it took.
#include "BenchPictures.h"
#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

int writeBatch(const std::string& folder, int count, int size) {
    std::vector<uint8_t> colour(size_t(size) * size * 3);
    for (int i = 0; i < count; ++i) {
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                for (int c = 0; c < 3; ++c)
                    colour[(size_t(y) * size + size_t(x)) * 3 + size_t(c)] =
                        sample(x + 37 * i, y + 11 * i, 2 - c);
        char name[32];
        std::snprintf(name, sizeof name, "/p%03d.ppm", i);
        if (!writePicture(folder + name, size, size, 3, colour)) {
            std::fprintf(stderr, "cannot write the pictures into %s\n", folder.c_str());
            return 1;
        }
    }
    return 0;
}

#ifdef TESSARY_HAVE_OPENCV
// A binary PPM as OpenCV's blue, green, red; empty when it is not one.
cv::Mat readPpm(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    int width = 0, height = 0, maximum = 0;
    cv::Mat mat;
    if (file && std::fscanf(file, "P6 %d %d %d", &width, &height, &maximum) == 3 &&
        std::fgetc(file) != EOF && width > 0 && height > 0 && maximum == 255) {
        mat.create(height, width, CV_8UC3);
        if (std::fread(mat.data, 1, mat.total() * 3, file) != mat.total() * 3)
            mat.release();
        else
            cv::cvtColor(mat, mat, cv::COLOR_RGB2BGR);
    }
    if (file)
        std::fclose(file);
    return mat;
}

int batchMedian(const std::string& folder, const std::string& out, int dimension) {
    const auto start = std::chrono::steady_clock::now();
    int pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const cv::Mat in = readPpm(entry.path().string());
        if (in.empty())
            continue;
        cv::Mat filtered, rgb;
        cv::medianBlur(in, filtered, dimension);
        cv::cvtColor(filtered, rgb, cv::COLOR_BGR2RGB);
        std::vector<uint8_t> bytes(rgb.data, rgb.data + rgb.total() * 3);
        writePicture(out + "/" + entry.path().filename().string(), rgb.cols, rgb.rows, 3, bytes);
        ++pictures;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.3f seconds for %d pictures, %d threads\n", seconds, pictures,
                cv::getNumThreads());
    return 0;
}

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
    if (argc == 5 && std::strcmp(argv[1], "--write-batch") == 0)
        return writeBatch(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
#ifdef TESSARY_HAVE_OPENCV
    if (argc == 5 && std::strcmp(argv[1], "--batch-median") == 0)
        return batchMedian(argv[2], argv[3], std::atoi(argv[4]));
#endif
    return benchsupport::runWithRatios(argc, argv, [](const benchsupport::RatioReporter&) {});
}
