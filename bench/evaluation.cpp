// Evaluating every anchor of a full project, as the results list does before
// it shows anything. Target: under 100 ms for all 999 anchors.

#include "GeneratedProject.h"
#include "evaluation/CycleEvaluation.h"

#include <benchmark/benchmark.h>

using namespace tessaro;

static void EvaluateEveryAnchor(benchmark::State& state)
{
    Project& p = project();
    bench::generateProject(p);
    EvaluationContext ctx = evaluationContextOf(p);
    for (auto _ : state) {
        for (AnchorRecord& a : p.Record.Anchors)
            EvaluateAnchor(a, ctx);
        benchmark::DoNotOptimize(p.Record.Anchors.back().Evaluation.LastElastic);
    }
}
BENCHMARK(EvaluateEveryAnchor)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
