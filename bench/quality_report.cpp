// The quality-assurance report of 100 anchors with 120 readings each: every
// anchor's load plan, limits, lock-off tension, results, test graphs and load
// plan graph, composed into one PDF as the report wizard's preview does.
// Wanted: under 60 s, the memory flat over the pages (each anchor's charts are
// released once its page is drawn). Counters: pages, peak_MB, growth_MB
// (resident memory gained from page 100 to the end), file_MB.

#include "DocumentBench.h"
#include "GeneratedProject.h"

#include "documents/QualityDocument.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <numeric>

using namespace tessaro;
using namespace tessaro::bench;

namespace {

void QualityReport(benchmark::State& state)
{
    const int count = int(state.range(0));
    Project p;
    generateProject(p);
    std::vector<int> anchors(std::size_t(count), 0);
    std::iota(anchors.begin(), anchors.end(), 1);
    QTemporaryDir dir;
    const QString file = dir.filePath("report.pdf");
    int pages = 0;
    PageMemory memory;
    for (auto _ : state) {
        report::ReportEngine engine(file);
        memory.watch(engine);
        if (!PrintQualityDocument(engine, p, DocumentFamily::QualityReport, anchors))
            state.SkipWithError("the document could not be written");
        pages = engine.MaxPage();
    }
    state.counters["pages"] = pages;
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["growth_MB"] = memory.growth();
    state.counters["file_MB"] = double(QFileInfo(file).size()) / (1024.0 * 1024.0);
}

} // namespace

// Smaller run first: its peak memory is the reference the large run must keep.
BENCHMARK(QualityReport)->Arg(20)->Arg(100)->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv)
{
    return runDocumentBenchmarks(argc, argv);
}
