#pragma once
// The summary chart document ("アンカー試験結果総括図"): one A4 page per twenty
// anchors with the permanent displacements and the elastic displacements
// against their control limits, as the summary window shows them. The charts
// are the SVG files the window wrote into the data folder under the names of
// summaryGraphFile().

#include "documents/ReportEngine.h"

#include <QString>

namespace tessaro {

struct Project;

// Composes every page of the summary into one document, with the page number
// at the foot of each, and ends it; the chart files are removed afterwards.
// False when the document could not be written.
bool PrintSummaryGraph(report::ReportEngine& engine, const Project& p);

} // namespace tessaro
