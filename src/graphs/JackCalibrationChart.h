#pragma once
// The calibration chart of the jack detail window: jack output over gauge
// pressure, one point per calibration pair, both axes from 0 so that the line
// from the origin to the first pair (the first conversion segment) can be read.

#include "graphs/ChartData.h"

#include <QList>

namespace tessaro {

// Pairs are taken as far as both lists go.
ChartData jackCalibrationChart(const QList<double>& pressures, const QList<double>& outputs);

} // namespace tessaro
