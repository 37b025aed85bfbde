#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main of a benchmark that needs a Qt application: off screen unless a platform is
// set, with one Scene made after the application and before the runs, and
// reachable through current while they run.
template <class Scene>
int runWidgetBenchmarks(int argc, char** argv, Scene*& current) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Scene scene;
    current = &scene;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    current = nullptr;
    return 0;
}
