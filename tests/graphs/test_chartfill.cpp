#include "graphs/ChartFill.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(ChartFill, WrittenPointsSetTheAxesAndAVisiblePlotArea)
{
    ChartData chart;
    plotAreaBlank(chart);
    ChartFill fill(chart);
    fill.add(0.0, 100.0);
    fill.add(4.25, 300.0);
    fill.add(-1.5, 250.0);
    fill.finish();
    EXPECT_EQ(fill.written(), 3);
    EXPECT_EQ(chart.series(0, 0).points.size(), 3u);
    EXPECT_FALSE(isPlotAreaBlank(chart.plotArea));
    EXPECT_DOUBLE_EQ(chart.x.min, -1.5);
    EXPECT_DOUBLE_EQ(chart.x.max, 4.25);
    EXPECT_DOUBLE_EQ(chart.y.min, 100);
    EXPECT_DOUBLE_EQ(chart.y.max, 300);
    EXPECT_DOUBLE_EQ(chart.x.dataMin, chart.x.min);
    EXPECT_DOUBLE_EQ(chart.y.dataMax, chart.y.max);
}

TEST(ChartFill, WithoutPointsTheChartIsABlankPlotFrom0To100)
{
    ChartData chart;
    setAxisBounds(chart, 12, -3, 500, 0);
    ChartFill fill(chart);
    fill.finish();
    EXPECT_TRUE(fill.empty());
    EXPECT_TRUE(isPlotAreaBlank(chart.plotArea));
    EXPECT_EQ(chart.plotArea.foreground, QColor(Qt::white));
    for (const ChartAxis* axis : { &chart.x, &chart.y }) {
        EXPECT_EQ(axis->min, 0);
        EXPECT_EQ(axis->max, 100);
        EXPECT_EQ(axis->dataMin, 0);
        EXPECT_EQ(axis->dataMax, 100);
    }
}

TEST(ChartFill, HolesBreakTheLineButAreNeitherCountedNorTracked)
{
    ChartData chart;
    ChartFill fill(chart);
    fill.add(1, 10);
    fill.add(DefaultHoleValue, 20);
    fill.add(2, std::numeric_limits<double>::quiet_NaN());
    fill.add(3, 30);
    fill.finish();
    EXPECT_EQ(fill.written(), 2);
    EXPECT_EQ(chart.series(0, 0).points.size(), 4u);
    EXPECT_TRUE(chart.groups[0].isHole(chart.series(0, 0).points[1]));
    EXPECT_DOUBLE_EQ(chart.x.max, 3);
    EXPECT_DOUBLE_EQ(chart.y.min, 10);

    // A chart of holes only has nothing to show.
    ChartData holes;
    holes.group(0).holeValue = -99;
    ChartFill onlyHoles(holes);
    onlyHoles.add(-99, 5);
    onlyHoles.finish();
    EXPECT_TRUE(isPlotAreaBlank(holes.plotArea));
    EXPECT_TRUE(holes.series(0, 0).points.empty());
}

TEST(ChartFill, ExtremesSpanEverySeriesAndCallerBoundsWin)
{
    // The load axis must hold the planned maximum load even when the test stopped
    // before it: the caller widens the tracked extremes.
    ChartData chart;
    ChartFill fill(chart);
    fill.add(0, 0, 50);
    fill.add(3, -2, 80);
    fill.add(3, 6, 120);
    ChartExtremes bounds = fill.extremes();
    EXPECT_DOUBLE_EQ(bounds.xMin, -2);
    EXPECT_DOUBLE_EQ(bounds.yMax, 120);
    bounds.yMax = 200;
    fill.finish(bounds);
    EXPECT_EQ(chart.groups[0].series.size(), 4u);
    EXPECT_DOUBLE_EQ(chart.y.max, 200);
    EXPECT_DOUBLE_EQ(chart.x.min, -2);
}

TEST(ChartFill, RefillingStartsFromEmptySeries)
{
    ChartData chart;
    {
        ChartFill fill(chart);
        fill.add(1, 1);
        fill.add(1, 2, 2);
        fill.finish();
    }
    ChartFill again(chart);
    again.finish();
    EXPECT_TRUE(chart.series(0, 0).points.empty());
    EXPECT_TRUE(chart.series(0, 1).points.empty());
    EXPECT_TRUE(isPlotAreaBlank(chart.plotArea));
}
