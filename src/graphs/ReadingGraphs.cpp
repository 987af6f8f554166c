// The graphs drawn straight from the reading rows: load–displacement,
// time–load and time–displacement. Displacements are read in order and the
// curve stops at the first row not yet measured, so a test in progress shows
// what has been read so far; the time–load curve shows the whole schedule.

#include "graphs/TestGraphs.h"

#include "evaluation/CycleEvaluation.h"
#include "graphs/ChartFill.h"

#include <algorithm>
#include <span>

namespace tessaro {
namespace {

double valueOrHole(float v)
{
    return isMissing(v) ? DefaultHoleValue : double(v);
}

double minutesOrHole(std::int32_t seconds)
{
    return isMissing(seconds) ? DefaultHoleValue : seconds / 60.0;
}

void setUp(ChartData& chart, TestGraph graph, const QString& xTitle, const QString& yTitle, const QString& name)
{
    chart = ChartData();
    chart.title = testGraphTitle(graph);
    chart.x.title = xTitle;
    chart.y.title = yTitle;
    chart.series(0, 0).name = name;
}

// The axes run from the extremes written, widened to hold 0 (time counts from
// the start of the test, and a curve starting at T0 or at zero displacement
// should not lie on the plot frame) and by the margin around the points.
ChartExtremes withOrigin(ChartExtremes e)
{
    e.xMin = std::min(e.xMin, 0.0);
    e.xMax = std::max(e.xMax, 0.0);
    e.yMin = std::min(e.yMin, 0.0);
    e.yMax = std::max(e.yMax, 0.0);
    return withMargin(e);
}

std::span<const Reading> rowsOf(const AnchorRecord& a)
{
    return std::span(a.Readings).first(std::size_t(EvaluatedRowCount(a)));
}

} // namespace

void drawLoadDisplacementGraph(ChartData& chart, const AnchorRecord& a)
{
    setUp(chart, TestGraph::LoadDisplacement, DisplacementAxisTitle, LoadAxisTitle, QStringLiteral("荷重-変位量"));
    ChartFill fill(chart);
    for (const Reading& r : rowsOf(a)) {
        if (isMissing(r.Displacement))
            break;
        fill.add(r.Displacement, valueOrHole(r.Load));
    }
    // A test stopped early still shows where it was planned to go.
    ChartExtremes points = fill.extremes();
    points.yMax = std::max(points.yMax, lastCycleMaxLoad(a.Plan));
    fill.finish(withOrigin(points));
}

bool drawTimeLoadGraph(ChartData& chart, const AnchorRecord& a)
{
    setUp(chart, TestGraph::TimeLoad, TimeAxisTitle, LoadAxisTitle, QStringLiteral("荷重"));
    ChartFill fill(chart);
    for (const Reading& r : rowsOf(a))
        fill.add(minutesOrHole(r.ElapsedTime), valueOrHole(r.Load));
    fill.finish(withOrigin(fill.extremes()));
    return !fill.empty();
}

void drawTimeDisplacementGraph(ChartData& chart, const AnchorRecord& a, DisplacementSign sign)
{
    setUp(chart, TestGraph::TimeDisplacement, TimeAxisTitle, DisplacementAxisTitle, QStringLiteral("変位量"));
    double factor = sign == DisplacementSign::Inverted ? -1 : 1;
    ChartFill fill(chart);
    for (const Reading& r : rowsOf(a)) {
        if (isMissing(r.Displacement))
            break;
        fill.add(minutesOrHole(r.ElapsedTime), factor * r.Displacement);
    }
    fill.finish(withOrigin(fill.extremes()));
}

} // namespace tessaro
