#pragma once
// The anchors the graph windows and documents draw: anchor n of a
// quality-assurance project or the one anchor of a basic investigation, always
// as an evaluated copy, so that drawing never changes the project.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

namespace tessaro {

struct Project;

// Anchors that can be drawn: the anchor count, or 1 for a basic investigation.
int graphAnchorCount(const Project& p);
// Anchor n (1-based) and its schedule; an anchor outside the project is an empty one.
const AnchorRecord& graphAnchor(const Project& p, int n);
const HoldingSchedule& graphSchedule(const Project& p, int n);
// The single-cycle sheet of a confirmation test in a quality-assurance project.
bool graphSingleCycle(const Project& p, int n);
// A copy of anchor n with every result refreshed by the project's evaluation.
AnchorRecord evaluatedAnchor(Project& p, int n);

} // namespace tessaro
