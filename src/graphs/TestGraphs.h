#pragma once
// The four standard graphs of an anchor load test, drawn from an evaluated
// anchor (EvaluateAnchor first) into chart descriptions. The graph window shows
// them; the graph sheets and reports place the same graphs as files.
//
// 1 plastic and elastic displacement curves: the elastic displacement of every
//   evaluated cycle right of the load axis and its permanent displacement left
//   of it, both against the cycle's planned maximum load, with the theoretical
//   elastic elongation and its control lines up to Tp.
// 2 load–displacement curve, 3 time–load curve, 4 time–displacement curve: one
//   point per reading row; time in minutes since the start of the test.

#include "graphs/ChartData.h"
#include "model/AnchorRecord.h"

#include <array>

namespace tessaro {

enum class TestGraph { PlasticElastic = 1, LoadDisplacement = 2, TimeLoad = 3, TimeDisplacement = 4 };
inline constexpr int TestGraphCount = 4;
inline constexpr std::array<TestGraph, TestGraphCount> AllTestGraphs { TestGraph::PlasticElastic,
    TestGraph::LoadDisplacement, TestGraph::TimeLoad, TestGraph::TimeDisplacement };

// "塑性・弾性変位曲線", "荷重-変位量曲線", "時間-荷重曲線", "時間-変位量曲線".
QString testGraphTitle(TestGraph graph);

// Series of the plastic/elastic displacement graph (chart group 1).
enum PlasticElasticSeries {
    TheorySeries = 0, // "理論線"
    UpperSeries = 1, // "上限線"
    LowerSeries = 2, // "下限線"
    ElasticSeries = 3, // "弾性変位量"
    PermanentSeries = 4, // "塑性変位量", negated
    DeltaMarkSeries = 5, // the two ends of the "⊿δe" mark, no legend entry
};
inline const QString DeltaElasticLabel = QStringLiteral("⊿δe");

// Axis titles with units.
inline const QString LoadAxisTitle = QStringLiteral("荷重(kN)");
inline const QString DisplacementAxisTitle = QStringLiteral("変位量(mm)");
inline const QString TimeAxisTitle = QStringLiteral("経過時間(分)");

// The maximum load of the last cycle of the plan (Tp for a plan without stages).
double lastCycleMaxLoad(const LoadPlan& plan);
// The planned maximum load of cycle c (1-based): the stage load of the cycle, or
// Tp for the one cycle of a single-cycle confirmation test.
double plannedCycleLoad(const AnchorRecord& anchor, int cycle, bool singleCycle);
// The largest elastic displacement of the results (−99 skipped), 0 when none.
double largestElastic(const AnchorRecord& anchor);

// Graph 1. Blank (0..100) when no cycle has an elastic displacement. Otherwise
// X runs from −N to P, where P is the larger of UpperAtTp and the largest elastic
// displacement and N the larger of the largest permanent displacement and the
// whole part of P / 5; Y from 0 to the last cycle's maximum load. The X axis
// reads absolute values. The "⊿δe" mark spans the largest elastic displacement
// at L − L/25 with its label at L − L/15, L the upper load of the elastic line
// (UpperPointLoad) when inside the plot, else the top.
void drawPlasticElasticGraph(ChartData& chart, const AnchorRecord& anchor, bool singleCycle);

// Graph 2: one point per row up to the first row without displacement; the load
// axis always reaches the last cycle's planned maximum load.
void drawLoadDisplacementGraph(ChartData& chart, const AnchorRecord& anchor);

// Graph 3: every row (a row without time or load is a hole). True when at least
// one point was written: only then can a test be evaluated further.
bool drawTimeLoadGraph(ChartData& chart, const AnchorRecord& anchor);

// Graph 4: one point per row up to the first row without displacement; the
// displacement can be drawn with its sign inverted (settlement drawn downward).
enum class DisplacementSign { AsRead, Inverted };
void drawTimeDisplacementGraph(ChartData& chart, const AnchorRecord& anchor, DisplacementSign sign);

// All four graphs of an evaluated anchor, in graph order, displacement as read.
std::array<ChartData, TestGraphCount> drawTestGraphs(const AnchorRecord& anchor, bool singleCycle);

} // namespace tessaro
