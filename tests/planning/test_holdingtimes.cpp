#include "planning/HoldingTimes.h"
#include "planning/ScheduleEntries.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(LoadChange, ConstantRateRoundsToWholeSecondsFixedTimeTakesTheMinutes)
{
    AnchorRecord a;
    a.Spec2.LoadChangeBySpeed = 1;
    a.Spec2.LoadingRate = 20;
    a.Spec2.UnloadingRate = 40;
    EXPECT_EQ(LoadChangeSeconds(a, 150, false), 450);
    EXPECT_EQ(LoadChangeSeconds(a, 125, true), 188); // 187.5 s
    a.Spec2.UnloadingRate = 0; // never set: no duration rather than a division by zero
    EXPECT_EQ(LoadChangeSeconds(a, 125, true), 0);

    a.Spec2.LoadChangeBySpeed = 0;
    a.Spec2.LoadingMinutes = 2;
    a.Spec2.UnloadingMinutes = 3;
    EXPECT_EQ(LoadChangeSeconds(a, 400, false), 120);
    EXPECT_EQ(LoadChangeSeconds(a, 400, true), 180);
    applyDefaultLoadChange(a); // new anchors change load in one minute
    EXPECT_EQ(LoadChangeSeconds(a, 300, true), 60);
}

TEST(ScheduledRows, MultiCycleCountsTheInitialEntriesSingleCycleEveryHolding)
{
    HoldingSchedule s;
    for (std::size_t e = 0; e < s.InitialStages.size(); ++e)
        s.InitialStages[e].Count = std::uint8_t(e + 1); // 1, 2, 3, …
    s.CycleStages[0].Loading[0].Count = 9; // loading and unloading sides are the generator's
    EXPECT_EQ(ScheduledRowCount(s, 3, false), 1 + 2 + 3);

    s.InitialStages[0].Count = 2;
    s.InitialStages[1].Count = 5;
    for (std::size_t c = 0; c < 10; ++c) {
        s.CycleStages[c].Loading[0].Count = std::uint8_t(4 + c); // cycle c+1: 5, 6, …
        s.CycleStages[c].Unloading[0].Count = std::uint8_t(c + 1);
        s.CycleStages[c].Loading[1].Count = 9; // other stages are not counted
    }
    // Four stages: loading entries of cycles 2..3 (5 + 6), unloading entries
    // of cycles 3..1 (3 + 2 + 1).
    EXPECT_EQ(ScheduledRowCount(s, 4, true), 2 + 5 + 6 + 5 + 3 + 2 + 1);
    s.InitialStages[1].Count = 40; // more than the ten readings a holding has
    EXPECT_EQ(ScheduledRowCount(s, 1, true), 2 + 10);
}

namespace {

int lastMinute(const HoldingStage& s)
{
    return s.Count == 0 ? 0 : s.Times[std::size_t(s.Count - 1)];
}

} // namespace

TEST(DefaultSchedule, PeakHoldingsByEditionGroundAndTest)
{
    struct Case {
        int edition, ground, cycles;
        bool single;
        std::vector<int> peaks; // last reading of the new-load holdings from cycle 1 on
    };
    const Case cases[] = {
        { 1, 1, 6, false, { 15, 15, 30, 30, 30, 60 } }, // 2012, sand
        { 1, 0, 6, false, { 15, 15, 60, 60, 60, 180 } }, // 2012, clay
        { 1, 1, 4, false, { 15, 15, 30, 60 } }, // fewer cycles: the last still holds longest
        { 0, 0, 5, false, { 10 } }, // 2000, clay
        { 1, 0, 5, true, { 15 } }, // single cycle: Tp only
        { 1, 1, 5, true, { 5 } },
    };
    for (const Case& c : cases) {
        HoldingSchedule s = defaultSchedule(c.edition, c.ground, c.cycles, c.single);
        std::vector<int> peaks;
        for (std::size_t i = 1; i <= c.peaks.size(); ++i)
            peaks.push_back(lastMinute(s.InitialStages[i]));
        EXPECT_EQ(peaks, c.peaks) << c.edition << " " << c.ground << " " << c.cycles;
    }
    HoldingSchedule sand = defaultSchedule(1, 1, 6, false);
    EXPECT_NE(sand.SetFlag, 0);
    EXPECT_EQ(lastMinute(sand.InitialStages[0]), 5); // opening holding at T0
    EXPECT_EQ(lastMinute(sand.CycleStages[2].Loading[1]), 2); // history stages 1–2 min
}

TEST(DefaultSchedule, EveryUsedHoldingHasIncreasingTimes)
{
    for (int edition : { 0, 1 })
        for (int ground : { -1, 0, 1 })
            for (bool single : { false, true }) {
                HoldingSchedule s = defaultSchedule(edition, ground, 6, single);
                for (const HoldingStage& h : s.InitialStages)
                    EXPECT_TRUE(strictlyIncreasing(readingTimes(h)));
                for (const CycleStageEntries& c : s.CycleStages)
                    for (const HoldingStage& h : c.Loading)
                        EXPECT_TRUE(strictlyIncreasing(readingTimes(h)));
            }
}
