#pragma once
// Readings already taken on an anchor, and their removal when a change of the
// load plan or the holding-time schedule makes the reading sheet void.

#include "model/AnchorRecord.h"

namespace tessaro {

// True when a row of the anchor's sheet carries an elongation: a row counts as
// measured when its elongation is not the missing value.
bool hasMeasuredReadings(const AnchorRecord& anchor);

// Removes the rows, their count and their evaluation results, and marks the
// sheet for rebuilding from the plan and the schedule.
void discardReadings(AnchorRecord& anchor);

} // namespace tessaro
