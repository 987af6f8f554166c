#include "planning/HoldingTimes.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(LoadChange, ConstantRateRoundsToWholeSeconds)
{
    AnchorRecord a;
    a.Spec2.LoadChangeBySpeed = 1;
    a.Spec2.LoadingRate = 20;
    a.Spec2.UnloadingRate = 40;
    EXPECT_EQ(LoadChangeSeconds(a, 150, false), 450);
    EXPECT_EQ(LoadChangeSeconds(a, 125, true), 188); // 187.5 s
    a.Spec2.LoadingRate = 40;
    EXPECT_EQ(LoadChangeSeconds(a, 125, false), 188);
    a.Spec2.UnloadingRate = 0; // never set: no duration rather than a division by zero
    EXPECT_EQ(LoadChangeSeconds(a, 125, true), 0);
}

TEST(LoadChange, FixedTimeWhateverTheSize)
{
    AnchorRecord a;
    a.Spec2.LoadChangeBySpeed = 0;
    a.Spec2.LoadingMinutes = 2;
    a.Spec2.UnloadingMinutes = 3;
    EXPECT_EQ(LoadChangeSeconds(a, 10, false), 120);
    EXPECT_EQ(LoadChangeSeconds(a, 400, false), 120);
    EXPECT_EQ(LoadChangeSeconds(a, 400, true), 180);
}

TEST(ScheduledRows, MultiCycleCountsTheInitialEntries)
{
    HoldingSchedule s;
    for (std::size_t e = 0; e < s.InitialStages.size(); ++e)
        s.InitialStages[e].Count = std::uint8_t(e + 1); // 1, 2, 3, …
    s.CycleStages[0].Loading[0].Count = 9; // loading and unloading sides are the generator's
    EXPECT_EQ(ScheduledRowCount(s, 3, false), 1 + 2 + 3);
    EXPECT_EQ(ScheduledRowCount(s, 0, false), 0);
    s.InitialStages[1].Count = 0; // a stage without readings contributes none
    EXPECT_EQ(ScheduledRowCount(s, 3, false), 1 + 0 + 3);
}

TEST(ScheduledRows, SingleCycleCountsEveryHoldingOfTheCycle)
{
    HoldingSchedule s;
    s.InitialStages[0].Count = 2;
    s.InitialStages[1].Count = 5;
    s.InitialStages[2].Count = 7; // not part of a single cycle
    for (std::size_t c = 0; c < 10; ++c) {
        s.CycleStages[c].Loading[0].Count = std::uint8_t(4 + c); // cycle c+1: 5, 6, …
        s.CycleStages[c].Unloading[0].Count = std::uint8_t(c + 1);
        s.CycleStages[c].Loading[1].Count = 9; // other stages are not counted
    }
    // Four stages: loading entries of cycles 2..3 (5 + 6), unloading entries
    // of cycles 3..1 (3 + 2 + 1).
    EXPECT_EQ(ScheduledRowCount(s, 4, true), 2 + 5 + 6 + 5 + 3 + 2 + 1);
    s.InitialStages[1].Count = 40; // more than the ten readings a holding has
    EXPECT_EQ(ScheduledRowCount(s, 2, true), 2 + 10 + 1);
    EXPECT_EQ(ScheduledRowCount(s, 1, true), 2 + 10);
    EXPECT_EQ(ScheduledRowCount(s, 0, true), 2 + 10);
}

TEST(ReadingTimes, CustomaryCreepTimesAtMostTen)
{
    EXPECT_EQ(ReadingMinutes(1), (std::vector<int> { 1 }));
    EXPECT_EQ(ReadingMinutes(180), (std::vector<int> { 1, 2, 5, 10, 15, 30, 60, 90, 120, 180 }));
    EXPECT_EQ(ReadingMinutes(7), (std::vector<int> { 1, 2, 5, 7 })); // a holding between the customary times
    EXPECT_EQ(ReadingMinutes(600).size(), 10u);
    EXPECT_EQ(ReadingMinutes(600).back(), 600);
    EXPECT_TRUE(ReadingMinutes(0).empty());
}

