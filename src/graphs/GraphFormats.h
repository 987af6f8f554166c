#pragma once
// The designed appearance of every test graph: theoretical and limit lines drawn
// as plain lines, measured values with markers, limits in one colour so that
// the band between them reads as one; the saved defaults of the graph windows
// over it; and the black-and-white form for monochrome prints.

#include "graphs/ChartFormat.h"
#include "graphs/TestGraphs.h"

namespace tessaro {

ChartFormat designedTestGraphFormat(TestGraph graph);
ChartFormat designedFrictionLossFormat();
ChartFormat designedPullOutFormat();
ChartFormat designedLoadPlanFormat();
// The creep charts: the points of a holding joined, the chosen ones marked.
ChartFormat designedCreepFormat();
// The load plan with the chosen cycle's maximum-load holding and the design anchor force.
ChartFormat designedLoadCycleFormat();
// Chart 1 (permanent displacements) or 2 (elastic displacements and limits) of the summary.
ChartFormat designedSummaryFormat(int chart);

// The designed format with the graph window's saved defaults (IniChartGraphN.ini)
// over it: what a graph on a document looks like without the window.
ChartFormat savedTestGraphFormat(TestGraph graph);

// Every series, grid and text in black and grey, the series still told apart by
// their lines and markers.
ChartFormat monochrome(ChartFormat format);

} // namespace tessaro
