#include "ProgressBar.h"

#include <cstdio>

namespace imgfxcli {

namespace {
bool drawn = false;
constexpr int barWidth = 40;
} // namespace

int progressBarCallback(int percent) {
    const int clamped = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    const int filled = clamped * barWidth / 100;
    char bar[barWidth + 1];
    for (int i = 0; i < barWidth; ++i)
        bar[i] = i < filled ? '#' : '.';
    bar[barWidth] = '\0';
    std::fprintf(stderr, "\r[%s] %3d%%", bar, clamped);
    std::fflush(stderr);
    drawn = true;
    return 1;
}

void finishProgressBar() {
    if (drawn)
        std::fputc('\n', stderr);
    drawn = false;
}

} // namespace imgfxcli
