#pragma once

#include <chrono>

namespace imgfxcli {

// The one progress bar of a batch on standard error: files done of the
// total and pictures a second. Callers hold a lock around every call.
class BatchProgress {
public:
    BatchProgress(int total, bool shown);
    // One more file done (written or failed); redraws the bar.
    void step();
    // Ends the bar's line so that a message can follow on a line of its own.
    void interrupt();
    // Ends the bar's line if one was drawn.
    void finish() { interrupt(); }

private:
    void draw();

    int total_;
    int done_ = 0;
    bool shown_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point start_;
};

} // namespace imgfxcli
