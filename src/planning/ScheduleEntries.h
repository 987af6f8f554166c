#pragma once
// The holdings of a schedule as the schedule window shows them: for a chosen
// cycle and stage, the two holdings at new loads and the two holdings within
// the load history; the reading times of one holding; and the totals of the
// test the schedule makes.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

#include <QString>
#include <vector>

namespace tessaro {

// Cycles offered: one per load stage; a single-cycle anchor has one cycle.
int ScheduleCycleCount(int stageCount, bool singleCycle);
// Stages of a cycle within the history: 1..cycle (stage 1 is the holding at
// T0); a single cycle passes its stages 1..stageCount−1 on the way up and down.
int ScheduleStageCount(int cycle, int stageCount, bool singleCycle);

struct ShownHolding {
    HoldingStage* entry = nullptr;
    float load = 0; // kN
    bool used = true; // the reading sheet takes this holding's readings
};

// New loads: the opening holding at T0 and the new maximum of the cycle (Tp of
// a single cycle). Within the history, stage s holds P(s−1) (T0 for s = 1):
// the loading side on the way up to the cycle's new load, the unloading side
// on the way back down. The first cycle reaches T0 only at the opening
// holding, so its stage 1 has no loading-side holding; nor has stage 1 of a
// single cycle.
struct ShownHoldings {
    ShownHolding opening;
    ShownHolding newLoad;
    ShownHolding loading;
    ShownHolding unloading;
    float stageLoad = 0; // P(s−1)
};
// cycle and stage must lie in the ranges above.
ShownHoldings holdingsShown(HoldingSchedule& schedule, const LoadPlan& plan, bool singleCycle, int cycle, int stage);

// The first Count reading times of a holding, in minutes.
std::vector<int> readingTimes(const HoldingStage& stage);
// Stores up to ten times and their count; the times after them are cleared.
void setReadingTimes(HoldingStage& stage, const std::vector<int>& minutes);
bool strictlyIncreasing(const std::vector<int>& minutes);
// Every holding's reading times and count taken from another schedule; the
// flags and editor bytes of the schedule stay as they are.
void takeReadingTimes(HoldingSchedule& schedule, const HoldingSchedule& from);

// "サイクルもしくは荷重の段階数に、範囲外の数値が入力されました。" with the range.
QString scheduleRangeMessage(int minimum, int maximum);
// Reversed reading times in a holding at a new load, or within the history.
QString newLoadOrderMessage();
QString historyOrderMessage();

struct ScheduleTotals {
    int minutes = 0; // from the start of the test to its last reading, load changes included
    int readings = 0; // rows of the reading sheet
};
// The totals of the sheet this plan, schedule and the anchor's load changes make.
ScheduleTotals scheduleTotals(const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle);
// "125 分 = ( 2 時間 5 分 )"
QString totalTimeText(int minutes);
// "48 回"
QString readingCountText(int readings);

} // namespace tessaro
