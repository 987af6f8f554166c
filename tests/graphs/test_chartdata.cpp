// Filling charts, the absolute value labels of the axes and the jack's calibration chart.

#include "graphs/AxisLabels.h"
#include "graphs/ChartFill.h"
#include "graphs/JackCalibrationChart.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(ChartFill, WrittenPointsSetTheAxesAndHolesBreakTheLine)
{
    ChartData chart;
    plotAreaBlank(chart);
    ChartFill fill(chart);
    fill.add(0.0, 100.0);
    fill.add(DefaultHoleValue, 20);
    fill.add(2, std::numeric_limits<double>::quiet_NaN());
    fill.add(4.25, 300.0);
    fill.add(-1.5, 250.0);
    fill.finish();
    EXPECT_EQ(fill.written(), 3); // holes are neither counted nor tracked
    EXPECT_EQ(chart.series(0, 0).points.size(), 5u);
    EXPECT_TRUE(chart.groups[0].isHole(chart.series(0, 0).points[1]));
    EXPECT_FALSE(isPlotAreaBlank(chart.plotArea));
    EXPECT_DOUBLE_EQ(chart.x.min, -1.5);
    EXPECT_DOUBLE_EQ(chart.y.max, 300);

    // Refilled without points, or with holes only: a blank plot from 0 to 100.
    chart.group(0).holeValue = -99;
    ChartFill onlyHoles(chart);
    onlyHoles.add(-99, 5);
    onlyHoles.finish();
    EXPECT_TRUE(onlyHoles.empty());
    EXPECT_TRUE(chart.series(0, 0).points.empty());
    EXPECT_EQ(chart.plotArea.foreground, QColor(Qt::white));
    EXPECT_EQ(chart.y.max, 100);

    // The jack's calibration chart plots each pair from the origin, 5 % above the last.
    ChartData jack = jackCalibrationChart({ 10, 20, 40 }, { 100, 210, 430 });
    EXPECT_EQ(jack.groups[0].series[0].points.size(), 3u);
    EXPECT_NEAR(jack.y.max, 451.5, 1e-3);
}

namespace {

std::vector<double> values(const ChartAxis& axis)
{
    std::vector<double> v;
    for (const ValueLabel& l : axis.valueLabels)
        v.push_back(l.value);
    return v;
}

} // namespace

TEST(AbsoluteValueLabels, PermanentDisplacementLeftOfTheLoadAxisReadsPositive)
{
    // Upper 10, n = 1, step 5; 12 / 5 truncates to 2 with a remainder, so k = 3.
    ChartData chart;
    absoluteValueLabels(chart, 9, -12, ChartAxisId::X);
    EXPECT_EQ(values(chart.x), (std::vector<double> { -15, -10, -5, 0, 5, 10 }));
    EXPECT_EQ(chart.x.valueLabels.front().text, "15");

    // A lower bound on a step needs no extra step; a fraction of one still gets it.
    absoluteValueLabels(chart, 104, -20, ChartAxisId::Y);
    EXPECT_EQ(values(chart.y).front(), -20);
    EXPECT_EQ(values(chart.y).back(), 100);
    absoluteValueLabels(chart, 9, -0.4f, ChartAxisId::X); // replaces the earlier labels
    EXPECT_EQ(values(chart.x), (std::vector<double> { -5, 0, 5, 10 }));

    absoluteValueLabels(chart, std::numeric_limits<float>::quiet_NaN(), 0, ChartAxisId::X);
    EXPECT_TRUE(chart.x.valueLabels.empty());
    absoluteValueLabels(chart, 1e9f, -1e9f, ChartAxisId::X);
    EXPECT_TRUE(chart.x.valueLabels.empty()); // far too many labels: plain numbers instead
}

TEST(AbsoluteValueLabels, StepFollowsTheUpperBound)
{
    EXPECT_EQ(absoluteLabelStep(9 + 1), 5);
    EXPECT_EQ(absoluteLabelStep(299 + 1), 30); // n = 30
    EXPECT_EQ(absoluteLabelStep(309 + 1), 50); // n = 31
    EXPECT_EQ(absoluteLabelStep(104 + 1), 10); // 10.5 goes to the even neighbour 10
    EXPECT_EQ(absoluteLabelStep(114 + 1), 15); // 11.5 goes to 12

    EXPECT_DOUBLE_EQ(niceTickStep(0, 237.4), 50); // numbered axes: round steps
    EXPECT_DOUBLE_EQ(niceTickStep(-3.2, 14.8), 2.5);
    EXPECT_DOUBLE_EQ(niceTickStep(5, 5), 1);
    EXPECT_EQ(tickDecimals(2.5), 1);
    EXPECT_EQ(tickDecimals(0.25), 2);
}
