#include "graphs/JackCalibrationChart.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(JackCalibrationChart, PlotsEachPairFromTheOrigin)
{
    ChartData c = jackCalibrationChart({ 10, 20, 40 }, { 100, 210, 430 });
    ASSERT_EQ(c.seriesCount(), 1);
    const auto& points = c.groups[0].series[0].points;
    ASSERT_EQ(points.size(), 3u);
    EXPECT_DOUBLE_EQ(points[2].x, 40);
    EXPECT_DOUBLE_EQ(points[2].y, 430);
    EXPECT_DOUBLE_EQ(c.x.min, 0);
    EXPECT_NEAR(c.x.max, 42, 1e-4); // 5 % above the last pair
    EXPECT_DOUBLE_EQ(c.y.min, 0);
    EXPECT_NEAR(c.y.max, 451.5, 1e-3);
    EXPECT_FALSE(isPlotAreaBlank(c.plotArea));

    ChartData empty = jackCalibrationChart({}, {});
    EXPECT_TRUE(isPlotAreaBlank(empty.plotArea));
}
