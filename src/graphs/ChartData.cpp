#include "graphs/ChartData.h"

#include <cmath>

namespace tessaro {

bool ChartGroup::isHole(const ChartPoint& p) const
{
    return p.x == holeValue || p.y == holeValue || !std::isfinite(p.x) || !std::isfinite(p.y);
}

ChartGroup& ChartData::group(int g)
{
    if (int(groups.size()) <= g)
        groups.resize(std::size_t(g) + 1);
    return groups[std::size_t(g)];
}

ChartSeries& ChartData::series(int g, int s)
{
    ChartGroup& target = group(g);
    if (int(target.series.size()) <= s)
        target.series.resize(std::size_t(s) + 1);
    return target.series[std::size_t(s)];
}

int ChartData::seriesCount() const
{
    int count = 0;
    for (const ChartGroup& g : groups)
        count += int(g.series.size());
    return count;
}

void setAxisBounds(ChartData& chart, float xMax, float xMin, float yMax, float yMin)
{
    auto set = [](ChartAxis& axis, float max, float min) {
        axis.max = axis.dataMax = max;
        axis.min = axis.dataMin = min;
    };
    set(chart.x, xMax, xMin);
    set(chart.y, yMax, yMin);
}

void plotAreaVisible(ChartData& chart)
{
    chart.plotArea = { Qt::white, Qt::black };
}

void plotAreaBlank(ChartData& chart)
{
    chart.plotArea = { Qt::white, Qt::white };
}

bool isPlotAreaBlank(const PlotAreaColors& colors)
{
    return colors.background == colors.foreground;
}

} // namespace tessaro
