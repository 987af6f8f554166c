#include "model/basMainData.h"
#include "planning/GaugeHenkan.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

// Pairs (10 MPa, 100 kN), (20 MPa, 210 kN): point count 3.
JackRecord twoPairJack()
{
    JackRecord j;
    j.PointCount = 3;
    j.Pressures = { 10, 20 };
    j.Outputs = { 100, 210 };
    return j;
}

} // namespace

TEST(GaugeHenkan, PressureToLoadFollowsTheCalibrationLine)
{
    JackRecord j = twoPairJack();
    EXPECT_FLOAT_EQ(ConvertGauge(j, 5, PressureToLoad), 50); // first segment, extended down
    EXPECT_FLOAT_EQ(ConvertGauge(j, 15, PressureToLoad), 155);
    EXPECT_FLOAT_EQ(ConvertGauge(j, 30, PressureToLoad), 320); // last segment, extended
    EXPECT_FLOAT_EQ(ConvertGauge(j, 0, PressureToLoad), 0);
    EXPECT_FLOAT_EQ(ConvertGauge(j, 10, PressureToLoad), 100); // on a pair: the segment ending there
}

TEST(GaugeHenkan, LoadToPressureAndTheMissingLoad)
{
    JackRecord j = twoPairJack();
    EXPECT_FLOAT_EQ(ConvertGauge(j, 155, LoadToPressure), 15);
    EXPECT_EQ(GaugeSegment(j, MissingValue, LoadToPressure), -1);
    EXPECT_EQ(ConvertGauge(j, MissingValue, LoadToPressure), MissingValue);
    EXPECT_EQ(ConvertGaugeRounded(j, MissingValue, LoadToPressure), MissingValue);
    // A pressure of −99 is a value like any other in that direction.
    EXPECT_NE(ConvertGauge(j, MissingValue, PressureToLoad), MissingValue);
    EXPECT_EQ(GaugeSegment(j, 15, 7), 0); // unknown direction
}

TEST(GaugeHenkan, RoundedConversionKeepsTwoDecimalsHalfAway)
{
    JackRecord j = twoPairJack();
    // 123.456 kN lies on the segment 100 → 210 kN: 10 + 10 × 23.456 / 110 = 12.1324 MPa.
    EXPECT_FLOAT_EQ(ConvertGaugeRounded(j, 123.456, LoadToPressure), 12.13f);
    // A table that makes 12.3456 of 123.456 kN: (10 MPa, 100 kN), (20 MPa, 200 kN).
    j.Outputs = { 100, 200 };
    EXPECT_FLOAT_EQ(ConvertGauge(j, 123.456, LoadToPressure), 12.3456f);
    EXPECT_FLOAT_EQ(ConvertGaugeRounded(j, 123.456, LoadToPressure), 12.35f);
    EXPECT_FLOAT_EQ(ConvertGaugeRounded(j, 0.125, PressureToLoad), 1.25f); // 1.25 stays
}

TEST(GaugeHenkan, InterpolationOfAVerticalPairDoesNotDivide)
{
    EXPECT_FLOAT_EQ(InterpolateTwoPoints(0, 10, 0, 100, 5), 50);
    EXPECT_FLOAT_EQ(InterpolateTwoPoints(10, 10, 100, 120, 12), 100 + 2 * 20);
}

TEST(GaugeHenkan, JackWithoutPairsHasNoAnswer)
{
    JackRecord none;
    EXPECT_EQ(ConvertGauge(none, 100, LoadToPressure), MissingValue);
    EXPECT_EQ(ConvertGauge(none, 10, PressureToLoad), MissingValue);
    JackRecord garbage = twoPairJack();
    garbage.PointCount = 300; // beyond the 20 pairs a record holds: searched no further
    EXPECT_FLOAT_EQ(ConvertGauge(garbage, 15, PressureToLoad), 155);
}

TEST(GaugeHenkan, CurrentAnchorsJackIsUsed)
{
    Project& p = project();
    InitProject(p, 2);
    p.TestCategory = 1;
    p.anchor(2).Jack = twoPairJack();
    p.CurrentAnchor = 1;
    EXPECT_EQ(ConvertGaugeRounded(15, PressureToLoad), MissingValue);
    p.CurrentAnchor = 2;
    EXPECT_FLOAT_EQ(ConvertGaugeRounded(15, PressureToLoad), 155);
    p.TestCategory = 0; // a basic investigation works on its working anchor
    p.Record.WorkingAnchor.Jack = twoPairJack();
    p.Record.WorkingAnchor.Jack.Outputs = { 200, 420 };
    EXPECT_FLOAT_EQ(ConvertGaugeRounded(15, PressureToLoad), 310);
}
