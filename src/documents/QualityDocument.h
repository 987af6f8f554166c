#pragma once
// The test plan (kind 1) and the test report (kind 3) of the quality-assurance
// tests: cover, general rules and outline, test equipment, test method, then
// for each anchor chosen its initial load, load plan with holding times and
// graph, planned maximum load, elastic-displacement limits, initial tension at
// lock-off and, for load-distribution anchors, the free-length and initial-load
// sheets; the report adds each anchor's results, its test graphs and its creep
// sheet; the summary closes the document.

#include "documents/DocumentFamily.h"
#include "documents/ReportEngine.h"

#include <functional>
#include <vector>

namespace tessaro {

struct Project;

// The anchors the documents can print: those the project holds with their schedules.
int reportAnchorCount(const Project& p);

// Anchors chosen for the documents (1-based, ascending): the project's choice
// when it made one, else every anchor.
std::vector<int> chosenReportAnchors(const Project& p);

// Called after each anchor's chapter with the number of anchors done; false
// stops composing (the document is then not written).
using QualityProgress = std::function<bool(int done)>;

// Composes the plan or the report of the chosen anchors and ends the document.
// A jack sketch that cannot be printed is told (information) and its area left
// empty. False when the document was not written: stopped, the file could not
// be written, no anchor given, or not a quality-assurance family.
bool PrintQualityDocument(report::ReportEngine& engine, const Project& p, DocumentFamily family,
    const std::vector<int>& anchors, const QualityProgress& progress = {});

} // namespace tessaro
