// Opening the results list of a full project: every one of the 999 anchors
// (120 readings each) evaluated afresh, its creep judgement repeated from its
// stored selection, and both grids filled. Target: under 0.5 s.

#include "ApplicationBench.h"

#include "GeneratedProject.h"

#include "evaluation/ResultsList.h"
#include "evaluation/frmEffect.h"
#include "model/UserMessage.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace tessaro;

namespace {

// Every reading taken a minute into its holding, so that the six readings at
// each peak are creep points at 1 to 6 minutes; ta, tb at 2 and 6 minutes.
void setUpProject()
{
    Project& p = project();
    bench::generateProject(p);
    for (int n = 1; n <= p.anchorCount(); ++n) {
        for (Reading& r : p.anchor(n).Readings)
            r.Interval = 1;
        p.Record.CreepSelections[std::size_t(n - 1)] = { .TaNo = 2, .TbNo = 6 };
    }
}

void ResultsRowsOfEveryAnchor(benchmark::State& state)
{
    setUpProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(ResultsList(project()).size());
}
BENCHMARK(ResultsRowsOfEveryAnchor)->Unit(benchmark::kMillisecond);

void OpenResultsList(benchmark::State& state)
{
    setUpProject();
    MessageScript messages; // none expected
    for (auto _ : state) {
        frmEffect window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.rows().size());
    }
    state.counters["messages"] = double(messages.shown().size());
}
BENCHMARK(OpenResultsList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return tessaro::bench::runWithApplication(argc, argv);
}
