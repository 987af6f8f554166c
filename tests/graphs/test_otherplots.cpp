// The friction-loss chart, the load-plan graph and the summary charts of worked
// anchors.

#include "ChartExpect.h"

#include "evaluation/CycleEvaluation.h"
#include "graphs/FrictionLossChart.h"
#include "graphs/LoadPlanGraph.h"
#include "graphs/SummaryCharts.h"
#include "graphs/TestGraphs.h"
#include "model/basMainData.h"
#include "support/MeasuredAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;
using test::expectBlank;
using test::expectBounds;
using test::expectSeries;
using test::Hole;
using test::Pt;

namespace {

// The six-cycle test as a basic investigation, with its friction-loss choices.
AnchorRecord basicTest(std::uint8_t pointA, std::uint8_t pointB)
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    a.PointA = pointA;
    a.PointB = pointB;
    EvaluationContext ctx;
    ctx.testCategory = 0;
    EvaluateAnchor(a, ctx);
    return a;
}

const std::vector<Pt> SixCycleElastic { { 0, 50 }, { 5.10, 100 }, { 10.20, 150 }, { 15.05, 200 }, { 19.80, 250 },
    { 24.90, 300 }, { 29.95, 350 } };

} // namespace

// Points 1 (50 kN, 0) and 3 (150 kN, 10.20 mm): slope 0.1020 mm/kN, intercept
// −5.1000 mm, zero load 50.00 kN. The line runs from there to point 3.
TEST(FrictionLossChart, LineThroughTheTwoPointsDownToTheLoadAxis)
{
    AnchorRecord a = basicTest(1, 3);
    ASSERT_FLOAT_EQ(a.InterceptLoad, 50.00f);
    ChartData chart;
    drawFrictionLossChart(chart, a);
    expectSeries(chart, FrictionElasticSeries, SixCycleElastic);
    expectSeries(chart, FrictionTheorySeries, { { 0, 50 }, { 30, 350 } });
    expectSeries(chart, FrictionUpperSeries, { { 0, 50 }, { 33, 350 } });
    expectSeries(chart, FrictionLineSeries, { { 0, 50 }, { 10.20, 150 } });
    expectBounds(chart, 0, 33 * test::Margin, 0, 350 * test::Margin);

    // A given intersection load of 80 kN: the line runs from there to the last cycle.
    a.PointA = a.PointB = 0;
    a.UseGivenIntercept = 1;
    a.GivenIntercept = 80;
    EvaluationContext basic;
    basic.testCategory = 0;
    EvaluateAnchor(a, basic);
    drawFrictionLossChart(chart, a);
    expectSeries(chart, FrictionLineSeries, { { 0, 80 }, { 29.95, 350 } });
}

// Each point that can be chosen carries its number.
TEST(FrictionLossChart, PointsCarryTheirNumbers)
{
    ChartData chart;
    drawFrictionLossChart(chart, basicTest(1, 3));
    ASSERT_EQ(chart.labels.size(), 7u);
    EXPECT_EQ(chart.labels[2].text, "3");
    EXPECT_NEAR(chart.labels[2].attach.x, 10.20, 1e-5);
    EXPECT_NEAR(chart.labels[2].attach.y, 150, 1e-5);
}

// Choices that give no line across the load axis draw none: a point not
// chosen, point 1 alone, both points the same.
TEST(FrictionLossChart, NoLineWithoutTwoDistinctPoints)
{
    for (auto [pointA, pointB] : { std::pair { 1, 1 }, { 3, 3 }, { 0, 3 } }) {
        ChartData chart;
        drawFrictionLossChart(chart, basicTest(std::uint8_t(pointA), std::uint8_t(pointB)));
        EXPECT_TRUE(chart.groups[0].series[FrictionLineSeries].points.empty()) << pointA << " " << pointB;
    }
}

