#pragma once
// The load–permanent-displacement chart of a pull-out test
// ("荷重-塑性変位量曲線図"): the numbered points the engineer picks from when
// taking the ultimate pull-out force, the two straight lines of the
// intersection method carried to their crossing, and the force taken.

#include "evaluation/UltimatePullOut.h"
#include "graphs/ChartData.h"

namespace tessaro {

enum PullOutSeries {
    PullOutPointSeries = 0, // "塑性変位量": the points, each labelled with its number
    PullOutLine1Series = 1, // "直線1"
    PullOutLine2Series = 2, // "直線2"
    PullOutUltimateSeries = 3, // "極限引抜き力": a level line at Tug
};

inline const QString PullOutChartTitle = QStringLiteral("荷重-塑性変位量曲線図");
inline const QString PermanentAxisTitle = QStringLiteral("塑性変位量(mm)");

// Draws the chart of an evaluated anchor with the engineer's choice and what
// it gave. X runs from 0 a little past the largest displacement, Y from 0 to
// the larger of Tp and the largest load drawn.
void drawPullOutChart(
    ChartData& chart, const AnchorRecord& evaluated, const UltimateChoice& choice, const UltimateResult& result);

} // namespace tessaro
