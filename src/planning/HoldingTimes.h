#pragma once
// Holding times of the load holdings and durations of the load changes between
// them: what the reading sheet is built from.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

#include <cstdint>
#include <vector>

namespace tessaro {

// Seconds a change of load by deltaLoad kN lasts: at the anchor's constant rate
// (kN/min, rounded to whole seconds, halves away from zero) or its fixed
// minutes per change. A rate of 0 (never set) gives no duration.
double LoadChangeSeconds(const AnchorRecord& anchor, double deltaLoad, bool decreasing);

// The scheduled reading count as the schedule editor counts it: multi-cycle and
// basic-investigation anchors the readings of InitialStages entries
// 1..stageCount (the sheet adds those of the loading and unloading sides);
// single-cycle confirmation anchors every reading of the single cycle.
std::int16_t ScheduledRowCount(const HoldingSchedule& schedule, int stageCount, bool singleCycle);

// The readings of a holding that enter the sheet: Count, held to the ten times
// a holding has.
int UsedReadings(const HoldingStage& stage);

// Reading times of a holding of the given length (minutes): the customary creep
// times 1, 2, 5, 10, 15, 20, 30, 45, 60, 90, 120, 180 below it and the length
// itself, at most ten (20 and 45 are left out first).
std::vector<int> ReadingMinutes(int holdingMinutes);

// A schedule for an anchor that has none yet, following the edition's example
// holding times for the anchorage ground (0 clay, 1 sandy soil or rock; any
// other value is taken as sandy soil or rock):
// - 2012, new-load stage of cycle c of n: sandy soil/rock 15 min for cycles 1–2,
//   30 min up to cycle n−1, 60 min for the last; clay 15 / 60 / 180 min.
// - 2000, new-load stage: 5 min (sandy soil/rock) or 10 min (clay).
// - Stages within the load history and the holdings at T0 within a cycle:
//   2 min (2012), 1 min (2000 sandy soil/rock) or 2 min (2000 clay).
// - The opening holding at T0: 5 min.
// - Single-cycle confirmation anchors hold Tp 5 min (sandy soil/rock) or 15 min
//   (2012 clay) / 10 min (2000 clay); every other holding of the cycle is a
//   history-length holding.
// Every holding of all ten cycles is filled, so a later change of the stage
// count still finds readings; the last-cycle time applies to cycle stageCount.
HoldingSchedule defaultSchedule(int edition, int ground, int stageCount, bool singleCycle);

// Load changes of a new anchor: a fixed time of one minute each way.
void applyDefaultLoadChange(AnchorRecord& anchor);

} // namespace tessaro
