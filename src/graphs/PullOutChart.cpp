#include "graphs/PullOutChart.h"

#include "graphs/ChartFill.h"
#include "graphs/TestGraphs.h"

#include <algorithm>

namespace tessaro {
namespace {

// The line through two chosen points, carried on to where it crosses the other
// line so that the crossing reads on the chart.
void addLine(ChartFill& fill, int series, PullOutPoint from, PullOutPoint to, std::optional<PullOutPoint> crossing)
{
    std::vector<PullOutPoint> along { from, to };
    if (crossing)
        along.push_back(*crossing);
    std::sort(along.begin(), along.end(),
        [](const PullOutPoint& a, const PullOutPoint& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    fill.add(series, along.front().x, along.front().y);
    fill.add(series, along.back().x, along.back().y);
}

void addLines(ChartFill& fill, const AnchorRecord& a, const UltimateChoice& choice)
{
    std::array<PullOutPoint, 4> p;
    for (std::size_t i = 0; i < p.size(); ++i) {
        std::optional<PullOutPoint> found = PullOutPointNumber(a, choice.linePoints[i]);
        if (!found)
            return;
        p[i] = *found;
    }
    std::optional<PullOutPoint> crossing = LineIntersection(p[0], p[1], p[2], p[3]);
    addLine(fill, PullOutLine1Series, p[0], p[1], crossing);
    addLine(fill, PullOutLine2Series, p[2], p[3], crossing);
}

} // namespace

void drawPullOutChart(
    ChartData& chart, const AnchorRecord& a, const UltimateChoice& choice, const UltimateResult& result)
{
    chart = ChartData();
    chart.title = PullOutChartTitle;
    chart.x.title = PermanentAxisTitle;
    chart.y.title = LoadAxisTitle;
    const QString names[] = { QStringLiteral("塑性変位量"), QStringLiteral("直線1"), QStringLiteral("直線2"),
        QStringLiteral("極限引抜き力") };
    for (int s = PullOutPointSeries; s <= PullOutUltimateSeries; ++s)
        chart.series(0, s).name = names[s];

    ChartFill fill(chart);
    const std::vector<PullOutPoint> points = PullOutPoints(a);
    double right = 0;
    double top = a.Plan.PlannedMaxLoad;
    for (std::size_t i = 0; i < points.size(); ++i) {
        fill.add(PullOutPointSeries, points[i].x, points[i].y);
        chart.labels.push_back({ QString::number(i + 1), { points[i].x, points[i].y }, QPointF(4, -18) });
        right = std::max(right, points[i].x);
        top = std::max(top, points[i].y);
    }
    if (choice.method == UltimateMethod::Intersection)
        addLines(fill, a, choice);
    if (result.tug)
        top = std::max(top, *result.tug);
    // A test without displacement still has a width.
    const ChartExtremes bounds = withMargin({ 0, right > 0 ? right : 1.0, 0, top });
    // The level line of Tug spans the plot.
    if (result.tug) {
        fill.add(PullOutUltimateSeries, 0, *result.tug);
        fill.add(PullOutUltimateSeries, bounds.xMax, *result.tug);
    }
    fill.finish(bounds);
}

} // namespace tessaro
