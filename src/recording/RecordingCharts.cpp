#include "recording/RecordingCharts.h"

#include "graphs/ChartFill.h"

#include <algorithm>

namespace tessaro {
namespace {

const QString LoadAxisTitle = QStringLiteral("荷重 (kN)");

// The highest load the plan reaches: the maximum load of its last cycle.
float plannedTop(const LoadPlan& plan)
{
    int n = std::clamp<int>(plan.StageCount, 0, int(plan.CycleMaxLoad.size()));
    float top = n > 0 ? plan.CycleMaxLoad[std::size_t(n - 1)] : 0.0f;
    return std::max(top, plan.PlannedMaxLoad);
}

} // namespace

void FillInputChart(ChartData& chart, const std::vector<Reading>& rows, int rowCount, const LoadPlan& plan)
{
    chart.title = QStringLiteral("荷重-変位量曲線");
    chart.x.title = QStringLiteral("変位量 (mm)");
    chart.y.title = LoadAxisTitle;
    chart.series(0, 0).name = QStringLiteral("測定値");
    ChartFill fill(chart);
    int n = std::clamp(rowCount, 0, int(rows.size()));
    for (int i = 0; i < n; ++i) {
        const Reading& r = rows[std::size_t(i)];
        if (!isMissing(r.Displacement) && !isMissing(r.Load))
            fill.add(r.Displacement, r.Load);
    }
    ChartExtremes bounds = fill.extremes();
    bounds.xMin = std::min(bounds.xMin, 0.0);
    bounds.xMax = std::max(bounds.xMax, 0.0);
    bounds.yMin = std::min(bounds.yMin, 0.0);
    bounds.yMax = std::max(bounds.yMax, double(plannedTop(plan)));
    fill.finish(withMargin(bounds));
}

void FillElasticCheckChart(ChartData& chart, const AnchorRecord& a)
{
    chart.title = QStringLiteral("弾性変位量");
    chart.x.title = QStringLiteral("弾性変位量 (mm)");
    chart.y.title = LoadAxisTitle;
    const EvaluationBlock& e = a.Evaluation;
    const float t0 = a.Plan.InitialLoad;
    const float tp = a.Plan.PlannedMaxLoad;
    const QString names[] = { QStringLiteral("理論値"), QStringLiteral("上限値"), QStringLiteral("下限値"),
        QStringLiteral("弾性変位量") };
    for (int s = 0; s < 4; ++s)
        chart.series(0, s).name = names[s];

    ChartFill fill(chart);
    const float atTp[] = { e.TheoryAtTp, e.UpperAtTp, e.LowerAtTp };
    for (int s = 0; s < 3; ++s)
        if (!isMissing(atTp[s])) {
            fill.add(s, 0, t0);
            fill.add(s, atTp[s], tp);
        }
    int n = std::min<int>(int(e.Results.size()), int(a.Readings.size()));
    bool first = true;
    for (int i = 0; i < n; ++i) {
        const ReadingResult& r = e.Results[std::size_t(i)];
        int peak = r.PeakRow;
        if (isMissing(r.Elastic) || peak < 1 || peak > n || isMissing(a.Readings[std::size_t(peak - 1)].Load))
            continue;
        if (first)
            fill.add(3, 0, t0);
        first = false;
        fill.add(3, r.Elastic, a.Readings[std::size_t(peak - 1)].Load);
    }
    ChartExtremes bounds = fill.extremes();
    bounds.xMin = std::min(bounds.xMin, 0.0);
    bounds.yMin = std::min(bounds.yMin, 0.0);
    bounds.yMax = std::max(bounds.yMax, double(tp));
    fill.finish(withMargin(bounds));
}

} // namespace tessaro
