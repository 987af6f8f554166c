#include "planning/ShownLoads.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

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
    EXPECT_EQ(loads.load(ShownLoads::Tp, "abc"), std::nullopt);

    loads.setPressures(false);
    EXPECT_EQ(loads.textOf(350.0), "350.00");
    EXPECT_EQ(loads.load(ShownLoads::T0, "123.4"), 123.4);

    EXPECT_TRUE(ShownLoads::canShowPressures(jack));
    jack.PointCount = 1; // no pair
    EXPECT_FALSE(ShownLoads::canShowPressures(jack));
}
