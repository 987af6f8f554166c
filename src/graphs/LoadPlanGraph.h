#pragma once
// The load plan of one anchor as a graph: planned load against planned time in
// minutes, from the load plan and the holding-time schedule. Plan documents,
// reports and the anchor particulars list show it beside the cycle table.

#include "graphs/ChartData.h"
#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

namespace tessaro {

inline const QString LoadPlanGraphTitle = QStringLiteral("載荷計画図");

// Every holding of the reading sheet is drawn as a level run from its start
// (the end of the load change that leads to it) to its last reading, and the
// load changes as the slopes between, from (0, T0) at the start of the test.
// A holding without readings is passed over by the slope. Without a reading in
// the schedule the graph is a blank 0..100 plot.
void drawLoadPlanGraph(ChartData& chart, const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle);

} // namespace tessaro
