// Processor time of the calling thread: what a step itself costs, whatever
// else the machine runs beside the benchmark.
#pragma once

#include <ctime>

inline double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}
