#pragma once
// Head elongation of a reading row from the dial gauges of the two measuring
// points. Empty cells hold −99.
//
// A point's displacement is its measured reading minus the initial reading in
// effect (the nearest initial reading of that point at or above the row) plus a
// carry. A dial gauge that runs out of travel is reset partway down the sheet
// and gets a new initial reading; so that the elongation column continues
// where it was, the carry of rows under a later initial reading is the
// displacement the point had reached at the last row above that initial
// reading with a measured value (itself including the carry of its own
// initial reading). Rows under the first initial reading carry 0. Every initial
// reading below the first is taken as such a reset.
//
// All functions work on the rows alone, 0-based, so that one changed cell needs
// only its row (or, for an initial reading, the rows below it) recomputed.

#include "model/Reading.h"

#include <vector>

namespace tessaro {

// Displacement of measuring point 1 or 2 at the row, "#####0.00"; −99 when the
// point has no measured reading or no initial reading in effect.
float PointDisplacement(const std::vector<Reading>& rows, int row, int point);

// The mean of the points that have a displacement, "#####0.00"; −99 when neither has.
float RowElongation(const std::vector<Reading>& rows, int row);

// Stores the elongation of one row (after a measured reading changed).
void UpdateElongation(std::vector<Reading>& rows, int row);
// Stores the elongations of the rows from `fromRow` to the end (after an
// initial reading changed: every row below may carry differently).
void UpdateElongations(std::vector<Reading>& rows, int fromRow = 0);

} // namespace tessaro
