#include "graphs/SummaryCharts.h"

#include "evaluation/CycleEvaluation.h"
#include "graphs/ChartFill.h"
#include "graphs/GraphAnchor.h"
#include "model/ProjectRecord.h"

#include <algorithm>

namespace tessaro {
namespace {

double valueOrHole(float v)
{
    return isMissing(v) ? DefaultHoleValue : double(v);
}

// The X axis reads the anchor numbers of the page, half a step clear of the frame.
void numberAxis(ChartData& chart, const std::vector<SummaryValues>& anchors)
{
    chart.x.title = QStringLiteral("アンカー番号");
    chart.y.title = QStringLiteral("変位量(mm)");
    for (const SummaryValues& v : anchors)
        chart.x.valueLabels.push_back({ double(v.number), QString::number(v.number) });
}

void finishOverAnchors(
    ChartFill& fill, ChartData& chart, const std::vector<SummaryValues>& anchors, double yMin, double yMax)
{
    if (anchors.empty()) {
        fill.finish();
        return;
    }
    fill.finish({ anchors.front().number - 0.5, anchors.back().number + 0.5, yMin, yMax });
    if (fill.empty())
        chart.x.valueLabels.clear();
}

} // namespace

std::vector<SummaryValues> summaryValues(Project& p, int first, int last)
{
    std::vector<SummaryValues> values;
    first = std::max(first, 1);
    last = std::min(last, graphAnchorCount(p));
    for (int n = first; n <= last; ++n) {
        AnchorRecord a = evaluatedAnchor(p, n);
        bool measured = EvaluatedRowCount(a) > 0;
        values.push_back({ n, a.Evaluation.TheoryAtTp, a.Evaluation.UpperAtTp, a.Evaluation.LowerAtTp,
            measured ? a.Evaluation.LastElastic : MissingValue, measured ? a.Evaluation.LastPermanent : MissingValue });
    }
    return values;
}

int summaryPageCount(int anchors)
{
    return std::max(1, (anchors + SummaryAnchorsPerPage - 1) / SummaryAnchorsPerPage);
}

int summaryPageFirst(int page)
{
    return (std::max(page, 1) - 1) * SummaryAnchorsPerPage + 1;
}

int summaryPageLast(int page, int anchors)
{
    return std::min(summaryPageFirst(page) + SummaryAnchorsPerPage - 1, anchors);
}

QString summaryRangeText(const Project& p, int page)
{
    const int anchors = graphAnchorCount(p);
    if (anchors == 0)
        return {};
    return QStringLiteral("No.%1 ～ No.%2（全 %3 本）")
        .arg(summaryPageFirst(page))
        .arg(summaryPageLast(page, anchors))
        .arg(anchors);
}

void drawPermanentSummary(ChartData& chart, const std::vector<SummaryValues>& anchors)
{
    chart = ChartData();
    chart.title = QStringLiteral("塑性変位量");
    numberAxis(chart, anchors);
    chart.series(0, 0).name = QStringLiteral("塑性変位量");
    ChartFill fill(chart);
    for (const SummaryValues& v : anchors)
        fill.add(v.number, valueOrHole(v.permanent));
    const ChartExtremes& e = fill.extremes();
    finishOverAnchors(fill, chart, anchors, std::min(e.yMin, 0.0), e.yMax + 0.5);
}

void drawElasticSummary(ChartData& chart, const std::vector<SummaryValues>& anchors)
{
    chart = ChartData();
    chart.title = QStringLiteral("弾性変位量");
    numberAxis(chart, anchors);
    const QString names[] = { QStringLiteral("理論値"), QStringLiteral("上限値"), QStringLiteral("下限値"),
        QStringLiteral("弾性変位量") };
    for (int s = SummaryTheorySeries; s <= SummaryElasticSeries; ++s)
        chart.series(0, s).name = names[s];
    ChartFill fill(chart);
    for (const SummaryValues& v : anchors) {
        fill.add(SummaryTheorySeries, v.number, valueOrHole(v.theory));
        fill.add(SummaryUpperSeries, v.number, valueOrHole(v.upper));
        fill.add(SummaryLowerSeries, v.number, valueOrHole(v.lower));
        fill.add(SummaryElasticSeries, v.number, valueOrHole(v.elastic));
    }
    const ChartExtremes& e = fill.extremes();
    finishOverAnchors(fill, chart, anchors, e.yMin - 1, e.yMax + 1);
}

std::array<ChartData, 2> drawSummaryPage(Project& p, int page)
{
    std::vector<SummaryValues> values
        = summaryValues(p, summaryPageFirst(page), summaryPageLast(page, graphAnchorCount(p)));
    std::array<ChartData, 2> charts;
    drawPermanentSummary(charts[0], values);
    drawElasticSummary(charts[1], values);
    return charts;
}

} // namespace tessaro
