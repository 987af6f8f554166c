#include "graphs/TestGraphs.h"

#include "evaluation/CycleEvaluation.h"

#include <algorithm>

namespace tessaro {

QString testGraphTitle(TestGraph graph)
{
    switch (graph) {
    case TestGraph::PlasticElastic:
        return QStringLiteral("塑性・弾性変位曲線");
    case TestGraph::LoadDisplacement:
        return QStringLiteral("荷重-変位量曲線");
    case TestGraph::TimeLoad:
        return QStringLiteral("時間-荷重曲線");
    case TestGraph::TimeDisplacement:
        break;
    }
    return QStringLiteral("時間-変位量曲線");
}

double lastCycleMaxLoad(const LoadPlan& plan)
{
    int n = std::clamp<int>(plan.StageCount, 0, int(plan.CycleMaxLoad.size()));
    return n > 0 ? plan.CycleMaxLoad[std::size_t(n - 1)] : plan.PlannedMaxLoad;
}

double plannedCycleLoad(const AnchorRecord& anchor, int cycle, bool singleCycle)
{
    // The one cycle of a confirmation test climbs to Tp; its stage-1 load is
    // only the first step on the way.
    if (singleCycle || cycle < 1 || cycle > int(anchor.Plan.CycleMaxLoad.size()))
        return anchor.Plan.PlannedMaxLoad;
    return anchor.Plan.CycleMaxLoad[std::size_t(cycle - 1)];
}

double largestElastic(const AnchorRecord& anchor)
{
    double largest = 0;
    bool found = false;
    for (const ReadingResult& r : anchor.Evaluation.Results) {
        if (isMissing(r.Elastic))
            continue;
        largest = found ? std::max(largest, double(r.Elastic)) : double(r.Elastic);
        found = true;
    }
    return largest;
}

std::array<ChartData, TestGraphCount> drawTestGraphs(const AnchorRecord& anchor, bool singleCycle)
{
    std::array<ChartData, TestGraphCount> charts;
    drawPlasticElasticGraph(charts[0], anchor, singleCycle);
    drawLoadDisplacementGraph(charts[1], anchor);
    drawTimeLoadGraph(charts[2], anchor);
    drawTimeDisplacementGraph(charts[3], anchor, DisplacementSign::AsRead);
    return charts;
}

} // namespace tessaro
