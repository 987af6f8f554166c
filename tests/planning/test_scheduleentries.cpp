#include "planning/ScheduleEntries.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;
using test::readingsAt;

TEST(ScheduleEntries, MultiCycleHoldingsOfACycleAndStage)
{
    HoldingSchedule s;
    LoadPlan plan = test::sixCycleAnchor().Plan; // T0 50, stages 100 … 350
    ShownHoldings h = holdingsShown(s, plan, false, 4, 3);
    EXPECT_EQ(h.newLoad.entry, &s.InitialStages[4]); // the new load of cycle 4
    EXPECT_EQ(h.newLoad.load, 250);
    EXPECT_EQ(h.loading.entry, &s.CycleStages[3].Loading[2]);
    EXPECT_EQ(h.unloading.entry, &s.CycleStages[3].Unloading[2]);
    EXPECT_EQ(h.stageLoad, 150); // stage 3 holds P2

    // Stage 1 is the holding at T0; the first cycle meets T0 only at the opening.
    ShownHoldings first = holdingsShown(s, plan, false, 1, 1);
    EXPECT_EQ(first.stageLoad, 50);
    EXPECT_FALSE(first.loading.used);
    EXPECT_TRUE(first.unloading.used);
    EXPECT_TRUE(holdingsShown(s, plan, false, 2, 1).loading.used);
}

TEST(ScheduleEntries, SingleCycleHoldingsAreTheFirstEntriesOfEachCycle)
{
    HoldingSchedule s;
    LoadPlan plan = test::sixCycleAnchor().Plan;
    plan.StageCount = 5;
    plan.PlannedMaxLoad = 300;
    // A single cycle passes stages 1 … n−1 up and down; it reaches Tp once.
    EXPECT_EQ(ScheduleCycleCount(5, true), 1);
    EXPECT_EQ(ScheduleStageCount(1, 5, true), 4);
    ShownHoldings h = holdingsShown(s, plan, true, 1, 3);
    EXPECT_EQ(h.newLoad.entry, &s.InitialStages[1]);
    EXPECT_EQ(h.newLoad.load, 300);
    EXPECT_EQ(h.unloading.entry, &s.CycleStages[2].Unloading[0]);
    EXPECT_FALSE(holdingsShown(s, plan, true, 1, 1).loading.used);
}

TEST(ScheduleEntries, ReadingTimesAreSetWithoutTouchingTheEditorsBytes)
{
    HoldingStage stage = readingsAt({ 1, 2, 5, 10, 15 });
    stage.Values[0] = 7;
    setReadingTimes(stage, { 1, 5 });
    EXPECT_EQ(stage.Times[2], 0); // no stale time behind the count
    EXPECT_EQ(stage.Values[0], 7);
    EXPECT_FALSE(strictlyIncreasing({ 1, 5, 5 }));

    HoldingSchedule stored;
    stored.HeaderByte = 3;
    stored.CycleStages[2].Unloading[1].StageValue = 4;
    HoldingSchedule defaults;
    defaults.CycleStages[2].Unloading[1] = readingsAt({ 1, 2 });
    takeReadingTimes(stored, defaults);
    EXPECT_EQ(readingTimes(stored.CycleStages[2].Unloading[1]), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(stored.HeaderByte, 3);
}

// Two stages T0 50, P1 100, P2 150. Opening holding read at 2 min, new loads
// at 1 and 5 min, every other holding at 1 min:
// T0 2 | up | P1 4, 8 | down | T0 10 | T0 11 | up | P1 13 | up | P2 15, 19 |
// down | P1 21 | down | T0 23: ten readings, 23 minutes with one minute per
// change. Up at 100 kN/min (30 s) and down at 25 kN/min (2 min) the three
// changes each way take 7.5 minutes: 24.5, and a started minute counts.
TEST(ScheduleEntries, TotalsOfTheTestIncludeTheLoadChanges)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.Plan.StageCount = 2;
    a.Plan.CycleMaxLoad = { 100, 150 };
    a.Spec2.LoadChangeBySpeed = 0;
    a.Spec2.LoadingMinutes = a.Spec2.UnloadingMinutes = 1;
    HoldingSchedule s = test::compactSchedule();
    ScheduleTotals t = scheduleTotals(a, s, false);
    EXPECT_EQ(t.readings, 10);
    EXPECT_EQ(t.minutes, 23);
    a.Spec2.LoadChangeBySpeed = 1;
    a.Spec2.LoadingRate = 100;
    a.Spec2.UnloadingRate = 25;
    EXPECT_EQ(scheduleTotals(a, s, false).minutes, 25);
}
