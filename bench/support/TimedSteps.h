// Runs one step per iteration of a manual-time benchmark: the iteration's
// time is the step's wall time, and "cpu_ms" the processor time the step
// took on this thread, which other work on the machine does not inflate.
#pragma once

#include "bench/support/ThreadTime.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

template <class Step>
void timeSteps(benchmark::State& state, Step step) {
    double cpuTotal = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        const double cpu = threadSeconds();
        timer.start();
        step();
        state.SetIterationTime(timer.nsecsElapsed() * 1e-9);
        cpuTotal += threadSeconds() - cpu;
    }
    state.counters["cpu_ms"] = 1e3 * cpuTotal / double(state.iterations());
}
