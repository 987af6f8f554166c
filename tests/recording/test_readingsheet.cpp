#include "model/basMainData.h"
#include "planning/HoldingTimes.h"
#include "recording/ClockTimes.h"
#include "recording/ReadingSheet.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace tessaro;
using test::readingsAt;

namespace {

// (load, cycle, stage, kind) of each holding; kind 0 opening or up, 1 at T0 or down, 2 new load.
using Holdings = std::vector<std::tuple<float, int, int, int>>;

void expectHoldings(const std::vector<SheetHolding>& holdings, const Holdings& expected)
{
    Holdings actual;
    for (const SheetHolding& h : holdings)
        actual.emplace_back(h.load, h.cycle, h.stage, h.kind);
    EXPECT_EQ(actual, expected);
}

LoadPlan threeStages()
{
    return { .InitialLoad = 50, .PlannedMaxLoad = 200, .StageCount = 3, .CycleMaxLoad = { 100, 150, 200 } };
}

} // namespace

TEST(ReadingSheet, MultiCycleHoldingOrder)
{
    HoldingSchedule s = test::compactSchedule();
    std::vector<SheetHolding> h = SheetHoldings(threeStages(), s, false);
    expectHoldings(h,
        { { 50, 1, 1, 0 }, // opening
            { 100, 1, 1, 2 }, { 50, 1, 1, 1 }, // cycle 1
            { 50, 2, 1, 1 }, { 100, 2, 2, 0 }, { 150, 2, 2, 2 }, { 100, 2, 2, 1 }, { 50, 2, 1, 1 }, // cycle 2
            { 50, 3, 1, 1 }, { 100, 3, 2, 0 }, { 150, 3, 3, 0 }, { 200, 3, 3, 2 }, // cycle 3 up
            { 150, 3, 3, 1 }, { 100, 3, 2, 1 }, { 50, 3, 1, 1 } }); // cycle 3 down
    // The entries come from the places the schedule keeps them.
    EXPECT_EQ(h[5].entry, &s.InitialStages[2]);
    EXPECT_EQ(h[10].entry, &s.CycleStages[2].Loading[2]);
    EXPECT_EQ(h[12].entry, &s.CycleStages[2].Unloading[2]);
}

TEST(ReadingSheet, SingleCycleHoldingOrder)
{
    HoldingSchedule s = test::compactSchedule();
    LoadPlan plan = threeStages();
    plan.StageCount = 5;
    plan.PlannedMaxLoad = 300;
    plan.CycleMaxLoad = { 100, 150, 200, 250, 300 };
    std::vector<SheetHolding> h = SheetHoldings(plan, s, true);
    // Stage s holds P(s − 1): up through P1..P3, Tp, down through P3..P1 to T0.
    expectHoldings(h,
        { { 50, 1, 1, 0 }, { 100, 1, 2, 0 }, { 150, 1, 3, 0 }, { 200, 1, 4, 0 }, { 300, 1, 5, 2 }, { 200, 1, 4, 1 },
            { 150, 1, 3, 1 }, { 100, 1, 2, 1 }, { 50, 1, 1, 1 } });
    EXPECT_EQ(h[1].entry, &s.CycleStages[1].Loading[0]);
    EXPECT_EQ(h[4].entry, &s.InitialStages[1]);
    plan.StageCount = 0;
    expectHoldings(SheetHoldings(plan, s, true), { { 50, 1, 1, 0 }, { 300, 1, 1, 2 } });
}

TEST(ReadingSheet, RowCountsOfTheSheet)
{
    LoadPlan plan = threeStages();
    for (int n = 0; n <= 10; ++n) {
        plan.StageCount = std::int16_t(n);
        AnchorRecord a;
        a.Plan = plan;
        HoldingSchedule single = defaultSchedule(1, 0, n, true);
        EXPECT_EQ(int(BuildSheetRows(a, single, true).size()), ScheduledRowCount(single, n, true)) << n;
        HoldingSchedule multi = defaultSchedule(1, 0, n, false);
        EXPECT_EQ(int(BuildSheetRows(a, multi, false).size()), SheetRowCount(plan, multi, false)) << n;
    }
    // Three cycles of the compact schedule: opening 1; cycle 1: peak 2 + T0 1;
    // cycle 2: T0 1 + up 1 + peak 2 + down 1 + T0 1; cycle 3: 1 + 2 + 2 + 2 + 1.
    EXPECT_EQ(SheetRowCount(threeStages(), test::compactSchedule(), false), 1 + 3 + 6 + 8);
    // A holding has at most ten readings.
    HoldingSchedule s = test::compactSchedule();
    s.InitialStages[0].Count = 200;
    EXPECT_EQ(BuildSheetRows(AnchorRecord {}, s, false).size(), 10u);
}

