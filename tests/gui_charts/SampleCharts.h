#pragma once
// Charts as the graph windows draw them, for the chart tests.

#include "graphs/ChartData.h"

namespace tessaro::test {

// Elastic displacement right and permanent displacement left of the load axis
// (multi-cycle test up to 300 kN), with theoretical and limit lines, absolute
// value labels on the displacement axis and the "⊿δe" label.
ChartData displacementCurves();

// A chart that was filled without any reading.
ChartData emptyChart();

} // namespace tessaro::test
