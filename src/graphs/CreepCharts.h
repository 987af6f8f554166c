#pragma once
// The charts of the creep evaluation: the points of one load holding against
// the minutes since the holding began, each labelled with its number so that
// the engineer can choose them, and the load-cycle diagram of the cycle choice.

#include "evaluation/CreepEvaluation.h"
#include "graphs/ChartData.h"

namespace tessaro {

inline const QString CreepCurveTitle = QStringLiteral("＝クリープ量-時間曲線図＝");
inline const QString CreepDisplacementTitle = QStringLiteral("＝変位量-時間曲線図＝");
inline const QString LoadCycleTitle = QStringLiteral("＝ 荷重サイクル図 ＝");
inline const QString CreepTimeAxisTitle = QStringLiteral("測定時間　（分）");

enum CreepSeries {
    CreepPointsSeries = 0, // every point of the holding
    CreepChosenSeries = 1, // the chosen pair (ta, tb or T1, T2)
    CreepExtendedSeries = 2, // the chosen pair of the extended test
};

// The creep amount of every point of the judged holding (its displacement
// less that of point 1) against its minutes, y "伸び量(mm)", T1 and T2 marked.
// With chosenOnly only those two points are drawn. A holding without points is
// a blank 0..100 plot.
void drawCreepCurve(ChartData& chart, const CoefficientJudgement& j, bool chosenOnly);

// The displacement of every point of the judged holding against its minutes,
// y "変位量(mm)", ta and tb marked, and ta', tb' when the creep coefficient
// judges.
void drawCreepDisplacement(ChartData& chart, const DisplacementJudgement& j);

enum LoadCycleSeries {
    LoadCyclePlanSeries = 0, // the planned load against time
    LoadCycleChosenSeries = 1, // the maximum-load holding of the chosen cycle
    LoadCycleDesignSeries = 2, // the design anchor force across the test
};

// The load plan of the anchor with the maximum-load holding of `cycle` drawn
// over it (its legend "3サイクル目の最大荷重 (荷重： 200.00 kN)"), and the
// design anchor force as a level line.
void drawLoadCycleDiagram(
    ChartData& chart, const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle, int cycle);

} // namespace tessaro
