#pragma once
// What the document benchmarks share: the memory of the process while a
// document is composed, and their main function.

#include "ApplicationBench.h"
#include "documents/ReportEngine.h"
#include "ui/ChartOutput.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tessaro::bench {

// Peak resident memory of the process so far.
inline double peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Resident memory now, from the second field of /proc/self/statm (pages).
inline double residentMegabytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toDouble() * double(getpagesize()) / (1024.0 * 1024.0);
}

// Resident memory while an engine composes: sampled every 100 pages once the
// first 100 pages have set up fonts and templates.
struct PageMemory {
    double early = 0;
    double late = 0;

    void watch(report::ReportEngine& engine)
    {
        engine.setObserver([this, lastPage = 0](const report::DrawnForm& f) mutable {
            if (f.page == lastPage || f.page % 100 != 0)
                return;
            lastPage = f.page;
            const double now = residentMegabytes();
            if (f.page == 100)
                early = now;
            late = std::max(late, now);
        });
    }
    // Memory gained from page 100 to the end.
    double growth() const { return late - early; }
};

// The benchmarks' main: offscreen, with the charts of documents drawn as the
// programs draw them.
inline int runDocumentBenchmarks(int argc, char** argv)
{
    return runWithApplication(argc, argv, ui::installDocumentChartDrawing);
}

} // namespace tessaro::bench