TEST(ReadingSheet, RowsCarryPlanGaugesAndEmptyReadingsAndHoldingsWithoutReadingsTheirLoadChanges)
{
    AnchorRecord a;
    a.Plan = threeStages();
    a.Jack = test::calibratedJack();
    std::vector<Reading> rows = BuildSheetRows(a, test::compactSchedule(), false);
    EXPECT_FLOAT_EQ(rows.at(1).GaugePressure, 10.00f); // first reading at 100 kN
    EXPECT_EQ(rows[1].InitialNo1, MissingValue);
    a.Jack = JackRecord {}; // no jack data: no gauge pressure
    EXPECT_EQ(BuildSheetRows(a, test::compactSchedule(), false)[1].GaugePressure, MissingValue);

    a.Plan.StageCount = 1;
    a.Spec2.LoadingMinutes = a.Spec2.UnloadingMinutes = 1;
    HoldingSchedule s = test::compactSchedule();
    s.InitialStages[1].Count = 0; // no reading at the peak of cycle 1
    rows = BuildSheetRows(a, s, false);
    ASSERT_EQ(rows.size(), 2u);
    // Opening 120; up 60 s, no holding, down 60 s; then 60 s into the closing holding.
    EXPECT_EQ(rows[1].ElapsedTime, 120 + 60 + 60 + 60);
}

TEST(ReadingSheet, GeneratedIntoTheProjectsAnchors)
{
    Project& p = project();
    InitProject(p, 2);
    p.TestCategory = 1;
    p.anchor(2).Plan = threeStages();
    p.anchor(2).ConfirmationTest = 1;
    p.Record.Schedules[1] = test::compactSchedule();
    GenerateSheet(p, 2);
    AnchorRecord& a = p.anchor(2);
    EXPECT_EQ(a.ReadingCount, ScheduledRowCount(p.Record.Schedules[1], 3, true));
    EXPECT_EQ(a.EditFlag, 1);
    GenerateSheet(p, 3); // no such anchor: nothing happens

    p.TestCategory = 0; // a basic investigation uses the cycles even with the flag set
    p.Record.WorkingAnchor.Plan = threeStages();
    p.Record.WorkingAnchor.ConfirmationTest = 1;
    p.Record.WorkingSchedule = test::compactSchedule();
    GenerateSheet(p, 1);
    EXPECT_EQ(p.Record.WorkingAnchor.Readings.back().Cycle, 3);
}

TEST(ReadingSheet, RebuiltSheetOfTheSameLengthKeepsTheReadings)
{
    // A new jack changes every planned gauge pressure, not the rows: the dial
    // gauges read so far stay, and clock times that were set follow the sheet.
    AnchorRecord a = test::sixCycleAnchor();
    HoldingSchedule s = test::compactSchedule();
    GenerateSheet(a, s, false);
    a.Readings[1].MeasuredNo1 = 15.20f;
    a.Readings[1].Displacement = 5.20f;
    a.ClockHours = 9;
    SetClockTimes(a);
    a.Jack.Outputs = { 200, 420, 860 }; // twice the output per MPa
    GenerateSheet(a, s, false);
    EXPECT_FLOAT_EQ(a.Readings[1].GaugePressure, 5.00f);
    EXPECT_EQ(a.Readings[1].Displacement, 5.20f);
    EXPECT_EQ(a.Readings[1].ClockTime, QStringLiteral("9:04:00"));

    // One stage more: the sheet is new, the readings go (the user was asked).
    a.Plan.StageCount = 5;
    GenerateSheet(a, s, false);
    EXPECT_EQ(a.Readings[1].MeasuredNo1, MissingValue);
}
