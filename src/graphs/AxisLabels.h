#pragma once
// Axis annotation: the absolute-value labels that let displacements drawn on the
// negative side of an axis (the permanent displacement left of the load axis)
// read as positive numbers, and the tick spacing of ordinary numbered axes.

#include "graphs/ChartData.h"

namespace tessaro {

enum class ChartAxisId { X, Y };

// Label step for an axis whose labels run up to `upper` (the bound + 1): 5, 10,
// 15, 20, 30 or 50 by upper / 10 rounded half to even.
int absoluteLabelStep(double upper);

// Replaces the axis's value labels by labels every step from the first multiple
// of the step at or below the lower bound up to the upper bound + 1, each showing
// the absolute value as a whole number (−15 reads "15"). Upper bound 9 and lower
// bound −12 give −15, −10, −5, 0, 5, 10. An axis whose bounds are not numbers,
// or that would need more than maxAbsoluteLabels labels, keeps plain numbers.
void absoluteValueLabels(ChartData& chart, float upper, float lower, ChartAxisId axis);
inline constexpr int maxAbsoluteLabels = 1000;

// Distance between numbered ticks on an axis from min to max: 1, 2, 2.5 or 5
// times a power of ten, giving at most maxTicks intervals.
double niceTickStep(double min, double max, int maxTicks = 8);
// Decimals needed to write every multiple of the step exactly (0.25 → 2).
int tickDecimals(double step);

} // namespace tessaro
