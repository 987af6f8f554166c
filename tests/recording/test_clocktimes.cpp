#include "recording/ClockTimes.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(ClockTimes, FromTheEndOrTheStartOfTheTestAcrossMidnight)
{
    EXPECT_EQ(ClockTimeText(23 * 3600 + 59 * 60 + 59), QStringLiteral("23:59:59"));
    EXPECT_EQ(ClockTimeText(24 * 3600 + 5), QStringLiteral("0:00:05")); // past midnight
    EXPECT_EQ(ClockTimeText(-30 * 60), QStringLiteral("23:30:00"));

    // End 10:00 with a last elapsed time of 90 min: the test started at 8:30:00.
    AnchorRecord a;
    a.Readings.resize(3);
    a.Readings[0].ElapsedTime = 120;
    a.Readings[1].ElapsedTime = 3000;
    a.Readings[2].ElapsedTime = 5400;
    a.ReadingCount = 3;
    a.ClockMode = ClockFromEnd;
    a.ClockHours = 10;
    a.ClockMinutes = 0;
    SetClockTimes(a);
    EXPECT_EQ(a.Readings[0].ClockTime, QStringLiteral("8:32:00"));
    EXPECT_EQ(a.Readings[2].ClockTime, QStringLiteral("10:00:00"));

    a.ClockMode = ClockFromStart;
    a.ClockHours = 23;
    a.ClockMinutes = 50;
    SetClockTimes(a);
    EXPECT_EQ(a.Readings[0].ClockTime, QStringLiteral("23:52:00"));
    EXPECT_EQ(a.Readings[1].ClockTime, QStringLiteral("0:40:00"));
}
