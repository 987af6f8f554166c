#pragma once
// The one open project and the operations that reset it.

#include "model/ProjectRecord.h"

namespace tessaro {

// The project every window reads and writes; exactly one is open at a time.
Project& project();

void ResetProjectHeader(Project& p);
void InitProject(Project& p, int anchorCount);
void ResetAnchor(AnchorRecord& anchor);
void ResetSchedule(HoldingSchedule& schedule);
void ReleaseProjectArrays(Project& p);

// Re-dimensions the per-anchor arrays (labels, marks, anchors, creep selections,
// schedules) together to 1..n, keeping existing entries; new entries are reset.
void ResizeAnchorArrays(Project& p, int n);

// A stored rate of 0 means "not set": the defaults come back, and the working
// copies used by the evaluation take the values.
void NormaliseRates(Project& p);

} // namespace tessaro
