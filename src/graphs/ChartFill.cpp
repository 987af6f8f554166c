#include "graphs/ChartFill.h"

#include <algorithm>

namespace tessaro {

ChartExtremes withMargin(ChartExtremes e)
{
    constexpr double Margin = 1.05;
    return { e.xMin * Margin, e.xMax * Margin, e.yMin * Margin, e.yMax * Margin };
}

ChartFill::ChartFill(ChartData& chart, int group)
    : chart_(chart)
    , group_(group)
{
    for (ChartSeries& s : chart_.group(group_).series)
        s.points.clear();
}

void ChartFill::add(int series, double x, double y)
{
    ChartPoint p { x, y };
    chart_.series(group_, series).points.push_back(p);
    if (chart_.groups[std::size_t(group_)].isHole(p))
        return;
    if (written_ == 0) {
        extremes_ = { x, x, y, y };
    }
    else {
        extremes_.xMin = std::min(extremes_.xMin, x);
        extremes_.xMax = std::max(extremes_.xMax, x);
        extremes_.yMin = std::min(extremes_.yMin, y);
        extremes_.yMax = std::max(extremes_.yMax, y);
    }
    ++written_;
}

void ChartFill::finish()
{
    finish(extremes_);
}

void ChartFill::finish(const ChartExtremes& bounds)
{
    if (empty()) {
        // Only holes were written: nothing is left to draw.
        for (ChartSeries& s : chart_.group(group_).series)
            s.points.clear();
        plotAreaBlank(chart_);
        setAxisBounds(chart_, 100, 0, 100, 0);
        return;
    }
    plotAreaVisible(chart_);
    setAxisBounds(chart_, float(bounds.xMax), float(bounds.xMin), float(bounds.yMax), float(bounds.yMin));
}

} // namespace tessaro
