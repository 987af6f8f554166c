#include "graphs/ChartFill.h"

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
    EXPECT_DOUBLE_EQ(chart.x.dataMin, chart.x.min);

    // Refilled without points, or with holes only: a blank plot from 0 to 100.
    chart.group(0).holeValue = -99;
    ChartFill onlyHoles(chart);
    onlyHoles.add(-99, 5);
    onlyHoles.finish();
    EXPECT_TRUE(onlyHoles.empty());
    EXPECT_TRUE(chart.series(0, 0).points.empty());
    EXPECT_TRUE(isPlotAreaBlank(chart.plotArea));
    EXPECT_EQ(chart.plotArea.foreground, QColor(Qt::white));
    EXPECT_EQ(chart.y.max, 100);
    EXPECT_EQ(chart.x.dataMin, 0);
}
