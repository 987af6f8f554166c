#include "evaluation/CycleEvaluation.h"
#include "recording/ReadingSheet.h"
#include "recording/RecordingCharts.h"
#include "support/MeasuredAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

std::vector<std::pair<double, double>> pointsOf(const ChartSeries& s)
{
    std::vector<std::pair<double, double>> p;
    for (const ChartPoint& q : s.points)
        p.emplace_back(q.x, q.y);
    return p;
}

} // namespace

TEST(InputChart, MeasuredRowsInTestOrderUnderThePlannedTop)
{
    AnchorRecord a = test::sixCycleAnchor();
    GenerateSheet(a, test::compactSchedule(), false);
    ChartData chart;
    FillInputChart(chart, a.Readings, a.ReadingCount, a.Plan);
    EXPECT_TRUE(isPlotAreaBlank(chart.plotArea));

    // Rows 1–3 read, row 2 missed: the curve joins rows 1 and 3.
    a.Readings[0].Displacement = 0.00f;
    a.Readings[2].Displacement = 5.40f;
    a.Readings[3].Displacement = 0.32f;
    FillInputChart(chart, a.Readings, a.ReadingCount, a.Plan);
    EXPECT_EQ(pointsOf(chart.groups[0].series[0]),
        (std::vector<std::pair<double, double>> { { 0, 50 }, { 5.4f, 100 }, { 0.32f, 50 } }));
    // The last cycle's load, not yet reached, with 5 % room above.
    EXPECT_FLOAT_EQ(float(chart.y.max), 367.5f);
    EXPECT_FLOAT_EQ(float(chart.x.max), 5.67f);
    // Rows beyond the row count are not part of the sheet.
    FillInputChart(chart, a.Readings, 1, a.Plan);
    EXPECT_EQ(chart.groups[0].series[0].points.size(), 1u);

    // The revision window's chart: the elastic part of each cycle at its peak.
    AnchorRecord measured = test::measuredSixCycleAnchor();
    EvaluateAnchor(measured, EvaluationContext {});
    FillElasticCheckChart(chart, measured);
    ASSERT_EQ(chart.groups[0].series.at(3).points.size(), 7u);
    EXPECT_NEAR(chart.groups[0].series[3].points[4].x, 19.80, 1e-5); // cycle 4 at 250 kN
}
