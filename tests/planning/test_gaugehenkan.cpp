#include "model/basMainData.h"
#include "planning/GaugeHenkan.h"
#include "planning/ShownLoads.h"
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

// The calibrated jack: (10 MPa, 100 kN), (20, 210), (40, 430), extended beyond.
TEST(ShownLoads, ALookAtThePressuresNeverShiftsALoad)
{
    JackRecord jack = test::calibratedJack();
    ShownLoads loads;
    loads.setJack(jack);
    loads.setPressures(true);
    QString shown = loads.textOf(350.0);
    EXPECT_EQ(shown, "32.73");
    loads.hold(ShownLoads::Tp, 350.0, shown);
    EXPECT_EQ(loads.load(ShownLoads::Tp, shown), 350.0); // not 350.03 from 32.73 MPa
    // A pressure typed over it is read through the jack.
    EXPECT_EQ(loads.load(ShownLoads::Tp, "30"), 320.0);
    EXPECT_EQ(loads.load(ShownLoads::FirstStage + 2, shown), 350.03f);

    loads.setPressures(false);
    EXPECT_EQ(loads.textOf(350.0), "350.00");
    EXPECT_EQ(loads.load(ShownLoads::T0, "123.4"), 123.4);

    EXPECT_TRUE(ShownLoads::canShowPressures(jack));
    jack.PointCount = 1; // no pair
    EXPECT_FALSE(ShownLoads::canShowPressures(jack));
}