// An intersection load below the plot (as an older file may hold one) draws
// the line from the plot's edge: (0, −100) to (29.95, 350) crosses zero load
// two ninths of the way up, at 29.95 × 100 / 450 = 6.6556 mm.
TEST(FrictionLossChart, LineOutsideThePlotIsCutAtItsEdge)
{
    AnchorRecord a = basicTest(0, 0);
    a.UseGivenIntercept = 1;
    a.GivenIntercept = -100;
    EvaluationContext basic;
    basic.testCategory = 0;
    EvaluateAnchor(a, basic);
    ChartData chart;
    drawFrictionLossChart(chart, a);
    expectSeries(chart, FrictionLineSeries, { { 29.95 * 100 / 450, 0 }, { 29.95, 350 } });
    expectBounds(chart, 0, 33 * test::Margin, 0, 350 * test::Margin);
}

// The compact schedule: every holding a level run from its start to its last
// reading, the load changes in between. Opening holding 0–2 min at 50 kN; up
// 1 min to 100 kN, read at 4 and 8; down ½ min, closing T0 read at 9.5; the next
// cycle's T0 holding follows at once (no load change), read at 10.5 …
TEST(LoadPlanGraph, PlannedLoadAgainstPlannedTime)
{
    AnchorRecord a = test::sixCycleAnchor();
    ChartData chart;
    drawLoadPlanGraph(chart, a, test::compactSchedule(), false);
    const auto& p = chart.groups[0].series[0].points;
    // 54 readings and the start of each of the 48 holdings.
    ASSERT_EQ(p.size(), 102u);
    const std::vector<Pt> start { { 0, 50 }, { 2, 50 }, { 3, 100 }, { 4, 100 }, { 8, 100 }, { 8.5, 50 }, { 9.5, 50 },
        { 9.5, 50 }, { 10.5, 50 }, { 11.5, 100 }, { 12.5, 100 } };
    for (std::size_t i = 0; i < start.size(); ++i)
        EXPECT_EQ((std::pair { p[i].x, p[i].y }), (std::pair { start[i].x, start[i].y })) << i;
    expectBounds(chart, 0, 104.5, 0, 367.5); // Tp 350 with a twentieth above it

    drawLoadPlanGraph(chart, a, HoldingSchedule {}, false); // no readings scheduled
    expectBlank(chart);
}

// Three anchors: the six-cycle test, one with its sheet not yet read and one
// without any sheet. Only the first has elastic and permanent values; all have
// the theory of the same plan (30, 33, 27 mm).
TEST(SummaryCharts, ValuesOfEveryAnchorLeaveOutWhatIsMissing)
{
    Project p;
    InitProject(p, 3);
    p.TestCategory = 1;
    p.Record.Anchors[0] = test::measuredSixCycleAnchor();
    p.Record.Anchors[1] = test::sixCycleAnchor();
    GenerateSheet(p.Record.Anchors[1], test::compactSchedule(), false);
    p.Record.Anchors[2] = test::sixCycleAnchor();

    std::vector<SummaryValues> values = summaryValues(p, 1, 3);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[1].elastic, MissingValue);
    // The project itself is not evaluated by drawing.
    EXPECT_TRUE(p.Record.Anchors[0].Evaluation.Results.empty());

    ChartData chart;
    drawPermanentSummary(chart, values);
    expectSeries(chart, 0, { { 1, 1.60 }, { 2, Hole }, { 3, Hole } });
    expectBounds(chart, 0.5, 3.5, 0, 2.1);
    ASSERT_EQ(chart.x.valueLabels.size(), 3u); // the anchor numbers
    drawElasticSummary(chart, values);
    expectSeries(chart, SummaryUpperSeries, { { 1, 33 }, { 2, 33 }, { 3, 33 } });
    expectSeries(chart, SummaryElasticSeries, { { 1, 29.95 }, { 2, Hole }, { 3, Hole } });
    expectBounds(chart, 0.5, 3.5, 26, 34);
    drawElasticSummary(chart, {});
    expectBlank(chart);
    EXPECT_EQ(summaryPageCount(20), 1); // twenty anchors a page
    EXPECT_EQ(summaryPageCount(21), 2);
}
