#include "graphs/CreepCharts.h"

#include "graphs/ChartFill.h"
#include "graphs/LoadPlanGraph.h"
#include "graphs/TestGraphs.h"
#include "model/NumberFormat.h"
#include "recording/ReadingSheet.h"

#include <algorithm>

namespace tessaro {
namespace {

// Point labels sit right of their point, odd numbers above it and even ones
// below, so that the close points at the start of a holding stay readable.
const QPointF AbovePoint(4, -18);
const QPointF BelowPoint(4, 2);

void setUp(ChartData& chart, const QString& title, const QString& yTitle)
{
    chart = ChartData();
    chart.title = title;
    chart.x.title = CreepTimeAxisTitle;
    chart.y.title = yTitle;
    chart.series(0, CreepPointsSeries).name = QStringLiteral("測定値");
    chart.series(0, CreepChosenSeries).name = QStringLiteral("選択した測定時間");
}

// Time from 0 to a little beyond the last point; values with room above and
// below, at least 0.1 mm in all, so that a holding that hardly moves still
// reads as a curve and its labels stay inside the plot.
ChartExtremes creepBounds(const ChartExtremes& e)
{
    const double pad = std::max((e.yMax - e.yMin) * 0.15, 0.05);
    return { 0.0, std::max(e.xMax * 1.08, 1.0), e.yMin - pad, e.yMax + pad * 1.5 };
}

void labelPoint(ChartData& chart, int no, double x, double y)
{
    chart.labels.push_back({ QStringLiteral("No.%1").arg(no), { x, y }, no % 2 == 1 ? AbovePoint : BelowPoint });
}

// Draws the values (−99: no point) of the holding with the chosen pairs.
void drawPoints(ChartData& chart, const CreepHolding& holding, const std::vector<double>& values,
    const std::vector<std::pair<int, int>>& pairs, bool chosenOnly)
{
    ChartFill fill(chart);
    auto chosen = [&](int no, std::size_t pairIndex) {
        return pairIndex < pairs.size() && (pairs[pairIndex].first == no || pairs[pairIndex].second == no);
    };
    for (int no = 1; no <= holding.lastPoint(); ++no) {
        const double v = values[std::size_t(no - 1)];
        const int minutes = holding.point(no).minutes;
        if (isMissing(v) || minutes < 0)
            continue;
        const bool isChosen = chosen(no, 0) || chosen(no, 1);
        if (chosenOnly && !isChosen)
            continue;
        fill.add(CreepPointsSeries, minutes, v);
        for (std::size_t p = 0; p < pairs.size(); ++p)
            if (chosen(no, p))
                fill.add(CreepChosenSeries + int(p), minutes, v);
        labelPoint(chart, no, minutes, v);
    }
    fill.finish(creepBounds(fill.extremes()));
}

} // namespace

void drawCreepCurve(ChartData& chart, const CoefficientJudgement& j, bool chosenOnly)
{
    setUp(chart, CreepCurveTitle, QStringLiteral("伸び量(mm)"));
    drawPoints(chart, j.holding, CreepAmounts(j.holding), { { j.t1No, j.t2No } }, chosenOnly);
}

void drawCreepDisplacement(ChartData& chart, const DisplacementJudgement& j)
{
    setUp(chart, CreepDisplacementTitle, QStringLiteral("変位量(mm)"));
    std::vector<std::pair<int, int>> pairs { { j.pair.taNo, j.pair.tbNo } };
    if (j.byCoefficient) {
        chart.series(0, CreepExtendedSeries).name = QStringLiteral("延長試験の測定時間");
        pairs.push_back({ j.extended.taNo, j.extended.tbNo });
    }
    std::vector<double> values;
    for (const CreepPoint& p : j.holding.points)
        values.push_back(isMissing(p.displacement) ? double(MissingValue) : double(p.displacement));
    drawPoints(chart, j.holding, values, pairs, false);
}

void drawLoadCycleDiagram(
    ChartData& chart, const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle, int cycle)
{
    drawLoadPlanGraph(chart, anchor, schedule, singleCycle);
    chart.title = LoadCycleTitle;
    if (isPlotAreaBlank(chart.plotArea))
        return;
    const double load = plannedCycleLoad(anchor, cycle, singleCycle);
    const std::vector<Reading> rows = BuildSheetRows(anchor, schedule, singleCycle);
    auto first = std::find_if(
        rows.begin(), rows.end(), [&](const Reading& r) { return r.Cycle == cycle && r.Load == float(load); });
    if (first != rows.end()) {
        auto last = first;
        while (last + 1 != rows.end() && (last + 1)->Cycle == cycle && (last + 1)->Load == first->Load)
            ++last;
        ChartSeries& held = chart.series(0, LoadCycleChosenSeries);
        held.name = QStringLiteral("%1サイクル目の最大荷重 (荷重： ").arg(cycle) + formatNumber(load, "0.00")
            + QStringLiteral(" kN)");
        const double start = (first->ElapsedTime - first->Interval * 60) / 60.0;
        held.points = { { start, load }, { last->ElapsedTime / 60.0, load } };
    }
    const double td = anchor.DesignAnchorForce;
    if (td > 0) {
        ChartSeries& design = chart.series(0, LoadCycleDesignSeries);
        design.name = QStringLiteral("設計アンカー力　：") + formatNumber(td, "0.00") + QStringLiteral(" kN");
        design.points = { { chart.x.min, td }, { chart.x.max, td } };
    }
    // Room above the highest load for the eye.
    chart.y.max = chart.y.dataMax = std::max(chart.y.max, td) * 1.08;
}

} // namespace tessaro
