#pragma once

// The main of a benchmark that shows widgets: offscreen unless a platform is
// named, the benchmarks run inside the application, and what they kept open
// is freed (ende) while the application still exists, so the program ends
// cleanly.

#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>

inline int runQtBenchmarks(int argc, char **argv, const std::function<void()> &ende = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (ende)
        ende();
    return 0;
}
