#include "graphs/FrictionLossChart.h"

#include "evaluation/CycleEvaluation.h"
#include "evaluation/FrictionLoss.h"
#include "graphs/ChartFill.h"
#include "graphs/TestGraphs.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace tessaro {
namespace {

// Numbers stand above and left of their points; point 1, on the load axis,
// below and right of it, clear of the axis labels and of the lines rising from it.
const QPointF PointNumberOffset(-14, -18);
const QPointF AxisPointNumberOffset(6, 2);

void addLine(ChartFill& fill, int series, const AnchorRecord& a, float atTp)
{
    if (isMissing(atTp) || !(atTp > 0))
        return;
    fill.add(series, 0, a.Plan.InitialLoad);
    fill.add(series, atTp, a.Plan.PlannedMaxLoad);
}

// The upper end of the elastic line: the higher of the two chosen points, or,
// with the intersection load given, the last measured cycle. None when the
// choice draws no line across the load axis: a point not chosen, both points
// at one load or one displacement (point 1 alone included), or the upper
// point's cycle not evaluated.
std::optional<ChartPoint> lineTop(const AnchorRecord& a, const ChartPoint& lastMeasured)
{
    if (!frictionLossChosen(a))
        return std::nullopt;
    if (a.UseGivenIntercept)
        return lastMeasured;
    if (chosenElasticLine(a).slope == 0)
        return std::nullopt;
    FrictionPoint top = frictionPoint(a, std::max(a.PointA, a.PointB));
    if (isMissing(top.elastic))
        return std::nullopt;
    return ChartPoint { top.elastic, top.load };
}

// The part of the segment from–to that lies inside the plot (Liang–Barsky);
// none when the segment misses the plot or only touches it. An intersection load far outside the
// plot then draws the line to the plot's edge instead of stretching the axes.
std::optional<std::pair<ChartPoint, ChartPoint>> insidePlot(
    const ChartPoint& from, const ChartPoint& to, const ChartExtremes& plot)
{
    double enter = 0;
    double leave = 1;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const std::pair<double, double> edges[] = { { -dx, from.x - plot.xMin }, { dx, plot.xMax - from.x },
        { -dy, from.y - plot.yMin }, { dy, plot.yMax - from.y } };
    for (auto [p, q] : edges) {
        if (p == 0) {
            if (q < 0)
                return std::nullopt;
            continue;
        }
        double t = q / p;
        if (p < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter >= leave)
        return std::nullopt;
    return std::pair { ChartPoint { from.x + enter * dx, from.y + enter * dy },
        ChartPoint { from.x + leave * dx, from.y + leave * dy } };
}

// Each point the engineer can choose carries its number.
void numberPoints(ChartData& chart, const AnchorRecord& a)
{
    for (int k = 1; k <= frictionPointCount(a); ++k) {
        FrictionPoint p = frictionPoint(a, k);
        chart.labels.push_back(
            { QString::number(k), { p.elastic, p.load }, k == 1 ? AxisPointNumberOffset : PointNumberOffset });
    }
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
    double elastic = largestElastic(a);
    double right = isMissing(a.Evaluation.UpperAtTp) ? elastic : std::max<double>(a.Evaluation.UpperAtTp, elastic);
    // Room around the outermost points for their markers and numbers, as the test graphs leave.
    const ChartExtremes plot = withMargin({ 0, right, 0, a.Plan.PlannedMaxLoad });
    if (std::optional<ChartPoint> top = lineTop(a, measured.back())) {
        if (auto line = insidePlot({ 0, a.InterceptLoad }, *top, plot)) {
            fill.add(FrictionLineSeries, line->first.x, line->first.y);
            fill.add(FrictionLineSeries, line->second.x, line->second.y);
        }
    }
    numberPoints(chart, a);
    fill.finish(plot);
}

} // namespace tessaro
