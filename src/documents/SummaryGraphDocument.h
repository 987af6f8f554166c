#pragma once
// The summary chart document ("アンカー試験結果総括図"): one A4 page per twenty
// anchors with the permanent displacements and the elastic displacements
// against their control limits, as the summary window shows them, drawn onto
// each page as it is composed.

#include "documents/ReportEngine.h"
#include "graphs/ChartFormat.h"

#include <array>

namespace tessaro {

struct Project;

// Composes every page of the summary into one document, the two charts of a
// page in the formats given (those on screen), with the page number at the
// foot of each, and ends it. False when the document could not be written.
bool PrintSummaryGraph(report::ReportEngine& engine, Project& p, const std::array<ChartFormat, 2>& formats);

} // namespace tessaro
