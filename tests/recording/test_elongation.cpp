#include "recording/Elongation.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

constexpr float Empty = MissingValue;

Reading gauges(float initial1, float measured1, float initial2 = Empty, float measured2 = Empty)
{
    Reading r;
    r.InitialNo1 = initial1;
    r.MeasuredNo1 = measured1;
    r.InitialNo2 = initial2;
    r.MeasuredNo2 = measured2;
    r.Displacement = Empty;
    return r;
}

} // namespace

TEST(Elongation, OnePointOrTheMeanOfTwo)
{
    std::vector<Reading> rows { gauges(10.00f, 12.50f) };
    EXPECT_FLOAT_EQ(RowElongation(rows, 0), 2.50f);
    rows[0] = gauges(10.00f, 12.50f, 10.00f, 13.00f);
    EXPECT_FLOAT_EQ(RowElongation(rows, 0), 2.75f);
    // A dial gauge standing at 0.00 is a reading like any other.
    rows[0] = gauges(10.00f, 12.50f, 1.00f, 0.00f);
    EXPECT_FLOAT_EQ(RowElongation(rows, 0), 0.75f);
}

TEST(Elongation, ClearedReadingsEmptyTheElongation)
{
    std::vector<Reading> rows { gauges(10.00f, 12.50f, 10.00f, 13.00f) };
    UpdateElongation(rows, 0);
    EXPECT_FLOAT_EQ(rows[0].Displacement, 2.75f);
    rows[0].MeasuredNo1 = Empty;
    rows[0].MeasuredNo2 = Empty;
    UpdateElongation(rows, 0);
    EXPECT_EQ(rows[0].Displacement, Empty);
    UpdateElongation(rows, 5); // a row that does not exist is left alone
}

TEST(Elongation, InitialReadingInEffectComesFromAbove)
{
    std::vector<Reading> rows { gauges(10.00f, Empty, 20.00f, Empty), gauges(Empty, 11.25f, Empty, 21.00f),
        gauges(Empty, 12.00f) };
    EXPECT_FLOAT_EQ(RowElongation(rows, 1), 1.13f); // (1.25 + 1.00) / 2 = 1.125
    EXPECT_FLOAT_EQ(RowElongation(rows, 2), 2.00f);
    EXPECT_EQ(RowElongation(rows, 0), Empty);

    std::vector<Reading> noInitial { gauges(Empty, 12.00f) };
    EXPECT_EQ(PointDisplacement(noInitial, 0, 1), Empty);
    EXPECT_EQ(RowElongation(noInitial, 0), Empty);
}

TEST(Elongation, DialGaugeResetContinuesTheElongation)
{
    // Point 1 runs out of travel after 10 mm and is reset to 2.00 at row 3.
    std::vector<Reading> rows { gauges(10.00f, 10.00f), gauges(Empty, 15.00f), gauges(Empty, 20.00f),
        gauges(2.00f, 2.00f), gauges(Empty, 4.50f), gauges(1.00f, 1.00f), gauges(Empty, 2.00f) };
    UpdateElongations(rows);
    std::vector<float> elongation;
    for (const Reading& r : rows)
        elongation.push_back(r.Displacement);
    // 0, 5, 10; then 2 − 2 + 10 = 10, 4.5 − 2 + 10 = 12.5; second reset: 12.5, 13.5.
    EXPECT_EQ(elongation, (std::vector<float> { 0.00f, 5.00f, 10.00f, 10.00f, 12.50f, 12.50f, 13.50f }));
}

TEST(Elongation, ResetOfOnePointLeavesTheOtherAlone)
{
    std::vector<Reading> rows { gauges(10.00f, 10.00f, 30.00f, 30.00f), gauges(Empty, 14.00f, Empty, 34.20f),
        gauges(1.00f, 3.00f, Empty, 36.20f) };
    // Row 2: point 1 = 3 − 1 + 4 = 6.00; point 2 = 36.2 − 30 = 6.20; mean 6.10.
    EXPECT_FLOAT_EQ(PointDisplacement(rows, 2, 1), 6.00f);
    EXPECT_FLOAT_EQ(PointDisplacement(rows, 2, 2), 6.20f);
    EXPECT_FLOAT_EQ(RowElongation(rows, 2), 6.10f);
}

TEST(Elongation, ResetBelowRowsWithoutReadingsCarriesTheLastMeasuredValue)
{
    std::vector<Reading> rows { gauges(10.00f, 10.00f), gauges(Empty, 13.00f), gauges(Empty, Empty),
        gauges(5.00f, Empty), gauges(Empty, 6.00f) };
    EXPECT_FLOAT_EQ(RowElongation(rows, 4), 4.00f); // 6 − 5 + 3
    // Editing the reading above the reset changes the rows below it.
    rows[1].MeasuredNo1 = 14.00f;
    UpdateElongations(rows, 1);
    EXPECT_FLOAT_EQ(rows[4].Displacement, 5.00f);
}
