// The plastic and elastic displacement curves of worked anchors: the series,
// the axis extents with their absolute labels, and the "⊿δe" mark.

#include "ChartExpect.h"

#include "evaluation/CycleEvaluation.h"
#include "graphs/TestGraphs.h"
#include "support/MeasuredAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;
using test::expectBounds;
using test::expectSeries;
using test::Margin;

namespace {

AnchorRecord evaluated(AnchorRecord a, int category = 1)
{
    EvaluationContext ctx;
    ctx.testCategory = category;
    EvaluateAnchor(a, ctx);
    return a;
}

ChartData graphOf(const AnchorRecord& a, bool singleCycle = false)
{
    ChartData chart;
    drawPlasticElasticGraph(chart, a, singleCycle);
    return chart;
}

} // namespace

// Six cycles of 50 kN steps from T0 = 50 to Tp = 350 kN: elastic 5.10 … 29.95 mm
// right of the load axis, permanent 0.30 … 1.60 mm left of it, at the planned
// cycle loads 100 … 350 kN; theory 30, upper 33, lower 27 mm at Tp.
//
// Axes: P = max(UpperAtTp 33, largest elastic 29.95) = 33; N = max(1.60, whole
// part of 33 / 5 = 6) = 6; Y up to the last cycle's 350 kN. Labels: (33 + 1) / 10
// → 3, step 5; 6 / 5 truncates to 1 with remainder, so they start at −10.
TEST(PlasticElasticGraph, SixCycleTestSeriesAndAxes)
{
    ChartData chart = graphOf(evaluated(test::measuredSixCycleAnchor()));
    expectSeries(chart, TheorySeries, { { 0, 50 }, { 30, 350 } });
    expectSeries(chart, ElasticSeries,
        { { 0, 50 }, { 5.10, 100 }, { 10.20, 150 }, { 15.05, 200 }, { 19.80, 250 }, { 24.90, 300 }, { 29.95, 350 } });
    expectSeries(chart, PermanentSeries,
        { { 0, 50 }, { -0.30, 100 }, { -0.55, 150 }, { -0.80, 200 }, { -1.10, 250 }, { -1.35, 300 }, { -1.60, 350 } });
    expectBounds(chart, -6 * Margin, 33 * Margin, 0, 350 * Margin);
    ASSERT_FALSE(chart.x.valueLabels.empty());
    EXPECT_EQ(chart.x.valueLabels.front().value, -10);
    EXPECT_EQ(chart.x.valueLabels.front().text, "10");
}

// A permanent displacement beyond a fifth of the right side sets the left side:
// the last reading 8.20 mm makes cycle 6 permanent 8.20 (elastic 23.35).
TEST(PlasticElasticGraph, LargePermanentDisplacementSetsTheLeftSide)
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    a.Readings[53].Displacement = 8.20f;
    ChartData chart = graphOf(evaluated(a));
    EXPECT_NEAR(chart.x.min, -8.2 * Margin, 1e-5);
    EXPECT_NEAR(chart.groups[0].series[ElasticSeries].points.back().x, 23.35, 1e-5);
}

// Only the evaluated cycles are plotted: a test read up to cycle 3 (rows 19 on
// not yet read) has three points besides the start; nothing evaluated is blank.
TEST(PlasticElasticGraph, TestInProgressShowsTheCyclesEvaluatedSoFar)
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    for (std::size_t i = 19; i < a.Readings.size(); ++i)
        a.Readings[i].Displacement = MissingValue;
    ChartData chart = graphOf(evaluated(a));
    expectSeries(chart, ElasticSeries, { { 0, 50 }, { 5.10, 100 }, { 10.20, 150 }, { 15.05, 200 } });
    // The axes still reach the upper line at Tp and the last cycle's load.
    expectBounds(chart, -6 * Margin, 33 * Margin, 0, 350 * Margin);
    for (std::size_t i = 0; i < 19; ++i)
        a.Readings[i].Displacement = MissingValue;
    test::expectBlank(graphOf(evaluated(a)));
}

// The one cycle of a confirmation test climbs to Tp: its point stands at Tp,
// not at the first stage load.
TEST(PlasticElasticGraph, SingleCycleTestPlotsItsCycleAtTp)
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    for (Reading& r : a.Readings)
        r.Cycle = 1; // one cycle: peak at the first 350 row, permanent at the last row
    ChartData chart = graphOf(evaluated(a), true);
    // Total at the end of the Tp holding 31.55, last reading 1.60.
    expectSeries(chart, ElasticSeries, { { 0, 50 }, { 29.95, 350 } });
    expectSeries(chart, PermanentSeries, { { 0, 50 }, { -1.60, 350 } });
}

// The mark spans the largest elastic displacement at L − L/25 with its label at
// L − L/15, L the top of the plot in a quality-assurance test and the upper end
// of the elastic line (the higher point chosen, cycle 4 at 250 kN) in a basic
// investigation.
TEST(PlasticElasticGraph, DeltaElasticMark)
{
    ChartData chart = graphOf(evaluated(test::measuredSixCycleAnchor()));
    expectSeries(chart, DeltaMarkSeries, { { 0, 336 }, { 29.95, 336 } });
    ASSERT_EQ(chart.labels.size(), 1u);
    EXPECT_EQ(chart.labels[0].text, QStringLiteral("⊿δe"));
    EXPECT_NEAR(chart.labels[0].attach.x, 29.95 / 2, 1e-5);
    EXPECT_NEAR(chart.labels[0].attach.y, 350 - 350 / 15.0, 1e-5);

    AnchorRecord a = test::measuredSixCycleAnchor();
    a.PointA = 2;
    a.PointB = 5;
    chart = graphOf(evaluated(a, 0));
    expectSeries(chart, DeltaMarkSeries, { { 0, 240 }, { 29.95, 240 } });
}
