#pragma once
// The reading sheet of an anchor: one row per scheduled reading, generated from
// the load plan and the holding-time schedule, with planned loads and gauge
// pressures and the elapsed time of every reading.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

#include <vector>

namespace tessaro {

struct Project;

// One load holding of the sheet: its schedule entry, planned load and place.
struct SheetHolding {
    const HoldingStage* entry = nullptr;
    float load = 0;
    int cycle = 1;
    int stage = 1;
    int kind = 0; // row kind: 0 opening / up, 1 at T0 within a cycle or down, 2 new load of the cycle
};

// The single-cycle sheet serves confirmation anchors of quality-assurance
// projects; every other anchor (also a basic investigation) gets the cycles.
bool usesSingleCycleSheet(const AnchorRecord& anchor, int testCategory);

// The holdings in test order. Multi-cycle: the opening holding at T0, then per
// cycle c the holding at T0 (c ≥ 2), the stages P1..Pc−1 up, the new load Pc,
// the stages back down and the closing holding at T0.
// Single-cycle of n stages: the opening holding at T0 (InitialStages 1), the
// stages P1..Pn−2 up (loading-side stage-1 entries of cycles 2..n−1), Tp
// (InitialStages 2), the stages Pn−2..P1 down and the closing holding at T0
// (unloading-side stage-1 entries of cycles n−1..1). Stage s of the single cycle
// holds P(s−1), as on the loading side of a cycle, so stage Pn−1 is passed
// without a holding; the entries are exactly those ScheduledRowCount counts.
std::vector<SheetHolding> SheetHoldings(const LoadPlan& plan, const HoldingSchedule& schedule, bool singleCycle);

// Number of rows the sheet of this plan and schedule has: every reading of
// every holding (unlike ScheduledRowCount, which for multi-cycle anchors
// counts only the InitialStages entries).
int SheetRowCount(const LoadPlan& plan, const HoldingSchedule& schedule, bool singleCycle);

// The rows of the sheet. Interval is the entry's reading time (minutes into the
// holding); ElapsedTime runs from the start of the test: each holding starts
// where the previous one ended (at its last reading) plus the load change
// between their loads. Two holdings in a row at the same load — the closing
// holding at T0 of one cycle and the opening one of the next — have no load
// change between them, so no change duration is added there. A holding
// without readings still takes its load changes. Gauge pressures are the
// rounded conversions of the loads through the anchor's own jack; readings and
// elongations start empty (−99).
std::vector<Reading> BuildSheetRows(const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle);

// Replaces the anchor's readings with a new sheet, stores the row count and
// marks the sheet valid. A sheet is rebuilt whenever the jack, the plan or the
// schedule changed; when the new sheet has as many rows as the old one, the
// dial-gauge readings and elongations taken so far stay on their rows (and clock
// times that were set are recomputed), since only a changed number of readings
// is announced to the user as deleting them.
void GenerateSheet(AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle);
// The same for anchor i (1-based) of the open project, or its working anchor
// in a basic investigation.
void GenerateSheet(Project& p, int anchorIndex);

} // namespace tessaro
