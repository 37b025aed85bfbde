#include "BatchProgress.h"

#include <cstdio>

namespace imgfxcli {

namespace {
constexpr int barWidth = 40;
}

BatchProgress::BatchProgress(int total, bool shown)
    : total_(total), shown_(shown), start_(std::chrono::steady_clock::now()) {
    draw();
}

void BatchProgress::step() {
    ++done_;
    draw();
}

void BatchProgress::interrupt() {
    if (drawn_)
        std::fputc('\n', stderr);
    drawn_ = false;
}

void BatchProgress::draw() {
    if (!shown_)
        return;
    const int filled = total_ > 0 ? done_ * barWidth / total_ : barWidth;
    char bar[barWidth + 1];
    for (int i = 0; i < barWidth; ++i)
        bar[i] = i < filled ? '#' : '.';
    bar[barWidth] = '\0';
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const double rate = seconds > 0 ? done_ / seconds : 0.0;
    std::fprintf(stderr, "\r[%s] %d/%d files, %.1f pictures/s", bar, done_, total_, rate);
    std::fflush(stderr);
    drawn_ = true;
}

} // namespace imgfxcli
