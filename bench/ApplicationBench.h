#pragma once
// The main function of the benchmarks that need the application: windows and
// documents run offscreen unless a platform is named.

#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>

namespace tessaro::bench {

// Runs the benchmarks with `setUp` called once the application exists and
// `tearDown` before it goes (for what must be released while it lives).
inline int runWithApplication(
    int argc, char** argv, const std::function<void()>& setUp = {}, const std::function<void()>& tearDown = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (tearDown)
        tearDown();
    return 0;
}

} // namespace tessaro::bench
