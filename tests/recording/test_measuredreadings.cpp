#include "recording/MeasuredReadings.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

AnchorRecord anchorWithSheet(int rows)
{
    AnchorRecord a;
    Reading empty;
    empty.Displacement = MissingValue;
    a.Readings.assign(std::size_t(rows), empty);
    a.ReadingCount = std::int16_t(rows);
    a.Evaluation.Results.assign(std::size_t(rows), ReadingResult {});
    a.EditFlag = 1;
    return a;
}

} // namespace

TEST(MeasuredReadings, ARowCountsAsMeasuredWhenItHasAnElongation)
{
    AnchorRecord a = anchorWithSheet(4);
    EXPECT_FALSE(hasMeasuredReadings(a)); // a fresh sheet
    a.Readings[2].Displacement = 0; // no movement is a reading too
    EXPECT_TRUE(hasMeasuredReadings(a));
    a.ReadingCount = 2; // rows beyond the count are not part of the sheet
    EXPECT_FALSE(hasMeasuredReadings(a));
    EXPECT_FALSE(hasMeasuredReadings(AnchorRecord {}));
}

TEST(MeasuredReadings, DiscardingEmptiesTheSheetAndAsksForANewOne)
{
    AnchorRecord a = anchorWithSheet(3);
    a.Readings[0].Displacement = 1.5f;
    discardReadings(a);
    EXPECT_TRUE(a.Readings.empty());
    EXPECT_EQ(a.ReadingCount, 0);
    EXPECT_TRUE(a.Evaluation.Results.empty());
    EXPECT_EQ(a.EditFlag, 0);
    EXPECT_FALSE(hasMeasuredReadings(a));
}
