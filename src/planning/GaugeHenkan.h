#pragma once
// Conversion between jack gauge pressure (MPa) and jack output (kN) through the
// calibration pairs of a jack: linear between neighbouring pairs, from the origin
// to the first pair, and extended beyond the last pair.

#include "model/JackRecord.h"

namespace tessaro {

enum GaugeDirection : int {
    LoadToPressure = 0, // kN → MPa, searched on the output column
    PressureToLoad = 1, // MPa → kN, searched on the pressure column
};

// Segment of the calibration table that holds the value: 0 from the origin to
// pair 1, k ≥ 1 from pair k to pair k + 1. −1 when there is no answer: a missing
// load (−99) asked as a pressure, or a jack without calibration pairs. Any
// direction other than the two above gives 0.
int GaugeSegment(const JackRecord& jack, double value, int direction);

// The straight line through (x0, y0) and (x1, y1) at x; a vertical pair gives
// y0 + (x − x0)·(y1 − y0).
float InterpolateTwoPoints(double x0, double x1, double y0, double y1, double x);

// The converted value, −99 when the segment search has no answer.
float ConvertGauge(const JackRecord& jack, double value, int direction);

// The converted value rounded to two decimals ("0.00"), −99 when there is no answer.
float ConvertGaugeRounded(const JackRecord& jack, double value, int direction);
// The same through the jack of the anchor being edited (the working anchor of a
// basic investigation, else the current anchor of the open project).
float ConvertGaugeRounded(double value, int direction);

} // namespace tessaro
