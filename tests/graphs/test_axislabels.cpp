#include "graphs/AxisLabels.h"

#include <gtest/gtest.h>

using namespace tessaro;

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
    QStringList texts;
    for (const ValueLabel& l : chart.x.valueLabels)
        texts << l.text;
    EXPECT_EQ(texts, (QStringList { "15", "10", "5", "0", "5", "10" }));

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
