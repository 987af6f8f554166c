#include "model/basMainData.h"
#include "planning/GaugeHenkan.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

// The calibrated jack: (10 MPa, 100 kN), (20, 210), (40, 430), from the origin.
TEST(GaugeHenkan, ConversionFollowsTheCalibrationLineBothWays)
{
    JackRecord j = test::calibratedJack();
    EXPECT_FLOAT_EQ(ConvertGauge(j, 5, PressureToLoad), 50);
    EXPECT_FLOAT_EQ(ConvertGauge(j, 10, PressureToLoad), 100); // on a pair: the segment ending there
    EXPECT_FLOAT_EQ(ConvertGauge(j, 50, PressureToLoad), 540); // last segment, extended
    EXPECT_FLOAT_EQ(ConvertGauge(j, 155, LoadToPressure), 15);
    // 123.456 kN: 10 + 10 × 23.456 / 110 = 12.1324 MPa, kept to two decimals.
    EXPECT_FLOAT_EQ(ConvertGaugeRounded(j, 123.456, LoadToPressure), 12.13f);
    j.Outputs = { 100, 200, 400 }; // 12.3456 MPa of 123.456 kN: halves away from zero
    EXPECT_FLOAT_EQ(ConvertGaugeRounded(j, 123.456, LoadToPressure), 12.35f);
    EXPECT_FLOAT_EQ(InterpolateTwoPoints(10, 10, 100, 120, 12), 140); // a vertical pair does not divide
}

TEST(GaugeHenkan, MissingLoadsAndJacksWithoutPairsHaveNoAnswer)
{
    JackRecord j = test::calibratedJack();
    EXPECT_EQ(ConvertGaugeRounded(j, MissingValue, LoadToPressure), MissingValue);
    // A pressure of −99 is a value like any other in that direction.
    EXPECT_NE(ConvertGauge(j, MissingValue, PressureToLoad), MissingValue);
    EXPECT_EQ(ConvertGauge(JackRecord {}, 100, LoadToPressure), MissingValue);
    j.PointCount = 300; // beyond the 20 pairs a record holds: searched no further
    EXPECT_FLOAT_EQ(ConvertGauge(j, 15, PressureToLoad), 155);
}

TEST(GaugeHenkan, CurrentAnchorsJackIsUsed)
{
    Project& p = project();
    InitProject(p, 2);
    p.TestCategory = 1;
    p.anchor(2).Jack = test::calibratedJack();
    p.CurrentAnchor = 2;
    EXPECT_FLOAT_EQ(ConvertGaugeRounded(15, PressureToLoad), 155);
    p.TestCategory = 0; // a basic investigation works on its working anchor
    p.Record.WorkingAnchor.Jack = test::calibratedJack();
    p.Record.WorkingAnchor.Jack.Outputs = { 200, 420, 860 };
    EXPECT_FLOAT_EQ(ConvertGaugeRounded(15, PressureToLoad), 310);
}

