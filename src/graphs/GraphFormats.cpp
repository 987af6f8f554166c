#include "graphs/GraphFormats.h"

#include "graphs/ChartFormatFile.h"
#include "graphs/FrictionLossChart.h"
#include "graphs/PullOutChart.h"
#include "graphs/SummaryCharts.h"

namespace tessaro {
namespace {

const QColor TheoryColor(Qt::black);
const QColor LimitColor(0xc0, 0x39, 0x2b);
const QColor ElasticColor(0x1f, 0x4e, 0x9c);
const QColor PermanentColor(0x1e, 0x84, 0x49);
const QColor PlanColor(0x1f, 0x4e, 0x9c);

SeriesStyle plainLine(const QColor& color, LineStyle line, double width = 1.5)
{
    return { color, width, line, MarkerShape::None, 0 };
}

SeriesStyle measured(const QColor& color, MarkerShape marker, double size = 7, LineStyle line = LineStyle::Solid)
{
    return { color, 1.5, line, marker, size };
}

// Theory, upper and lower line, then the measured elastic displacement: the
// first four series of the plastic/elastic graph and of the friction-loss chart.
void setControlLines(ChartFormat& f)
{
    f.editSeriesStyle(0, 0) = plainLine(TheoryColor, LineStyle::Solid);
    f.editSeriesStyle(0, 1) = plainLine(LimitColor, LineStyle::Dash);
    f.editSeriesStyle(0, 2) = plainLine(LimitColor, LineStyle::Dot);
    f.editSeriesStyle(0, 3) = measured(ElasticColor, MarkerShape::Circle);
}

// One measured series without legend: the axis titles say what it is.
ChartFormat singleSeries(const SeriesStyle& style)
{
    ChartFormat f;
    f.editSeriesStyle(0, 0) = style;
    f.legendVisible = false;
    return f;
}

} // namespace

ChartFormat designedTestGraphFormat(TestGraph graph)
{
    switch (graph) {
    case TestGraph::PlasticElastic: {
        ChartFormat f;
        setControlLines(f);
        f.editSeriesStyle(0, PermanentSeries) = measured(PermanentColor, MarkerShape::Square);
        f.editSeriesStyle(0, DeltaMarkSeries) = { TheoryColor, 1, LineStyle::Solid, MarkerShape::Diamond, 6 };
        return f;
    }
    case TestGraph::LoadDisplacement:
    case TestGraph::TimeDisplacement:
        return singleSeries(measured(ElasticColor, MarkerShape::Circle, 4));
    case TestGraph::TimeLoad:
        break;
    }
    return singleSeries(measured(PermanentColor, MarkerShape::Circle, 4));
}

ChartFormat designedFrictionLossFormat()
{
    ChartFormat f;
    setControlLines(f);
    f.editSeriesStyle(0, FrictionLineSeries) = plainLine(QColor(0xd3, 0x54, 0x00), LineStyle::DashDot, 2);
    return f;
}

ChartFormat designedPullOutFormat()
{
    ChartFormat f;
    f.editSeriesStyle(0, PullOutPointSeries) = measured(PermanentColor, MarkerShape::Square);
    f.editSeriesStyle(0, PullOutLine1Series) = plainLine(ElasticColor, LineStyle::Dash);
    f.editSeriesStyle(0, PullOutLine2Series) = plainLine(QColor(0xd3, 0x54, 0x00), LineStyle::DashDot);
    f.editSeriesStyle(0, PullOutUltimateSeries) = plainLine(LimitColor, LineStyle::Dot, 2);
    return f;
}

ChartFormat designedLoadPlanFormat()
{
    return singleSeries(plainLine(PlanColor, LineStyle::Solid, 2));
}

ChartFormat designedSummaryFormat(int chart)
{
    if (chart == 1)
        return singleSeries(measured(PermanentColor, MarkerShape::Square, 8, LineStyle::None));
    // Per anchor values: the limits as lines across the anchors with small marks,
    // so that an anchor alone on its page still shows them.
    ChartFormat f;
    f.editSeriesStyle(0, SummaryTheorySeries) = measured(TheoryColor, MarkerShape::Diamond, 4);
    f.editSeriesStyle(0, SummaryUpperSeries) = measured(LimitColor, MarkerShape::Triangle, 4, LineStyle::Dash);
    f.editSeriesStyle(0, SummaryLowerSeries) = measured(LimitColor, MarkerShape::Triangle, 4, LineStyle::Dot);
    f.editSeriesStyle(0, SummaryElasticSeries) = measured(ElasticColor, MarkerShape::Circle, 8, LineStyle::None);
    return f;
}

ChartFormat savedTestGraphFormat(TestGraph graph)
{
    ChartFormat f = designedTestGraphFormat(graph);
    readChartFormat(chartFormatPath(graphFormatFile(int(graph))), f);
    return f;
}

ChartFormat monochrome(ChartFormat format)
{
    for (auto& group : format.series)
        for (SeriesStyle& style : group)
            style.color = Qt::black;
    format.gridColor = QColor(0xc8, 0xc8, 0xc8);
    return format;
}

} // namespace tessaro
