#include "graphs/FrictionLossChart.h"

#include "evaluation/CycleEvaluation.h"
#include "evaluation/FrictionLoss.h"
#include "graphs/ChartFill.h"
#include "graphs/TestGraphs.h"

#include <algorithm>
#include <optional>

namespace tessaro {
namespace {

void addLine(ChartFill& fill, int series, const AnchorRecord& a, float atTp)
{
    if (isMissing(atTp) || !(atTp > 0))
        return;
    fill.add(series, 0, a.Plan.InitialLoad);
    fill.add(series, atTp, a.Plan.PlannedMaxLoad);
}

// The upper end of the elastic line: the higher of the two chosen points, or,
// with the intercept load given, the last measured cycle.
std::optional<ChartPoint> lineTop(const AnchorRecord& a, const ChartPoint& lastMeasured)
{
    if (a.UseGivenIntercept)
        return lastMeasured;
    int pa = a.PointA > MaxFrictionPoint ? 0 : a.PointA;
    int pb = a.PointB > MaxFrictionPoint ? 0 : a.PointB;
    int upper = std::max(pa, pb);
    // Point 1 lies on the load axis itself: two points are needed for a line.
    if (pa == 0 || pb == 0 || upper < 2)
        return std::nullopt;
    double elastic = ElasticOfCycle(upper - 1, a);
    if (isMissing(elastic))
        return std::nullopt;
    return ChartPoint { elastic, plannedCycleLoad(a, upper - 1, false) };
}

} // namespace

void drawFrictionLossChart(ChartData& chart, const AnchorRecord& a)
{
    chart = ChartData();
    chart.title = FrictionLossChartTitle;
    chart.x.title = DisplacementAxisTitle;
    chart.y.title = LoadAxisTitle;
    const QString names[] = { QStringLiteral("理論線"), QStringLiteral("上限線"), QStringLiteral("下限線"),
        QStringLiteral("弾性変位量"), QStringLiteral("延長線") };
    for (int s = FrictionTheorySeries; s <= FrictionLineSeries; ++s)
        chart.series(0, s).name = names[s];

    ChartFill fill(chart);
    std::vector<ChartPoint> measured;
    int rows = std::min<int>(EvaluatedRowCount(a), int(a.Evaluation.Results.size()));
    for (int i = 0; i < rows; ++i) {
        float elastic = a.Evaluation.Results[std::size_t(i)].Elastic;
        if (!isMissing(elastic))
            measured.push_back({ elastic, plannedCycleLoad(a, a.Readings[std::size_t(i)].Cycle, false) });
    }
    if (measured.empty()) {
        fill.finish();
        return;
    }
    fill.add(FrictionElasticSeries, 0, a.Plan.InitialLoad);
    for (const ChartPoint& p : measured)
        fill.add(FrictionElasticSeries, p.x, p.y);
    addLine(fill, FrictionTheorySeries, a, a.Evaluation.TheoryAtTp);
    addLine(fill, FrictionUpperSeries, a, a.Evaluation.UpperAtTp);
    addLine(fill, FrictionLowerSeries, a, a.Evaluation.LowerAtTp);
    if (std::optional<ChartPoint> top = lineTop(a, measured.back())) {
        fill.add(FrictionLineSeries, 0, a.InterceptLoad);
        fill.add(FrictionLineSeries, top->x, top->y);
    }
    double elastic = largestElastic(a);
    double right = isMissing(a.Evaluation.UpperAtTp) ? elastic : std::max<double>(a.Evaluation.UpperAtTp, elastic);
    fill.finish({ 0, right, 0, a.Plan.PlannedMaxLoad });
}

} // namespace tessaro
