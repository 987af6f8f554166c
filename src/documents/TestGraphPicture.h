#pragma once
// The test graphs of an anchor as the reports print them.

#include "documents/ReportEngine.h"
#include "graphs/TestGraphs.h"

#include <QSize>

namespace tessaro {

struct AnchorRecord;

// The report's test graphs span the text width, a little over twice as wide as high.
inline constexpr QSize ResultChartSize(720, 340);

// A test graph of the evaluated anchor in the graph window's saved appearance:
// the load–displacement curve, or the elastic and permanent displacements.
report::Picture testGraphPicture(const QString& name, const AnchorRecord& evaluated, TestGraph graph, QSize size);

} // namespace tessaro
