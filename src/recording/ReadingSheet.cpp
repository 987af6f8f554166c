#include "recording/ReadingSheet.h"

#include "model/ProjectRecord.h"
#include "planning/GaugeHenkan.h"
#include "planning/HoldingTimes.h"
#include "recording/ClockTimes.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

constexpr int MaxCycles = 10;

// Loads of the plan by stage number: P0 is T0, P1..P10 the stage loads.
float stageLoad(const LoadPlan& plan, int s)
{
    return s <= 0 ? plan.InitialLoad : plan.CycleMaxLoad[std::size_t(std::min(s, MaxCycles) - 1)];
}

std::vector<SheetHolding> multiCycleHoldings(const LoadPlan& plan, const HoldingSchedule& schedule, int n)
{
    std::vector<SheetHolding> h;
    h.push_back({ &schedule.InitialStages[0], plan.InitialLoad, 1, 1, 0 });
    for (int c = 1; c <= n; ++c) {
        const CycleStageEntries& cycle = schedule.CycleStages[std::size_t(c - 1)];
        if (c >= 2)
            h.push_back({ &cycle.Loading[0], plan.InitialLoad, c, 1, 1 });
        for (int s = 2; s <= c; ++s)
            h.push_back({ &cycle.Loading[std::size_t(s - 1)], stageLoad(plan, s - 1), c, s, 0 });
        h.push_back({ &schedule.InitialStages[std::size_t(c)], stageLoad(plan, c), c, c, 2 });
        for (int s = c; s >= 2; --s)
            h.push_back({ &cycle.Unloading[std::size_t(s - 1)], stageLoad(plan, s - 1), c, s, 1 });
        h.push_back({ &cycle.Unloading[0], plan.InitialLoad, c, 1, 1 });
    }
    return h;
}

std::vector<SheetHolding> singleCycleHoldings(const LoadPlan& plan, const HoldingSchedule& schedule, int n)
{
    std::vector<SheetHolding> h;
    h.push_back({ &schedule.InitialStages[0], plan.InitialLoad, 1, 1, 0 });
    for (int c = 2; c <= n - 1; ++c)
        h.push_back({ &schedule.CycleStages[std::size_t(c - 1)].Loading[0], stageLoad(plan, c - 1), 1, c, 0 });
    h.push_back({ &schedule.InitialStages[1], plan.PlannedMaxLoad, 1, std::max(n, 1), 2 });
    for (int c = n - 1; c >= 1; --c)
        h.push_back({ &schedule.CycleStages[std::size_t(c - 1)].Unloading[0], stageLoad(plan, c - 1), 1, c, 1 });
    return h;
}

std::int32_t wholeSeconds(double s)
{
    return std::int32_t(std::clamp(std::round(s), 0.0, 2147483647.0));
}

} // namespace

bool usesSingleCycleSheet(const AnchorRecord& anchor, int testCategory)
{
    return testCategory != 0 && anchor.ConfirmationTest != 0;
}

std::vector<SheetHolding> SheetHoldings(const LoadPlan& plan, const HoldingSchedule& schedule, bool singleCycle)
{
    int n = std::clamp<int>(plan.StageCount, 0, MaxCycles);
    return singleCycle ? singleCycleHoldings(plan, schedule, n) : multiCycleHoldings(plan, schedule, n);
}

int SheetRowCount(const LoadPlan& plan, const HoldingSchedule& schedule, bool singleCycle)
{
    int rows = 0;
    for (const SheetHolding& h : SheetHoldings(plan, schedule, singleCycle))
        rows += UsedReadings(*h.entry);
    return rows;
}

std::vector<Reading> BuildSheetRows(const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle)
{
    std::vector<Reading> rows;
    double clock = 0; // seconds: end of the last holding
    const SheetHolding* previous = nullptr;
    for (const SheetHolding& h : SheetHoldings(anchor.Plan, schedule, singleCycle)) {
        if (previous && h.load != previous->load) {
            double delta = std::fabs(double(h.load) - double(previous->load));
            clock += LoadChangeSeconds(anchor, delta, h.load < previous->load);
        }
        previous = &h;
        double start = clock;
        float gauge = ConvertGaugeRounded(anchor.Jack, h.load, LoadToPressure);
        int used = UsedReadings(*h.entry);
        for (int k = 0; k < used; ++k) {
            Reading r;
            r.AnchorNoText = anchor.AnchorNo;
            r.Interval = std::int16_t(std::min<int>(h.entry->Times[std::size_t(k)], 32767));
            r.ElapsedTime = wholeSeconds(start + h.entry->Times[std::size_t(k)] * 60.0);
            r.GaugePressure = gauge;
            r.Load = h.load;
            r.Cycle = std::int16_t(h.cycle);
            r.Stage = std::int16_t(h.stage);
            r.RowKind = std::int16_t(h.kind);
            r.InitialNo1 = r.MeasuredNo1 = r.InitialNo2 = r.MeasuredNo2 = MissingValue;
            r.Displacement = MissingValue;
            rows.push_back(r);
        }
        if (used > 0)
            clock = start + h.entry->Times[std::size_t(used - 1)] * 60.0;
    }
    return rows;
}

void GenerateSheet(AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle)
{
    std::vector<Reading> rows = BuildSheetRows(anchor, schedule, singleCycle);
    bool clockSet = false;
    if (rows.size() == anchor.Readings.size())
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Reading& old = anchor.Readings[i];
            Reading& r = rows[i];
            r.InitialNo1 = old.InitialNo1;
            r.MeasuredNo1 = old.MeasuredNo1;
            r.InitialNo2 = old.InitialNo2;
            r.MeasuredNo2 = old.MeasuredNo2;
            r.Displacement = old.Displacement;
            clockSet = clockSet || !old.ClockTime.isEmpty();
        }
    anchor.Readings = std::move(rows);
    anchor.ReadingCount = std::int16_t(std::min<std::size_t>(anchor.Readings.size(), 32767));
    anchor.EditFlag = 1;
    if (clockSet)
        SetClockTimes(anchor);
}

void GenerateSheet(Project& p, int anchorIndex)
{
    bool basic = p.isBasic();
    if (!basic
        && (anchorIndex < 1 || anchorIndex > int(p.Record.Anchors.size())
            || anchorIndex > int(p.Record.Schedules.size())))
        return;
    AnchorRecord& anchor = basic ? p.Record.WorkingAnchor : p.anchor(anchorIndex);
    const HoldingSchedule& schedule
        = basic ? p.Record.WorkingSchedule : p.Record.Schedules[std::size_t(anchorIndex - 1)];
    GenerateSheet(anchor, schedule, usesSingleCycleSheet(anchor, p.TestCategory));
}

} // namespace tessaro
