// The plastic and elastic displacement curves: per evaluated cycle the elastic
// displacement right of the load axis and the permanent one left of it, with the
// theoretical elongation and its control lines, so that the engineer sees at
// once whether each cycle's elastic part lies between the lines.

#include "graphs/TestGraphs.h"

#include "evaluation/CycleEvaluation.h"
#include "graphs/AxisLabels.h"
#include "graphs/ChartFill.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

struct CyclePoint {
    double load = 0;
    double elastic = 0;
    double permanent = 0;
};

// The last row of every evaluated cycle carries its elastic and permanent parts.
std::vector<CyclePoint> evaluatedCycles(const AnchorRecord& a, bool singleCycle)
{
    std::vector<CyclePoint> cycles;
    int rows = std::min<int>(EvaluatedRowCount(a), int(a.Evaluation.Results.size()));
    for (int i = 0; i < rows; ++i) {
        const ReadingResult& r = a.Evaluation.Results[std::size_t(i)];
        if (isMissing(r.Elastic))
            continue;
        double load = plannedCycleLoad(a, a.Readings[std::size_t(i)].Cycle, singleCycle);
        cycles.push_back({ load, r.Elastic, r.Permanent });
    }
    return cycles;
}

void addLimitLine(ChartFill& fill, int series, const AnchorRecord& a, float atTp)
{
    // A line needs a theory (modulus and area entered) and a load to rise to.
    if (isMissing(atTp) || !(atTp > 0))
        return;
    fill.add(series, 0, a.Plan.InitialLoad);
    fill.add(series, atTp, a.Plan.PlannedMaxLoad);
}

// The load the "⊿δe" mark stands under: the upper end of the elastic line when
// the friction-loss evaluation gave one inside the plot, else the top.
double markLoad(const AnchorRecord& a, double top)
{
    double upper = a.UpperPointLoad;
    return upper > 0 && upper <= top ? upper : top;
}

void addDeltaMark(ChartData& chart, ChartFill& fill, double delta, double load)
{
    if (!(delta > 0) || !(load > 0))
        return;
    // The mark just under the top, its label under the mark's middle: above it
    // the text would run into the plot frame on a small chart.
    double lineLoad = load - load / 25;
    fill.add(DeltaMarkSeries, 0, lineLoad);
    fill.add(DeltaMarkSeries, delta, lineLoad);
    // The text is about 30 × 16 drawing units.
    chart.labels.push_back({ DeltaElasticLabel, { delta / 2, load - load / 15 }, QPointF(-15, -2) });
}

} // namespace

void drawPlasticElasticGraph(ChartData& chart, const AnchorRecord& a, bool singleCycle)
{
    chart = ChartData();
    chart.title = testGraphTitle(TestGraph::PlasticElastic);
    chart.x.title = DisplacementAxisTitle;
    chart.y.title = LoadAxisTitle;
    const QString names[] = { QStringLiteral("理論線"), QStringLiteral("上限線"), QStringLiteral("下限線"),
        QStringLiteral("弾性変位量"), QStringLiteral("塑性変位量"), QString() };
    for (int s = TheorySeries; s <= DeltaMarkSeries; ++s)
        chart.series(0, s).name = names[s];

    ChartFill fill(chart);
    std::vector<CyclePoint> cycles = evaluatedCycles(a, singleCycle);
    if (cycles.empty()) {
        fill.finish();
        return;
    }
    addLimitLine(fill, TheorySeries, a, a.Evaluation.TheoryAtTp);
    addLimitLine(fill, UpperSeries, a, a.Evaluation.UpperAtTp);
    addLimitLine(fill, LowerSeries, a, a.Evaluation.LowerAtTp);

    fill.add(ElasticSeries, 0, a.Plan.InitialLoad);
    fill.add(PermanentSeries, 0, a.Plan.InitialLoad);
    double largestPermanent = 0;
    for (const CyclePoint& c : cycles) {
        fill.add(ElasticSeries, c.elastic, c.load);
        if (isMissing(c.permanent)) {
            fill.add(PermanentSeries, DefaultHoleValue, c.load);
            continue;
        }
        fill.add(PermanentSeries, -c.permanent, c.load);
        largestPermanent = std::max(largestPermanent, c.permanent);
    }

    // The right side reaches the upper control line; the left side takes at
    // least a fifth of it, so small permanent displacements stay readable.
    double elastic = largestElastic(a);
    double upper = isMissing(a.Evaluation.UpperAtTp) ? elastic : a.Evaluation.UpperAtTp;
    double right = std::max(upper, elastic);
    double left = std::max(largestPermanent, std::trunc(right / 5));
    double top = lastCycleMaxLoad(a.Plan);
    addDeltaMark(chart, fill, elastic, markLoad(a, top));
    const ChartExtremes bounds = withMargin({ -left, right, 0, top });
    fill.finish(bounds);
    absoluteValueLabels(chart, float(bounds.xMax), float(bounds.xMin), ChartAxisId::X);
}

} // namespace tessaro
