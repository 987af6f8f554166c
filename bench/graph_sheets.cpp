// Graph sheets of a large quality-assurance project: 999 anchors of six cycles
// and 120 readings, a page an anchor with its four test graphs drawn onto it,
// composed into one PDF as the graph window's print-all does. Wanted: under
// 60 s, under 500 MB peak memory and under 60 MB of file, the memory flat over
// the pages (each anchor's graphs are released once its page is drawn).
// Counters: pages, peak_MB (peak resident memory of the process), growth_MB
// (resident memory gained from page 100 to the end), file_MB, page_KB.

#include "DocumentBench.h"
#include "GeneratedProject.h"

#include "documents/GraphSheets.h"

#include <QFileInfo>
#include <QTemporaryDir>

using namespace tessaro;
using namespace tessaro::bench;

namespace {

void GraphSheets(benchmark::State& state)
{
    const int anchors = int(state.range(0));
    Project p;
    generateProject(p);
    QTemporaryDir dir;
    const QString file = dir.filePath("graphs.pdf");
    int pages = 0;
    PageMemory memory;
    for (auto _ : state) {
        report::ReportEngine engine(file);
        memory.watch(engine);
        if (!PrintGraphSheets(engine, p, 1, anchors, {}))
            state.SkipWithError("the document could not be written");
        pages = engine.MaxPage();
    }
    const double bytes = double(QFileInfo(file).size());
    state.counters["pages"] = pages;
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["growth_MB"] = memory.growth();
    state.counters["file_MB"] = bytes / (1024.0 * 1024.0);
    state.counters["page_KB"] = pages > 0 ? bytes / 1024.0 / pages : 0;
}

} // namespace

// Smaller run first: its peak memory is the reference the large run must keep.
BENCHMARK(GraphSheets)->Arg(50)->Arg(Anchors)->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv)
{
    return runDocumentBenchmarks(argc, argv);
}
