// The graphs drawn from the reading rows: load–displacement, time–load and
// time–displacement, on the worked six-cycle test.

#include "ChartExpect.h"

#include "evaluation/CycleEvaluation.h"
#include "graphs/TestGraphs.h"
#include "support/MeasuredAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;
using test::expectBlank;
using test::expectBounds;
using test::expectSeries;
using test::Hole;
using test::Margin;
using test::Pt;

namespace {

// (displacement, load) of every row, in order.
std::vector<Pt> loadDisplacementPoints(const AnchorRecord& a, std::size_t rows)
{
    std::vector<Pt> points;
    for (std::size_t i = 0; i < rows; ++i)
        points.push_back({ a.Readings[i].Displacement, a.Readings[i].Load });
    return points;
}

} // namespace

TEST(LoadDisplacementGraph, OnePointPerRowInReadingOrder)
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    ChartData chart;
    drawLoadDisplacementGraph(chart, a);
    expectSeries(chart, 0, loadDisplacementPoints(a, 54));
    // The top of the test: the end of cycle 6's peak holding, 31.55 mm at 350 kN.
    expectBounds(chart, 0, 31.55 * Margin, 0, 350 * Margin);
}

// The curves stop at the first row without displacement, even when later rows
// hold values; a row without load before it is a hole.
TEST(LoadDisplacementGraph, StopsAtTheFirstMissingDisplacement)
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    a.Readings[1].Load = MissingValue;
    a.Readings[4].Displacement = MissingValue;
    ChartData chart;
    drawLoadDisplacementGraph(chart, a);
    expectSeries(chart, 0, { { 0.00, 50 }, { Hole, Hole }, { 5.40, 100 }, { 0.32, 50 } });
    drawTimeDisplacementGraph(chart, a, DisplacementSign::AsRead);
    expectSeries(chart, 0, { { 2, 0.00 }, { 4, 5.20 }, { 8, 5.40 }, { 9.5, 0.32 } });
    drawTimeDisplacementGraph(chart, a, DisplacementSign::Inverted);
    expectSeries(chart, 0, { { 2, 0.00 }, { 4, -5.20 }, { 8, -5.40 }, { 9.5, -0.32 } });
    expectBounds(chart, 0, 9.5 * Margin, -5.40 * Margin, 0);

    a.Readings[0].Displacement = MissingValue;
    drawLoadDisplacementGraph(chart, a);
    expectBlank(chart);
}

// Every row, time in minutes; the time–load curve does not stop where
// displacements are missing, and a row without time or load is a hole.
TEST(TimeLoadGraph, EveryRowInMinutes)
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    a.Readings[0].Displacement = MissingValue;
    a.Readings[4].ElapsedTime = -99;
    a.Readings[6].Load = MissingValue;
    ChartData chart;
    EXPECT_TRUE(drawTimeLoadGraph(chart, a));
    const ChartGroup& g = chart.groups[0];
    ASSERT_EQ(g.series[0].points.size(), 54u);
    EXPECT_TRUE(g.isHole(g.series[0].points[4]));
    EXPECT_TRUE(g.isHole(g.series[0].points[6]));
    expectBounds(chart, 0, 104.5 * Margin, 0, 350 * Margin);
}

// An anchor without readings: every graph is a blank 0..100 plot, and the
// time–load curve reports that nothing can be evaluated.
TEST(TestGraphs, AnchorWithoutReadingsGivesBlankPlots)
{
    AnchorRecord a = test::sixCycleAnchor();
    EvaluateAnchor(a, EvaluationContext {});
    std::array<ChartData, TestGraphCount> charts = drawTestGraphs(a, false);
    for (const ChartData& chart : charts)
        expectBlank(chart);
    ChartData chart;
    EXPECT_FALSE(drawTimeLoadGraph(chart, a));
    // Titles and axis titles stay, so the blank plot still says what it is.
    EXPECT_FALSE(charts[3].y.title.isEmpty());
}
