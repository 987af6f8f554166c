#pragma once
// The charts of the measurement windows: the load–displacement curve beside the
// reading sheet, and the elastic displacements of the cycles against their
// control lines beside the data revision grid.

#include "graphs/ChartData.h"
#include "model/AnchorRecord.h"

#include <vector>

namespace tessaro {

// Load against head displacement of every measured row of the sheet, in test
// order; rows not (yet) measured are passed over, so the curve grows as
// readings are typed and a missed reading does not hide the ones after it. The
// load axis always reaches the plan's last cycle, so it does not rescale while
// the test climbs towards it. The axes leave a little room beyond the points.
void FillInputChart(ChartData& chart, const std::vector<Reading>& rows, int rowCount, const LoadPlan& plan);

// Theoretical, upper and lower lines from (0, T0) to their values at Tp, and the
// elastic displacement of every evaluated cycle at its peak load, starting at
// (0, T0); the anchor must have been evaluated (or its cycles split).
void FillElasticCheckChart(ChartData& chart, const AnchorRecord& anchor);

} // namespace tessaro
