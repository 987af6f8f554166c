// Data sheets of a large quality-assurance project: 999 anchors of 120 readings
// each, about 4000 pages, composed into one PDF. The page count grows with the
// anchors; the memory must not (pages go to the file as they are finished).
// Counters: pages, peak_MB (peak resident memory of the process), growth_MB
// (resident memory gained from page 100 to the end), file_MB.

#include "DocumentBench.h"

#include "documents/PrintModule.h"
#include "support/DataSheetSamples.h"

#include <QFileInfo>
#include <QTemporaryDir>

using namespace tessaro;
using namespace tessaro::bench;

namespace {

void DataSheets(benchmark::State& state)
{
    const int anchors = int(state.range(0));
    Project p;
    test::makeQualityProject(p, anchors, 120);
    QTemporaryDir dir;
    const QString file = dir.filePath("sheets.pdf");
    int pages = 0;
    PageMemory memory;
    for (auto _ : state) {
        report::ReportEngine engine(file);
        memory.watch(engine);
        DataSheetOptions options;
        options.showTime = true;
        if (!PrintModule::PrintDataSheets(engine, p, 1, anchors, options))
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
BENCHMARK(DataSheets)->Arg(50)->Arg(999)->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv)
{
    return runDocumentBenchmarks(argc, argv);
}