namespace {

int lastMinute(const HoldingStage& s)
{
    return s.Count == 0 ? 0 : s.Times[std::size_t(s.Count - 1)];
}

bool strictlyIncreasing(const HoldingStage& s)
{
    for (int i = 1; i < s.Count; ++i)
        if (s.Times[std::size_t(i)] <= s.Times[std::size_t(i - 1)])
            return false;
    return s.Count <= 10;
}

} // namespace

TEST(DefaultSchedule, Edition2012FollowsTheExampleForTheGround)
{
    HoldingSchedule sand = defaultSchedule(1, 1, 6, false);
    EXPECT_NE(sand.SetFlag, 0);
    EXPECT_EQ(lastMinute(sand.InitialStages[0]), 5); // opening holding at T0
    int sandPeaks[] = { 15, 15, 30, 30, 30, 60 };
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(lastMinute(sand.InitialStages[std::size_t(c)]), sandPeaks[c - 1]) << "cycle " << c;
    EXPECT_EQ(lastMinute(sand.CycleStages[2].Loading[1]), 2); // history stages 1–2 min
    EXPECT_EQ(lastMinute(sand.CycleStages[2].Unloading[0]), 2);

    HoldingSchedule clay = defaultSchedule(1, 0, 6, false);
    int clayPeaks[] = { 15, 15, 60, 60, 60, 180 };
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(lastMinute(clay.InitialStages[std::size_t(c)]), clayPeaks[c - 1]) << "cycle " << c;
    EXPECT_EQ(clay.InitialStages[6].Count, 10);

    // Fewer cycles: the last one still holds longest.
    EXPECT_EQ(lastMinute(defaultSchedule(1, 1, 4, false).InitialStages[4]), 60);
    EXPECT_EQ(lastMinute(defaultSchedule(1, 1, 4, false).InitialStages[3]), 30);
}

TEST(DefaultSchedule, Edition2000AndSingleCycle)
{
    HoldingSchedule sand = defaultSchedule(0, 1, 5, false);
    EXPECT_EQ(lastMinute(sand.InitialStages[5]), 5);
    EXPECT_EQ(lastMinute(sand.CycleStages[4].Unloading[3]), 1);
    HoldingSchedule clay = defaultSchedule(0, 0, 5, false);
    EXPECT_EQ(lastMinute(clay.InitialStages[1]), 10);
    EXPECT_EQ(lastMinute(clay.CycleStages[4].Loading[2]), 2);

    HoldingSchedule single = defaultSchedule(1, 0, 5, true);
    EXPECT_EQ(lastMinute(single.InitialStages[1]), 15);
    EXPECT_EQ(lastMinute(defaultSchedule(1, 1, 5, true).InitialStages[1]), 5);
    EXPECT_GT(ScheduledRowCount(single, 5, true), 0);
}

TEST(DefaultSchedule, EveryUsedHoldingHasIncreasingTimes)
{
    for (int edition : { 0, 1 })
        for (int ground : { -1, 0, 1 })
            for (bool single : { false, true }) {
                HoldingSchedule s = defaultSchedule(edition, ground, 6, single);
                for (const HoldingStage& h : s.InitialStages)
                    EXPECT_TRUE(strictlyIncreasing(h));
                for (const CycleStageEntries& c : s.CycleStages)
                    for (const HoldingStage& h : c.Loading)
                        EXPECT_TRUE(strictlyIncreasing(h));
            }
}

TEST(DefaultSchedule, NewAnchorsChangeLoadInOneMinute)
{
    AnchorRecord a;
    a.Spec2.LoadChangeBySpeed = 1;
    applyDefaultLoadChange(a);
    EXPECT_EQ(LoadChangeSeconds(a, 300, false), 60);
    EXPECT_EQ(LoadChangeSeconds(a, 300, true), 60);
}
