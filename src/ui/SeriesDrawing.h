#pragma once
// How a series style is drawn, shared by the plot and its legend so that the
// legend sample looks like the series.

#include "graphs/ChartFormat.h"

#include <QPainterPath>
#include <QPen>

namespace tessaro::ui {

QPen seriesPen(const SeriesStyle& style);
bool drawsLine(const SeriesStyle& style);
bool drawsMarkers(const SeriesStyle& style);

// The outline of a series marker of the given size, centred on the origin.
QPainterPath markerPath(MarkerShape shape, double size);

} // namespace tessaro::ui
