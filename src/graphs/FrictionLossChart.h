#pragma once
// The load–elastic-displacement chart of the friction-loss evaluation of a basic
// investigation ("荷重-弾性変位量曲線"): the measured elastic displacement of
// every cycle against its planned maximum load, the theoretical elongation with
// its control lines, and the straight line through the two chosen points
// carried down to the load axis, where it shows the load lost to friction.

#include "graphs/ChartData.h"
#include "model/AnchorRecord.h"

namespace tessaro {

// Series of chart group 1; the first four as in the plastic/elastic graph.
enum FrictionLossSeries {
    FrictionTheorySeries = 0, // "理論線"
    FrictionUpperSeries = 1, // "上限線"
    FrictionLowerSeries = 2, // "下限線"
    FrictionElasticSeries = 3, // "弾性変位量"
    FrictionLineSeries = 4, // "延長線": from the intercept load up to the line's upper point
};

inline const QString FrictionLossChartTitle = QStringLiteral("荷重-弾性変位量曲線");

// Draws the chart of an evaluated anchor. X runs from 0 to the larger of
// UpperAtTp and the largest elastic displacement, Y from 0 to Tp, each with a
// twentieth more for room (as the test graphs); without a
// measured elastic displacement the chart is a blank 0..100 plot. The points
// the engineer can choose carry their numbers; the elastic line is drawn only
// where it lies inside the plot.
void drawFrictionLossChart(ChartData& chart, const AnchorRecord& anchor);

} // namespace tessaro
