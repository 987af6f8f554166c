#pragma once
// Comparing what a graph received with points worked by hand.

#include "graphs/ChartData.h"

#include <gtest/gtest.h>
#include <vector>

namespace tessaro::test {

// A point worked by hand; Hole stands for a point the line breaks at.
struct Pt {
    double x;
    double y;
};
inline constexpr double Hole = DefaultHoleValue;

// Every point of series s of group 1, in order, to within 1e-5 (values pass
// through single precision on their way from the readings).
inline void expectSeries(const ChartData& chart, int s, const std::vector<Pt>& expected)
{
    ASSERT_LT(s, int(chart.groups.at(0).series.size()));
    const std::vector<ChartPoint>& points = chart.groups[0].series[std::size_t(s)].points;
    ASSERT_EQ(points.size(), expected.size()) << "series " << s;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i].x == Hole || expected[i].y == Hole) {
            EXPECT_TRUE(chart.groups[0].isHole(points[i])) << "series " << s << " point " << i;
            continue;
        }
        EXPECT_NEAR(points[i].x, expected[i].x, 1e-5) << "series " << s << " point " << i;
        EXPECT_NEAR(points[i].y, expected[i].y, 1e-5) << "series " << s << " point " << i;
    }
}

// The room the test graphs leave around their outermost points.
inline constexpr double Margin = 1.05;

// Axis bounds, the data bounds the same.
inline void expectBounds(const ChartData& chart, double xMin, double xMax, double yMin, double yMax)
{
    EXPECT_NEAR(chart.x.min, xMin, 1e-5);
    EXPECT_NEAR(chart.x.max, xMax, 1e-5);
    EXPECT_NEAR(chart.y.min, yMin, 1e-5);
    EXPECT_NEAR(chart.y.max, yMax, 1e-5);
    EXPECT_EQ(std::pair(chart.x.dataMin, chart.y.dataMax), std::pair(chart.x.min, chart.y.max));
}

// A chart without any point: white on white from 0 to 100 on both axes.
inline void expectBlank(const ChartData& chart)
{
    EXPECT_TRUE(isPlotAreaBlank(chart.plotArea));
    expectBounds(chart, 0, 100, 0, 100);
    for (const ChartGroup& g : chart.groups)
        for (const ChartSeries& s : g.series)
            EXPECT_TRUE(s.points.empty()) << s.name.toStdString();
    EXPECT_TRUE(chart.labels.empty());
    EXPECT_TRUE(chart.x.valueLabels.empty());
}

} // namespace tessaro::test
