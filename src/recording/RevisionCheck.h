#pragma once
// The check of the data revision: after a multi-cycle test, does the elastic
// displacement of every evaluated cycle lie between the control lines at each
// reading of the cycle's maximum-load holding? The readings where it does not
// are the ones the engineer is asked to correct.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

#include <QString>
#include <vector>

namespace tessaro {

struct RevisionCheck {
    int evaluatedCycles = 0;
    // Rows (1-based) of the maximum-load holdings whose lines do not hold the
    // cycle's elastic displacement.
    std::vector<int> outsideRows;
    // The last row of the maximum-load holding of every evaluated cycle: the
    // reading whose elongation enters the elastic displacement.
    std::vector<int> holdingEndRows;
    // Cycle numbers with a reading outside, each once, in test order.
    std::vector<int> faultyCycles;
};

// Checks the anchor (evaluated, or at least with its cycles split) and stores
// the verdict: RangeVerdict 0 and "OK", or 1 and "管理限界範囲外". The readings
// of the i-th evaluated cycle's holding are counted by the schedule's entry for
// the new load of cycle i; a single-cycle sheet's by its entry for Tp.
RevisionCheck CheckPeakHoldings(AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycleSheet);

// What the verdict label says: nothing without an evaluated cycle, that the
// anchor lies within the limits, or which cycles to correct ("2,4サイクル目の…").
QString RevisionVerdictText(const RevisionCheck& check);

// The judged range as the window states it, from the project's judgement settings.
QString JudgeRangeText(int judgeRangeMode, int judgeFromCycle);

} // namespace tessaro
