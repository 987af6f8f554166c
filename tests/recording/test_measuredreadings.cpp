#include "recording/MeasuredReadings.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(MeasuredReadings, ARowWithAnElongationIsMeasuredDiscardingAsksForANewSheet)
{
    AnchorRecord a;
    Reading empty;
    empty.Displacement = MissingValue;
    a.Readings.assign(4, empty);
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
