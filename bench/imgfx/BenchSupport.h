// What the imgfx benchmarks share: the colours of their palette pictures,
// writing prepared stored rows into a bitmap, the reporter that closes each
// report with ratios of our time to the reference's, and the run itself.
#pragma once

#include "rkkernel/rkkernel.h"

#include <benchmark/benchmark.h>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace benchsupport {

// 256 colours spread over the cube, for palette pictures.
inline std::vector<RasterColor> paletteColours() {
    std::vector<RasterColor> colors(256);
    for (int i = 0; i < 256; ++i)
        colors[size_t(i)] = {uint8_t(i * 37), uint8_t(i * 91), uint8_t(255 - i * 53), 0};
    return colors;
}

// Writes every stored row of bmp from bytes, rows BytesPerLine apart.
inline void writeStoredRows(RasterBitmap* bmp, const uint8_t* bytes) {
    const intptr_t token = KBeginAccess(bmp);
    for (int y = 0; y < bmp->Height; ++y)
        KWriteRow(bmp, bytes + size_t(y) * size_t(bmp->BytesPerLine), y, bmp->BytesPerLine);
    KEndAccess(bmp, token);
}

// Keeps each run's processor time per iteration (in milliseconds, whatever
// the run's unit) to print the ratios at the end: on a machine shared with
// other work the processor time of this single thread is what each side
// costs, where the wall time also counts the waits for the processor. With
// repetitions the median of them counts: random interleaving
// (scripts/bench) then spreads the drift of a shared machine's memory
// over both sides, where a single run of each can land one side in a slow
// spell.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            const double ms = run.GetAdjustedCPUTime() * toMilliseconds(run);
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[name] = ms;
            else if (run.run_type == Run::RT_Iteration)
                times[name] = ms;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void ratio(const std::string& ours, const std::string& reference) const {
        const double a = time(ours), b = time(reference);
        if (a > 0 && b > 0)
            std::printf("ratio %-22s / %-14s = %6.2f\n", ours.c_str(), reference.c_str(), a / b);
    }

private:
    double time(const std::string& name) const {
        auto median = medians.find(name);
        if (median != medians.end())
            return median->second;
        auto last = times.find(name);
        return last != times.end() ? last->second : 0;
    }
    static double toMilliseconds(const Run& run) {
        switch (run.time_unit) {
        case benchmark::kNanosecond:
            return 1e-6;
        case benchmark::kMicrosecond:
            return 1e-3;
        case benchmark::kSecond:
            return 1e3;
        default:
            return 1;
        }
    }
    std::map<std::string, double> times, medians;
};

// Runs the benchmarks registered so far (OpenCV on one thread, as ours
// run) and then prints the ratios that ratios asks the reporter for.
inline int runWithRatios(int argc, char** argv,
                         const std::function<void(const RatioReporter&)>& ratios) {
#ifdef TESSARY_HAVE_OPENCV
    cv::setNumThreads(1);
#endif
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    ratios(reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace benchsupport
