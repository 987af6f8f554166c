// The readings of a sheet row: elongation through dial-gauge resets, and whether
// a sheet has been read (clock times are checked through the measurement window).

#include "recording/Elongation.h"
#include "recording/MeasuredReadings.h"

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

TEST(Elongation, OnePointOrTheMeanOfTwoFromTheInitialReadingInEffect)
{
    std::vector<Reading> rows { gauges(10.00f, Empty, 20.00f, Empty), gauges(Empty, 11.25f, Empty, 21.00f),
        gauges(Empty, 12.00f) };
    EXPECT_EQ(RowElongation(rows, 0), Empty);
    EXPECT_FLOAT_EQ(RowElongation(rows, 1), 1.13f); // (1.25 + 1.00) / 2 = 1.125
    EXPECT_FLOAT_EQ(RowElongation(rows, 2), 2.00f);
    // A dial gauge standing at 0.00 is a reading like any other: (2.50 − 1.00) / 2.
    std::vector<Reading> zero { gauges(10.00f, 12.50f, 1.00f, 0.00f) };
    EXPECT_FLOAT_EQ(RowElongation(zero, 0), 0.75f);
    UpdateElongation(rows, 1);
    EXPECT_FLOAT_EQ(rows[1].Displacement, 1.13f);
    rows[1].MeasuredNo1 = Empty; // cleared readings empty the elongation
    rows[1].MeasuredNo2 = Empty;
    UpdateElongation(rows, 1);
    EXPECT_EQ(rows[1].Displacement, Empty);
    UpdateElongation(rows, 5); // a row that does not exist is left alone
}

TEST(Elongation, DialGaugeResetContinuesTheElongation)
{
    // Point 1 runs out of travel after 10 mm and is reset to 2.00 at row 3; a
    // row without readings before a second reset carries the last measured value.
    std::vector<Reading> rows { gauges(10.00f, 10.00f), gauges(Empty, 15.00f), gauges(Empty, 20.00f),
        gauges(2.00f, 2.00f), gauges(Empty, 4.50f), gauges(Empty, Empty), gauges(1.00f, Empty), gauges(Empty, 2.00f) };
    UpdateElongations(rows);
    std::vector<float> elongation;
    for (const Reading& r : rows)
        elongation.push_back(r.Displacement);
    // 0, 5, 10; then 2 − 2 + 10 = 10, 4.5 − 2 + 10 = 12.5; second reset: 2 − 1 + 12.5 = 13.5.
    EXPECT_EQ(elongation, (std::vector<float> { 0.00f, 5.00f, 10.00f, 10.00f, 12.50f, Empty, Empty, 13.50f }));
    // Editing a reading above a reset changes the rows below it: 2 − 1 + 5 − 2 + 10.
    rows[4].MeasuredNo1 = 5.00f;
    UpdateElongations(rows, 4);
    EXPECT_FLOAT_EQ(rows[7].Displacement, 14.00f);

    // A reset of one point leaves the other alone: point 1 = 3 − 1 + 4 = 6.00,
    // point 2 = 36.2 − 30 = 6.20, mean 6.10.
    std::vector<Reading> two { gauges(10.00f, 10.00f, 30.00f, 30.00f), gauges(Empty, 14.00f, Empty, 34.20f),
        gauges(1.00f, 3.00f, Empty, 36.20f) };
    EXPECT_FLOAT_EQ(RowElongation(two, 2), 6.10f);
}

TEST(MeasuredReadings, ARowWithAnElongationIsMeasuredDiscardingAsksForANewSheet)
{
    AnchorRecord a;
    a.Readings.assign(4, gauges(Empty, Empty));
    a.ReadingCount = 4;
    a.Evaluation.Results.assign(4, ReadingResult {});
    a.EditFlag = 1;
    EXPECT_FALSE(hasMeasuredReadings(a)); // a fresh sheet
    a.Readings[2].Displacement = 0; // no movement is a reading too
    EXPECT_TRUE(hasMeasuredReadings(a));
    a.ReadingCount = 2; // rows beyond the count are not part of the sheet
    EXPECT_FALSE(hasMeasuredReadings(a));

    discardReadings(a);
    EXPECT_TRUE(a.Readings.empty());
    EXPECT_EQ(a.ReadingCount, 0);
    EXPECT_TRUE(a.Evaluation.Results.empty());
    EXPECT_EQ(a.EditFlag, 0);
}
